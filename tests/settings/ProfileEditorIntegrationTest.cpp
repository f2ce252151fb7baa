// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "base/NewInifiles.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/GridInput.h"
#include "fixtures/ProfileRuns.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileDetail.h"
#include "profiles/ProfileWalker.h"
#include "settings/ProfileEditor.h"
#include "settings/Settings.h"
#include "tasks/TaskList.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A frame size picked on the settings dialog's "Profiles" page reaches the
// profile file, the main window's grid and the real encoder's output.
TEST(ProfileEditorEndToEnd, APickSavedByOKConvertsAtThatSize)
{
    TempAppDir app(TempAppDir::Encoder::Real, true);
    ASSERT_TRUE(app.IsValid());
    const QString out = app.Path() + "out/";
    ASSERT_TRUE(QDir().mkpath(out));
    const QString clip = TestClip(".avi");
    ASSERT_FALSE(clip.isEmpty());
    ASSERT_TRUE(QFile::copy(clip, app.Path() + "source.avi"));

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    form.show();
    QComboBox& profiles = *form.BottomStrip.cmbProfile;
    const QString name = "Any Device MP4 (H.264 + AAC)";
    const int profile = profiles.findText(name);
    ASSERT_GE(profile, 0);
    profiles.setCurrentIndex(profile);
    emit profiles.activated(profile);

    TSettingForm& settings = *windows.SettingForm;
    QTest::mouseClick(form.BottomStrip.bbtnSetting, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&settings));
    ASSERT_EQ(settings.cmbProfile->currentText(), name);
    ASSERT_TRUE(PickInCell(*settings.ProfileEditor->vleVideo, "Video Size", "640x480 (VGA)"));
    QTest::mouseClick(settings.btnOK, Qt::LeftButton);
    ASSERT_FALSE(settings.isVisible());

    const std::string path = windows.ProfileDetail->ProfilePath(name).toStdString();
    const TNewInifile stored(path);
    const std::vector<std::string> captions =
        SplitList(stored.ReadString("Video Size", "Caption", ""));
    const int index = stored.ReadInteger("Video Size", "Index", -1);
    ASSERT_TRUE(index >= 0 && index < int(captions.size()));
    EXPECT_EQ(captions[size_t(index)], "640x480 (VGA)");
    EXPECT_EQ(windows.ProfileDetail->vleVideo->Values("Video Size"), "640x480 (VGA)");

    EXPECT_TRUE(AddAndWait(windows.TaskList->Adds(), {app.Path() + "source.avi"}));
    form.BottomStrip.edtOutputdir->setText(out);
    windows.Runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.Runner->IsBatchActive(); }, 120000));
    const ProbedFile converted = ProbeFile(out + "source.mp4");
    ASSERT_TRUE(converted.ok);
    EXPECT_EQ(converted.width, 640);
    EXPECT_EQ(converted.height, 480);
    EXPECT_TRUE(platform.errors.isEmpty());
}

} // namespace
