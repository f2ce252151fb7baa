// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionJob.h"
#include "tasks/TaskModel.h"

#include <map>
#include <vector>

// The list's rows of a run: each report of a job is written to the row the
// job was taken from, found again by the row's id, so that the list shows
// what the reports carry and nothing else.
class TJobRows
{
public:
    explicit TJobRows(TTaskModel& tasks) : FTasks(tasks) {}

    // The rows as they are now, which are the run's tasks in order; rows
    // added later are no part of it. With `sideBySide` each row shows its
    // own progress.
    std::vector<ltvItemData> Take(bool sideBySide);
    int Count() const { return static_cast<int>(FIds.size()); }

    void Started(const TConversionJob& job);
    void Progressed(const TConversionJob& job);
    void Ended(const TConversionJob& job);
    // The running jobs' rows show Paused, or Converting again.
    void ShowPaused(bool paused);
    // The running jobs by their place, as the reports handed them.
    const std::map<int, const TConversionJob*>& Running() const { return FRunning; }

private:
    // A job queued into the engine by anything but Take has no row.
    bool Update(int job, const TTaskUpdate& update);

    TTaskModel& FTasks;
    std::vector<TaskId> FIds;
    std::map<int, const TConversionJob*> FRunning;
    bool FSideBySide = false;
};
