// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/ProfileWalker.h"

#include <string>
#include <unordered_map>
#include <vector>

// A profile as the parameter grids show it once it is loaded, without the
// grids: each parameter a row of its group's grid, showing ShownValue().
struct TShownProfile
{
    TProfileWalk Walk;
    std::vector<TProfileParameter> Rows;

    // The value of the row labelled `name` in the grid of `group`: the first
    // such row, labels compared ignoring case as the grids compare them;
    // "" when there is none. What the argument builder reads.
    std::string Value(int group, const std::string& name) const;

    // The first row of each group and folded label, so that reading every
    // parameter's value stays linear in the profile's size.
    std::unordered_map<std::string, std::size_t> FirstRow;
};

// Loads the profile at `path` as the grids load it (WalkProfile): a load
// that stops at a bad "Index" keeps the rows up to there.
TShownProfile LoadShownProfile(const std::string& path);
