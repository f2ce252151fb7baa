// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/TrackRules.h"
#include "encoder/MediaFacts.h"

#include <gtest/gtest.h>

namespace {

// Stream 0 is the picture, 1 and 2 sound, 3 a text and 4 a picture subtitle.
const std::string Report = "Input #0, matroska,webm, from 'in.mkv':\n"
                           "  Duration: 00:00:01.00, start: 0.000000, bitrate: 200 kb/s\n"
                           "  Stream #0:0: Video: h264 (High), yuv420p(progressive), 160x120\n"
                           "  Stream #0:1(eng): Audio: aac (LC), 44100 Hz, stereo, fltp (default)\n"
                           "  Stream #0:2[0x3](fre): Audio: ac3, 48000 Hz, 5.1(side), fltp\n"
                           "    Metadata:\n      title           : Director\n"
                           "  Stream #0:3(eng): Subtitle: subrip (default)\n"
                           "  Stream #0:4: Subtitle: dvd_subtitle (forced)\n";
const std::vector<TMediaTrack> Tracks = ParseMediaTracks(Report, "in.mkv");

using A = TTrackChoice::TAudio;
using S = TTrackChoice::TSubtitles;
TTrackChoice Choice(A audio, std::vector<int> listed = {}, S subtitles = S::None, int track = -1,
                    std::vector<std::string> languages = {})
{
    return {audio, std::move(languages), std::move(listed), subtitles, track};
}

} // namespace

TEST(MediaTracks, ReadsEachSoundAndSubtitleStream)
{
    using K = TMediaTrack::TKind;
    EXPECT_EQ(Tracks,
              (std::vector<TMediaTrack>{
                  {K::Audio, 1, "aac", "eng", "", "stereo", true, false, false, false},
                  {K::Audio, 2, "ac3", "fre", "Director", "5.1(side)", false, false, false, false},
                  {K::Subtitle, 3, "subrip", "eng", "", "", true, false, false, true},
                  {K::Subtitle, 4, "dvd_subtitle", "", "", "", false, true, true, false}}));
    EXPECT_EQ(MediaTracksText(Tracks),
              "Audio track 1: aac, stereo, eng, default\n"
              "Audio track 2: ac3, 5.1(side), fre, \u201cDirector\u201d\n"
              "Subtitle 1: subrip, eng, text, default\nSubtitle 2: dvd_subtitle, picture, forced");
}

TEST(TrackRules, MapsWhatTheContainerHoldsAndRefusesTheRest)
{
    const struct
    {
        TTrackChoice choice;
        std::string container, maps, burn;
    } cases[] = {
        {Choice(A::First), "mkv", "", ""},
        {Choice(A::All), "flv", "-map 0:V:0? -map 0:1", ""},
        {Choice(A::Languages, {}, S::None, -1, {"fra"}), "avi", "-map 0:V:0? -map 0:2", ""},
        {Choice(A::Languages, {}, S::None, -1, {"deu"}), "avi", "-map 0:V:0? -map 0:1", ""},
        {Choice(A::Listed, {2, 1}), "mp3", "MP3 files hold one sound track only.", ""},
        {Choice(A::First, {}, S::Keep), "mp4", "-map 0:V:0? -map 0:1 -map 0:3 -c:s:0 mov_text", ""},
        {Choice(A::First, {}, S::Keep, 4), "mp4",
         "MP4 files cannot hold this subtitle: burn it in, or convert to MKV.", ""},
        {Choice(A::First, {}, S::Keep, 3), "vob",
         "VOB files cannot hold subtitles: burn the track in instead.", ""},
        {Choice(A::First, {}, S::Burn), "avi", "-map 0:V:0? -map 0:1", "overlay 0:4"},
        {Choice(A::First, {}, S::Burn, 3), "avi", "-map 0:V:0? -map 0:1",
         "subtitles=filename=/a\\\\:b\\,c.mkv:si=0"},
        {Choice(A::First, {}, S::Burn, 3), "m4a", "M4A files hold no picture to draw subtitles on.",
         ""},
    };
    for (const auto& c : cases) {
        const TTrackSwitches switches = TrackSwitches(Tracks, c.choice, c.container, "/a:b,c.mkv");
        std::string maps = switches.Refusal;
        for (const std::string& word : switches.Maps)
            maps += (maps.empty() ? "" : " ") + word;
        EXPECT_EQ(maps, c.maps) << c.container;
        EXPECT_EQ(switches.BurnFilter + (switches.OverlayInput.empty() ? "" : " ") +
                      switches.OverlayInput,
                  c.burn)
            << c.container;
    }
    // Teletext, which the encoder would take into MKV by itself and fail on.
    std::vector<TMediaTrack> teletext = Tracks;
    teletext.emplace_back().Kind = TMediaTrack::TKind::Subtitle;
    teletext.back().Index = 5;
    EXPECT_EQ(TrackSwitches(teletext, {}, "mkv", "").Maps,
              (std::vector<std::string>{"-map", "0:V:0?", "-map", "0:1", "-map", "0:3", "-c:s:0",
                                        "copy"}));
    EXPECT_TRUE(TrackSwitches(teletext, {}, "mp4", "").Maps.empty());
}
