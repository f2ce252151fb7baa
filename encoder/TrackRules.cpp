// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/TrackRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

using TKind = TMediaTrack::TKind;

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The text subtitle form a container takes; empty when it takes none.
std::string TextSubtitleCodec(const std::string& container)
{
    if (IsOneOf(container, {"mp4", "m4v", "mov", "3gp", "3g2"}))
        return "mov_text";
    if (container == "webm")
        return "webvtt";
    if (container == "mkv")
        return "srt";
    return {};
}

bool HoldsPicture(const std::string& container)
{
    return !IsOneOf(container, {"mp3", "m4a", "wav", "ogg", "flac", "wma", "aac", "opus"});
}

// Containers that hold one sound track only.
bool HoldsOneSoundTrack(const std::string& container)
{
    return IsOneOf(container, {"flv", "mp3", "wav", "aac", "flac"});
}

// Languages have two three-letter codes, "fre" and "fra"; either matches.
std::string LanguageCode(std::string code)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 20> Bibliographic = {
        {{"fre", "fra"}, {"ger", "deu"}, {"dut", "nld"}, {"chi", "zho"}, {"cze", "ces"},
         {"gre", "ell"}, {"per", "fas"}, {"rum", "ron"}, {"slo", "slk"}, {"wel", "cym"},
         {"arm", "hye"}, {"baq", "eus"}, {"bur", "mya"}, {"geo", "kat"}, {"ice", "isl"},
         {"mac", "mkd"}, {"mao", "mri"}, {"may", "msa"}, {"alb", "sqi"}, {"tib", "bod"}}};
    for (char& c : code)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& [b, t] : Bibliographic)
        if (code == b)
            return std::string(t);
    return code;
}

// A value inside a filter's options, inside a filter graph: each level takes
// a backslash as an escape.
std::string Escaped(const std::string& text, std::string_view specials)
{
    std::string escaped;
    for (const char c : text) {
        if (specials.find(c) != std::string_view::npos)
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const TMediaTrack* Find(const std::vector<TMediaTrack>& tracks, TKind kind, int index)
{
    const auto it = std::find_if(tracks.begin(), tracks.end(), [&](const TMediaTrack& t) {
        return t.Kind == kind && t.Index == index;
    });
    return it == tracks.end() ? nullptr : &*it;
}

std::string Refused(TTranslator translated, const char* text, const std::string& arg = {})
{
    return FillText(translated("TrackRules", text), {arg});
}

std::vector<const TMediaTrack*> ChosenSound(const std::vector<TMediaTrack>& tracks,
                                            const TTrackChoice& choice)
{
    std::vector<const TMediaTrack*> sound, chosen;
    for (const TMediaTrack& track : tracks)
        if (track.Kind == TKind::Audio)
            sound.push_back(&track);
    for (const TMediaTrack* track : sound)
        if (choice.Audio == TTrackChoice::TAudio::All ||
            (choice.Audio == TTrackChoice::TAudio::Languages &&
             std::any_of(choice.Languages.begin(), choice.Languages.end(),
                         [track](const std::string& language) {
                             return LanguageCode(language) == LanguageCode(track->Language);
                         })))
            chosen.push_back(track);
    if (chosen.empty() && !sound.empty())
        chosen.push_back(sound.front());
    return chosen;
}

} // namespace

bool PicksSubtitlesItself(const std::string& container)
{
    return container == "mkv" || container == "webm";
}

TTrackSwitches TrackSwitches(const std::vector<TMediaTrack>& tracks, const TTrackChoice& choice,
                             const std::string& container, const std::string& inputPath,
                             TTranslator translated)
{
    using TAudio = TTrackChoice::TAudio;
    using TSubtitles = TTrackChoice::TSubtitles;
    TTrackSwitches switches;
    if (choice.Audio == TAudio::First && choice.Subtitles == TSubtitles::None) {
        // Left to itself, the encoder gives an MKV or WebM output the first
        // subtitle it takes for text, teletext among them, which then fails
        // to convert; such a file gets the same picks with text ones only.
        if (!PicksSubtitlesItself(container) ||
            std::none_of(tracks.begin(), tracks.end(), [](const TMediaTrack& t) {
                return t.Kind == TKind::Subtitle && !t.Text && !t.Picture;
            }))
            return switches;
        const auto text = std::find_if(tracks.begin(), tracks.end(), [](const TMediaTrack& t) {
            return t.Kind == TKind::Subtitle && t.Text;
        });
        if (text == tracks.end())
            return {{"-map", "0:V:0?", "-map", "0:a:0?"}, {}, {}, {}};
        return TrackSwitches(tracks, {TAudio::First, {}, {}, TSubtitles::Keep, text->Index},
                             container, inputPath, translated);
    }
    const bool known = !tracks.empty();
    // The main picture, never a cover image.
    std::vector<std::string> maps = {"-map", "0:V:0?"};

    std::vector<const TMediaTrack*> sound;
    if (choice.Audio == TAudio::Listed) {
        for (const int index : choice.AudioTracks) {
            const TMediaTrack* track = Find(tracks, TKind::Audio, index);
            if (!track)
                return {{},
                        {},
                        {},
                        Refused(translated,
                                QT_TRANSLATE_NOOP("TrackRules", "The file has no sound track %1."),
                                std::to_string(index))};
            sound.push_back(track);
        }
        if (sound.size() > 1 && HoldsOneSoundTrack(container))
            return {{},
                    {},
                    {},
                    Refused(translated,
                            QT_TRANSLATE_NOOP("TrackRules", "%1 files hold one sound track only."),
                            Upper(container))};
    } else if (known) {
        sound = ChosenSound(tracks, choice);
        if (HoldsOneSoundTrack(container) && sound.size() > 1)
            sound.resize(1);
    } else {
        // Without the file's tracks, the encoder is asked by kind.
        maps.insert(maps.end(),
                    {"-map", choice.Audio == TAudio::All && !HoldsOneSoundTrack(container)
                                 ? "0:a?"
                                 : "0:a:0?"});
    }
    for (const TMediaTrack* track : sound)
        maps.insert(maps.end(), {"-map", "0:" + std::to_string(track->Index)});

    std::vector<const TMediaTrack*> subtitles;
    for (const TMediaTrack& track : tracks)
        if (track.Kind == TKind::Subtitle)
            subtitles.push_back(&track);
    const bool named = choice.SubtitleTrack >= 0;
    const TMediaTrack* picked = nullptr;
    if (named && choice.Subtitles != TSubtitles::None) {
        picked = Find(tracks, TKind::Subtitle, choice.SubtitleTrack);
        if (!picked)
            return {{},
                    {},
                    {},
                    Refused(translated,
                            QT_TRANSLATE_NOOP("TrackRules", "The file has no subtitle track %1."),
                            std::to_string(choice.SubtitleTrack))};
    }
    const std::string textCodec = TextSubtitleCodec(container);
    if (choice.Subtitles == TSubtitles::Keep) {
        int kept = 0;
        for (const TMediaTrack* track : subtitles) {
            if (named && track != picked)
                continue;
            std::string codec;
            if (container == "mkv" &&
                (track->Picture || IsOneOf(track->Codec, {"subrip", "ass", "ssa", "webvtt"})))
                codec = "copy";
            else if (track->Text)
                codec = textCodec;
            if (codec.empty()) {
                if (!named)
                    continue;
                return {
                    {},
                    {},
                    {},
                    Refused(translated,
                            textCodec.empty()
                                ? QT_TRANSLATE_NOOP(
                                      "TrackRules",
                                      "%1 files cannot hold subtitles: burn the track in instead.")
                                : QT_TRANSLATE_NOOP("TrackRules",
                                                    "%1 files cannot hold this subtitle: "
                                                    "burn it in, or convert to MKV."),
                            Upper(container))};
            }
            maps.insert(maps.end(), {"-map", "0:" + std::to_string(track->Index),
                                     "-c:s:" + std::to_string(kept++), codec});
        }
    } else if (choice.Subtitles == TSubtitles::Burn && !subtitles.empty()) {
        if (!picked) {
            const auto forced = std::find_if(subtitles.begin(), subtitles.end(),
                                             [](const TMediaTrack* t) { return t->Forced; });
            picked = forced != subtitles.end() ? *forced : subtitles.front();
        }
        if (!HoldsPicture(container) || (!picked->Text && !picked->Picture)) {
            if (named)
                return {
                    {},
                    {},
                    {},
                    Refused(
                        translated,
                        !HoldsPicture(container)
                            ? QT_TRANSLATE_NOOP("TrackRules",
                                                "%1 files hold no picture to draw subtitles on.")
                            : QT_TRANSLATE_NOOP("TrackRules",
                                                "This subtitle cannot be drawn on the picture."),
                        Upper(container))};
        } else if (picked->Picture) {
            switches.BurnFilter = "overlay";
            switches.OverlayInput = "0:" + std::to_string(picked->Index);
        } else {
            const long ordinal =
                std::find(subtitles.begin(), subtitles.end(), picked) - subtitles.begin();
            switches.BurnFilter =
                "subtitles=filename=" + Escaped(Escaped(inputPath, "\\':"), "\\'[],; ") +
                ":si=" + std::to_string(ordinal);
        }
    }
    switches.Maps = std::move(maps);
    return switches;
}

bool ReadAudioChoice(const std::string& text, TTrackChoice& choice)
{
    if (text == "first" || text == "all") {
        choice.Audio = text == "first" ? TTrackChoice::TAudio::First : TTrackChoice::TAudio::All;
        return true;
    }
    std::vector<std::string> languages;
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (c == ',' || c == ' ') {
            if (!word.empty())
                languages.push_back(LanguageCode(word));
            word.clear();
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
        } else {
            return false;
        }
    }
    if (languages.empty() ||
        std::any_of(languages.begin(), languages.end(),
                    [](const std::string& l) { return l.size() < 2 || l.size() > 3; }))
        return false;
    choice.Audio = TTrackChoice::TAudio::Languages;
    choice.Languages = languages;
    return true;
}

bool ReadSubtitleChoice(const std::string& text, TTrackChoice& choice)
{
    static constexpr std::pair<std::string_view, TTrackChoice::TSubtitles> Words[] = {
        {"none", TTrackChoice::TSubtitles::None},
        {"keep", TTrackChoice::TSubtitles::Keep},
        {"burn", TTrackChoice::TSubtitles::Burn}};
    for (const auto& [word, value] : Words)
        if (text == word) {
            choice.Subtitles = value;
            return true;
        }
    return false;
}

std::vector<std::string> WithTrackSwitches(std::vector<std::string> arguments,
                                           const TTrackSwitches& switches)
{
    if (switches.Maps.empty())
        return arguments;
    std::vector<std::string> maps = switches.Maps;
    const auto filter = std::find(arguments.begin(), arguments.end(), "-vf");
    const bool noPicture = std::find(arguments.begin(), arguments.end(), "-vn") != arguments.end();
    if (!switches.BurnFilter.empty() && !noPicture) {
        const bool filtered = filter != arguments.end() && filter + 1 != arguments.end();
        if (switches.OverlayInput.empty()) {
            if (filtered)
                *(filter + 1) += "," + switches.BurnFilter;
            else
                arguments.insert(arguments.begin(), {"-vf", switches.BurnFilter});
        } else {
            // A picture subtitle is a second input of the filter, so the
            // picture's own filters go into the same graph, before it.
            std::string graph = "[0:V:0]";
            if (filtered) {
                graph += *(filter + 1) + "[picture];[picture]";
                arguments.erase(filter, filter + 2);
            }
            graph += "[" + switches.OverlayInput + "]" + switches.BurnFilter + "[burnt]";
            const auto picture = std::find(maps.begin(), maps.end(), "0:V:0?");
            if (picture != maps.end())
                *picture = "[burnt]";
            maps.insert(maps.begin(), {"-filter_complex", graph});
        }
    }
    maps.insert(maps.end(), std::make_move_iterator(arguments.begin()),
                std::make_move_iterator(arguments.end()));
    return maps;
}
