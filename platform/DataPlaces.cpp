// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataPlaces.h"

#include "base/PathText.h"

#include <unistd.h>

namespace {

const char* const SettingsFolder = "quenby/";

std::string AbsoluteOr(const std::string& path, const std::string& fallback)
{
    return path.starts_with('/') ? path : fallback;
}

} // namespace

TDataPlaces::TDataPlaces(const std::string& appDir)
    : AppDir(WithTrailingBackslash(appDir)), SettingsDir(AppDir), DefaultOutputDir(AppDir)
{
}

bool SettingsBesideProgram(const std::string& appDir)
{
    const std::string dir = WithTrailingBackslash(appDir);
    return ::access(dir.c_str(), W_OK) == 0 &&
           ::access((dir + SettingsInHomeMarker).c_str(), F_OK) != 0;
}

TDataPlaces DataPlacesInHome(const std::string& appDir, const std::string& home,
                             const std::string& configHome, const std::string& videosDir)
{
    TDataPlaces places(appDir);
    places.SettingsDir =
        WithTrailingBackslash(AbsoluteOr(configHome, WithTrailingBackslash(home) + ".config")) +
        SettingsFolder;
    places.DefaultOutputDir =
        WithTrailingBackslash(AbsoluteOr(videosDir, WithTrailingBackslash(home) + "Videos"));
    return places;
}

std::string HomeFolder(const char* homeVariable, const char* databaseHome)
{
    if (homeVariable && *homeVariable)
        return homeVariable;
    return databaseHome ? databaseHome : "";
}
