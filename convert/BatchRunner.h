// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Preferences.h"
#include "convert/BatchEngine.h"
#include "convert/JobRows.h"
#include "convert/RunPanel.h"
#include "tasks/TaskModel.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class Platform;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;
class QWidget;
class TBatchEndActions;
class TElidedLabel;
class TTaskPlans;
class TPowerOffCountdown;
struct TProfileChoice;

// The window's view of a batch: Start, Pause and Stop, the lock, the
// progress panel and the tasks' statuses. It hands the engine the rows as
// they are at Start, with the profile and the grids of the profile detail,
// and from then on presents what the engine reports: each of its tasks is
// found in the list again by its id. How the batch ended is handed to the
// end-of-batch actions (message, folder, exit, power-off). Everything is
// driven by signals, so the window keeps answering while encoders run.
class TBatchRunner : public QObject
{
    Q_OBJECT

public:
    enum TRunState
    {
        Idle = 0,
        Running = 1,
        StopRequested = 2
    };

    // `tasks` are the list's tasks; `choice` the profile and picks the
    // profile detail shows, which a batch converts with.
    TBatchRunner(const RunnerControls& controls, Platform& platform, TTaskModel& tasks,
                 const TProfileChoice& choice, const TPreferences& preferences,
                 TBatchEndActions& endActions, const QString& encoderPath,
                 QObject* parent = nullptr);
    ~TBatchRunner() override;

    // Where a pinned profile's file is, by its name; the composition root
    // knows the data places.
    std::function<std::string(const std::string&)> ProfilePath;
    // The list's plans, which Start converts by; without them Start plans
    // each task itself (MakeTaskPlan, with ProfilePath for pinned ones).
    TTaskPlans* Plans = nullptr;

    TRunState RunState() const { return FRunState; }
    // True from Start until the batch has ended, including its completion
    // action; the main window defers its own end until then.
    bool IsBatchActive() const { return FBatchActive; }
    int ElapsedSeconds() const { return FPanel.ElapsedSeconds(); }
    int RemainingSeconds() const { return FPanel.RemainingSeconds(); }

    // The run itself, for tests that look at its encoders or feed it reads.
    TBatchEngine& Engine() { return FEngine; }

    // The batch's commands, for the toolbar. Start is on while the task list
    // says its rows are ready (SetTasksReady) and no batch runs; Pause and
    // Stop while one runs.
    QAction* actStart = nullptr;
    QAction* actPause = nullptr;
    QAction* actStop = nullptr;

    void tbtnStartClick();
    void tbtnStopClick();
    // Pauses a running batch, or resumes a paused one.
    void tbtnPauseClick();
    bool IsPaused() const { return FEngine.IsPaused(); }
    void timerTimeTimer();
    void LockForConversion();
    void UnlockAfterConversion();

    // The window that counts down to the power-off at the end of a batch;
    // null until a batch first ends with "turn off" ticked.
    TPowerOffCountdown* Countdown() const;

    // The main window was closed during the batch: end the program once the
    // batch and its completion action are done. A paused batch resumes.
    void EndProgramWhenDone();
    // The program is ending: a running batch stops as with Stop, but without
    // the cancel message, and nothing more is opened on the desktop.
    void StopForExit();

    // The answers to the question a user's close of the window asks.
    enum CloseAnswer
    {
        StopAndQuit = 0,
        KeepConverting = 1,
        CancelClose = 2
    };
    // The user closes the window. While encoders are at work, asks whether
    // to stop them and quit, to let the batch run on to its end with the
    // window hidden, or to keep the window; the first stops the batch here.
    // Returns false when the window is to stay.
    bool ConfirmWindowClose();
    // The list's rows are ready for a batch, or no longer.
    void SetTasksReady(bool ready);

signals:
    // The lock's first step; the preview stops its playback here.
    void StopPlayback();
    // A batch locks the window (true) from its start until it has ended
    // (false); the task list and the window switch their controls by it.
    void BatchRunning(bool running);
    // The batch has ended (completed, stopped or failed to start).
    void BatchEnded();
    // The program should end now: the window was closed during the batch, or
    // the completion action ends it. The window closes on this signal.
    void ProgramEndRequested();

private:
    void SetControlsLocked(bool locked);
    void RunBatch(std::vector<TTaskPlan> plans);
    void OnJobStarted(const TConversionJob& job);
    void OnJobProgress(const TConversionJob& job);
    void OnTotalProgress(int percent);
    void OnJobEnded(const TConversionJob& job);
    void OnBatchEnded(TBatchEngine::BatchEnd end, int failed, int tasks);
    void EndProgramNow();
    void SetPaused(bool paused);
    void FinishBatch();

    const RunnerControls FControls;
    TRunPanel FPanel;
    TJobRows FRows;
    Platform& FPlatform;
    TTaskModel& FTasks;
    const TProfileChoice& FChoice;
    // The preferences in force, read as the batch goes.
    const TPreferences& FPreferences;
    const QString FEncoderPath;
    TBatchEndActions& FEndActions;
    TBatchEngine FEngine;
    bool FTasksReady = false;
    bool FLocked = false;

    TRunState FRunState = Idle;
    bool FBatchActive = false;
    bool FEndProgram = false;
};
