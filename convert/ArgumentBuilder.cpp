// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ArgumentBuilder.h"

#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"

#include <optional>

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";
const char* const VideoBitrateSwitch = "-b:v";
// What the audio encoders take when a profile leaves their bitrate "Auto".
constexpr int64_t AutoAudioBitrate = 128000;

std::string ChosenValue(const TProfileChoice& choice, std::size_t i)
{
    const TProfileParameter& p = choice.Parameters[i];
    if (p.IsList) {
        const int item = choice.Items[i];
        if (item < 0)
            return choice.Texts[i]; // typed-in texts such as a custom "640x480" pass verbatim
        // An item without a value contributes nothing rather than failing
        // the whole start.
        const std::vector<std::string> values = SplitList(p.Value);
        return std::size_t(item) < values.size() ? values[std::size_t(item)] : std::string();
    }
    return p.ReadOnly ? p.Value : choice.Texts[i];
}

// The value `choice` gives the first parameter of switch `cmd`; nothing
// when no parameter has it.
std::optional<std::string> SwitchValue(const TProfileChoice& choice, const std::string& cmd)
{
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i)
        if (choice.Parameters[i].Cmd == cmd)
            return ChosenValue(choice, i);
    return std::nullopt;
}

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
        std::string value = ChosenValue(choice, i);
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

bool MakesNoPicture(const TProfileChoice& choice)
{
    return !SwitchValue(choice, "-c:v") || SwitchValue(choice, "-vn") == FlagOnlyValue;
}

int64_t ChosenAudioBitrate(const TProfileChoice& choice)
{
    if (SwitchValue(choice, "-an") == FlagOnlyValue)
        return 0;
    const std::optional<std::string> value = SwitchValue(choice, "-b:a");
    return value ? ParseBitrate(*value).value_or(AutoAudioBitrate) : AutoAudioBitrate;
}

TSizePlan PlanTaskTarget(const TProfileChoice& choice, const ltvItemData& task)
{
    if (task.TargetText.find_first_not_of(" \t") == std::string::npos)
        return {};
    const std::optional<int64_t> target = ParseSizeText(task.TargetText);
    if (!target)
        return {0,
                "\"" + task.TargetText + "\" is not a size: give it as 25 MB, 700 MiB or 1.5 GB."};
    if (MakesNoPicture(choice))
        return {0, "A target size needs a profile with video."};
    return PlanTargetSize(*target, task.SpanSec, ChosenAudioBitrate(choice));
}

bool HasTwoPasses(const TProfileChoice& choice, const ltvItemData& task)
{
    const TSizePlan plan = PlanTaskTarget(choice, task);
    return plan.VideoBitrate > 0 && plan.Refusal.empty() &&
           IsTwoPassCodec(BuildArguments(choice, ltvItemData()));
}

int64_t EstimateTaskBytes(const TProfileChoice& choice, const ltvItemData& task)
{
    if (task.SpanSec <= 0)
        return 0;
    const TSizePlan plan = PlanTaskTarget(choice, task);
    int64_t video = plan.Refusal.empty() ? plan.VideoBitrate : 0;
    if (video == 0 && !MakesNoPicture(choice)) {
        video = ParseBitrate(SwitchValue(choice, VideoBitrateSwitch).value_or("")).value_or(0);
        if (video == 0)
            return -1;
    }
    return EstimatedBytes(video + ChosenAudioBitrate(choice), task.SpanSec);
}
