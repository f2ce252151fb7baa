// SPDX-License-Identifier: GPL-3.0-or-later
// A target size through the real encoder: two passes, and the check after.

#include "convert/BatchEngine.h"
#include "fixtures/Clips.h"
#include "profiles/ProfileChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

// In a folder whose path x265 would misread in its own parameters, too.
TEST(TargetSize, TwoPassesLandUnderTheTargetLeaveNoStatisticsAndAreChecked)
{
    const QString clip = EightSecondClip();
    ASSERT_FALSE(clip.isEmpty());
    for (const char* profile : {"Any Device MP4 (H.264 + AAC)", "MP4 HEVC (H.265 + AAC)"}) {
        SCOPED_TRACE(profile);
        const QString dir = QStringLiteral(QUENBY_TEST_WORK_DIR "/target-size/a:b'c\\d/");
        ASSERT_TRUE(QDir(dir).removeRecursively() && QDir().mkpath(dir));
        auto choice = std::make_shared<TProfileChoice>(
            LoadProfileChoice(QUENBY_SOURCE_DIR "/data/Profiles/" + std::string(profile) + ".apf"));
        choice->Pick(11, "Yes"); // "Disable Audio": the test tone takes less than its rate
        ltvItemData task = NewTaskRecord(clip.toStdString(), "00:00:08", "320x240", ".mp4");
        task.TargetText = "300 kB";
        TBatchOptions options;
        options.EncoderPath = QStringLiteral(QUENBY_FFMPEG_PATH);
        options.OutputDir = dir.toStdString();
        options.OutputExt = choice->OutputExt();
        options.Choice = choice;
        options.CheckQuality = true;
        TBatchEngine engine;
        QSignalSpy ended(&engine, &TBatchEngine::BatchEnded);
        ASSERT_TRUE(engine.Start({task}, options));
        ASSERT_TRUE(ended.wait(180000));
        ASSERT_EQ(engine.FailedCount(), 0) << engine.Job(0).Log.Text();
        const qint64 bytes = QFileInfo(QString::fromStdString(engine.Job(0).Output)).size();
        EXPECT_TRUE(bytes >= 270000 && bytes <= 309000) << bytes; // -10%/+3%
        EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_EQ(engine.Job(0).SizeNote.rfind("planned 300 kB, reached ", 0), 0u);
        EXPECT_NE(engine.Job(0).QualityNote.find("(SSIM 0."), std::string::npos);
    }
}
