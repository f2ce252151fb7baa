// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"
#include "platform/DataPlaces.h"

#include <string>
#include <vector>

struct THeadlessOptions;

// What a batch without a window converts with: the command line's options,
// and for those it leaves out, the preferences the window saved.
struct THeadlessJob
{
    std::string ProfileName;
    std::string ProfilePath;
    // Absolute, ending in a separator.
    std::string OutputDir;
    bool Rename = false;
    int Jobs = 1;
    // The tracks each output keeps: the options' words, else the saved ones.
    std::string AudioTracks;
    std::string Subtitles;
};

struct THeadlessSetup
{
    THeadlessJob Job;
    // Why the batch cannot run; empty when it can.
    std::string Error;
    // What the user should know before the batch runs; empty for nothing.
    std::string Note;
};

// The profile: the one named, which must be in the catalogue; otherwise the
// one the window saved ("Main"/"Profile"), or the first when that is not an
// entry. The output directory: the one named, otherwise the saved "Output
// Path"; either must exist. Relative paths count from `workingDir`. The
// preferences and profiles that `places` names are only read, never written.
// The error and the note are in the language of `translate`.
THeadlessSetup ResolveHeadlessJob(const THeadlessOptions& options, const TDataPlaces& places,
                                  const std::string& workingDir,
                                  TTranslator translate = Untranslated);

// "Main"/"Version" of the installation's preferences in `appDir`, "1.5" when
// missing; only read.
std::string SavedVersionText(const std::string& appDir);
