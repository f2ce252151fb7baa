// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/GridInput.h"
#include "fixtures/ProfileRuns.h"
#include "fixtures/TempAppDir.h"
#include "profiles/CustomSize.h"
#include "profiles/ProfileDetail.h"
#include "tasks/TaskList.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// The whole program on a generated eight-second clip and the real encoder:
// a task renamed and trimmed in the output grid, then a frame size typed in
// the custom size dialog.
TEST(ProfileDetailEndToEnd, RenamedTrimmedAndCustomSizedOutputs)
{
    TempAppDir app(TempAppDir::Encoder::Real, true);
    ASSERT_TRUE(app.IsValid());
    const QString in = app.Path() + "in/", out = app.Path() + "out/";
    ASSERT_TRUE(QDir().mkpath(in) && QDir().mkpath(out));
    const QString clip = EightSecondClip();
    ASSERT_FALSE(clip.isEmpty());
    ASSERT_TRUE(QFile::copy(clip, in + "source.avi"));

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QComboBox& profiles = *form.BottomStrip.cmbProfile;
    const int profile = profiles.findText("Any Device MP4 (H.264 + AAC)");
    ASSERT_GE(profile, 0);
    profiles.setCurrentIndex(profile);
    emit profiles.activated(profile);
    EXPECT_TRUE(AddAndWait(windows.TaskList->Adds(), {in + "source.avi"}));
    form.BottomStrip.edtOutputdir->setText(out);
    QTest::mouseClick(form.ltvTask->viewport(), Qt::LeftButton, {},
                      form.ltvTask->visualRect(form.ltvTask->model()->index(0, 0)).center());

    ValueListEditor& output = *windows.ProfileDetail->vleOutput;
    ASSERT_EQ(output.Values("New Filename"), "source.mp4");
    ASSERT_TRUE(TypeIntoCell(output, "New Filename", "cut part.mp4"));
    ASSERT_TRUE(TypeIntoCell(output, "Start Time", "00:00:02"));
    ASSERT_TRUE(TypeIntoCell(output, "End Time", "00:00:05"));
    form.ltvTask->setFocus(); // leaving the grid
    const auto run = [&] {
        windows.Runner->tbtnStartClick();
        return QTest::qWaitFor([&] { return !windows.Runner->IsBatchActive(); }, 120000);
    };
    ASSERT_TRUE(run());
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"cut part.mp4"});
    const ProbedFile cut = ProbeFile(out + "cut part.mp4");
    ASSERT_TRUE(cut.ok);
    EXPECT_NEAR(cut.duration, 3.0, 0.3);

    ValueListEditor& video = *windows.ProfileDetail->vleVideo;
    TSizeForm& sizeForm = *windows.SizeForm;
    ASSERT_TRUE(PickInCell(video, "Video Size", "Custom Size"));
    ASSERT_TRUE(sizeForm.isVisible());
    EXPECT_FALSE(form.isEnabled());
    sizeForm.edtWidth->setText("400");
    sizeForm.edtHeight->setText("300");
    QTest::mouseClick(sizeForm.btnOK, Qt::LeftButton);
    EXPECT_EQ(video.Values("Video Size"), "400x300");
    EXPECT_TRUE(form.isEnabled());
    ASSERT_TRUE(run());
    const ProbedFile sized = ProbeFile(out + "cut part.mp4");
    EXPECT_EQ(sized.width, 400);
    EXPECT_EQ(sized.height, 300);
    EXPECT_NEAR(sized.duration, 3.0, 0.3);
}

} // namespace
