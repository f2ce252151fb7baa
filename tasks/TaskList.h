// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/MediaProbe.h"
#include "tasks/TaskModel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class Platform;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;
class QWidget;
class TProbeQueue;
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

// The task list's behaviour: its tasks, adding files and directories, the
// editing commands, what selecting a row shows, and the output directory
// buttons. A selected row shows its output name and trim in the profile
// detail's output grid; each added file is probed with the encoder at
// `encoderPath`.
class TTaskList : public QObject
{
    Q_OBJECT

public:
    TTaskList(const TaskListControls& controls, Platform& platform, TProfileDetail& detail,
              const QString& encoderPath, QObject* parent = nullptr);

    TTaskModel& Model() { return *FModel; }
    const TTaskModel& Model() const { return *FModel; }

    // The window has closed: an add still under way stops, as probing the
    // rest would only hold up the program's exit. Nothing after the cut is
    // listed and no probe outlives it.
    void WindowClosed();

    // Adds files and directories (each directory's supported files, sorted)
    // in the given order. Up to as many files as there are cores are probed
    // at once, and a row appears once its probe and those of every row
    // before it are done, so the rows come in the order, and under the
    // duplicate rule, of adding the files one by one. An add requested while
    // another is under way follows it. Remove, Clear and Start may run
    // meanwhile; the add goes on with the list as it then is. `unnamable`
    // (and such names found in the directories) are listed in one message;
    // `done` runs once every path has been listed or skipped.
    void AddTaskPaths(const QStringList& paths, const std::vector<std::string>& unnamable = {},
                      std::function<void()> done = {});
    // As AddTaskPaths, but while a batch runs the paths wait for its end
    // (the list is locked meanwhile) and are added then, in the order they
    // came.
    void AddWhenIdle(const QStringList& paths, const std::vector<std::string>& unnamable = {},
                     std::function<void()> done = {});
    // One file. With no add under way the row is there when this returns
    // (the window waits for one probe); otherwise the file follows the adds
    // under way.
    void AddTaskFile(const QString& path);
    void AddTaskDirectory(const QString& directory);
    // Tasks kept from the last session, appended as they were saved, with
    // their names, trims and statuses; the task buttons come on. A task
    // whose file got shorter since is held to its new length once its
    // file has been probed.
    void AddKeptTasks(const std::vector<ltvItemData>& tasks);
    // True while an add is under way.
    bool IsAdding() const { return !FPending.empty(); }
    // Tells the user, in one message, that these files or directories were
    // not added because their names are not valid UTF-8. `paths` are the
    // names' bytes; nothing is shown for none.
    void ReportUnnamable(const std::vector<std::string>& paths);
    // The same for files named like videos whose probe found no picture.
    void ReportNoVideo(const std::vector<std::string>& paths);
    // Tells the user, in one message titled `title`, `text` followed by the
    // paths, one a line; nothing is shown for none.
    void ReportFiles(const QString& text, const QString& title,
                     const std::vector<std::string>& paths);
    // Switches Move Up, Move Down, Remove and Clear, and with them whether a
    // batch may start (TaskButtonsEnabled). A running batch keeps them off.
    void EnableTaskButtons(bool enabled);
    // A batch starts or ends: while it runs, the view, the adds and the
    // edits are off; when it ends, they all come back.
    void SetBatchRunning(bool running);

    // The record's fields of a row; the row exists.
    void ReadTask(int row, TaskField field, ltvItemData& data) const;
    void WriteTask(int row, TaskField field, const ltvItemData& data);
    int TaskCount() const;

    // Fills the output grid from the first selected row, or empties it.
    void ShowSelectedTask();
    // The selected row with the lowest index, or -1 when none is selected.
    int FirstSelectedRow() const;
    void SelectRow(int row, bool selected);
    void FocusList();
    // The output grid's edit is settled: its name and times go into the task
    // the grid shows, within the task's bounds.
    void vleOutputValidate();
    void ValidateTarget(int row, const std::string& typed);

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
    void ltvTaskClick();
    // Any change of the selection, by mouse or keyboard: the output grid
    // follows it, after an edit still open in it has gone to its own task.
    void ltvTaskSelectionChange();
    void ltvTaskDblClick();
    // True when the key was one of the list's commands and has been handled.
    bool ltvTaskKeyDown(int key);
    void ppmTaskPopup();
    // The popup asked for from the keyboard (the Menu key, Shift+F10): it
    // opens at the focused row, or at the list's top when there is none.
    void PopupAtFocusedRow();
    // Shows the first selected row's log in a window of its own (the one
    // already showing that task's log, when there is one).
    void mniShowLogClick();
    void bbtnBrowserClick();
    void bbtnOpenClick();

    // The list's commands, for the toolbar and the shortcuts.
    QAction* actAddFiles = nullptr;
    QAction* actAddDirectory = nullptr;
    QAction* actMoveUp = nullptr;
    QAction* actMoveDown = nullptr;
    QAction* actRemove = nullptr;
    QAction* actClear = nullptr;
    // The popup: Open, Show Log, Add Files..., Add Directorys..., Remove and
    // Clear. The adds run the toolbar's commands; the popup's own captions
    // and its rules for what is enabled set its items apart.
    QMenu* ppmTask = nullptr;
    QAction* mniOpen = nullptr;
    QAction* mniShowLog = nullptr;
    QAction* mniAddFiles = nullptr;
    QAction* mniAddDirectory = nullptr;
    QAction* mniRemove = nullptr;
    QAction* mniClear = nullptr;

signals:
    // Every add under way has ended (also when it was cut short).
    void AddsDone();
    // "Open" on a selected row (double click or the popup item). The preview
    // player attaches here; until it does, Open does nothing.
    void PreviewSelectedTask();
    // EnableTaskButtons switched the list's commands on or off.
    void TaskButtonsEnabled(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void SetUpView();
    void ConnectControls();
    void UpdateActions();
    bool IsListed(const QString& path, const std::vector<TTask>& unlisted = {}) const;
    bool HasSelection() const;
    std::vector<int> SelectedRows() const;
    void SetOutputGrid(const QString& newFilename, const QString& startTime,
                       const QString& endTime);
    void MoveSelectedBlocks(bool up);
    void FilterViewportMouse(QEvent* event);

    const TaskListControls FControls;
    Platform& FPlatform;
    TProfileDetail& FDetail;
    const QString FEncoderPath;
    TTaskModel* FModel = nullptr;
    bool FClosed = false;
    bool FButtonsOn = false;
    bool FBatchRunning = false;
    // The adds that wait for the batch's end.
    std::vector<std::function<void()>> FAfterBatch;
    // The task the output grid shows; 0 for none.
    TaskId FShownTask = 0;

    // The add under way: one entry per file, in list order, and the end of
    // each request with what runs then.
    struct TPendingAdd
    {
        enum State
        {
            Waiting,
            // Listed, or to be listed by an entry before it: probed only if
            // that is no longer so when its turn comes.
            Deferred,
            Probing,
            Probed,
            // The end of a request.
            RequestEnd
        };
        State FState = Waiting;
        QString Path;
        std::string NewExt; // the output extension when the add was asked for
        quint64 Id = 0;
        TProbeResult Result;
        std::function<void()> Done;
    };
    void Enqueue(const QString& path);
    void PumpAdds();
    bool ListPendingHead();
    void StartProbes();
    void OnProbed(quint64 id, const TProbeResult& result);
    static TTask NewTask(const QString& path, const TProbeResult& probe, const std::string& newExt);
    void CancelAdds();
    std::deque<TPendingAdd> FPending;
    // Files of the adds under way left out for holding no picture, told in
    // one message when their request ends.
    std::vector<std::string> FNoVideo;
    TProbeQueue* FProbes = nullptr;
    quint64 FNextId = 0;
    bool FPumping = false;
};
