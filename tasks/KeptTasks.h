// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/SavedTasks.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class Platform;
class QLineEdit;
class QWidget;
class TTaskList;

// Keeps the task list in "Tasks.ini" between sessions, so that a crash, a
// kill, a power cut or a closed window loses none of the user's renames and
// trims. Every change of the list is written within a second, changes that
// come together in one write; the progress of a batch is no change of the
// list. The window only copies the list: a thread of the keeper's own writes
// and syncs it, which on a busy disk may take longer than the window may
// stop answering. At start-up it offers the tasks the last session left
// unconverted. One window at a time keeps the list: a lock file beside it
// says which, and a window without it neither offers nor writes the list.
class TKeptTasks : public QObject
{
    Q_OBJECT

public:
    // `path` is the user's Tasks.ini; `window` owns the messages;
    // `edtOutputdir` names where a batch puts its working files.
    TKeptTasks(QWidget* window, const QLineEdit* edtOutputdir, Platform& platform,
               TTaskList& taskList, const std::string& path, QObject* parent = nullptr);
    // Waits for the write under way.
    ~TKeptTasks() override;

    // Start-up, before the command line's files are added: when the last
    // session left tasks unconverted, asks whether to restore them, and
    // restores them or empties the kept list. Tasks a restore leaves out
    // leave the kept list. A question left without an answer (Escape, the
    // close box, the program ending) keeps the list for the next start,
    // where it is offered again with whatever this session adds. A file
    // that holds no list is set aside, never deleted.
    void OfferRestore();
    // Writes a change not yet written, and returns once it is on disk: the
    // program ends. A failure is told on standard error.
    void SaveNow();
    // Writes the list, with the files handed to it that are not listed yet,
    // and returns once it is on disk: a second start that handed files over
    // ends only when they are kept.
    void KeepNow();
    // How many times the list was written, for the benchmarks.
    int Saves() const { return FSaves; }
    // Returns once the writer has written all it was handed, and closed
    // the file.
    void WaitForWriter();

    // Removes what a batch the last session was killed in left in its
    // output directory; the batch's own rules know those files.
    std::function<void(const std::string& outputDir)> RemoveLeftFiles;

private:
    void ListChanged();
    // Hands the list as it is now to the writer.
    void Save();
    void WriterLoop();
    void WriteFailed(const QString& error);
    void SetAside(const QString& reason);
    // The user chose to restore: the tasks that can be are listed, and the
    // rest are told.
    void RestoreTasks(const TTasksToRestore& restore);

    QWidget* const FWindow;
    const QLineEdit* const FOutputDir;
    Platform& FPlatform;
    TTaskList& FTaskList;
    const std::string FPath;
    QLockFile FLock;
    // The last session's tasks while their question has no answer; they
    // are written ahead of this session's.
    std::vector<ltvItemData> FHeld;
    QTimer FDelay;
    // Off when a file that holds no list could not be set aside: writing
    // the list would destroy it.
    bool FKeeping = true;
    // A failed write is told once, until a write succeeds again.
    std::atomic<bool> FFailureShown = false;
    std::atomic<int> FSaves = 0;

    // The writer's share, under FMutex: the newest list not yet taken,
    // whether a write is under way, whether the program ends (failures go
    // to standard error), and whether the writer is to stop.
    std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FIdle;
    std::optional<TSavedTasks> FNext;
    bool FWriting = false;
    bool FEnding = false;
    bool FStop = false;
    std::thread FWriter;
};
