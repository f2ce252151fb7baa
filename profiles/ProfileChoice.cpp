// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileChoice.h"

#include <algorithm>

std::string TProfileChoice::ShownText(std::size_t i) const
{
    const int item = Items[i];
    return item >= 0 ? Parameters[i].Items[std::size_t(item)] : Texts[i];
}

void TProfileChoice::Pick(std::size_t i, const std::string& shown)
{
    const TProfileParameter& p = Parameters[i];
    Items[i] = p.IsList ? IndexOfIgnoringCase(p.Items, shown) : -1;
    Texts[i] = Items[i] >= 0 ? std::string() : shown;
}

std::string TProfileChoice::ArgumentValue(std::size_t i) const
{
    const TProfileParameter& p = Parameters[i];
    if (p.IsList) {
        const int item = Items[i];
        if (item < 0)
            return Texts[i];
        // An item without a value contributes nothing rather than failing
        // the whole start.
        const std::vector<std::string> values = SplitList(p.Value);
        return std::size_t(item) < values.size() ? values[std::size_t(item)] : std::string();
    }
    return p.ReadOnly ? p.Value : Texts[i];
}

TProfileChoice LoadProfileChoice(const std::string& path)
{
    TProfileChoice choice;
    choice.Walk = WalkProfile(
        path, [&](const TProfileParameter& p) { choice.Parameters.push_back(p); },
        TIndexCheck::IgnoreIndex);
    choice.Shown = choice.Parameters.size();
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i) {
        const TProfileParameter& p = choice.Parameters[i];
        // The load into grids stops here, as a walk that checks Index does.
        if (!p.IndexValid() && choice.Shown == choice.Parameters.size()) {
            choice.Shown = i + 1;
            choice.Walk.Status = TWalkStatus::ListIndexError;
            choice.Walk.BadIndex = p.Index;
        }
        const bool shown = i < choice.Shown;
        choice.Items.push_back(shown && p.IsList && p.IndexValid() ? p.Index : -1);
        // A parameter past the stop has no row: it shows nothing.
        choice.Texts.push_back(shown && !p.IsList ? p.Caption : std::string());
    }
    return choice;
}

std::vector<std::string> PickTexts(const TProfileChoice& choice)
{
    std::vector<std::string> picks;
    for (std::size_t i = 0; i < choice.Shown; ++i)
        picks.push_back(choice.ShownText(i));
    return picks;
}

void ApplyPickTexts(TProfileChoice& choice, const std::vector<std::string>& picks)
{
    // A profile edited since the pin may show fewer parameters.
    for (std::size_t i = 0; i < std::min(choice.Shown, picks.size()); ++i)
        choice.Pick(i, picks[i]);
}

namespace {

bool CopiesStream(const TProfileChoice& choice, const char* codecSwitch)
{
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i)
        if (choice.Parameters[i].Cmd == codecSwitch && choice.ArgumentValue(i) == "copy")
            return true;
    return false;
}

} // namespace

bool TProfileChoice::VideoCopied() const
{
    return CopiesStream(*this, "-c:v");
}

bool TProfileChoice::AudioCopied() const
{
    return CopiesStream(*this, "-c:a");
}

bool TProfileChoice::DroppedByCopy(std::size_t i) const
{
    return ::DroppedByCopy(Parameters[i].Cmd, VideoCopied(), AudioCopied());
}

bool DroppedByCopy(const std::string& cmd, bool videoCopied, bool audioCopied)
{
    static constexpr const char* Video[] = {"-s", "-r", "-vf", "-b:v", "-crf", "-pix_fmt"};
    static constexpr const char* Audio[] = {"-b:a", "-ar", "-ac", "-af"};
    const auto among = [&cmd](const auto& names) {
        return std::find(std::begin(names), std::end(names), cmd) != std::end(names);
    };
    return (videoCopied && among(Video)) || (audioCopied && among(Audio));
}
