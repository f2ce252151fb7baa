// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ShellText.h"
#include "convert/PowerOffCountdown.h"
#include "fixtures/BatchRun.h"
#include "tasks/LogForm.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The state letter of a process ("R", "S", "T" when stopped by a signal).
char ProcessState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() ? text[close + 2] : '?';
}

TEST_F(BatchRun, EachRowKeepsItsEncoderLogWhereverItMovesAndShowsItInAWindow)
{
    script.Set("convert.interval_ms", 0).Set("pause_ms", 0);
    Open({"a.avi", "b.avi", "c.avi"});
    Prefer([](TPreferences& p) { p.AutoOpenDir = false; });
    TTaskList& list = *windows->TaskList;
    list.View().SelectRow(1, true);
    list.View().ppmTaskPopup();
    EXPECT_FALSE(list.View().mniShowLog->isEnabled()) << "nothing converted yet";

    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    list.Commands().tbtnUpClick(); // b, a, c
    list.View().SelectRow(0, false);
    list.View().SelectRow(2, true);
    list.Commands().tbtnRemoveClick(); // b, a
    ASSERT_EQ(list.Model().TaskCount(), 2);
    for (const auto& [row, name] : {std::pair{0, "b.avi"}, std::pair{1, "a.avi"}}) {
        const QString log = list.Model().At(row).Log;
        // First the command as a shell takes it, and when it started.
        EXPECT_TRUE(log.startsWith(
            QString::fromStdString(ShellQuoted(app.EncoderPath().toStdString())) + " -y -i "))
            << log.toStdString();
        EXPECT_TRUE(log.contains("\nStarted: 20")) << row;
        EXPECT_TRUE(log.contains("in/" + QString(name) + "'")) << row;
        EXPECT_TRUE(log.contains("time=3.00")) << row;
    }

    list.View().SelectRow(0, true);
    list.View().ppmTaskPopup();
    ASSERT_TRUE(list.View().mniShowLog->isEnabled());
    list.View().mniShowLog->trigger();
    auto* window = form->findChild<TLogForm*>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Log - b.avi");
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->memLog->isReadOnly());
    EXPECT_TRUE(window->memLog->toPlainText().contains("time=1.80 bitrate= 698.8kbits/s "
                                                       "speed=1.0x    \nframe=100"))
        << "each redrawn progress line is a line";

    const QString saved = app.Path() + "b.log";
    platform.saveAnswers.push_back(saved);
    window->btnSave->click();
    ASSERT_EQ(platform.saveCalls.size(), 1);
    EXPECT_EQ(platform.saveCalls[0].owner, window);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), window->memLog->toPlainText());
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}))
        << "the save reported nothing";
}

TEST_F(BatchRun, PauseStopsTheEncoderAndTheClockAndStopStillEndsTheBatch)
{
    script.Set("convert.steps", 100).Set("convert.interval_ms", 200).Set("convert.total", 100);
    Open({"a.avi", "b.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->ElapsedSeconds() >= 1; }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);

    QTest::mouseClick(form->Toolbar.tbtnPause, Qt::LeftButton);
    ASSERT_TRUE(runner->IsPaused());
    EXPECT_EQ(Statuses(), States({Paused, Waiting}));
    EXPECT_TRUE(QTest::qWaitFor([pid] { return ProcessState(pid) == 'T'; }, Wait));
    const QString elapsed = form->BottomStrip.labElapsed->text();
    const QString remaining = form->BottomStrip.labRemaining->text();
    QTest::qWait(1300);
    EXPECT_EQ(form->BottomStrip.labElapsed->text(), elapsed);
    EXPECT_EQ(form->BottomStrip.labRemaining->text(), remaining);

    runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Stopped, Waiting}));
    EXPECT_TRUE(ProcessGone(pid));
    EXPECT_TRUE(ChildProcesses().isEmpty());
    EXPECT_FALSE(form->Toolbar.tbtnPause->isEnabled());
    EXPECT_FALSE(form->Toolbar.tbtnPause->isChecked());
    ExpectUnlocked();
}

// Resuming, here by closing the window and keeping the batch, lets the
// encoder and the batch go on.
TEST_F(BatchRun, KeepConvertingWhilePausedResumesTheBatch)
{
    script.Set("convert.steps", 4).Set("convert.interval_ms", 100);
    Open({"a.avi"});
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);
    runner->tbtnPauseClick();
    ASSERT_TRUE(QTest::qWaitFor([pid] { return ProcessState(pid) == 'T'; }, Wait));
    platform.choices = {TBatchRunner::KeepConverting};
    form->close();
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_NE(ProcessState(pid), 'T');
    EXPECT_EQ(Statuses(), States({Converting}));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete}));
    EXPECT_EQ(ended.count(), 1);
}

// "Turn off the computer": a window counts down from 60 s; its Cancel keeps
// the program and shows the completion message instead, "Turn Off Now"
// powers off through the platform and ends the program.
TEST_F(BatchRun, TheCountdownBeforeTurningOffCanBeCancelledOrCutShort)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    Prefer([](TPreferences& p) { p.AutoTurnOff = p.AutoExit = true; });
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
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
    QTest::mouseClick(form->Toolbar.tbtnStop, Qt::LeftButton); // what Cancel does
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.powerOffs, 0);

    countdown()->btnTurnOffNow->click();
    EXPECT_EQ(platform.powerOffs, 1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(platform.messages.size(), 2) << "no message on the way out";
}

TEST_F(BatchRun, TheDesktopHearsOfTheEndOnlyWhileTheWindowIsInactive)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    Prefer([](TPreferences& p) { p.AutoOpenDir = false; });
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(platform.notices.isEmpty());

    script.Set("convert.mode", "error");
    ASSERT_TRUE(script.Save());
    auto* other = new QWidget(form, Qt::Window);
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
