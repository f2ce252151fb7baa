#include "convert/BatchRunner.h"

#include "app/Main.h"
#include "app/SplitterPanel.h"
#include "base/PathText.h"
#include "convert/ArgumentBuilder.h"
#include "convert/BatchRules.h"
#include "convert/CommandLine.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "settings/Settings.h"
#include "tasks/TaskList.h"
#include "tasks/TimeText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
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

TBatchRunner::TBatchRunner(TMainForm& form, TSettingForm& settings)
    : QObject(&form), FForm(form), FSettings(settings)
{
    FChannel.SetMaxChunk(EncoderChannel::ConversionChunk);
    connect(&FChannel, &EncoderChannel::ChunkRead, this, &TBatchRunner::OnChunk);
    connect(&FChannel, &EncoderChannel::Finished, this, &TBatchRunner::OnFinished);
    connect(form.tbtnStart, &QToolButton::clicked, this, &TBatchRunner::tbtnStartClick);
    connect(form.tbtnStop, &QToolButton::clicked, this, &TBatchRunner::tbtnStopClick);
    connect(form.timerTime, &QTimer::timeout, this, &TBatchRunner::timerTimeTimer);
}

TBatchRunner::~TBatchRunner() = default;

void TBatchRunner::tbtnStartClick()
{
    if (FBatchActive)
        return;
    FForm.ltvTask->setFocus();
    if (!QFileInfo(FForm.edtOutputdir->text()).isDir()) {
        FForm.platform().MessageBox(
            &FForm, QStringLiteral("The output path does not exist. Please specify another one."),
            QStringLiteral("Output path does not exist"), Platform::Icon::Information,
            Platform::Buttons::Ok);
        FForm.edtOutputdir->setFocus();
        return;
    }
    if (FForm.TaskList->TaskCount() == 0)
        return;
    LockForConversion();
    TProfileDetail& detail = *FForm.ProfileDetail;
    const std::string arguments =
        BuildArguments(detail.ProfilePath(FForm.cmbProfile->currentText()).toStdString(),
                       [&detail](int group, const std::string& name) {
                           return detail.DetailValue(group, Text(name)).toStdString();
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
         {FForm.tbtnAddFile, FForm.tbtnAddDir, FForm.tbtnUp, FForm.tbtnDown, FForm.tbtnRemove,
          FForm.tbtnClear, FForm.tbtnStart, FForm.tbtnSetting})
        button->setEnabled(!locked);
    FForm.tbtnStop->setEnabled(locked);
    FForm.ltvTask->setEnabled(!locked);
    FForm.panSplitter->setEnabled(!locked);
    FForm.gpbProfile->setEnabled(!locked);
}

void TBatchRunner::RunBatch(const std::string& arguments)
{
    FArguments = arguments;
    FForm.labConvertingFile->clear();
    FForm.labElapsed->clear();
    FForm.labRemaining->clear();
    FForm.pgbCurrent->setValue(0);
    FForm.pgbTotal->setValue(0);
    FForm.labCurProgress->setText(QStringLiteral("0%"));
    FForm.labTotalProgress->setText(QStringLiteral("0%"));
    FForm.panBottomCenter->hide();
    FForm.panBottomLeft->show();

    FRunState = Running;
    FBatchActive = true;
    FDone = 0;
    FTotal = 0;
    FFailed = 0;
    FElapsedSeconds = 0;
    FRemainingSeconds = 0;
    FForm.timerTime->start();

    FRowCount = FForm.TaskList->TaskCount();
    for (int row = 0; row < FRowCount; ++row) {
        ltvItemData task;
        FForm.TaskList->ReadTask(row, AllFields, task);
        FTotal += task.SpanSec;
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
    FCurrent = 0;
    FForm.TaskList->ReadTask(FRow, AllFields, FTask);
    WriteStatus(FRow, StatusConverting);
    FForm.labConvertingFile->setText(Text(ExtractFileName(FTask.InputFile)));

    OutputNameRequest request;
    request.OutputDir = WithTrailingBackslash(FForm.edtOutputdir->text().toStdString());
    request.NewName = FTask.NewName;
    request.NewExt = FTask.NewExt;
    request.OutputExt = FForm.ProfileDetail->OutputExt.toStdString();
    request.InputFile = FTask.InputFile;
    request.Position = FRow + 1;
    request.Rename = FSettings.rdbRename->isChecked();
    const std::string output = ChooseOutputPath(
        request, [](const std::string& path) { return QFileInfo::exists(Text(path)); });

    const std::string arguments = FArguments + TrimSwitches(FTask);
    FChunkIndex = 0;
    FTail.clear();
    if (!FChannel.Start(FForm.EncoderPath, EncoderChannel::ArgumentList(ConversionArguments(
                                               FTask.InputFile, arguments, output))))
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
    const auto time = ParseProgressTime(chunk.toStdString());
    if (!time)
        return;
    if (*time > FCurrent)
        FCurrent = *time;
    if (FTask.SpanSec != 0)
        FForm.pgbCurrent->setValue(ProgressPercent(FCurrent, FTask.SpanSec));
    if (FTotal != 0)
        FForm.pgbTotal->setValue(ProgressPercent(FDone + FCurrent, FTotal));
    FForm.labCurProgress->setText(QString::number(FForm.pgbCurrent->value()) + "%");
    FForm.labTotalProgress->setText(QString::number(FForm.pgbTotal->value()) + "%");
}

void TBatchRunner::OnFinished(int exitCode, bool crashed)
{
    if (FRunState == Idle)
        return;
    if (FRunState == StopRequested) {
        EndStopped(true);
        return;
    }
    FDone += FTask.SpanSec;
    if (exitCode != 0 || crashed) {
        ++FFailed;
        WriteStatus(FRow, StatusFailed, Text(LastEncoderMessage(FTail)));
    } else {
        WriteStatus(FRow, StatusComplete);
    }
    if (FTotal != 0) {
        FForm.pgbTotal->setValue(ProgressPercent(FDone, FTotal));
        FForm.labTotalProgress->setText(QString::number(FForm.pgbTotal->value()) + "%");
    }
    ++FRow;
    if (FRow < FRowCount && FRow < FForm.TaskList->TaskCount()) {
        FForm.pgbCurrent->setValue(0);
        FForm.labCurProgress->setText(QStringLiteral("0%"));
        QTimer::singleShot(0, this, &TBatchRunner::StartTask);
        return;
    }
    EndCompleted();
}

void TBatchRunner::WriteStatus(int row, const QString& status, const QString& tooltip)
{
    ltvItemData data;
    data.StatusText = status.toStdString();
    FForm.TaskList->WriteTask(row, 2, data);
    if (QTreeWidgetItem* item = FForm.ltvTask->topLevelItem(row))
        item->setToolTip(StatusColumn, tooltip);
}

void TBatchRunner::EndStopped(bool duringTask)
{
    FForm.timerTime->stop();
    if (duringTask)
        WriteStatus(FRow, StatusStop);
    FForm.platform().MessageBox(&FForm, QStringLiteral("The Coversion is canceled."),
                                QStringLiteral("Cancel"), Platform::Icon::Information,
                                Platform::Buttons::Ok);
    ShowIdlePanel();
    FRunState = Idle;
    FinishBatch();
}

void TBatchRunner::EndCompleted()
{
    FForm.timerTime->stop();
    // Turning off takes precedence, and both end the program without a word.
    const bool turnOff = FSettings.chkTurnoff->isChecked();
    if (turnOff || FSettings.chkExit->isChecked()) {
        if (turnOff)
            ShutDownComputer();
        // The batch is over: the close below must not be deferred to it.
        FBatchActive = false;
        FRunState = Idle;
        UnlockAfterConversion();
        emit BatchEnded();
        FForm.close();
        emit ProgramEndRequested();
        return;
    }
    const QString text =
        FFailed == 0 ? QStringLiteral("The coversion is completed successfully.")
                     : QStringLiteral("The conversion is completed, but %1 of %2 files failed.")
                           .arg(FFailed)
                           .arg(FRowCount);
    FForm.platform().MessageBox(&FForm, text, QStringLiteral("Complete"),
                                Platform::Icon::Information, Platform::Buttons::Ok);
    if (FSettings.chkOpenDir->isChecked())
        FForm.platform().ShellOpen(FForm.edtOutputdir->text());
    FRunState = Idle;
    ShowIdlePanel();
    FinishBatch();
}

void TBatchRunner::EndFailedStart()
{
    FForm.platform().ShowMessage(QStringLiteral("Error on CreateProcess()"));
    // The run cannot go on: put the window back as it is between runs.
    FForm.timerTime->stop();
    WriteStatus(FRow, StatusFailed);
    ShowIdlePanel();
    FRunState = Idle;
    FinishBatch();
}

void TBatchRunner::ShowIdlePanel()
{
    FForm.panBottomLeft->hide();
    FForm.panBottomCenter->show();
}

void TBatchRunner::FinishBatch()
{
    FBatchActive = false;
    UnlockAfterConversion();
    emit BatchEnded();
    if (FEndProgram) {
        FForm.close();
        emit ProgramEndRequested();
    }
}

void TBatchRunner::EndProgramWhenDone()
{
    FEndProgram = true;
}

void TBatchRunner::timerTimeTimer()
{
    ++FElapsedSeconds;
    FForm.labElapsed->setText(Text(FormatTimeText(FElapsedSeconds)));
    const int percent = FForm.pgbTotal->value();
    if (percent != 0)
        FRemainingSeconds = static_cast<int>(EstimateRemainingSeconds(FElapsedSeconds, percent));
    FForm.labRemaining->setText(Text(FormatTimeText(FRemainingSeconds)));
}

void TBatchRunner::ShutDownComputer()
{
    FForm.platform().PowerOff();
}
