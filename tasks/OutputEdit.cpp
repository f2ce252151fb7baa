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
        start = task.Start.Seconds;
    if (end == NotATime)
        end = task.End.Seconds;
    if (start < 0 || start >= end || start >= task.FullEnd.Seconds)
        start = task.Start.Seconds;
    // Against the start as settled above. The end is not held to the file's
    // length: the encoder simply stops at the end of the input.
    if (end <= 0 || end <= start || end <= task.FullStart.Seconds)
        end = task.End.Seconds;

    // A task whose length the probe could not tell has no end to fall back
    // on. Its times stay as they are rather than turning into a negative
    // time, which the runner would read as a span to cut the output to.
    if (start < 0 || end < 0) {
        edit.Start = task.Start;
        edit.End = task.End;
        edit.Span = task.Span;
        return edit;
    }
    edit.Start = TTimeValue::FromSeconds(start);
    edit.End = TTimeValue::FromSeconds(end);
    edit.Span = TTimeValue::FromSeconds(end - start);
    return edit;
}
