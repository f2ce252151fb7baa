// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskState.h"

#include <string>
#include <vector>

// One task: its state, ten texts, and six numbers read from the time texts
// (-1 where a text is not a time text). The batch reads the numbers; the
// texts are what the list, the output grid and Tasks.ini show.
struct ltvItemData
{
    std::string InputFile;
    std::string LengthText;
    std::string SizeText;
    TaskState Status = TaskState::Waiting;
    std::string NewName;
    std::string NewExt;
    std::string FullStartText;
    std::string FullEndText;
    std::string SpanText;
    std::string StartText;
    std::string EndText;
    // The size the output should have ("25 MB"), empty for none. Only the
    // output grid and a batch's options set it; Tasks.ini does not keep it.
    std::string TargetText;

    double LengthSec = -1;
    double FullStartSec = -1;
    double FullEndSec = -1;
    double SpanSec = -1;
    double StartSec = -1;
    double EndSec = -1;
};

// The record of a file as the task list adds it: waiting, the output
// named after the input, the whole length as the part to convert, and the
// seconds of every time text.
ltvItemData NewTaskRecord(const std::string& inputFile, const std::string& lengthText,
                          const std::string& sizeText, const std::string& newExt);

// Gives a task that was added without its length the length `lengthText`:
// the end of the whole input and of the part to convert, and the span.
void SetTaskLength(ltvItemData& task, const std::string& lengthText);

// Holds a task to the length `lengthText` of its file, which got shorter
// since the task was kept: the length and the end of the whole input become
// it, a part to convert that reaches beyond it ends there, and one that
// starts beyond it becomes the whole input. Returns false, changing nothing,
// when the file is not shorter or its length is unknown.
bool ClampTaskLength(ltvItemData& task, const std::string& lengthText);

// What ReadTask and WriteTask touch: every field, the input file only, or
// one of the ten others, or the target size, which is no text of the list.
enum class TaskField
{
    AllFields,
    InputFileOnly,
    LengthText,
    SizeText,
    Status,
    NewName,
    NewExt,
    FullStartText,
    FullEndText,
    SpanText,
    StartText,
    EndText,
    TargetText
};

// Copies `field` of a stored task into `data`, with the number of each time
// text copied; the other fields of `data` stay as they were.
void ReadTaskField(const ltvItemData& stored, TaskField field, ltvItemData& data);
// Copies `field` of `data` into a stored task and reads the number of each
// time text written from its text; numbers are never taken from `data`.
void WriteTaskField(const ltvItemData& data, TaskField field, ltvItemData& stored);

// The texts of a task in the order of TaskField, its state as its key, and
// back: a record of such texts with the number of each time read from its
// text, or false when the number of texts differs or the state is none.
// `stateWords` reads the state as the word shown instead of the key.
std::vector<std::string> TaskTexts(const ltvItemData& task);
bool TaskFromTexts(std::vector<std::string> texts, ltvItemData& task, bool stateWords = false);
