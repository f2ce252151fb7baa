// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the preview needs of the task list: which file to play.
class TPreviewTasks
{
public:
    virtual int TaskCount() const = 0;
    // The selected row with the lowest index, or -1 when none is selected.
    virtual int FirstSelectedTask() const = 0;
    virtual void SelectTask(int row) = 0;
    virtual QString TaskInputFile(int row) const = 0;

protected:
    ~TPreviewTasks() = default;
};
