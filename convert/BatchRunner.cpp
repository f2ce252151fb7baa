#include "convert/BatchRunner.h"

#include "base/PathText.h"
#include "convert/ArgumentBuilder.h"
#include "convert/BatchRules.h"
#include "convert/CommandLine.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "tasks/TaskList.h"
#include "tasks/TimeText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString StatusConverting = QStringLiteral("Converting");
const QString StatusComplete = QStringLiteral("Complete");
const QString StatusStop = QStringLiteral("Stop");
const QString StatusFailed = QStringLiteral("Failed");

constexpr int StatusColumn = 3;
constexpr std::size_t TailLimit = 8192;

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TBatchRunner::TBatchRunner(const RunnerControls& controls, Platform& platform, TTaskList& taskList,
                           TProfileDetail& detail, const RunnerOptions& options,
                           const QString& encoderPath, QObject* parent)
    : QObject(parent), FControls(controls), FPlatform(platform), FTaskList(taskList),
      FDetail(detail), FOptions(options), FEncoderPath(encoderPath)
{
    FChannel.SetMaxChunk(EncoderChannel::ConversionChunk);
    connect(&FChannel, &EncoderChannel::ChunkRead, this, &TBatchRunner::OnChunk);
    connect(&FChannel, &EncoderChannel::Finished, this, &TBatchRunner::OnFinished);
    connect(controls.tbtnStart, &QToolButton::clicked, this, &TBatchRunner::tbtnStartClick);
    connect(controls.tbtnStop, &QToolButton::clicked, this, &TBatchRunner::tbtnStopClick);
    connect(controls.timerTime, &QTimer::timeout, this, &TBatchRunner::timerTimeTimer);
}

TBatchRunner::~TBatchRunner() = default;

void TBatchRunner::tbtnStartClick()
{
    if (FBatchActive)
        return;
    FControls.ltvTask->setFocus();
    if (!QFileInfo(FControls.edtOutputdir->text()).isDir()) {
        FPlatform.MessageBox(
            FControls.Window,
            QStringLiteral("The output path does not exist. Please specify another one."),
            QStringLiteral("Output path does not exist"), Platform::Icon::Information,
            Platform::Buttons::Ok);
        FControls.edtOutputdir->setFocus();
        return;
    }
    if (FTaskList.TaskCount() == 0)
        return;
    LockForConversion();
    const std::string arguments =
        BuildArguments(FDetail.ProfilePath(FControls.cmbProfile->currentText()).toStdString(),
                       [this](int group, const std::string& name) {
                           return FDetail.DetailValue(group, Text(name)).toStdString();
                       });
    RunBatch(arguments);
}

void TBatchRunner::tbtnStopClick()
{
    if (FRunState != Running)
        return;
    FRunState = StopRequested;
    if (FChannel.IsRunning()) {
        TerminateEncoder();
        EndStopped(true);
    }
    // Between two tasks nothing runs: the next task sees the request and the
    // run ends before another encoder starts.
}

void TBatchRunner::TerminateEncoder()
{
    FChannel.Terminate();
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

void TBatchRunner::SetControlsLocked(bool locked)
{
    for (QToolButton* button :
         {FControls.tbtnAddFile, FControls.tbtnAddDir, FControls.tbtnUp, FControls.tbtnDown,
          FControls.tbtnRemove, FControls.tbtnClear, FControls.tbtnStart, FControls.tbtnSetting})
        button->setEnabled(!locked);
    FControls.tbtnStop->setEnabled(locked);
    FControls.ltvTask->setEnabled(!locked);
    FControls.panSplitter->setEnabled(!locked);
    FControls.gpbProfile->setEnabled(!locked);
}

void TBatchRunner::RunBatch(const std::string& arguments)
{
    FArguments = arguments;
    FControls.labConvertingFile->clear();
    FControls.labElapsed->clear();
    FControls.labRemaining->clear();
    FControls.pgbCurrent->setValue(0);
    FControls.pgbTotal->setValue(0);
    FControls.labCurProgress->setText(QStringLiteral("0%"));
    FControls.labTotalProgress->setText(QStringLiteral("0%"));
    FControls.panBottomCenter->hide();
    FControls.panBottomLeft->show();

    FRunState = Running;
    FBatchActive = true;
    FDone = 0;
    FTotal = 0;
    FFailed = 0;
    FElapsedSeconds = 0;
    FRemainingSeconds = 0;
    FControls.timerTime->start();

    FRowCount = FTaskList.TaskCount();
    for (int row = 0; row < FRowCount; ++row) {
        ltvItemData task;
        FTaskList.ReadTask(row, AllFields, task);
        FTotal += SecondsInTotal(task);
    }
    FRow = 0;
    // One turn of the event loop before each task, as the window is pumped
    // between tasks: a Stop clicked meanwhile is seen before the next start.
    QTimer::singleShot(0, this, &TBatchRunner::StartTask);
}

void TBatchRunner::StartTask()
{
    if (FRunState == StopRequested) {
        EndStopped(false);
        return;
    }
    FProgress = TProgressReader();
    FTaskList.ReadTask(FRow, AllFields, FTask);
    WriteStatus(FRow, StatusConverting);
    FControls.labConvertingFile->setText(Text(ExtractFileName(FTask.InputFile)));

    OutputNameRequest request;
    request.OutputDir = WithTrailingBackslash(FControls.edtOutputdir->text().toStdString());
    request.NewName = FTask.NewName;
    request.NewExt = FTask.NewExt;
    request.OutputExt = FDetail.OutputExt.toStdString();
    request.InputFile = FTask.InputFile;
    request.Position = FRow + 1;
    request.Rename = FOptions.rdbRename->isChecked();
    const std::string output = ChooseOutputPath(
        request, [](const std::string& path) { return QFileInfo::exists(Text(path)); });

    const std::string arguments = FArguments + TrimSwitches(FTask);
    FChunkIndex = 0;
    FTail.clear();
    if (!FChannel.Start(FEncoderPath, EncoderChannel::ArgumentList(
                                          ConversionArguments(FTask.InputFile, arguments, output))))
        EndFailedStart();
}

void TBatchRunner::OnChunk(const QByteArray& chunk)
{
    if (FRunState == Idle)
        return;
    // The first two reads hold the encoder's banner and the input's
    // description, never progress worth showing.
    if (FChunkIndex >= 2)
        UpdateProgress(chunk);
    ++FChunkIndex;
    FTail.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    if (FTail.size() > TailLimit)
        FTail.erase(0, FTail.size() - TailLimit);
}

void TBatchRunner::UpdateProgress(const QByteArray& chunk)
{
    if (!FProgress.Read(chunk.toStdString()))
        return;
    const double span = SecondsInTotal(FTask);
    if (span != 0)
        FControls.pgbCurrent->setValue(ProgressPercent(FProgress.Current(), span));
    if (FTotal != 0)
        FControls.pgbTotal->setValue(ProgressPercent(FDone + FProgress.Current(), FTotal));
    FControls.labCurProgress->setText(QString::number(FControls.pgbCurrent->value()) + "%");
    FControls.labTotalProgress->setText(QString::number(FControls.pgbTotal->value()) + "%");
}

void TBatchRunner::OnFinished(int exitCode, bool crashed)
{
    if (FRunState == Idle)
        return;
    if (FRunState == StopRequested) {
        EndStopped(true);
        return;
    }
    FDone += SecondsInTotal(FTask);
    if (exitCode != 0 || crashed) {
        ++FFailed;
        WriteStatus(FRow, StatusFailed, Text(LastEncoderMessage(FTail)));
    } else {
        WriteStatus(FRow, StatusComplete);
    }
    if (FTotal != 0) {
        FControls.pgbTotal->setValue(ProgressPercent(FDone, FTotal));
        FControls.labTotalProgress->setText(QString::number(FControls.pgbTotal->value()) + "%");
    }
    ++FRow;
    if (FRow < FRowCount && FRow < FTaskList.TaskCount()) {
        FControls.pgbCurrent->setValue(0);
        FControls.labCurProgress->setText(QStringLiteral("0%"));
        QTimer::singleShot(0, this, &TBatchRunner::StartTask);
        return;
    }
    EndCompleted();
}

void TBatchRunner::WriteStatus(int row, const QString& status, const QString& tooltip)
{
    ltvItemData data;
    data.StatusText = status.toStdString();
    FTaskList.WriteTask(row, 2, data);
    if (QTreeWidgetItem* item = FControls.ltvTask->topLevelItem(row))
        item->setToolTip(StatusColumn, tooltip);
}

void TBatchRunner::EndStopped(bool duringTask)
{
    FControls.timerTime->stop();
    if (duringTask)
        WriteStatus(FRow, StatusStop);
    FPlatform.MessageBox(FControls.Window, QStringLiteral("The Coversion is canceled."),
                         QStringLiteral("Cancel"), Platform::Icon::Information,
                         Platform::Buttons::Ok);
    ShowIdlePanel();
    FRunState = Idle;
    FinishBatch();
}

void TBatchRunner::EndCompleted()
{
    FControls.timerTime->stop();
    // Turning off takes precedence, and both end the program without a word.
    const bool turnOff = FOptions.chkTurnoff->isChecked();
    if (turnOff || FOptions.chkExit->isChecked()) {
        if (turnOff)
            ShutDownComputer();
        // The batch is over: the window's close must not be deferred to it.
        FBatchActive = false;
        FRunState = Idle;
        UnlockAfterConversion();
        emit BatchEnded();
        emit ProgramEndRequested();
        return;
    }
    const QString text =
        FFailed == 0 ? QStringLiteral("The coversion is completed successfully.")
                     : QStringLiteral("The conversion is completed, but %1 of %2 files failed.")
                           .arg(FFailed)
                           .arg(FRowCount);
    FPlatform.MessageBox(FControls.Window, text, QStringLiteral("Complete"),
                         Platform::Icon::Information, Platform::Buttons::Ok);
    if (FOptions.chkOpenDir->isChecked())
        FPlatform.ShellOpen(FControls.edtOutputdir->text());
    FRunState = Idle;
    ShowIdlePanel();
    FinishBatch();
}

void TBatchRunner::EndFailedStart()
{
    FPlatform.ShowMessage(QStringLiteral("Error on CreateProcess()"));
    // The run cannot go on: put the window back as it is between runs.
    FControls.timerTime->stop();
    WriteStatus(FRow, StatusFailed);
    ShowIdlePanel();
    FRunState = Idle;
    FinishBatch();
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

void TBatchRunner::ShutDownComputer()
{
    FPlatform.PowerOff();
}
