// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/KeptTasks.h"

#include "base/FileMoves.h"
#include "base/NewInifiles.h"
#include "platform/Platform.h"
#include "platform/Translators.h"
#include "tasks/SavedTasks.h"
#include "tasks/TaskAdds.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskList.h"
#include "tasks/TaskModel.h"

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Well within the second a change may wait, and long enough that a batch
// of short tasks, or an add of many files, writes the list a few times a
// second rather than at every row.
constexpr int SaveDelayMs = 500;

// In the order Choose takes them. Escape is no Discard: it decides nothing.
enum RestoreAnswer
{
    Restore,
    Discard
};
//: Buttons: put the last session's tasks back in the list, or drop them
const char* const RestoreAnswers[] = {QT_TRANSLATE_NOOP("TKeptTasks", "Restore"),
                                      QT_TRANSLATE_NOOP("TKeptTasks", "Discard")};

const char* const MissingTitle = QT_TRANSLATE_NOOP("TKeptTasks", "Files not found");
const char* const MissingText = QT_TRANSLATE_NOOP(
    "TKeptTasks", "These files of the last session no longer exist and were left out:\n\n");
const char* const NotVideoTitle = QT_TRANSLATE_NOOP("TKeptTasks", "Files not restored");
const char* const NotVideoText =
    QT_TRANSLATE_NOOP("TKeptTasks", "These paths of the last session are now a folder, a "
                                    "pipe or a device, not a video file, and were left "
                                    "out:\n\n");

const char* const SetAsideTitle = QT_TRANSLATE_NOOP("TKeptTasks", "Task list not restored");
const char* const DamagedText =
    QT_TRANSLATE_NOOP("TKeptTasks", "The task list kept from the last session cannot be read.");
const char* const NewerText =
    QT_TRANSLATE_NOOP("TKeptTasks", "The task list kept from the last session was saved by "
                                    "a newer version of this program.");
//: %1 is why the task list was not restored, %2 the file's new name
const char* const SetAsideText = QT_TRANSLATE_NOOP("TKeptTasks", "%1 It was set aside as \"%2\".");
//: %1 is why the task list was not restored, %2 the file's name, %3 why it could not be renamed
const char* const NotSetAsideText =
    QT_TRANSLATE_NOOP("TKeptTasks", "%1 It could not be set aside as \"%2\" (%3), so it is left as "
                                    "it is, and the task list is not kept in this session.");
// Set-aside names tried before giving up: each bad file keeps its own.
constexpr int SetAsideAttempts = 1000;

} // namespace

TKeptTasks::TKeptTasks(QWidget* window, const QLineEdit* edtOutputdir, Platform& platform,
                       TTaskList& taskList, const std::string& path, QObject* parent)
    : QObject(parent), FWindow(window), FOutputDir(edtOutputdir), FPlatform(platform),
      FTaskList(taskList), FPath(path), FLock(QString::fromStdString(path + ".lock"))
{
    // Held for the whole session: only a lock whose process is gone is stale.
    FLock.setStaleLockTime(0);
    FKeeping = FLock.tryLock(0);
    FDelay.setSingleShot(true);
    FDelay.setInterval(SaveDelayMs);
    connect(&FDelay, &QTimer::timeout, this, &TKeptTasks::Save);
    FWriter = std::thread([this] { WriterLoop(); });

    const TTaskModel* model = &FTaskList.Model();
    const auto changed = [this] {
        ListChanged();
    };
    connect(model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
    connect(model, &TTaskModel::RecordChanged, this, changed);
    // What the texts show is kept; a tooltip, or the percent a running task
    // draws, is not.
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    ListChanged();
            });
}

TKeptTasks::~TKeptTasks()
{
    {
        const std::lock_guard lock(FMutex);
        FStop = true;
    }
    FWake.notify_one();
    FWriter.join();
}

void TKeptTasks::OfferRestore()
{
    if (!FKeeping)
        return; // another window keeps the list
    const TTasksFile file = LoadTasks(FPath);
    switch (file.State) {
    case TTasksFileState::Missing:
        return;
    case TTasksFileState::Damaged:
        SetAside(tr(DamagedText));
        return;
    case TTasksFileState::Newer:
        SetAside(tr(NewerText));
        return;
    case TTasksFileState::Read:
        break;
    }
    // What a batch the last session was killed in was writing, whatever the
    // answer: no run of that process will ever finish it.
    if (RemoveLeftFiles)
        RemoveLeftFiles(file.Saved.OutputDir);
    const int unconverted = UnconvertedCount(file.Saved.Tasks);
    if (unconverted == 0)
        return;
    const QString question =
        tr("The last session left %n task(s) unconverted. Restore them?", nullptr, unconverted);
    const QStringList answers = {tr(RestoreAnswers[Restore]), tr(RestoreAnswers[Discard])};
    switch (FPlatform.Choose(FWindow, question, FWindow->windowTitle(), answers)) {
    case Restore:
        break;
    case Discard:
        // The list is still empty: the command line's files come later.
        Save();
        WaitForWriter();
        return;
    default:
        FHeld = file.Saved.Tasks;
        return;
    }
    RestoreTasks(TasksToRestore(file.Saved.Tasks));
}

void TKeptTasks::RestoreTasks(const TTasksToRestore& restore)
{
    // A file kept before its probe (handed over, then the window closed)
    // is added as a file: probed, and under the duplicate rule.
    std::vector<ltvItemData> kept;
    QStringList unprobed;
    for (const ltvItemData& task : restore.Tasks) {
        if (task.Length.Text().empty() && task.SizeText.empty())
            unprobed << QString::fromStdString(task.InputFile);
        else
            kept.push_back(task);
    }
    if (!kept.empty()) {
        FTaskList.Adds().AddKeptTasks(kept);
        FTaskList.Commands().EnableTaskButtons(true);
    }
    if (!unprobed.isEmpty())
        FTaskList.Adds().AddTaskPaths(unprobed, {}, [this] {
            if (FTaskList.Model().TaskCount() > 0)
                FTaskList.Commands().EnableTaskButtons(true);
        });
    // Written now, so that what was left out is not offered again even
    // when nothing was restored.
    Save();
    FTaskList.Adds().ReportFiles(tr(MissingText), tr(MissingTitle), restore.MissingInputs);
    FTaskList.Adds().ReportFiles(tr(NotVideoText), tr(NotVideoTitle), restore.NotVideoInputs);
}

void TKeptTasks::SaveNow()
{
    {
        const std::lock_guard lock(FMutex);
        FEnding = true;
    }
    if (FDelay.isActive())
        Save();
    WaitForWriter();
}

void TKeptTasks::KeepNow()
{
    Save();
    WaitForWriter();
}

void TKeptTasks::ListChanged()
{
    // Not restarted by later changes: a stream of them is still written
    // within the delay.
    if (!FDelay.isActive())
        FDelay.start();
}

void TKeptTasks::Save()
{
    FDelay.stop();
    if (!FKeeping)
        return;
    const TTaskModel& model = FTaskList.Model();
    TSavedTasks saved{FOutputDir->text().toStdString(), FHeld};
    saved.Tasks.reserve(FHeld.size() + std::size_t(model.TaskCount()));
    for (int row = 0; row < model.TaskCount(); ++row)
        saved.Tasks.push_back(model.At(row).Data);
    const std::vector<ltvItemData> unlisted = FTaskList.Adds().UnlistedTasks();
    saved.Tasks.insert(saved.Tasks.end(), unlisted.begin(), unlisted.end());
    {
        // A list not yet taken is older than this one: it need not be written.
        const std::lock_guard lock(FMutex);
        FNext = std::move(saved);
    }
    FWake.notify_one();
}

void TKeptTasks::WaitForWriter()
{
    std::unique_lock lock(FMutex);
    FIdle.wait(lock, [this] { return !FNext && !FWriting; });
}

void TKeptTasks::WriterLoop()
{
    std::unique_lock lock(FMutex);
    for (;;) {
        FWake.wait(lock, [this] { return FNext || FStop; });
        if (!FNext)
            return; // everything handed over is written
        const TSavedTasks saved = std::move(*FNext);
        FNext.reset();
        FWriting = true;
        lock.unlock();
        std::string failure;
        try {
            SaveTasks(FPath, saved);
            ++FSaves;
            FFailureShown = false;
        } catch (const EIniWriteError& error) {
            failure = error.Shown(TranslatedText);
        }
        lock.lock();
        FWriting = false;
        // Nothing waits for a click while the program ends.
        if (!failure.empty() && FEnding)
            std::fprintf(stderr, "quenby: %s\n", failure.c_str());
        else if (!failure.empty())
            QMetaObject::invokeMethod(
                this, [this, failure] { WriteFailed(QString::fromStdString(failure)); },
                Qt::QueuedConnection);
        FIdle.notify_all();
    }
}

void TKeptTasks::WriteFailed(const QString& error)
{
    if (!FFailureShown.exchange(true))
        FPlatform.ShowError(error);
}

void TKeptTasks::SetAside(const QString& reason)
{
    int error = EEXIST;
    std::string name;
    for (int attempt = 1; error == EEXIST && attempt <= SetAsideAttempts; ++attempt) {
        name = SetAsideName(FPath, attempt);
        error = MoveWithoutReplacing(FPath, name);
    }
    const QString shown = QString::fromStdString(name);
    FKeeping = error == 0;
    FPlatform.MessageBox(FWindow,
                         FKeeping ? tr(SetAsideText).arg(reason, shown)
                                  : tr(NotSetAsideText).arg(reason, shown, std::strerror(error)),
                         tr(SetAsideTitle), Platform::Icon::Warning, Platform::Buttons::Ok);
}
