// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/StandInDialog.h"

#include <QString>

#include <memory>

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
struct TDataPlaces;
class TPreferences;
class TProfileEditor;
class TProfileDetail;

// The main window's controls the settings dialog works with.
struct SettingControls
{
    // The main window: off while the dialog is up, which is centred on it.
    QWidget* Window = nullptr;
    // Opens the profile on the main window's pick.
    QPushButton* bbtnSetting = nullptr;
    // The profile selection and the output path in force.
    QComboBox* cmbProfile = nullptr;
    QLineEdit* edtOutputdir = nullptr;
};

// The settings dialog. It is created once at start-up and only hidden and
// shown afterwards, because its controls are the preferences in force: the
// batch runner reads the check boxes, the radio buttons and `cmbSyn` directly.
// Constructing it wires it to the main window's "&Setting" button; the
// preferences live in the "Preferences.ini" that `places` names.
class TSettingForm : public TStandInDialog
{
    Q_OBJECT

public:
    TSettingForm(const SettingControls& main, Platform& platform, TProfileDetail& detail,
                 const TDataPlaces& places, QWidget* parent = nullptr);
    ~TSettingForm() override;

    // The main window's first show: its output path and profile come back.
    void LoadStartupPreferences();
    // The main window's close: every preference is written.
    void SaveAllPreferences();
    // The session ends: from now on a save that fails is written to
    // standard error instead of shown, as nobody is left to click a message
    // box away and the session waits for the program to end.
    void SessionEnding();

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
    QGroupBox* gpbOverWrite = nullptr;
    QRadioButton* rdbOverWrite = nullptr;
    QRadioButton* rdbRename = nullptr;
    // How many tasks a batch converts at once, 1 to the number of cores.
    QLabel* labSimultaneous = nullptr;
    QSpinBox* sedSimultaneous = nullptr;

    // "Profiles" page.
    QComboBox* cmbProfile = nullptr;
    QPushButton* btnSaveAs = nullptr;
    TProfileEditor* ProfileEditor = nullptr;

protected:
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateGeneralPage();
    void CreateProfilesPage();
    void FormCreate();

    const SettingControls FMain;
    Platform& FPlatform;
    TProfileDetail& FDetail;
    std::unique_ptr<TPreferences> FPreferences;
};
