// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileDetail.h"
#include "settings/PreferenceStore.h"
#include "tasks/SavedTasks.h"
#include "tasks/TaskList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

TEST(BatchRunEndToEnd, ConvertsClipsOfThreeTypesAndATrimmedOneWithTheRealEncoder)
{
    TempAppDir app(TempAppDir::Encoder::Real, true);
    ASSERT_TRUE(app.IsValid());
    const QString in = app.Path() + "in/";
    const QString out = app.Path() + "out/";
    ASSERT_TRUE(QDir().mkpath(in) && QDir().mkpath(out));
    const QStringList inputs = {in + "first.avi", in + "second clip.wmv", in + "third.mpg",
                                in + "trimmed.mov"};
    for (const QString& input : inputs)
        ASSERT_TRUE(CopyTestClip("." + QFileInfo(input).suffix(), input)) << qPrintable(input);

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    form.show();
    const int profile = form.BottomStrip.cmbProfile->findText("Any Device MP4 (H.264 + AAC)");
    ASSERT_GE(profile, 0);
    form.BottomStrip.cmbProfile->setCurrentIndex(profile);
    emit form.BottomStrip.cmbProfile->activated(profile); // as the user's pick does
    for (const QString& input : inputs)
        EXPECT_TRUE(AddAndWait(windows.TaskList->Adds(), {input}));
    form.BottomStrip.edtOutputdir->setText(out);
    ASSERT_EQ(windows.ProfileDetail->OutputExt, ".mp4");
    ASSERT_TRUE(windows.Preferences->Value().AutoOpenDir);

    ltvItemData trim;
    trim.Start = TTimeValue::FromText("00:00:01");
    trim.End = TTimeValue::FromText("00:00:02.5");
    trim.Span = TTimeValue::FromText("00:00:01.5");
    for (TaskField field : {TaskField::SpanText, TaskField::StartText, TaskField::EndText})
        windows.TaskList->Model().Write(3, field, trim);

    windows.Runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.Runner->IsBatchActive(); }, 240000));

    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(windows.TaskList->Model().At(row).Data.Status, TaskState::Complete) << row;
    const QStringList outputs = {"first.mp4", "second clip.mp4", "third.mp4"};
    for (const QString& name : outputs) {
        const double duration = MediaSeconds(out + name);
        EXPECT_NEAR(duration, 3.0, 0.3) << qPrintable(name);
    }
    EXPECT_NEAR(MediaSeconds(out + "trimmed.mp4"), 1.5, 0.3);

    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "The coversion is completed successfully.");
    EXPECT_EQ(platform.opened, QStringList({out}));
}

// Two tasks pinned to two profiles convert to their own types in one batch,
// and the kept list, what a SIGKILL leaves, holds their pins.
TEST(BatchRunEndToEnd, TasksPinnedToTheirOwnProfilesConvertToTheirTypesAndAreKept)
{
    TempAppDir app(TempAppDir::Encoder::Real, true);
    ASSERT_TRUE(app.IsValid() && QDir().mkpath(app.Path() + "out"));
    ASSERT_TRUE(CopyTestClip(".avi", app.Path() + "a.avi"));
    ASSERT_TRUE(CopyTestClip(".avi", app.Path() + "b.avi"));
    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TTaskList& list = *windows.TaskList;
    for (const QString name : {"a.avi", "b.avi"})
        EXPECT_TRUE(AddAndWait(list.Adds(), {app.Path() + name}));
    windows.MainForm->BottomStrip.edtOutputdir->setText(app.Path() + "out");
    const QStringList profiles{"Any Device MP4 (H.264 + AAC)", "AVI (MPEG-4 + MP3)"};
    for (int row = 0; row < 2; ++row) {
        list.View().SelectRow(1 - row, false);
        list.View().SelectRow(row, true);
        list.View().PinSelectedTasks(profiles[row]);
    }
    const QModelIndex input = list.Model().index(1, 0);
    // After the file's facts.
    EXPECT_TRUE(input.data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .endsWith("\nProfile: AVI (MPEG-4 + MP3)"));
    const auto keptPins = [&] {
        QStringList pins;
        for (const ltvItemData& task :
             LoadTasks(app.Path().toStdString() + "Tasks.ini").Saved.Tasks)
            pins << QString::fromStdString(task.Profile);
        return pins;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return keptPins() == profiles; }, 10000))
        << keptPins().join(',').toStdString();

    windows.Runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.Runner->IsBatchActive(); }, 240000));
    EXPECT_NEAR(MediaSeconds(app.Path() + "out/a.mp4"), 3.0, 0.3);
    EXPECT_NEAR(MediaSeconds(app.Path() + "out/b.avi"), 3.0, 0.3);
}

TEST(BatchRunEndToEnd, FailedConversionsShowTheEncodersReasonInTheStatusTooltip)
{
    TempAppDir app(TempAppDir::Encoder::Real, true);
    ASSERT_TRUE(app.IsValid());
    const QString in = app.Path() + "in/";
    const QString out = app.Path() + "out/";
    ASSERT_TRUE(QDir().mkpath(in) && QDir().mkpath(out));
    // A clip with a misleading title, comment and chapter; a video without
    // audio, which an audio profile cannot convert; and no video at all.
    ASSERT_TRUE(QFile::copy(TitledClip(), in + "titled.mp4"));
    ASSERT_TRUE(QFile::copy(InputKindClip("noaudio.mp4"), in + "silent.mp4"));
    QFile garbage(in + "garbage.avi");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, '\x5a'));
    garbage.close();

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    form.show();
    const int profile = form.BottomStrip.cmbProfile->findText("MP3 Audio");
    ASSERT_GE(profile, 0);
    form.BottomStrip.cmbProfile->setCurrentIndex(profile);
    emit form.BottomStrip.cmbProfile->activated(profile);
    for (const char* name : {"titled.mp4", "silent.mp4", "garbage.avi"})
        EXPECT_TRUE(AddAndWait(windows.TaskList->Adds(), {in + name}));
    const auto cell = [&form](int row, int column, int role = Qt::DisplayRole) {
        return form.ltvTask->model()->index(row, column).data(role).toString();
    };
    ASSERT_EQ(form.ltvTask->model()->rowCount(), 3);
    form.BottomStrip.edtOutputdir->setText(out);
    EXPECT_EQ(cell(0, 1), "00:00:03.00");
    // The cell shows the size in words, its tooltip the probe's own text.
    EXPECT_TRUE(cell(0, 2, Qt::ToolTipRole).startsWith("320x240 [SAR 1:1 DAR 4:3]"));

    windows.Runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.Runner->IsBatchActive(); }, 240000));

    const auto state = [&windows](int row) {
        return windows.TaskList->Model().At(row).Data.Status;
    };
    EXPECT_EQ(state(0), TaskState::Complete);
    // The name it was saved as, then its size and its share of the input.
    EXPECT_TRUE(
        cell(0, 3, Qt::ToolTipRole)
            .contains(QRegularExpression("^" + QRegularExpression::escape(out) +
                                         "titled\\.mp3\nSize: \\d+ kB, \\d+% of the input$")))
        << cell(0, 3, Qt::ToolTipRole).toStdString();
    EXPECT_TRUE(
        windows.TaskList->Model().At(0).Log.endsWith("Saved as \"" + out + "titled.mp3\".\n"));
    EXPECT_NEAR(MediaSeconds(out + "titled.mp3"), 3.0, 0.3);
    EXPECT_EQ(state(1), TaskState::Failed);
    EXPECT_TRUE(cell(1, 3, Qt::ToolTipRole).contains("does not contain any stream"))
        << cell(1, 3, Qt::ToolTipRole).toStdString();
    EXPECT_EQ(MediaSeconds(out + "silent.mp3"), -1) << "no readable file";
    EXPECT_EQ(state(2), TaskState::Failed);
    EXPECT_TRUE(cell(2, 3, Qt::ToolTipRole).contains("Invalid data found when processing input"))
        << cell(2, 3, Qt::ToolTipRole).toStdString();
    EXPECT_EQ(form.BottomStrip.pgbTotal->value(), 100);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "The conversion is completed, but 2 of 3 files failed.");
}

} // namespace
