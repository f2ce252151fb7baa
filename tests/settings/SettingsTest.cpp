// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFixture.h"

#include "profiles/ProfileDetail.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

TEST_F(Settings, FirstStartUsesTheDefaultsAndCloseWritesAllSevenKeys)
{
    AddProfile("Alpha");
    Start();
    EXPECT_EQ(main->BottomStrip.edtOutputdir->text(), appDir);
    EXPECT_EQ(main->BottomStrip.cmbProfile->currentIndex(), 0);
    EXPECT_EQ(form->cmbSyn->currentText(), "Auto");
    EXPECT_TRUE(form->chkOpenDir->isChecked());
    EXPECT_FALSE(form->chkExit->isChecked());
    EXPECT_FALSE(form->chkTurnoff->isChecked());
    EXPECT_TRUE(form->rdbOverWrite->isChecked());
    EXPECT_FALSE(form->rdbRename->isChecked());
    Close();

    // The dialog was never opened, and still every key is written.
    EXPECT_EQ(Stored("Profile"), "0");
    EXPECT_EQ(Stored("Output Path"), appDir.toStdString());
    EXPECT_EQ(Stored("Syn Mode"), "0");
    EXPECT_EQ(Stored("Auto Open Dir"), "1");
    EXPECT_EQ(Stored("Auto Exit"), "0");
    EXPECT_EQ(Stored("Auto Turn Off"), "0");
    EXPECT_EQ(Stored("Overwrite"), "1");
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(SettingsDialog, AnEmptyCatalogueSavesNoSelectionAndTheNextStartKeepsIt)
{
    Start();
    Close();
    EXPECT_EQ(Stored("Profile"), "-1");

    AddProfile("Alpha");
    AddProfile("Beta");
    Start();
    EXPECT_EQ(strip.cmbProfile->count(), 2);
    EXPECT_EQ(strip.cmbProfile->currentIndex(), -1);
}

TEST_F(SettingsFiles, UnusableValuesTakeTheirSectionsDefault)
{
    WritePreferences("[Main]\r\nAuto Exit=sometimes\r\nAuto Open Dir=sometimes\r\n"
                     "Syn Mode=7\r\n[Default]\r\nAuto Open Dir=sometimes\r\n");
    const auto store = Store();
    EXPECT_FALSE(store->Value().AutoExit);
    EXPECT_TRUE(store->Value().AutoOpenDir);
    // A mode the dialog does not offer is its first rather than none.
    EXPECT_EQ(store->Value().SynMode, 0);
    EXPECT_FALSE(store->Defaults().AutoOpenDir);
}

TEST_F(SettingsDialog, AProfileIndexOutsideTheCatalogueSelectsAndLoadsNothing)
{
    AddProfile("Alpha");
    AddProfile("Beta");
    WritePreferences("[Main]\r\nProfile=5\r\n");
    Start();
    EXPECT_EQ(strip.cmbProfile->currentIndex(), -1);
    EXPECT_EQ(detail->OutputExt, "");
    Close();
    EXPECT_EQ(Stored("Profile"), "-1");
}

TEST_F(SettingsFiles, AnEmptyOutputPathStartsWithAnEmptyDirectory)
{
    WritePreferences("[Main]\r\nOutput Path=\r\n");
    EXPECT_EQ(Store()->Value().OutputPath, "");
}

TEST_F(Settings, OpeningDisablesTheMainWindowAndAnyCloseEnablesIt)
{
    AddProfile("Alpha");
    AddProfile("Beta");
    Start();
    main->BottomStrip.cmbProfile->setCurrentIndex(1);
    main->BottomStrip.edtOutputdir->setText("/srv/out/");

    OpenGeneral();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->pgcSetting->currentIndex(), 0);
    EXPECT_FALSE(main->isEnabled());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(form->btnOK->isEnabled());
    EXPECT_EQ(form->edtOutputDir->text(), "/srv/out/");
    // Centred to within the window frame, which is unknown before the first show.
    EXPECT_LE((form->frameGeometry().center() - main->frameGeometry().center()).manhattanLength(),
              8);

    // Neither key answers for the buttons; only a deliberate close does.
    QTest::keyClick(form->edtOutputDir, Qt::Key_Escape);
    QTest::keyClick(form->edtOutputDir, Qt::Key_Return);
    QTest::keyClick(form->btnOK, Qt::Key_Return);
    QTest::keyClick(form->btnCancel, Qt::Key_Enter);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(main->isEnabled());

    OpenProfiles();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->pgcSetting->currentIndex(), 1);
    EXPECT_EQ(form->cmbProfile->currentText(), "Beta");
    EXPECT_FALSE(main->isEnabled());
    Click(form->btnCancel);
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(SettingsDialog, CancelKeepsTheOptionsButNotTheOutputPath)
{
    Start();
    OpenGeneral();
    Click(form->chkExit);
    Click(form->rdbRename);
    form->edtOutputDir->setText("/elsewhere/");
    Click(form->btnCancel);

    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->chkExit->isChecked());
    EXPECT_TRUE(form->rdbRename->isChecked());
    EXPECT_EQ(strip.edtOutputdir->text(), appDir);
    EXPECT_EQ(Stored("Auto Exit"), "<missing>");

    OpenGeneral();
    EXPECT_EQ(form->edtOutputDir->text(), appDir);
    EXPECT_TRUE(form->chkExit->isChecked());
    Click(form->btnCancel);
    Close();
    EXPECT_EQ(Stored("Auto Exit"), "1");
    EXPECT_EQ(Stored("Overwrite"), "0");
    EXPECT_EQ(Stored("Output Path"), appDir.toStdString());
}

// Preferences that cannot be read are told at the first show, and keep
// every existing output until the user says otherwise.
TEST_F(SettingsDialog, PreferencesThatCannotBeReadAreToldAndKeepExistingOutputs)
{
    WritePreferences(QByteArray("[\0M\0a\0i\0n\0]\0", 12));
    Start();
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors.first().contains("cannot be read: it does not hold text."));
    EXPECT_TRUE(form->rdbRename->isChecked());
}

TEST_F(SettingsDialog, LoadDefaultAsksAndReadsTheDefaultSection)
{
    const QByteArray withDefaults = "[Main]\r\nAuto Exit=1\r\n"
                                    "[Default]\r\nOutput Path=/inst/\r\nSyn Mode=2\r\n"
                                    "Auto Open Dir=1\r\nAuto Exit=0\r\nAuto Turn Off=1\r\n"
                                    "Overwrite=0\r\n";
    WritePreferences(withDefaults);
    Start();
    OpenGeneral();

    // "No" changes nothing.
    platform.answers.push_back(Platform::Answer::No);
    Click(form->btnDefault);
    EXPECT_TRUE(form->chkExit->isChecked());
    ASSERT_EQ(platform.messages.size(), 1);
    const FakePlatform::Message& question = platform.messages.first();
    EXPECT_EQ(question.owner, form);
    EXPECT_EQ(question.text, "Are you sure to load the default preferences?");
    EXPECT_EQ(question.title, "Load Default");
    EXPECT_EQ(question.icon, Platform::Icon::Question);
    EXPECT_EQ(question.buttons, Platform::Buttons::YesNo);

    const QByteArray before = ReadFile("Preferences.ini");
    platform.answers.push_back(Platform::Answer::Yes);
    Click(form->btnDefault);
    EXPECT_EQ(form->edtOutputDir->text(), "/inst/");
    EXPECT_EQ(form->cmbSyn->currentText(), "Progressive Mode");
    EXPECT_TRUE(form->chkOpenDir->isChecked());
    EXPECT_FALSE(form->chkExit->isChecked());
    EXPECT_TRUE(form->chkTurnoff->isChecked());
    EXPECT_FALSE(form->rdbOverWrite->isChecked());
    EXPECT_TRUE(form->rdbRename->isChecked());
    EXPECT_EQ(ReadFile("Preferences.ini"), before);
}

TEST_F(SettingsDialog, LoadDefaultWithoutADefaultSectionUsesTheBuiltInDefaults)
{
    WritePreferences("[Main]\r\nOutput Path=/mine/\r\nSyn Mode=1\r\nAuto Open Dir=1\r\n"
                     "Auto Exit=1\r\nAuto Turn Off=1\r\nOverwrite=0\r\n");
    Start();
    OpenGeneral();
    platform.answers.push_back(Platform::Answer::Yes);
    Click(form->btnDefault);
    EXPECT_EQ(form->edtOutputDir->text(), appDir);
    EXPECT_EQ(form->cmbSyn->currentText(), "Auto");
    EXPECT_FALSE(form->chkOpenDir->isChecked());
    EXPECT_FALSE(form->chkExit->isChecked());
    EXPECT_FALSE(form->chkTurnoff->isChecked());
    EXPECT_TRUE(form->rdbOverWrite->isChecked());
}

TEST_F(SettingsDialog, BrowsePutsThePickedFolderWithOneSeparator)
{
    Start();
    OpenGeneral();
    form->edtOutputDir->setText("/before/");

    platform.folderAnswers = {""};
    Click(form->sbtnBrowse);
    EXPECT_EQ(form->edtOutputDir->text(), "/before/");
    ASSERT_EQ(platform.folderCalls.size(), 1);
    EXPECT_EQ(platform.folderCalls.first().owner, form);
    EXPECT_EQ(platform.folderCalls.first().title, "Select the output directory.");
    EXPECT_EQ(platform.folderCalls.first().start, "/before/");

    platform.folderAnswers = {"/media/videos"};
    Click(form->sbtnBrowse);
    EXPECT_EQ(form->edtOutputDir->text(), "/media/videos/");
    platform.folderAnswers = {"/"};
    Click(form->sbtnBrowse);
    EXPECT_EQ(form->edtOutputDir->text(), "/");
}

TEST_F(SettingsDialog, OKWithAMissingProfileFileSavesOnlyThePreferences)
{
    AddProfile("Alpha");
    Start();
    QFile::remove(appDir + "Profiles/Alpha.apf");
    OpenProfiles();
    ASSERT_EQ(form->cmbProfile->currentText(), "Alpha");
    form->edtOutputDir->setText("/typed");
    Click(form->btnOK);

    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(window->isEnabled());
    // Copied verbatim: no separator is added at OK.
    EXPECT_EQ(strip.edtOutputdir->text(), "/typed");
    EXPECT_EQ(Stored("Output Path"), "/typed");
    EXPECT_EQ(Stored("Profile"), "<missing>");
    EXPECT_FALSE(QFile::exists(appDir + "Profiles/Alpha.apf"));
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(SettingsDialog, AFailedSaveAtOKShowsTheReasonAndStillCloses)
{
    Start();
    MakePreferencesReadOnly();
    OpenGeneral();
    Click(form->chkExit);
    Click(form->btnOK);

    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors.first().contains("Preferences.ini"));
    EXPECT_TRUE(platform.errors.first().contains("Permission denied"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Stored("Auto Exit"), "<missing>");
}

TEST_F(SettingsFiles, AReadOnlyFileIsQuietUntilSomethingIsSaved)
{
    WritePreferences("[Main]\r\nAuto Exit=1\r\n");
    MakePreferencesReadOnly();
    const auto store = Store();
    EXPECT_TRUE(store->Value().AutoExit);
    EXPECT_TRUE(platform.errors.isEmpty());

    store->SaveAll();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(ReadFile("Preferences.ini"), "[Main]\r\nAuto Exit=1\r\n");
}

TEST_F(SettingsFiles, AMissingApplicationDirectoryIsTheOutputAndGetsNoFile)
{
    appDir = dir.Path() + "gone/";
    const auto store = Store();
    EXPECT_EQ(store->Value().OutputPath, appDir.toStdString());
    store->SaveAll();
    EXPECT_FALSE(QFile::exists(appDir + "Preferences.ini"));
}

TEST_F(SettingsDialog, OKBeforeAnyPickInTheDialogLeavesTheMainWindowsProfileAlone)
{
    AddProfile("Alpha", "avi");
    Start();
    ASSERT_EQ(strip.cmbProfile->currentText(), "Alpha");
    AddProfile("Alpha", "mkv");
    OpenGeneral();
    EXPECT_EQ(form->cmbProfile->currentIndex(), -1);
    Click(form->btnOK);
    EXPECT_EQ(detail->OutputExt, ".avi");
}

// "Simultaneous tasks:" starts at 1 and offers 1 to the number of cores. A
// file that never had the key keeps its bytes while the count stays 1; once
// the user has changed it, the key follows the box.
TEST_F(SettingsDialog, SimultaneousTasksIsOneUntilChangedAndThenSurvivesARestart)
{
    AddProfile("Alpha");
    Start();
    EXPECT_EQ(form->sedSimultaneous->value(), 1);
    EXPECT_EQ(form->sedSimultaneous->minimum(), 1);
    EXPECT_EQ(form->sedSimultaneous->maximum(), std::max(1, QThread::idealThreadCount()));
    Close();
    EXPECT_EQ(Stored("Simultaneous Tasks"), "<missing>");
    if (QThread::idealThreadCount() < 2)
        GTEST_SKIP() << "one core: the box offers nothing else";

    Start();
    OpenGeneral();
    form->sedSimultaneous->setValue(2);
    Click(form->btnOK);
    EXPECT_EQ(Stored("Simultaneous Tasks"), "2") << "OK writes it";
    Close();
    Start();
    EXPECT_EQ(form->sedSimultaneous->value(), 2);

    OpenGeneral();
    platform.answers.push_back(Platform::Answer::Yes);
    Click(form->btnDefault);
    EXPECT_EQ(form->sedSimultaneous->value(), 1) << "Load Default";
    Click(form->btnOK);
    Close();
    EXPECT_EQ(Stored("Simultaneous Tasks"), "1");
}

// A count this machine cannot give (a file from a larger one, or a broken
// value) is brought into the box's range.
TEST_F(SettingsFiles, ASimultaneousTasksCountOutOfRangeIsBroughtIntoIt)
{
    const int cores = std::max(1, QThread::idealThreadCount());
    const std::pair<const char*, int> cases[] = {{"999", cores}, {"0", 1}, {"-3", 1}, {"x", 1}};
    for (const auto& [stored, shown] : cases) {
        WritePreferences(QByteArray("[Main]\r\nSimultaneous Tasks=") + stored + "\r\n");
        EXPECT_EQ(Store()->Value().SimultaneousTasks, shown) << stored;
    }
}

TEST_F(SettingsDialog, EveryOptionSurvivesARestart)
{
    AddProfile("Alpha");
    AddProfile("Beta");
    // The path stands above the other keys, and a "[" in it is text.
    WritePreferences("[Main]\r\nOutput Path=/old/\r\nSyn Mode=0\r\nAuto Open Dir=1\r\n"
                     "Auto Exit=0\r\nAuto Turn Off=0\r\nOverwrite=1\r\nProfile=0\r\n");
    Start();
    strip.cmbProfile->setCurrentIndex(1);
    OpenGeneral();
    form->edtOutputDir->setText("/round [HD]/trip/");
    form->cmbSyn->setCurrentIndex(1);
    Click(form->chkOpenDir);
    Click(form->chkExit);
    Click(form->chkTurnoff);
    Click(form->rdbRename);
    Click(form->btnOK);
    Close();

    Start();
    EXPECT_EQ(strip.cmbProfile->currentText(), "Beta");
    EXPECT_EQ(strip.edtOutputdir->text(), "/round [HD]/trip/");
    EXPECT_EQ(form->edtOutputDir->text(), "/round [HD]/trip/");
    EXPECT_EQ(form->cmbSyn->currentText(), "Force Mode");
    EXPECT_FALSE(form->chkOpenDir->isChecked());
    EXPECT_TRUE(form->chkExit->isChecked());
    EXPECT_TRUE(form->chkTurnoff->isChecked());
    EXPECT_TRUE(form->rdbRename->isChecked());
    EXPECT_FALSE(form->rdbOverWrite->isChecked());
}

} // namespace

TEST_F(SettingsDialog, TheSavedProfileIsLoadedAtStartAndReloadedByOKOnlyWhenItIsTheSame)
{
    AddProfile("Alpha", "avi");
    AddProfile("Beta", "mkv");
    WritePreferences("[Main]\r\nProfile=1\r\n");
    Start();
    ASSERT_EQ(strip.cmbProfile->currentText(), "Beta");
    EXPECT_EQ(detail->OutputExt, ".mkv");

    // The dialog's pick is the main window's: OK reloads the changed file.
    AddProfile("Beta", "mov");
    OpenProfiles();
    Click(form->btnOK);
    EXPECT_EQ(detail->OutputExt, ".mov");

    // Another profile in the dialog leaves the main window's alone.
    AddProfile("Beta", "wmv");
    OpenProfiles();
    form->cmbProfile->setCurrentIndex(0);
    Click(form->btnOK);
    EXPECT_EQ(detail->OutputExt, ".mov");
}
