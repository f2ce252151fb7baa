#include "profiles/ProfileCatalogue.h"

#include "base/PathText.h"
#include "profiles/ProfileWalker.h"

namespace {

const char* const ProfilesDir = "Profiles/";
const char* const ProfileExt = ".apf";

} // namespace

std::string ProfilesDirectory(const std::string& appDir)
{
    return WithTrailingBackslash(appDir) + ProfilesDir;
}

std::vector<std::string> ProfileCatalogue(const std::string& profilesDir)
{
    std::vector<std::string> names;
    for (const std::string& file : ListFilesWithExt(profilesDir, ProfileExt))
        names.push_back(StripExtension(file));
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
