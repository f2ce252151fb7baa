#include "settings/Preferences.h"

#include "app/Main.h"
#include "platform/Platform.h"
#include "profiles/NewInifiles.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

TPreferences::TPreferences(TMainForm& mainForm, TSettingForm& form)
    : FMainForm(mainForm), FForm(form)
{
}

std::unique_ptr<TNewInifile> TPreferences::Open() const
{
    return std::make_unique<TNewInifile>(AppDir() + PreferencesFileName);
}

void TPreferences::Release(std::unique_ptr<TNewInifile> store) const
{
    try {
        TNewInifile::SaveAndFree(std::move(store));
    } catch (const EIniWriteError& error) {
        if (error.HadWrites)
            FMainForm.platform().ShowError(QString::fromStdString(error.what()));
    }
}

std::string TPreferences::AppDir() const
{
    return FMainForm.AppDir.toStdString();
}

void TPreferences::LoadStartupPreferences()
{
    auto store = Open();
    const TPreferenceValues values = ReadPreferenceValues(*store, MainSection, AppDir());
    FMainForm.edtOutputdir->setText(QString::fromStdString(values.OutputPath));
    if (FMainForm.cmbProfile->count() > 0) {
        // An index outside the catalogue leaves the combo without a
        // selection; the change handler then finds no profile to load.
        FMainForm.cmbProfile->setCurrentIndex(ReadProfileIndex(*store));
        FForm.MainProfileChange();
    }
    Release(std::move(store));
}

void TPreferences::SaveAllPreferences()
{
    auto store = Open();
    WriteProfileIndex(*store, FMainForm.cmbProfile->currentIndex());
    TPreferenceValues values = DialogValues();
    // The main window's path is the one in force; the dialog's edit is only
    // a working copy until OK.
    values.OutputPath = FMainForm.edtOutputdir->text().toStdString();
    WritePreferenceValues(*store, values);
    Release(std::move(store));
}

void TPreferences::LoadPreferences()
{
    auto store = Open();
    SetDialogValues(ReadPreferenceValues(*store, MainSection, AppDir()));
    Release(std::move(store));
}

void TPreferences::SavePreferences()
{
    auto store = Open();
    WritePreferenceValues(*store, DialogValues());
    Release(std::move(store));
}

void TPreferences::LoadDefaultPreferences()
{
    auto store = Open();
    SetDialogValues(ReadPreferenceValues(*store, DefaultSection, AppDir()));
    Release(std::move(store));
}

TPreferenceValues TPreferences::DialogValues() const
{
    TPreferenceValues values;
    values.OutputPath = FForm.edtOutputDir->text().toStdString();
    values.SynMode = FForm.cmbSyn->currentIndex();
    values.AutoOpenDir = FForm.chkOpenDir->isChecked();
    values.AutoExit = FForm.chkExit->isChecked();
    values.AutoTurnOff = FForm.chkTurnoff->isChecked();
    values.Overwrite = FForm.rdbOverWrite->isChecked();
    return values;
}

void TPreferences::SetDialogValues(const TPreferenceValues& values)
{
    FForm.edtOutputDir->setText(QString::fromStdString(values.OutputPath));
    // A mode the combo does not offer would leave it blank; the first mode is
    // the default for any value that cannot be used.
    const bool known = values.SynMode >= 0 && values.SynMode < FForm.cmbSyn->count();
    FForm.cmbSyn->setCurrentIndex(known ? values.SynMode : 0);
    FForm.chkOpenDir->setChecked(values.AutoOpenDir);
    FForm.chkExit->setChecked(values.AutoExit);
    FForm.chkTurnoff->setChecked(values.AutoTurnOff);
    // The two buttons are exclusive: ticking one clears the other.
    (values.Overwrite ? FForm.rdbOverWrite : FForm.rdbRename)->setChecked(true);
}
