#pragma once

#include "convert/BatchRules.h"
#include "convert/EncoderChannel.h"
#include "tasks/TaskRecord.h"

#include <QObject>
#include <QString>

#include <string>

class Platform;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;
class QToolButton;
class QTreeWidget;
class QWidget;
class TProfileDetail;
class TTaskList;

// The controls a batch drives; the main window creates them.
struct RunnerControls
{
    // The window the batch runs in: the owner of its messages.
    QWidget* Window = nullptr;
    QToolButton* tbtnAddFile = nullptr;
    QToolButton* tbtnAddDir = nullptr;
    QToolButton* tbtnUp = nullptr;
    QToolButton* tbtnDown = nullptr;
    QToolButton* tbtnRemove = nullptr;
    QToolButton* tbtnClear = nullptr;
    QToolButton* tbtnStart = nullptr;
    QToolButton* tbtnStop = nullptr;
    QToolButton* tbtnSetting = nullptr;
    QTreeWidget* ltvTask = nullptr;
    QWidget* panSplitter = nullptr;
    QWidget* gpbProfile = nullptr;
    QComboBox* cmbProfile = nullptr;
    QLineEdit* edtOutputdir = nullptr;
    // The idle panel, and the progress panel shown in its place during a run.
    QWidget* panBottomCenter = nullptr;
    QWidget* panBottomLeft = nullptr;
    QLabel* labConvertingFile = nullptr;
    QLabel* labElapsed = nullptr;
    QLabel* labRemaining = nullptr;
    QProgressBar* pgbCurrent = nullptr;
    QLabel* labCurProgress = nullptr;
    QProgressBar* pgbTotal = nullptr;
    QLabel* labTotalProgress = nullptr;
    QTimer* timerTime = nullptr;
};

// The settings dialog's options that a batch reads as it goes; the runner
// only reads them.
struct RunnerOptions
{
    const QAbstractButton* chkOpenDir = nullptr;
    const QAbstractButton* chkExit = nullptr;
    const QAbstractButton* chkTurnoff = nullptr;
    const QAbstractButton* rdbRename = nullptr;
};

// Converts the task list, row by row, with one encoder run per task, using
// the profile and the grids of the profile detail. The run is driven by the
// encoder's signals, so the window keeps answering between and during reads;
// nothing here waits for the encoder.
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

    TBatchRunner(const RunnerControls& controls, Platform& platform, TTaskList& taskList,
                 TProfileDetail& detail, const RunnerOptions& options, const QString& encoderPath,
                 QObject* parent = nullptr);
    ~TBatchRunner() override;

    TRunState RunState() const { return FRunState; }
    // True from Start until the batch has ended, including its completion
    // action; the main window defers its own end until then.
    bool IsBatchActive() const { return FBatchActive; }
    int ElapsedSeconds() const { return FElapsedSeconds; }
    int RemainingSeconds() const { return FRemainingSeconds; }

    // The encoder of the current task, for tests that check it is reaped.
    const EncoderChannel& Channel() const { return FChannel; }

    void tbtnStartClick();
    void tbtnStopClick();
    void timerTimeTimer();
    void LockForConversion();
    void UnlockAfterConversion();
    void ShutDownComputer();

    // The main window was closed during the batch: end the program once the
    // batch and its completion action are done.
    void EndProgramWhenDone();

    // What the encoder channel delivers; public so that tests can feed a run
    // exactly the reads they want to examine.
    void OnChunk(const QByteArray& chunk);
    void OnFinished(int exitCode, bool crashed);

signals:
    // The lock's first step; the preview stops its playback here.
    void StopPlayback();
    // The batch has ended (completed, stopped or failed to start).
    void BatchEnded();
    // The program should end now: the window was closed during the batch, or
    // the completion action ends it. The window closes on this signal.
    void ProgramEndRequested();

private:
    void SetControlsLocked(bool locked);
    void RunBatch(const std::string& arguments);
    void StartTask();
    void UpdateProgress(const QByteArray& chunk);
    void WriteStatus(int row, const QString& status, const QString& tooltip = QString());
    void EndStopped(bool duringTask);
    void EndCompleted();
    void EndFailedStart();
    void ShowIdlePanel();
    void FinishBatch();
    void TerminateEncoder();

    const RunnerControls FControls;
    Platform& FPlatform;
    TTaskList& FTaskList;
    TProfileDetail& FDetail;
    const RunnerOptions FOptions;
    const QString FEncoderPath;
    EncoderChannel FChannel;

    TRunState FRunState = Idle;
    bool FBatchActive = false;
    bool FEndProgram = false;
    int FElapsedSeconds = 0;
    int FRemainingSeconds = 0;

    // Values of one run.
    std::string FArguments;
    double FTotal = 0;
    double FDone = 0;
    TProgressReader FProgress; // the current task's encoded time
    int FChunkIndex = 0;
    int FRow = 0;
    int FRowCount = 0;
    int FFailed = 0;
    ltvItemData FTask;
    // The end of what the current task's encoder wrote, kept short, for the
    // line that tells why a conversion failed.
    std::string FTail;
};
