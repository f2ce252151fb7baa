// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TimeText.h"
#include "encoder/MediaTracks.h"
#include "tasks/TaskState.h"

#include <string>
#include <vector>

// One task: its state, four texts, and six times: the input's length, the
// bounds of the whole input, and the part to convert (its span, start and
// end). A time's seconds are what the batch and the edits use; its text is
// what the list, the output grid and Tasks.ini show.
struct ltvItemData
{
    std::string InputFile;
    TTimeValue Length;
    std::string SizeText;
    TaskState Status = TaskState::Waiting;
    std::string NewName;
    std::string NewExt;
    TTimeValue FullStart;
    TTimeValue FullEnd;
    TTimeValue Span;
    TTimeValue Start;
    TTimeValue End;

    // The profile pinned to this task, and what was picked for each of its
    // parameters when it was pinned; empty: the batch's profile.
    std::string Profile;
    std::vector<std::string> Picks;
    // The size the output should have ("25 MB"), empty for none. Only the
    // output grid and a batch's options set it; Tasks.ini keeps it apart
    // from the texts of TaskTexts.
    std::string TargetText;
    // The file's sound and subtitle tracks as its probe read them; until
    // then (a task kept from an earlier session, one listed unprobed)
    // TracksKnown is false and the tracks are read when it starts.
    std::vector<TMediaTrack> Tracks;
    bool TracksKnown = false;
    // The tracks the user chose for this task (TaskTrackChoice reads them),
    // kept in Tasks.ini like the target; empty: the preferences' choice.
    std::string AudioChoice;
    std::string SubtitleChoice;
};

// The record of a file as the task list adds it: waiting, the output
// named after the input, and the whole length as the part to convert.
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
// one of the ten others, or the target size, the probed tracks or the chosen
// ones, which are no texts of the list.
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
    TargetText,
    Tracks,
    TrackChoice
};

// Copies `field` of a stored task into `data`; the other fields of `data`
// stay as they were. AllFields covers the pinned profile and its picks too.
void ReadTaskField(const ltvItemData& stored, TaskField field, ltvItemData& data);
// Copies `field` of `data` into a stored task.
void WriteTaskField(const ltvItemData& data, TaskField field, ltvItemData& stored);

// The texts of a task in the order of TaskField, its state as its key, and
// back: a record of such texts with each time read from its text, or false
// when the number of texts differs or the state is none. A pinned task's
// texts go on with its profile's name and its picks.
// `stateWords` reads the state as the word shown instead of the key.
std::vector<std::string> TaskTexts(const ltvItemData& task);
bool TaskFromTexts(std::vector<std::string> texts, ltvItemData& task, bool stateWords = false);
