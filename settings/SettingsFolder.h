// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct TDataPlaces;

// The user's Preferences.ini, read at start-up and written at OK and exit.
std::string PreferencesPath(const TDataPlaces& places);
// The installation's own Preferences.ini, beside the program: its "Version"
// and "Default" are the installation's. The same file as the user's while
// the settings live beside the program.
std::string InstalledPreferencesPath(const TDataPlaces& places);

// Settings apart from the program: makes the settings folder and its
// "Profiles/" when they are missing, and at the first start gives the
// folder a copy of the shipped Preferences.ini. Nothing may stop the start:
// what cannot be made is left, and a later save says why it fails.
void PrepareSettingsFolder(const TDataPlaces& places);

// The version the title shows: "Main"/"Version" of the installation's
// Preferences.ini, DefaultVersionText when it names none or cannot be read.
// While the settings lie beside the program the file is written back, so
// that a missing one exists from the first start on; the installation's
// file is never written otherwise. Nothing here may stop the start.
std::string InstalledVersionText(const TDataPlaces& places);
