// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/OutputGrid.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskPlans.h"

#include <QObject>

#include <vector>

class Platform;
class QAction;
class QMenu;
class QTreeView;
class QWidget;

// The list view of the tasks: how it shows the model, its selection, its
// popup and keys, and the output grid, which shows the first selected task
// and its plan and writes an edit back into that task. The commands the popup and the keys offer
// belong to the list's commands: the view asks for them with a signal.
class TTaskView : public QObject
{
    Q_OBJECT

public:
    // `window` owns the log windows.
    TTaskView(QWidget* window, QTreeView* ltvTask, TTaskModel& model, TTaskPlans& plans,
              Platform& platform, TOutputGrid& output, QObject* parent = nullptr);

    QTreeView& Tree() const { return *FView; }
    bool HasSelection() const;
    // The selected rows, ascending.
    std::vector<int> SelectedRows() const;
    // The selected row with the lowest index, or -1 when none is selected.
    int FirstSelectedRow() const;
    void SelectRow(int row, bool selected);
    void FocusList();

    // Fills the output grid from the first selected row, or empties it.
    void ShowSelectedTask();
    void ClearOutputGrid();
    // The output grid's edit is settled: its name and times go into the task
    // the grid shows, within the task's bounds.
    void vleOutputValidate();
    void ValidateTarget(int row, const std::string& typed);

    void ltvTaskClick();
    // Any change of the selection, by mouse or keyboard: the output grid
    // follows it, after an edit still open in it has gone to its own task.
    void ltvTaskSelectionChange();
    void ltvTaskDblClick();
    // True when the key was one of the list's commands and has been asked for.
    bool ltvTaskKeyDown(int key);
    void ppmTaskPopup();
    // The popup asked for from the keyboard (the Menu key, Shift+F10): it
    // opens at the focused row, or at the list's top when there is none.
    void PopupAtFocusedRow();
    // Shows the first selected row's log in a window of its own (the one
    // already showing that task's log, when there is one).
    void mniShowLogClick();
    // Pins the catalogue's profile `name`, with the picks it converts with
    // now (TTaskPlans::ChoiceOf), to the selected tasks; they convert
    // with it whatever the batch's profile is, and their output takes its
    // extension.
    void PinSelectedTasks(const QString& name);
    // The selected tasks convert with the batch's profile again.
    void mniUseBatchProfileClick();
    // The rows whose task is Complete, ascending.
    std::vector<int> CompletedRows() const;

    // The popup: Open, Show Log, Add Files..., Add Directorys..., Remove,
    // Clear, Remove Completed, Use Profile and Use Batch Profile. Its own captions and its rules
    // for what is enabled set its items apart from the toolbar's.
    QMenu* ppmTask = nullptr;
    QAction* mniOpen = nullptr;
    QAction* mniShowLog = nullptr;
    QAction* mniAddFiles = nullptr;
    QAction* mniAddDirectory = nullptr;
    QAction* mniRemove = nullptr;
    QAction* mniClear = nullptr;
    QAction* mniRemoveCompleted = nullptr;
    // "Use Profile": the catalogue, filled as the popup opens.
    QMenu* mniUseProfile = nullptr;
    QAction* mniUseBatchProfile = nullptr;

signals:
    // "Open" on a selected row (double click or the popup item). The preview
    // player attaches here; until it does, Open does nothing.
    void PreviewSelectedTask();
    // The popup's items and the keys ask the list's commands for these.
    void AddFilesAsked();
    void AddDirectoryAsked();
    void RemoveAsked();
    void ClearAsked();
    void RemoveCompletedAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpView();
    void CreatePopup();
    void ConnectControls();
    void FilterViewportMouse(QEvent* event);

    QWidget* const FWindow;
    QTreeView* const FView;
    TTaskModel& FModel;
    TTaskPlans& FPlans;
    Platform& FPlatform;
    TOutputGrid& FOutput;
};
