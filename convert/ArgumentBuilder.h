// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/ProfileWalker.h"

#include <functional>
#include <string>

// The encoder switches of the profile at `profilePath`, combined with what
// the grids show: " " + switch + " " + value for each parameter that has a
// switch and a value, in parameter order. `gridValue(group, name)` gives the
// value of the row labelled `name` (matched ignoring case) in the grid of
// `group` (1 Video, 2 Audio, 3 Advanced), or "" when there is no such row.
// A missing profile file gives "". Values are never quoted. `status`, when
// given, tells how the profile was read: NoMainSection for a file that is no
// profile, which gives "" too.
std::string
BuildArguments(const std::string& profilePath,
               const std::function<std::string(int group, const std::string& name)>& gridValue,
               TWalkStatus* status = nullptr);
