// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/EncoderLog.h"
#include "encoder/TrackRules.h"
#include "tasks/TaskPlan.h"
#include "tasks/TaskRecord.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class EncoderChannel;
class QTemporaryDir;
class TRunNames;
struct TProfileChoice;

// Everything a run is given besides its tasks; fixed when the run starts.
struct TBatchOptions
{
    // The encoder, started once per task.
    QString EncoderPath;
    // The encoder's switches for a task that brings no plan of its own and
    // has no Choice to be planned with; each such task adds its trim
    // switches to them.
    std::vector<std::string> Arguments;
    // Where the outputs go, ending in a separator.
    std::string OutputDir;
    // The output extension, with its dot, for a task that brings none.
    std::string OutputExt;
    // "Not overwrite": an output name that exists takes an indexed name.
    bool Rename = false;
    // How many encoders may run at once (at least 1).
    int SimultaneousTasks = 1;
    // A task whose length is not known (its file was not probed) takes it
    // from the encoder's description of the input that every conversion
    // begins with; its progress and its share of the total count from then.
    bool LengthFromReport = false;
    // The profile a task without a plan of its own is planned with
    // (MakeTaskPlan) when it joins the run: its target, where one is set, is
    // planned from the task's own length. Without it, such a task converts
    // with Arguments and OutputExt, and a target counts for nothing.
    std::shared_ptr<const TProfileChoice> Choice;
    // After each conversion, compare the output with its source (SSIM and
    // PSNR) on samples that take at most a fifth of the conversion's time.
    // A task whose output has no picture is never checked.
    bool CheckQuality = false;
    // Which sound and subtitle tracks every task keeps; the default leaves
    // the encoder its own picks. A task whose file cannot meet the choice
    // fails with the reason before its encoder starts.
    TTrackChoice Tracks;
    // A file's tracks, read when a task starts while Tracks asks for more
    // than the default or the encoder would pick a subtitle by itself
    // (PicksSubtitlesItself); without it, tracks are asked for by kind alone.
    std::function<std::vector<TMediaTrack>(const std::string& inputPath)> ReadTracks;
    // A conversion that ends well short of the length its input states
    // fails: the input is not whole (a copy cut off or still going on).
    bool WholeInputs = false;
    // A task whose input the encoder describes without a picture fails at
    // once (TaskHadNoPicture), unless its own conversion makes none: no
    // file has to be probed before the batch to tell.
    bool NeedsPicture = false;
};

// How far over its target an output may land before its task fails: the
// encoders' rate control misses by a little, and a limit set for a mail
// attachment or an upload cap holds a little slack.
inline constexpr double TargetTolerance = 0.03;

// Converts a queue of tasks with one encoder run per task, in queue order,
// keeping up to SimultaneousTasks encoders running. Start opens a run with
// its first tasks; Enqueue adds more while it runs. It decides each task's
// output path and switches, reads the encoders' output for progress and
// failure, and reports everything through its signals; it shows nothing and
// asks nothing, so a window and a command line can both sit on top of it.
//
// An output appears under its name only when its conversion succeeded: the
// encoder writes to a hidden name beside it, which is renamed to the output
// on success and removed on failure, on Stop and when the engine is
// destroyed during a run. No output replaces an input of the batch or an
// output of the same run. With "Not overwrite" nothing is ever replaced:
// when another run takes the chosen name while the task runs, the output
// takes the next name of the same rule. A run starts by removing the hidden
// files that killed runs of this machine left in the output folder.
//
// Tasks are addressed by their place in the run's queue: the list given to
// Start, then each Enqueue's in turn. Every signal is emitted from the event
// loop or from Stop, never from Start or Enqueue.
class TBatchEngine : public QObject
{
    Q_OBJECT

public:
    enum class TaskEnd
    {
        Complete,
        Failed,
        Stopped
    };
    Q_ENUM(TaskEnd)

    enum class BatchEnd
    {
        // Every task was converted or failed on its own.
        Completed,
        // Stop ended the run.
        Stopped,
        // An encoder could not be started; the tasks after it were not tried.
        StartFailed
    };
    Q_ENUM(BatchEnd)

    explicit TBatchEngine(QObject* parent = nullptr);
    ~TBatchEngine() override;

    // Starts a run over `tasks`, a snapshot of the list: later changes to
    // the list do not reach it. Task i is converted as `plans[i]` says,
    // when there is one; a task without one is planned once from `options`.
    // A task whose plan is refused fails with its reason. False when a run
    // is under way.
    bool Start(std::vector<ltvItemData> tasks, const TBatchOptions& options,
               std::vector<TTaskPlan> plans = {});

    // Appends a task to the running run's queue: it starts after every task
    // queued before it and counts in the total from now on. Returns its
    // place in the queue; -1, and nothing is queued, when no run is under
    // way (a run that has ended takes a new Start). A run whose encoder
    // could not be started starts nothing more, so the task then never runs.
    int Enqueue(ltvItemData task);
    // The plan a task of the run converts by.
    const TTaskPlan& Plan(int task) const { return FPlans[static_cast<std::size_t>(task)]; }

    // Kills every running encoder (each of those tasks ends Stopped), starts
    // nothing more and ends the run, all before it returns. Does nothing
    // when no run is under way.
    void Stop();

    bool IsRunning() const { return FRunning; }

    // Suspends every running encoder where it is and starts no other until
    // Resume; the run's clock is the caller's to stop. Stop still works, and
    // ends a paused run as any other. Each does nothing when there is
    // nothing to change.
    void Pause();
    void Resume();
    bool IsPaused() const { return FPaused; }
    int TaskCount() const { return static_cast<int>(FTasks.size()); }
    // Tasks of this run (or the last one) whose encoder failed.
    int FailedCount() const { return FFailed; }
    // The running task that comes first in the list; -1 when none runs.
    int EarliestRunningTask() const;
    // The running tasks in list order.
    std::vector<int> RunningTasks() const;
    // The last progress of a task in percent of its span; 0 before any.
    int TaskPercent(int task) const;
    const ltvItemData& Task(int task) const { return FTasks[static_cast<std::size_t>(task)]; }
    // The name the task's output was saved as, which another run into the
    // folder may have made differ from the one TaskStarted told. Empty
    // until the output is in place, and for an encoder that wrote nothing.
    const std::string& TaskOutput(int task) const
    {
        return FOutputs[static_cast<std::size_t>(task)];
    }
    // The task failed as its input holds no picture (NeedsPicture).
    bool TaskHadNoPicture(int task) const { return FNoPicture.contains(task); }
    // How many hidden files of killed runs the last Start removed.
    int LeftFilesRemoved() const { return FLeftFilesRemoved; }
    // What the task's encoder wrote in this run (or the last one), within
    // the log's limit, and the name its output was saved as; empty for a
    // task not started.
    const TEncoderLog& TaskLog(int task) const { return FLogs[static_cast<std::size_t>(task)]; }
    // What a completed task's output came to: the planned and the reached
    // size ("planned 2.00 MB, reached 1.93 MB"; a task whose output is over
    // its target by more than TargetTolerance fails, its output kept), and the quality check's
    // outcome ("good (SSIM 0.962, PSNR 35.1 dB)", or why it failed); each
    // empty when there is nothing to tell.
    const std::string& TaskSizeNote(int task) const
    {
        return FNotes[static_cast<std::size_t>(task)].Size;
    }
    const std::string& TaskQualityNote(int task) const
    {
        return FNotes[static_cast<std::size_t>(task)].Quality;
    }

    // The encoder of a running task, for tests that check it is reaped.
    bool IsEncoderRunning(int task) const;
    qint64 EncoderProcessId(int task) const;

    // One read of a running task's encoder output; public so that tests can
    // feed a run exactly the reads they want to examine.
    void OnChunk(int task, const QByteArray& chunk);

signals:
    // The task's encoder is about to start; its output is meant for
    // `outputPath` (TaskOutput tells the name it really got).
    void TaskStarted(int task, const QString& outputPath);
    // The task's encoded time moved on: its percent of the task's span.
    // Not emitted for a task whose span is 0 or unknown.
    void TaskProgress(int task, int percent);
    // The run's percent: finished spans plus every running task's progress,
    // of all spans. Not emitted while the spans add up to 0.
    void TotalProgress(int percent);
    // The task has ended; `reason` tells why a task failed.
    void TaskFinished(int task, TBatchEngine::TaskEnd end, const QString& reason);
    // The run is over; nothing runs any more when this is emitted.
    void BatchEnded(TBatchEngine::BatchEnd end);

private:
    struct TSlot;

    TSlot& SlotAt(std::size_t index);
    TSlot* SlotOf(int task) const;
    void ScheduleFill();
    void Fill();
    void StartTask(TSlot& slot, int task);
    bool StartEncoder(TSlot& slot, int task, const std::vector<std::string>& arguments,
                      const std::string& output);
    void CompleteTask(TSlot& slot, int task);
    void StartCheckSample(TSlot& slot, int task);
    void OnCheckFinished(TSlot& slot, int exitCode, bool crashed);
    // The encoded seconds of a slot's task, both passes counted as one.
    double SlotSeconds(const TSlot& slot) const;
    double EndTime(const TSlot& slot, const std::string& tail) const;
    void OnFinished(TSlot& slot, int exitCode, bool crashed);
    // Kills the slot's encoder and removes what it wrote.
    void Abandon(TSlot& slot);
    QString Finish(TSlot& slot, int task, bool succeeded);
    void LearnLength(TSlot& slot);
    // Whether the encoder's description of the input, once whole, shows no
    // picture; it is looked at only until then.
    bool LacksPicture(TSlot& slot);
    void FailForNoPicture(TSlot& slot, int task);
    std::string PassLogBase();
    void EmitTotal();
    void GoOn();
    void EndRunIfIdle();
    int RunningCount() const;

    std::vector<std::unique_ptr<TSlot>> FSlots;
    std::vector<ltvItemData> FTasks;
    std::unique_ptr<TRunNames> FNames;
    std::vector<std::string> FOutputs;
    // This machine, as working names carry it.
    std::string FHost;
    int FLeftFilesRemoved = 0;
    int FSerial = 0;
    std::vector<int> FPercents;
    std::vector<TEncoderLog> FLogs;
    struct TNotes
    {
        std::string Size;
        std::string Quality;
    };
    std::vector<TNotes> FNotes;
    std::set<int> FNoPicture;
    TBatchOptions FOptions;
    std::vector<TTaskPlan> FPlans;
    std::unique_ptr<TPlanProfiles> FProfiles;
    std::unique_ptr<QTemporaryDir> FPassDir;
    bool FRunning = false;
    bool FPaused = false;
    bool FFillPending = false;
    bool FStartFailed = false;
    // Counts runs, so that a fill posted for an ended run does nothing.
    quint64 FRun = 0;
    int FNext = 0;
    int FFailed = 0;
    double FTotal = 0;
    double FDone = 0;
};
