// SPDX-License-Identifier: GPL-3.0-or-later
// The tracks a choice keeps, converted by the real encoder with the shipped
// profiles and read back with ffprobe.

#include "convert/ArgumentBuilder.h"
#include "encoder/MediaProbe.h"
#include "encoder/TrackRules.h"
#include "fixtures/Clips.h"
#include "fixtures/PrintQt.h"
#include "fixtures/ProfileRuns.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString Work = QStringLiteral(QUENBY_TEST_WORK_DIR "/tracks/");

// Converts `clip` with the shipped profile and the track choice; the output.
QString Convert(const QString& clip, const std::string& profileName, const TTrackChoice& choice,
                const QString& name, const std::map<std::string, std::string>& picks = {})
{
    LoadedProfile profile(profileName);
    for (std::size_t i = 0; i < profile.Choice.Choice().Parameters.size(); ++i)
        if (const auto pick = picks.find(profile.Choice.Choice().Parameters[i].Name);
            pick != picks.end())
            profile.Choice.Pick(i, pick->second);
    const TTrackSwitches switches =
        TrackSwitches(ProbeMedia(QUENBY_FFMPEG_PATH, clip).Tracks, choice,
                      profile.OutputExt.mid(1).toStdString(), clip.toStdString());
    EXPECT_TRUE(QDir().mkpath(Work));
    const QString output = Work + name + profile.OutputExt;
    const EncoderRun run =
        ConvertWithEncoder(clip, WithTrackSwitches(profile.Arguments(), switches), output);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    return output;
}

} // namespace

TEST(TrackChoice, EachContainerKeepsWhatItCanHold)
{
    const QString clip = TrackClip();
    ASSERT_FALSE(clip.isEmpty());
    using A = TTrackChoice::TAudio;
    using S = TTrackChoice::TSubtitles;
    const TTrackChoice first, all{A::All, {}, {}, S::Keep, -1},
        french{A::Languages, {"fra"}, {}, S::None, -1};
    const struct
    {
        std::string profile;
        TTrackChoice choice;
        QString streams;
    } rows[] = {
        {"Any Device MP4 (H.264 + AAC)", first, "a:aac:eng:default | Two voices | 2"},
        {"Any Device MP4 (H.264 + AAC)", all,
         "a:aac:eng:default a:aac:fre s:mov_text:eng:default | Two voices | 2"},
        {"MKV (H.264 + AAC)", first, "a:aac:eng:default s:ass:eng | Two voices | 2"},
        {"MKV (H.264 + AAC)", all, "a:aac:eng:default a:aac:fre s:subrip:eng | Two voices | 2"},
        {"MKV (H.264 + AAC)", french, "a:aac:fre | Two voices | 2"},
        {"WebM (VP9 + Opus)", all, "a:opus:eng:default a:opus:fre s:webvtt:eng | Two voices | 2"},
        {"AVI (MPEG-4 + MP3)", all, "a:mp3 a:mp3 | Two voices | 0"},
        {"DVD MPEG-2 (VOB)", french, "a:ac3 |  | 0"},
        // ffprobe reads no title back from a 3GP file.
        {"Mobile Phone 3GP (MPEG-4 + AAC)", all,
         "a:aac:eng:default a:aac:fre s:mov_text:eng:default |  | 2"},
    };
    int row = 0;
    for (const auto& r : rows)
        EXPECT_EQ(
            TrackSummary(Convert(clip, r.profile, r.choice, QString::number(++row))).toStdString(),
            r.streams.toStdString())
            << r.profile;
}

// The picture changes where the subtitle shows, from 0.5 s to 1.5 s, and
// nowhere else.
TEST(TrackChoice, ABurntInSubtitleChangesThePictureInItsSpanOnly)
{
    const QString clip = TrackClip();
    ASSERT_FALSE(clip.isEmpty());
    const std::map<std::string, std::string> best = {{"Bit Rate", "4000 kbps"}};
    const QString plain = Convert(clip, "AVI (MPEG-4 + MP3)", {}, "plain", best);
    const QString burnt = Convert(
        clip, "AVI (MPEG-4 + MP3)",
        {TTrackChoice::TAudio::First, {}, {}, TTrackChoice::TSubtitles::Burn, -1}, "burnt", best);
    QProcess compare;
    compare.start(QUENBY_FFMPEG_PATH, {"-v", "error", "-i", plain, "-i", burnt, "-lavfi",
                                       "psnr=stats_file=-", "-f", "null", "-"});
    ASSERT_TRUE(compare.waitForFinished(60000));
    // "n:1 mse_avg:0.12 ...", one line a frame at 10 frames a second.
    const QStringList frames =
        QString(compare.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(frames.size(), 20);
    for (int n = 0; n < 20; ++n) {
        const double mse = frames[n].section(' ', 1, 1).section(':', 1).toDouble();
        if (n >= 6 && n <= 13) {
            EXPECT_GT(mse, 5) << n;
        } else if (n <= 3 || n >= 16) {
            EXPECT_LT(mse, 1) << n;
        }
    }
}

// Copy passes the picture through bit for bit, at the speed of the disk.
TEST(TrackChoice, CopyKeepsThePictureBitForBit)
{
    const QString clip = FilmClip();
    ASSERT_FALSE(clip.isEmpty());
    QElapsedTimer clock;
    clock.start();
    const QString output = Convert(
        clip, "Any Device MP4 (H.264 + AAC)", {}, "copied",
        {{"Video Codec", "Copy (no re-encoding)"}, {"Audio Codec", "Copy (no re-encoding)"}});
    std::printf("Copy: %.4f s per second of video\n", double(clock.elapsed()) / 1000 / 10);
    const auto hashes = [](const QString& path) {
        QProcess ffmpeg;
        ffmpeg.start(QUENBY_FFMPEG_PATH, {"-v", "error", "-i", path, "-map", "0:v", "-c", "copy",
                                          "-f", "framemd5", "-"});
        EXPECT_TRUE(ffmpeg.waitForFinished(60000));
        QStringList frames;
        for (const QString& line : QString(ffmpeg.readAllStandardOutput()).split('\n'))
            if (!line.startsWith('#') && !line.isEmpty())
                frames << line.section(',', -1).trimmed(); // the packet's hash
        return frames;
    };
    EXPECT_EQ(hashes(clip).size(), 250);
    EXPECT_EQ(hashes(output), hashes(clip));
}
