// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskRecord.h"

#include <QString>

#include <string>
#include <vector>

// The tasks that the files and directories of a batch without a window
// give, taken as the task list takes them from the command line.
struct THeadlessInputs
{
    std::vector<ltvItemData> Tasks;
    // Beside each task once probed: its file holds no sound (IsSilent).
    std::vector<bool> Silent;
    // One line for each input that gives no task, saying why.
    std::vector<std::string> Notes;
    // An input that names a file could not be taken: it does not exist, or
    // its name cannot be handed to the encoder. A file skipped for its
    // extension does not count, as a directory's other files do not.
    bool NotTaken = false;
};

// A first input ending in ".tmp" is a list file of paths; each path is made
// absolute against `workingDir`; existing supported files are tasks,
// directories give their supported files; every file is listed once. The
// tasks' lengths are not known yet: the encoder's own report gives them.
THeadlessInputs GatherHeadlessInputs(const std::vector<std::string>& inputs,
                                     const std::string& workingDir, const std::string& outputExt);

// Probes the tasks' files, up to `atOnce` encoder runs side by side as the
// task list probes them, and takes out each file that holds no video
// picture, with a note; such a file counts as not taken. Runs an event loop
// until every probe has answered.
void LeaveOutFilesWithoutVideo(THeadlessInputs& inputs, const QString& encoderPath, int atOnce);
