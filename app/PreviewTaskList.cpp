// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PreviewTaskList.h"

#include "tasks/TaskList.h"

int TPreviewTaskList::TaskCount() const
{
    return FList.TaskCount();
}

int TPreviewTaskList::FirstSelectedTask() const
{
    return FList.FirstSelectedRow();
}

void TPreviewTaskList::SelectTask(int row)
{
    FList.SelectRow(row, true);
}

QString TPreviewTaskList::TaskInputFile(int row) const
{
    ltvItemData data;
    FList.ReadTask(row, TaskField::InputFileOnly, data);
    return QString::fromStdString(data.InputFile);
}
