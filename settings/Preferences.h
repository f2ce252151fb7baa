#pragma once

#include "settings/PreferenceValues.h"

#include <memory>

class QString;
class TMainForm;
class TNewInifile;
class TSettingForm;

// Moves the preferences between "Preferences.ini" and the controls that hold
// them at run time: the main window's output path and profile selection, and
// the settings dialog's options. Every operation opens the file, reads or
// writes, and releases it at once, so no store outlives the call.
class TPreferences
{
public:
    TPreferences(TMainForm& mainForm, TSettingForm& form);

    // When the main window is first shown: the output path and the profile.
    void LoadStartupPreferences();
    // When the main window closes: all seven keys of "Main", whatever the
    // dialog's state and whether or not it was ever confirmed.
    void SaveAllPreferences();
    // At the dialog's creation: its six controls from "Main".
    void LoadPreferences();
    // At OK: the dialog's six controls into "Main" (not the profile).
    void SavePreferences();
    // Load Default: the dialog's six controls from the installation's
    // "Default" section. Nothing is written until OK or exit.
    void LoadDefaultPreferences();

private:
    std::unique_ptr<TNewInifile> Open() const;
    // Releasing rewrites the file. A failure is shown only when the store
    // held values the user meant to keep; a store that was only read has
    // nothing to lose and stays quiet.
    void Release(std::unique_ptr<TNewInifile> store) const;
    std::string AppDir() const;
    TPreferenceValues DialogValues() const;
    void SetDialogValues(const TPreferenceValues& values);

    TMainForm& FMainForm;
    TSettingForm& FForm;
};
