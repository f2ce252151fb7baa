// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskView.h"

#include "platform/Platform.h"
#include "platform/Translators.h"
#include "tasks/LogForm.h"
#include "widgets/CellBarDelegate.h"
#include "widgets/CutTextTip.h"
#include "widgets/ValueListEditor.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeView>

#include <algorithm>

namespace {

// The popup's captions.
const char* const OpenCaption = QT_TRANSLATE_NOOP("TTaskView", "Open");
const char* const ShowLogCaption = QT_TRANSLATE_NOOP("TTaskView", "Show Log");
const char* const PopupSpoken = QT_TRANSLATE_NOOP("TTaskView", "Task List");
const char* const AddFilesCaption = QT_TRANSLATE_NOOP("TTaskView", "Add Files...");
const char* const AddDirectoryCaption = QT_TRANSLATE_NOOP("TTaskView", "Add Directorys...");
const char* const RemoveCaption = QT_TRANSLATE_NOOP("TTaskView", "Remove");
const char* const ClearCaption = QT_TRANSLATE_NOOP("TTaskView", "Clear");
const char* const RemoveCompletedCaption = QT_TRANSLATE_NOOP("TTaskView", "Remove Completed");
const char* const UseProfileCaption = QT_TRANSLATE_NOOP("TTaskView", "Use Profile");
const char* const UseBatchProfileCaption = QT_TRANSLATE_NOOP("TTaskView", "Use Batch Profile");

// The keys that ask for a popup menu on a desktop.
bool IsPopupKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

TTaskView::TTaskView(QWidget* window, QTreeView* ltvTask, TTaskModel& model, TTaskPlans& plans,
                     Platform& platform, TOutputGrid& output, QObject* parent)
    : QObject(parent), FWindow(window), FView(ltvTask), FModel(model), FPlans(plans),
      FPlatform(platform), FOutput(output)
{
    SetUpView();
    CreatePopup();
    ConnectControls();
}

void TTaskView::SetUpView()
{
    QTreeView* view = FView;
    view->setModel(&FModel);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A path cut in the middle keeps its file name in sight; the tooltip
    // gives the whole of whatever is cut.
    view->setTextElideMode(Qt::ElideMiddle);
    view->setItemDelegate(new TCutTextTipDelegate(view));
    // A task converting beside others shows its own progress in its row.
    view->setItemDelegateForColumn(TTaskModel::StatusColumn,
                                   new TCellBarDelegate(TTaskModel::PercentRole, view));
    view->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TTaskView::CreatePopup()
{
    ppmTask = new QMenu(FView);
    ppmTask->setAccessibleName(tr(PopupSpoken));
    mniOpen = ppmTask->addAction(tr(OpenCaption), this, &TTaskView::ltvTaskDblClick);
    mniShowLog = ppmTask->addAction(tr(ShowLogCaption), this, &TTaskView::mniShowLogClick);
    ppmTask->addSeparator();
    // The adds under their popup captions, without the toolbar's pictures.
    mniAddFiles = ppmTask->addAction(tr(AddFilesCaption), this, &TTaskView::AddFilesAsked);
    mniAddDirectory =
        ppmTask->addAction(tr(AddDirectoryCaption), this, &TTaskView::AddDirectoryAsked);
    ppmTask->addSeparator();
    // The popup enables these by the selection and the rows, also while the
    // toolbar's are off (rows an add under way has listed so far), where
    // the toolbar's actions would refuse to run.
    mniRemove = ppmTask->addAction(tr(RemoveCaption), this, &TTaskView::RemoveAsked);
    mniClear = ppmTask->addAction(tr(ClearCaption), this, &TTaskView::ClearAsked);
    // After a batch with failures or stops, so that the next Start, which
    // converts every row, converts only what is left.
    mniRemoveCompleted =
        ppmTask->addAction(tr(RemoveCompletedCaption), this, &TTaskView::RemoveCompletedAsked);
    ppmTask->addSeparator();
    mniUseProfile = ppmTask->addMenu(tr(UseProfileCaption));
    mniUseBatchProfile =
        ppmTask->addAction(tr(UseBatchProfileCaption), this, &TTaskView::mniUseBatchProfileClick);
}

std::vector<int> TTaskView::CompletedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < FModel.TaskCount(); ++row)
        if (FModel.At(row).Data.Status == TaskState::Complete)
            rows.push_back(row);
    return rows;
}

void TTaskView::PinSelectedTasks(const QString& name)
{
    const TProfileChoice choice = FPlans.ChoiceOf(name);
    if (choice.Walk.Status == TWalkStatus::Missing ||
        choice.Walk.Status == TWalkStatus::NoMainSection) {
        FPlatform.MessageBox(FWindow, tr("The profile \"%1\" cannot be loaded.").arg(name),
                             tr(UseProfileCaption), Platform::Icon::Error, Platform::Buttons::Ok);
        return;
    }
    for (const int row : SelectedRows()) {
        ltvItemData data;
        FModel.Read(row, TaskField::AllFields, data);
        data.Profile = name.toStdString();
        data.Picks = PickTexts(choice);
        data.NewExt = choice.OutputExt();
        FModel.Write(row, TaskField::AllFields, data);
    }
    ShowSelectedTask();
}

void TTaskView::mniUseBatchProfileClick()
{
    for (const int row : SelectedRows()) {
        ltvItemData data;
        FModel.Read(row, TaskField::AllFields, data);
        data.Profile.clear();
        data.Picks.clear();
        data.NewExt = FPlans.BatchOutputExt().toStdString();
        FModel.Write(row, TaskField::AllFields, data);
    }
    ShowSelectedTask();
}

void TTaskView::ConnectControls()
{
    QTreeView* list = FView;
    // `clicked` comes after the view has settled the selection, and only for
    // the mouse; a click on empty space is caught by the viewport filter.
    connect(list, &QAbstractItemView::clicked, this, &TTaskView::ltvTaskClick);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TTaskView::ltvTaskSelectionChange);
    connect(list, &QAbstractItemView::doubleClicked, this, &TTaskView::ltvTaskDblClick);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        ppmTaskPopup();
        ppmTask->popup(FView->viewport()->mapToGlobal(pos));
    });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

bool TTaskView::HasSelection() const
{
    return FView->selectionModel()->hasSelection();
}

std::vector<int> TTaskView::SelectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : FView->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TTaskView::FirstSelectedRow() const
{
    int first = -1;
    for (const QItemSelectionRange& range : FView->selectionModel()->selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

void TTaskView::SelectRow(int row, bool selected)
{
    FView->selectionModel()->select(
        FModel.index(row, 0),
        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
            QItemSelectionModel::Rows);
}

void TTaskView::FocusList()
{
    FView->setFocus();
}

void TTaskView::ClearOutputGrid()
{
    FOutput.Show(0);
}

void TTaskView::ShowSelectedTask()
{
    const int row = FirstSelectedRow();
    FOutput.Show(row < 0 ? 0 : FModel.IdAt(row));
}

void TTaskView::vleOutputValidate()
{
    FOutput.Validate();
}

void TTaskView::ValidateTarget(int row, const std::string& typed)
{
    FOutput.ValidateTarget(row, typed);
}

void TTaskView::ltvTaskSelectionChange()
{
    FOutput.Grid().SettleEdit();
    ShowSelectedTask();
}

void TTaskView::ltvTaskClick()
{
    ShowSelectedTask();
}

void TTaskView::ltvTaskDblClick()
{
    if (HasSelection())
        emit PreviewSelectedTask();
}

void TTaskView::ppmTaskPopup()
{
    const bool selected = HasSelection();
    mniOpen->setEnabled(selected);
    mniShowLog->setEnabled(selected && !FModel.At(FirstSelectedRow()).Log.isEmpty());
    mniRemove->setEnabled(selected);
    mniClear->setEnabled(FModel.TaskCount() > 0);
    mniRemoveCompleted->setEnabled(!CompletedRows().empty());
    mniUseProfile->clear();
    // The profile every selected task is pinned to is marked.
    const std::vector<int> rows = SelectedRows();
    const std::string pin = rows.empty() ? std::string() : FModel.At(rows.front()).Data.Profile;
    const bool onePin = std::all_of(rows.begin(), rows.end(), [this, &pin](int row) {
        return FModel.At(row).Data.Profile == pin;
    });
    for (const QString& name : FPlans.CatalogueNames()) {
        QAction* action =
            mniUseProfile->addAction(name, this, [this, name] { PinSelectedTasks(name); });
        action->setCheckable(true);
        action->setChecked(onePin && !pin.empty() && name.toStdString() == pin);
    }
    mniUseProfile->setEnabled(selected);
    bool pinned = false;
    for (const int row : SelectedRows())
        pinned = pinned || !FModel.At(row).Data.Profile.empty();
    mniUseBatchProfile->setEnabled(pinned);
    mniAddFiles->setEnabled(true);
    mniAddDirectory->setEnabled(true);
}

void TTaskView::PopupAtFocusedRow()
{
    const QModelIndex focused = FView->currentIndex();
    QPoint place;
    if (focused.isValid()) {
        FView->scrollTo(focused);
        place = FView->visualRect(focused).bottomLeft();
    }
    ppmTaskPopup();
    ppmTask->popup(FView->viewport()->mapToGlobal(place));
}

void TTaskView::mniShowLogClick()
{
    const int row = FirstSelectedRow();
    if (row < 0 || FModel.At(row).Log.isEmpty())
        return;
    const TaskId id = FModel.IdAt(row);
    const TTask& task = FModel.At(row);
    TLogForm* form = nullptr;
    for (TLogForm* open : FWindow->findChildren<TLogForm*>(Qt::FindDirectChildrenOnly))
        if (open->Task() == id)
            form = open;
    if (form)
        form->SetLog(task.Log);
    else
        form = new TLogForm(id, QString::fromStdString(task.Data.InputFile), task.Log, FPlatform,
                            FWindow);
    form->show();
    form->raise();
    form->activateWindow();
}

// The keys act even while their actions are disabled, as the list owns them.
bool TTaskView::ltvTaskKeyDown(int key)
{
    if (key == Qt::Key_Backspace) {
        emit ClearAsked();
        return true;
    }
    if (key == Qt::Key_Delete) {
        emit RemoveAsked();
        return true;
    }
    return false;
}

bool TTaskView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FView) {
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
void TTaskView::FilterViewportMouse(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (FView->indexAt(mouse->position().toPoint()).isValid())
        return;
    if (event->type() == QEvent::MouseButtonPress) {
        if (!(mouse->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)))
            FView->clearSelection();
    } else if (mouse->button() == Qt::LeftButton) {
        ltvTaskClick();
    }
}
