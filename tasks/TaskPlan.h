// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/TrackRules.h"
#include "profiles/ProfileChoice.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskTarget.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What a task becomes: the profile it is converted with, the encoder's
// arguments, the output's name, its target and its estimated size. Every
// view, Start, the engine and the headless modes read one plan made by
// MakeTaskPlan, so that none of them can tell another story.

// The encoder's arguments between the input and the output for `task`
// converted with `choice`. For each parameter that has a switch ("cmd") and
// a value, in parameter order: the switch, then the value, each split into
// words as SplitCommandLineArguments splits a command line (a quoted value
// with blanks stays one argument). A pick list gives the value of its picked
// item (nothing for an item without one) or, for a typed text such as a
// custom "640x480", that text; a read-only text gives its "Value"; any other
// text what was typed. A flag switch, whose value is "\", goes out alone.
// The task's trim switches (TrimSwitches) come last.
//
// A task with a target size (TargetText) that PlanTaskTarget can meet
// gets the planned video bitrate in place of the profile's "-b:v" (or
// added), and loses a constant-quality "-crf", which would override it.
std::vector<std::string> BuildArguments(const TProfileChoice& choice, const ltvItemData& task);

// Whether the task is converted in two passes: it has a target that can be
// met and its video codec keeps statistics between passes (IsTwoPassCodec).
bool HasTwoPasses(const TProfileChoice& choice, const ltvItemData& task);

// The switches that trim a task: "-ss", start when it does not begin at the
// input's start, "-t", span when its span is not the whole length.
std::vector<std::string> TrimSwitches(const ltvItemData& task);

// A span in seconds as "-t" takes it: whole seconds alone ("50"), otherwise
// with their tenth ("50.4", "0.4"), rounded half to even.
std::string SpanSwitchValue(double seconds);

// What one profile choice brings to every task converted with it, worked
// out once per choice rather than once per task.
struct TProfilePlan
{
    // The choice; none for a batch given as bare arguments, which then
    // plans no target.
    std::shared_ptr<const TProfileChoice> Choice;
    // The pinned profile's name; empty for the batch's profile.
    std::string Name;
    // Why no task can be converted with it (a pinned profile that cannot
    // be loaded); empty when it can.
    std::string Refusal;
    // Its arguments without a task's trim or target.
    std::vector<std::string> Arguments;
    std::string OutputExt;
    bool NoPicture = false;
    int64_t AudioBitrate = 0;
    // The profile's own "-b:v"; 0 for a constant-quality mode.
    int64_t VideoBitrate = 0;
    bool TwoPassCodec = false;
    // "Copy (no re-encoding)" is picked for the picture: it is not decoded,
    // so no target can size it and a trim cuts at a key frame.
    bool VideoCopied = false;
};

std::shared_ptr<const TProfilePlan> MakeProfilePlan(TProfileChoice choice, std::string name = {});
// A profile given as the encoder's arguments and the output's extension.
std::shared_ptr<const TProfilePlan> MakeProfilePlan(std::vector<std::string> arguments,
                                                    std::string outputExt);

// How a plan's bytes were estimated.
enum class TEstimateSource
{
    UnknownLength,    // the span is not known yet: no figure
    Bitrates,         // the profile's own bitrates over the span
    Target,           // the target's plan over the span
    DependsOnPicture, // a constant-quality mode: no figure
    Samples,          // short samples encoded with the task's own arguments
};

// The preferences a plan depends on.
struct TPlanPreferences
{
    bool CheckQuality = false;
    // The tracks a task keeps when it chose none itself.
    TTrackChoice Tracks;

    bool operator==(const TPlanPreferences&) const = default;
};

// What is known of a task's source beyond its record: what its probe found
// and what its samples weighed. A plan reads them beside the task; a change
// to the task or to its profile makes the samples' figure stale.
struct TSourceFacts
{
    // The probe read the file and found no sound in it: nothing is kept
    // back for audio.
    bool NoAudio = false;
    // The output's bytes as its samples point to (SampledTaskBytes); 0 for
    // none.
    int64_t SampledBytes = 0;

    bool operator==(const TSourceFacts&) const = default;
};

struct TTaskPlan
{
    // The profile in force: the task's pin, or the batch's.
    std::shared_ptr<const TProfilePlan> Profile;
    std::vector<std::string> Arguments;
    // The output's name before a folder or an index is added, and its
    // extension with its dot.
    std::string OutputName;
    std::string OutputExt;
    // The target's bytes and the video bitrate planned for them; 0 for a
    // task without a target.
    int64_t TargetBytes = 0;
    int64_t VideoBitrate = 0;
    bool TwoPass = false;
    // Why the task cannot be converted as asked; empty when it can.
    std::string Refusal;
    // EstimateTaskBytes's figure: -1 when it depends on the picture, 0 while
    // the span is not known; the samples' figure where they were encoded.
    int64_t EstimatedBytes = 0;
    TEstimateSource Estimate = TEstimateSource::UnknownLength;
    // The output is compared with its source after the conversion.
    bool CheckQuality = false;
    bool NoPicture = false;
    // The arguments map the task's chosen tracks, read from its probe; false
    // while its tracks are not known, and the engine reads them at its start.
    bool TracksMapped = false;
    // The stream numbers of the sound tracks the output keeps, once mapped.
    std::vector<int> SoundTracks;
};

// The tracks `task` keeps: its own choice over `defaults`, the preferences'.
// A task that chose no subtitle keeps none, even where the encoder would
// pick one by itself.
TTrackChoice TaskTrackChoice(const ltvItemData& task, const TTrackChoice& defaults);

// The profiles tasks are planned with: the batch's, and each pinned one
// with its picks, loaded once by `load` (a choice whose status is Missing or
// NoMainSection cannot be used). Without `load`, a pinned task is planned
// with the batch's profile.
class TPlanProfiles
{
public:
    using TLoader = std::function<TProfileChoice(const std::string& name)>;

    explicit TPlanProfiles(std::shared_ptr<const TProfilePlan> batch, TLoader load = {},
                           TTranslator translated = Untranslated);

    const std::shared_ptr<const TProfilePlan>& Batch() const { return FBatch; }
    std::shared_ptr<const TProfilePlan> For(const ltvItemData& task);
    // The batch's profile changed; pinned profiles are loaded afresh, as
    // their files may have changed with it.
    void SetBatch(std::shared_ptr<const TProfilePlan> batch);

private:
    std::shared_ptr<const TProfilePlan> FBatch;
    TLoader FLoad;
    TTranslator FTranslated;
    std::map<std::pair<std::string, std::vector<std::string>>, std::shared_ptr<const TProfilePlan>>
        FPinned;
};

// The plan of `task` with `profile` (the one in force for it).
TTaskPlan MakeTaskPlan(std::shared_ptr<const TProfilePlan> profile, const ltvItemData& task,
                       const TPlanPreferences& preferences, TTranslator translated = Untranslated,
                       const TSourceFacts& facts = {});
inline TTaskPlan MakeTaskPlan(TPlanProfiles& profiles, const ltvItemData& task,
                              const TPlanPreferences& preferences,
                              TTranslator translated = Untranslated, const TSourceFacts& facts = {})
{
    return MakeTaskPlan(profiles.For(task), task, preferences, translated, facts);
}

// A stretch of a task encoded on its own to learn what its output weighs
// where the profile asks for a constant quality: from `At` seconds into the
// input, `Seconds` long.
struct TEstimateSample
{
    double At = 0;
    double Seconds = 0;

    bool operator==(const TEstimateSample&) const = default;
};

// The samples of a task whose plan depends on the picture, none for any
// other: three spread over its part to convert, each in the middle of its
// third, so that a film's quiet start does not speak for its busy middle;
// a part too short to be worth cutting up is encoded whole, once.
std::vector<TEstimateSample> EstimateSamples(const TTaskPlan& plan, const ltvItemData& task);

// The encoder's arguments that encode `sample` of `inputPath` with the
// plan's own arguments (its trim aside) into `outputPath`. The input is
// sought before it is opened, so a sample late in a film costs no more
// than one at its start.
std::vector<std::string> SampleArguments(const TTaskPlan& plan, const std::string& inputPath,
                                         const TEstimateSample& sample,
                                         const std::string& outputPath);

// The bytes a task of `span` seconds should take, from what its samples
// took; 0 when a sample failed (a size under 1) or there is none.
int64_t SampledTaskBytes(const std::vector<TEstimateSample>& samples,
                         const std::vector<int64_t>& bytes, double span);

// The bytes the task's output should take with `choice`: from its target's
// plan, or from the profile's bitrates. -1 when it depends on the picture
// (no video bitrate is given: a constant-quality mode), 0 while the task's
// span is not known.
int64_t EstimateTaskBytes(const TProfileChoice& choice, const ltvItemData& task);
// (MakeTaskPlan's estimate with the batch's profile.)

// The plan's estimate in words: EstimateText's, and "about 12 MB (from
// samples)" for a figure its samples gave.
std::string PlanEstimateText(const TTaskPlan& plan, TTranslator translated = Untranslated);

// Whether a plan made from `a` would be made the same from `b`: they agree
// on everything a plan reads.
bool SamePlanInputs(const ltvItemData& a, const ltvItemData& b);
