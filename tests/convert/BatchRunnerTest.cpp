// SPDX-License-Identifier: GPL-3.0-or-later
// The batch runner on its own controls, with the fake encoder behind it:
// what a batch shows of its tasks, its progress and its end.
#include "convert/PowerOffCountdown.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/RunnerAlone.h"
#include "settings/PreferenceStore.h"

#include <QPushButton>
#include <QSignalSpy>

namespace {

using Runner = RunnerAlone;

TEST_F(Runner, ProgressSkipsTwoReadsThenMovesBothBarsAndNeverBack)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi", "c.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    EXPECT_EQ(Statuses(), States({Converting, Waiting, Waiting}));
    EXPECT_FALSE(runner->actStart->isEnabled());
    EXPECT_TRUE(runner->actStop->isEnabled());
    EXPECT_FALSE(progress.isHidden());

    runner->Engine().OnChunk(0, "frame= 1 time=50.0 bitrate");
    runner->Engine().OnChunk(0, "frame= 1 time=50.0 bitrate");
    EXPECT_EQ(current.value(), 0) << "the first two reads are never examined";
    runner->Engine().OnChunk(0, "frame= 1 time=50.0 bitrate");
    EXPECT_EQ(current.value(), 50);
    EXPECT_EQ(total.value(), 17);
    EXPECT_EQ(currentText.text(), "50%");
    EXPECT_EQ(totalText.text(), "17%");
    EXPECT_FALSE(Cell(0, 3).data(TTaskModel::PercentRole).isValid()) << "no bar in the row";
    runner->Engine().OnChunk(0, "frame= 1 time=40.0 bitrate");
    EXPECT_EQ(current.value(), 50) << "progress never moves back";
    runner->Engine().OnChunk(0, "frame= 1 time=00:01:15.00 bitrate");
    EXPECT_EQ(current.value(), 75) << "the clock form is read too";

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

TEST_F(Runner, RemainingTimeFollowsElapsedTimeAndTotalProgress)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi", "c.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    timer.stop(); // the test is the clock
    for (const char* chunk : {"", "", "time=75.0 "})
        runner->Engine().OnChunk(0, chunk);
    ASSERT_EQ(total.value(), 25);
    for (int second = 0; second < 30; ++second)
        runner->timerTimeTimer();
    EXPECT_EQ(elapsed.text(), "00:00:30");
    EXPECT_EQ(remaining.text(), "00:01:30");
    runner->tbtnStopClick();
}

TEST_F(Runner, ATaskOfUnknownLengthCountsNothingInTheTotal)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi"});
    ltvItemData twoSeconds, unknown; // unknown: the probe found no length
    twoSeconds.Length = twoSeconds.FullEnd = twoSeconds.Span = twoSeconds.End =
        TTimeValue::FromText("00:00:02");
    for (TaskField field :
         {TaskField::LengthText, TaskField::FullEndText, TaskField::SpanText, TaskField::EndText}) {
        model.Write(0, field, twoSeconds);
        model.Write(1, field, unknown);
    }
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    for (const char* chunk : {"", "", "time=1.0 "})
        runner->Engine().OnChunk(0, chunk);
    EXPECT_EQ(current.value(), 50);
    EXPECT_EQ(total.value(), 50);
    runner->tbtnStopClick();
}

TEST_F(Runner, StopDuringTheSecondOfThreeTasks)
{
    script.Set("convert.steps", 2).Set("convert.total", 100).Set("convert.interval_ms", 300);
    Open({"a.avi", "b.avi", "c.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return Status(1) == Converting && app.RecordedRuns().size() == 2; }, Wait));
    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Complete, Stopped, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_EQ(app.RecordedRuns().size(), 2) << "two conversions";
    ExpectUnlocked();
}

TEST_F(Runner, StopBetweenTasksEndsTheRunBeforeTheNextEncoderStarts)
{
    Open({"a.avi", "b.avi"});
    runner->tbtnStartClick();
    runner->tbtnStopClick(); // before the first task's turn of the event loop
    QTest::qWait(200);
    EXPECT_EQ(Statuses(), States({Waiting, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_TRUE(app.RecordedRuns().isEmpty()) << "no encoder ran";
    ExpectUnlocked();
}

TEST_F(Runner, AnEncoderThatExitsAtOnceCompletesAndTheRunGoesOn)
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

TEST_F(Runner, FailedConversionsAreReportedAsFailedWithTheEncodersReason)
{
    script.Set("convert.mode", "error");
    Open({"a.avi", "b.avi", "c.avi"});
    preferences.AutoOpenDir = false;
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Failed, Failed, Failed}));
    EXPECT_EQ(Cell(1, 3).data(Qt::ToolTipRole).toString(), "Unknown encoder 'xyz'");
    EXPECT_EQ(MessageTexts(),
              QStringList({"The conversion is completed, but 3 of 3 files failed."}));
    EXPECT_EQ(platform.messages[0].title, "Complete");
    EXPECT_EQ(platform.messages[0].icon, Platform::Icon::Warning);
    EXPECT_EQ(total.value(), 100) << "failed tasks count as done";
    EXPECT_TRUE(platform.opened.isEmpty());
}

// "Simultaneous tasks:" at 2: two rows convert at once, each showing its own
// progress; the panel names both and shows their mean; Stop ends both with
// one message.
TEST_F(Runner, TwoAtOnceConvertSideBySideAndStopEndsBoth)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi", "c.avi"});
    if (MostSimultaneousTasks() < 2)
        GTEST_SKIP() << "one core: one task at a time is all the box offers";
    preferences.SimultaneousTasks = 2;
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return app.RecordedRuns().size() == 2; }, Wait));
    EXPECT_EQ(Statuses(), States({Converting, Converting, Waiting}));
    for (const char* chunk : {"", "", "time=50.0 "})
        runner->Engine().OnChunk(0, chunk);
    for (const char* chunk : {"", "", "time=25.0 "})
        runner->Engine().OnChunk(1, chunk);
    EXPECT_EQ(Cell(0, 3).data(TTaskModel::PercentRole), 50);
    EXPECT_EQ(Cell(1, 3).data(Qt::AccessibleTextRole), "Converting, 25%");
    EXPECT_FALSE(Cell(2, 3).data(TTaskModel::PercentRole).isValid());
    EXPECT_EQ(converting.text(), "a.avi, b.avi");
    EXPECT_EQ(converting.TipText(), "a.avi\nb.avi");
    EXPECT_EQ(currentText.text(), "38%");
    const QList<FakeEncoderRun> runs = app.RecordedRuns();

    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Stopped, Stopped, Waiting}));
    EXPECT_EQ(MessageTexts(), QStringList({"The Coversion is canceled."}));
    EXPECT_TRUE(ProcessGone(runs[0].Pid));
    EXPECT_TRUE(ProcessGone(runs[1].Pid));
    EXPECT_EQ(QDir(app.Path() + "out").entryList(QDir::Files | QDir::Hidden), QStringList());
    ExpectUnlocked();
}

// A failure beside a running task fails its own row only; the batch ends
// with the same message as one task at a time.
TEST_F(Runner, TwoAtOnceAFailureFailsItsRowOnly)
{
    script.Set("fail_name", "b").Set("convert.interval_ms", 0).Set("pause_ms", 0);
    Open({"a.avi", "b.avi", "c.avi", "d.avi"});
    preferences.AutoOpenDir = false;
    preferences.SimultaneousTasks = 2;
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Failed, Complete, Complete}));
    EXPECT_EQ(Cell(1, 3).data(Qt::ToolTipRole).toString(), "Unknown encoder 'xyz'");
    EXPECT_EQ(MessageTexts(),
              QStringList({"The conversion is completed, but 1 of 4 files failed."}));
    EXPECT_EQ(total.value(), 100);
    ExpectUnlocked();
}

// The list's last task failing beside a running one leaves only the running
// one named, not the two until the next progress.
TEST_F(Runner, TwoAtOnceTheLastTaskEndingLeavesTheOtherNamed)
{
    script.Set("convert.mode", "silence").Set("fail_name", "b");
    Open({"a.avi", "b.avi"});
    if (MostSimultaneousTasks() < 2)
        GTEST_SKIP() << "one core: one task at a time is all the box offers";
    preferences.SimultaneousTasks = 2;
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return Statuses() == States({Converting, Failed});
        },
        Wait));
    EXPECT_EQ(converting.text(), "a.avi");
    runner->tbtnStopClick();
}

TEST_F(Runner, ACrashedEncoderFailsItsTaskOnly)
{
    script.Set("convert.mode", "crash");
    Open({"a.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Failed}));
    EXPECT_EQ(MessageTexts(),
              QStringList({"The conversion is completed, but 1 of 1 files failed."}));
}

TEST_F(Runner, AMissingEncoderEndsTheRunAndRestoresTheIdleWindow)
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

TEST_F(Runner, AMissingOutputDirectoryStartsNothing)
{
    Open({"a.avi"});
    preferences.OutputPath = (app.Path() + "missing/").toStdString();
    runner->tbtnStartClick();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              "The output path does not exist. Please specify another one.");
    EXPECT_EQ(platform.messages[0].title, "Output path does not exist");
    EXPECT_EQ(platform.messages[0].icon, Platform::Icon::Information);
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(Statuses(), States({Waiting}));
}

TEST_F(Runner, AnOutputFolderNothingOpensIsToldAfterTheCompletionMessage)
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

// The indexed name ends with the profile's extension, not the one the task
// recorded when it was added; the encoder writes to a hidden name beside the
// output, which takes the output's name once the conversion has succeeded.
TEST_F(Runner, TheEncoderGetsTheIndexedNameAndTheTrimSwitchesAsSeparateArguments)
{
    script.Set("convert.interval_ms", 0);
    Open({"a.avi", "b.avi", "clip.avi"});
    preferences.Overwrite = false;
    const QString outputExt = QString::fromStdString(choice.OutputExt());
    ASSERT_FALSE(outputExt.isEmpty());
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
        model.Write(2, field, edit);

    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Complete, Complete}));
    const QList<FakeEncoderRun> runs = app.RecordedRuns();
    ASSERT_EQ(runs.size(), 3);
    const QStringList untrimmed = runs[1].Arguments;
    EXPECT_FALSE(untrimmed.contains("-ss"));
    EXPECT_FALSE(untrimmed.contains("-t"));
    const QFileInfo written(untrimmed.last());
    EXPECT_EQ(written.path() + "/", out);
    EXPECT_TRUE(written.fileName().startsWith('.')) << "hidden while it is written";
    EXPECT_TRUE(written.fileName().endsWith(outputExt)) << "the encoder picks the format by it";
    const QStringList last = runs[2].Arguments;
    ASSERT_GE(last.size(), 8);
    EXPECT_EQ(last.mid(0, 3), QStringList({"-y", "-i", app.Path() + "in/clip.avi"}));
    EXPECT_EQ(last.mid(last.size() - 5, 4), QStringList({"-ss", "00:00:10", "-t", "50.4"}));

    EXPECT_EQ(
        QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        QStringList({"a" + outputExt, "b" + outputExt, "clip" + outputExt, "clip_3" + outputExt}));
    EXPECT_EQ(QFileInfo(out + "clip" + outputExt).size(), 0) << "the existing file stays";
}

TEST_F(Runner, PauseStopsTheEncoderAndTheClockAndStopStillEndsTheBatch)
{
    script.Set("convert.steps", 100).Set("convert.interval_ms", 200).Set("convert.total", 100);
    Open({"a.avi", "b.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->ElapsedSeconds() >= 1; }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);

    runner->actPause->trigger();
    ASSERT_TRUE(runner->IsPaused());
    EXPECT_EQ(Statuses(), States({Paused, Waiting}));
    EXPECT_TRUE(QTest::qWaitFor([pid] { return ProcessState(pid) == 'T'; }, Wait));
    const QString elapsedBefore = elapsed.text();
    const QString remainingBefore = remaining.text();
    QTest::qWait(1300);
    EXPECT_EQ(elapsed.text(), elapsedBefore);
    EXPECT_EQ(remaining.text(), remainingBefore);

    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Stopped, Waiting}));
    EXPECT_TRUE(ProcessGone(pid));
    EXPECT_TRUE(ChildProcesses().isEmpty());
    EXPECT_FALSE(runner->actPause->isEnabled());
    EXPECT_FALSE(runner->actPause->isChecked());
    ExpectUnlocked();
}

// "Turn off the computer": a window counts down from 60 s; its Cancel keeps
// the program and shows the completion message instead, "Turn Off Now"
// powers off through the platform and ends the program.
TEST_F(Runner, TheCountdownBeforeTurningOffCanBeCancelledOrCutShort)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    preferences.AutoTurnOff = preferences.AutoExit = true;
    QSignalSpy ended(runner.get(), &TBatchRunner::ProgramEndRequested);
    const auto countdown = [this] {
        runner->tbtnStartClick();
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return runner->Countdown() && runner->Countdown()->isVisible(); }, Wait));
        runner->Countdown()->timerCountdown->stop(); // the test is the clock
        return runner->Countdown();
    };

    TPowerOffCountdown* window = countdown();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->labCountdown->text(), "The computer will be turned off in 60 seconds.");
    window->timerCountdownTimer();
    EXPECT_EQ(window->labCountdown->text(), "The computer will be turned off in 59 seconds.");
    EXPECT_TRUE(runner->IsBatchActive());
    window->btnCancel->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}));
    EXPECT_EQ(platform.powerOffs, 0);
    EXPECT_EQ(ended.count(), 0);
    ExpectUnlocked();

    countdown();
    runner->actStop->trigger(); // what Cancel does
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.powerOffs, 0);

    countdown()->btnTurnOffNow->click();
    EXPECT_EQ(platform.powerOffs, 1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(platform.messages.size(), 2) << "no message on the way out";
}

TEST_F(Runner, TheDesktopHearsOfTheEndOnlyWhileTheWindowIsInactive)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    preferences.AutoOpenDir = false;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(platform.notices.isEmpty());

    script.Set("convert.mode", "error");
    ASSERT_TRUE(script.Save());
    auto* other = new QWidget(&window, Qt::Window);
    other->show();
    other->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other));
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(platform.notices.size(), 1);
    EXPECT_EQ(platform.notices[0],
              QStringList({"Complete", "The conversion is completed, but 1 of 1 files failed."}));
}

} // namespace
