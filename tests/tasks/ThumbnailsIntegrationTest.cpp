// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/Clips.h"
#include "tasks/Thumbnails.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

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

// What lies under a picture's name, or its working name, is never followed:
// a planted link's target stays as it was. What is no picture is taken again.
TEST(ThumbnailsIntegration, NeverFollowsWhatLiesInTheCache)
{
    QTemporaryDir scratch;
    const QString outside = scratch.filePath("outside"), text = scratch.filePath("text.avi");
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write(text, "no video"));
    const struct
    {
        QString input;
        const char* link; // planted at the entry's name with this suffix; none: garbage
        bool outsideExists, picture;
    } cases[] = {{TestClip(".avi"), ".part", true, true},
                 {TestClip(".avi"), "", true, true},
                 {TestClip(".avi"), nullptr, false, true},
                 {text, "", false, false}};
    for (const auto& c : cases) {
        QTemporaryDir cache;
        const auto take = [&] {
            TTaskModel model;
            TThumbnails thumbnails(model, QUENBY_FFMPEG_PATH, cache.path());
            thumbnails.SetShown(true, 1);
            std::vector<TTask> tasks(1);
            tasks[0].Data.InputFile = c.input.toStdString();
            model.Append(std::move(tasks));
            return QTest::qWaitFor([&] { return !thumbnails.IsBusy(); }, 30000);
        };
        ASSERT_TRUE(take());
        const QString entry = cache.filePath(QDir(cache.path()).entryList({"*.png"}).value(0));
        QFile::remove(outside);
        QFile::remove(entry + (c.link ? c.link : ""));
        ASSERT_TRUE(!c.outsideExists || write(outside, "mine"));
        ASSERT_TRUE(c.link ? QFile::link(outside, entry + c.link) : write(entry, "garbage"));
        ASSERT_TRUE(take());
        QFile target(outside);
        EXPECT_EQ(target.open(QIODevice::ReadOnly) ? target.readAll() : "gone",
                  c.outsideExists ? "mine" : "gone");
        EXPECT_FALSE(QFileInfo(entry).isSymLink());
        EXPECT_EQ(QFileInfo(entry).size() > 0 && !QImage(entry).isNull(), c.picture);
    }
}

// With HOME unset, the cache lies in the home the password database names.
TEST(ThumbnailsIntegration, CacheFolderFollowsTheHomeRule)
{
    const QByteArray home = qgetenv("HOME"), cacheHome = qgetenv("XDG_CACHE_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CACHE_HOME");
    const QString folder = TThumbnails::DefaultCacheFolder();
    qputenv("HOME", home);
    qputenv("XDG_CACHE_HOME", cacheHome);
    EXPECT_EQ(folder, QString(::getpwuid(::getuid())->pw_dir) + "/.cache/quenby/thumbnails");
}
