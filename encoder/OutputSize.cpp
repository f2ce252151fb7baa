// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/OutputSize.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Kept back from a target for what the container adds around the streams
// (headers, sample tables, cluster heads): a share of the streams and a
// fixed part.
constexpr double OverheadShare = 0.01;
constexpr double OverheadBytes = 4000;
// Two-pass rate control lands within a few percent of its bitrate, on
// either side; aiming this much under the target keeps the output under it.
constexpr double RateMargin = 0.025;

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A decimal number at the start of `text`, always with "." whatever the
// locale; `text` keeps what follows it.
std::optional<double> TakeNumber(std::string_view& text)
{
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

std::string Fixed(double value, int decimals)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string CodecOf(const std::vector<std::string>& arguments)
{
    std::string codec;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "-c:v" || arguments[i] == "-vcodec")
            codec = arguments[i + 1];
    return codec;
}

double NumberAfter(std::string_view text, std::string_view key, std::string_view line)
{
    const std::size_t at = text.rfind(line);
    if (at == std::string_view::npos)
        return std::nan("");
    const std::size_t lineEnd = text.find_first_of("\r\n", at);
    std::string_view rest =
        text.substr(at, lineEnd == std::string_view::npos ? text.npos : lineEnd - at);
    const std::size_t k = rest.find(key);
    if (k == std::string_view::npos)
        return std::nan("");
    rest.remove_prefix(k + key.size());
    if (rest.substr(0, 3) == "inf")
        return std::numeric_limits<double>::infinity();
    return TakeNumber(rest).value_or(std::nan(""));
}

} // namespace

std::optional<int64_t> ParseSizeText(std::string_view text)
{
    text = Trimmed(text);
    const std::optional<double> number = TakeNumber(text);
    if (!number || *number <= 0)
        return std::nullopt;
    const std::string unit = Lower(Trimmed(text));
    const std::array<std::pair<const char*, double>, 9> units{
        {{"b", 1},
         {"kb", 1e3},
         {"mb", 1e6},
         {"gb", 1e9},
         {"tb", 1e12},
         {"kib", 1024.0},
         {"mib", 1024.0 * 1024},
         {"gib", 1024.0 * 1024 * 1024},
         {"tib", 1024.0 * 1024 * 1024 * 1024}}};
    for (const auto& [name, factor] : units) {
        if (unit != name)
            continue;
        const double bytes = std::round(*number * factor);
        if (bytes < 1 || bytes > 9e18)
            return std::nullopt;
        return static_cast<int64_t>(bytes);
    }
    return std::nullopt;
}

std::string FormatSizeText(int64_t bytes, TTranslator translated)
{
    // The unit and the decimal mark are the language's: "1,95 Mo" in French.
    const auto shown = [translated](const char* pattern, double value, int decimals) {
        const std::string number = Fixed(value, decimals);
        const std::size_t point = number.find('.');
        const std::string whole = number.substr(0, point);
        return FillText(translated("OutputSize", pattern),
                        {whole, point == std::string::npos ? "" : number.substr(point + 1)});
    };
    const double b = static_cast<double>(bytes);
    //: A size in bytes; %1 is a whole number
    if (bytes < 1000)
        return shown(QT_TRANSLATE_NOOP("OutputSize", "%1 B"), b, 0);
    //: A size in kilobytes (1000 bytes); %1 is a whole number
    if (b < 1e6)
        return shown(QT_TRANSLATE_NOOP("OutputSize", "%1 kB"), b / 1e3, 0);
    //: A size in megabytes (1,000,000 bytes): %1 the whole part, %2 the decimals ("1.95 MB")
    const char* const megabytes = QT_TRANSLATE_NOOP("OutputSize", "%1.%2 MB");
    if (b < 1e7)
        return shown(megabytes, b / 1e6, 2);
    if (b < 1e9)
        return shown(megabytes, b / 1e6, 1);
    //: A size in gigabytes (10^9 bytes): %1 the whole part, %2 the decimals ("1.50 GB")
    return shown(QT_TRANSLATE_NOOP("OutputSize", "%1.%2 GB"), b / 1e9, 2);
}

std::optional<int64_t> ParseBitrate(std::string_view text)
{
    text = Trimmed(text);
    const std::optional<double> number = TakeNumber(text);
    if (!number || *number < 0)
        return std::nullopt;
    double factor = 1;
    if (text == "k" || text == "K")
        factor = 1e3;
    else if (text == "M" || text == "m")
        factor = 1e6;
    else if (!text.empty())
        return std::nullopt;
    return static_cast<int64_t>(std::llround(*number * factor));
}

TSizePlan PlanTargetSize(int64_t targetBytes, double seconds, int64_t audioBitrate,
                         TTranslator translated)
{
    TSizePlan plan;
    if (seconds <= 0) {
        plan.Refusal = translated(
            "OutputSize",
            QT_TRANSLATE_NOOP("OutputSize", "The length of the part to convert is not known."));
        return plan;
    }
    const double streams =
        (static_cast<double>(targetBytes) * (1 - RateMargin) - OverheadBytes) / (1 + OverheadShare);
    const double audioBytes = static_cast<double>(audioBitrate) * seconds / 8;
    if (streams <= audioBytes) {
        //: %1 is a size such as "1.25 MB"
        plan.Refusal = FillText(
            translated("OutputSize",
                       QT_TRANSLATE_NOOP("OutputSize",
                                         "The target is below what the audio alone takes (%1).")),
            {FormatSizeText(EstimatedBytes(audioBitrate, seconds), translated)});
        return plan;
    }
    const double video = (streams - audioBytes) * 8 / seconds;
    if (video > MostVideoBitrate) {
        plan.Refusal = FillText(
            translated("OutputSize",
                       QT_TRANSLATE_NOOP("OutputSize", "The target leaves %1 kbit/s for the video; "
                                                       "no encoder takes more than %2 kbit/s.")),
            {Fixed(video / 1000, 0), std::to_string(MostVideoBitrate / 1000)});
        return plan;
    }
    plan.VideoBitrate = static_cast<int64_t>(video);
    if (plan.VideoBitrate < LeastVideoBitrate)
        plan.Refusal = FillText(
            translated(
                "OutputSize",
                QT_TRANSLATE_NOOP(
                    "OutputSize",
                    "The target leaves %1 kbit/s for the video; it needs at least %2 kbit/s.")),
            {std::to_string(plan.VideoBitrate / 1000), std::to_string(LeastVideoBitrate / 1000)});
    return plan;
}

int64_t EstimatedBytes(int64_t bitrate, double seconds)
{
    const double streams = static_cast<double>(bitrate) * std::max(seconds, 0.0) / 8;
    return static_cast<int64_t>(std::llround(streams * (1 + OverheadShare) + OverheadBytes));
}

bool IsTwoPassCodec(const std::vector<std::string>& arguments)
{
    // Every encoder here keeps statistics between passes; ffmpeg's own
    // MPEG family (MPEG-1, MPEG-2, MPEG-4, H.263, Sorenson, the Windows
    // Media ones) through its shared rate control. A target met in one pass
    // misses by the encoder's guess at the picture.
    static const char* const codecs[] = {"libx264", "libx265", "libvpx-vp9", "libvpx",
                                         "libxvid", "mpeg4",   "mpeg1video", "mpeg2video",
                                         "flv",     "h263",    "h263p",      "wmv1",
                                         "wmv2",    "msmpeg4", "msmpeg4v2"};
    const std::string codec = CodecOf(arguments);
    return std::find(std::begin(codecs), std::end(codecs), codec) != std::end(codecs);
}

std::vector<std::string> PassArguments(std::vector<std::string> arguments, int pass,
                                       const std::string& logBase)
{
    const std::string passText = std::to_string(pass);
    if (CodecOf(arguments) == "libx265") {
        // ffmpeg hands x265 no pass of its own; x265 takes it in its
        // parameters, after any the profile gives.
        const std::string params = "pass=" + passText + ":stats=" + logBase + ".log";
        const auto given = std::find(arguments.begin(), arguments.end(), "-x265-params");
        if (given != arguments.end() && given + 1 != arguments.end())
            *(given + 1) += ":" + params;
        else
            arguments.insert(arguments.end(), {"-x265-params", params});
    } else {
        arguments.insert(arguments.end(), {"-pass", passText, "-passlogfile", logBase});
    }
    // Both passes must see the same frames: the first pass's null output
    // would otherwise pass timestamps through where the second one's
    // container duplicates or drops a frame, and x264 then stops on
    // statistics one frame short.
    arguments.insert(arguments.end(), {"-fps_mode", "cfr"});
    // libvpx keeps no statistics in its real-time mode, and then refuses
    // the second pass.
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "-deadline" && arguments[i + 1] == "realtime")
            arguments[i + 1] = "good";
    // The first pass only measures the picture.
    if (pass == 1)
        arguments.insert(arguments.end(), {"-an", "-f", "null"});
    return arguments;
}

std::optional<TQuality> ParseQualityReport(std::string_view text)
{
    TQuality quality{NumberAfter(text, "All:", "SSIM "), NumberAfter(text, "average:", "PSNR ")};
    if (std::isnan(quality.Ssim) || std::isnan(quality.Psnr))
        return std::nullopt;
    return quality;
}

std::string QualityWord(double ssim, TTranslator translated)
{
    //: How a converted video compares with its source
    if (ssim >= 0.98)
        return translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "excellent"));
    //: How a converted video compares with its source
    if (ssim >= 0.95)
        return translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "good"));
    //: How a converted video compares with its source
    if (ssim >= 0.90)
        return translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "visible loss"));
    //: How a converted video compares with its source
    return translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "poor"));
}

std::string QualityText(const TQuality& quality, TTranslator translated)
{
    // The measures are said with the language's decimal mark.
    const auto decimal = [translated](double value, int decimals) {
        const std::string number = Fixed(value, decimals);
        const std::size_t point = number.find('.');
        //: A number with decimals: %1 the whole part, %2 the decimals ("0.975")
        return FillText(translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "%1.%2")),
                        {number.substr(0, point), number.substr(point + 1)});
    };
    //: The PSNR of an output whose pictures equal its source's
    const std::string psnr =
        std::isinf(quality.Psnr)
            ? translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "identical"))
            : decimal(quality.Psnr, 1) + " dB";
    //: %1 is the quality word ("good"), %2 the SSIM, %3 the PSNR
    return FillText(
        translated("OutputSize", QT_TRANSLATE_NOOP("OutputSize", "%1 (SSIM %2, PSNR %3)")),
        {QualityWord(quality.Ssim, translated), decimal(quality.Ssim, 3), psnr});
}

std::vector<std::string> QualityCheckArguments(const std::string& input, double inputAt,
                                               const std::string& output, double outputAt,
                                               double seconds)
{
    // scale2ref gives the source the output's picture size; both then
    // compare as 4:2:0 with square pixels, whatever the profile made.
    const char* const graph = "[0:v][1:v]scale2ref=flags=bicubic[src][out];"
                              "[src]format=yuv420p,setsar=1,split[s1][s2];"
                              "[out]format=yuv420p,setsar=1[o];"
                              "[o][s1]ssim[x];[x][s2]psnr[q]";
    return {"-nostdin",
            "-ss",
            Fixed(inputAt, 3),
            "-t",
            Fixed(seconds, 3),
            "-i",
            input,
            "-ss",
            Fixed(outputAt, 3),
            "-t",
            Fixed(seconds, 3),
            "-i",
            output,
            "-filter_complex",
            graph,
            "-map",
            "[q]",
            "-f",
            "null",
            "-"};
}

double SampleStart(int k, double span, double window)
{
    // The van der Corput sequence in base 2: 0, 1/2, 1/4, 3/4, 1/8... The
    // first sample needs no seek, which decodes from the key frame before.
    double fraction = 0;
    double scale = 0.5;
    for (unsigned n = static_cast<unsigned>(k); n > 0; n /= 2, scale /= 2)
        fraction += (n % 2) * scale;
    const double latest = std::max(span - window, 0.0);
    return std::clamp(fraction * span - window / 2, 0.0, latest);
}

double SampleSeconds(double convertMs, double startMs, double span, double share, double most)
{
    constexpr double Least = 0.1;
    // A check opens two inputs and its filters where the conversion opened
    // one: its start takes about 1.4 times as long (measured on short clips).
    constexpr double CheckStartFactor = 1.5;
    const double start = std::max(startMs, 0.0);
    const double budget = share * convertMs - CheckStartFactor * start;
    const double longest = std::max(Least, span > 0 ? std::min(most, span) : most);
    const double pace = span > 0 ? std::max(convertMs - start, 0.0) / span : 0;
    if (budget < Least * pace || budget <= 0)
        return 0;
    return pace > 0 ? std::clamp(budget / pace, Least, longest) : longest;
}
