#pragma once

#include <string>
#include <vector>

// The profiles' directory under the application directory (which ends in a
// separator).
std::string ProfilesDirectory(const std::string& appDir);

// The profile names in catalogue order: the ".apf" files of `profilesDir`
// (the extension in any case), without their extension.
std::vector<std::string> ProfileCatalogue(const std::string& profilesDir);

// `profilesDir` + name + ".apf"; when that file is missing, the listed file
// of that name whose extension differs only in case, as the catalogue lists
// "x.APF" as "x".
std::string ProfileFilePath(const std::string& profilesDir, const std::string& name);
