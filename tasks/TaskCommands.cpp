// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskCommands.h"

#include "platform/Platform.h"
#include "platform/Translators.h"
#include "tasks/TaskAdds.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskPaths.h"
#include "tasks/TaskView.h"
#include "widgets/CommandAction.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QTreeView>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const char* const AddDirectoryTitle =
    QT_TRANSLATE_NOOP("TTaskCommands", "Add a directory to the Task List");

// The toolbar's hints.
const char* const AddFilesHint = QT_TRANSLATE_NOOP("TTaskCommands", "Add Video Files");
const char* const AddDirectoryHint = QT_TRANSLATE_NOOP("TTaskCommands", "Add Directory");
const char* const MoveUpHint = QT_TRANSLATE_NOOP("TTaskCommands", "Move Up");
const char* const MoveDownHint = QT_TRANSLATE_NOOP("TTaskCommands", "Move Down");
//: A toolbar button: takes the selected tasks off the list
const char* const RemoveHint = QT_TRANSLATE_NOOP("TTaskCommands", "Remove");
//: A toolbar button: empties the task list
const char* const ClearHint = QT_TRANSLATE_NOOP("TTaskCommands", "Clear");

} // namespace

TTaskCommands::TTaskCommands(QWidget* window, TTaskModel& model, TTaskView& view, TTaskAdds& adds,
                             Platform& platform, QObject* parent)
    : QObject(parent), FWindow(window), FModel(model), FView(view), FAdds(adds), FPlatform(platform)
{
    actAddFiles =
        NewCommand(tr(AddFilesHint), QStringLiteral("add-file"), QStringLiteral("Ctrl+O"), this);
    actAddDirectory = NewCommand(tr(AddDirectoryHint), QStringLiteral("add-directory"),
                                 QStringLiteral("Ctrl+Shift+O"), this);
    actMoveUp = NewCommand(tr(MoveUpHint), QStringLiteral("move-up"), {}, this);
    actMoveDown = NewCommand(tr(MoveDownHint), QStringLiteral("move-down"), {}, this);
    actRemove = NewCommand(tr(RemoveHint), QStringLiteral("remove"), {}, this);
    actClear = NewCommand(tr(ClearHint), QStringLiteral("clear"), {}, this);
    const std::pair<QAction*, void (TTaskCommands::*)()> commands[] = {
        {actAddFiles, &TTaskCommands::tbtnAddFileClick},
        {actAddDirectory, &TTaskCommands::tbtnAddDirClick},
        {actMoveUp, &TTaskCommands::tbtnUpClick},
        {actMoveDown, &TTaskCommands::tbtnDownClick},
        {actRemove, &TTaskCommands::tbtnRemoveClick},
        {actClear, &TTaskCommands::tbtnClearClick}};
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    UpdateActions();

    // The popup's adds run the toolbar's actions, which refuse while they
    // are off; its Remove and Clear, like the keys, run whenever asked.
    connect(&view, &TTaskView::AddFilesAsked, actAddFiles, &QAction::trigger);
    connect(&view, &TTaskView::AddDirectoryAsked, actAddDirectory, &QAction::trigger);
    connect(&view, &TTaskView::RemoveAsked, this, &TTaskCommands::tbtnRemoveClick);
    connect(&view, &TTaskView::ClearAsked, this, &TTaskCommands::tbtnClearClick);
    connect(&view, &TTaskView::RemoveCompletedAsked, this, &TTaskCommands::mniRemoveCompletedClick);
}

void TTaskCommands::EnableTaskButtons(bool enabled)
{
    // A directory add that pumped events into a Start ends while the batch
    // runs; switching them on then would let the user move or delete rows
    // under the runner.
    if (enabled && FBatchRunning)
        return;
    FButtonsOn = enabled;
    UpdateActions();
    emit TaskButtonsEnabled(enabled);
}

void TTaskCommands::SetBatchRunning(bool running)
{
    FBatchRunning = running;
    FView.Tree().setEnabled(!running);
    if (running) {
        UpdateActions();
        FAdds.SetBatchRunning(true);
        return;
    }
    EnableTaskButtons(true);
    FAdds.SetBatchRunning(false);
}

void TTaskCommands::UpdateActions()
{
    for (QAction* action : {actAddFiles, actAddDirectory})
        action->setEnabled(!FBatchRunning);
    for (QAction* action : {actMoveUp, actMoveDown, actRemove, actClear})
        action->setEnabled(FButtonsOn && !FBatchRunning);
}

QStringList TTaskCommands::OpenDialogNameFilters()
{
    // Qt reads a filter's patterns from its trailing parentheses, separated by
    // blanks. Each description already ends in its patterns, written the
    // Windows way; they are rewritten in place so that the user sees the same
    // text once. "*.*" is the Windows spelling of every file, "*" here.
    const QStringList parts =
        QString::fromStdString(OpenDialogFilter(TranslatedText)).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")),
                                  QStringLiteral("*"));
        const QString& description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        const QString caption = open < 0 ? description + QLatin1Char(' ') : description.left(open);
        filters.append(caption + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

void TTaskCommands::tbtnAddFileClick()
{
    const QStringList files = FPlatform.OpenFiles(FWindow, OpenDialogNameFilters());
    // The dialog's first file comes last.
    QStringList ordered = files.mid(1);
    if (!files.isEmpty())
        ordered.append(files.front());
    FAdds.AddTaskPaths(ordered, {}, [this] {
        if (FModel.TaskCount() == 1) {
            FView.Tree().setCurrentIndex(FModel.index(0, 0));
            FView.ShowSelectedTask();
        }
        if (FModel.TaskCount() > 0)
            EnableTaskButtons(true);
    });
    FView.FocusList();
}

void TTaskCommands::tbtnAddDirClick()
{
    QString directory;
    const bool picked = FPlatform.BrowseForFolder(FWindow, tr(AddDirectoryTitle), directory) &&
                        !directory.isEmpty();
    FAdds.AddTaskPaths(picked ? QStringList{directory} : QStringList(), {}, [this] {
        if (FModel.TaskCount() > 0)
            EnableTaskButtons(true);
    });
    FView.FocusList();
}

void TTaskCommands::tbtnRemoveClick()
{
    FModel.Remove(FView.SelectedRows());
    FView.ClearOutputGrid();
    if (FModel.TaskCount() == 0)
        EnableTaskButtons(false);
}

void TTaskCommands::mniRemoveCompletedClick()
{
    const std::vector<int> rows = FView.CompletedRows();
    if (rows.empty())
        return;
    const QString text = tr("Remove the %n completed task(s) from the Task List?", nullptr,
                            static_cast<int>(rows.size()));
    if (FPlatform.MessageBox(FWindow, text, tr("Remove Completed"), Platform::Icon::Question,
                             Platform::Buttons::YesNo) != Platform::Answer::Yes)
        return;
    FModel.Remove(rows);
    FView.ClearOutputGrid();
    if (FModel.TaskCount() == 0)
        EnableTaskButtons(false);
}

void TTaskCommands::tbtnClearClick()
{
    FModel.Clear();
    FView.ClearOutputGrid();
    EnableTaskButtons(false);
}

// Both moves look at each row's selection as the walk reaches it, so a block
// of selected rows travels as a whole, and a block already at the edge folds
// into its edge row. That walk comes to one change per block: a single row
// changes places with the whole block, carrying everything its task holds,
// which costs one move of the model however long the block is. The focused
// row stays where it was; the output grid shows the first selected task
// again.
void TTaskCommands::MoveSelectedBlocks(bool up)
{
    std::vector<std::pair<int, int>> blocks;
    for (const int row : FView.SelectedRows()) {
        if (!blocks.empty() && blocks.back().second == row - 1)
            blocks.back().second = row;
        else
            blocks.emplace_back(row, row);
    }
    if (blocks.empty())
        return;
    QTreeView& tree = FView.Tree();
    QItemSelectionModel* selection = tree.selectionModel();
    const QModelIndex focused = tree.currentIndex();
    const int count = FModel.TaskCount();
    for (const auto& [first, last] : blocks) {
        // The row that crosses the block: the one beyond it or, at the edge,
        // the block's own first row, which the fold leaves unselected.
        const int from = up ? std::max(first - 1, 0) : std::min(last + 1, count - 1);
        const int to = up ? last : first;
        if (from == to)
            continue;
        FModel.Move(from, to);
        if (from == first || from == last)
            selection->select(FModel.index(to, 0),
                              QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    if (focused.isValid())
        selection->setCurrentIndex(FModel.index(focused.row(), focused.column()),
                                   QItemSelectionModel::NoUpdate);
    FView.ltvTaskSelectionChange();
}

void TTaskCommands::tbtnUpClick()
{
    MoveSelectedBlocks(true);
}

void TTaskCommands::tbtnDownClick()
{
    MoveSelectedBlocks(false);
}
