// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ShellText.h"
#include "convert/PowerOffCountdown.h"
#include "fixtures/BatchRun.h"
#include "tasks/LogForm.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

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

} // namespace
