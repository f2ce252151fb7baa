// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/WatchState.h"
#include "convert/BatchEngine.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QFileSystemWatcher;
class QLockFile;
class THeadlessBatch;
class TProbeQueue;
struct TProbeResult;

// The state file a watch keeps in its output folder.
inline constexpr char WatchStateFileName[] = ".quenby-watch.ini";

// How long a file's size and time must stand still before a watch takes it,
// in milliseconds; QUENBY_TEST_WATCH_STILL_MS shortens it for tests.
int WatchStillTime();

// Converts each supported video that appears in a folder or its sub-folders
// once its size and modification time have stood still for WatchStillTime
// and no process holds it open for writing, through a batch that takes
// tasks while it runs. A copy that goes on changes its size or time; one
// that stalls still holds its file open; an AVI cut off holds less than its
// header says; so none is taken. A file is
// probed before it is taken: one without a picture is left out with a
// note, and the probe's length lets a target size be planned. A conversion
// that ends well before the length its input states fails, as the file is
// not whole (a copy cut off), and is tried again once the file changes.
//
// inotify (QFileSystemWatcher) tells of changes at once; a rescan every few
// seconds finds what it cannot see (network folders) and a folder that
// vanished and came back. Hidden entries (working files of other programs,
// rsync's) and the output and done folders are left alone.
//
// What was converted, or failed, is kept by its path, size and time in the
// state file, so that a restart converts it again only when it changed. One
// watch at a time keeps a state file: a lock beside it refuses a second
// watch into the same folder. A state file that cannot be read or written
// is set aside as ".bad", and a watched folder found empty (a share not
// mounted) forgets nothing.
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
        // The size each output should take ("300kB"); empty for none.
        std::string TargetText;
    };

    TFolderWatch(TSetup setup, THeadlessBatch& batch, std::function<void(const std::string&)> say,
                 QObject* parent = nullptr);
    ~TFolderWatch() override;

    // Locks and reads the state file and takes the folder's first look; why
    // it cannot watch (another watch holds the state) when it cannot.
    std::string Begin();
    // Stops the running batch (its working files are removed) and takes
    // nothing more; Finished follows from the event loop.
    void Interrupt();

signals:
    void Finished();

private:
    using TStamp = TWatchStamp;
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
    void Probe(const std::string& relative, const TStamp& stamp);
    void OnProbed(quint64 id, const TProbeResult& result);
    void Take(const std::string& relative, const TStamp& stamp, const std::string& length);
    void OnTaskEnded(int task, TaskState end);
    void OnBatchEnded();
    void MoveToDone(const std::string& relative);
    bool IsLeftOut(const std::string& directory) const;
    void LoadState();
    void SetStateAside(const std::string& why);
    void SaveState();
    std::int64_t Now() const;

    const TSetup FSetup;
    THeadlessBatch& FBatch;
    const std::function<void(const std::string&)> FSay;
    const int FStillTime;
    QFileSystemWatcher* FWatcher;
    TProbeQueue* FProbes;
    std::unique_ptr<QLockFile> FLock;
    QTimer FPendingTimer;
    QTimer FRescanTimer;
    QTimer FChangeTimer;
    // Files seen but not yet still long enough, by path under InDir.
    std::map<std::string, TPending> FPending;
    // Files converted or failed.
    std::map<std::string, TStamp> FDone;
    // The running batch's tasks, and the files being probed.
    std::map<int, TTaken> FRunning;
    std::map<quint64, TTaken> FProbing;
    quint64 FProbeSerial = 0;
    std::string FOutDir;
    std::string FStatePath;
    bool FGone = false;
    bool FStopping = false;
};
