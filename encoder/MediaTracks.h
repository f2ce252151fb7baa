// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <string>
#include <vector>

// One sound or subtitle stream of a file, as the encoder's probe report
// lists it.
struct TMediaTrack
{
    enum class TKind
    {
        Audio,
        Subtitle
    };
    TKind Kind = TKind::Audio;
    int Index = -1;       // the stream's number in the file: "Stream #0:3" is 3
    std::string Codec;    // "aac", "subrip", "dvd_subtitle"
    std::string Language; // "eng"; empty when untagged
    std::string Title;
    std::string Channels; // sound only: "stereo", "5.1(side)"
    bool Default = false;
    bool Forced = false;
    // A subtitle drawn as pictures (DVD, Blu-ray, DVB): it cannot be turned
    // into text, only copied or drawn onto the picture.
    bool Picture = false;
    // A subtitle the encoder can read as text and write in another text form.
    bool Text = false;

    bool operator==(const TMediaTrack&) const = default;
};

// The sound and subtitle streams of the report's lines (as ReportLines gives
// them: trimmed, without level marks), in the file's order. A cover picture
// and data streams are not tracks.
std::vector<TMediaTrack> ReadMediaTracks(const std::vector<std::string>& lines);

// One line a track ("Audio track 2: aac, stereo, fre, "Director", default"),
// numbered within its kind as a user counts them. Empty when the file holds
// no more than one sound track and no subtitle, which the facts already say.
std::string MediaTracksText(const std::vector<TMediaTrack>& tracks,
                            TTranslator translated = Untranslated);
