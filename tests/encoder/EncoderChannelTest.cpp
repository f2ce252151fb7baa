// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/EncoderChannel.h"

#include "fixtures/ChildProcesses.h"
#include "fixtures/TempAppDir.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

// Collects what a channel delivers, and in which order.
struct Delivery
{
    explicit Delivery(EncoderChannel& channel)
    {
        QObject::connect(&channel, &EncoderChannel::ChunkRead, &context,
                         [this](const QByteArray& chunk) {
                             chunks << chunk;
                             if (finishedAt >= 0)
                                 chunksAfterFinish = true;
                         });
        QObject::connect(&channel, &EncoderChannel::Finished, &context,
                         [this](int code, bool crashed) {
                             finishedAt = chunks.size();
                             exitCode = code;
                             wasCrash = crashed;
                         });
    }

    QByteArray Joined() const { return chunks.join(); }
    qsizetype Largest() const
    {
        qsizetype largest = 0;
        for (const QByteArray& chunk : chunks)
            largest = std::max(largest, chunk.size());
        return largest;
    }

    QObject context;
    QList<QByteArray> chunks;
    qsizetype finishedAt = -1;
    bool chunksAfterFinish = false;
    int exitCode = -1;
    bool wasCrash = false;
};

class EncoderChannelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.IsValid());
        childrenBefore = ChildProcesses();
    }

    // Every test ends with nothing of its runs left over.
    void TearDown() override { EXPECT_EQ(ChildProcesses(), childrenBefore); }

    bool RunConversion(EncoderChannel& channel, int timeoutMs = 20000)
    {
        QSignalSpy finished(&channel, &EncoderChannel::Finished);
        if (!channel.Start(dir.EncoderPath(), {"-y", "-i", "in.avi", dir.File("out.avi")}))
            return false;
        return finished.wait(timeoutMs);
    }

    TempAppDir dir;
    QList<qint64> childrenBefore;
};

} // namespace

TEST_F(EncoderChannelTest, HugeOutputArrivesWholeInBoundedChunks)
{
    ASSERT_TRUE(dir.Script().Set("mode", "huge").Set("huge_bytes", 3 << 20).Set("steps", 2).Save());
    EncoderChannel channel;
    Delivery delivery(channel);
    ASSERT_TRUE(RunConversion(channel));

    EXPECT_LE(delivery.Largest(), EncoderChannel::ConversionChunk);
    EXPECT_GT(delivery.chunks.size(), 700);
    const QByteArray output = delivery.Joined();
    EXPECT_GT(output.size(), 3 << 20);
    EXPECT_TRUE(output.startsWith("[mpeg4 @ 0x5581c0] filler line 0\n"));
    EXPECT_TRUE(output.endsWith("global headers:0kB\n"));
    // Finished comes after the very last chunk.
    EXPECT_EQ(delivery.finishedAt, delivery.chunks.size());
    EXPECT_FALSE(delivery.chunksAfterFinish);
    EXPECT_EQ(delivery.exitCode, 0);
    EXPECT_FALSE(delivery.wasCrash);
}

TEST_F(EncoderChannelTest, ConfiguredChunkSizeIsTheLimit)
{
    ASSERT_TRUE(dir.Script().Set("mode", "huge").Set("huge_bytes", 200000).Save());
    EncoderChannel channel;
    channel.SetMaxChunk(1000);
    Delivery delivery(channel);
    const QByteArray output =
        channel.RunToEnd(dir.EncoderPath(), {"-i", "x.avi"}, 20000, EncoderChannel::ProbeChunk);
    EXPECT_LE(delivery.Largest(), EncoderChannel::ProbeChunk);
    EXPECT_GT(delivery.Largest(), 1000); // the run's own limit, not the channel's
    EXPECT_EQ(output, delivery.Joined());
    EXPECT_EQ(channel.MaxChunk(), 1000);
    EXPECT_TRUE(channel.Start(dir.EncoderPath(), {"-i", "x.avi"}));
    channel.Terminate();
}

TEST_F(EncoderChannelTest, ExitCodesCrashesAndJunkAreReportedAsTheyHappened)
{
    struct Case
    {
        const char* mode;
        int exitCode;
        bool crashed;
        const char* tail;
    };
    const Case cases[] = {
        {"quick", 0, false, ""},
        {"error", 1, false, "Unknown encoder 'xyz'\n"},
        {"crash", -1, true, "libpostproc    56.  6.100 / 56.  6.100\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(dir.Script().Set("mode", c.mode).Save());
        EncoderChannel channel;
        Delivery delivery(channel);
        ASSERT_TRUE(RunConversion(channel)) << c.mode;
        EXPECT_EQ(delivery.wasCrash, c.crashed) << c.mode;
        if (!c.crashed) {
            EXPECT_EQ(delivery.exitCode, c.exitCode) << c.mode;
        }
        EXPECT_TRUE(delivery.Joined().endsWith(c.tail)) << c.mode;
    }

    // Binary junk, NULs included, passes through byte for byte.
    ASSERT_TRUE(dir.Script().Set("mode", "garbage").Set("garbage_bytes", 50000).Save());
    EncoderChannel channel;
    Delivery delivery(channel);
    ASSERT_TRUE(RunConversion(channel));
    EXPECT_EQ(delivery.Joined().size(), 50000);
    EXPECT_EQ(delivery.exitCode, 1);
}

TEST_F(EncoderChannelTest, EncoderGetsTheArgumentsAndNoInput)
{
    ASSERT_TRUE(dir.Script().Set("record", dir.RecordPath()).Set("steps", 1).Save());
    EncoderChannel channel;
    const QStringList arguments = {"-y",
                                   "-i",
                                   R"(/v/a" -f null "b.avi)",
                                   "-vf",
                                   "scale=1:2, setsar=1",
                                   dir.File("-out 'x'.avi")};
    QSignalSpy finished(&channel, &EncoderChannel::Finished);
    ASSERT_TRUE(channel.Start(dir.EncoderPath(), arguments));
    ASSERT_TRUE(finished.wait(20000));
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].Arguments, arguments);
    // Standard input is the null device: a read ends at once.
    EXPECT_EQ(runs[0].Stdin, "eof");
}

TEST_F(EncoderChannelTest, TerminateKillsReapsAndSilencesTheRun)
{
    ASSERT_TRUE(dir.Script()
                    .Set("record", dir.RecordPath())
                    .Set("steps", 100000)
                    .Set("interval_ms", 10)
                    .Save());
    EncoderChannel channel;
    Delivery delivery(channel);
    QSignalSpy chunk(&channel, &EncoderChannel::ChunkRead);
    ASSERT_TRUE(channel.Start(dir.EncoderPath(), {"-y", "-i", "in.avi", dir.File("out.avi")}));
    ASSERT_TRUE(chunk.wait(10000));
    const qint64 pid = channel.ProcessId();
    ASSERT_TRUE(ProcessExists(pid));

    channel.Terminate();
    EXPECT_FALSE(channel.IsRunning());
    EXPECT_FALSE(ProcessExists(pid));
    const qsizetype delivered = delivery.chunks.size();
    QTest::qWait(100);
    EXPECT_EQ(delivery.chunks.size(), delivered);
    EXPECT_EQ(delivery.finishedAt, -1);

    channel.Terminate(); // nothing runs: no effect
    // The channel is ready for the next run.
    ASSERT_TRUE(dir.Script().Set("steps", 1).Save());
    ASSERT_TRUE(RunConversion(channel));
    EXPECT_GE(delivery.finishedAt, 0);
}

// Ctrl+C at a terminal goes to the whole foreground process group: it must
// reach this program, which stops the batch as Stop does, and not the
// encoder, which would end by itself and fail its task.
TEST_F(EncoderChannelTest, EncoderRunsInAProcessGroupOfItsOwn)
{
    ASSERT_TRUE(dir.Script().Set("mode", "silence").Save());
    EncoderChannel channel;
    ASSERT_TRUE(channel.Start(dir.EncoderPath(), {"-i", "in.avi"}));
    const pid_t pid = static_cast<pid_t>(channel.ProcessId());
    EXPECT_EQ(::getpgid(pid), pid);
    EXPECT_NE(::getpgid(pid), ::getpgrp());
    channel.Terminate();
}

TEST_F(EncoderChannelTest, TerminateFromInsideAChunkSlot)
{
    ASSERT_TRUE(dir.Script().Set("mode", "huge").Set("huge_bytes", 1 << 20).Save());
    EncoderChannel channel;
    int chunks = 0;
    QObject context;
    QObject::connect(&channel, &EncoderChannel::ChunkRead, &context, [&](const QByteArray&) {
        if (++chunks == 3)
            channel.Terminate();
    });
    QSignalSpy finished(&channel, &EncoderChannel::Finished);
    ASSERT_TRUE(channel.Start(dir.EncoderPath(), {"-y", "-i", "in.avi", dir.File("out.avi")}));
    for (int i = 0; i < 100 && channel.IsRunning(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(channel.IsRunning());
    EXPECT_EQ(chunks, 3);
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(EncoderChannelTest, DestructionKillsAndReaps)
{
    ASSERT_TRUE(dir.Script().Set("mode", "silence").Save());
    auto channel = std::make_unique<EncoderChannel>();
    ASSERT_TRUE(channel->Start(dir.EncoderPath(), {"-y", "-i", "in.avi", dir.File("out.avi")}));
    const qint64 pid = channel->ProcessId();
    ASSERT_TRUE(ProcessExists(pid));
    channel.reset();
    EXPECT_FALSE(ProcessExists(pid));
}

TEST_F(EncoderChannelTest, RunToEndKillsAtTheTimeLimitAndKeepsWhatArrived)
{
    ASSERT_TRUE(dir.Script().Set("record", dir.RecordPath()).Set("probe.linger_ms", 600000).Save());
    EncoderChannel channel;
    bool started = false;
    const QByteArray output =
        channel.RunToEnd(dir.EncoderPath(), {"-i", "x.avi"}, 300, 4096, &started);
    EXPECT_TRUE(started);
    EXPECT_TRUE(output.contains("Duration: 00:00:03.04"));
    EXPECT_FALSE(channel.IsRunning());
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_FALSE(ProcessExists(runs[0].Pid));
}

TEST_F(EncoderChannelTest, FailedStartsAndFinishedRunsLeakNothing)
{
    ASSERT_TRUE(dir.Script().Set("steps", 1).Set("interval_ms", 0).Save());
    EncoderChannel channel;
    // Warm up whatever Qt opens once per program (its child reaper).
    RunConversion(channel);
    const int descriptors = OpenDescriptorCount();
    QFile notExecutable(dir.File("plain.dll"));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(channel.Start(dir.File(i % 2 ? "missing.dll" : "plain.dll"), {"-i", "x"}));
        EXPECT_EQ(channel.LastError(), QProcess::FailedToStart);
        EXPECT_FALSE(channel.IsRunning());
        EXPECT_TRUE(RunConversion(channel));
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
}

TEST_F(EncoderChannelTest, OneRunAtATime)
{
    ASSERT_TRUE(dir.Script().Set("mode", "silence").Save());
    EncoderChannel channel;
    ASSERT_TRUE(channel.Start(dir.EncoderPath(), {"-y", "-i", "a", "b"}));
    const qint64 pid = channel.ProcessId();
    EXPECT_FALSE(channel.Start(dir.EncoderPath(), {"-y", "-i", "a", "b"}));
    EXPECT_EQ(channel.ProcessId(), pid);
    channel.Terminate();
}

TEST_F(EncoderChannelTest, NextRunCanStartFromTheFinishedSlot)
{
    // The batch runner starts the next task as soon as one finishes.
    ASSERT_TRUE(
        dir.Script().Set("steps", 2).Set("interval_ms", 0).Set("record", dir.RecordPath()).Save());
    EncoderChannel channel;
    QObject context;
    int finishedRuns = 0;
    QObject::connect(&channel, &EncoderChannel::Finished, &context, [&](int, bool) {
        if (++finishedRuns >= 3)
            return;
        const QString input = QString("in%1.avi").arg(finishedRuns);
        EXPECT_TRUE(channel.Start(dir.EncoderPath(), {"-y", "-i", input, dir.File("out.avi")}));
    });
    ASSERT_TRUE(channel.Start(dir.EncoderPath(), {"-y", "-i", "in0.avi", dir.File("out.avi")}));
    for (int i = 0; i < 500 && finishedRuns < 3; ++i)
        QTest::qWait(10);
    EXPECT_EQ(finishedRuns, 3);
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(runs[i].Arguments.value(2), QString("in%1.avi").arg(i));
        EXPECT_FALSE(ProcessExists(runs[i].Pid));
    }
}

TEST_F(EncoderChannelTest, EncoderThatHungUpIsStillKilledAtTheTimeLimit)
{
    ASSERT_TRUE(dir.Script()
                    .Set("record", dir.RecordPath())
                    .Set("close_output", 1)
                    .Set("linger_ms", 600000)
                    .Save());
    EncoderChannel channel;
    const QByteArray output = channel.RunToEnd(dir.EncoderPath(), {"-i", "x.avi"}, 300, 4096);
    EXPECT_TRUE(output.endsWith("At least one output file must be specified\n"));
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_FALSE(ProcessExists(runs[0].Pid));
}
