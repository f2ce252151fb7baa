// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"
#include "convert/BatchRules.h"
#include "convert/ConversionJob.h"

#include <string>

// Where one job's output goes. The encoder writes to a hidden name beside
// the output, which is moved to the output's name only when the conversion
// succeeded, and removed otherwise. With "Not overwrite" nothing is ever
// replaced: when another run takes the chosen name meanwhile, the output
// takes the next name of the same rule.
class TOutputPlace
{
public:
    // The output folder (ending in a separator), "Not overwrite", and this
    // machine and process, as working names carry them.
    struct TFolder
    {
        std::string Dir;
        bool Rename = false;
        std::string Host;
        long long Pid = 0;
    };

    // Names the job's output (job.Planned), reserved in `names`, and a
    // hidden working name beside it that nothing has yet (job.Working);
    // `serial` counts the working names of the run.
    void Name(TConversionJob& job, const TFolder& folder, TRunNames& names, int& serial);
    // Moves a succeeded conversion to its name (job.Output, told in its
    // log), or removes what a failed one wrote; returns why a succeeded one
    // could not be moved. An encoder that ended well without writing
    // anything leaves the output as it was.
    std::string Place(TConversionJob& job, bool succeeded, TRunNames& names,
                      TTranslator translated = Untranslated);

private:
    bool FRename = false;
    std::string FOutput;
    OutputNameRequest FRequest;
    int FCandidate = 0;
};
