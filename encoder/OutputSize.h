// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Sizes, bitrates and the quality of an output: what a target size leaves
// for the video, what an output will weigh, and what ffmpeg's own SSIM and
// PSNR filters said of it.

// The bytes of a size text: a number, an optional blank, and a unit, "B",
// "kB", "MB", "GB", "TB" (powers of 1000: "25 MB" is 25,000,000 bytes) or
// "KiB", "MiB", "GiB", "TiB" (powers of 1024); the letters' case does not
// count, except that "Mb" would be bits and is refused. Nothing for a text
// that is no size, or a size of 0.
std::optional<int64_t> ParseSizeText(std::string_view text);

// Bytes as a user reads them: "980 kB", "1.95 MB", "25.0 MB", "1.50 GB", in
// the units and with the decimal mark that `translated` gives ("1,95 Mo").
std::string FormatSizeText(int64_t bytes, TTranslator translated = Untranslated);

// A bitrate as profiles give it, "128k", "2M" or "500000", in bits per
// second; nothing for any other text.
std::optional<int64_t> ParseBitrate(std::string_view text);

// The least video bitrate a target size may leave; below it a picture is
// not worth converting.
inline constexpr int64_t LeastVideoBitrate = 50000;
// The most a target may leave for the video: past it a target limits
// nothing, and encoders fail on such rates or wrap them round.
inline constexpr int64_t MostVideoBitrate = 2000000000;

// What a target size leaves for the video, or why it cannot be met.
struct TSizePlan
{
    int64_t VideoBitrate = 0; // bits per second
    std::string Refusal;      // empty when the target can be met
};

// The video bitrate that makes `seconds` of output with `audioBitrate`
// land just under `targetBytes`: the container's overhead and a margin for
// the encoder's rate control are kept back first.
// The refusal is in the words `translated` gives.
TSizePlan PlanTargetSize(int64_t targetBytes, double seconds, int64_t audioBitrate,
                         TTranslator translated = Untranslated);

// The bytes that `seconds` at `bitrate` (video and audio together) take,
// with the container's overhead.
int64_t EstimatedBytes(int64_t bitrate, double seconds);

// The words of a task's size: "about 1.95 MB", or this text when the size
// depends on the picture (a constant-quality mode).
inline constexpr char DependsOnPicture[] =
    QT_TRANSLATE_NOOP("OutputSize", "depends on the picture");

// The switches of pass `pass` (1 or 2) of a two-pass encoding with
// `arguments`, keeping its statistics in files that start with `logBase`:
// the first pass writes no audio and no file. The arguments' video codec
// says how (x265 takes its own parameters); VP9's real-time mode becomes
// its good one, the only one that keeps statistics.
bool IsTwoPassCodec(const std::vector<std::string>& arguments);
std::vector<std::string> PassArguments(std::vector<std::string> arguments, int pass,
                                       const std::string& logBase);

// What a quality check measured: SSIM of all planes (0..1) and the mean
// PSNR in dB (infinite for identical pictures).
struct TQuality
{
    double Ssim = 0;
    double Psnr = 0;
};

// The SSIM and PSNR that ffmpeg's "ssim" and "psnr" filters report at the
// end of a run ("SSIM ... All:0.987 (18.9)", "PSNR ... average:36.1 ...");
// nothing unless both are there.
std::optional<TQuality> ParseQualityReport(std::string_view text);

// "excellent" (SSIM at least 0.98), "good" (0.95), "visible loss" (0.90),
// "poor", in the words `translated` gives.
std::string QualityWord(double ssim, TTranslator translated = Untranslated);

// "good (SSIM 0.962, PSNR 35.1 dB)"
std::string QualityText(const TQuality& quality, TTranslator translated = Untranslated);

// The arguments of ffmpeg that compare `seconds` of `output` from
// `outputAt` with the source `input` from `inputAt`: the source is scaled
// to the output's picture size, and both are compared by SSIM, then PSNR.
std::vector<std::string> QualityCheckArguments(const std::string& input, double inputAt,
                                               const std::string& output, double outputAt,
                                               double seconds);

// Where the k-th sample (from 0) of a check over `span` seconds starts,
// when each sample is `window` seconds: the first at the start, then
// halfway, then at the quarters, the eighths..., so that however many the
// time allows are spread over the whole span.
double SampleStart(int k, double span, double window);

// How many seconds each sample of a quality check may take, so that the
// first one costs at most `share` of a conversion of `span` seconds that
// took `convertMs`, `startMs` of them before its first frame: a sample
// costs a start half as long again as the conversion's (two inputs), then
// its seconds at the conversion's pace. At most `most`, at least a tenth of
// a second; 0 when not even that keeps to the share, as on a clip so short
// that starting the encoder is most of its conversion.
double SampleSeconds(double convertMs, double startMs, double span, double share, double most);
