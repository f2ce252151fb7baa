// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ArgumentBuilder.h"

#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"

#include <optional>

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";
const char* const VideoBitrateSwitch = "-b:v";

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
    const bool sized = plan.VideoBitrate > 0 && plan.Refusal.empty();
    bool bitrateGiven = false;
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i) {
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
