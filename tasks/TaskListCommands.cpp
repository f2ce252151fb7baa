// SPDX-License-Identifier: GPL-3.0-or-later
// The task list's commands: their actions, the popup menu, the keys, what a
// click shows in the output grid, and the output directory buttons.
#include "tasks/TaskList.h"

#include "base/PathText.h"
#include "platform/OpenFolder.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "tasks/LogForm.h"
#include "tasks/OutputEdit.h"
#include "tasks/TaskTarget.h"
#include "widgets/BalloonTip.h"
#include "widgets/CommandAction.h"
#include "widgets/ValueListEditor.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeView>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const QString AddDirectoryTitle = QStringLiteral("Add a directory to the Task List");
const QString OutputDirectoryTitle = QStringLiteral("Select the output directory.");

// The popup's captions, and the toolbar's hints where they differ.
const QString OpenCaption = QStringLiteral("Open");
const QString ShowLogCaption = QStringLiteral("Show Log");
const QString PopupSpoken = QStringLiteral("Task List");
const QString AddFilesCaption = QStringLiteral("Add Files...");
const QString AddFilesHint = QStringLiteral("Add Video Files");
const QString AddDirectoryCaption = QStringLiteral("Add Directorys...");
const QString AddDirectoryHint = QStringLiteral("Add Directory");
const QString MoveUpHint = QStringLiteral("Move Up");
const QString MoveDownHint = QStringLiteral("Move Down");
const QString RemoveCaption = QStringLiteral("Remove");
const QString ClearCaption = QStringLiteral("Clear");

// The output grid is group 0 of the profile detail panel.
constexpr int OutputGroup = 0;
const QString NewFilenameLabel = QStringLiteral("New Filename");
const QString StartTimeLabel = QStringLiteral("Start Time");
const QString EndTimeLabel = QStringLiteral("End Time");
const QString TargetSizeLabel = QStringLiteral("Target Size");
const QString TargetRefusedTitle = QStringLiteral("Target Size:");

QString DirectoryText(const QString& directory)
{
    return QString::fromStdString(WithTrailingBackslash(directory.toStdString()));
}

} // namespace

void TTaskList::CreateActions()
{
    actAddFiles =
        NewCommand(AddFilesHint, QStringLiteral("add-file"), QStringLiteral("Ctrl+O"), this);
    actAddDirectory = NewCommand(AddDirectoryHint, QStringLiteral("add-directory"),
                                 QStringLiteral("Ctrl+Shift+O"), this);
    actMoveUp = NewCommand(MoveUpHint, QStringLiteral("move-up"), {}, this);
    actMoveDown = NewCommand(MoveDownHint, QStringLiteral("move-down"), {}, this);
    actRemove = NewCommand(RemoveCaption, QStringLiteral("remove"), {}, this);
    actClear = NewCommand(ClearCaption, QStringLiteral("clear"), {}, this);
    const std::pair<QAction*, void (TTaskList::*)()> commands[] = {
        {actAddFiles, &TTaskList::tbtnAddFileClick}, {actAddDirectory, &TTaskList::tbtnAddDirClick},
        {actMoveUp, &TTaskList::tbtnUpClick},        {actMoveDown, &TTaskList::tbtnDownClick},
        {actRemove, &TTaskList::tbtnRemoveClick},    {actClear, &TTaskList::tbtnClearClick}};
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    UpdateActions();

    ppmTask = new QMenu(FControls.ltvTask);
    ppmTask->setAccessibleName(PopupSpoken);
    mniOpen = ppmTask->addAction(OpenCaption, this, &TTaskList::ltvTaskDblClick);
    mniShowLog = ppmTask->addAction(ShowLogCaption, this, &TTaskList::mniShowLogClick);
    ppmTask->addSeparator();
    // The adds under their popup captions, without the toolbar's pictures.
    mniAddFiles = ppmTask->addAction(AddFilesCaption, actAddFiles, &QAction::trigger);
    mniAddDirectory = ppmTask->addAction(AddDirectoryCaption, actAddDirectory, &QAction::trigger);
    ppmTask->addSeparator();
    // The popup enables these by the selection and the rows, also while the
    // toolbar's are off (rows an add under way has listed so far), where
    // the toolbar's actions would refuse to run.
    mniRemove = ppmTask->addAction(RemoveCaption, this, &TTaskList::tbtnRemoveClick);
    mniClear = ppmTask->addAction(ClearCaption, this, &TTaskList::tbtnClearClick);
}

bool TTaskList::HasSelection() const
{
    return FControls.ltvTask->selectionModel()->hasSelection();
}

std::vector<int> TTaskList::SelectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : FControls.ltvTask->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TTaskList::SelectRow(int row, bool selected)
{
    FControls.ltvTask->selectionModel()->select(
        FModel->index(row, 0),
        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
            QItemSelectionModel::Rows);
}

void TTaskList::SetOutputGrid(const QString& newFilename, const QString& startTime,
                              const QString& endTime)
{
    FShownTask = 0;
    FDetail.SetDetailValue(OutputGroup, NewFilenameLabel, newFilename);
    FDetail.SetDetailValue(OutputGroup, StartTimeLabel, startTime);
    FDetail.SetDetailValue(OutputGroup, EndTimeLabel, endTime);
    FDetail.SetDetailValue(OutputGroup, TargetSizeLabel, QString());
}

int TTaskList::FirstSelectedRow() const
{
    int first = -1;
    for (const QItemSelectionRange& range : FControls.ltvTask->selectionModel()->selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

void TTaskList::ShowSelectedTask()
{
    const int row = FirstSelectedRow();
    if (row < 0) {
        SetOutputGrid({}, {}, {});
        return;
    }
    const ltvItemData& data = FModel->At(row).Data;
    // The name shown is the one the current profile would give, so it uses
    // OutputExt rather than the extension recorded at the add.
    SetOutputGrid(QString::fromStdString(data.NewName) + FDetail.OutputExt,
                  QString::fromStdString(data.StartText), QString::fromStdString(data.EndText));
    FDetail.SetDetailValue(OutputGroup, TargetSizeLabel, QString::fromStdString(data.TargetText));
    FShownTask = FModel->IdAt(row);
}

void TTaskList::vleOutputValidate()
{
    const int row = FModel->RowOf(FShownTask);
    if (row < 0)
        return;
    ltvItemData data;
    ReadTask(row, TaskField::AllFields, data);
    const auto value = [this](const QString& label) {
        return FDetail.DetailValue(OutputGroup, label).toStdString();
    };
    const TOutputEdit edit = ValidateOutputEdit(data, value(NewFilenameLabel),
                                                value(StartTimeLabel), value(EndTimeLabel));
    data.NewName = edit.NewName;
    data.NewExt = edit.NewExt;
    data.SpanText = edit.SpanText;
    data.StartText = edit.StartText;
    data.EndText = edit.EndText;
    for (const TaskField field : {TaskField::NewName, TaskField::NewExt, TaskField::SpanText,
                                  TaskField::StartText, TaskField::EndText})
        WriteTask(row, field, data);
    ValidateTarget(row, value(TargetSizeLabel));
}

// A target is planned against the span just stored and the profile shown;
// one that cannot be met is refused at once, with the reason, and the row
// shows the target kept.
void TTaskList::ValidateTarget(int row, const std::string& typed)
{
    ltvItemData data;
    ReadTask(row, TaskField::AllFields, data);
    const bool blank = typed.find_first_not_of(" \t") == std::string::npos;
    const std::string target = blank ? std::string() : typed;
    if (target == data.TargetText)
        return;
    const std::string kept = data.TargetText;
    data.TargetText = target;
    if (const TSizePlan plan = PlanTaskTarget(FDetail.Choice(), data); !plan.Refusal.empty()) {
        FDetail.SetDetailValue(OutputGroup, TargetSizeLabel, QString::fromStdString(kept));
        FDetail.ShowBalloonTip(FDetail.vleOutput, TBalloonTip::tiWarning, TargetRefusedTitle,
                               QString::fromStdString(plan.Refusal));
        return;
    }
    WriteTask(row, TaskField::TargetText, data);
}

void TTaskList::ltvTaskSelectionChange()
{
    FDetail.vleOutput->SettleEdit();
    ShowSelectedTask();
}

void TTaskList::tbtnAddFileClick()
{
    const QStringList files = FPlatform.OpenFiles(FControls.Window, OpenDialogNameFilters());
    // The dialog's first file comes last.
    QStringList ordered = files.mid(1);
    if (!files.isEmpty())
        ordered.append(files.front());
    AddTaskPaths(ordered, {}, [this] {
        if (TaskCount() == 1) {
            FControls.ltvTask->setCurrentIndex(FModel->index(0, 0));
            ShowSelectedTask();
        }
        if (TaskCount() > 0)
            EnableTaskButtons(true);
    });
    FControls.ltvTask->setFocus();
}

void TTaskList::tbtnAddDirClick()
{
    QString directory;
    const bool picked = FPlatform.BrowseForFolder(FControls.Window, AddDirectoryTitle, directory) &&
                        !directory.isEmpty();
    AddTaskPaths(picked ? QStringList{directory} : QStringList(), {}, [this] {
        if (TaskCount() > 0)
            EnableTaskButtons(true);
    });
    FControls.ltvTask->setFocus();
}

void TTaskList::tbtnRemoveClick()
{
    FModel->Remove(SelectedRows());
    SetOutputGrid({}, {}, {});
    if (TaskCount() == 0)
        EnableTaskButtons(false);
}

void TTaskList::tbtnClearClick()
{
    FModel->Clear();
    SetOutputGrid({}, {}, {});
    EnableTaskButtons(false);
}

// Both moves look at each row's selection as the walk reaches it, so a block
// of selected rows travels as a whole, and a block already at the edge folds
// into its edge row. That walk comes to one change per block: a single row
// changes places with the whole block, carrying everything its task holds,
// which costs one move of the model however long the block is. The focused
// row stays where it was; the output grid shows the first selected task
// again.
void TTaskList::MoveSelectedBlocks(bool up)
{
    std::vector<std::pair<int, int>> blocks;
    for (const int row : SelectedRows()) {
        if (!blocks.empty() && blocks.back().second == row - 1)
            blocks.back().second = row;
        else
            blocks.emplace_back(row, row);
    }
    if (blocks.empty())
        return;
    QItemSelectionModel* selection = FControls.ltvTask->selectionModel();
    const QModelIndex focused = FControls.ltvTask->currentIndex();
    const int count = TaskCount();
    for (const auto& [first, last] : blocks) {
        // The row that crosses the block: the one beyond it or, at the edge,
        // the block's own first row, which the fold leaves unselected.
        const int from = up ? std::max(first - 1, 0) : std::min(last + 1, count - 1);
        const int to = up ? last : first;
        if (from == to)
            continue;
        FModel->Move(from, to);
        if (from == first || from == last)
            selection->select(FModel->index(to, 0),
                              QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    if (focused.isValid())
        selection->setCurrentIndex(FModel->index(focused.row(), focused.column()),
                                   QItemSelectionModel::NoUpdate);
    ltvTaskSelectionChange();
}

void TTaskList::tbtnUpClick()
{
    MoveSelectedBlocks(true);
}

void TTaskList::tbtnDownClick()
{
    MoveSelectedBlocks(false);
}

void TTaskList::ltvTaskClick()
{
    ShowSelectedTask();
}

void TTaskList::ltvTaskDblClick()
{
    if (HasSelection())
        emit PreviewSelectedTask();
}

void TTaskList::ppmTaskPopup()
{
    const bool selected = HasSelection();
    mniOpen->setEnabled(selected);
    mniShowLog->setEnabled(selected && !FModel->At(FirstSelectedRow()).Log.isEmpty());
    mniRemove->setEnabled(selected);
    mniClear->setEnabled(TaskCount() > 0);
    mniAddFiles->setEnabled(true);
    mniAddDirectory->setEnabled(true);
}

void TTaskList::PopupAtFocusedRow()
{
    QTreeView* list = FControls.ltvTask;
    const QModelIndex focused = list->currentIndex();
    QPoint place;
    if (focused.isValid()) {
        list->scrollTo(focused);
        place = list->visualRect(focused).bottomLeft();
    }
    ppmTaskPopup();
    ppmTask->popup(list->viewport()->mapToGlobal(place));
}

void TTaskList::mniShowLogClick()
{
    const int row = FirstSelectedRow();
    if (row < 0 || FModel->At(row).Log.isEmpty())
        return;
    const TaskId id = FModel->IdAt(row);
    const TTask& task = FModel->At(row);
    TLogForm* form = nullptr;
    for (TLogForm* open : FControls.Window->findChildren<TLogForm*>(Qt::FindDirectChildrenOnly))
        if (open->Task() == id)
            form = open;
    if (form)
        form->SetLog(task.Log);
    else
        form = new TLogForm(id, QString::fromStdString(task.Data.InputFile), task.Log, FPlatform,
                            FControls.Window);
    form->show();
    form->raise();
    form->activateWindow();
}

// The keys act even while their actions are disabled, as the list owns them.
bool TTaskList::ltvTaskKeyDown(int key)
{
    if (key == Qt::Key_Backspace) {
        tbtnClearClick();
        return true;
    }
    if (key == Qt::Key_Delete) {
        tbtnRemoveClick();
        return true;
    }
    return false;
}

namespace {

// The keys that ask for a popup menu on a desktop.
bool IsPopupKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

bool TTaskList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FControls.ltvTask) {
        const bool keyEvent =
            event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        const auto* key = keyEvent ? static_cast<QKeyEvent*>(event) : nullptr;
        const bool ownKey =
            key && (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete);
        if ((ownKey || (key && IsPopupKey(*key))) && event->type() == QEvent::ShortcutOverride) {
            // Keeps a window shortcut on the same key from taking it first.
            event->accept();
            return true;
        }
        if (ownKey)
            return ltvTaskKeyDown(key->key());
        if (key && IsPopupKey(*key)) {
            PopupAtFocusedRow();
            return true;
        }
        // The windowing system's own menu request from the keyboard would
        // place the popup by the view's frame, not by its rows.
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            if (!ppmTask->isVisible())
                PopupAtFocusedRow();
            return true;
        }
    } else {
        // The only other object watched is the view's viewport. It is not
        // asked for by name: while the view is destroyed it is no longer one.
        FilterViewportMouse(event);
    }
    return QObject::eventFilter(watched, event);
}

// A click on empty space unselects every row, as a list of files does on a
// desktop, and shows the empty selection in the grid; the view itself would
// keep the selection and report no click at all.
void TTaskList::FilterViewportMouse(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (FControls.ltvTask->indexAt(mouse->position().toPoint()).isValid())
        return;
    if (event->type() == QEvent::MouseButtonPress) {
        if (!(mouse->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)))
            FControls.ltvTask->clearSelection();
    } else if (mouse->button() == Qt::LeftButton) {
        ltvTaskClick();
    }
}

void TTaskList::bbtnBrowserClick()
{
    QString directory = FControls.edtOutputdir->text();
    if (FPlatform.BrowseForFolder(FControls.Window, OutputDirectoryTitle, directory))
        FControls.edtOutputdir->setText(DirectoryText(directory));
}

void TTaskList::bbtnOpenClick()
{
    const QString directory = FControls.edtOutputdir->text();
    if (!directory.isEmpty() && QFileInfo(directory).isDir())
        OpenFolderOrTell(FPlatform, FControls.Window, directory);
}
