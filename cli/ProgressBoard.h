// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskState.h"

#include <map>
#include <string>

// What a batch without a window writes to standard error as it goes: one
// line per task with its percent, the reason of each failure, and a summary
// with the counts and the elapsed time. On a terminal the lines of the
// running tasks are drawn again in place as their percent moves, below the
// lines of the tasks that have ended. Elsewhere (a log file, a pipe) every
// line is written once: a task's line when it starts, at every tenth of
// the way and when it ends, so a log reads from top to bottom.
//
// Every operation returns the text to write at once, possibly empty.
class TProgressBoard
{
public:
    // `width` is the terminal's, in columns: a running task's line is cut to
    // fit, so that it can be drawn over.
    TProgressBoard(int taskCount, bool terminal, int width = 80);

    // One more task counts, which a watched folder brings while it runs.
    void AddTask() { ++FTaskCount; }

    std::string Started(int task, const std::string& name);
    std::string Progress(int task, int percent);
    // `end` is Complete, Failed or Stopped. `detail` is the output path of
    // a completed task and the reason of a failed one; either may be empty.
    std::string Finished(int task, TaskState end, const std::string& detail);
    // The task turned out to be no file to convert: it is told with `note`
    // and counts among no files of the summary.
    std::string Skipped(int task, const std::string& note);
    std::string Summary(long long elapsedSeconds, bool stopped);

    int Count(TaskState end) const;

private:
    struct TRunning
    {
        std::string Name;
        int Percent = 0;
    };

    std::string TaskLine(int task, const std::string& state, const std::string& name) const;
    std::string RunningLine(int task) const;
    // The running tasks' lines drawn over the last drawing, below `above`.
    std::string Redraw(const std::string& above);

    int FTaskCount;
    const bool FTerminal;
    const int FWidth;
    std::map<int, TRunning> FRunning;
    std::map<TaskState, int> FEnded;
    int FSkipped = 0;
    int FDrawn = 0;
};
