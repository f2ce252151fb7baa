// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaTracks.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Subtitles stored as pictures, as the encoder names them.
constexpr std::array<std::string_view, 4> PictureCodecs = {"dvd_subtitle", "hdmv_pgs_subtitle",
                                                           "dvb_subtitle", "xsub"};
// Subtitles the encoder reads as text; one it cannot read (teletext, a timed
// text it has no reader for) is neither text nor picture and is only copied.
constexpr std::array<std::string_view, 19> TextCodecs = {
    "subrip",   "srt",       "ass",        "ssa",     "mov_text", "webvtt",  "text",
    "microdvd", "subviewer", "subviewer1", "sami",    "realtext", "jacosub", "mpl2",
    "stl",      "pjs",       "vplayer",    "aqtitle", "eia_608"};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "Stream #0:3[0x4](eng): Subtitle: subrip (default) (forced)": the number
// after the colon, the language in the parentheses before ": ", the kind and
// what follows it.
bool ReadStreamLine(const std::string& line, TMediaTrack& track)
{
    static constexpr std::string_view Kinds[] = {": Audio: ", ": Subtitle: "};
    if (!line.starts_with("Stream #") || line.find("(attached pic)") != std::string::npos)
        return false;
    std::size_t kindAt = std::string::npos;
    for (std::size_t k = 0; k < std::size(Kinds) && kindAt == std::string::npos; ++k)
        if ((kindAt = line.find(Kinds[k])) != std::string::npos)
            track.Kind = k == 0 ? TMediaTrack::TKind::Audio : TMediaTrack::TKind::Subtitle;
    const std::size_t colon = line.find(':');
    if (kindAt == std::string::npos || colon >= kindAt)
        return false;
    const std::size_t digits = line.find_first_not_of("0123456789", colon + 1);
    if (digits == colon + 1)
        return false;
    track.Index = std::stoi(line.substr(colon + 1, digits - colon - 1));
    const std::string head = line.substr(0, kindAt);
    if (head.ends_with(')') && head.rfind('(') != std::string::npos) {
        const std::size_t open = head.rfind('(');
        track.Language = head.substr(open + 1, head.size() - open - 2);
        if (track.Language == "und")
            track.Language.clear();
    }
    const std::string rest = line.substr(
        kindAt + (track.Kind == TMediaTrack::TKind::Audio ? Kinds[0].size() : Kinds[1].size()));
    track.Codec = rest.substr(0, rest.find_first_of(" ,("));
    track.Default = rest.find("(default)") != std::string::npos;
    track.Forced = rest.find("(forced)") != std::string::npos;
    if (track.Kind == TMediaTrack::TKind::Audio) {
        // Codec, sample rate, channels: the third field outside parentheses.
        int depth = 0, field = 0;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= rest.size(); ++i) {
            const char c = i < rest.size() ? rest[i] : ',';
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            if (c != ',' || depth != 0)
                continue;
            if (field++ == 2) {
                const std::string_view text = std::string_view(rest).substr(start, i - start);
                const std::size_t first = text.find_first_not_of(' ');
                track.Channels = first == std::string_view::npos ? "" : text.substr(first);
                break;
            }
            start = i + 1;
        }
    } else {
        track.Picture = Among(PictureCodecs, track.Codec);
        track.Text = Among(TextCodecs, track.Codec);
    }
    return true;
}

} // namespace

std::vector<TMediaTrack> ReadMediaTracks(const std::vector<std::string>& lines)
{
    std::vector<TMediaTrack> tracks;
    bool inTrack = false;
    for (const std::string& line : lines) {
        if (line.starts_with("Stream #") || line.starts_with("Input #") ||
            line.starts_with("Output #") || line.starts_with("Chapter"))
            inTrack = false;
        TMediaTrack track;
        if (ReadStreamLine(line, track)) {
            tracks.push_back(track);
            inTrack = true;
            continue;
        }
        // The stream's metadata follows it, "title           : Director".
        const std::size_t colon = line.find(':');
        if (inTrack && colon != std::string::npos && line.starts_with("title") &&
            line.find_first_not_of(' ', 5) == colon && tracks.back().Title.empty()) {
            const std::size_t value = line.find_first_not_of(' ', colon + 1);
            tracks.back().Title = value == std::string::npos ? "" : line.substr(value);
        }
    }
    return tracks;
}

std::string MediaTracksText(const std::vector<TMediaTrack>& tracks, TTranslator translated)
{
    const auto count = [&tracks](TMediaTrack::TKind kind) {
        return std::count_if(tracks.begin(), tracks.end(),
                             [kind](const TMediaTrack& t) { return t.Kind == kind; });
    };
    if (count(TMediaTrack::TKind::Audio) < 2 && count(TMediaTrack::TKind::Subtitle) == 0)
        return {};
    std::string text;
    int audio = 0, subtitle = 0;
    for (const TMediaTrack& track : tracks) {
        std::string description = track.Codec;
        const auto add = [&description](const std::string& part) {
            if (!part.empty())
                description += ", " + part;
        };
        add(track.Channels);
        add(track.Language);
        if (!track.Title.empty())
            add("\u201c" + track.Title + "\u201d");
        if (track.Kind == TMediaTrack::TKind::Subtitle)
            add(track.Picture ? translated("MediaFacts", QT_TRANSLATE_NOOP("MediaFacts", "picture"))
                : track.Text  ? translated("MediaFacts", QT_TRANSLATE_NOOP("MediaFacts", "text"))
                              : std::string());
        //: A flag of a sound or subtitle track: the one players pick first
        if (track.Default)
            add(translated("MediaFacts", QT_TRANSLATE_NOOP("MediaFacts", "default")));
        //: A flag of a subtitle track: shown even when subtitles are off
        if (track.Forced)
            add(translated("MediaFacts", QT_TRANSLATE_NOOP("MediaFacts", "forced")));
        if (!text.empty())
            text += '\n';
        text += track.Kind == TMediaTrack::TKind::Audio
                    ? FillText(translated("MediaFacts",
                                          QT_TRANSLATE_NOOP("MediaFacts", "Audio track %1: %2")),
                               {std::to_string(++audio), description})
                    : FillText(translated("MediaFacts",
                                          QT_TRANSLATE_NOOP("MediaFacts", "Subtitle %1: %2")),
                               {std::to_string(++subtitle), description});
    }
    return text;
}
