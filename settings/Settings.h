// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/StandInDialog.h"

#include <QString>

#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;
class Platform;
class TPreferenceStore;
struct TPreferences;
class TProfileEditor;
class TProfileDetail;

// The main window's controls the settings dialog works with.
struct SettingControls
{
    // The main window: off while the dialog is up, which is centred on it.
    QWidget* Window = nullptr;
    // The profile selection and the output path in force.
    QComboBox* cmbProfile = nullptr;
    QLineEdit* edtOutputdir = nullptr;
};

// The settings dialog. It is created once at start-up and only hidden and
// shown afterwards, so that the profile editor keeps what the user left in
// its grids. Its "General" page edits a copy of the preferences in force,
// which OK commits and saves. Closed any other way, it leaves its options in
// force unsaved, as they have always been, but not its output path, which
// counts only from OK on; each show starts from the preferences in force.
class TSettingForm : public TStandInDialog
{
    Q_OBJECT

public:
    TSettingForm(const SettingControls& main, Platform& platform, TProfileDetail& detail,
                 TPreferenceStore& store, QWidget* parent = nullptr);
    ~TSettingForm() override;

    // The main window's first show: its output path and profile come back,
    // and a file that could not be read is told.
    void LoadStartupPreferences();

    // The two ways in: the toolbar opens the general options, the main
    // window's "&Setting" button opens the profile on the main window's pick.
    void ShowGeneralPage();
    void ShowProfilesPage();

    void btnOKClick();
    void btnCancelClick();
    void btnDefaultClick();
    void sbtnBrowseClick();
    // A pick in the profile page's combo, or the "&Setting" button: the
    // profile editor shows the profile, fresh from its file.
    void cmbProfileChange();
    // Saves the profile editor's grids into a copy of the picked profile,
    // under a name the user gives.
    void btnSaveAsClick();
    // The main window's profile change handler: reloads its profile detail
    // panel from the selected profile's file.
    void MainProfileChange();

    QTabWidget* pgcSetting = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QPushButton* btnDefault = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // "General" page.
    QLabel* labOutputDir = nullptr;
    QLineEdit* edtOutputDir = nullptr;
    QToolButton* sbtnBrowse = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cmbSyn = nullptr;
    QCheckBox* chkOpenDir = nullptr;
    QCheckBox* chkExit = nullptr;
    QCheckBox* chkTurnoff = nullptr;
    QCheckBox* chkQuality = nullptr;
    QGroupBox* gpbOverWrite = nullptr;
    QRadioButton* rdbOverWrite = nullptr;
    QRadioButton* rdbRename = nullptr;
    // How many tasks a batch converts at once, 1 to the number of cores.
    QLabel* labSimultaneous = nullptr;
    QSpinBox* sedSimultaneous = nullptr;
    // The interface's language, and the note that it counts from the next
    // start, shown while the pick differs from the one the program started
    // with.
    QLabel* labLanguage = nullptr;
    QComboBox* cmbLanguage = nullptr;
    QLabel* labLanguageNote = nullptr;
    // Which sound and subtitle tracks each output keeps: the first, all, or
    // those in the languages typed beside; no subtitle, each one the
    // container can hold, or one burnt in.
    QLabel* labAudioTracks = nullptr;
    QComboBox* cmbAudioTracks = nullptr;
    QLineEdit* edtAudioLanguages = nullptr;
    QLabel* labSubtitles = nullptr;
    QComboBox* cmbSubtitles = nullptr;

    // "Profiles" page.
    QComboBox* cmbProfile = nullptr;
    QPushButton* btnSaveAs = nullptr;
    TProfileEditor* ProfileEditor = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The "General" page's controls, made in the order Tab visits them.
    void CreateGeneralPage();
    void CreateLanguageChoice();
    void CreateTrackChoices();
    void LayOutGeneralPage();
    void CreateProfilesPage();
    void FormCreate();
    // The "General" page's copy: the preferences in force with the page's
    // edits, and the page showing `values`.
    TPreferences DialogValues() const;
    void SetDialogValues(const TPreferences& values);

    const SettingControls FMain;
    Platform& FPlatform;
    TProfileDetail& FDetail;
    TPreferenceStore& FStore;
    const std::string FStartLanguage;
};
