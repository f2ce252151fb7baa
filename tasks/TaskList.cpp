// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskList.h"

#include "base/FileIdentity.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "tasks/ProbeQueue.h"
#include "tasks/RestoredLengths.h"
#include "tasks/TaskPaths.h"
#include "widgets/CellBarDelegate.h"
#include "widgets/CutTextTip.h"
#include "widgets/ValueListEditor.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTreeView>

#include <algorithm>

namespace {

const QString UnnamableTitle = QStringLiteral("Files not added");
const QString UnnamableText =
    QStringLiteral("These files were not added, because their names are not valid UTF-8 text. "
                   "Rename them, then add them again.\n\n");
const QString NoVideoText = QStringLiteral(
    "These files were not added, because they hold no video picture (only sound, or nothing "
    "the encoder can show as a picture).\n\n");
constexpr std::size_t PathsShown = 20;

} // namespace

TTaskList::TTaskList(const TaskListControls& controls, Platform& platform, TProfileDetail& detail,
                     const QString& encoderPath, QObject* parent)
    : QObject(parent), FControls(controls), FPlatform(platform), FDetail(detail),
      FEncoderPath(encoderPath), FModel(new TTaskModel(this))
{
    CreateActions();
    SetUpView();
    ConnectControls();
    FProbes = new TProbeQueue(encoderPath, QThread::idealThreadCount(), ProbeTimeLimitMs, this);
    connect(FProbes, &TProbeQueue::Probed, this, &TTaskList::OnProbed);
}

void TTaskList::WindowClosed()
{
    FClosed = true;
    CancelAdds();
}

void TTaskList::SetUpView()
{
    QTreeView* view = FControls.ltvTask;
    view->setModel(FModel);
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

void TTaskList::ConnectControls()
{
    QTreeView* list = FControls.ltvTask;
    connect(FControls.bbtnBrowser, &QPushButton::clicked, this, &TTaskList::bbtnBrowserClick);
    connect(FControls.bbtnOpen, &QPushButton::clicked, this, &TTaskList::bbtnOpenClick);

    // `clicked` comes after the view has settled the selection, and only for
    // the mouse; a click on empty space is caught by the viewport filter.
    connect(list, &QAbstractItemView::clicked, this, &TTaskList::ltvTaskClick);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TTaskList::ltvTaskSelectionChange);
    connect(FDetail.vleOutput, &ValueListEditor::Validate, this, &TTaskList::vleOutputValidate);
    FDetail.OutputShowsTask = [this] {
        return FModel->RowOf(FShownTask) >= 0;
    };
    connect(list, &QAbstractItemView::doubleClicked, this, &TTaskList::ltvTaskDblClick);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        ppmTaskPopup();
        ppmTask->popup(FControls.ltvTask->viewport()->mapToGlobal(pos));
    });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

int TTaskList::TaskCount() const
{
    return FModel->TaskCount();
}

void TTaskList::ReadTask(int row, TaskField field, ltvItemData& data) const
{
    FModel->Read(row, field, data);
}

void TTaskList::WriteTask(int row, TaskField field, const ltvItemData& data)
{
    FModel->Write(row, field, data);
}

// A listed file named another way, or through a link, is listed. A row whose
// file is gone, or was replaced since, is known by its text alone. Tasks
// about to be listed count as listed.
bool TTaskList::IsListed(const QString& path, const std::vector<TTask>& unlisted) const
{
    const std::string text = path.toStdString();
    const std::optional<TFileId> id = FileIdOf(text);
    const auto lists = [&text, &id](const TTask& task) {
        return task.Data.InputFile == text ||
               (id && task.File == id && FileIdOf(task.Data.InputFile) == id);
    };
    for (int row = 0; row < FModel->TaskCount(); ++row)
        if (lists(FModel->At(row)))
            return true;
    return std::any_of(unlisted.begin(), unlisted.end(), lists);
}

void TTaskList::AddTaskFile(const QString& path)
{
    if (IsAdding()) {
        AddTaskPaths({path});
        return;
    }
    FControls.panbg->hide();
    if (IsListed(path))
        return;
    const TProbeResult probe = ProbeMedia(FEncoderPath, path);
    if (probe.NoVideo) {
        ReportNoVideo({path.toStdString()});
        return;
    }
    std::vector<TTask> task;
    task.push_back(NewTask(path, probe, FDetail.OutputExt.toStdString()));
    FModel->Append(std::move(task));
}

void TTaskList::AddKeptTasks(const std::vector<ltvItemData>& tasks)
{
    if (tasks.empty())
        return;
    FControls.panbg->hide();
    std::vector<TTask> kept(tasks.size());
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        kept[i].Data = tasks[i];
        kept[i].File = FileIdOf(tasks[i].InputFile);
    }
    const int first = FModel->TaskCount();
    FModel->Append(std::move(kept));
    std::vector<TaskId> ids;
    for (int row = first; row < FModel->TaskCount(); ++row)
        ids.push_back(FModel->IdAt(row));
    (new TRestoredLengths(*FModel, FEncoderPath, this))->Check(ids);
    EnableTaskButtons(true);
}

TTask TTaskList::NewTask(const QString& path, const TProbeResult& probe, const std::string& newExt)
{
    TTask task;
    task.Data = NewTaskRecord(path.toStdString(), probe.LengthText.toStdString(),
                              probe.SizeText.toStdString(), newExt);
    task.File = FileIdOf(task.Data.InputFile);
    task.Facts = MediaFactsOf(path, probe);
    return task;
}

void TTaskList::AddTaskDirectory(const QString& directory)
{
    if (!directory.isEmpty() && QFileInfo(directory).isDir())
        AddTaskPaths({directory});
}

void TTaskList::ReportUnnamable(const std::vector<std::string>& paths)
{
    ReportFiles(UnnamableText, UnnamableTitle, paths);
}

void TTaskList::ReportNoVideo(const std::vector<std::string>& paths)
{
    ReportFiles(NoVideoText, UnnamableTitle, paths);
}

void TTaskList::ReportFiles(const QString& text, const QString& title,
                            const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    // Shown as the system shows names that are not UTF-8, with replacement
    // characters; a long list is cut, as a message box cannot scroll.
    QStringList lines;
    for (std::size_t i = 0; i < paths.size() && i < PathsShown; ++i)
        lines << QString::fromUtf8(paths[i].data(), static_cast<qsizetype>(paths[i].size()));
    if (paths.size() > PathsShown)
        lines << QStringLiteral("... and %1 more.").arg(paths.size() - PathsShown);
    FPlatform.MessageBox(FControls.Window, text + lines.join(QLatin1Char('\n')), title,
                         Platform::Icon::Information, Platform::Buttons::Ok);
}

void TTaskList::EnableTaskButtons(bool enabled)
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

void TTaskList::SetBatchRunning(bool running)
{
    FBatchRunning = running;
    FControls.ltvTask->setEnabled(!running);
    if (running) {
        UpdateActions();
        return;
    }
    EnableTaskButtons(true);
    std::vector<std::function<void()>> waiting;
    waiting.swap(FAfterBatch);
    for (const std::function<void()>& add : waiting)
        add();
}

void TTaskList::AddWhenIdle(const QStringList& paths, const std::vector<std::string>& unnamable,
                            std::function<void()> done)
{
    if (FBatchRunning)
        FAfterBatch.push_back(
            [this, paths, unnamable, done] { AddTaskPaths(paths, unnamable, done); });
    else
        AddTaskPaths(paths, unnamable, std::move(done));
}

void TTaskList::UpdateActions()
{
    for (QAction* action : {actAddFiles, actAddDirectory})
        action->setEnabled(!FBatchRunning);
    for (QAction* action : {actMoveUp, actMoveDown, actRemove, actClear})
        action->setEnabled(FButtonsOn && !FBatchRunning);
}

void TTaskList::FocusList()
{
    FControls.ltvTask->setFocus();
}

QStringList TTaskList::OpenDialogNameFilters()
{
    // Qt reads a filter's patterns from its trailing parentheses, separated by
    // blanks. Each description already ends in its patterns, written the
    // Windows way; they are rewritten in place so that the user sees the same
    // text once. "*.*" is the Windows spelling of every file, "*" here.
    const QStringList parts = QString::fromStdString(OpenDialogFilter()).split(QLatin1Char('|'));
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
