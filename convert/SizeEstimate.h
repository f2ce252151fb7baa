// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QTreeView;
class TProfileDetail;
class TTaskList;

// The footer under the task list: what the selected task's output and the
// whole batch's will weigh with the profile and the picks shown, counted
// again whenever the tasks, the selection, the profile or a pick changes.
// A task without a bitrate to count from (a constant-quality mode) depends
// on the picture, and the total says how many do.
class TSizeEstimate : public QObject
{
    Q_OBJECT

public:
    TSizeEstimate(QLabel* labEstimate, QTreeView* ltvTask, TTaskList& tasks, TProfileDetail& detail,
                  QObject* parent = nullptr);

    void Refresh();

private:
    QLabel* FLabel;
    QTreeView* FView;
    TTaskList& FTasks;
    TProfileDetail& FDetail;
};
