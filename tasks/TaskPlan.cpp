// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPlan.h"

#include "encoder/EncoderArguments.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";
const char* const VideoBitrateSwitch = "-b:v";
// Samples of a task's output: how many, and how long each.
constexpr int SampleCount = 3;
constexpr double SampleWindow = 2.0;

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

void AppendTrim(std::vector<std::string>& arguments, const ltvItemData& task)
{
    for (std::string& word : TrimSwitches(task))
        arguments.push_back(std::move(word));
}

// The arguments of `choice` with `videoBitrate` (0: the profile's own) and
// without the task's trim.
std::vector<std::string> ProfileArguments(const TProfileChoice& choice, int64_t videoBitrate)
{
    std::vector<std::string> arguments;
    const bool videoCopied = choice.VideoCopied(), audioCopied = choice.AudioCopied();
    const bool sized = videoBitrate > 0 && !videoCopied;
    bool bitrateGiven = false;
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i) {
        if (DroppedByCopy(choice.Parameters[i].Cmd, videoCopied, audioCopied))
            continue;
        std::string value = choice.ArgumentValue(i);
        if (sized && choice.Parameters[i].Cmd == VideoBitrateSwitch) {
            value = BitrateValue(videoBitrate);
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
            arguments.insert(arguments.end(), {VideoBitrateSwitch, BitrateValue(videoBitrate)});
    }
    return arguments;
}

// The profile's own video bitrate, 0 when it gives none.
int64_t OwnVideoBitrate(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == VideoBitrateSwitch)
            return ParseBitrate(arguments[i + 1]).value_or(0);
    return 0;
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

// Once the task's tracks are known, the plan maps those it keeps; a choice
// the output cannot hold is refused here, never at the encoder.
void MapTracks(TTaskPlan& plan, const ltvItemData& task, const TTrackChoice& defaults,
               TTranslator translated)
{
    if (!task.TracksKnown || !plan.Refusal.empty())
        return;
    const std::string container = plan.OutputExt.empty() ? std::string() : plan.OutputExt.substr(1);
    const TTrackSwitches switches = TrackSwitches(task.Tracks, TaskTrackChoice(task, defaults),
                                                  container, task.InputFile, translated);
    plan.Refusal = switches.Refusal;
    if (plan.Refusal.empty()) {
        plan.Arguments = WithTrackSwitches(std::move(plan.Arguments), switches);
        plan.SoundTracks = KeptSoundTracks(task.Tracks, switches);
    }
    plan.TracksMapped = plan.Refusal.empty();
}

} // namespace

std::vector<std::string> BuildArguments(const TProfileChoice& choice, const ltvItemData& task)
{
    const TSizePlan plan = PlanTaskTarget(choice, task);
    std::vector<std::string> arguments =
        ProfileArguments(choice, plan.Refusal.empty() ? plan.VideoBitrate : 0);
    AppendTrim(arguments, task);
    return arguments;
}

bool HasTwoPasses(const TProfileChoice& choice, const ltvItemData& task)
{
    const TSizePlan plan = PlanTaskTarget(choice, task);
    return plan.VideoBitrate > 0 && plan.Refusal.empty() &&
           IsTwoPassCodec(ProfileArguments(choice, 0));
}

std::vector<std::string> TrimSwitches(const ltvItemData& task)
{
    std::vector<std::string> switches;
    if (task.Start.Seconds != task.FullStart.Seconds)
        switches.insert(switches.end(), {"-ss", task.Start.Text()});
    if (task.Span.Seconds != task.Length.Seconds)
        switches.insert(switches.end(), {"-t", SpanSwitchValue(task.Span.Seconds)});
    return switches;
}

std::string SpanSwitchValue(double seconds)
{
    // Tenths are what a time text holds. Whole seconds would turn a span
    // under half a second into "-t 0", an empty output.
    const long long tenths = static_cast<long long>(std::nearbyint(seconds * 10));
    std::string text = std::to_string(tenths / 10);
    if (tenths < 0 && tenths > -10)
        text.insert(0, "-");
    if (tenths % 10 != 0)
        text += "." + std::to_string(std::llabs(tenths % 10));
    return text;
}

std::shared_ptr<const TProfilePlan> MakeProfilePlan(TProfileChoice choice, std::string name)
{
    auto plan = std::make_shared<TProfilePlan>();
    plan->Name = std::move(name);
    plan->Arguments = ProfileArguments(choice, 0);
    plan->OutputExt = choice.OutputExt();
    plan->NoPicture = MakesNoPicture(choice);
    plan->AudioBitrate = ChosenAudioBitrate(choice);
    plan->VideoBitrate = OwnVideoBitrate(plan->Arguments);
    plan->TwoPassCodec = IsTwoPassCodec(plan->Arguments);
    plan->VideoCopied = choice.VideoCopied();
    plan->Choice = std::make_shared<const TProfileChoice>(std::move(choice));
    return plan;
}

std::shared_ptr<const TProfilePlan> MakeProfilePlan(std::vector<std::string> arguments,
                                                    std::string outputExt)
{
    auto plan = std::make_shared<TProfilePlan>();
    plan->VideoBitrate = OwnVideoBitrate(arguments);
    plan->TwoPassCodec = IsTwoPassCodec(arguments);
    plan->Arguments = std::move(arguments);
    plan->OutputExt = std::move(outputExt);
    return plan;
}

TPlanProfiles::TPlanProfiles(std::shared_ptr<const TProfilePlan> batch, TLoader load,
                             TTranslator translated)
    : FBatch(std::move(batch)), FLoad(std::move(load)), FTranslated(translated)
{
}

void TPlanProfiles::SetBatch(std::shared_ptr<const TProfilePlan> batch)
{
    FBatch = std::move(batch);
    FPinned.clear();
}

std::shared_ptr<const TProfilePlan> TPlanProfiles::For(const ltvItemData& task)
{
    if (task.Profile.empty() || !FLoad)
        return FBatch;
    auto [at, fresh] = FPinned.try_emplace({task.Profile, task.Picks});
    if (fresh) {
        TProfileChoice choice = FLoad(task.Profile);
        if (choice.Walk.Status == TWalkStatus::Missing ||
            choice.Walk.Status == TWalkStatus::NoMainSection) {
            auto refused = std::make_shared<TProfilePlan>();
            refused->Name = task.Profile;
            refused->Refusal = FillText(
                FTranslated("TaskPlan",
                            QT_TRANSLATE_NOOP("TaskPlan", "The profile \"%1\" cannot be loaded.")),
                {task.Profile});
            at->second = refused;
        } else {
            ApplyPickTexts(choice, task.Picks);
            at->second = MakeProfilePlan(std::move(choice), task.Profile);
        }
    }
    return at->second;
}

TTaskPlan MakeTaskPlan(std::shared_ptr<const TProfilePlan> profile, const ltvItemData& task,
                       const TPlanPreferences& preferences, TTranslator translated,
                       const TSourceFacts& facts)
{
    TTaskPlan plan;
    plan.OutputExt = profile->OutputExt;
    plan.OutputName = task.NewName + plan.OutputExt;
    plan.NoPicture = profile->NoPicture;
    plan.CheckQuality = preferences.CheckQuality && !plan.NoPicture;
    plan.Refusal = profile->Refusal;
    if (plan.Refusal.empty() && profile->VideoCopied && !IsBlank(task.TargetText))
        plan.Refusal = translated(
            "TaskPlan", QT_TRANSLATE_NOOP("TaskPlan", "A target size needs the picture encoded "
                                                      "again: \"Copy (no re-encoding)\" keeps "
                                                      "it as it is."));
    if (plan.Refusal.empty() && profile->Choice && !IsBlank(task.TargetText)) {
        const TSizePlan target = PlanTaskTarget(*profile->Choice, task, translated, facts.NoAudio);
        plan.Refusal = target.Refusal;
        if (target.Refusal.empty() && target.VideoBitrate > 0) {
            plan.VideoBitrate = target.VideoBitrate;
            plan.TargetBytes = ParseSizeText(task.TargetText).value_or(0);
            plan.TwoPass = profile->TwoPassCodec;
            plan.Arguments = ProfileArguments(*profile->Choice, plan.VideoBitrate);
        }
    }
    if (plan.VideoBitrate == 0)
        plan.Arguments = profile->Arguments;
    AppendTrim(plan.Arguments, task);
    MapTracks(plan, task, preferences.Tracks, translated);

    if (task.Span.Seconds <= 0) {
        plan.Estimate = TEstimateSource::UnknownLength;
        plan.EstimatedBytes = 0;
    } else {
        const int64_t video = plan.VideoBitrate > 0 ? plan.VideoBitrate
                              : plan.NoPicture      ? 0
                                                    : profile->VideoBitrate;
        const int64_t audio = facts.NoAudio ? 0 : profile->AudioBitrate;
        if (video == 0 && !plan.NoPicture && facts.SampledBytes > 0) {
            plan.Estimate = TEstimateSource::Samples;
            plan.EstimatedBytes = facts.SampledBytes;
        } else if (video == 0 && !plan.NoPicture) {
            plan.Estimate = TEstimateSource::DependsOnPicture;
            plan.EstimatedBytes = -1;
        } else {
            plan.Estimate =
                plan.VideoBitrate > 0 ? TEstimateSource::Target : TEstimateSource::Bitrates;
            plan.EstimatedBytes = EstimatedBytes(video + audio, task.Span.Seconds);
        }
    }
    plan.Profile = std::move(profile);
    return plan;
}

std::string PlanEstimateText(const TTaskPlan& plan, TTranslator translated)
{
    const std::string text = EstimateText(plan.EstimatedBytes, translated);
    if (plan.Estimate != TEstimateSource::Samples)
        return text;
    //: %1 is an estimate such as "about 12 MB", worked out by encoding samples
    return FillText(translated("TaskPlan", QT_TRANSLATE_NOOP("TaskPlan", "%1 (from samples)")),
                    {text});
}

bool SamePlanInputs(const ltvItemData& a, const ltvItemData& b)
{
    return a.NewName == b.NewName && a.Length.Seconds == b.Length.Seconds &&
           a.FullStart.Seconds == b.FullStart.Seconds && a.Span.Seconds == b.Span.Seconds &&
           a.Start.Seconds == b.Start.Seconds && a.Start.Text() == b.Start.Text() &&
           a.Profile == b.Profile && a.Picks == b.Picks && a.TargetText == b.TargetText &&
           a.TracksKnown == b.TracksKnown && a.Tracks == b.Tracks &&
           a.AudioChoice == b.AudioChoice && a.SubtitleChoice == b.SubtitleChoice;
}

TTrackChoice TaskTrackChoice(const ltvItemData& task, const TTrackChoice& defaults)
{
    TTrackChoice choice = defaults;
    ReadKeptTrackChoice(task.AudioChoice, task.SubtitleChoice, choice);
    // The first sound track named, so that the encoder is not left to pick
    // a subtitle by itself.
    if (choice.Subtitles == TTrackChoice::TSubtitles::None &&
        choice.Audio == TTrackChoice::TAudio::First && !task.SubtitleChoice.empty()) {
        choice.Audio = TTrackChoice::TAudio::Listed;
        choice.AudioTracks.clear();
        for (const TMediaTrack& track : task.Tracks)
            if (track.Kind == TMediaTrack::TKind::Audio && choice.AudioTracks.empty())
                choice.AudioTracks.push_back(track.Index);
    }
    return choice;
}

std::vector<TEstimateSample> EstimateSamples(const TTaskPlan& plan, const ltvItemData& task)
{
    const double span = task.Span.Seconds;
    if (plan.Estimate != TEstimateSource::DependsOnPicture &&
        plan.Estimate != TEstimateSource::Samples)
        return {};
    // The input is sought from its own start, as the part's start is.
    const double from = std::max(0.0, task.Start.Seconds - std::max(0.0, task.FullStart.Seconds));
    // Below this a part costs about as much to encode whole as its samples,
    // each of which starts the encoder and opens with a key frame.
    if (span <= SampleCount * SampleWindow * 2)
        return {{from, span}};
    std::vector<TEstimateSample> samples;
    for (int k = 0; k < SampleCount; ++k)
        samples.push_back(
            {from + span * (2 * k + 1) / (2 * SampleCount) - SampleWindow / 2, SampleWindow});
    return samples;
}

std::vector<std::string> SampleArguments(const TTaskPlan& plan, const std::string& inputPath,
                                         const TEstimateSample& sample,
                                         const std::string& outputPath)
{
    std::vector<std::string> arguments = {"-y",
                                          "-ss",
                                          SpanSwitchValue(sample.At),
                                          "-t",
                                          SpanSwitchValue(sample.Seconds),
                                          "-i",
                                          inputPath,
                                          "-loglevel",
                                          "error"};
    arguments.insert(arguments.end(), plan.Profile->Arguments.begin(),
                     plan.Profile->Arguments.end());
    arguments.push_back(outputPath);
    return arguments;
}

int64_t SampledTaskBytes(const std::vector<TEstimateSample>& samples,
                         const std::vector<int64_t>& bytes, double span)
{
    if (samples.empty() || bytes.size() != samples.size())
        return 0;
    double seconds = 0, total = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (bytes[i] < 1)
            return 0;
        seconds += samples[i].Seconds;
        total += double(bytes[i]);
    }
    return seconds > 0 ? std::llround(total / seconds * span) : 0;
}

int64_t EstimateTaskBytes(const TProfileChoice& choice, const ltvItemData& task)
{
    return MakeTaskPlan(MakeProfilePlan(choice), task, {}).EstimatedBytes;
}
