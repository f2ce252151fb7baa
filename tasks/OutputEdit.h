// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskRecord.h"

#include <string>

// What the output grid's three rows store into a task when an edit of them
// is settled: the output name and extension typed, and the start, end and
// span of the part to convert. A time that is not a time text, or that breaks
// the task's bounds, falls back silently to the task's stored one. A name
// left empty stores no rename: the input's base name.
struct TOutputEdit
{
    std::string NewName;
    std::string NewExt;
    TTimeValue Span;
    TTimeValue Start;
    TTimeValue End;
};

TOutputEdit ValidateOutputEdit(const ltvItemData& task, const std::string& newFilename,
                               const std::string& startTime, const std::string& endTime);
