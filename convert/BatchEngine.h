// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionJob.h"
#include "encoder/TrackRules.h"
#include "tasks/TaskPlan.h"
#include "tasks/TaskRecord.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class EncoderChannel;
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
    // once (its job tells NoPicture), unless its own conversion makes none: no
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
// Each task of a run is a job (TConversionJob), addressed by its place in
// the run's queue: the list given to Start, then each Enqueue's in turn.
// Every report hands out the job itself, so that whoever shows a run reads
// each task's state, progress, log, output and notes from the report and
// asks the engine nothing back. Every signal is emitted from the event loop
// or from Stop, never from Start or Enqueue.
class TBatchEngine : public QObject
{
    Q_OBJECT

public:
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

    // The jobs of this run (or the last one), for tests; the reports carry
    // the same.
    int JobCount() const { return static_cast<int>(FJobs.size()); }
    const TConversionJob& Job(int id) const { return *FJobs[static_cast<std::size_t>(id)]; }
    // Tasks of this run (or the last one) that failed.
    int FailedCount() const { return FFailed; }
    // The running task that comes first in the list; -1 when none runs.
    int EarliestRunningTask() const;
    // How many hidden files of killed runs the last Start removed.
    int LeftFilesRemoved() const { return FLeftFilesRemoved; }

    // The encoder of a running task, for tests that check it is reaped.
    bool IsEncoderRunning(int task) const;
    qint64 EncoderProcessId(int task) const;

    // One read of a running task's encoder output; public so that tests can
    // feed a run exactly the reads they want to examine.
    void OnChunk(int task, const QByteArray& chunk);

signals:
    // The job's encoder is about to start; its output is meant for
    // `job.Planned`.
    void JobStarted(const TConversionJob& job);
    // The job's encoded time moved on to `job.Percent` of its span. Not
    // emitted for a task whose span is 0 or unknown.
    void JobProgress(const TConversionJob& job);
    // The run's percent: finished spans plus every running task's progress,
    // of all spans. Not emitted while the spans add up to 0.
    void TotalProgress(int percent);
    // The job has ended Complete, Failed (`job.Reason` tells why) or
    // Stopped; its output, notes and log are final.
    void JobEnded(const TConversionJob& job);
    // The run is over, `failed` of its `tasks` failed; nothing runs any
    // more when this is emitted.
    void BatchEnded(TBatchEngine::BatchEnd end, int failed, int tasks);

private:
    struct TSlot;

    TSlot& SlotAt(std::size_t index);
    TSlot* SlotOf(int task) const;
    void AddJob(ltvItemData task, const TTaskPlan* plan);
    void ScheduleFill();
    void Fill();
    void StartTask(TSlot& slot, TConversionJob& job);
    void OnConverted(TSlot& slot, QString reason);
    bool CompleteTask(TSlot& slot, TConversionJob& job);
    // Kills the slot's encoder and removes what it wrote.
    void Abandon(TSlot& slot);
    QString Finish(TSlot& slot, TConversionJob& job, bool succeeded);
    void FailForNoPicture(TSlot& slot);
    void End(TConversionJob& job, TaskState state, const QString& reason);
    void SetPaused(bool paused);
    void EmitTotal();
    void GoOn();
    void EndRunIfIdle();
    int RunningCount() const;

    std::vector<std::unique_ptr<TSlot>> FSlots;
    // Held by pointer: a listener of a report may enqueue, and the job it
    // was handed stays where it is.
    std::vector<std::unique_ptr<TConversionJob>> FJobs;
    std::unique_ptr<TRunNames> FNames;
    // This machine, as working names carry it.
    std::string FHost;
    int FLeftFilesRemoved = 0;
    int FSerial = 0;
    TBatchOptions FOptions;
    std::unique_ptr<TPlanProfiles> FProfiles;
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
