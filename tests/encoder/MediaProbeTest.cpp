// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaProbe.h"

#include "encoder/EncoderChannel.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/TempAppDir.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class MediaProbeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.IsValid());
        childrenBefore = ChildProcesses();
    }
    void TearDown() override { EXPECT_EQ(ChildProcesses(), childrenBefore); }

    TempAppDir dir;
    QList<qint64> childrenBefore;
};

} // namespace

TEST_F(MediaProbeTest, ReadsLengthAndSizeFromTheReport)
{
    ASSERT_TRUE(dir.Script().Set("duration", "01:02:03.45").Set("size", "640x480").Save());
    const TProbeResult result = ProbeMedia(dir.EncoderPath(), "/v/clip.avi");
    EXPECT_EQ(result.LengthText, "01:02:03.45");
    EXPECT_EQ(result.SizeText, " 640x480");
}

TEST_F(MediaProbeTest, ReportSplitAcrossManyReadsStillParses)
{
    // Seven-byte pieces: every marker and both values are cut across reads.
    ASSERT_TRUE(dir.Script().Set("piece", 7).Set("pause_ms", 1).Save());
    EncoderChannel channel;
    QList<QByteArray> chunks;
    QObject context;
    QObject::connect(&channel, &EncoderChannel::ChunkRead, &context,
                     [&chunks](const QByteArray& chunk) { chunks << chunk; });
    channel.RunToEnd(dir.EncoderPath(), {"-i", "/v/clip.avi"}, 20000, EncoderChannel::ProbeChunk);
    EXPECT_GT(chunks.size(), 20);
    qsizetype wholeDuration = 0;
    for (const QByteArray& chunk : chunks)
        wholeDuration += chunk.contains("Duration: 00:00:03.04,");
    EXPECT_EQ(wholeDuration, 0);

    const TProbeResult result = ProbeMedia(dir.EncoderPath(), "/v/clip.avi");
    EXPECT_EQ(result.LengthText, "00:00:03.04");
    EXPECT_EQ(result.SizeText, " 320x240 [SAR 1:1 DAR 4:3]");
}

TEST_F(MediaProbeTest, LargeReportBeyondOneReadParses)
{
    ASSERT_TRUE(dir.Script().Set("mode", "huge").Set("huge_bytes", 1 << 20).Save());
    const TProbeResult result = ProbeMedia(dir.EncoderPath(), "/v/clip.avi");
    EXPECT_EQ(result.LengthText, "00:00:03.04");
    EXPECT_EQ(result.SizeText, " 320x240 [SAR 1:1 DAR 4:3]");
}

TEST_F(MediaProbeTest, SilentEncoderIsKilledAtTheTimeLimit)
{
    ASSERT_TRUE(dir.Script().Set("mode", "silence").Set("record", dir.RecordPath()).Save());
    const TProbeResult result = ProbeMedia(dir.EncoderPath(), "/v/pipe.avi", 200);
    EXPECT_TRUE(result.LengthText.isEmpty());
    EXPECT_TRUE(result.SizeText.isEmpty());
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_FALSE(ProcessExists(runs[0].Pid));
}

TEST_F(MediaProbeTest, StalledEncoderKeepsTheValuesItAlreadyReported)
{
    ASSERT_TRUE(dir.Script().Set("linger_ms", 600000).Save());
    const TProbeResult result = ProbeMedia(dir.EncoderPath(), "/v/clip.avi", 300);
    EXPECT_EQ(result.LengthText, "00:00:03.04");
    EXPECT_EQ(result.SizeText, " 320x240 [SAR 1:1 DAR 4:3]");
}

TEST_F(MediaProbeTest, MissingEncoderGivesEmptyValuesAndNoMessage)
{
    ASSERT_TRUE(dir.LinkEncoder(TempAppDir::Encoder::None));
    const TProbeResult missing = ProbeMedia(dir.EncoderPath(), "/v/clip.avi");
    EXPECT_TRUE(missing.LengthText.isEmpty());
    EXPECT_TRUE(missing.SizeText.isEmpty());
    // A link whose target is gone, as after the encoder was uninstalled.
    ASSERT_TRUE(QFile::link(dir.File("gone"), dir.EncoderPath()));
    const TProbeResult dangling = ProbeMedia(dir.EncoderPath(), "/v/clip.avi");
    EXPECT_TRUE(dangling.LengthText.isEmpty());
    EXPECT_TRUE(dangling.SizeText.isEmpty());
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(MediaProbeTest, ExitCodeIsIgnoredAndFailuresGiveWhatTheReportHolds)
{
    struct Case
    {
        const char* mode;
        const char* exitCode;
        const char* length;
        const char* size;
    };
    // The real encoder answers every probe with 1; a report is a report.
    const Case cases[] = {
        {"report", "1", "00:00:03.04", " 320x240 [SAR 1:1 DAR 4:3]"},
        {"report", "0", "00:00:03.04", " 320x240 [SAR 1:1 DAR 4:3]"},
        {"report", "139", "00:00:03.04", " 320x240 [SAR 1:1 DAR 4:3]"},
        {"quick", "0", "", ""},
        {"error", "1", "", ""},
        {"crash", "0", "", ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(dir.Script().Set("mode", c.mode).Set("exit", c.exitCode).Save());
        const TProbeResult result = ProbeMedia(dir.EncoderPath(), "/v/clip.avi");
        EXPECT_EQ(result.LengthText, c.length) << c.mode << c.exitCode;
        EXPECT_EQ(result.SizeText, c.size) << c.mode << c.exitCode;
    }
}

TEST_F(MediaProbeTest, PathReachesTheEncoderAsOneArgument)
{
    ASSERT_TRUE(dir.Script().Set("record", dir.RecordPath()).Save());
    const QStringList paths = {R"(/v/a" -f null "b.avi)", "-lead.avi", "/v/it's, Grüße.avi",
                               "/v/two  blanks\t.avi"};
    for (const QString& path : paths) {
        const TProbeResult result = ProbeMedia(dir.EncoderPath(), path);
        EXPECT_EQ(result.LengthText, "00:00:03.04") << path.toStdString();
    }
    const QList<FakeEncoderRun> runs = dir.RecordedRuns();
    ASSERT_EQ(runs.size(), paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i)
        EXPECT_EQ(runs[i].Arguments, (QStringList{"-i", paths[i]}));
}
