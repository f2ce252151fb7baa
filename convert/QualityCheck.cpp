// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/QualityCheck.h"

#include "convert/BatchRules.h"

#include <cmath>

namespace {

// Each sample is at most this many seconds of the output, and all of them
// take up to this share of the conversion's own time.
constexpr double MostSampleSeconds = 1.0;
constexpr double CheckShare = 0.2;
// The end of what a sample's encoder wrote, kept for its measures or for
// the line that tells why it failed.
constexpr std::size_t ReadLimit = 8192;
// An output this share under its target tells why it is so small.
constexpr double MissedTargetShare = 0.1;

std::string Translated(TTranslator translated, const char* text,
                       const std::vector<std::string>& args = {})
{
    return FillText(translated("TBatchEngine", text), args);
}

} // namespace

TSizeOutcome SizeOutcome(int64_t target, int64_t reached, double tolerance, TTranslator translated)
{
    const double ratio = static_cast<double>(reached) / static_cast<double>(target);
    TSizeOutcome outcome;
    //: A target size's outcome: %1 the size planned, %2 the size reached
    outcome.Note =
        Translated(translated, QT_TRANSLATE_NOOP("TBatchEngine", "planned %1, reached %2"),
                   {FormatSizeText(target, translated), FormatSizeText(reached, translated)});
    // Far under its target, the encoder had nothing more worth spending
    // bits on.
    if (ratio < 1 - MissedTargetShare)
        //: Said after "planned 25.0 MB, reached 1.24 MB"
        outcome.Note += Translated(
            translated,
            QT_TRANSLATE_NOOP("TBatchEngine", ": the profile's quality was already reached"));
    if (ratio > 1 + tolerance)
        //: %1 is a whole percent, as in "over the target by 12%"
        outcome.Over =
            Translated(translated, QT_TRANSLATE_NOOP("TBatchEngine", "over the target by %1%"),
                       {std::to_string(std::lround((ratio - 1) * 100))});
    return outcome;
}

TQualityCheck::TQualityCheck(const ltvItemData& task, std::string output, double convertMs,
                             double startMs)
    : FTask(task), FOutput(std::move(output)), FSpan(SecondsInTotal(task)), FConvertMs(convertMs),
      FWindow(SampleSeconds(convertMs, startMs, FSpan, CheckShare, MostSampleSeconds))
{
}

std::vector<std::string> TQualityCheck::SampleArguments() const
{
    const double at = SampleStart(FSample, FSpan, FWindow);
    const double from = FTask.Start.Seconds > 0 ? FTask.Start.Seconds : 0;
    return QualityCheckArguments(FTask.InputFile, from + at, FOutput, at, FWindow);
}

void TQualityCheck::Read(std::string_view chunk)
{
    FRead.append(chunk);
    if (FRead.size() > 2 * ReadLimit)
        FRead.erase(0, FRead.size() - ReadLimit);
}

bool TQualityCheck::SampleEnded(int exitCode, bool crashed, double spentMs)
{
    const std::optional<TQuality> quality = ParseQualityReport(FRead);
    if (exitCode == 0 && !crashed && quality)
        FSamples.push_back(*quality);
    else if (FError.empty() && !FNotStarted) {
        FNotStarted = exitCode == -1;
        if (!FNotStarted)
            FError = LastEncoderMessage(FRead);
    }
    FRead.clear();
    const double each = spentMs / (FSample + 1);
    const bool more = FError.empty() && !FNotStarted && spentMs + each <= CheckShare * FConvertMs &&
                      (FSample + 2) * FWindow <= FSpan;
    if (more)
        ++FSample;
    return more;
}

std::string TQualityCheck::Note(TTranslator translated) const
{
    if (!FSamples.empty() && FError.empty() && !FNotStarted) {
        TQuality mean;
        for (const TQuality& q : FSamples) {
            mean.Ssim += q.Ssim / static_cast<double>(FSamples.size());
            mean.Psnr += q.Psnr / static_cast<double>(FSamples.size());
        }
        return QualityText(mean, translated);
    }
    std::string why;
    if (FNotStarted)
        why = Translated(translated,
                         QT_TRANSLATE_NOOP("TBatchEngine", "the encoder cannot be started"));
    else if (FError.empty())
        why = Translated(translated, QT_TRANSLATE_NOOP("TBatchEngine", "no measure came back"));
    else
        why = FError;
    //: Why a quality check found nothing: %1 is the reason
    return Translated(translated, QT_TRANSLATE_NOOP("TBatchEngine", "not checked: %1"), {why});
}

std::string TQualityCheck::StoppedNote(TTranslator translated)
{
    //: Why an output's quality was not checked: the user stopped the batch
    const std::string stopped =
        Translated(translated, QT_TRANSLATE_NOOP("TBatchEngine", "stopped"));
    return Translated(translated, QT_TRANSLATE_NOOP("TBatchEngine", "not checked: %1"), {stopped});
}
