// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct TDataPlaces;

// Carries out the command line of a batch or a watch without a window
// (`arguments` begin with "--convert" or "--watch") and returns the exit
// status. It needs a
// QCoreApplication and creates no widget; the preferences and profiles that
// `places` names are read, never written.
int RunHeadless(const TDataPlaces& places, const std::vector<std::string>& arguments);
