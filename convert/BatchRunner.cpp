// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchRunner.h"

#include "base/PathText.h"
#include "base/TimeText.h"
#include "convert/ArgumentBuilder.h"
#include "convert/BatchEndActions.h"
#include "convert/BatchRules.h"
#include "encoder/MediaProbe.h"
#include "platform/Platform.h"
#include "platform/Translators.h"
#include "profiles/ProfileChoice.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskPlans.h"
#include "widgets/CommandAction.h"
#include "widgets/ElidedLabel.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>

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
    : QObject(parent), FControls(controls), FPlatform(platform), FTasks(tasks), FChoice(choice),
      FPreferences(preferences), FEncoderPath(encoderPath), FEndActions(endActions)
{
    connect(&endActions, &TBatchEndActions::Done, this, [this] {
        FControls.timerTime->stop();
        ShowIdlePanel();
        FRunState = Idle;
        FinishBatch();
    });
    connect(&endActions, &TBatchEndActions::EndProgram, this, &TBatchRunner::EndProgramNow);
    connect(&FEngine, &TBatchEngine::TaskStarted, this, &TBatchRunner::OnTaskStarted);
    connect(&FEngine, &TBatchEngine::TaskProgress, this, &TBatchRunner::OnTaskProgress);
    connect(&FEngine, &TBatchEngine::TotalProgress, this, &TBatchRunner::OnTotalProgress);
    connect(&FEngine, &TBatchEngine::TaskFinished, this, &TBatchRunner::OnTaskFinished);
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
    const QString profile = FControls.cmbProfile->currentText();
    const TProfileChoice& choice = FChoice;
    // A file that is no profile would convert with defaults the user never
    // picked; nothing starts.
    if (choice.Walk.Status == TWalkStatus::NoMainSection) {
        FPlatform.ShowError(Text(NoMainSectionText(profile.toStdString(), TranslatedText)));
        return;
    }
    // A pinned profile deleted since would convert with nothing the user
    // picked: nothing starts.
    std::vector<TTaskPlan> plans = RowPlans();
    for (const TTaskPlan& plan : plans)
        if (!plan.Profile->Name.empty() && !plan.Profile->Refusal.empty()) {
            FPlatform.ShowError(tr("The profile \"%1\" that a task uses cannot be found.")
                                    .arg(QString::fromStdString(plan.Profile->Name)));
            return;
        }
    LockForConversion();
    RunBatch(choice, std::move(plans));
}

// The plan of every row, as the list keeps them; a runner without the
// list's plans makes them the same way.
TPlanPreferences TBatchRunner::PlanPreferences() const
{
    TPlanPreferences preferences{FPreferences.CheckQuality, {}};
    ReadAudioChoice(FPreferences.AudioTracks, preferences.Tracks);
    ReadSubtitleChoice(FPreferences.Subtitles, preferences.Tracks);
    return preferences;
}

std::vector<TTaskPlan> TBatchRunner::RowPlans()
{
    const TPlanPreferences preferences = PlanPreferences();
    std::vector<TTaskPlan> plans;
    plans.reserve(static_cast<std::size_t>(FTasks.TaskCount()));
    if (Plans) {
        Plans->SetPreferences(preferences);
        for (int row = 0; row < FTasks.TaskCount(); ++row)
            plans.push_back(Plans->At(row));
        return plans;
    }
    TPlanProfiles profiles(MakeProfilePlan(FChoice),
                           ProfilePath ? TPlanProfiles::TLoader([this](const std::string& name) {
                               return LoadProfileChoice(ProfilePath(name));
                           })
                                       : TPlanProfiles::TLoader(),
                           TranslatedText);
    for (int row = 0; row < FTasks.TaskCount(); ++row)
        plans.push_back(MakeTaskPlan(profiles, FTasks.At(row).Data, preferences, TranslatedText));
    return plans;
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
    for (int task = 0; task < FEngine.TaskCount(); ++task)
        if (FEngine.IsEncoderRunning(task))
            WriteStatus(task, paused ? TaskState::Paused : TaskState::Converting);
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

void TBatchRunner::RunBatch(const TProfileChoice& choice, std::vector<TTaskPlan> plans)
{
    FControls.labConvertingFile->clear();
    // The clock runs from the batch's first moment.
    FControls.labElapsed->setText(Text(FormatTimeText(0)));
    FControls.labRemaining->clear();
    FControls.pgbCurrent->setValue(0);
    FControls.pgbTotal->setValue(0);
    FControls.labCurProgress->setText(QStringLiteral("0%"));
    FControls.labTotalProgress->setText(QStringLiteral("0%"));
    FControls.panBottomCenter->hide();
    FControls.panBottomLeft->show();

    FRunState = Running;
    FBatchActive = true;
    FElapsedSeconds = 0;
    FRemainingSeconds = 0;
    FControls.timerTime->start();

    // The rows as they are now are the batch: the list is locked until it
    // ends, and rows an add appends meanwhile are not part of it.
    const TTaskModel& model = FTasks;
    std::vector<ltvItemData> tasks(static_cast<std::size_t>(model.TaskCount()));
    FTaskIds.resize(tasks.size());
    for (std::size_t row = 0; row < tasks.size(); ++row) {
        model.Read(static_cast<int>(row), TaskField::AllFields, tasks[row]);
        FTaskIds[row] = model.IdAt(static_cast<int>(row));
    }

    TBatchOptions options;
    options.EncoderPath = FEncoderPath;
    options.OutputDir = WithTrailingBackslash(FPreferences.OutputPath);
    options.OutputExt = choice.OutputExt();
    options.Rename = !FPreferences.Overwrite;
    options.SimultaneousTasks = FPreferences.SimultaneousTasks;
    FSideBySide = options.SimultaneousTasks > 1;
    // Tasks enqueued later are planned by the engine with the same choice.
    options.Arguments = BuildArguments(choice, ltvItemData());
    options.Choice = std::make_shared<const TProfileChoice>(choice);
    options.CheckQuality = FPreferences.CheckQuality;
    options.Tracks = PlanPreferences().Tracks;
    options.ReadTracks = [encoder = FEncoderPath](const std::string& path) {
        return ProbeMedia(encoder, QString::fromStdString(path)).Tracks;
    };
    FEngine.Start(std::move(tasks), options, std::move(plans));
}

bool TBatchRunner::Update(int task, const TTaskUpdate& update)
{
    // A task queued into the engine by anything but Start has no row.
    if (task < 0 || task >= static_cast<int>(FTaskIds.size()))
        return false;
    return FTasks.Update(FTaskIds[static_cast<std::size_t>(task)], update);
}

void TBatchRunner::OnTaskStarted(int task)
{
    Update(task, {.State = TaskState::Converting, .StatusTip = QString(), .Log = QString()});
    ShowRunningTasks();
}

// "Converting:" names every running task in list order, and the current bar
// shows their mean progress; with none running they keep what they showed
// last. One task at a time, that is the task and its own progress.
void TBatchRunner::ShowRunningTasks()
{
    const std::vector<int> running = FEngine.RunningTasks();
    if (running.empty())
        return;
    QStringList names;
    int percents = 0;
    for (const int task : running) {
        names << Text(ExtractFileName(FEngine.Task(task).InputFile));
        percents += FEngine.TaskPercent(task);
    }
    FControls.labConvertingFile->SetNames(names);
    const double count = static_cast<double>(running.size());
    SetCurrentBar(static_cast<int>(std::lround(percents / count)));
}

void TBatchRunner::SetCurrentBar(int percent)
{
    FControls.pgbCurrent->setValue(percent);
    FControls.labCurProgress->setText(QString::number(FControls.pgbCurrent->value()) + "%");
}

void TBatchRunner::OnTaskProgress(int task, int percent)
{
    if (FSideBySide)
        Update(task, {.Percent = percent});
    ShowRunningTasks();
}

void TBatchRunner::OnTotalProgress(int percent)
{
    FControls.pgbTotal->setValue(percent);
    FControls.labTotalProgress->setText(QString::number(FControls.pgbTotal->value()) + "%");
}

void TBatchRunner::OnTaskFinished(int task, TBatchEngine::TaskEnd end, const QString& reason)
{
    TTaskUpdate update{.Log = QString::fromUtf8(FEngine.TaskLog(task).Shown(TranslatedText)),
                       .Percent = -1};
    switch (end) {
    case TBatchEngine::TaskEnd::Complete:
        // The name the output was saved as: another run into the folder may
        // have taken the one planned.
        update.State = TaskState::Complete;
        update.StatusTip = CompleteTip(task);
        break;
    case TBatchEngine::TaskEnd::Failed:
        update.State = TaskState::Failed;
        // An output over its target is kept: the tip tells where and how big.
        update.StatusTip = FEngine.TaskOutput(task).empty()
                               ? reason
                               : reason + QLatin1Char('\n') + CompleteTip(task);
        break;
    case TBatchEngine::TaskEnd::Stopped:
        update.State = TaskState::Stopped;
        update.StatusTip = QString();
        Update(task, update);
        return;
    }
    Update(task, update);
    // The bar goes back to 0 for the task that comes next, unless this was
    // the last one. A task that ends beside others leaves the label at once,
    // even when it was the list's last: the others may run for minutes.
    if (task + 1 < FEngine.TaskCount())
        SetCurrentBar(0);
    ShowRunningTasks();
}

// The output's name, what it weighs against its input and its target, and
// what the quality check found.
QString TBatchRunner::CompleteTip(int task) const
{
    const std::string& output = FEngine.TaskOutput(task);
    QStringList lines{Text(output)};
    if (!output.empty()) {
        const qint64 bytes = QFileInfo(Text(output)).size();
        const qint64 input = QFileInfo(Text(FEngine.Task(task).InputFile)).size();
        const QString shownBytes = Text(FormatSizeText(bytes, TranslatedText));
        //: %1 is the output's size, %2 its share of the input's size in percent
        QString size = input > 0
                           ? tr("Size: %1, %2% of the input")
                                 .arg(shownBytes)
                                 .arg(std::lround(100.0 * static_cast<double>(bytes) /
                                                  static_cast<double>(input)))
                           //: A line of a converted task's tip; %1 is a size such as "1.95 MB"
                           : tr("Size: %1").arg(shownBytes);
        if (const std::string& note = FEngine.TaskSizeNote(task); !note.empty())
            //: %1 is the output's size, %2 what was planned and reached
            size = tr("%1 (%2)").arg(size, Text(note));
        lines << size;
    }
    if (const std::string& quality = FEngine.TaskQualityNote(task); !quality.empty())
        //: A line of a converted task's tip; %1 is such as "good (SSIM 0.962, PSNR 35.1 dB)"
        lines << tr("Quality: %1").arg(Text(quality));
    return lines.join(QLatin1Char('\n'));
}

void TBatchRunner::WriteStatus(int task, TaskState state)
{
    Update(task, {.State = state, .StatusTip = QString()});
}

void TBatchRunner::OnBatchEnded(TBatchEngine::BatchEnd end)
{
    // Nothing is left to pause while the batch ends; a paused look would
    // linger behind the message that follows.
    actPause->setEnabled(false);
    actPause->setChecked(false);
    switch (end) {
    case TBatchEngine::BatchEnd::Completed:
        FControls.timerTime->stop();
        // Nothing remains; a batch shorter than a tick would show no time at all.
        FControls.labRemaining->setText(Text(FormatTimeText(0)));
        FEndActions.Completed(FEngine.FailedCount(), FEngine.TaskCount(),
                              Text(FPreferences.OutputPath));
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

void TBatchRunner::ShowIdlePanel()
{
    FControls.panBottomLeft->hide();
    FControls.panBottomCenter->show();
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
        ShowIdlePanel();
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
    ++FElapsedSeconds;
    FControls.labElapsed->setText(Text(FormatTimeText(FElapsedSeconds)));
    const int percent = FControls.pgbTotal->value();
    if (percent != 0)
        FRemainingSeconds = static_cast<int>(EstimateRemainingSeconds(FElapsedSeconds, percent));
    FControls.labRemaining->setText(Text(FormatTimeText(FRemainingSeconds)));
}
