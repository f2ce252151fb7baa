// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchEngine.h"

#include "convert/BatchRules.h"
#include "convert/JobRun.h"
#include "convert/OutputPlace.h"
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

// One encoder place, and where the output of its job goes.
struct TBatchEngine::TSlot
{
    TJobRun Run;
    TOutputPlace Place;
};

TBatchEngine::TBatchEngine(QObject* parent) : QObject(parent) {}

TBatchEngine::~TBatchEngine()
{
    for (const auto& slot : FSlots)
        if (slot->Run.Job())
            Abandon(*slot);
}

TBatchEngine::TSlot& TBatchEngine::SlotAt(std::size_t index)
{
    while (FSlots.size() <= index) {
        FSlots.push_back(std::make_unique<TSlot>());
        TSlot* slot = FSlots.back().get();
        TJobRun* run = &slot->Run;
        connect(run, &TJobRun::Progressed, this, [this, run](bool percentMoved) {
            if (percentMoved)
                emit JobProgress(*run->Job());
            EmitTotal();
        });
        connect(run, &TJobRun::LengthLearnt, this, [this](double seconds) { FTotal += seconds; });
        connect(run, &TJobRun::NoPicture, this, [this, slot] { FailForNoPicture(*slot); });
        connect(run, &TJobRun::Converted, this,
                [this, slot](const QString& reason) { OnConverted(*slot, reason); });
        connect(run, &TJobRun::Checked, this, [this, run] {
            TConversionJob& job = *run->Job();
            run->Free();
            End(job, TaskState::Complete, QString());
            GoOn();
        });
    }
    return *FSlots[index];
}

TBatchEngine::TSlot* TBatchEngine::SlotOf(int task) const
{
    for (const auto& slot : FSlots)
        if (slot->Run.Job() && slot->Run.Job()->Id == task)
            return slot.get();
    return nullptr;
}

int TBatchEngine::RunningCount() const
{
    return static_cast<int>(std::count_if(FSlots.begin(), FSlots.end(),
                                          [](const auto& s) { return s->Run.Job() != nullptr; }));
}

int TBatchEngine::EarliestRunningTask() const
{
    int earliest = -1;
    for (const auto& slot : FSlots)
        if (const TConversionJob* job = slot->Run.Job();
            job && (earliest < 0 || job->Id < earliest))
            earliest = job->Id;
    return earliest;
}

bool TBatchEngine::IsEncoderRunning(int task) const
{
    const TSlot* slot = SlotOf(task);
    return slot && slot->Run.IsEncoderRunning();
}

qint64 TBatchEngine::EncoderProcessId(int task) const
{
    const TSlot* slot = SlotOf(task);
    return slot ? slot->Run.ProcessId() : 0;
}

bool TBatchEngine::Start(std::vector<ltvItemData> tasks, const TBatchOptions& options,
                         std::vector<TTaskPlan> plans)
{
    if (FRunning)
        return false;
    ++FRun;
    std::vector<std::string> inputs;
    inputs.reserve(tasks.size());
    for (const ltvItemData& task : tasks)
        inputs.push_back(task.InputFile);
    FNames = std::make_unique<TRunNames>(std::move(inputs));
    FOptions = options;
    FOptions.SimultaneousTasks = std::max(1, FOptions.SimultaneousTasks);
    FProfiles = std::make_unique<TPlanProfiles>(
        FOptions.Choice ? MakeProfilePlan(*FOptions.Choice)
                        : MakeProfilePlan(FOptions.Arguments, FOptions.OutputExt));
    FDone = 0;
    FTotal = 0;
    FJobs.clear();
    for (std::size_t i = 0; i < tasks.size(); ++i)
        AddJob(std::move(tasks[i]), i < plans.size() ? &plans[i] : nullptr);
    FHost = LocalHostTag();
    FLeftFilesRemoved = RemoveLeftWorkingFiles(FOptions.OutputDir, FHost);
    FRunning = true;
    FPaused = false;
    FStartFailed = false;
    FNext = 0;
    FFailed = 0;
    ScheduleFill();
    return true;
}

// A task that brings no plan is planned here, once.
void TBatchEngine::AddJob(ltvItemData task, const TTaskPlan* plan)
{
    auto job = std::make_unique<TConversionJob>();
    job->Id = JobCount();
    job->Plan =
        plan ? *plan : MakeTaskPlan(*FProfiles, task, {FOptions.CheckQuality}, TranslatedText);
    job->Task = std::move(task);
    FTotal += SecondsInTotal(job->Task);
    FJobs.push_back(std::move(job));
}

int TBatchEngine::Enqueue(ltvItemData task)
{
    if (!FRunning)
        return -1;
    FNames->AddInput(task.InputFile);
    AddJob(std::move(task), nullptr);
    ScheduleFill();
    return JobCount() - 1;
}

// Tasks start from the event loop, one turn after the request: a Stop given
// meanwhile is seen before another encoder starts.
void TBatchEngine::ScheduleFill()
{
    if (FFillPending)
        return;
    FFillPending = true;
    QTimer::singleShot(0, this, [this, run = FRun] {
        FFillPending = false;
        if (run == FRun)
            Fill();
    });
}

void TBatchEngine::Fill()
{
    if (!FRunning || FPaused)
        return;
    for (std::size_t index = 0;
         !FStartFailed && FNext < JobCount() && RunningCount() < FOptions.SimultaneousTasks;
         ++index) {
        TSlot& slot = SlotAt(index);
        if (!slot.Run.Job())
            StartTask(slot, *FJobs[static_cast<std::size_t>(FNext++)]);
    }
    EndRunIfIdle();
}

void TBatchEngine::StartTask(TSlot& slot, TConversionJob& job)
{
    // A target out of reach fails its task with the reason rather than
    // convert at the profile's own rate unseen.
    std::string refusal = job.Plan.Refusal;
    if (refusal.empty())
        refusal = ChooseTracks(job, FOptions.Tracks, FOptions.ReadTracks);
    if (!refusal.empty()) {
        FDone += SecondsInTotal(job.Task);
        End(job, TaskState::Failed, Text(refusal));
        return;
    }
    slot.Place.Name(
        job, {FOptions.OutputDir, FOptions.Rename, FHost, QCoreApplication::applicationPid()},
        *FNames, FSerial);
    job.State = TaskState::Converting;
    job.Log = TEncoderLog();
    emit JobStarted(job);
    const TJobRun::TSetup setup{FOptions.EncoderPath, FOptions.LengthFromReport,
                                FOptions.NeedsPicture, FOptions.WholeInputs};
    if (slot.Run.Begin(job, setup))
        return;
    Finish(slot, job, false);
    FStartFailed = true;
    End(job, TaskState::Failed,
        tr("The encoder \"%1\" cannot be started.").arg(FOptions.EncoderPath));
}

// Moves a succeeded conversion to its name, or removes what a failed one
// wrote; returns why a succeeded one could not be moved.
QString TBatchEngine::Finish(TSlot& slot, TConversionJob& job, bool succeeded)
{
    slot.Run.RemovePassLogs();
    return Text(slot.Place.Place(job, succeeded, *FNames, TranslatedText));
}

void TBatchEngine::Abandon(TSlot& slot)
{
    // A check reads an output that is already in place.
    const bool checking = slot.Run.IsChecking();
    TConversionJob& job = *slot.Run.Job();
    slot.Run.Abandon();
    if (!checking)
        Finish(slot, job, false);
}

void TBatchEngine::OnChunk(int task, const QByteArray& chunk)
{
    if (TSlot* slot = SlotOf(task); FRunning && slot)
        slot->Run.Read(chunk);
}

void TBatchEngine::FailForNoPicture(TSlot& slot)
{
    TConversionJob& job = *slot.Run.Job();
    slot.Run.Abandon();
    Finish(slot, job, false);
    FDone += SecondsInTotal(job.Task);
    job.NoPicture = true;
    End(job, TaskState::Failed, tr("The input holds no video picture."));
    GoOn();
}

void TBatchEngine::EmitTotal()
{
    if (FTotal == 0)
        return;
    double running = 0;
    for (const auto& slot : FSlots)
        running += slot->Run.Seconds();
    emit TotalProgress(ProgressPercent(FDone + running, FTotal));
}

void TBatchEngine::OnConverted(TSlot& slot, QString reason)
{
    TConversionJob& job = *slot.Run.Job();
    slot.Run.Free();
    FDone += SecondsInTotal(job.Task);
    EmitTotal();
    if (!reason.isEmpty())
        Finish(slot, job, false);
    else
        reason = Finish(slot, job, true);
    if (!reason.isEmpty())
        End(job, TaskState::Failed, reason);
    else if (CompleteTask(slot, job))
        return;
    GoOn();
}

// Tells the output's size against its target, then checks its quality;
// true while the check runs.
bool TBatchEngine::CompleteTask(TSlot& slot, TConversionJob& job)
{
    job.SizeNote.clear();
    job.QualityNote.clear();
    if (job.Plan.TargetBytes > 0 && !job.Output.empty()) {
        const TSizeOutcome size =
            SizeOutcome(job.Plan.TargetBytes, QFileInfo(Text(job.Output)).size(), TargetTolerance,
                        TranslatedText);
        job.SizeNote = size.Note;
        //: A line of the encoder log; %1 is the output's size against its target
        job.Log.Append(tr("Size: %1.").arg(Text(size.Note)).toStdString() + "\n");
        if (!size.Over.empty()) {
            // The output stays: it may still serve, and the user decides.
            job.Log.Append(size.Over + "\n");
            End(job, TaskState::Failed, Text(size.Over));
            return false;
        }
    }
    if (!job.Plan.CheckQuality || job.Output.empty()) {
        End(job, TaskState::Complete, QString());
        return false;
    }
    slot.Run.BeginCheck(job);
    return true;
}

void TBatchEngine::End(TConversionJob& job, TaskState state, const QString& reason)
{
    job.State = state;
    job.Reason = reason.toStdString();
    if (state == TaskState::Failed)
        ++FFailed;
    emit JobEnded(job);
}

// After a task has ended: the next one starts, or the run ends once idle.
void TBatchEngine::GoOn()
{
    if (!FRunning)
        return;
    if (FNext < JobCount() && !FStartFailed)
        ScheduleFill();
    else
        EndRunIfIdle();
}

void TBatchEngine::EndRunIfIdle()
{
    if (!FRunning || RunningCount() > 0)
        return;
    if (!FStartFailed && FNext < JobCount())
        return;
    FRunning = false;
    FPaused = false;
    emit BatchEnded(FStartFailed ? BatchEnd::StartFailed : BatchEnd::Completed, FFailed,
                    JobCount());
}

void TBatchEngine::Pause()
{
    if (FRunning && !FPaused)
        SetPaused(true);
}

void TBatchEngine::Resume()
{
    if (!FPaused)
        return;
    SetPaused(false);
    // A task that ended just as the run paused left its place empty.
    ScheduleFill();
}

void TBatchEngine::SetPaused(bool paused)
{
    FPaused = paused;
    for (const auto& slot : FSlots)
        if (TConversionJob* job = slot->Run.Job()) {
            slot->Run.SetSuspended(paused);
            job->State = paused ? TaskState::Paused : TaskState::Converting;
        }
}

void TBatchEngine::Stop()
{
    if (!FRunning)
        return;
    FRunning = false;
    FPaused = false;
    ++FRun;
    // Every encoder is down before the first report, so that whatever the
    // reports trigger finds nothing running.
    std::vector<TConversionJob*> stopped;
    for (const auto& slot : FSlots) {
        TConversionJob* job = slot->Run.Job();
        if (!job)
            continue;
        // A job under its quality check has its output in place.
        if (slot->Run.IsChecking())
            job->QualityNote = TQualityCheck::StoppedNote(TranslatedText);
        job->State = slot->Run.IsChecking() ? TaskState::Complete : TaskState::Stopped;
        stopped.push_back(job);
        Abandon(*slot);
    }
    std::sort(stopped.begin(), stopped.end(),
              [](const TConversionJob* a, const TConversionJob* b) { return a->Id < b->Id; });
    for (TConversionJob* job : stopped)
        End(*job, job->State, QString());
    emit BatchEnded(BatchEnd::Stopped, FFailed, JobCount());
}
