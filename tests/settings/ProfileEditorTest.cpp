// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFixture.h"

#include "fixtures/GridInput.h"
#include "platform/Translators.h"
#include "profiles/ProfileDetail.h"
#include "settings/ProfileEditor.h"
#include "widgets/ValueListEditor.h"

#include <QComboBox>
#include <QPushButton>

namespace {

// A profile of a pick list, an editable text, a fixed text and a pick list
// without "List"; with `advanced`, also an Advanced parameter.
QByteArray ProfileText(bool advanced = false)
{
    QByteArray text = "[Main]\r\nType=mp4\r\nPara=" + QByteArray(advanced ? "5" : "4") +
                      "\r\n0=Video Size\r\n1=Bit Rate\r\n2=Aspect\r\n3=Audio Codec\r\n"
                      "4=Deinterlace\r\n"
                      "[Video Size]\r\nSort=1\r\nList=1\r\nCaption=Original Size,640x480 (VGA),\r\n"
                      "Value=,640x480,\r\nIndex=0\r\ncmd=-s\r\n"
                      "[Bit Rate]\r\nSort=1\r\nList=0\r\nReadOnly=0\r\nCaption=1000k\r\n"
                      "Value=1000k\r\ncmd=-b:v\r\n"
                      "[Aspect]\r\nSort=1\r\nList=0\r\nReadOnly=1\r\nCaption=Original\r\nValue=\r\n"
                      "[Audio Codec]\r\nSort=2\r\nCaption=AAC,MP3,\r\nValue=aac,libmp3lame,\r\n"
                      "Index=0\r\ncmd=-acodec\r\n";
    if (advanced)
        text += "[Deinterlace]\r\nSort=3\r\nCaption=No,Yes,\r\nValue=,\\,\r\nIndex=0\r\n";
    return text;
}

// The same profile after "640x480 (VGA)" was picked and "2500k" typed.
QByteArray EditedText(bool advanced = false)
{
    return ProfileText(advanced)
        .replace("Index=0\r\ncmd=-s", "Index=1\r\ncmd=-s")
        .replace("Caption=1000k\r\nValue=1000k", "Caption=2500k\r\nValue=2500k");
}

class ProfilesPage : public SettingsDialog
{
protected:
    void SetUp() override
    {
        SettingsDialog::SetUp();
        WriteFile("Profiles/Alpha.apf", ProfileText());
        WriteFile("Profiles/Beta.apf", ProfileText(true));
        Start();
        ASSERT_EQ(strip.cmbProfile->currentText(), "Alpha");
    }
    // Opens the page from the "&Setting" button and edits two values.
    void OpenAndEdit()
    {
        OpenProfiles();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        TProfileEditor& editor = *form->ProfileEditor;
        ASSERT_TRUE(PickInCell(*editor.vleVideo, "Video Size", "640x480 (VGA)"));
        ASSERT_TRUE(TypeIntoCell(*editor.vleVideo, "Bit Rate", "2500k"));
    }
    void SaveAs(const QString& target)
    {
        platform.saveAnswers.push_back(target);
        Click(form->btnSaveAs);
    }
    QString Shown(ValueListEditor* grid, const char* label) const { return grid->Values(label); }
};

TEST_F(ProfilesPage, OKSavesTheEditableValuesAndTheMainWindowShowsThem)
{
    OpenAndEdit();
    Click(form->btnOK);
    EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), EditedText());
    EXPECT_EQ(Shown(detail->vleVideo, "Video Size"), "640x480 (VGA)");
    EXPECT_EQ(Shown(detail->vleVideo, "Bit Rate"), "2500k");
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(ProfilesPage, AnEmptyGroupStaysEmptyAndTheNextLoadWorks)
{
    OpenProfiles();
    TProfileEditor& editor = *form->ProfileEditor;
    EXPECT_EQ(editor.vleAdvanced->RowCount(), 0);
    EXPECT_EQ(editor.vleAdvanced->height(), 18);
    EXPECT_EQ(editor.vleVideo->RowCount(), 3);

    form->cmbProfile->setCurrentIndex(1);
    emit form->cmbProfile->activated(1);
    EXPECT_EQ(editor.vleAdvanced->RowCount(), 1);
    EXPECT_EQ(Shown(editor.vleAdvanced, "Deinterlace"), "No");
    EXPECT_EQ(editor.vleAdvanced->height(), 18);
    EXPECT_TRUE(platform.errors.isEmpty());
}

// The dialog's pick is what OK saves into; the main window only reloads the
// profile it shows itself.
TEST_F(ProfilesPage, OKSavesIntoThePickedProfileAndLeavesTheMainWindowsOther)
{
    OpenProfiles();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->cmbProfile->setCurrentIndex(1);
    emit form->cmbProfile->activated(1);
    ASSERT_TRUE(PickInCell(*form->ProfileEditor->vleVideo, "Video Size", "640x480 (VGA)"));
    Click(form->btnOK);
    EXPECT_EQ(ReadFile("Profiles/Beta.apf"),
              ProfileText(true).replace("Index=0\r\ncmd=-s", "Index=1\r\ncmd=-s"));
    EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), ProfileText());
    EXPECT_EQ(Shown(detail->vleVideo, "Video Size"), "Original Size");
}

// German shows the shipped words; what is picked through them is saved in
// English, byte for byte as an English pick saves it.
TEST_F(ProfilesPage, AProfileSavedWhileGermanIsShownIsTheEnglishFile)
{
    const TTranslators german(QUENBY_TRANSLATIONS_DIR, QStringLiteral("de"));
    OpenProfiles();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->cmbProfile->setCurrentIndex(1);
    emit form->cmbProfile->activated(1);
    ValueListEditor& advanced = *form->ProfileEditor->vleAdvanced;
    EXPECT_EQ(advanced.Cells(0, 0) + "=" + advanced.ShownValue(0), "Deinterlacing=Nein");
    ASSERT_TRUE(PickInCell(advanced, "Deinterlace", "Ja"));
    EXPECT_EQ(advanced.Values("Deinterlace"), "Yes");
    Click(form->btnOK);
    EXPECT_EQ(ReadFile("Profiles/Beta.apf"),
              ProfileText(true).replace("\\,\r\nIndex=0", "\\,\r\nIndex=1"));
}

TEST_F(ProfilesPage, SaveAsReplacesTheTargetKeepsTheSourceAndOKThenSavesTheSource)
{
    OpenAndEdit();
    SaveAs(appDir + "Profiles/Beta.apf");
    ASSERT_EQ(platform.saveCalls.size(), 1);
    const FakePlatform::Save& asked = platform.saveCalls[0];
    EXPECT_EQ(asked.directory, appDir + "Profiles/");
    EXPECT_EQ(asked.filters, QStringList{"Profiles (*.apf)"});
    EXPECT_EQ(asked.defaultExt, ".apf");
    EXPECT_EQ(ReadFile("Profiles/Beta.apf"), EditedText());
    EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), ProfileText());
    EXPECT_EQ(form->cmbProfile->currentText(), "Alpha");

    // A new name is listed from the next start on only.
    SaveAs(appDir + "Profiles/Gamma.apf");
    EXPECT_EQ(ReadFile("Profiles/Gamma.apf"), EditedText());
    EXPECT_EQ(form->cmbProfile->findText("Gamma"), -1);

    Click(form->btnOK);
    EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), EditedText());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(ProfilesPage, SaveAsNeverLosesTheSourceNorReportsAFailedCopyAsDone)
{
    OpenAndEdit();
    SaveAs(""); // cancelled
    EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), ProfileText());

    // The source itself, however it is named, is saved in place.
    ASSERT_TRUE(QFile::link(appDir + "Profiles/Alpha.apf", appDir + "alias.apf"));
    for (const QString& same : {appDir + "Profiles/./Alpha.apf", appDir + "alias.apf"}) {
        WriteFile("Profiles/Alpha.apf", ProfileText());
        SaveAs(same);
        EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), EditedText()) << same.toStdString();
    }
    EXPECT_TRUE(platform.errors.isEmpty());

    WriteFile("locked.apf", "locked");
    QFile::setPermissions(appDir + "locked.apf", QFileDevice::ReadOwner);
    const struct
    {
        QString target;
        const char* reason;
    } failures[] = {{appDir + "no dir/x.apf", "No such file or directory"},
                    {appDir + "locked.apf", "Permission denied"}};
    for (const auto& f : failures) {
        platform.errors.clear();
        SaveAs(f.target);
        ASSERT_EQ(platform.errors.size(), 1) << f.target.toStdString();
        EXPECT_TRUE(platform.errors[0].contains(f.reason)) << platform.errors[0].toStdString();
    }
    EXPECT_FALSE(QFile::exists(appDir + "no dir/x.apf"));
    EXPECT_EQ(ReadFile("locked.apf"), "locked");
    EXPECT_EQ(ReadFile("Profiles/Alpha.apf"), EditedText());
}

} // namespace
