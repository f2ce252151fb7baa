// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Preferences.h"

#include "platform/Platform.h"
#include "profiles/NewInifiles.h"
#include "profiles/ProfileDetail.h"
#include "settings/SettingsFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cstdio>
#include <utility>

TPreferences::TPreferences(const PreferenceControls& controls, Platform& platform,
                           TProfileDetail& detail, const TDataPlaces& places)
    : FControls(controls), FPlatform(platform), FDetail(detail), FPlaces(places)
{
}

std::unique_ptr<TNewInifile> TPreferences::Open() const
{
    return std::make_unique<TNewInifile>(PreferencesPath(FPlaces));
}

void TPreferences::Release(std::unique_ptr<TNewInifile> store) const
{
    try {
        TNewInifile::SaveAndFree(std::move(store));
    } catch (const EIniWriteError& error) {
        if (!error.HadWrites)
            return;
        if (FSessionEnding)
            std::fprintf(stderr, "quenby: %s\n", error.what());
        else
            FPlatform.ShowError(QString::fromStdString(error.what()));
    }
}

void TPreferences::LoadStartupPreferences()
{
    auto store = Open();
    const TPreferenceValues values =
        ReadPreferenceValues(*store, MainSection, FPlaces.DefaultOutputDir);
    FControls.edtOutputdir->setText(QString::fromStdString(values.OutputPath));
    if (const std::string unread = store->ReadError(); !unread.empty())
        FPlatform.ShowError(
            QString::fromStdString(PreferencesReadErrorText(store->FileName(), unread)));
    if (FControls.cmbProfile->count() > 0) {
        // An index outside the catalogue leaves the combo without a
        // selection; the change handler then finds no profile to load.
        FControls.cmbProfile->setCurrentIndex(ReadProfileIndex(*store));
        FDetail.cmbProfileChange();
    }
    Release(std::move(store));
}

void TPreferences::SaveAllPreferences()
{
    auto store = Open();
    WriteProfileIndex(*store, FControls.cmbProfile->currentIndex());
    TPreferenceValues values = DialogValues();
    // The main window's path is the one in force; the dialog's edit is only
    // a working copy until OK.
    values.OutputPath = FControls.edtOutputdir->text().toStdString();
    WritePreferenceValues(*store, values);
    Release(std::move(store));
}

void TPreferences::LoadPreferences()
{
    auto store = Open();
    TPreferenceValues values = ReadPreferenceValues(*store, MainSection, FPlaces.DefaultOutputDir);
    // Unread preferences would say "Overwrite" by default.
    values.Overwrite = values.Overwrite && store->ReadError().empty();
    SetDialogValues(values);
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
    // A package's copy is never written: it is read and let go.
    auto store = std::make_unique<TNewInifile>(InstalledPreferencesPath(FPlaces));
    SetDialogValues(ReadPreferenceValues(*store, DefaultSection, FPlaces.DefaultOutputDir));
    if (!FPlaces.SettingsApart())
        Release(std::move(store));
}

TPreferenceValues TPreferences::DialogValues() const
{
    TPreferenceValues values;
    values.OutputPath = FControls.edtOutputDir->text().toStdString();
    values.SynMode = FControls.cmbSyn->currentIndex();
    values.AutoOpenDir = FControls.chkOpenDir->isChecked();
    values.AutoExit = FControls.chkExit->isChecked();
    values.AutoTurnOff = FControls.chkTurnoff->isChecked();
    values.Overwrite = FControls.rdbOverWrite->isChecked();
    values.SimultaneousTasks = FControls.sedSimultaneous->value();
    return values;
}

void TPreferences::SetDialogValues(const TPreferenceValues& values)
{
    FControls.edtOutputDir->setText(QString::fromStdString(values.OutputPath));
    // A mode the combo does not offer would leave it blank; the first mode is
    // the default for any value that cannot be used.
    const bool known = values.SynMode >= 0 && values.SynMode < FControls.cmbSyn->count();
    FControls.cmbSyn->setCurrentIndex(known ? values.SynMode : 0);
    FControls.chkOpenDir->setChecked(values.AutoOpenDir);
    FControls.chkExit->setChecked(values.AutoExit);
    FControls.chkTurnoff->setChecked(values.AutoTurnOff);
    // The two buttons are exclusive: ticking one clears the other.
    (values.Overwrite ? FControls.rdbOverWrite : FControls.rdbRename)->setChecked(true);
    // A count beyond this machine's cores (a file brought from a larger one)
    // or below 1 is brought into the box's range.
    FControls.sedSimultaneous->setValue(values.SimultaneousTasks);
}
