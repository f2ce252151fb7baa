// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FolderWatch.h"

#include "base/NewInifiles.h"
#include "base/PathText.h"
#include "base/TimeText.h"
#include "cli/HeadlessBatch.h"
#include "encoder/MediaProbe.h"
#include "tasks/ProbeQueue.h"
#include "tasks/SavedTasks.h"
#include "tasks/TaskPaths.h"

#include <QCoreApplication>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QSet>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int DefaultStillTime = 5000;
// inotify sees nothing of what other machines write into a network folder.
constexpr int RescanInterval = 10000;
const char* const StateSection = "Files";

std::string Trailed(const std::string& path)
{
    return path.ends_with('/') ? path : path + "/";
}

// Whether a process this user may look into holds the file open for
// writing: a copy that stalls leaves its size and time alone, but not its
// descriptor.
bool IsOpenForWriting(const std::string& path)
{
    struct stat file
    {
    };
    if (::stat(path.c_str(), &file) != 0)
        return false;
    std::error_code error;
    for (fs::directory_iterator process("/proc", error), end; !error && process != end;
         process.increment(error)) {
        const std::string pid = process->path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code fdError;
        for (fs::directory_iterator fd(process->path() / "fd", fdError); !fdError && fd != end;
             fd.increment(fdError)) {
            struct stat open
            {
            };
            if (::stat(fd->path().c_str(), &open) != 0 || open.st_ino != file.st_ino ||
                open.st_dev != file.st_dev)
                continue;
            std::ifstream info(process->path() / "fdinfo" / fd->path().filename());
            for (std::string key, value; info >> key >> value;)
                if (key == "flags:" && (std::stoul(value, nullptr, 8) & O_ACCMODE) != O_RDONLY)
                    return true;
        }
    }
    return false;
}

// Whether the file's own header promises more bytes than it holds: an AVI
// tells its whole size in its first bytes, and a copy cut off or still going
// on holds less. (ffmpeg reads such a file without complaint and takes its
// length from what is there.)
bool HoldsLessThanItsHeaderSays(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    unsigned char head[12] = {};
    if (!file.read(reinterpret_cast<char*>(head), sizeof head) ||
        std::string_view(reinterpret_cast<char*>(head), 4) != "RIFF")
        return false;
    const std::uint64_t riff =
        8 + (head[4] | head[5] << 8 | head[6] << 16 | std::uint64_t(head[7]) << 24);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    return !error && size < riff;
}

} // namespace

int WatchStillTime()
{
    const char* text = std::getenv("QUENBY_TEST_WATCH_STILL_MS");
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : DefaultStillTime;
}

TFolderWatch::TFolderWatch(TSetup setup, THeadlessBatch& batch,
                           std::function<void(const std::string&)> say, QObject* parent)
    : QObject(parent), FSetup(std::move(setup)), FBatch(batch), FSay(std::move(say)),
      FStillTime(WatchStillTime()), FWatcher(new QFileSystemWatcher(this)),
      FProbes(new TProbeQueue(FSetup.Options.EncoderPath, 1, ProbeTimeLimitMs, this)),
      FOutDir(FSetup.Options.OutputDir), FStatePath(FOutDir + WatchStateFileName)
{
    FPendingTimer.setInterval(std::min(1000, std::max(50, FStillTime / 5)));
    FRescanTimer.setInterval(std::max(RescanInterval, 2 * FStillTime));
    // A burst of files makes a burst of notices: one look after them does.
    FChangeTimer.setSingleShot(true);
    FChangeTimer.setInterval(200);
    connect(&FPendingTimer, &QTimer::timeout, this, &TFolderWatch::CheckPending);
    connect(&FRescanTimer, &QTimer::timeout, this, &TFolderWatch::Rescan);
    connect(&FChangeTimer, &QTimer::timeout, this, &TFolderWatch::Rescan);
    connect(FWatcher, &QFileSystemWatcher::directoryChanged, &FChangeTimer,
            qOverload<>(&QTimer::start));
    connect(&FBatch, &THeadlessBatch::TaskEnded, this, &TFolderWatch::OnTaskEnded);
    connect(&FBatch, &THeadlessBatch::Ended, this, &TFolderWatch::OnBatchEnded);
    connect(FProbes, &TProbeQueue::Probed, this, &TFolderWatch::OnProbed);
}

TFolderWatch::~TFolderWatch() = default;

std::string TFolderWatch::Begin()
{
    FLock = std::make_unique<QLockFile>(QString::fromStdString(FStatePath + ".lock"));
    // A watch runs for days: only a lock whose process is gone is stale.
    FLock->setStaleLockTime(0);
    if (!FLock->tryLock(0)) {
        qint64 pid = 0;
        QString host, program;
        FLock->getLockInfo(&pid, &host, &program);
        return tr("another watch (process %1 on '%2') converts into '%3'; only one may")
            .arg(pid)
            .arg(host, QString::fromStdString(FOutDir))
            .toStdString();
    }
    LoadState();
    Rescan();
    FPendingTimer.start();
    FRescanTimer.start();
    return {};
}

void TFolderWatch::Interrupt()
{
    if (FStopping)
        return;
    FStopping = true;
    FPendingTimer.stop();
    FRescanTimer.stop();
    FChangeTimer.stop();
    FProbes->StopAll();
    FProbing.clear();
    if (FBatch.IsRunning())
        FBatch.Interrupt();
    else
        QMetaObject::invokeMethod(this, &TFolderWatch::Finished, Qt::QueuedConnection);
}

std::int64_t TFolderWatch::Now() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

// Size and modification time of a regular file, links followed.
std::optional<std::pair<std::int64_t, std::int64_t>> StatFile(const std::string& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return std::pair<std::int64_t, std::int64_t>(
        status.st_size, std::int64_t(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec);
}

} // namespace

bool TFolderWatch::IsLeftOut(const std::string& directory) const
{
    std::error_code error;
    const std::string trailed = Trailed(directory);
    for (const std::string& skipped : {FOutDir, FSetup.DoneDir})
        if (!skipped.empty() && (trailed == skipped || fs::equivalent(directory, skipped, error)))
            return true;
    return false;
}

void TFolderWatch::Rescan()
{
    if (FStopping)
        return;
    std::error_code error;
    if (!fs::is_directory(FSetup.InDir, error)) {
        if (!FGone)
            FSay(tr("the watched folder '%1' is gone; waiting for it to come back")
                     .arg(QString::fromStdString(FSetup.InDir))
                     .toStdString());
        FGone = true;
        FPending.clear();
        // A folder made anew at the path is another one to watch.
        if (const QStringList watched = FWatcher->directories(); !watched.isEmpty())
            FWatcher->removePaths(watched);
        return;
    }
    if (FGone)
        FSay(tr("the watched folder '%1' is back")
                 .arg(QString::fromStdString(FSetup.InDir))
                 .toStdString());
    FGone = false;

    QStringList directories{QString::fromStdString(FSetup.InDir)};
    std::map<std::string, TStamp> found;
    fs::recursive_directory_iterator entry(FSetup.InDir,
                                           fs::directory_options::skip_permission_denied, error);
    for (; !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        const std::string path = entry->path().string();
        std::error_code kindError;
        const bool directory = entry->is_directory(kindError);
        // Hidden entries are other programs' work in progress.
        if (entry->path().filename().string().starts_with('.') || (directory && IsLeftOut(path))) {
            if (directory)
                entry.disable_recursion_pending();
            continue;
        }
        if (directory) {
            directories.push_back(QString::fromStdString(path));
            continue;
        }
        if (!IsSupportedVideo(path))
            continue;
        if (const auto stat = StatFile(path))
            found[path.substr(FSetup.InDir.size())] = {stat->first, stat->second};
    }
    // The folder vanished during the look: what it missed is not gone.
    if (error)
        return;

    const QStringList watched = FWatcher->directories();
    const QSet<QString> known(watched.begin(), watched.end());
    QStringList added;
    for (const QString& directory : directories)
        if (!known.contains(directory))
            added.push_back(directory);
    if (!added.isEmpty())
        FWatcher->addPaths(added);

    std::erase_if(FPending, [&](const auto& pending) { return !found.contains(pending.first); });
    // A share not mounted shows an empty folder: its files are not gone.
    if (!found.empty() &&
        std::erase_if(FDone, [&](const auto& done) { return !found.contains(done.first); }) > 0)
        SaveState();
    for (const auto& [relative, stamp] : found)
        Observe(relative, stamp);
}

void TFolderWatch::CheckPending()
{
    std::vector<std::string> paths;
    for (const auto& pending : FPending)
        paths.push_back(pending.first);
    for (const std::string& relative : paths) {
        if (const auto stat = StatFile(FSetup.InDir + relative))
            Observe(relative, {stat->first, stat->second});
        else
            FPending.erase(relative);
    }
}

void TFolderWatch::Observe(const std::string& relative, const TStamp& stamp)
{
    if (const auto done = FDone.find(relative); done != FDone.end() && done->second == stamp) {
        FPending.erase(relative);
        return;
    }
    for (const auto& running : FRunning)
        if (running.second.Path == relative)
            return;
    for (const auto& probing : FProbing)
        if (probing.second.Path == relative)
            return;
    const auto [pending, fresh] = FPending.try_emplace(relative, TPending{stamp, Now()});
    if (fresh)
        return;
    if (pending->second.Stamp != stamp) {
        pending->second = {stamp, Now()};
        return;
    }
    if (Now() - pending->second.Since < FStillTime || !FProbes->HasRoom())
        return;
    // Held open for writing, or less than whole, the file counts as
    // changing from now on.
    if (IsOpenForWriting(FSetup.InDir + relative) ||
        HoldsLessThanItsHeaderSays(FSetup.InDir + relative)) {
        pending->second.Since = Now();
        return;
    }
    FPending.erase(pending);
    Probe(relative, stamp);
}

void TFolderWatch::Probe(const std::string& relative, const TStamp& stamp)
{
    const quint64 id = ++FProbeSerial;
    FProbing[id] = {relative, stamp};
    // An encoder that cannot start fails the conversion too, with its reason.
    if (FProbes->Probe(id, QString::fromStdString(FSetup.InDir + relative)) ==
        TProbeQueue::Start::Failed) {
        FProbing.erase(id);
        Take(relative, stamp, {});
    }
}

void TFolderWatch::OnProbed(quint64 id, const TProbeResult& result)
{
    const auto probing = FProbing.find(id);
    if (probing == FProbing.end() || FStopping)
        return;
    const TTaken taken = probing->second;
    FProbing.erase(probing);
    // Changed meanwhile: it waits to stand still again.
    const auto now = StatFile(FSetup.InDir + taken.Path);
    if (!now)
        return;
    if (const TStamp stamp{now->first, now->second}; stamp != taken.Stamp) {
        FPending[taken.Path] = {stamp, Now()};
        return;
    }
    if (!result.NoVideo) {
        Take(taken.Path, taken.Stamp, result.LengthText.toStdString());
        return;
    }
    FSay(QCoreApplication::translate("HeadlessInputs", "'%1' skipped: holds no video picture")
             .arg(QString::fromStdString(FSetup.InDir + taken.Path))
             .toStdString());
    FDone[taken.Path] = taken.Stamp;
    SaveState();
}

void TFolderWatch::Take(const std::string& relative, const TStamp& stamp, const std::string& length)
{
    ltvItemData task = NewTaskRecord(FSetup.InDir + relative, {}, {}, FSetup.Options.OutputExt);
    task.TargetText = FSetup.TargetText;
    if (ParseTimeText(length) > 0)
        SetTaskLength(task, length);
    int index = FBatch.Enqueue(task);
    if (index < 0) {
        FRunning.clear();
        FBatch.Start({std::move(task)}, FSetup.Options);
        index = 0;
        if (const int left = FBatch.LeftFilesRemoved(); left > 0)
            FSay(tr("removed %n hidden working file(s) left in '%1' by runs that ended without "
                    "cleaning up",
                    nullptr, left)
                     .arg(QString::fromStdString(FOutDir))
                     .toStdString());
    }
    FRunning[index] = {relative, stamp};
}

void TFolderWatch::OnTaskEnded(int task, TaskState end)
{
    const auto running = FRunning.find(task);
    if (running == FRunning.end())
        return;
    const TTaken taken = running->second;
    FRunning.erase(running);
    // A stopped task is taken again by the next run; a failed one only once
    // it changes, or it would fail again every few seconds.
    if (end == TaskState::Stopped)
        return;
    // A file that went away (its folder, too) or changed under the encoder
    // is looked at afresh when it stands still again.
    const auto now = StatFile(FSetup.InDir + taken.Path);
    if (end == TaskState::Failed && (!now || TStamp{now->first, now->second} != taken.Stamp))
        return;
    FDone[taken.Path] = taken.Stamp;
    SaveState();
    if (end == TaskState::Complete && !FSetup.DoneDir.empty())
        MoveToDone(taken.Path);
}

void TFolderWatch::OnBatchEnded()
{
    // A task whose encoder could not start never ended: it is looked at
    // again.
    FRunning.clear();
    if (FStopping)
        emit Finished();
}

void TFolderWatch::MoveToDone(const std::string& relative)
{
    const fs::path source(FSetup.InDir + relative);
    const fs::path target(FSetup.DoneDir + relative);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    for (int candidate = 1; candidate < 10000; ++candidate) {
        const fs::path name =
            candidate == 1
                ? target
                : target.parent_path() / (target.stem().string() + "_" + std::to_string(candidate) +
                                          target.extension().string());
        // A link never replaces a name, where a rename would.
        if (::link(source.c_str(), name.c_str()) == 0) {
            ::unlink(source.c_str());
            return;
        }
        if (errno == EEXIST)
            continue;
        // Another file system: a copy, which again replaces nothing.
        if (fs::copy_file(source, name, fs::copy_options::none, error)) {
            fs::remove(source, error);
            return;
        }
        if (error == std::errc::file_exists)
            continue;
        break;
    }
    FSay(tr("'%1' could not be moved to '%2': %3")
             .arg(QString::fromStdString(source.string()), QString::fromStdString(FSetup.DoneDir),
                  QString::fromStdString(error.message()))
             .toStdString());
}

void TFolderWatch::LoadState()
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(FStatePath, error);
    if (!fs::exists(status))
        return;
    if (!fs::is_regular_file(status)) {
        SetStateAside(tr("it is not a file").toStdString());
        return;
    }
    const TNewInifile state(FStatePath);
    const std::string unread = state.ReadError();
    bool damaged = false;
    const auto take = [&](std::string_view text) {
        const auto line = ParseWatchStateLine(text);
        if (line)
            FDone[line->first] = line->second;
        damaged = damaged || !line;
    };
    if (unread.empty()) {
        for (const std::string& key : state.SectionKeys(StateSection))
            take(state.ReadString(StateSection, key, {}));
    } else {
        // Bytes that are no text (a crash's zeros) spoil their own lines
        // only: every other line still names what was converted.
        std::ifstream file(FStatePath, std::ios::binary);
        for (std::string line; std::getline(file, line);)
            if (const std::size_t equals = line.find('=');
                equals != std::string::npos && line.find('\0') == std::string::npos)
                take(std::string_view(line).substr(equals + 1,
                                                   line.find_last_not_of('\r') - equals));
        damaged = true;
    }
    if (damaged)
        SetStateAside(unread.empty() ? tr("some of its lines name no file").toStdString() : unread);
    // One that cannot be written would have every restart convert anew.
    else if (::access(FStatePath.c_str(), W_OK) != 0)
        SetStateAside(std::strerror(errno));
    else
        return;
    // What could be read is kept.
    SaveState();
}

void TFolderWatch::SetStateAside(const std::string& why)
{
    std::string aside;
    for (int attempt = 1; attempt < 1000; ++attempt) {
        aside = SetAsideName(FStatePath, attempt);
        std::error_code error;
        if (fs::symlink_status(aside, error).type() == fs::file_type::not_found)
            break;
    }
    std::error_code error;
    fs::rename(FStatePath, aside, error);
    FSay(tr("'%1' is damaged (%2); it is set aside as '%3'")
             .arg(QString::fromStdString(FStatePath), QString::fromStdString(why),
                  QString::fromStdString(error ? error.message() : aside))
             .toStdString());
}

void TFolderWatch::SaveState()
{
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [relative, stamp] : FDone)
        lines.emplace_back(std::to_string(lines.size() + 1), WatchStateLine(relative, stamp));
    auto state = std::make_unique<TNewInifile>(FStatePath);
    state->WriteSection(StateSection, lines);
    try {
        TNewInifile::SaveAndFree(std::move(state));
    } catch (const EIniWriteError& failure) {
        FSay(tr("'%1' cannot be written: %2")
                 .arg(QString::fromStdString(FStatePath), QString::fromUtf8(failure.what()))
                 .toStdString());
    }
}
