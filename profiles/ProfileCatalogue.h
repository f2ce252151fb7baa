// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct TDataPlaces;

// The shipped profiles' directory, "Profiles/" in the program's folder, and
// that of the user's own, "Profiles/" in the settings folder, where saves
// go. The two are one while the settings live beside the program.
std::string ShippedProfilesDirectory(const TDataPlaces& places);
std::string OwnProfilesDirectory(const TDataPlaces& places);

// The profile names in catalogue order: the ".apf" files of `profilesDir`
// (the extension in any case), without their extension.
std::vector<std::string> ProfileCatalogue(const std::string& profilesDir);

// The catalogue of the shipped and the user's own profiles. The shipped ones
// come first, in their order, each replaced by the user's own of the same
// name where there is one; then the user's other profiles. A saved position
// thus keeps naming the same shipped profile, whatever the user adds.
std::vector<std::string> ProfileCatalogue(const TDataPlaces& places);

// `profilesDir` + name + ".apf"; when that file is missing, the listed file
// of that name whose extension differs only in case, as the catalogue lists
// "x.APF" as "x".
std::string ProfileFilePath(const std::string& profilesDir, const std::string& name);

// The file the catalogue's `name` is read from: the user's own when there
// is one, else the shipped one.
std::string ProfileFilePath(const TDataPlaces& places, const std::string& name);

// The file a save of `name` writes: the user's own, also for a shipped
// profile, which the saved copy replaces in the catalogue from then on.
std::string OwnProfilePath(const TDataPlaces& places, const std::string& name);
