// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaProbe.h"

#include "base/TimeText.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/Clips.h"
#include "fixtures/TempAppDir.h"
#include "tasks/ProbeQueue.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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

// Files probed several to a run get exactly what each gets probed alone:
// every kind of input, a file with no video, awkward names, a file the
// encoder cannot open and one that does not exist, in the middle of runs.
TEST(MediaProbeIntegration, FilesProbedTogetherGetWhatEachGetsAlone)
{
    TempAppDir app(TempAppDir::Encoder::Real);
    QTemporaryDir videos;
    ASSERT_TRUE(app.IsValid() && videos.isValid());
    QStringList paths = AllTestClips();
    for (const InputKind& kind : InputKinds())
        paths << InputKindClip(kind.Name);
    paths << TitledClip();
    const QString base = videos.path() + "/";
    paths.insert(2, base + "broken.avi");
    paths.insert(5, base + "missing.avi");
    paths.insert(9, base + "voice only.mp3");
    paths.insert(11, base + "it's Input #1, avi, from 'x.avi");
    QFile broken(base + "broken.avi");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a video\n") > 0);
    broken.close();
    ASSERT_EQ(QProcess::execute(app.EncoderPath(), {"-v", "error", "-f", "lavfi", "-i", "sine=d=2",
                                                    base + "voice only.mp3"}),
              0);
    ASSERT_TRUE(CopyTestClip(".avi", paths[11]));
    ASSERT_FALSE(paths.contains(QString()));

    const QList<qint64> children = ChildProcesses();
    TProbeQueue prober(app.EncoderPath(), 2);
    QMap<quint64, TProbeResult> together;
    QObject::connect(&prober, &TProbeQueue::Probed, &prober,
                     [&](quint64 id, const TProbeResult& result) { together[id] = result; });
    for (qsizetype first = 0; first < paths.size(); first += TProbeQueue::MostPerRun) {
        std::vector<TProbeItem> items;
        for (qsizetype i = first; i < std::min(paths.size(), first + TProbeQueue::MostPerRun); ++i)
            items.push_back({quint64(i), paths[i]});
        ASSERT_TRUE(QTest::qWaitFor([&] { return prober.HasRoom(); }, 60000));
        ASSERT_EQ(prober.Probe(std::move(items)), TProbeQueue::Start::Started);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return together.size() == paths.size(); }, 60000));

    for (qsizetype i = 0; i < paths.size(); ++i) {
        const TProbeResult alone = ProbeMedia(app.EncoderPath(), paths[i]);
        EXPECT_EQ(together[quint64(i)].LengthText, alone.LengthText) << paths[i].toStdString();
        EXPECT_EQ(together[quint64(i)].SizeText, alone.SizeText) << paths[i].toStdString();
    }
    EXPECT_FALSE(together[quint64(9)].LengthText.isEmpty()) << "the file with no video";
    EXPECT_TRUE(together[quint64(9)].SizeText.isEmpty()) << "the file with no video";
    EXPECT_TRUE(together[quint64(2)].LengthText.isEmpty()) << "the broken file";
    // Most files shared a run: the headers were found, with no fall-back to
    // a run per file.
    EXPECT_LT(prober.RunsStarted(), paths.size() / 2);
    EXPECT_EQ(ChildProcesses(), children);
}
