// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ArgumentBuilder.h"

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";

std::string ChooseValue(const TProfileParameter& p, const std::string& shown)
{
    if (p.IsList) {
        const int k = IndexOfIgnoringCase(p.Items, shown);
        if (k < 0)
            return shown; // typed-in texts such as a custom "640x480" pass verbatim
        // A caption without a value item contributes nothing rather than
        // failing the whole start.
        const std::vector<std::string> values = SplitList(p.Value);
        return size_t(k) < values.size() ? values[size_t(k)] : std::string();
    }
    return p.ReadOnly ? p.Value : shown;
}

} // namespace

std::string
BuildArguments(const std::string& profilePath,
               const std::function<std::string(int group, const std::string& name)>& gridValue,
               TWalkStatus* status)
{
    std::string result;
    const TProfileWalk walk = WalkProfile(
        profilePath,
        [&](const TProfileParameter& p) {
            std::string value = ChooseValue(p, gridValue(p.Group, p.Name));
            if (p.Cmd.empty() || value.empty())
                return;
            if (value == FlagOnlyValue)
                value.clear();
            result += " " + p.Cmd + " " + value;
        },
        TIndexCheck::IgnoreIndex);
    if (status)
        *status = walk.Status;
    return result;
}
