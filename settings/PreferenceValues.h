// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Preferences.h"
#include "base/TranslationMarks.h"

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

// Reads the preferences of `section` but "Profile". A missing or unreadable value takes
// its default; "Auto Open Dir" defaults to ticked in "Main" but not in
// "Default", and "Output Path" defaults to `defaultOutputDir` (the
// program's folder, or the user's videos when the settings live apart).
TPreferences ReadPreferenceValues(const TNewInifile& store, const std::string& section,
                                  const std::string& defaultOutputDir);

// Writes the preferences to "Main", in the order the file has always listed
// them. "Simultaneous Tasks" is left out while it is 1 and not in the file
// yet, so that a file of a user who never changed it stays as it was; so
// are "Show Thumbnails", "Check Quality" and "Language" at their defaults.
void WritePreferenceValues(TNewInifile& store, const TPreferences& values);

// The preferences the program starts with: "Main" and its "Profile". When
// the file stands there but cannot be read, the defaults stand in, but
// never "Overwrite": an output then keeps an existing file of its name.
TPreferences LoadPreferences(const TNewInifile& store, const std::string& defaultOutputDir);

// The main window's profile selection: its index in the catalogue, -1 for
// none. Read with the default 0, so a first start selects the first profile.
int32_t ReadProfileIndex(const TNewInifile& store);
void WriteProfileIndex(TNewInifile& store, int32_t index);

// What is said when the preferences file stands there but cannot be read;
// `reason` as TNewInifile::ReadError gives it. Without them, the program
// keeps every existing output. In the language of `translate`.
std::string PreferencesReadErrorText(const std::string& path, const std::string& reason,
                                     TTranslator translate = Untranslated);

// "Main"/"Version", which the installation writes and the program only reads.
std::string ReadVersionText(const TNewInifile& store);
