// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/Clips.h"
#include "tasks/Thumbnails.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// A file added again, after the list was cleared, finds its picture in the
// cache: no encoder runs for it.
TEST(ThumbnailsIntegration, SecondAddReadsTheCache)
{
    QTemporaryDir cache;
    TTaskModel model;
    TThumbnails thumbnails(model, QUENBY_FFMPEG_PATH, cache.path());
    thumbnails.SetShown(true, 2);
    const auto add = [&model] {
        std::vector<TTask> tasks(1);
        tasks[0].Data.InputFile = TestClip(".avi").toStdString();
        tasks[0].Data.Length = TTimeValue::FromText("00:00:03.00");
        model.Append(std::move(tasks));
        return QTest::qWaitFor([&model] { return model.At(0).ThumbnailDone; }, 30000);
    };
    ASSERT_TRUE(add());
    EXPECT_EQ(thumbnails.RunsStarted(), 1);
    const QString picture = model.At(0).Thumbnail;
    EXPECT_FALSE(QImage(picture).isNull()) << picture.toStdString();

    model.Clear();
    ASSERT_TRUE(add());
    EXPECT_EQ(thumbnails.RunsStarted(), 1);
    EXPECT_EQ(model.At(0).Thumbnail, picture);
}
