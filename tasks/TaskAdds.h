// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/MediaProbe.h"
#include "tasks/TaskModel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class Platform;
class QWidget;
class TProbeQueue;
class TProfileDetail;

// Adding files and directories to the task list: each file is probed with
// the encoder at `encoderPath` and listed under the duplicate rule, what is
// not added is told in one message, and what comes during a batch waits for
// its end. The first add hides the welcome panel `panbg`; `window` owns the
// messages. A new task's output extension is the profile detail's at the
// time of the add.
class TTaskAdds : public QObject
{
    Q_OBJECT

public:
    TTaskAdds(QWidget* window, QWidget* panbg, TTaskModel& model, Platform& platform,
              TProfileDetail& detail, const QString& encoderPath, QObject* parent = nullptr);

    // The window has closed: an add still under way stops, as probing the
    // rest would only hold up the program's exit. Nothing after the cut is
    // listed and no probe outlives it.
    void WindowClosed();

    // Adds files and directories (each directory's supported files, sorted)
    // in the given order. Up to as many files as there are cores are probed
    // at once, and a row appears once its probe and those of every row
    // before it are done, so the rows come in the order, and under the
    // duplicate rule, of adding the files one by one. An add requested while
    // another is under way follows it. Remove, Clear and Start may run
    // meanwhile; the add goes on with the list as it then is. `unnamable`
    // (and such names found in the directories) are listed in one message;
    // `done` runs once every path has been listed or skipped.
    void AddTaskPaths(const QStringList& paths, const std::vector<std::string>& unnamable = {},
                      std::function<void()> done = {});
    // As AddTaskPaths, but while a batch runs the paths wait for its end
    // (the list is locked meanwhile) and are added then, in the order they
    // came.
    void AddWhenIdle(const QStringList& paths, const std::vector<std::string>& unnamable = {},
                     std::function<void()> done = {});
    void AddTaskDirectory(const QString& directory);
    // Tasks kept from the last session, appended as they were saved, with
    // their names, trims and statuses. A task whose file got shorter since
    // is held to its new length once its file has been probed.
    void AddKeptTasks(const std::vector<ltvItemData>& tasks);
    // True while an add is under way.
    bool IsAdding() const { return !FPending.empty(); }
    // The files handed to the adds and not yet listed, also those a closed
    // window cut short, as new tasks: kept with the list, so that no file
    // given to the window is lost at its close. A file found to hold no
    // picture is no longer among them.
    std::vector<ltvItemData> UnlistedTasks() const;
    // A batch starts or ends; at its end the adds that waited for it run.
    void SetBatchRunning(bool running);

    // Tells the user, in one message, that these files or directories were
    // not added because their names are not valid UTF-8. `paths` are the
    // names' bytes; nothing is shown for none.
    void ReportUnnamable(const std::vector<std::string>& paths);
    // The same for files named like videos whose probe found no picture.
    void ReportNoVideo(const std::vector<std::string>& paths);
    // Tells the user, in one message titled `title`, `text` followed by the
    // paths, one a line; nothing is shown for none.
    void ReportFiles(const QString& text, const QString& title,
                     const std::vector<std::string>& paths);

signals:
    // Every add under way has ended (also when it was cut short).
    void AddsDone();

private:
    bool IsListed(const QString& path, const std::vector<TTask>& unlisted = {}) const;

    // The add under way: one entry per file, in list order, and the end of
    // each request with what runs then.
    struct TPendingAdd
    {
        enum State
        {
            Waiting,
            // Listed, or to be listed by an entry before it: probed only if
            // that is no longer so when its turn comes.
            Deferred,
            Probing,
            Probed,
            // The end of a request.
            RequestEnd
        };
        State FState = Waiting;
        QString Path;
        std::string NewExt; // the output extension when the add was asked for
        quint64 Id = 0;
        TProbeResult Result;
        std::function<void()> Done;
    };
    void Enqueue(const QString& path);
    void PumpAdds();
    bool ListPendingHead();
    void StartProbes();
    void OnProbed(quint64 id, const TProbeResult& result);
    static TTask NewTask(const QString& path, const TProbeResult& probe, const std::string& newExt);
    void CancelAdds();

    QWidget* const FWindow;
    QWidget* const FPanbg;
    TTaskModel& FModel;
    // The listed inputs by their text and by their file, kept as rows come
    // and go, so that an add looks a file up rather than reading every row.
    void IndexRows(int first, int last, int sign);
    std::unordered_map<std::string, int> FListedTexts;
    std::multimap<TFileId, std::string> FListedFiles;
    Platform& FPlatform;
    TProfileDetail& FDetail;
    const QString FEncoderPath;
    bool FClosed = false;
    bool FBatchRunning = false;
    // The adds that wait for the batch's end, their folders already read.
    struct TWaitingAdd
    {
        QStringList Files;
        std::vector<std::string> Unnamable;
        std::function<void()> Done;
    };
    std::vector<TWaitingAdd> FAfterBatch;
    // What the window's close cut short.
    std::vector<ltvItemData> FCut;
    std::deque<TPendingAdd> FPending;
    // Files of the adds under way left out for holding no picture, told in
    // one message when their request ends.
    std::vector<std::string> FNoVideo;
    TProbeQueue* FProbes = nullptr;
    quint64 FNextId = 0;
    bool FPumping = false;
};
