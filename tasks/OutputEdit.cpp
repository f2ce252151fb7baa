// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/OutputEdit.h"

#include "base/PathText.h"
#include "base/TimeText.h"

TOutputEdit ValidateOutputEdit(const ltvItemData& task, const std::string& newFilename,
                               const std::string& startTime, const std::string& endTime)
{
    TOutputEdit edit;
    edit.NewName = StripExtension(newFilename);
    edit.NewExt = ExtractFileExt(newFilename);
    // An emptied name (or one of blanks, or only an extension) means no
    // rename: the output takes the input's own name, never a hidden ".mp4".
    if (edit.NewName.find_first_not_of(" \t") == std::string::npos) {
        edit.NewName = StripExtension(ExtractFileName(task.InputFile));
        edit.NewExt = task.NewExt;
    }

    double start = ParseTimeText(startTime);
    double end = ParseTimeText(endTime);
    if (start == NotATime)
        start = task.StartSec;
    if (end == NotATime)
        end = task.EndSec;
    if (start < 0 || start >= end || start >= task.FullEndSec)
        start = task.StartSec;
    // Against the start as settled above. The end is not held to the file's
    // length: the encoder simply stops at the end of the input.
    if (end <= 0 || end <= start || end <= task.FullStartSec)
        end = task.EndSec;

    // A task whose length the probe could not tell has no end to fall back
    // on. Its times stay as they are rather than turning into a negative
    // time, which the runner would read as a span to cut the output to.
    if (start < 0 || end < 0) {
        edit.StartText = task.StartText;
        edit.EndText = task.EndText;
        edit.SpanText = task.SpanText;
        return edit;
    }
    edit.StartText = FormatTimeText(start);
    edit.EndText = FormatTimeText(end);
    edit.SpanText = FormatTimeText(end - start);
    return edit;
}
