// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

class TNewInifile;

// The file the preferences survive in between runs, in the application
// directory.
inline constexpr char PreferencesFileName[] = "Preferences.ini";
// The user's own preferences; read at start-up and written at OK and exit.
inline constexpr char MainSection[] = "Main";
// The installation's defaults; only read, by Load Default.
inline constexpr char DefaultSection[] = "Default";
// The version the title shows when the file names none.
inline constexpr char DefaultVersionText[] = "1.5";

// The six preferences the settings dialog edits. While the program runs they
// live in the dialog's controls; this is their copy on the way to and from
// the file.
struct TPreferenceValues
{
    std::string OutputPath;
    int32_t SynMode = 0;
    bool AutoOpenDir = true;
    bool AutoExit = false;
    bool AutoTurnOff = false;
    bool Overwrite = true;
    // How many encoders a batch keeps running at once; 1 is the batch of
    // one task at a time.
    int32_t SimultaneousTasks = 1;
};

// Reads the preferences of `section`. A missing or unreadable value takes
// its default; "Auto Open Dir" defaults to ticked in "Main" but not in
// "Default", and "Output Path" defaults to `defaultOutputDir` (the
// program's folder, or the user's videos when the settings live apart).
TPreferenceValues ReadPreferenceValues(const TNewInifile& store, const std::string& section,
                                       const std::string& defaultOutputDir);

// Writes the preferences to "Main", in the order the file has always listed
// them. "Simultaneous Tasks" is left out while it is 1 and not in the file
// yet, so that a file of a user who never changed it stays as it was.
void WritePreferenceValues(TNewInifile& store, const TPreferenceValues& values);

// The main window's profile selection: its index in the catalogue, -1 for
// none. Read with the default 0, so a first start selects the first profile.
int32_t ReadProfileIndex(const TNewInifile& store);
void WriteProfileIndex(TNewInifile& store, int32_t index);

// What is said when the preferences file stands there but cannot be read;
// `reason` as TNewInifile::ReadError gives it. Without them, the program
// keeps every existing output.
std::string PreferencesReadErrorText(const std::string& path, const std::string& reason);

// "Main"/"Version", which the installation writes and the program only reads.
std::string ReadVersionText(const TNewInifile& store);
