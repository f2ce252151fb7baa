// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks.ini, pins and targets among it: a list read saves and reads back the same.
#include "FuzzFiles.h"
#include "tasks/SavedTasks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzScratchPath("Tasks.ini");
    WriteFuzzFile(path, std::string(reinterpret_cast<const char*>(data), size));
    const TTasksFile first = LoadTasks(path);
    if (first.State != TTasksFileState::Read)
        return 0;
    SaveTasks(path, first.Saved);
    const TTasksFile again = LoadTasks(path);
    FuzzCheck(again.State == TTasksFileState::Read &&
              again.Saved.Tasks.size() == first.Saved.Tasks.size());
    for (std::size_t i = 0; i < again.Saved.Tasks.size(); ++i)
        FuzzCheck(TaskTexts(again.Saved.Tasks[i]) == TaskTexts(first.Saved.Tasks[i]) &&
                  again.Saved.Tasks[i].TargetText == first.Saved.Tasks[i].TargetText);
    return 0;
}
