// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/PreviewTasks.h"

class TTaskList;

// The task list as the preview sees it: the rows' input files and which row
// is selected.
class TPreviewTaskList : public TPreviewTasks
{
public:
    explicit TPreviewTaskList(TTaskList& list) : FList(list) {}

    int TaskCount() const override;
    int FirstSelectedTask() const override;
    void SelectTask(int row) override;
    QString TaskInputFile(int row) const override;

private:
    TTaskList& FList;
};
