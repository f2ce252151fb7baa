// SPDX-License-Identifier: GPL-3.0-or-later
// The program asked to end while it converts (a logout, Ctrl+C, a closed
// terminal) closes as its window's close does: the preferences are saved,
// the encoder is killed and reaped, and its unfinished output is removed.
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "app/Program.h"
#include "convert/BatchRunner.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "platform/DataPlaces.h"
#include "tasks/SavedTasks.h"
#include "tasks/TaskList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

constexpr int Wait = 120000;

bool HasPartialOutput(const QString& dir)
{
    for (const QFileInfo& file : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden))
        if (file.size() > 0)
            return true;
    return false;
}

class SessionEnd : public ::testing::TestWithParam<int>
{
};

TEST_P(SessionEnd, SavesThePreferencesAndLeavesNoEncoderAndNoPartialOutput)
{
    const QString clip = LongTestClip(120);
    ASSERT_FALSE(clip.isEmpty());
    TempAppDir app(TempAppDir::Encoder::Real, true);
    ASSERT_TRUE(app.IsValid());
    const QString out = app.Path() + "out/";
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(QFile::copy(clip, app.Path() + "long.avi"));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(QUENBY_SESSION_END_DRIVER),
                  {app.Path(), out, app.Path() + "long.avi"});
    ASSERT_TRUE(program.waitForStarted(Wait));

    // Caught while the encoder has written part of its output.
    qint64 encoder = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QList<qint64> children = ChildrenOf(program.processId());
            encoder = children.isEmpty() ? 0 : children.first();
            return encoder != 0 && HasPartialOutput(out);
        },
        Wait));

    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(Wait));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "the signal was caught";
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ProcessExists(encoder); }, 5000));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());

    QFile preferences(app.Path() + "Preferences.ini");
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    QStringList saved;
    for (const QByteArray& line : preferences.readAll().split('\n'))
        saved << QString::fromUtf8(line).trimmed();
    EXPECT_TRUE(saved.contains("Syn Mode=2")) << saved.join('|').toStdString();
    EXPECT_TRUE(saved.contains("Output Path=" + out)) << saved.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEnd, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM  ? "SIGTERM"
                                                : info.param == SIGINT ? "SIGINT"
                                                                       : "SIGHUP");
                         });

// Asked to end while the start-up asks about the last session's tasks: the
// kept list stays as it was, for the next start to offer again.
TEST(SessionEndAtStart, KeepsTheListTheQuestionWasAbout)
{
    TempAppDir app(TempAppDir::Encoder::Fake, true);
    const QString tasks = app.File(TasksFileName);
    SaveTasks(tasks.toStdString(), {"/", {NewTaskRecord("/v/a.avi", "", "", ".avi")}});
    QFile file(tasks);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QUENBY_DRIVER_HOLD_QUESTION", "1");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUENBY_SESSION_END_DRIVER), {app.Path(), app.Path()});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return program.readAllStandardOutput() == "asking\n"; }, Wait));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(Wait));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "the signal was caught";
    EXPECT_EQ(program.exitCode(), 0);
    QFile now(tasks);
    ASSERT_TRUE(now.open(QIODevice::ReadOnly));
    EXPECT_EQ(now.readAll(), file.readAll());
}

// A second start hands its file to the window open for its settings, which
// lists it once its batch has ended, and ends without a window of its own.
TEST(SecondStart, HandsItsFileToTheOpenWindow)
{
    TempAppDir app;
    ASSERT_TRUE(QFile::copy(QUENBY_PROGRAM, app.File("quenby")));
    ASSERT_TRUE(QFile::copy(TestClip(".avi"), app.File("clip.avi")));
    FakePlatform platform;
    TProgram first(*qApp, platform, TDataPlaces(app.Path().toStdString()), {});
    emit first.Windows()->Runner->BatchRunning(true);
    QProcess second;
    second.setWorkingDirectory(app.Path());
    second.start(app.File("quenby"), {"clip.avi"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, Wait));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.Windows()->TaskList->Model().TaskCount(), 0) << "the list is locked";
    emit first.Windows()->Runner->BatchRunning(false);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return first.Windows()->TaskList->Model().TaskCount() == 1; }, Wait));
}

// A file handed over while a batch locks the list is kept through a close
// that stops the batch.
TEST(SecondStart, AFileHandedOverDuringABatchSurvivesStopAndQuit)
{
    TempAppDir app;
    ASSERT_TRUE(QFile::copy(QUENBY_PROGRAM, app.File("quenby")));
    ASSERT_TRUE(
        app.Script().Set("probe.duration", "00:00:10").Set("convert.mode", "silence").Save());
    for (const char* name : {"a.avi", "c.avi"})
        ASSERT_TRUE(QFile(app.File(name)).open(QIODevice::WriteOnly));
    FakePlatform platform;
    TProgram first(*qApp, platform, TDataPlaces(app.Path().toStdString()), {app.File("a.avi")});
    ApplicationWindows& windows = *first.Windows();
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.TaskList->Model().TaskCount() == 1; }, Wait));
    windows.Runner->tbtnStartClick();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return windows.Runner->Engine().IsEncoderRunning(0); }, Wait));
    QProcess second;
    second.start(app.File("quenby"), {app.File("c.avi")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, Wait));
    EXPECT_EQ(second.exitCode(), 0);
    platform.choices = {TBatchRunner::StopAndQuit};
    EXPECT_TRUE(windows.MainForm->close());
    QStringList kept;
    for (const ltvItemData& task : LoadTasks(app.File(TasksFileName).toStdString()).Saved.Tasks)
        kept << QString::fromStdString(task.InputFile);
    EXPECT_EQ(kept, QStringList({app.File("a.avi"), app.File("c.avi")}));
}

// Files handed over are kept before the second start ends, and a close
// right after, with their probes still under way, keeps every one.
TEST(SecondStart, AThousandFilesHandedOverSurviveAnImmediateClose)
{
    TempAppDir app;
    ASSERT_TRUE(QFile::copy(QUENBY_PROGRAM, app.File("quenby")));
    ASSERT_TRUE(app.Script().Set("probe.duration", "00:00:10").Save());
    QStringList files;
    for (int i = 0; i < 1000; ++i)
        files << app.File(QString::number(i) + ".avi");
    for (const QString& file : files)
        ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    const std::string kept = app.File(TasksFileName).toStdString();
    FakePlatform platform;
    auto first = std::make_unique<TProgram>(*qApp, platform, TDataPlaces(app.Path().toStdString()),
                                            QStringList());
    QProcess second;
    second.start(app.File("quenby"), files);
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, Wait));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(LoadTasks(kept).Saved.Tasks.size(), 1000u);
    first->Windows()->MainForm->close();
    first.reset();
    EXPECT_EQ(LoadTasks(kept).Saved.Tasks.size(), 1000u);
}

// Killed mid-batch as by a crash or a power cut: the next start restores the
// unconverted tasks as they were, the one converting made ready again.
TEST(KilledBatch, TheNextStartRestoresItsTasks)
{
    TempAppDir app(TempAppDir::Encoder::Real, true);
    const QString out = app.Path() + "out/";
    ASSERT_TRUE(app.IsValid() && QDir().mkpath(out));
    TSavedTasks kept{out.toStdString(), {}};
    for (const QString name : {"a", "b", "c", "d"}) {
        const QString input = app.Path() + name + ".avi";
        ASSERT_TRUE(QFile::copy(name == "b" ? LongTestClip(120) : TestClip(".avi"), input));
        kept.Tasks.push_back(NewTaskRecord(input.toStdString(), "00:00:03.00", "", ".avi"));
    }
    kept.Tasks[1].NewName = "bee";
    kept.Tasks[1].Start = TTimeValue::FromText("00:00:01.0");
    kept.Tasks[3].Status = TaskState::Failed;
    const std::string tasks = app.File(TasksFileName).toStdString();
    SaveTasks(tasks, kept);

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(QUENBY_SESSION_END_DRIVER), {app.Path(), out});
    qint64 encoder = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QList<qint64> children = ChildrenOf(program.processId());
            encoder = children.isEmpty() ? 0 : children.first();
            const std::vector<ltvItemData> saved = LoadTasks(tasks).Saved.Tasks;
            return encoder && saved.size() == 4 && saved[0].Status == TaskState::Complete &&
                   saved[1].Status == TaskState::Converting &&
                   !QDir(out).entryList({".quenby-*"}, QDir::Files | QDir::Hidden).isEmpty();
        },
        Wait));
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    ::kill(static_cast<pid_t>(encoder), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(Wait));
    ASSERT_TRUE(QFile::remove(app.Path() + "c.avi"));

    FakePlatform platform;
    platform.choices = {0};
    ApplicationWindows windows(app.Path(), platform, {app.Path() + "a.avi"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.TaskList->Adds().IsAdding(); }, Wait));
    EXPECT_EQ(platform.questions.value(0).text,
              "The last session left 3 tasks unconverted. Restore them?");
    EXPECT_TRUE(platform.messages.value(0).text.endsWith(app.Path() + "c.avi"));
    QStringList rows;
    std::vector<TaskState> states;
    for (int row = 0; row < windows.TaskList->Model().TaskCount(); ++row) {
        const ltvItemData& t = windows.TaskList->Model().At(row).Data;
        rows << QString::fromStdString(t.NewName + " " + t.Start.Text());
        states.push_back(t.Status);
    }
    EXPECT_EQ(rows, QStringList({"bee 00:00:01.0", "d 00:00:00.0", "a 00:00:00.0"}));
    EXPECT_EQ(states, std::vector({TaskState::Waiting, TaskState::Failed, TaskState::Waiting}));
    EXPECT_EQ(QDir(out).entryList({".quenby-*"}, QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
