// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/PowerOffCountdown.h"
#include "convert/SizeEstimate.h"
#include "fixtures/BatchRun.h"
#include "preview/DSTrackBar.h"
#include "preview/FilterGraph.h"
#include "profiles/ProfileCatalogue.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ValueListEditor.h"

#include <QMenu>

namespace {

TEST_F(BatchRun, ProgressSkipsTwoReadsThenMovesBothBarsAndNeverBack)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi", "c.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    EXPECT_EQ(Statuses(), States({Converting, Waiting, Waiting}));
    EXPECT_FALSE(form->Toolbar.tbtnStart->isEnabled());
    EXPECT_TRUE(form->Toolbar.tbtnStop->isEnabled());
    EXPECT_FALSE(form->BottomStrip.panBottomLeft->isHidden());

    runner->Engine().OnChunk(0, "frame= 1 time=50.0 bitrate");
    runner->Engine().OnChunk(0, "frame= 1 time=50.0 bitrate");
    EXPECT_EQ(form->BottomStrip.pgbCurrent->value(), 0) << "the first two reads are never examined";
    runner->Engine().OnChunk(0, "frame= 1 time=50.0 bitrate");
    EXPECT_EQ(form->BottomStrip.pgbCurrent->value(), 50);
    EXPECT_EQ(form->BottomStrip.pgbTotal->value(), 17);
    EXPECT_EQ(form->BottomStrip.labCurProgress->text(), "50%");
    EXPECT_EQ(form->BottomStrip.labTotalProgress->text(), "17%");
    EXPECT_FALSE(Cell(0, 3).data(TTaskModel::PercentRole).isValid()) << "no bar in the row";
    runner->Engine().OnChunk(0, "frame= 1 time=40.0 bitrate");
    EXPECT_EQ(form->BottomStrip.pgbCurrent->value(), 50) << "progress never moves back";
    runner->Engine().OnChunk(0, "frame= 1 time=00:01:15.00 bitrate");
    EXPECT_EQ(form->BottomStrip.pgbCurrent->value(), 75) << "the clock form is read too";

    const qint64 pid = runner->Engine().EncoderProcessId(0);
    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Stopped, Waiting, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_EQ(platform.messages.first().title, "Cancel");
    EXPECT_TRUE(ProcessGone(pid)) << "Stop kills and reaps the encoder";
    EXPECT_TRUE(ChildProcesses().isEmpty());
    EXPECT_TRUE(platform.opened.isEmpty());
    ExpectUnlocked();
}

TEST_F(BatchRun, RemainingTimeFollowsElapsedTimeAndTotalProgress)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi", "c.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    form->timerTime->stop(); // the test is the clock
    for (const char* chunk : {"", "", "time=75.0 "})
        runner->Engine().OnChunk(0, chunk);
    ASSERT_EQ(form->BottomStrip.pgbTotal->value(), 25);
    for (int second = 0; second < 30; ++second)
        runner->timerTimeTimer();
    EXPECT_EQ(form->BottomStrip.labElapsed->text(), "00:00:30");
    EXPECT_EQ(form->BottomStrip.labRemaining->text(), "00:01:30");
    runner->tbtnStopClick();
}

TEST_F(BatchRun, ATaskOfUnknownLengthCountsNothingInTheTotal)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi"});
    ltvItemData twoSeconds, unknown; // unknown: the probe found no length
    twoSeconds.Length = twoSeconds.FullEnd = twoSeconds.Span = twoSeconds.End =
        TTimeValue::FromText("00:00:02");
    for (TaskField field :
         {TaskField::LengthText, TaskField::FullEndText, TaskField::SpanText, TaskField::EndText}) {
        windows->TaskList->Model().Write(0, field, twoSeconds);
        windows->TaskList->Model().Write(1, field, unknown);
    }
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    for (const char* chunk : {"", "", "time=1.0 "})
        runner->Engine().OnChunk(0, chunk);
    EXPECT_EQ(form->BottomStrip.pgbCurrent->value(), 50);
    EXPECT_EQ(form->BottomStrip.pgbTotal->value(), 50);
    runner->tbtnStopClick();
}

TEST_F(BatchRun, StopDuringTheSecondOfThreeTasks)
{
    script.Set("convert.steps", 2).Set("convert.total", 100).Set("convert.interval_ms", 300);
    Open({"a.avi", "b.avi", "c.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return Status(1) == Converting && app.RecordedRuns().size() == 5; }, Wait));
    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Complete, Stopped, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_EQ(app.RecordedRuns().size(), 3 + 2) << "three probes, two conversions";
    ExpectUnlocked();
}

TEST_F(BatchRun, StopBetweenTasksEndsTheRunBeforeTheNextEncoderStarts)
{
    Open({"a.avi", "b.avi"});
    runner->tbtnStartClick();
    runner->tbtnStopClick(); // before the first task's turn of the event loop
    QTest::qWait(200);
    EXPECT_EQ(Statuses(), States({Waiting, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_EQ(app.RecordedRuns().size(), 2) << "only the probes ran";
    ExpectUnlocked();
}

TEST_F(BatchRun, AnEncoderThatExitsAtOnceCompletesAndTheRunGoesOn)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi", "b.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Complete}));
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}));
    EXPECT_EQ(platform.messages.first().title, "Complete");
    EXPECT_EQ(platform.opened, QStringList({app.Path() + "out/"})) << "Open Dir is ticked";
    EXPECT_EQ(Cell(0, 3).data(Qt::ToolTipRole).toString(), "");
    ExpectUnlocked();
}

TEST_F(BatchRun, FailedConversionsAreReportedAsFailedWithTheEncodersReason)
{
    script.Set("convert.mode", "error");
    Open({"a.avi", "b.avi", "c.avi"});
    Prefer([](TPreferences& p) { p.AutoOpenDir = false; });
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Failed, Failed, Failed}));
    EXPECT_EQ(Cell(1, 3).data(Qt::ToolTipRole).toString(), "Unknown encoder 'xyz'");
    EXPECT_EQ(MessageTexts(),
              QStringList({"The conversion is completed, but 3 of 3 files failed."}));
    EXPECT_EQ(platform.messages[0].title, "Complete");
    EXPECT_EQ(platform.messages[0].icon, Platform::Icon::Warning);
    EXPECT_EQ(form->BottomStrip.pgbTotal->value(), 100) << "failed tasks count as done";
    EXPECT_TRUE(platform.opened.isEmpty());
}

// "Simultaneous tasks:" at 2: two rows convert at once, each showing its own
// progress; the panel names both and shows their mean; Stop ends both with
// one message.
TEST_F(BatchRun, TwoAtOnceConvertSideBySideAndStopEndsBoth)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi", "c.avi"});
    if (MostSimultaneousTasks() < 2)
        GTEST_SKIP() << "one core: one task at a time is all the box offers";
    Prefer([](TPreferences& p) { p.SimultaneousTasks = 2; });
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return app.RecordedRuns().size() == 3 + 2; }, Wait));
    EXPECT_EQ(Statuses(), States({Converting, Converting, Waiting}));
    for (const char* chunk : {"", "", "time=50.0 "})
        runner->Engine().OnChunk(0, chunk);
    for (const char* chunk : {"", "", "time=25.0 "})
        runner->Engine().OnChunk(1, chunk);
    EXPECT_EQ(Cell(0, 3).data(TTaskModel::PercentRole), 50);
    EXPECT_EQ(Cell(1, 3).data(Qt::AccessibleTextRole), "Converting, 25%");
    EXPECT_FALSE(Cell(2, 3).data(TTaskModel::PercentRole).isValid());
    EXPECT_EQ(form->BottomStrip.labConvertingFile->text(), "a.avi, b.avi");
    EXPECT_EQ(form->BottomStrip.labConvertingFile->TipText(), "a.avi\nb.avi");
    EXPECT_EQ(form->BottomStrip.labCurProgress->text(), "38%");
    const QList<FakeEncoderRun> runs = app.RecordedRuns();

    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Stopped, Stopped, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_TRUE(ProcessGone(runs[3].Pid));
    EXPECT_TRUE(ProcessGone(runs[4].Pid));
    EXPECT_EQ(QDir(app.Path() + "out").entryList(QDir::Files | QDir::Hidden), QStringList());
    ExpectUnlocked();
}

// A failure beside a running task fails its own row only; the batch ends
// with the same message as one task at a time.
TEST_F(BatchRun, TwoAtOnceAFailureFailsItsRowOnly)
{
    script.Set("fail_name", "b").Set("convert.interval_ms", 0).Set("pause_ms", 0);
    Open({"a.avi", "b.avi", "c.avi", "d.avi"});
    Prefer([](TPreferences& p) { p.AutoOpenDir = false; });
    Prefer([](TPreferences& p) { p.SimultaneousTasks = 2; });
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Failed, Complete, Complete}));
    EXPECT_EQ(Cell(1, 3).data(Qt::ToolTipRole).toString(), "Unknown encoder 'xyz'");
    EXPECT_EQ(MessageTexts(),
              QStringList({"The conversion is completed, but 1 of 4 files failed."}));
    EXPECT_EQ(form->BottomStrip.pgbTotal->value(), 100);
    ExpectUnlocked();
}

// The list's last task failing beside a running one leaves only the running
// one named, not the two until the next progress.
TEST_F(BatchRun, TwoAtOnceTheLastTaskEndingLeavesTheOtherNamed)
{
    script.Set("convert.mode", "silence").Set("fail_name", "b");
    Open({"a.avi", "b.avi"});
    if (MostSimultaneousTasks() < 2)
        GTEST_SKIP() << "one core: one task at a time is all the box offers";
    Prefer([](TPreferences& p) { p.SimultaneousTasks = 2; });
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return Statuses() == States({Converting, Failed});
        },
        Wait));
    EXPECT_EQ(form->BottomStrip.labConvertingFile->text(), "a.avi");
    runner->tbtnStopClick();
}

// Start while files are still being added: the batch is the rows listed at
// that moment; the rows the add lists afterwards wait.
TEST_F(BatchRun, AStartDuringAnAddConvertsTheRowsListedThen)
{
    script.Set("probe.delay_ms", 200).Set("convert.mode", "quick");
    Open({"a.avi"});
    const QString more = app.Path() + "in/more/";
    ASSERT_TRUE(QDir().mkpath(more));
    for (const char* name : {"1.avi", "2.avi", "3.avi", "4.avi"}) {
        QFile file(more + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    windows->TaskList->Adds().AddTaskDirectory(more);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return windows->TaskList->Model().TaskCount() >= 2; }, Wait));
    const int atStart = windows->TaskList->Model().TaskCount();
    ASSERT_LT(atStart, 5) << "the add is still under way";
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !runner->IsBatchActive() && !windows->TaskList->Adds().IsAdding(); },
        Wait));

    ASSERT_EQ(windows->TaskList->Model().TaskCount(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(Status(row), row < atStart ? Complete : Waiting) << row;
    qsizetype probed = 0, converted = 0;
    for (const FakeEncoderRun& run : app.RecordedRuns()) {
        if (run.Arguments.value(0) == "-y")
            ++converted;
        else
            probed += run.Arguments.size() / 2;
    }
    EXPECT_EQ(probed, 5) << "each file probed once";
    EXPECT_EQ(converted, atStart) << "the rows listed at the start converted";
}

TEST_F(BatchRun, ACrashedEncoderFailsItsTaskOnly)
{
    script.Set("convert.mode", "crash");
    Open({"a.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Failed}));
    EXPECT_EQ(MessageTexts(),
              QStringList({"The conversion is completed, but 1 of 1 files failed."}));
}

TEST_F(BatchRun, AMissingEncoderEndsTheRunAndRestoresTheIdleWindow)
{
    Open({"a.avi", "b.avi"});
    ASSERT_TRUE(app.LinkEncoder(TempAppDir::Encoder::None));
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(platform.plainMessages, QStringList({"Error on CreateProcess()"}));
    EXPECT_EQ(Statuses(), States({Failed, Waiting}));
    EXPECT_TRUE(platform.messages.isEmpty());
    ExpectUnlocked();
}

TEST_F(BatchRun, AMissingOutputDirectoryStartsNothing)
{
    Open({"a.avi"});
    form->BottomStrip.edtOutputdir->setText(app.Path() + "missing/");
    runner->tbtnStartClick();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              "The output path does not exist. Please specify another one.");
    EXPECT_EQ(platform.messages[0].title, "Output path does not exist");
    EXPECT_EQ(platform.messages[0].icon, Platform::Icon::Information);
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(Statuses(), States({Waiting}));
}

// Converting with defaults made up for a file that is no profile would give
// a type the user never picked: picking it says why, and Start refuses.
TEST_F(BatchRun, AFileThatIsNoProfileIsRefusedWhenPickedAndAtStart)
{
    QFile broken(app.Path() + "Profiles/Broken.apf");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("\xEF\xBB\xBFgarbage") > 0);
    broken.close();
    Open({"a.avi"});
    QComboBox* profiles = form->BottomStrip.cmbProfile;
    profiles->setCurrentIndex(profiles->findText("Broken"));
    emit profiles->activated(profiles->currentIndex()); // as the user's pick does
    const QString refusal = "The profile Broken cannot be read: it has no [Main] section.";
    EXPECT_EQ(platform.errors, QStringList({refusal}));
    const TProfileDetail* detail = windows->ProfileDetail;
    EXPECT_EQ(detail->vleVideo->RowCount() + detail->vleAudio->RowCount() +
                  detail->vleAdvanced->RowCount(),
              0);
    runner->tbtnStartClick();
    EXPECT_EQ(platform.errors, QStringList({refusal, refusal}));
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(Statuses(), States({Waiting}));
}

TEST_F(BatchRun, TurnOffTogetherWithExitPowersOffAndClosesWithoutAMessageWhenTheCountRunsOut)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    Prefer([](TPreferences& p) { p.AutoTurnOff = p.AutoExit = true; });
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Countdown(); }, Wait));
    TPowerOffCountdown& countdown = *runner->Countdown();
    countdown.timerCountdown->stop(); // the test is the clock
    for (int second = 0; second < 59; ++second)
        countdown.timerCountdownTimer();
    EXPECT_EQ(platform.powerOffs, 0) << "one second is left";
    countdown.timerCountdownTimer();
    EXPECT_EQ(platform.powerOffs, 1);
    EXPECT_FALSE(countdown.isVisible());
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.opened.isEmpty());
}

TEST_F(BatchRun, KeepConvertingSavesAtOnceAndEndsAfterTheBatch)
{
    script.Set("convert.steps", 3).Set("convert.interval_ms", 200);
    Open({"a.avi", "b.avi"});
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    platform.choices = {TBatchRunner::KeepConverting};
    form->close();
    ASSERT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(platform.questions[0].text, "A conversion is running. Stop it and quit?");
    EXPECT_EQ(platform.questions[0].answers,
              QStringList({"Stop and Quit", "Keep Converting", "Cancel"}));
    EXPECT_EQ(closed.count(), 1) << "the preferences are saved at once";
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ended.count(), 0);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Complete}));
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(closed.count(), 1) << "saved once";
}

TEST_F(BatchRun, StopAndQuitStopsTheBatchAndClosesWithoutTheCancelMessage)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi"});
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);
    platform.choices = {TBatchRunner::StopAndQuit};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Statuses(), States({Stopped, Waiting}));
    EXPECT_TRUE(ProcessGone(pid));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(BatchRun, CancelOrAnEndingSessionLeavesTheBatchAsItIs)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi"});
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    EXPECT_FALSE(form->close()); // no script: the user cancels
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(runner->Engine().IsEncoderRunning(0));
    EXPECT_EQ(closed.count(), 0);

    // The session's end closes without a word, whatever a user would answer.
    windows->EndSession();
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(runner->IsBatchActive());
}

TEST_F(BatchRun, AnOutputFolderNothingOpensIsToldAfterTheCompletionMessage)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    platform.shellOpens = false;
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(platform.opened, QStringList({app.Path() + "out/"}));
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].text.contains(app.Path() + "out/"));
    ExpectUnlocked();
}

TEST_F(BatchRun, TheCompletionMessageIsStillPartOfTheBatch)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    platform.onMessage = [this, &ended](const FakePlatform::Message&) {
        form->close();
        EXPECT_TRUE(runner->IsBatchActive());
        EXPECT_EQ(ended.count(), 0) << "the directory is still to be opened";
        runner->tbtnStartClick(); // refused: this batch has not ended
    };
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    QTest::qWait(200);
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}));
    EXPECT_EQ(app.RecordedRuns().size(), 1 + 1) << "one probe, one conversion";
    EXPECT_EQ(platform.opened, QStringList({app.Path() + "out/"}));
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(BatchRun, DestroyingTheWindowsDuringARunLeavesNoEncoder)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);
    windows.reset();
    EXPECT_TRUE(ProcessGone(pid));
    EXPECT_TRUE(ChildProcesses().isEmpty());
}

// The indexed name ends with the profile's extension, not the one the task
// recorded when it was added; the encoder writes to a hidden name beside the
// output, which takes the output's name once the conversion has succeeded.
TEST_F(BatchRun, TheEncoderGetsTheIndexedNameAndTheTrimSwitchesAsSeparateArguments)
{
    script.Set("convert.interval_ms", 0);
    Open({"a.avi", "b.avi", "clip.avi"});
    Prefer([](TPreferences& p) { p.Overwrite = false; });
    const QString outputExt = windows->ProfileDetail->OutputExt;
    ASSERT_FALSE(outputExt.isEmpty()) << "the saved profile is loaded at first show";
    const QString out = app.Path() + "out/";
    QFile existing(out + "clip" + outputExt);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    // The task's own name and extension, and a trim, as the output grid
    // stores them.
    ltvItemData edit;
    edit.NewExt = ".mkv";
    edit.Span = TTimeValue::FromText("00:00:50.4");
    edit.Start = TTimeValue::FromText("00:00:10");
    edit.End = TTimeValue::FromText("00:01:00.4");
    for (TaskField field :
         {TaskField::NewExt, TaskField::SpanText, TaskField::StartText, TaskField::EndText})
        windows->TaskList->Model().Write(2, field, edit);

    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Complete, Complete}));
    const QList<FakeEncoderRun> runs = app.RecordedRuns();
    ASSERT_EQ(runs.size(), 3 + 3);
    const QStringList untrimmed = runs[4].Arguments;
    EXPECT_FALSE(untrimmed.contains("-ss"));
    EXPECT_FALSE(untrimmed.contains("-t"));
    const QFileInfo written(untrimmed.last());
    EXPECT_EQ(written.path() + "/", out);
    EXPECT_TRUE(written.fileName().startsWith('.')) << "hidden while it is written";
    EXPECT_TRUE(written.fileName().endsWith(outputExt)) << "the encoder picks the format by it";
    const QStringList last = runs[5].Arguments;
    ASSERT_GE(last.size(), 8);
    EXPECT_EQ(last.mid(0, 3), QStringList({"-y", "-i", app.Path() + "in/clip.avi"}));
    EXPECT_EQ(last.mid(last.size() - 5, 4), QStringList({"-ss", "00:00:10", "-t", "50.4"}));

    EXPECT_EQ(
        QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        QStringList({"a" + outputExt, "b" + outputExt, "clip" + outputExt, "clip_3" + outputExt}));
    EXPECT_EQ(QFileInfo(out + "clip" + outputExt).size(), 0) << "the existing file stays";
}

} // namespace

// Open on a row previews it; a batch stops the preview where it is, and the
// preview's own controls go on working while the batch runs.
TEST_F(BatchRun, OpenPreviewsTheRowAndTheLockStopsThePreviewButLeavesItsControls)
{
    Open({"a.avi", "b.avi"});
    windows->TaskList->View().SelectRow(1, true);
    windows->TaskList->View().ltvTaskDblClick();
    TFilterGraph& graph = *windows->FilterGraph;
    EXPECT_EQ(graph.RenderedFile(), app.Path() + "in/b.avi");
    EXPECT_EQ(graph.PlaybackState(), TFilterGraph::StateRunning);

    runner->LockForConversion();
    EXPECT_EQ(graph.PlaybackState(), TFilterGraph::StateStopped);
    EXPECT_EQ(graph.RenderedFile(), app.Path() + "in/b.avi") << "stopped, not emptied";
    const PreviewControls& preview = form->Preview;
    for (QWidget* control : std::initializer_list<QWidget*>{preview.sbtnPlay, preview.sbtnPause,
                                                            preview.sbtnStop, preview.TrackBar})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    QTest::mouseClick(preview.sbtnPlay, Qt::LeftButton);
    EXPECT_EQ(graph.PlaybackState(), TFilterGraph::StateRunning);
    runner->UnlockAfterConversion();
}

namespace {

// What the window shows of each task of a mixed list (unpinned, pinned,
// pinned with a target, of unknown length) is its plan, the one the
// headless modes make from the same profile files; the footer is their sum,
// and a task is planned once for each change of what its plan reads.
TEST_F(BatchRun, TheWindowShowsEachTasksPlanAndTheFooterSumsThem)
{
    Open({"a.avi", "b.avi", "c.avi", "d.avi"});
    TTaskList& list = *windows->TaskList;
    TTaskModel& model = list.Model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.At(3).Data.Length.Seconds > 0; }, Wait));
    const char* pins[] = {"", "WebM (VP9 + Opus)", "Mobile Phone 3GP (MPEG-4 + AAC)", ""};
    for (int row = 1; row < 3; ++row) {
        list.View().SelectRow(row, true);
        list.View().PinSelectedTasks(pins[row]);
        list.View().SelectRow(row, false);
    }
    ltvItemData data = model.At(2).Data;
    data.TargetText = "2MB";
    model.Write(2, TaskField::TargetText, data);
    data = model.At(3).Data;
    data.Length = data.Span = data.End = TTimeValue();
    model.Write(3, TaskField::AllFields, data);
    QCoreApplication::processEvents();
    const long long made = list.Plans().PlansMade();

    TPlanProfiles headless(MakeProfilePlan(windows->ProfileDetail->Choice()),
                           [this](const std::string& name) {
                               return LoadProfileChoice(ProfileFilePath(form->Places, name));
                           });
    TPlanTotals sum;
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const TTaskPlan plan = MakeTaskPlan(headless, model.At(row).Data, {});
        EXPECT_TRUE(plan.Refusal.empty()) << plan.Refusal;
        EXPECT_EQ(list.Plans().At(row).Arguments, plan.Arguments);
        sum.Bytes += std::max<int64_t>(plan.EstimatedBytes, 0);
        sum.Counted += plan.EstimatedBytes > 0;
        sum.Depending += plan.EstimatedBytes < 0;
        sum.Unknown += plan.EstimatedBytes == 0;
        form->ltvTask->setCurrentIndex(Cell(row, 0));
        QCoreApplication::processEvents();
        EXPECT_EQ(windows->ProfileDetail->DetailValue(0, "New Filename").toStdString(),
                  plan.OutputName);
        EXPECT_TRUE(windows->SizeEstimate->FullText().startsWith(
            "Estimated size: this task " +
            QString::fromStdString(EstimateText(plan.EstimatedBytes)) + ";"));
        EXPECT_EQ(Cell(row, 0)
                      .data(Qt::ToolTipRole)
                      .toString()
                      .endsWith(QStringLiteral("Profile: ") + pins[row]),
                  *pins[row] != 0);
        list.View().ppmTaskPopup();
        QStringList marked;
        for (QAction* action : list.View().mniUseProfile->actions())
            if (action->isChecked())
                marked << action->text();
        EXPECT_EQ(marked, *pins[row] ? QStringList{pins[row]} : QStringList());
    }
    EXPECT_EQ(list.Plans().Totals(), sum);
    EXPECT_EQ(sum.Unknown, 1);
    QLabel* footer = form->labEstimate;
    EXPECT_TRUE(footer->text() == windows->SizeEstimate->FullText() ||
                (footer->text().endsWith(QChar(0x2026)) &&
                 footer->toolTip() == windows->SizeEstimate->FullText()));

    // A status plans nothing; a profile change plans every task once.
    model.Update(model.IdAt(0), {.State = TaskState::Failed});
    EXPECT_EQ(list.Plans().PlansMade(), made);
    form->BottomStrip.cmbProfile->setCurrentText("MKV (H.264 + AAC)");
    windows->ProfileDetail->cmbProfileChange();
    QTest::qWait(50);
    EXPECT_EQ(list.Plans().PlansMade(), made + 4);
}

// With a pinned task in the list, a target out of reach still fails its task
// with the reason, and an output over its target fails its task, kept.
TEST_F(BatchRun, AMissedTargetFailsItsTaskWithThePinnedOnesBeside)
{
    script.Set("convert.output_bytes", 5600000);
    Open({"a.avi", "b.avi", "c.avi"});
    TTaskModel& model = windows->TaskList->Model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.At(2).Data.Length.Seconds > 0; }, Wait));
    windows->TaskList->View().SelectRow(0, true);
    windows->TaskList->View().PinSelectedTasks("Mobile Phone 3GP (MPEG-4 + AAC)");
    for (const auto& [row, target] : {std::pair{1, "100kB"}, std::pair{2, "5MB"}}) {
        ltvItemData data = model.At(row).Data;
        data.TargetText = target;
        model.Write(row, TaskField::TargetText, data);
    }
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), (States{TaskState::Complete, TaskState::Failed, TaskState::Failed}));
    EXPECT_TRUE(model.At(1).StatusTip.startsWith("The target is below what the audio alone"))
        << model.At(1).StatusTip.toStdString();
    EXPECT_TRUE(model.At(2).StatusTip.startsWith("over the target by 12%\n"));
    EXPECT_EQ(QDir(app.Path() + "out").entryList({"c.*"}).size(), 1);
}

} // namespace
