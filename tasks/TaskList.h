// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/OutputFolderButtons.h"
#include "tasks/TaskAdds.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskPlans.h"
#include "tasks/TaskView.h"

#include <QObject>

class Platform;
class QLineEdit;
class QPushButton;
class QTreeView;
class QString;
class QWidget;
class TProfileDetail;

// The controls the task list drives; the main window creates them.
struct TaskListControls
{
    // The window the list lives in: it owns the list's dialogs and windows.
    QWidget* Window = nullptr;
    // The view of the tasks; the list sets it up to show its model.
    QTreeView* ltvTask = nullptr;
    // The welcome panel over the list, hidden by the first add.
    QWidget* panbg = nullptr;
    QLineEdit* edtOutputdir = nullptr;
    QPushButton* bbtnBrowser = nullptr;
    QPushButton* bbtnOpen = nullptr;
};

// The task list as its parts, built over the window's controls: the tasks
// (the model) and their plans, the view with its popup and the output grid, the adds, the
// commands, and the output directory's buttons. Each added file is probed
// with the encoder at `encoderPath`. The parts are used directly.
class TTaskList : public QObject
{
    Q_OBJECT

public:
    TTaskList(const TaskListControls& controls, Platform& platform, TProfileDetail& detail,
              const QString& encoderPath, QObject* parent = nullptr);

    TTaskModel& Model() const { return *FModel; }
    TTaskPlans& Plans() const { return *FPlans; }
    TTaskView& View() const { return *FView; }
    TOutputGrid& Output() const { return *FOutput; }
    TTaskAdds& Adds() const { return *FAdds; }
    TTaskCommands& Commands() const { return *FCommands; }
    TOutputFolderButtons& OutputFolder() const { return *FOutputFolder; }

private:
    TTaskModel* FModel = nullptr;
    TTaskPlans* FPlans = nullptr;
    TOutputGrid* FOutput = nullptr;
    TTaskView* FView = nullptr;
    TTaskAdds* FAdds = nullptr;
    TTaskCommands* FCommands = nullptr;
    TOutputFolderButtons* FOutputFolder = nullptr;
};
