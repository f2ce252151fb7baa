// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskTarget.h"

#include <algorithm>
#include <cstdlib>
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

// The bits of one sample of a PCM codec ("pcm_s16le"); 0 for another codec.
int PcmSampleBits(const std::string& codec)
{
    if (!codec.starts_with("pcm_"))
        return 0;
    if (codec == "pcm_alaw" || codec == "pcm_mulaw")
        return 8;
    const std::size_t digits = codec.find_first_of("0123456789");
    return digits == std::string::npos ? 0 : std::atoi(codec.c_str() + digits);
}

// PCM audio weighs what its samples weigh, whatever bitrate is asked: the
// rate and the channels the profile sets; 0 for each it leaves to the input.
struct TPcm
{
    int64_t Bits = 0, Rate = 0, Channels = 0;
};
std::optional<TPcm> PcmOf(const TProfileChoice& choice)
{
    const int bits = PcmSampleBits(SwitchValue(choice, "-c:a").value_or(""));
    if (bits == 0)
        return std::nullopt;
    const auto number = [&](const char* cmd) {
        return std::max<int64_t>(0, std::atoll(SwitchValue(choice, cmd).value_or("").c_str()));
    };
    return TPcm{bits, number("-ar"), number("-ac")};
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
    // Left to the input, a rate and channels are counted as the usual most.
    if (const auto pcm = PcmOf(choice))
        return pcm->Bits * (pcm->Rate > 0 ? pcm->Rate : 48000) *
               (pcm->Channels > 0 ? pcm->Channels : 2);
    const std::optional<std::string> value = SwitchValue(choice, "-b:a");
    return value ? ParseBitrate(*value).value_or(AutoAudioBitrate) : AutoAudioBitrate;
}

TSizePlan PlanTaskTarget(const TProfileChoice& choice, const ltvItemData& task,
                         TTranslator translated, bool noAudio)
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
    if (const auto pcm = PcmOf(choice); pcm && SwitchValue(choice, "-an") != FlagOnlyValue &&
                                        (pcm->Rate == 0 || pcm->Channels == 0))
        return {0, translated("TaskTarget",
                              QT_TRANSLATE_NOOP("TaskTarget",
                                                "A target size with PCM audio needs the profile "
                                                "to set the sample rate and the channels."))};
    return PlanTargetSize(*target, task.Span.Seconds, noAudio ? 0 : ChosenAudioBitrate(choice),
                          translated);
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
