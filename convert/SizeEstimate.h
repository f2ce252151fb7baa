// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QTreeView;
class TProfileDetail;
class TTaskList;

// The footer under the task list: what the selected task's output and the
// whole batch's will weigh, read from the tasks' plans (TTaskPlans), whose
// totals move by each changed plan alone. Tasks whose size depends on the
// picture (a constant-quality mode) and tasks of unknown length are counted
// apart. A footer wider than its place is cut with "…" and shows its whole
// text as its tooltip.
class TSizeEstimate : public QObject
{
    Q_OBJECT

public:
    TSizeEstimate(QLabel* labEstimate, QTreeView* ltvTask, TTaskList& tasks, TProfileDetail& detail,
                  QObject* parent = nullptr);

    void Refresh();
    // The whole text, however much of it the label shows.
    const QString& FullText() const { return FText; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();

    QLabel* FLabel;
    QTreeView* FView;
    TTaskList& FTasks;
    QString FText;
};
