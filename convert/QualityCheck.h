// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"
#include "encoder/OutputSize.h"
#include "tasks/TaskRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What an output came to against its target size.
struct TSizeOutcome
{
    // "planned 2.00 MB, reached 1.93 MB", and why when far under it.
    std::string Note;
    // "over the target by 12%" when over by more than the tolerance, else
    // empty.
    std::string Over;
};
TSizeOutcome SizeOutcome(int64_t target, int64_t reached, double tolerance,
                         TTranslator translated = Untranslated);

// The comparison of a converted output with its source, by SSIM and PSNR,
// on samples spread over the task's span. It may take at most a fifth of
// the conversion's own time: the samples get shorter on a short clip, where
// the start of the check's encoder alone weighs, and no more start once
// the time is spent. A check never fails its task: what it could not
// measure is told instead.
class TQualityCheck
{
public:
    // `convertMs` is how long the conversion took, `startMs` how long its
    // encoder took to read the input's description (-1 when not known).
    TQualityCheck(const ltvItemData& task, std::string output, double convertMs, double startMs);

    // The encoder's switches for the sample to run now.
    std::vector<std::string> SampleArguments() const;
    // What the sample's encoder writes, as it comes.
    void Read(std::string_view chunk);
    // The sample's encoder ended, `spentMs` into the check; an exit code of
    // -1 tells it could not be started. True when another sample follows.
    bool SampleEnded(int exitCode, bool crashed, double spentMs);

    int SampleCount() const { return static_cast<int>(FSamples.size()); }
    // The mean of the samples ("good (SSIM 0.962, PSNR 35.1 dB)"), or why
    // there is none ("not checked: ...").
    std::string Note(TTranslator translated = Untranslated) const;
    // The note of a check the user stopped.
    static std::string StoppedNote(TTranslator translated = Untranslated);

private:
    ltvItemData FTask;
    std::string FOutput;
    double FSpan = 0;
    double FConvertMs = 0;
    double FWindow = 0;
    int FSample = 0;
    std::string FRead;
    std::vector<TQuality> FSamples;
    std::string FError;
    bool FNotStarted = false;
};
