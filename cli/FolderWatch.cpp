// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FolderWatch.h"

#include "base/NewInifiles.h"
#include "base/PathText.h"
#include "cli/HeadlessBatch.h"
#include "tasks/TaskPaths.h"

#include <QFileSystemWatcher>
#include <QSet>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
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
}

TFolderWatch::~TFolderWatch() = default;

void TFolderWatch::Begin()
{
    LoadState();
    Rescan();
    FPendingTimer.start();
    FRescanTimer.start();
}

void TFolderWatch::Interrupt()
{
    if (FStopping)
        return;
    FStopping = true;
    FPendingTimer.stop();
    FRescanTimer.stop();
    FChangeTimer.stop();
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
    if (std::erase_if(FDone, [&](const auto& done) { return !found.contains(done.first); }) > 0)
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
    const auto [pending, fresh] = FPending.try_emplace(relative, TPending{stamp, Now()});
    if (fresh)
        return;
    if (pending->second.Stamp != stamp) {
        pending->second = {stamp, Now()};
        return;
    }
    if (Now() - pending->second.Since < FStillTime)
        return;
    FPending.erase(pending);
    Take(relative, stamp);
}

void TFolderWatch::Take(const std::string& relative, const TStamp& stamp)
{
    ltvItemData task = NewTaskRecord(FSetup.InDir + relative, {}, {}, FSetup.Options.OutputExt);
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

void TFolderWatch::OnTaskEnded(int task, TBatchEngine::TaskEnd end)
{
    const auto running = FRunning.find(task);
    if (running == FRunning.end())
        return;
    const TTaken taken = running->second;
    FRunning.erase(running);
    // A stopped task is taken again by the next run; a failed one only once
    // it changes, or it would fail again every few seconds.
    if (end == TBatchEngine::TaskEnd::Stopped)
        return;
    // A file that went away (its folder, too) or changed under the encoder
    // is looked at afresh when it stands still again.
    const auto now = StatFile(FSetup.InDir + taken.Path);
    if (end == TBatchEngine::TaskEnd::Failed &&
        (!now || TStamp{now->first, now->second} != taken.Stamp))
        return;
    FDone[taken.Path] = taken.Stamp;
    SaveState();
    if (end == TBatchEngine::TaskEnd::Complete && !FSetup.DoneDir.empty())
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
    const TNewInifile state(FStatePath);
    if (const std::string unread = state.ReadError(); !unread.empty())
        FSay(tr("'%1' cannot be read (%2); every file counts as new")
                 .arg(QString::fromStdString(FStatePath), QString::fromStdString(unread))
                 .toStdString());
    for (const std::string& key : state.SectionKeys(StateSection)) {
        // "SIZE TIME PATH": the path last, as it may hold blanks.
        const std::string line = state.ReadString(StateSection, key, {});
        const std::size_t first = line.find(' ');
        const std::size_t second = line.find(' ', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        FDone[line.substr(second + 1)] = {std::atoll(line.substr(0, first).c_str()),
                                          std::atoll(line.substr(first + 1).c_str())};
    }
}

void TFolderWatch::SaveState()
{
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [relative, stamp] : FDone)
        lines.emplace_back(std::to_string(lines.size() + 1), std::to_string(stamp.Size) + " " +
                                                                 std::to_string(stamp.Time) + " " +
                                                                 relative);
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
