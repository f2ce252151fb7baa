// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationWindows.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "tasks/TaskList.h"

#include <QTemporaryDir>

#include <QTest>

#include <gtest/gtest.h>

// The real encoder probes a directory of the eight generated clips, named so
// that case matters for neither the match nor the order.
TEST(TaskListIntegration, DirectoryOfClipsIsListedInOrderWithLengthsAndSizes)
{
    TempAppDir app(TempAppDir::Encoder::Real);
    ASSERT_TRUE(app.IsValid());
    QTemporaryDir clips;
    ASSERT_TRUE(clips.isValid());
    const QList<std::pair<QString, QString>> copies{
        {".avi", "b.AVI"}, {".mpg", "A.mpg"}, {".mpeg", "c.Mpeg"}, {".mp4", "D.mp4"},
        {".wmv", "e.WMV"}, {".mov", "F.mov"}, {".vob", "g.vob"},   {".asf", "H.AsF"}};
    for (const auto& [ext, name] : copies)
        ASSERT_TRUE(CopyTestClip(ext, clips.filePath(name))) << name.toStdString();
    ASSERT_TRUE(CopyTestClip(".avi", clips.filePath("notes.txt")));

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TTaskList& list = *windows.TaskList;
    list.Adds().AddTaskDirectory(clips.path());
    ASSERT_TRUE(QTest::qWaitFor([&list] { return !list.Adds().IsAdding(); }, 60000));

    const QStringList expected{"A.mpg", "b.AVI", "c.Mpeg", "D.mp4",
                               "e.WMV", "F.mov", "g.vob",  "H.AsF"};
    ASSERT_EQ(list.Model().TaskCount(), expected.size());
    for (int row = 0; row < list.Model().TaskCount(); ++row) {
        ltvItemData data;
        list.Model().Read(row, TaskField::AllFields, data);
        SCOPED_TRACE(data.InputFile);
        EXPECT_EQ(QString::fromStdString(data.InputFile), clips.path() + "/" + expected[row]);
        EXPECT_NEAR(data.Length.Seconds, 3.0, 0.25) << data.Length.Text();
        EXPECT_EQ(data.End.Seconds, data.Length.Seconds);
        EXPECT_TRUE(data.SizeText.starts_with(" 320x240")) << "size '" << data.SizeText << "'";
        EXPECT_EQ(data.Status, TaskState::Waiting);
    }
}
