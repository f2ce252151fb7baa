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

using TAudio = TTrackChoice::TAudio;
using TSubtitles = TTrackChoice::TSubtitles;

const char* const ListedPrefix = "tracks:";
constexpr std::pair<std::string_view, TSubtitles> SubtitleWords[] = {
    {"none", TSubtitles::None}, {"keep", TSubtitles::Keep}, {"burn", TSubtitles::Burn}};

TTrackSwitches RefusedSwitches(std::string reason)
{
    TTrackSwitches switches;
    switches.Refusal = std::move(reason);
    return switches;
}

// The sound tracks' maps; a refusal when a listed one cannot be kept.
std::string MapSound(const std::vector<TMediaTrack>& tracks, const TTrackChoice& choice,
                     const std::string& container, std::vector<std::string>& maps,
                     TTranslator translated)
{
    std::vector<const TMediaTrack*> sound;
    if (choice.Audio == TAudio::Listed) {
        for (const int index : choice.AudioTracks) {
            const TMediaTrack* track = Find(tracks, TKind::Audio, index);
            if (!track)
                return Refused(translated,
                               QT_TRANSLATE_NOOP("TrackRules", "The file has no sound track %1."),
                               std::to_string(index));
            sound.push_back(track);
        }
        if (sound.size() > 1 && HoldsOneSoundTrack(container))
            return Refused(translated,
                           QT_TRANSLATE_NOOP("TrackRules", "%1 files hold one sound track only."),
                           Upper(container));
    } else if (!tracks.empty()) {
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
    return {};
}

// The codec a kept subtitle gets in `container`; empty when it cannot go in.
std::string KeptSubtitleCodec(const TMediaTrack& track, const std::string& container)
{
    if (container == "mkv" &&
        (track.Picture || IsOneOf(track.Codec, {"subrip", "ass", "ssa", "webvtt"})))
        return "copy";
    return track.Text ? TextSubtitleCodec(container) : std::string();
}

// The kept subtitles' maps: `picked`, or each one the container takes.
std::string KeepSubtitles(const std::vector<const TMediaTrack*>& subtitles,
                          const TMediaTrack* picked, const std::string& container,
                          std::vector<std::string>& maps, TTranslator translated)
{
    int kept = 0;
    for (const TMediaTrack* track : subtitles) {
        if (picked && track != picked)
            continue;
        const std::string codec = KeptSubtitleCodec(*track, container);
        if (codec.empty() && picked)
            return Refused(translated,
                           TextSubtitleCodec(container).empty()
                               ? QT_TRANSLATE_NOOP(
                                     "TrackRules",
                                     "%1 files cannot hold subtitles: burn the track in instead.")
                               : QT_TRANSLATE_NOOP("TrackRules",
                                                   "%1 files cannot hold this subtitle: "
                                                   "burn it in, or convert to MKV."),
                           Upper(container));
        if (!codec.empty())
            maps.insert(maps.end(), {"-map", "0:" + std::to_string(track->Index),
                                     "-c:s:" + std::to_string(kept++), codec});
    }
    return {};
}

// The filter that draws `picked`, or the first forced subtitle, else the
// first, on the picture. A rule's pick that cannot be drawn is left out;
// a named one is refused.
std::string BurnSubtitle(const std::vector<const TMediaTrack*>& subtitles,
                         const TMediaTrack* picked, const std::string& container,
                         const std::string& inputPath, TTrackSwitches& switches,
                         TTranslator translated)
{
    const bool named = picked != nullptr;
    if (!named) {
        const auto forced = std::find_if(subtitles.begin(), subtitles.end(),
                                         [](const TMediaTrack* t) { return t->Forced; });
        picked = forced != subtitles.end() ? *forced : subtitles.front();
    }
    if (!HoldsPicture(container) || (!picked->Text && !picked->Picture)) {
        if (!named)
            return {};
        return Refused(
            translated,
            !HoldsPicture(container)
                ? QT_TRANSLATE_NOOP("TrackRules", "%1 files hold no picture to draw subtitles on.")
                : QT_TRANSLATE_NOOP("TrackRules", "This subtitle cannot be drawn on the picture."),
            Upper(container));
    }
    if (picked->Picture) {
        switches.BurnFilter = "overlay";
        switches.OverlayInput = "0:" + std::to_string(picked->Index);
    } else {
        const long ordinal =
            std::find(subtitles.begin(), subtitles.end(), picked) - subtitles.begin();
        switches.BurnFilter =
            "subtitles=filename=" + Escaped(Escaped(inputPath, "\\':"), "\\'[],; ") +
            ":si=" + std::to_string(ordinal);
    }
    return {};
}

// Left to itself, the encoder gives an MKV or WebM output the first subtitle
// it takes for text, teletext among them, which then fails to convert; such
// a file gets the same picks with text ones only. Others map nothing.
TTrackSwitches DefaultSwitches(const std::vector<TMediaTrack>& tracks, const std::string& container,
                               const std::string& inputPath, TTranslator translated)
{
    if (!PicksSubtitlesItself(container) ||
        std::none_of(tracks.begin(), tracks.end(), [](const TMediaTrack& t) {
            return t.Kind == TKind::Subtitle && !t.Text && !t.Picture;
        }))
        return {};
    const auto text = std::find_if(tracks.begin(), tracks.end(), [](const TMediaTrack& t) {
        return t.Kind == TKind::Subtitle && t.Text;
    });
    if (text == tracks.end())
        return {{"-map", "0:V:0?", "-map", "0:a:0?"}, {}, {}, {}};
    return TrackSwitches(tracks, {TAudio::First, {}, {}, TSubtitles::Keep, text->Index}, container,
                         inputPath, translated);
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
    if (choice.Audio == TAudio::First && choice.Subtitles == TSubtitles::None)
        return DefaultSwitches(tracks, container, inputPath, translated);
    TTrackSwitches switches;
    // The main picture, never a cover image.
    std::vector<std::string> maps = {"-map", "0:V:0?"};
    if (std::string refusal = MapSound(tracks, choice, container, maps, translated);
        !refusal.empty())
        return RefusedSwitches(std::move(refusal));
    std::vector<const TMediaTrack*> subtitles;
    for (const TMediaTrack& track : tracks)
        if (track.Kind == TKind::Subtitle)
            subtitles.push_back(&track);
    const TMediaTrack* picked = nullptr;
    if (choice.SubtitleTrack >= 0 && choice.Subtitles != TSubtitles::None) {
        picked = Find(tracks, TKind::Subtitle, choice.SubtitleTrack);
        if (!picked)
            return RefusedSwitches(Refused(
                translated, QT_TRANSLATE_NOOP("TrackRules", "The file has no subtitle track %1."),
                std::to_string(choice.SubtitleTrack)));
    }
    std::string refusal;
    if (choice.Subtitles == TSubtitles::Keep)
        refusal = KeepSubtitles(subtitles, picked, container, maps, translated);
    else if (choice.Subtitles == TSubtitles::Burn && !subtitles.empty())
        refusal = BurnSubtitle(subtitles, picked, container, inputPath, switches, translated);
    if (!refusal.empty())
        return RefusedSwitches(std::move(refusal));
    switches.Maps = std::move(maps);
    return switches;
}

bool CanKeepSubtitle(const TMediaTrack& track, const std::string& container)
{
    return !KeptSubtitleCodec(track, container).empty();
}

bool CanBurnSubtitle(const TMediaTrack& track, const std::string& container)
{
    return HoldsPicture(container) && (track.Text || track.Picture);
}

std::vector<int> KeptSoundTracks(const std::vector<TMediaTrack>& tracks,
                                 const TTrackSwitches& switches)
{
    std::vector<int> kept;
    for (const TMediaTrack& track : tracks)
        if (track.Kind == TKind::Audio &&
            (switches.Maps.empty()
                 ? kept.empty()
                 : std::find(switches.Maps.begin(), switches.Maps.end(),
                             "0:" + std::to_string(track.Index)) != switches.Maps.end()))
            kept.push_back(track.Index);
    return kept;
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
    for (const auto& [word, value] : SubtitleWords)
        if (text == word) {
            choice.Subtitles = value;
            return true;
        }
    return false;
}

void ReadKeptTrackChoice(const std::string& audio, const std::string& subtitles,
                         TTrackChoice& choice)
{
    if (audio.rfind(ListedPrefix, 0) == 0) {
        choice.Audio = TTrackChoice::TAudio::Listed;
        choice.AudioTracks.clear();
        std::string number;
        for (std::size_t i = std::string(ListedPrefix).size(); i <= audio.size(); ++i) {
            if (i < audio.size() && std::isdigit(static_cast<unsigned char>(audio[i])))
                number += audio[i];
            else if (!number.empty() && number.size() < 6)
                choice.AudioTracks.push_back(std::stoi(number)), number.clear();
        }
    } else if (!audio.empty()) {
        ReadAudioChoice(audio, choice);
    }
    const std::size_t colon = subtitles.find(':');
    if (!ReadSubtitleChoice(subtitles.substr(0, colon), choice))
        return;
    const std::string number = colon == std::string::npos ? "" : subtitles.substr(colon + 1);
    const bool digits = !number.empty() && number.size() < 6 &&
                        std::all_of(number.begin(), number.end(),
                                    [](char c) { return std::isdigit((unsigned char)c); });
    choice.SubtitleTrack = digits ? std::stoi(number) : -1;
}

std::string ListedAudioText(const std::vector<int>& tracks)
{
    std::string text = ListedPrefix;
    for (std::size_t i = 0; i < tracks.size(); ++i)
        text += (i > 0 ? "," : "") + std::to_string(tracks[i]);
    return text;
}

std::string SubtitleChoiceText(TTrackChoice::TSubtitles subtitles, int track)
{
    for (const auto& [word, value] : SubtitleWords)
        if (value == subtitles)
            return std::string(word) + (track >= 0 ? ":" + std::to_string(track) : "");
    return {};
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
