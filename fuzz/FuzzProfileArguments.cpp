// SPDX-License-Identifier: GPL-3.0-or-later
// The profile walker with the argument builder: any profile file, walked as
// the grids load it and loaded as a choice, with picks that are either a
// parameter's stored one or text from the input, built into the arguments.
// The walk must end quickly whatever "Para" says.

#include "convert/ArgumentBuilder.h"
#include "FuzzFiles.h"
#include "profiles/ProfileChoice.h"
#include "profiles/ProfileWalker.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The part after the last 0xFF byte stands for what a grid shows.
    const std::size_t cut = input.rfind('\xff');
    const std::string file = cut == std::string::npos ? input : input.substr(0, cut);
    const std::string typed = cut == std::string::npos ? std::string() : input.substr(cut + 1);
    static const std::string path = FuzzScratchPath("profile.apf");
    WriteFuzzFile(path, file);

    std::size_t visited = 0;
    const TProfileWalk walk = WalkProfile(path, [&](const TProfileParameter& p) {
        ++visited;
        FuzzCheck(p.Group >= pgVideo && p.Group <= pgAdvanced);
        if (p.IndexValid())
            (void)p.ShownValue();
    });
    FuzzCheck(walk.Status != TWalkStatus::Missing);
    // Only numbers that have a key in the file are visited, and one missing
    // number between two of them.
    FuzzCheck(visited <= 2 * file.size() + 1);

    TProfileChoice choice = LoadProfileChoice(path);
    FuzzCheck(choice.Shown <= choice.Parameters.size());
    for (std::size_t i = 0; i < choice.Parameters.size(); i += 2)
        choice.Pick(i, typed);
    (void)BuildArguments(choice, {});
    return 0;
}
