// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/MediaTracks.h"

#include <string>
#include <vector>

// Which of a file's sound and subtitle tracks a conversion keeps.
struct TTrackChoice
{
    enum class TAudio
    {
        First,     // the encoder's own pick, one track
        All,       // every sound track
        Languages, // the tracks in `Languages`, else the first
        Listed     // the tracks numbered in `AudioTracks`
    };
    enum class TSubtitles
    {
        None, // none asked for: the encoder's own pick while the sound is its own too
        Keep, // `SubtitleTrack`, or each one the container can take
        Burn  // `SubtitleTrack`, or the first forced one, else the first, drawn on the picture
    };
    TAudio Audio = TAudio::First;
    std::vector<std::string> Languages; // "eng", "fra"
    std::vector<int> AudioTracks;       // stream numbers (TMediaTrack::Index)
    TSubtitles Subtitles = TSubtitles::None;
    int SubtitleTrack = -1; // a stream number; -1 leaves it to the rule

    bool operator==(const TTrackChoice&) const = default;
};

// The switches a choice gives a conversion into `container` (the output's
// type: "mp4", "mkv", "avi" ...).
struct TTrackSwitches
{
    // "-map" switches and the subtitles' codec, to go before the profile's
    // own switches; empty for the default choice, which leaves the encoder
    // its own picks.
    std::vector<std::string> Maps;
    // A filter that draws the burnt-in subtitle, to end the picture's filter
    // chain ("subtitles=..." for text; for pictures "overlay", whose second
    // input is `OverlayInput`).
    std::string BurnFilter;
    std::string OverlayInput; // "0:4"
    // Why the choice cannot be met; then nothing else is set.
    std::string Refusal;
};

// Whether the encoder, given no "-map", takes a subtitle into `container`
// by itself: then the default choice needs the file's tracks too.
bool PicksSubtitlesItself(const std::string& container);

// The default choice maps nothing, unless the encoder would pick by itself a
// subtitle it cannot convert (PicksSubtitlesItself).
TTrackSwitches TrackSwitches(const std::vector<TMediaTrack>& tracks, const TTrackChoice& choice,
                             const std::string& container, const std::string& inputPath,
                             TTranslator translated = Untranslated);

// Whether `track`, a subtitle, can be kept in `container`, or drawn on its
// picture: what a task's subtitle row offers.
bool CanKeepSubtitle(const TMediaTrack& track, const std::string& container);
bool CanBurnSubtitle(const TMediaTrack& track, const std::string& container);

// The stream numbers of the sound tracks `switches` keep of `tracks`; with
// no maps, the encoder's one pick, counted as the first.
std::vector<int> KeptSoundTracks(const std::vector<TMediaTrack>& tracks,
                                 const TTrackSwitches& switches);

// Reads a choice as the command line and the preferences give it: audio
// "first", "all" or a list of languages ("eng,fra"); subtitles "none",
// "keep" or "burn". False for words it does not know.
bool ReadAudioChoice(const std::string& text, TTrackChoice& choice);
bool ReadSubtitleChoice(const std::string& text, TTrackChoice& choice);

// A task's own choice as the task list keeps it: sound as the stream numbers
// ticked ("tracks:1,3"; "tracks:" for none) or a word ReadAudioChoice takes;
// subtitles "none", "keep" or "burn", with ":" and a stream number when one
// is named. An empty text leaves that half of `choice` as it is.
void ReadKeptTrackChoice(const std::string& audio, const std::string& subtitles,
                         TTrackChoice& choice);
std::string ListedAudioText(const std::vector<int>& tracks);
std::string SubtitleChoiceText(TTrackChoice::TSubtitles subtitles, int track = -1);

// `arguments` with the tracks a choice keeps (TrackSwitches): the maps
// first; a subtitle to burn in ends the picture's filters ("-vf"), or for a
// picture subtitle, joins them in one graph with the subtitle as its second
// input. Unchanged when the switches map nothing.
std::vector<std::string> WithTrackSwitches(std::vector<std::string> arguments,
                                           const TTrackSwitches& switches);
