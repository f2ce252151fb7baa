// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/ProfileWalker.h"

#include <cstddef>
#include <string>
#include <vector>

// A loaded profile and what is picked for each of its parameters. The
// detail panel's and the profile editor's grids show and edit it; Start and
// `quenby --convert` convert with it.
struct TProfileChoice
{
    // How the file was read; Type is the output's type.
    TProfileWalk Walk;
    // Every parameter the file describes, in order, read as the encoder's
    // switches are: Index never stops this list.
    std::vector<TProfileParameter> Parameters;
    // How many of them the grids show: a load stops at a pick list whose
    // Index names no item, that one included.
    std::size_t Shown = 0;
    // Per parameter: the picked item of a pick list, or -1 when its text
    // (Texts) is what counts, as for every other parameter.
    std::vector<int> Items;
    std::vector<std::string> Texts;

    // What a grid shows for parameter `i`.
    std::string ShownText(std::size_t i) const;
    // Sets parameter `i` to what a grid shows: a pick list's caption
    // (ignoring case) picks that item; any other text is typed.
    void Pick(std::size_t i, const std::string& shown);
    // The value parameter `i` gives its switch: a pick list's value of its
    // picked item (nothing for an item without one) or a typed text such as
    // a custom "640x480"; a read-only text its "Value"; any other text what
    // was typed.
    std::string ArgumentValue(std::size_t i) const;
    // Whether "Copy (no re-encoding)" is picked for the picture (or the
    // sound), and whether parameter `i` is one a copy leaves out: a copied
    // stream is not decoded, so it is neither scaled, filtered, resampled
    // nor given another bitrate.
    bool VideoCopied() const;
    bool AudioCopied() const;
    bool DroppedByCopy(std::size_t i) const;
    // "." + Type; none while no profile has been read.
    std::string OutputExt() const
    {
        return Walk.Status == TWalkStatus::Missing ? std::string() : "." + Walk.Type;
    }
};

// Whether a parameter with switch `cmd` is left out while the picture or the
// sound is copied (TProfileChoice::DroppedByCopy, its copies worked out once).
bool DroppedByCopy(const std::string& cmd, bool videoCopied, bool audioCopied);

// What is picked for each shown parameter, as the grids show it: what a task
// pinned to the profile keeps.
std::vector<std::string> PickTexts(const TProfileChoice& choice);
// Picks those texts again, in order, on a freshly loaded choice.
void ApplyPickTexts(TProfileChoice& choice, const std::vector<std::string>& picks);

// The profile at `path` as a load shows it: each parameter at its stored
// "Index" or "Caption". Status Missing for no file, NoMainSection for a
// file that is no profile (no parameters then).
TProfileChoice LoadProfileChoice(const std::string& path);
