// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/BatchEngine.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

class QFileSystemWatcher;
class THeadlessBatch;

// The state file a watch keeps in its output folder.
inline constexpr char WatchStateFileName[] = ".quenby-watch.ini";

// How long a file's size and time must stand still before a watch takes it,
// in milliseconds; QUENBY_TEST_WATCH_STILL_MS shortens it for tests.
int WatchStillTime();

// Converts each supported video that appears in a folder or its sub-folders
// once its size and modification time have stood still for WatchStillTime,
// through a batch that takes tasks while it runs. A file still being copied
// changes its size or time, and so is never taken.
//
// inotify (QFileSystemWatcher) tells of changes at once; a rescan every few
// seconds finds what it cannot see (network folders) and a folder that
// vanished and came back. Hidden entries (working files of other programs,
// rsync's) and the output and done folders are left alone.
//
// What was converted, or failed, is kept by its path, size and time in the
// state file, so that a restart converts it again only when it changed.
// Outputs never replace anything (the batch renames), and with a done folder
// each converted input moves there, under an indexed name when its own is
// taken.
class TFolderWatch : public QObject
{
    Q_OBJECT

public:
    struct TSetup
    {
        // Absolute, ending in a separator.
        std::string InDir;
        // Absolute, ending in a separator; empty for none.
        std::string DoneDir;
        // Rename is forced on.
        TBatchOptions Options;
    };

    TFolderWatch(TSetup setup, THeadlessBatch& batch, std::function<void(const std::string&)> say,
                 QObject* parent = nullptr);
    ~TFolderWatch() override;

    // Reads the state file and takes the folder's first look.
    void Begin();
    // Stops the running batch (its working files are removed) and takes
    // nothing more; Finished follows from the event loop.
    void Interrupt();

signals:
    void Finished();

private:
    struct TStamp
    {
        std::int64_t Size = -1;
        std::int64_t Time = -1;
        bool operator==(const TStamp&) const = default;
    };
    struct TPending
    {
        TStamp Stamp;
        // When the stamp was first seen as it is, by FClock.
        std::int64_t Since = 0;
    };
    struct TTaken
    {
        std::string Path;
        TStamp Stamp;
    };

    void Rescan();
    void CheckPending();
    void Observe(const std::string& relative, const TStamp& stamp);
    void Take(const std::string& relative, const TStamp& stamp);
    void OnTaskEnded(int task, TBatchEngine::TaskEnd end);
    void OnBatchEnded();
    void MoveToDone(const std::string& relative);
    bool IsLeftOut(const std::string& directory) const;
    void LoadState();
    void SaveState();
    std::int64_t Now() const;

    const TSetup FSetup;
    THeadlessBatch& FBatch;
    const std::function<void(const std::string&)> FSay;
    const int FStillTime;
    QFileSystemWatcher* FWatcher;
    QTimer FPendingTimer;
    QTimer FRescanTimer;
    QTimer FChangeTimer;
    // Files seen but not yet still long enough, by path under InDir.
    std::map<std::string, TPending> FPending;
    // Files converted or failed.
    std::map<std::string, TStamp> FDone;
    // The running batch's tasks.
    std::map<int, TTaken> FRunning;
    std::string FOutDir;
    std::string FStatePath;
    bool FGone = false;
    bool FStopping = false;
};
