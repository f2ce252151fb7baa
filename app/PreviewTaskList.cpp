// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PreviewTaskList.h"

#include "tasks/TaskList.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskView.h"

int TPreviewTaskList::TaskCount() const
{
    return FList.Model().TaskCount();
}

int TPreviewTaskList::FirstSelectedTask() const
{
    return FList.View().FirstSelectedRow();
}

void TPreviewTaskList::SelectTask(int row)
{
    FList.View().SelectRow(row, true);
}

QString TPreviewTaskList::TaskInputFile(int row) const
{
    ltvItemData data;
    FList.Model().Read(row, TaskField::InputFileOnly, data);
    return QString::fromStdString(data.InputFile);
}
