// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Preferences.h"
#include "platform/DataPlaces.h"

#include <QObject>

#include <memory>
#include <string>

class Platform;
class TNewInifile;

// The synchronisation modes the settings dialog offers.
inline constexpr int32_t SynModeCount = 3;
// The most encoders a batch may run at once on this machine.
int MostSimultaneousTasks();

// Holds the preferences in force. It reads the user's "Preferences.ini"
// (see TDataPlaces) once, when it is made, and writes it at the settings
// dialog's OK and when the main window closes. Each use opens the file,
// reads or writes, and releases it at once, so no store outlives the call.
class TPreferenceStore : public QObject
{
    Q_OBJECT

public:
    TPreferenceStore(const TDataPlaces& places, Platform& platform, QObject* parent = nullptr);
    ~TPreferenceStore() override;

    // The same object all the time: a reader may keep the reference.
    const TPreferences& Value() const { return FValue; }
    // What the user should be told when the file could not be read (the
    // value then keeps existing outputs); empty when it was.
    const std::string& ReadErrorText() const { return FReadErrorText; }

    // The settings dialog's OK: the edited copy is in force from now on,
    // and every key but "Profile" is written.
    void Commit(const TPreferences& edited);
    // Puts `value` in force without writing it; the main window's close
    // saves it. The main window's own two count this way as they change.
    void Set(const TPreferences& value);
    void SetOutputPath(const std::string& path);
    void SetProfile(int32_t index);
    // The installation's "Default" section, for Load Default; read from
    // the installation's own file when the settings live apart from it.
    TPreferences Defaults() const;
    // The main window closes: every key of "Main" is written.
    void SaveAll();
    // From now on a failed save goes to standard error, not into a box.
    void SessionEnding() { FSessionEnding = true; }

signals:
    void Changed(const TPreferences& now);

private:
    std::unique_ptr<TNewInifile> Open() const;
    // Releasing rewrites the file. A failure is shown only when the store
    // held values the user meant to keep; a store that was only read has
    // nothing to lose and stays quiet.
    void Release(std::unique_ptr<TNewInifile> store) const;

    const TDataPlaces FPlaces;
    Platform& FPlatform;
    TPreferences FValue;
    std::string FReadErrorText;
    bool FSessionEnding = false;
};
