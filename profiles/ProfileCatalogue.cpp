// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileCatalogue.h"

#include "base/PathText.h"
#include "platform/DataPlaces.h"
#include "profiles/ProfileWalker.h"

#include <algorithm>

namespace {

const char* const ProfilesDir = "Profiles/";
const char* const ProfileExt = ".apf";

} // namespace

std::string ShippedProfilesDirectory(const TDataPlaces& places)
{
    return places.AppDir + ProfilesDir;
}

std::string OwnProfilesDirectory(const TDataPlaces& places)
{
    return places.SettingsDir + ProfilesDir;
}

std::vector<std::string> ProfileCatalogue(const std::string& profilesDir)
{
    std::vector<std::string> names;
    for (const std::string& file : ListFilesWithExt(profilesDir, ProfileExt))
        names.push_back(StripExtension(file));
    return names;
}

std::vector<std::string> ProfileCatalogue(const TDataPlaces& places)
{
    std::vector<std::string> names = ProfileCatalogue(ShippedProfilesDirectory(places));
    if (!places.SettingsApart())
        return names;
    const auto shipped = std::ptrdiff_t(names.size());
    for (const std::string& name : ProfileCatalogue(OwnProfilesDirectory(places)))
        if (std::find(names.begin(), names.begin() + shipped, name) == names.begin() + shipped)
            names.push_back(name);
    return names;
}

std::string ProfileFilePath(const std::string& profilesDir, const std::string& name)
{
    const std::string path = profilesDir + name + ProfileExt;
    if (FileExists(path))
        return path;
    for (const std::string& file : ListFilesWithExt(profilesDir, ProfileExt))
        if (StripExtension(file) == name)
            return profilesDir + file;
    return path;
}

std::string ProfileFilePath(const TDataPlaces& places, const std::string& name)
{
    const std::string own = OwnProfilePath(places, name);
    return FileExists(own) ? own : ProfileFilePath(ShippedProfilesDirectory(places), name);
}

std::string OwnProfilePath(const TDataPlaces& places, const std::string& name)
{
    return ProfileFilePath(OwnProfilesDirectory(places), name);
}
