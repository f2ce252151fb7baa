// SPDX-License-Identifier: GPL-3.0-or-later
// Probes side by side: how many run at once, each one's own time limit, and
// that a probe that is stopped or runs out of time leaves no process behind.
#include "tasks/ProbeQueue.h"

#include "fixtures/ChildProcesses.h"
#include "fixtures/TempAppDir.h"

#include <QMap>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Wait = 20000;

class ProbeQueueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.IsValid());
        childrenBefore = ChildProcesses();
    }
    void TearDown() override { EXPECT_EQ(ChildProcesses(), childrenBefore); }

    // Collects every result by its id.
    void Collect(TProbeQueue& prober)
    {
        QObject::connect(&prober, &TProbeQueue::Probed, &prober,
                         [this](quint64 id, const TProbeResult& result) { results[id] = result; });
    }

    TempAppDir dir;
    QList<qint64> childrenBefore;
    QMap<quint64, TProbeResult> results;
};

} // namespace

// Two at a time, each within 600 ms of its own start: the third file starts
// when a place is free and still gets its whole report, although the three
// together take longer than one limit.
TEST_F(ProbeQueueTest, RunsAsManyAsAllowedAndTimesEachProbeFromItsOwnStart)
{
    ASSERT_TRUE(dir.Script().Set("delay_ms", 400).Save());
    TProbeQueue prober(dir.EncoderPath(), 2, 600);
    Collect(prober);
    EXPECT_EQ(prober.Probe(1, "/v/a.avi"), TProbeQueue::Start::Started);
    EXPECT_EQ(prober.Probe(2, "/v/b.avi"), TProbeQueue::Start::Started);
    EXPECT_FALSE(prober.HasRoom());
    EXPECT_EQ(prober.Probe(3, "/v/c.avi"), TProbeQueue::Start::Busy);
    EXPECT_TRUE(results.isEmpty()) << "results come from the event loop";

    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 2; }, Wait));
    EXPECT_EQ(prober.Running(), 0);
    EXPECT_EQ(prober.Probe(3, "/v/c.avi"), TProbeQueue::Start::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 3; }, Wait));
    for (quint64 id : {1, 2, 3}) {
        EXPECT_EQ(results[id].LengthText, "00:00:03.04") << id;
        EXPECT_EQ(results[id].SizeText, " 320x240 [SAR 1:1 DAR 4:3]") << id;
    }
}

TEST_F(ProbeQueueTest, AProbeThatNeverEndsIsKilledAtItsLimit)
{
    ASSERT_TRUE(dir.Script().Set("mode", "silence").Set("record", dir.RecordPath()).Save());
    TProbeQueue prober(dir.EncoderPath(), 2, 300);
    Collect(prober);
    ASSERT_EQ(prober.Probe(7, "/v/pipe.avi"), TProbeQueue::Start::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.contains(7); }, Wait));
    EXPECT_TRUE(results[7].LengthText.isEmpty());
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_FALSE(ProcessExists(runs[0].Pid));
}

TEST_F(ProbeQueueTest, StopAllKillsEveryProbeAndNoneReports)
{
    ASSERT_TRUE(dir.Script().Set("mode", "silence").Set("record", dir.RecordPath()).Save());
    TProbeQueue prober(dir.EncoderPath(), 2, 60000);
    Collect(prober);
    ASSERT_EQ(prober.Probe(1, "/v/a.avi"), TProbeQueue::Start::Started);
    ASSERT_EQ(prober.Probe(2, "/v/b.avi"), TProbeQueue::Start::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dir.RecordedRuns().size() == 2; }, Wait));
    prober.StopAll();
    EXPECT_EQ(prober.Running(), 0);
    for (const FakeEncoderRun& run : dir.RecordedRuns())
        EXPECT_FALSE(ProcessExists(run.Pid)) << run.Pid;
    QTest::qWait(100);
    EXPECT_TRUE(results.isEmpty());
}

TEST_F(ProbeQueueTest, AMissingEncoderFailsAtOnce)
{
    ASSERT_TRUE(dir.LinkEncoder(TempAppDir::Encoder::None));
    TProbeQueue prober(dir.EncoderPath(), 1, 1000);
    EXPECT_EQ(prober.Probe(1, "/v/a.avi"), TProbeQueue::Start::Failed);
    EXPECT_TRUE(prober.HasRoom());
}

namespace {

QStringList ProbedPaths(const FakeEncoderRun& run)
{
    QStringList paths;
    for (qsizetype i = 1; i < run.Arguments.size(); i += 2)
        paths << run.Arguments[i];
    return paths;
}

QList<QStringList> ProbedRuns(const TempAppDir& dir)
{
    QList<QStringList> runs;
    for (const FakeEncoderRun& run : dir.RecordedRuns())
        runs << ProbedPaths(run);
    return runs;
}

} // namespace

// The encoder stops at a file it cannot open: that file is probed again
// alone, for exactly the reply a probe of it alone gets, and the files after
// it go on in a run of their own.
TEST_F(ProbeQueueTest, AFileThatEndsARunIsProbedAloneAndTheRestGoOn)
{
    ASSERT_TRUE(dir.Script()
                    .Set("name_duration", 1)
                    .Set("fail_name", "bad")
                    .Set("error_text", "Invalid data found when processing input")
                    .Set("record", dir.RecordPath())
                    .Save());
    TProbeQueue prober(dir.EncoderPath(), 1);
    Collect(prober);
    ASSERT_EQ(
        prober.Probe(
            {{1, "/v/10-a.avi"}, {2, "/v/20-bad.avi"}, {3, "/v/30-c.avi"}, {4, "/v/40-d.avi"}}),
        TProbeQueue::Start::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 4; }, Wait));
    EXPECT_EQ(prober.Running(), 0);
    EXPECT_EQ(results[1].LengthText, "00:00:01.00");
    EXPECT_TRUE(results[2].LengthText.isEmpty());
    EXPECT_TRUE(results[2].SizeText.isEmpty());
    EXPECT_EQ(results[3].LengthText, "00:00:03.00");
    EXPECT_EQ(results[4].LengthText, "00:00:04.00");
    EXPECT_EQ(ProbedRuns(dir),
              (QList<QStringList>{{"/v/10-a.avi", "/v/20-bad.avi", "/v/30-c.avi", "/v/40-d.avi"},
                                  {"/v/20-bad.avi"},
                                  {"/v/30-c.avi", "/v/40-d.avi"}}));
}

// Each file has the whole limit from the moment the encoder turns to it:
// reports 500 ms apart pass a 900 ms limit that the run as a whole exceeds, a file that never
// answers is cut off at its own limit with empty values, and the file after it is still probed. No
// process is left (checked on tear-down).
TEST_F(ProbeQueueTest, AFileThatStallsInARunIsCutOffAtItsOwnLimit)
{
    ASSERT_TRUE(dir.Script()
                    .Set("delay_ms", 500)
                    .Set("stall_name", "pipe")
                    .Set("record", dir.RecordPath())
                    .Save());
    TProbeQueue prober(dir.EncoderPath(), 1, 900);
    Collect(prober);
    ASSERT_EQ(prober.Probe({{1, "/v/a.avi"}, {2, "/v/b.avi"}, {3, "/v/pipe.avi"}, {4, "/v/d.avi"}}),
              TProbeQueue::Start::Started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 4; }, Wait));
    for (quint64 id : {1, 2, 4})
        EXPECT_EQ(results[id].LengthText, "00:00:03.04") << id;
    EXPECT_TRUE(results[3].LengthText.isEmpty());
    EXPECT_EQ(
        ProbedRuns(dir),
        (QList<QStringList>{{"/v/a.avi", "/v/b.avi", "/v/pipe.avi", "/v/d.avi"}, {"/v/d.avi"}}));
    for (const FakeEncoderRun& run : dir.RecordedRuns())
        EXPECT_FALSE(ProcessExists(run.Pid)) << run.Pid;
}
