// SPDX-License-Identifier: GPL-3.0-or-later
// The batch engine on its own, with no window: what it reports, in which
// order, and what it hands the encoder.
#include "convert/BatchEngine.h"
#include "base/TimeText.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/PrintQt.h"
#include "fixtures/TempAppDir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Wait = 20000;

// Every report of a run, as one line each.
class Reports : public QObject
{
public:
    explicit Reports(TBatchEngine& engine)
    {
        connect(&engine, &TBatchEngine::JobStarted, this, [this](const TConversionJob& job) {
            lines << QStringLiteral("started %1 %2")
                         .arg(job.Id)
                         .arg(QFileInfo(QString::fromStdString(job.Planned)).fileName());
        });
        connect(&engine, &TBatchEngine::JobProgress, this,
                [this](const TConversionJob& job) { progress[job.Id] = job.Percent; });
        connect(&engine, &TBatchEngine::TotalProgress, this,
                [this](int percent) { total << percent; });
        connect(&engine, &TBatchEngine::JobEnded, this, [this](const TConversionJob& job) {
            lines << QStringLiteral("finished %1 %2 %3")
                         .arg(job.Id)
                         .arg(QString::fromStdString(StateKey(job.State)))
                         .arg(QString::fromStdString(job.Reason))
                         .trimmed();
        });
        connect(&engine, &TBatchEngine::BatchEnded, this, [this](TBatchEngine::BatchEnd end) {
            lines << QStringLiteral("ended %1").arg(int(end));
        });
    }

    QStringList lines;
    QMap<int, int> progress;
    QList<int> total;
};

ltvItemData MakeTask(const QString& input, const std::string& length)
{
    ltvItemData task;
    task.InputFile = input.toStdString();
    task.NewName = QFileInfo(input).completeBaseName().toStdString();
    task.Length = task.FullEnd = task.Span = task.End = TTimeValue::FromText(length);
    task.FullStart = task.Start = TTimeValue::FromText(ZeroTimeText);
    return task;
}

class BatchEngineRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        ASSERT_TRUE(QDir().mkpath(app.Path() + "out"));
        options.EncoderPath = app.EncoderPath();
        options.Arguments = {"-c:v", "mpeg4"};
        options.OutputDir = (app.Path() + "out/").toStdString();
        options.OutputExt = ".avi";
    }

    std::vector<ltvItemData> Tasks(const QStringList& names)
    {
        std::vector<ltvItemData> tasks;
        for (const QString& name : names)
            tasks.push_back(MakeTask(app.Path() + name, "00:00:03"));
        return tasks;
    }

    QStringList OutputFiles() const
    {
        return QDir(app.Path() + "out").entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    bool WaitEnded() const
    {
        return QTest::qWaitFor([this] { return !engine.IsRunning(); }, Wait);
    }

    TempAppDir app{TempAppDir::Encoder::Fake};
    TBatchOptions options;
    TBatchEngine engine;
    Reports reports{engine};
};

TEST_F(BatchEngineRun, ReportsEachTaskInListOrderAndEndsCompleted)
{
    ASSERT_TRUE(app.Script().Set("record", app.RecordPath()).Save());
    ASSERT_TRUE(engine.Start(Tasks({"a.avi", "b.mov"}), options));
    EXPECT_FALSE(engine.Start(Tasks({"c.avi"}), options)) << "one run at a time";
    EXPECT_TRUE(reports.lines.isEmpty()) << "nothing is reported from Start itself";
    ASSERT_TRUE(WaitEnded());

    EXPECT_EQ(reports.lines, QStringList({"started 0 a.avi", "finished 0 complete",
                                          "started 1 b.avi", "finished 1 complete", "ended 0"}));
    EXPECT_EQ(reports.progress.value(0), 100);
    EXPECT_EQ(reports.progress.value(1), 100);
    ASSERT_FALSE(reports.total.isEmpty());
    EXPECT_EQ(reports.total.last(), 100);
    EXPECT_TRUE(std::is_sorted(reports.total.begin(), reports.total.end()));
    EXPECT_EQ(engine.FailedCount(), 0);
    EXPECT_TRUE(QApplication::allWidgets().isEmpty()) << "the engine creates no widget";

    const QList<FakeEncoderRun> runs = app.RecordedRuns();
    ASSERT_EQ(runs.size(), 2);
    ASSERT_EQ(runs[1].Arguments.size(), 8);
    EXPECT_EQ(runs[1].Arguments.mid(0, 7),
              QStringList(
                  {"-y", "-i", app.Path() + "b.mov", "-loglevel", "level+info", "-c:v", "mpeg4"}));
    EXPECT_EQ(OutputFiles(), QStringList({"a.avi", "b.avi"})) << "nothing hidden is left";
    QFile output(app.Path() + "out/b.avi");
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_TRUE(output.readAll().contains("b.mov"));
}

TEST_F(BatchEngineRun, ATaskBringsItsOwnSwitchesAndExtension)
{
    ASSERT_TRUE(app.Script().Set("record", app.RecordPath()).Save());
    TTaskPlan own;
    own.Arguments = {"-c:v", "copy"};
    own.OutputExt = ".mkv";
    ASSERT_TRUE(engine.Start(Tasks({"a.avi", "b.mov"}), options, {own}));
    ASSERT_TRUE(WaitEnded());
    const QList<FakeEncoderRun> runs = app.RecordedRuns();
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(runs[0].Arguments.mid(5, 2), QStringList({"-c:v", "copy"}));
    EXPECT_EQ(runs[1].Arguments.mid(5, 2), QStringList({"-c:v", "mpeg4"}));
    EXPECT_EQ(OutputFiles(), QStringList({"a.mkv", "b.avi"}));
}

// A task queued while the run is under way joins it, after the tasks
// before it; the run ends once it is done too.
TEST_F(BatchEngineRun, ATaskQueuedWhileRunningIsConverted)
{
    EXPECT_EQ(engine.Enqueue(Tasks({"x.avi"})[0]), -1) << "no run, no queue";
    QObject::connect(&engine, &TBatchEngine::JobStarted, &engine,
                     [this](const TConversionJob& job) {
                         if (job.Id == 0) {
                             EXPECT_EQ(engine.Enqueue(Tasks({"b.mov"})[0]), 1);
                         }
                     });
    ASSERT_TRUE(engine.Start(Tasks({"a.avi"}), options));
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(reports.lines, QStringList({"started 0 a.avi", "finished 0 complete",
                                          "started 1 b.avi", "finished 1 complete", "ended 0"}));
    EXPECT_EQ(OutputFiles(), QStringList({"a.avi", "b.avi"}));
    EXPECT_EQ(reports.total.last(), 100);
}

TEST_F(BatchEngineRun, AFailureCarriesTheEncodersReasonAndTheRunGoesOn)
{
    ASSERT_TRUE(
        app.Script().Set("convert.mode", "error").Set("error_text", "No such codec").Save());
    ASSERT_TRUE(engine.Start(Tasks({"a.avi", "b.avi"}), options));
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(reports.lines,
              QStringList({"started 0 a.avi", "finished 0 failed No such codec", "started 1 b.avi",
                           "finished 1 failed No such codec", "ended 0"}));
    EXPECT_EQ(engine.FailedCount(), 2);
}

TEST_F(BatchEngineRun, StopKillsTheEncoderAndReportsBeforeItReturns)
{
    ASSERT_TRUE(app.Script().Set("convert.mode", "silence").Save());
    ASSERT_TRUE(engine.Start(Tasks({"a.avi", "b.avi"}), options));
    ASSERT_TRUE(QTest::qWaitFor([this] { return engine.IsEncoderRunning(0); }, Wait));
    const qint64 pid = engine.EncoderProcessId(0);
    engine.Stop();
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_EQ(reports.lines, QStringList({"started 0 a.avi", "finished 0 stopped", "ended 1"}));
    EXPECT_FALSE(ProcessExists(pid));
    QTest::qWait(100);
    EXPECT_EQ(reports.lines.size(), 3) << "nothing starts after a Stop";
}

// A title such as "time 30 x" in the input's description reads like
// progress until the encoder's own time= field appears; a task whose length
// is unknown adds nothing to the total instead of taking a second off it.
TEST_F(BatchEngineRun, ProgressComesFromTheTimeFieldAndUnknownLengthsCountNothing)
{
    ASSERT_TRUE(app.Script().Set("convert.mode", "silence").Save());
    std::vector<ltvItemData> tasks = Tasks({"a.avi"});
    tasks.push_back(MakeTask(app.Path() + "b.avi", ""));
    ASSERT_TRUE(engine.Start(tasks, options));
    ASSERT_TRUE(QTest::qWaitFor([this] { return engine.IsEncoderRunning(0); }, Wait));
    for (const char* chunk : {"banner", "Input #0", "    comment         : time 30 x\n"})
        engine.OnChunk(0, chunk);
    EXPECT_EQ(engine.Job(0).Percent, 100) << "read as progress while nothing better is known";
    engine.OnChunk(0, "frame=   38 fps=0.0 q=2.0 size=  256kB time=00:00:01.50 bitrate=1.4\r");
    EXPECT_EQ(engine.Job(0).Percent, 50);
    EXPECT_EQ(reports.total.last(), 50);
    engine.Stop();
}

// A task added without a probe learns its length from the description of
// the input that its conversion begins with, read in whole lines only.
TEST_F(BatchEngineRun, AnUnprobedTaskTakesItsLengthFromTheEncodersReport)
{
    ASSERT_TRUE(app.Script().Set("convert.mode", "silence").Save());
    const QString input = app.Path() + "a.avi";
    options.LengthFromReport = true;
    ASSERT_TRUE(engine.Start({NewTaskRecord(input.toStdString(), "", "", ".avi")}, options));
    ASSERT_TRUE(QTest::qWaitFor([this] { return engine.IsEncoderRunning(0); }, Wait));
    engine.OnChunk(0, "Input #0, avi, from '" + input.toUtf8() + "':\n  Duration: 00:00:1");
    EXPECT_EQ(engine.Job(0).Task.Length.Text(), "") << "a length cut short by a read is not taken";
    engine.OnChunk(0, "0.00, start: 0.000000, bitrate: 509 kb/s\n");
    EXPECT_EQ(engine.Job(0).Task.Length.Text(), "00:00:10.00");
    engine.OnChunk(0, "frame=   50 fps=0.0 q=2.0 size=  256kB time=00:00:02.50 bitrate=1.4\r");
    EXPECT_EQ(engine.Job(0).Percent, 25);
    EXPECT_EQ(reports.total.last(), 25);
    engine.Stop();
}

TEST_F(BatchEngineRun, AnEncoderThatCannotStartEndsTheRunThere)
{
    ASSERT_TRUE(app.LinkEncoder(TempAppDir::Encoder::None));
    ASSERT_TRUE(engine.Start(Tasks({"a.avi", "b.avi"}), options));
    ASSERT_TRUE(WaitEnded());
    ASSERT_EQ(reports.lines.size(), 3);
    EXPECT_EQ(reports.lines[0], "started 0 a.avi");
    EXPECT_TRUE(reports.lines[1].startsWith("finished 0 failed The encoder"))
        << reports.lines[1].toStdString();
    EXPECT_EQ(reports.lines[2], "ended 2");
}

// Two encoders at once: tasks start in list order, the earliest running one
// is the one to show, the total adds the progress of both, two running tasks
// of one name get two outputs, and Stop takes both down with their outputs.
TEST_F(BatchEngineRun, TwoAtOnceShareTheTotalButNeverAnOutputAndStopEndsBoth)
{
    ASSERT_TRUE(app.Script().Set("convert.mode", "silence").Save());
    options.SimultaneousTasks = 2;
    ASSERT_TRUE(engine.Start(Tasks({"x/clip.avi", "y/clip.avi", "z/clip.avi"}), options));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return engine.IsEncoderRunning(0) && engine.IsEncoderRunning(1); }, Wait));
    EXPECT_FALSE(engine.IsEncoderRunning(2));
    EXPECT_EQ(reports.lines, QStringList({"started 0 clip.avi", "started 1 clip_2.avi"}));
    EXPECT_EQ(engine.EarliestRunningTask(), 0);

    for (int task : {0, 1})
        for (const char* chunk : {"banner", "Input #0"})
            engine.OnChunk(task, chunk);
    engine.OnChunk(1, "frame=   75 fps=0.0 q=2.0 size=  256kB time=00:00:03.00 bitrate=1.4\r");
    EXPECT_EQ(reports.total.last(), 33);
    engine.OnChunk(0, "frame=   38 fps=0.0 q=2.0 size=  128kB time=00:00:01.50 bitrate=1.4\r");
    EXPECT_EQ(reports.total.last(), 50) << "(1.5 + 3) of 9 seconds";
    EXPECT_EQ(engine.Job(0).Percent, 50);

    const qint64 first = engine.EncoderProcessId(0);
    const qint64 second = engine.EncoderProcessId(1);
    engine.Stop();
    EXPECT_EQ(reports.lines.mid(2),
              QStringList({"finished 0 stopped", "finished 1 stopped", "ended 1"}));
    EXPECT_FALSE(ProcessExists(first));
    EXPECT_FALSE(ProcessExists(second));
    EXPECT_EQ(OutputFiles(), QStringList()) << "no unfinished output is left";
    QTest::qWait(100);
    EXPECT_EQ(reports.lines.size(), 5) << "nothing starts after a Stop";
}

} // namespace
