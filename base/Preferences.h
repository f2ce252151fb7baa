// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The user's preferences in force while the program runs, saved in
// "Preferences.ini" between runs. The settings dialog edits a copy, which
// counts from its OK on; the main window's output path and profile pick are
// views of two of them, which count as soon as they change.
struct TPreferences
{
    // Where a batch puts its outputs, as the user typed or picked it.
    std::string OutputPath;
    // 0 "Auto", 1 "Force Mode", 2 "Progressive Mode": kept, used by nothing.
    int32_t SynMode = 0;
    // What the end of a completed batch does.
    bool AutoOpenDir = true;
    bool AutoExit = false;
    bool AutoTurnOff = false;
    // Whether an output replaces an existing file of its name, or takes the
    // next indexed name.
    bool Overwrite = true;
    // How many encoders a batch keeps running at once; 1 is the batch of
    // one task at a time.
    int32_t SimultaneousTasks = 1;
    // Compare each output with its source after converting (SSIM and PSNR),
    // which costs up to a fifth of the conversion's time again.
    bool CheckQuality = false;
    // The main window's profile: its index in the catalogue, -1 for none.
    int32_t Profile = 0;
    // Whether the task list shows a picture of each video.
    bool ShowThumbnails = true;
    // The interface's language as a code ("de"); empty follows the system's.
    // It counts from the next start: the texts are made once.
    std::string Language{};
    // The tracks each output keeps, as "--audio" and "--subtitles" take
    // them: "first", "all" or languages ("eng,fra"); "none", "keep", "burn".
    std::string AudioTracks = "first";
    std::string Subtitles = "none";

    bool operator==(const TPreferences&) const = default;
};
