// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchRunner.h"

#include "convert/BatchEndActions.h"
#include "convert/RunSetup.h"
#include "platform/Platform.h"
#include "tasks/TaskModel.h"
#include "widgets/CommandAction.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

//: A toolbar button: starts converting the task list
const char* const StartHint = QT_TRANSLATE_NOOP("TBatchRunner", "Start");
const char* const PauseHint = QT_TRANSLATE_NOOP("TBatchRunner", "Pause / Resume");
// The preview has a Pause / Resume of its own.
const char* const PauseSpoken = QT_TRANSLATE_NOOP("TBatchRunner", "Pause or resume the batch");
//: A toolbar button: stops the running batch
const char* const StopHint = QT_TRANSLATE_NOOP("TBatchRunner", "Stop");

const char* const CloseQuestion =
    QT_TRANSLATE_NOOP("TBatchRunner", "A conversion is running. Stop it and quit?");
// In the order of TBatchRunner::CloseAnswer; the last one is also Escape's.
const char* const CloseAnswers[] = {QT_TRANSLATE_NOOP("TBatchRunner", "Stop and Quit"),
                                    QT_TRANSLATE_NOOP("TBatchRunner", "Keep Converting"),
                                    QT_TRANSLATE_NOOP("TBatchRunner", "Cancel")};

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TBatchRunner::TBatchRunner(const RunnerControls& controls, Platform& platform, TTaskModel& tasks,
                           const TProfileChoice& choice, const TPreferences& preferences,
                           TBatchEndActions& endActions, const QString& encoderPath,
                           QObject* parent)
    : QObject(parent), FControls(controls), FPanel(controls), FRows(tasks), FPlatform(platform),
      FTasks(tasks), FChoice(choice), FPreferences(preferences), FEncoderPath(encoderPath),
      FEndActions(endActions)
{
    connect(&endActions, &TBatchEndActions::Done, this, [this] {
        FControls.timerTime->stop();
        FPanel.ShowIdle();
        FRunState = Idle;
        FinishBatch();
    });
    connect(&endActions, &TBatchEndActions::EndProgram, this, &TBatchRunner::EndProgramNow);
    connect(&FEngine, &TBatchEngine::JobStarted, this, &TBatchRunner::OnJobStarted);
    connect(&FEngine, &TBatchEngine::JobProgress, this, &TBatchRunner::OnJobProgress);
    connect(&FEngine, &TBatchEngine::TotalProgress, this, &TBatchRunner::OnTotalProgress);
    connect(&FEngine, &TBatchEngine::JobEnded, this, &TBatchRunner::OnJobEnded);
    connect(&FEngine, &TBatchEngine::BatchEnded, this, &TBatchRunner::OnBatchEnded);
    connect(controls.timerTime, &QTimer::timeout, this, &TBatchRunner::timerTimeTimer);

    actStart = NewCommand(tr(StartHint), QStringLiteral("start"), {}, this);
    actPause = NewCommand(tr(PauseHint), QStringLiteral("pause"), {}, this, tr(PauseSpoken));
    actStop = NewCommand(tr(StopHint), QStringLiteral("stop"), {}, this);
    // Held down while the batch is paused.
    actPause->setCheckable(true);
    for (QAction* action : {actStart, actPause, actStop})
        action->setEnabled(false);
    connect(actStart, &QAction::triggered, this, &TBatchRunner::tbtnStartClick);
    connect(actPause, &QAction::triggered, this, &TBatchRunner::tbtnPauseClick);
    connect(actStop, &QAction::triggered, this, &TBatchRunner::tbtnStopClick);
}

TBatchRunner::~TBatchRunner() = default;

TPowerOffCountdown* TBatchRunner::Countdown() const
{
    return FEndActions.Countdown();
}

void TBatchRunner::tbtnStartClick()
{
    if (FBatchActive)
        return;
    FControls.ltvTask->setFocus();
    if (!QFileInfo(Text(FPreferences.OutputPath)).isDir()) {
        FPlatform.MessageBox(
            FControls.Window, tr("The output path does not exist. Please specify another one."),
            tr("Output path does not exist"), Platform::Icon::Information, Platform::Buttons::Ok);
        FControls.edtOutputdir->setFocus();
        return;
    }
    if (FTasks.TaskCount() == 0)
        return;
    std::vector<TTaskPlan> plans = RowPlans(FTasks, Plans, FChoice, FPreferences, ProfilePath);
    if (const auto refusal = StartRefusal(FChoice, FControls.cmbProfile->currentText(), plans)) {
        FPlatform.ShowError(*refusal);
        return;
    }
    LockForConversion();
    RunBatch(std::move(plans));
}

void TBatchRunner::tbtnStopClick()
{
    // The encoders are done and the countdown to the power-off runs: Stop
    // means what its Cancel means.
    if (FEndActions.CancelCountdown())
        return;
    if (FRunState != Running)
        return;
    FRunState = StopRequested;
    // Between two tasks nothing runs: the run ends before another encoder
    // starts.
    FEngine.Stop();
}

void TBatchRunner::tbtnPauseClick()
{
    if (FRunState == Running && FEngine.IsRunning())
        SetPaused(!FEngine.IsPaused());
    actPause->setChecked(FEngine.IsPaused());
}

// The clock stands still while the encoders do, so the elapsed and the
// remaining time go on from where they were.
void TBatchRunner::SetPaused(bool paused)
{
    if (paused) {
        FEngine.Pause();
        FControls.timerTime->stop();
    } else {
        FEngine.Resume();
        FControls.timerTime->start();
    }
    actPause->setChecked(paused);
    FRows.ShowPaused(paused);
}

void TBatchRunner::LockForConversion()
{
    emit StopPlayback();
    SetControlsLocked(true);
}

void TBatchRunner::UnlockAfterConversion()
{
    SetControlsLocked(false);
}

void TBatchRunner::SetTasksReady(bool ready)
{
    FTasksReady = ready;
    actStart->setEnabled(FTasksReady && !FLocked);
}

// The task list and the window lock their own controls on BatchRunning; at
// the end the task list switches its commands back on, which tells Start.
void TBatchRunner::SetControlsLocked(bool locked)
{
    FLocked = locked;
    actStart->setEnabled(FTasksReady && !FLocked);
    actStop->setEnabled(locked);
    actPause->setEnabled(locked);
    actPause->setChecked(false);
    emit BatchRunning(locked);
}

void TBatchRunner::RunBatch(std::vector<TTaskPlan> plans)
{
    FPanel.Open();
    FRunState = Running;
    FBatchActive = true;

    // The rows as they are now are the batch: the list is locked until it
    // ends, and rows an add appends meanwhile are not part of it.
    const TBatchOptions options = RunOptions(FChoice, FPreferences, FEncoderPath);
    std::vector<ltvItemData> tasks = FRows.Take(options.SimultaneousTasks > 1);
    FEngine.Start(std::move(tasks), options, std::move(plans));
}

void TBatchRunner::OnJobStarted(const TConversionJob& job)
{
    FRows.Started(job);
    FPanel.ShowRunning(FRows.Running());
}

void TBatchRunner::OnJobProgress(const TConversionJob& job)
{
    FRows.Progressed(job);
    FPanel.ShowRunning(FRows.Running());
}

void TBatchRunner::OnTotalProgress(int percent)
{
    FPanel.SetTotalBar(percent);
}

void TBatchRunner::OnJobEnded(const TConversionJob& job)
{
    FRows.Ended(job);
    if (job.State == TaskState::Stopped)
        return;
    // The bar goes back to 0 for the task that comes next, unless this was
    // the last one. A task that ends beside others leaves the label at once,
    // even when it was the list's last: the others may run for minutes.
    if (job.Id + 1 < FRows.Count())
        FPanel.SetCurrentBar(0);
    FPanel.ShowRunning(FRows.Running());
}

void TBatchRunner::OnBatchEnded(TBatchEngine::BatchEnd end, int failed, int tasks)
{
    // Nothing is left to pause while the batch ends; a paused look would
    // linger behind the message that follows.
    actPause->setEnabled(false);
    actPause->setChecked(false);
    switch (end) {
    case TBatchEngine::BatchEnd::Completed:
        FControls.timerTime->stop();
        FPanel.ShowNothingRemains();
        FEndActions.Completed(failed, tasks, Text(FPreferences.OutputPath));
        break;
    case TBatchEngine::BatchEnd::Stopped:
        FControls.timerTime->stop();
        FEndActions.Stopped();
        break;
    case TBatchEngine::BatchEnd::StartFailed:
        FEndActions.StartFailed();
        break;
    }
}

void TBatchRunner::EndProgramNow()
{
    // The batch is over: the window's close must not be deferred to it.
    FBatchActive = false;
    FRunState = Idle;
    UnlockAfterConversion();
    emit BatchEnded();
    emit ProgramEndRequested();
}

void TBatchRunner::FinishBatch()
{
    FBatchActive = false;
    UnlockAfterConversion();
    emit BatchEnded();
    if (FEndProgram)
        emit ProgramEndRequested();
}

void TBatchRunner::EndProgramWhenDone()
{
    FEndProgram = true;
    if (FEngine.IsPaused())
        SetPaused(false);
}

void TBatchRunner::StopForExit()
{
    if (FEndActions.StopForExit()) {
        FRunState = Idle;
        FPanel.ShowIdle();
        FinishBatch();
        return;
    }
    if (FRunState != Running)
        return;
    FRunState = StopRequested;
    FEngine.Stop();
}

bool TBatchRunner::ConfirmWindowClose()
{
    // Once the encoders are done (the completion message may still be up),
    // or when the program ends on its own, there is nothing to ask.
    if (!FEngine.IsRunning())
        return true;
    switch (FPlatform.Choose(FControls.Window, tr(CloseQuestion), FControls.Window->windowTitle(),
                             {tr(CloseAnswers[0]), tr(CloseAnswers[1]), tr(CloseAnswers[2])})) {
    case StopAndQuit:
        StopForExit();
        return true;
    case KeepConverting:
        return true;
    default:
        return false;
    }
}

void TBatchRunner::timerTimeTimer()
{
    FPanel.Tick();
}
