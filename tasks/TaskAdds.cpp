// SPDX-License-Identifier: GPL-3.0-or-later
// Adding files with their probes side by side, the rows still coming in the
// order, and under the duplicate rule, of adding the files one by one.
#include "tasks/TaskAdds.h"

#include "base/FileIdentity.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "tasks/ProbeQueue.h"
#include "tasks/RestoredLengths.h"
#include "tasks/TaskSources.h"

#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <set>
#include <utility>

namespace {

const char* const UnnamableTitle = QT_TRANSLATE_NOOP("TTaskAdds", "Files not added");
const char* const UnnamableText = QT_TRANSLATE_NOOP(
    "TTaskAdds", "These files were not added, because their names are not valid UTF-8 text. "
                 "Rename them, then add them again.\n\n");
const char* const NoVideoText = QT_TRANSLATE_NOOP(
    "TTaskAdds",
    "These files were not added, because they hold no video picture (only sound, or nothing "
    "the encoder can show as a picture).\n\n");
constexpr std::size_t PathsShown = 20;

} // namespace

TTaskAdds::TTaskAdds(QWidget* window, QWidget* panbg, TTaskModel& model, Platform& platform,
                     TProfileDetail& detail, const QString& encoderPath, QObject* parent)
    : QObject(parent), FWindow(window), FPanbg(panbg), FModel(model), FPlatform(platform),
      FDetail(detail), FEncoderPath(encoderPath)
{
    FProbes = new TProbeQueue(encoderPath, QThread::idealThreadCount(), ProbeTimeLimitMs, this);
    connect(FProbes, &TProbeQueue::Probed, this, &TTaskAdds::OnProbed);
    connect(&FModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { IndexRows(first, last, 1); });
    connect(&FModel, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { IndexRows(first, last, -1); });
    connect(&FModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        FListedTexts.clear();
        FListedFiles.clear();
    });
    connect(&FModel, &QAbstractItemModel::modelReset, this,
            [this] { IndexRows(0, FModel.TaskCount() - 1, 1); });
}

void TTaskAdds::WindowClosed()
{
    FCut = UnlistedTasks();
    FAfterBatch.clear();
    FClosed = true;
    CancelAdds();
}

std::vector<ltvItemData> TTaskAdds::UnlistedTasks() const
{
    std::set<std::string> listed;
    for (int row = 0; row < FModel.TaskCount(); ++row)
        listed.insert(FModel.At(row).Data.InputFile);
    std::vector<ltvItemData> unlisted;
    const auto keep = [&](const std::string& path, const std::string& newExt) {
        if (listed.insert(path).second)
            unlisted.push_back(NewTaskRecord(path, "", "", newExt));
    };
    for (const ltvItemData& task : FCut)
        keep(task.InputFile, task.NewExt);
    for (const TPendingAdd& add : FPending)
        if (add.FState != TPendingAdd::RequestEnd)
            keep(add.Path.toStdString(), add.NewExt);
    for (const TWaitingAdd& add : FAfterBatch)
        for (const QString& file : add.Files)
            keep(file.toStdString(), FDetail.OutputExt.toStdString());
    return unlisted;
}

void TTaskAdds::SetBatchRunning(bool running)
{
    FBatchRunning = running;
    if (running)
        return;
    std::vector<TWaitingAdd> waiting;
    waiting.swap(FAfterBatch);
    for (TWaitingAdd& add : waiting)
        AddTaskPaths(add.Files, add.Unnamable, std::move(add.Done));
}

// A listed file named another way, or through a link, is listed. A row whose
// file is gone, or was replaced since, is known by its text alone. Tasks
// about to be listed count as listed.
bool TTaskAdds::IsListed(const QString& path, const std::vector<TTask>& unlisted) const
{
    const std::string text = path.toStdString();
    const std::optional<TFileId> id = FileIdOf(text);
    const auto lists = [&text, &id](const TTask& task) {
        return task.Data.InputFile == text ||
               (id && task.File == id && FileIdOf(task.Data.InputFile) == id);
    };
    if (FListedTexts.count(text) > 0)
        return true;
    if (id) {
        const auto [from, to] = FListedFiles.equal_range(*id);
        for (auto at = from; at != to; ++at)
            if (FileIdOf(at->second) == id)
                return true;
    }
    return std::any_of(unlisted.begin(), unlisted.end(), lists);
}

void TTaskAdds::IndexRows(int first, int last, int sign)
{
    for (int row = first; row <= last; ++row) {
        const TTask& task = FModel.At(row);
        const std::string& text = task.Data.InputFile;
        if ((FListedTexts[text] += sign) <= 0)
            FListedTexts.erase(text);
        if (!task.File)
            continue;
        if (sign > 0) {
            FListedFiles.emplace(*task.File, text);
            continue;
        }
        const auto [from, to] = FListedFiles.equal_range(*task.File);
        for (auto at = from; at != to; ++at)
            if (at->second == text) {
                FListedFiles.erase(at);
                break;
            }
    }
}

void TTaskAdds::AddKeptTasks(const std::vector<ltvItemData>& tasks)
{
    if (tasks.empty())
        return;
    FPanbg->hide();
    std::vector<TTask> kept(tasks.size());
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        kept[i].Data = tasks[i];
        kept[i].File = FileIdOf(tasks[i].InputFile);
    }
    const int first = FModel.TaskCount();
    FModel.Append(std::move(kept));
    std::vector<TaskId> ids;
    for (int row = first; row < FModel.TaskCount(); ++row)
        ids.push_back(FModel.IdAt(row));
    (new TRestoredLengths(FModel, FEncoderPath, this))->Check(ids);
}

TTask TTaskAdds::NewTask(const QString& path, const TProbeResult& probe, const std::string& newExt)
{
    TTask task;
    task.Data = NewTaskRecord(path.toStdString(), probe.LengthText.toStdString(),
                              probe.SizeText.toStdString(), newExt);
    task.File = FileIdOf(task.Data.InputFile);
    task.Facts = MediaFactsOf(path, probe);
    task.Data.Tracks = probe.Tracks;
    task.Data.TracksKnown = !probe.LengthText.isEmpty();
    task.NoAudio = IsSilent(probe);
    return task;
}

void TTaskAdds::AddTaskDirectory(const QString& directory)
{
    if (!directory.isEmpty() && QFileInfo(directory).isDir())
        AddTaskPaths({directory});
}

void TTaskAdds::ReportUnnamable(const std::vector<std::string>& paths)
{
    ReportFiles(tr(UnnamableText), tr(UnnamableTitle), paths);
}

void TTaskAdds::ReportNoVideo(const std::vector<std::string>& paths)
{
    ReportFiles(tr(NoVideoText), tr(UnnamableTitle), paths);
}

void TTaskAdds::ReportFiles(const QString& text, const QString& title,
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
        lines << tr("... and %n more.", nullptr, static_cast<int>(paths.size() - PathsShown));
    FPlatform.MessageBox(FWindow, text + lines.join(QLatin1Char('\n')), title,
                         Platform::Icon::Information, Platform::Buttons::Ok);
}

void TTaskAdds::AddWhenIdle(const QStringList& paths, const std::vector<std::string>& unnamable,
                            std::function<void()> done)
{
    if (FBatchRunning) {
        // Read now, so that the files are known to be kept.
        const TTaskFiles files = ExpandTaskPaths(paths);
        std::vector<std::string> notAdded = unnamable;
        notAdded.insert(notAdded.end(), files.Unnamable.begin(), files.Unnamable.end());
        FAfterBatch.push_back({files.Files, std::move(notAdded), std::move(done)});
    } else {
        AddTaskPaths(paths, unnamable, std::move(done));
    }
}

void TTaskAdds::AddTaskPaths(const QStringList& paths, const std::vector<std::string>& unnamable,
                             std::function<void()> done)
{
    if (FClosed)
        return;
    const TTaskFiles files = ExpandTaskPaths(paths);
    for (const QString& path : files.Files)
        Enqueue(path);
    std::vector<std::string> notAdded = unnamable;
    notAdded.insert(notAdded.end(), files.Unnamable.begin(), files.Unnamable.end());
    TPendingAdd end;
    end.FState = TPendingAdd::RequestEnd;
    end.Done = std::move(done);
    FPending.push_back(std::move(end));
    ReportUnnamable(notAdded);
    PumpAdds();
}

void TTaskAdds::Enqueue(const QString& path)
{
    FPanbg->hide();
    TPendingAdd add;
    add.Path = path;
    add.NewExt = FDetail.OutputExt.toStdString();
    add.Id = ++FNextId;
    FPending.push_back(std::move(add));
}

// Lists what is ready at the head of the queue and starts the probes there
// is room for. A request's end runs its follow-up, which may ask for more.
void TTaskAdds::PumpAdds()
{
    if (FPumping)
        return;
    FPumping = true;
    bool progress = true;
    while (progress) {
        progress = ListPendingHead();
        StartProbes();
        progress =
            progress || (!FPending.empty() && FPending.front().FState == TPendingAdd::Probed);
    }
    FPumping = false;
    if (FPending.empty())
        emit AddsDone();
}

// True when something was taken off the head. Rows ready one after another
// go into the list in one insert.
bool TTaskAdds::ListPendingHead()
{
    bool taken = false;
    std::vector<TTask> ready;
    const auto list = [this, &ready] {
        FModel.Append(std::move(ready));
        ready.clear();
    };
    while (!FPending.empty()) {
        TPendingAdd& head = FPending.front();
        if (head.FState == TPendingAdd::RequestEnd) {
            list();
            std::function<void()> done = std::move(head.Done);
            FPending.pop_front();
            taken = true;
            ReportNoVideo(std::exchange(FNoVideo, {}));
            if (done)
                done();
            continue;
        }
        if (head.FState == TPendingAdd::Probing)
            break;
        // The one-by-one rule, against the list as it is now: a listed path
        // is skipped, unprobed if it was not probed yet.
        if (IsListed(head.Path, ready)) {
            FPending.pop_front();
            taken = true;
            continue;
        }
        if (head.FState != TPendingAdd::Probed)
            break; // to be probed now that it is no longer a duplicate
        if (head.Result.NoVideo) {
            FNoVideo.push_back(head.Path.toStdString());
            FPending.pop_front();
            taken = true;
            continue;
        }
        ready.push_back(NewTask(head.Path, head.Result, head.NewExt));
        FPending.pop_front();
        taken = true;
    }
    list();
    return taken;
}

void TTaskAdds::StartProbes()
{
    // A path met before in the queue is listed by then, unless the user
    // removes it meanwhile; its probe waits until its own turn shows which.
    QSet<QString> before;
    std::vector<TPendingAdd*> due;
    const std::size_t most = static_cast<std::size_t>(FProbes->Room()) * TProbeQueue::MostPerRun;
    for (std::size_t i = 0; i < FPending.size() && due.size() < most; ++i) {
        TPendingAdd& add = FPending[i];
        if (add.FState == TPendingAdd::RequestEnd)
            continue;
        const bool head = i == 0;
        const bool seen = before.contains(add.Path);
        before.insert(add.Path);
        if (add.FState == TPendingAdd::Waiting && !head && (seen || IsListed(add.Path)))
            add.FState = TPendingAdd::Deferred;
        if (add.FState == TPendingAdd::Waiting || (add.FState == TPendingAdd::Deferred && head))
            due.push_back(&add);
    }
    // Even shares over the free places, so that the last files of an add do
    // not wait for one long run while another place stands idle.
    std::size_t next = 0;
    while (next < due.size() && FProbes->HasRoom()) {
        const std::size_t room = static_cast<std::size_t>(FProbes->Room());
        const std::size_t share =
            std::min<std::size_t>(TProbeQueue::MostPerRun, (due.size() - next + room - 1) / room);
        const auto first = due.begin() + static_cast<std::ptrdiff_t>(next);
        const std::vector<TPendingAdd*> group(first, first + static_cast<std::ptrdiff_t>(share));
        next += share;
        std::vector<TProbeItem> items;
        for (const TPendingAdd* add : group)
            items.push_back({add->Id, add->Path});
        const TProbeQueue::Start start = FProbes->Probe(std::move(items));
        if (start == TProbeQueue::Start::Busy)
            return;
        for (TPendingAdd* add : group) {
            if (start == TProbeQueue::Start::Started) {
                add->FState = TPendingAdd::Probing;
            } else {
                add->Result = {};
                add->FState = TPendingAdd::Probed;
            }
        }
    }
}

void TTaskAdds::OnProbed(quint64 id, const TProbeResult& result)
{
    const auto it = std::find_if(FPending.begin(), FPending.end(),
                                 [id](const TPendingAdd& add) { return add.Id == id; });
    if (it == FPending.end())
        return;
    it->Result = result;
    it->FState = TPendingAdd::Probed;
    PumpAdds();
}

void TTaskAdds::CancelAdds()
{
    FProbes->StopAll();
    const bool adding = IsAdding();
    FPending.clear();
    FNoVideo.clear();
    if (adding)
        emit AddsDone();
}
