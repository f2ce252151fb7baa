// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskRecord.h"

#include <string>
#include <vector>

struct TDataPlaces;

// The task list kept between sessions, so that a crash, a power cut or a
// closed window loses none of the user's renames and trims. It lives in
// "Tasks.ini" beside the preferences and goes through the same INI store:
//
//   [Tasks]
//   Version=2
//   Output Path=/home/u/out/
//   1=<the eleven texts of the first task>
//   ...
//   Count=<the number of tasks>
//
// A task is one line: its texts in the order of the row (the input file,
// then the ten sub-items, the state among them as its key, such as
// "waiting"; version 1 kept the word shown instead), joined by tabs, with "\", tab, CR and LF
// written as "\\", "\t", "\r" and "\n", so that any file name survives. The count stands last: a
// file cut short lacks it. When a task has a target size, the file is of
// version 3 and every line holds a target (empty for none) after the ten
// sub-items, before a pinned profile. When a task has chosen its tracks, the
// file is of version 4 and every line holds its target, then its sound and
// its subtitle choice (each empty for none).
inline constexpr char TasksFileName[] = "Tasks.ini";

// The user's Tasks.ini: in the settings folder, beside Preferences.ini.
std::string TasksPath(const TDataPlaces& places);

struct TSavedTasks
{
    // The output folder when the list was saved: a batch that was killed
    // left its working files there.
    std::string OutputDir;
    std::vector<ltvItemData> Tasks;
};

// Replaces the file with the list, in one step that a kill or a power cut
// never leaves half done. Throws EIniWriteError when it cannot be written.
void SaveTasks(const std::string& path, const TSavedTasks& saved);

enum class TTasksFileState
{
    Missing, // no file: nothing was kept
    Read,
    Damaged, // not a task list, or one cut short
    Newer    // written by a newer version of the program
};

struct TTasksFile
{
    TTasksFileState State = TTasksFileState::Missing;
    // The tasks in their order, the seconds of their times computed. Lines
    // that name no supported video are left out.
    TSavedTasks Saved;
};

// Reads the file without ever writing it.
TTasksFile LoadTasks(const std::string& path);

// The tasks a restore brings back: those not converted, in their order.
// A task that was converting (or paused) when the program died is ready to
// convert again; a stopped or failed one stays so, to show how the last
// session left it. Inputs that are gone, and those that are now
// a folder, a pipe or a device, are listed apart.
struct TTasksToRestore
{
    std::vector<ltvItemData> Tasks;
    std::vector<std::string> MissingInputs;
    std::vector<std::string> NotVideoInputs;
};
TTasksToRestore TasksToRestore(const std::vector<ltvItemData>& saved);

// How many of the tasks were not converted: what a restore would offer.
int UnconvertedCount(const std::vector<ltvItemData>& saved);

// The name a bad file is set aside under: `path` + ".bad", then
// `path` + ".2.bad", ".3.bad"... for later ones, so that an older one is
// never replaced.
std::string SetAsideName(const std::string& path, int attempt);
