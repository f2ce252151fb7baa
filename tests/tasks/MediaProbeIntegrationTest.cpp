#include "tasks/MediaProbe.h"

#include "fixtures/ChildProcesses.h"
#include "fixtures/Clips.h"
#include "fixtures/TempAppDir.h"
#include "tasks/TimeText.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void ExpectThreeSecondsAt320x240(const TProbeResult& result, const QString& what)
{
    const double seconds = ParseTimeText(result.LengthText.toStdString());
    EXPECT_NEAR(seconds, 3.0, 0.2)
        << what.toStdString() << ": \"" << result.LengthText.toStdString() << '"';
    EXPECT_TRUE(result.SizeText.startsWith(" 320x240"))
        << what.toStdString() << ": \"" << result.SizeText.toStdString() << '"';
}

} // namespace

TEST(MediaProbeIntegration, EveryClipProbesToItsLengthAndSize)
{
    TempAppDir app(TempAppDir::Encoder::Real);
    ASSERT_TRUE(app.IsValid());
    const QList<qint64> children = ChildProcesses();
    for (const char* ext : {".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"}) {
        const QString clip = TestClip(ext);
        ASSERT_FALSE(clip.isEmpty()) << ext;
        ExpectThreeSecondsAt320x240(ProbeMedia(app.EncoderPath(), clip), clip);
    }
    EXPECT_EQ(ChildProcesses(), children);
}

TEST(MediaProbeIntegration, AwkwardPathsProbeCorrectly)
{
    TempAppDir app(TempAppDir::Encoder::Real);
    QTemporaryDir videos;
    ASSERT_TRUE(app.IsValid() && videos.isValid());
    const QStringList names = {
        "with  two blanks.avi",
        R"(a" -f null "b.avi)",
        "it's mine.avi",
        "one,two.mpeg",
        "Grüße Ünïcödé 日本.avi",
        "-lead.avi",
        "[brackets] (and) {braces}.vob",
        "50% $HOME `x`.mp4",
    };
    for (const QString& name : names) {
        const QString path = videos.path() + "/" + name;
        ASSERT_TRUE(CopyTestClip("." + name.section('.', -1), path)) << name.toStdString();
        ExpectThreeSecondsAt320x240(ProbeMedia(app.EncoderPath(), path), path);
    }

    // A relative path that begins with "-" is still the input, not a switch.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(videos.path()));
    const TProbeResult relative = ProbeMedia(app.EncoderPath(), "-lead.avi");
    QDir::setCurrent(previous);
    ExpectThreeSecondsAt320x240(relative, "-lead.avi");
}

TEST(MediaProbeIntegration, TitleAndChapterTextIsNotTakenForLengthOrSize)
{
    // The title holds "Duration:" and a comma, the chapter "Video" and two
    // commas; both stand before the lines the values come from.
    TempAppDir app(TempAppDir::Encoder::Real);
    ASSERT_TRUE(app.IsValid());
    const QString clip = TitledClip();
    ASSERT_FALSE(clip.isEmpty());
    const TProbeResult result = ProbeMedia(app.EncoderPath(), clip);
    EXPECT_EQ(result.LengthText.toStdString(), "00:00:03.00");
    EXPECT_TRUE(result.SizeText.startsWith(" 320x240 [SAR 1:1 DAR 4:3]"))
        << result.SizeText.toStdString();
    EXPECT_FALSE(result.SizeText.contains('\n'));
}

TEST(MediaProbeIntegration, MissingInputGivesEmptyValues)
{
    TempAppDir app(TempAppDir::Encoder::Real);
    ASSERT_TRUE(app.IsValid());
    const TProbeResult result = ProbeMedia(app.EncoderPath(), "/nonexistent/clip.avi");
    EXPECT_TRUE(result.LengthText.isEmpty());
    EXPECT_TRUE(result.SizeText.isEmpty());
}
