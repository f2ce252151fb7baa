// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class Platform;
class QAction;
class QWidget;
class TTaskAdds;
class TTaskModel;
class TTaskView;

// The task list's commands as actions, for the toolbar and the shortcuts:
// Add Video Files, Add Directory, Move Up, Move Down, Remove and Clear, and
// whether they, and with them Start, are on. The view's popup and keys ask
// for them too. `window` owns the open dialogs.
class TTaskCommands : public QObject
{
    Q_OBJECT

public:
    TTaskCommands(QWidget* window, TTaskModel& model, TTaskView& view, TTaskAdds& adds,
                  Platform& platform, QObject* parent = nullptr);

    // Switches Move Up, Move Down, Remove and Clear, and with them whether a
    // batch may start (TaskButtonsEnabled). A running batch keeps them off.
    void EnableTaskButtons(bool enabled);
    // A batch starts or ends: while it runs, the view, the adds and the
    // edits are off; when it ends, they all come back, and the adds that
    // waited for it run.
    void SetBatchRunning(bool running);

    // The open dialog's filters in the toolkit's syntax, "All Support
    // Files(...)" first.
    static QStringList OpenDialogNameFilters();

    // The commands' handlers; public so that tests can run them as the
    // actions do.
    void tbtnAddFileClick();
    void tbtnAddDirClick();
    void tbtnRemoveClick();
    void tbtnClearClick();
    void tbtnUpClick();
    void tbtnDownClick();

    QAction* actAddFiles = nullptr;
    QAction* actAddDirectory = nullptr;
    QAction* actMoveUp = nullptr;
    QAction* actMoveDown = nullptr;
    QAction* actRemove = nullptr;
    QAction* actClear = nullptr;

signals:
    // EnableTaskButtons switched the list's commands on or off.
    void TaskButtonsEnabled(bool enabled);

private:
    void UpdateActions();
    void MoveSelectedBlocks(bool up);

    QWidget* const FWindow;
    TTaskModel& FModel;
    TTaskView& FView;
    TTaskAdds& FAdds;
    Platform& FPlatform;
    bool FButtonsOn = false;
    bool FBatchRunning = false;
};
