// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ArgumentBuilder.h"

#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"

#include <algorithm>
#include <optional>

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";
const char* const VideoBitrateSwitch = "-b:v";
const char* const CopyValue = "copy";

std::string BitrateValue(int64_t bitrate)
{
    return std::to_string(bitrate / 1000) + "k";
}

// A "-crf" asks for a constant quality, which a bitrate from a target size
// must not meet.
void DropConstantQuality(std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i + 1 < arguments.size();)
        if (arguments[i] == "-crf")
            arguments.erase(arguments.begin() + std::ptrdiff_t(i),
                            arguments.begin() + std::ptrdiff_t(i) + 2);
        else
            ++i;
}

// What cannot go with a stream copy: the copied stream is not decoded, so
// it is neither scaled, filtered, resampled nor given another bitrate.
bool GoesWithCopy(const std::string& cmd, bool videoCopied, bool audioCopied)
{
    static constexpr const char* Video[] = {"-s", "-r", "-vf", "-b:v", "-crf", "-pix_fmt"};
    static constexpr const char* Audio[] = {"-b:a", "-ar", "-ac", "-af"};
    const auto among = [&cmd](const auto& names) {
        return std::find(std::begin(names), std::end(names), cmd) != std::end(names);
    };
    return !(videoCopied && among(Video)) && !(audioCopied && among(Audio));
}

void AppendWords(std::vector<std::string>& arguments, const std::string& text)
{
    for (std::string& word : SplitCommandLineArguments(text))
        arguments.push_back(std::move(word));
}

} // namespace

std::vector<std::string> BuildArguments(const TProfileChoice& choice, const ltvItemData& task)
{
    std::vector<std::string> arguments;
    const TSizePlan plan = PlanTaskTarget(choice, task);
    bool videoCopied = false, audioCopied = false;
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i) {
        videoCopied |= choice.Parameters[i].Cmd == "-c:v" && choice.ArgumentValue(i) == CopyValue;
        audioCopied |= choice.Parameters[i].Cmd == "-c:a" && choice.ArgumentValue(i) == CopyValue;
    }
    const bool sized = plan.VideoBitrate > 0 && plan.Refusal.empty() && !videoCopied;
    bool bitrateGiven = false;
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i) {
        if (!GoesWithCopy(choice.Parameters[i].Cmd, videoCopied, audioCopied))
            continue;
        std::string value = choice.ArgumentValue(i);
        if (sized && choice.Parameters[i].Cmd == VideoBitrateSwitch) {
            value = BitrateValue(plan.VideoBitrate);
            bitrateGiven = true;
        }
        if (choice.Parameters[i].Cmd.empty() || value.empty())
            continue;
        AppendWords(arguments, choice.Parameters[i].Cmd);
        if (value != FlagOnlyValue)
            AppendWords(arguments, value);
    }
    if (sized) {
        DropConstantQuality(arguments);
        if (!bitrateGiven)
            arguments.insert(arguments.end(),
                             {VideoBitrateSwitch, BitrateValue(plan.VideoBitrate)});
    }
    for (std::string& word : TrimSwitches(task))
        arguments.push_back(std::move(word));
    return arguments;
}

bool HasTwoPasses(const TProfileChoice& choice, const ltvItemData& task)
{
    const TSizePlan plan = PlanTaskTarget(choice, task);
    return plan.VideoBitrate > 0 && plan.Refusal.empty() &&
           IsTwoPassCodec(BuildArguments(choice, ltvItemData()));
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
