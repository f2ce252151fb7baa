// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFolder.h"

#include "base/NewInifiles.h"
#include "platform/DataPlaces.h"
#include "profiles/ProfileCatalogue.h"
#include "profiles/ProfileSaver.h"
#include "profiles/ProfileWalker.h"
#include "settings/PreferenceValues.h"

#include <filesystem>
#include <memory>
#include <system_error>

std::string PreferencesPath(const TDataPlaces& places)
{
    return places.SettingsDir + PreferencesFileName;
}

std::string InstalledPreferencesPath(const TDataPlaces& places)
{
    return places.AppDir + PreferencesFileName;
}

void PrepareSettingsFolder(const TDataPlaces& places)
{
    if (!places.SettingsApart())
        return;
    std::error_code ignored;
    std::filesystem::create_directories(OwnProfilesDirectory(places), ignored);
    const std::string shipped = InstalledPreferencesPath(places);
    if (FileExists(PreferencesPath(places)) || !FileExists(shipped))
        return;
    try {
        // A copy by its bytes: the new file is the user's, writable whatever
        // the permissions of the shipped one.
        CopyProfileFile(shipped, PreferencesPath(places));
    } catch (const EIniWriteError&) {
    }
}

std::string InstalledVersionText(const TDataPlaces& places)
{
    std::string version = DefaultVersionText;
    try {
        auto preferences = std::make_unique<TNewInifile>(InstalledPreferencesPath(places));
        version = ReadVersionText(*preferences);
        if (!places.SettingsApart())
            TNewInifile::SaveAndFree(std::move(preferences));
    } catch (const std::exception&) {
        // A read-only or unreadable preferences file: the version read stays.
    }
    return version;
}
