// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DataPlaces.h"
#include "settings/PreferenceValues.h"

#include <memory>
#include <string>

class Platform;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class TNewInifile;
class TProfileDetail;

// The controls that hold the preferences at run time.
struct PreferenceControls
{
    // The main window's output path and profile selection.
    QLineEdit* edtOutputdir = nullptr;
    QComboBox* cmbProfile = nullptr;
    // The settings dialog's options.
    QLineEdit* edtOutputDir = nullptr;
    QComboBox* cmbSyn = nullptr;
    QCheckBox* chkOpenDir = nullptr;
    QCheckBox* chkExit = nullptr;
    QCheckBox* chkTurnoff = nullptr;
    QRadioButton* rdbOverWrite = nullptr;
    QRadioButton* rdbRename = nullptr;
    QSpinBox* sedSimultaneous = nullptr;
};

// Moves the preferences between the user's "Preferences.ini" (see
// TDataPlaces) and the controls that hold them. Every operation opens the
// file, reads or writes, and releases it at once, so no store outlives the
// call. The profile restored at start-up is loaded into the profile detail.
class TPreferences
{
public:
    TPreferences(const PreferenceControls& controls, Platform& platform, TProfileDetail& detail,
                 const TDataPlaces& places);

    // When the main window is first shown: the output path and the profile.
    void LoadStartupPreferences();
    // When the main window closes: all seven keys of "Main", whatever the
    // dialog's state and whether or not it was ever confirmed.
    void SaveAllPreferences();
    // At the dialog's creation: its controls from "Main".
    void LoadPreferences();
    // At OK: the dialog's controls into "Main" (not the profile).
    void SavePreferences();
    // Load Default: the dialog's controls from the installation's
    // "Default" section, read from the installation's own file when the
    // settings live apart from it. Nothing is written until OK or exit.
    void LoadDefaultPreferences();
    // From now on a failed save goes to standard error, not into a box.
    void SessionEnding() { FSessionEnding = true; }

private:
    std::unique_ptr<TNewInifile> Open() const;
    // Releasing rewrites the file. A failure is shown only when the store
    // held values the user meant to keep; a store that was only read has
    // nothing to lose and stays quiet.
    void Release(std::unique_ptr<TNewInifile> store) const;
    TPreferenceValues DialogValues() const;
    void SetDialogValues(const TPreferenceValues& values);

    const PreferenceControls FControls;
    Platform& FPlatform;
    TProfileDetail& FDetail;
    const TDataPlaces FPlaces;
    bool FSessionEnding = false;
};
