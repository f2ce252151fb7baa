#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;
class TMainForm;
class TPreferences;

// The settings dialog. It is created once at start-up and only hidden and
// shown afterwards, because its controls are the preferences in force: the
// batch runner reads the check boxes, the radio buttons and `cmbSyn` directly.
// Constructing it wires it to the main window: the two buttons that open it
// and the main window's first show and close, which restore and save the
// preferences.
class TSettingForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSettingForm(TMainForm& mainForm, QWidget* parent = nullptr);
    ~TSettingForm() override;

    // The two ways in: the toolbar opens the general options, the main
    // window's "&Setting" button opens the profile on the main window's pick.
    void ShowGeneralPage();
    void ShowProfilesPage();

    void btnOKClick();
    void btnCancelClick();
    void btnDefaultClick();
    void sbtnBrowseClick();
    // A pick in the profile page's combo; the profile editor loads its grids
    // from here.
    void cmbProfileChange();
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

    // "Profiles" page.
    QComboBox* cmbProfile = nullptr;
    QPushButton* btnSaveAs = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateGeneralPage();
    void CreateProfilesPage();
    void FormCreate();
    void FormShow();
    void FormClose();
    void ShowCentred();

    TMainForm& FMainForm;
    std::unique_ptr<TPreferences> FPreferences;
};
