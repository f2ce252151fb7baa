// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskTarget.h"

#include <optional>

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";
// What the audio encoders take when a profile leaves their bitrate "Auto".
constexpr int64_t AutoAudioBitrate = 128000;

// The value `choice` gives the first parameter of switch `cmd`; nothing
// when no parameter has it.
std::optional<std::string> SwitchValue(const TProfileChoice& choice, const std::string& cmd)
{
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i)
        if (choice.Parameters[i].Cmd == cmd)
            return choice.ArgumentValue(i);
    return std::nullopt;
}

} // namespace

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

TSizePlan PlanTaskTarget(const TProfileChoice& choice, const ltvItemData& task,
                         TTranslator translated)
{
    if (task.TargetText.find_first_not_of(" \t") == std::string::npos)
        return {};
    const std::optional<int64_t> target = ParseSizeText(task.TargetText);
    if (!target)
        return {0, FillText(translated(
                                "TaskTarget",
                                QT_TRANSLATE_NOOP(
                                    "TaskTarget",
                                    "\"%1\" is not a size: give it as 25 MB, 700 MiB or 1.5 GB.")),
                            {task.TargetText})};
    if (MakesNoPicture(choice))
        return {0, translated("TaskTarget",
                              QT_TRANSLATE_NOOP("TaskTarget",
                                                "A target size needs a profile with video."))};
    return PlanTargetSize(*target, task.Span.Seconds, ChosenAudioBitrate(choice), translated);
}

std::string EstimateText(int64_t bytes, TTranslator translated)
{
    if (bytes < 0)
        return translated("OutputSize", DependsOnPicture);
    //: An output's size before its length is known
    if (bytes == 0)
        return translated("TaskTarget", QT_TRANSLATE_NOOP("TaskTarget", "not known yet"));
    //: %1 is an estimated size such as "1.95 MB"
    return FillText(translated("TaskTarget", QT_TRANSLATE_NOOP("TaskTarget", "about %1")),
                    {FormatSizeText(bytes, translated)});
}
