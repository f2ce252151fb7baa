// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where the program's files lie. Its own (the encoder, the help, the
// shipped profiles and preferences) are always beside the executable; the
// user's preferences and own profiles live there too while the user may
// write that folder, as in a build folder or an install under ~/.local. A
// folder the user cannot write, or one a package installed, sends them to
// the user's configuration folder instead, and the output to the user's
// videos. Decided once at start-up and handed to every component.
struct TDataPlaces
{
    // Everything in the program's folder `appDir`.
    TDataPlaces(const std::string& appDir);

    // Each ends in a separator.
    std::string AppDir;           // the executable's folder
    std::string SettingsDir;      // Preferences.ini and the user's own profiles
    std::string DefaultOutputDir; // where the output goes until the user picks a folder

    // Whether the user's settings live apart from the program's folder.
    bool SettingsApart() const { return SettingsDir != AppDir; }
};

// A package's program folder holds this file: the package manager owns
// every file there, even against the superuser, so each user's settings live
// in their own home.
inline constexpr char SettingsInHomeMarker[] = "settings-in-home";

// Whether the user's settings may live in the program's folder `appDir`: the
// user can write it (access(2), so a read-only mount counts) and no package
// marked it as its own.
bool SettingsBesideProgram(const std::string& appDir);

// The places when the settings cannot live beside the program: the
// settings in `configHome` + "/quenby/" ($XDG_CONFIG_HOME; an empty or
// relative one means `home` + "/.config"), the output in `videosDir` (what
// the desktop names the videos folder; empty when it names none: `home` +
// "/Videos").
TDataPlaces DataPlacesInHome(const std::string& appDir, const std::string& home,
                             const std::string& configHome, const std::string& videosDir);

// The user's home: $HOME (`homeVariable`), or when that is unset or empty the
// password database's entry (`databaseHome`, null for no entry). Empty when
// neither names one.
std::string HomeFolder(const char* homeVariable, const char* databaseHome);
