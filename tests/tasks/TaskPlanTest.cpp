// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPlan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Profiles = QUENBY_SOURCE_DIR "/data/Profiles/";

TProfileChoice Load(const std::string& name)
{
    return LoadProfileChoice(Profiles + name + ".apf");
}

// A mixed list under the batch profile AVI: each row is one task and what
// its plan must say. The arguments of a task that can run are those of the
// profile in force for it, never the batch's when it is pinned elsewhere.
struct PlanRow
{
    const char* name;
    const char* pin;
    const char* target;
    double seconds; // 0: the length is not known yet
    const char* outputName;
    TEstimateSource estimate;
    const char* refusal;
    bool twoPass;
};

const PlanRow Rows[] = {
    {"a", "", "", 5, "a.avi", TEstimateSource::Bitrates, "", false},
    // A pinned task shows and counts its pin's output, not the batch's.
    {"b", "WebM (VP9 + Opus)", "", 5, "b.webm", TEstimateSource::DependsOnPicture, "", false},
    // Checked against the pin's own audio (3GP's 32k AAC), not AVI's MP3.
    {"c", "Mobile Phone 3GP (MPEG-4 + AAC)", "60kB", 5, "c.3gp", TEstimateSource::Target, "", true},
    {"d", "", "60kB", 5, "d.avi", TEstimateSource::Bitrates,
     "The target is below what the audio alone takes (85 kB).", false},
    // MPEG-4 meets a target in two passes too.
    {"e", "", "200kB", 5, "e.avi", TEstimateSource::Target, "", true},
    {"f", "", "", 0, "f.avi", TEstimateSource::UnknownLength, "", false},
    {"g", "Gone", "", 5, "g", TEstimateSource::UnknownLength,
     "The profile \"Gone\" cannot be loaded.", false},
};

} // namespace

TEST(TaskPlan, EachTaskOfAMixedListIsPlannedWithTheProfileInForce)
{
    TPlanProfiles profiles(MakeProfilePlan(Load("AVI (MPEG-4 + MP3)")), Load);
    for (const PlanRow& row : Rows) {
        SCOPED_TRACE(row.name);
        ltvItemData task;
        task.NewName = row.name;
        task.Profile = row.pin;
        task.TargetText = row.target;
        if (row.seconds > 0)
            task.Span = task.Length = TTimeValue::FromSeconds(row.seconds);
        const TTaskPlan plan = MakeTaskPlan(profiles, task, {true, {}});
        EXPECT_EQ(plan.Refusal, row.refusal);
        if (!plan.Refusal.empty())
            continue;
        EXPECT_EQ(plan.OutputName, row.outputName);
        EXPECT_EQ(plan.Estimate, row.estimate);
        EXPECT_EQ(plan.TwoPass, row.twoPass);
        EXPECT_EQ(plan.Profile->Name, row.pin);
        TProfileChoice inForce = Load(*row.pin ? row.pin : "AVI (MPEG-4 + MP3)");
        EXPECT_EQ(plan.Arguments, BuildArguments(inForce, task));
        EXPECT_EQ(plan.EstimatedBytes, EstimateTaskBytes(inForce, task));
        EXPECT_EQ(plan.TargetBytes > 0, *row.target != 0);
        EXPECT_TRUE(plan.CheckQuality);
    }
}

// A probed task's plan maps the tracks it chose, over the preferences'; what
// its output cannot hold is refused in the plan, before any encoder runs.
TEST(TaskPlan, AProbedTaskMapsItsOwnTracks)
{
    using K = TMediaTrack::TKind;
    const std::vector<TMediaTrack> tracks = {
        {K::Audio, 1, "aac", "eng", "", "", false, false, false, false},
        {K::Audio, 2, "ac3", "fre", "", "", false, false, false, false},
        {K::Subtitle, 3, "subrip", "eng", "", "", false, false, false, true}};
    TProfileChoice copying = Load("MKV (H.264 + AAC)");
    for (std::size_t i = 0; i < copying.Parameters.size(); ++i)
        if (copying.Parameters[i].Cmd == "-c:v")
            copying.Pick(i, "Copy (no re-encoding)");
    const struct
    {
        TProfileChoice profile;
        const char *audio, *subtitles, *target, *expected;
    } cases[] = {
        {Load("Any Device MP4 (H.264 + AAC)"), "tracks:1,2", "keep:3", "",
         "-map 0:V:0? -map 0:1 -map 0:2 -map 0:3 -c:s:0 mov_text"},
        {Load("MKV (H.264 + AAC)"), "", "none", "", "-map 0:V:0? -map 0:1"},
        {Load("MKV (H.264 + AAC)"), "tracks:", "", "", "-map 0:V:0?"},
        {Load("AVI (MPEG-4 + MP3)"), "", "keep:3", "",
         "AVI files cannot hold subtitles: burn the track in instead."},
        {copying, "", "", "1MB",
         "A target size needs the picture encoded again: \"Copy (no re-encoding)\" keeps it as "
         "it is."},
    };
    for (const auto& c : cases) {
        ltvItemData task = NewTaskRecord("/v/a.mkv", "00:00:05.0", "", "");
        task.Tracks = tracks;
        task.TracksKnown = true;
        task.AudioChoice = c.audio;
        task.SubtitleChoice = c.subtitles;
        task.TargetText = c.target;
        const TTaskPlan plan = MakeTaskPlan(MakeProfilePlan(c.profile), task, {});
        // The maps lead the arguments, a switch and its value at a time.
        std::string said = plan.Refusal;
        for (std::size_t i = 0; plan.Refusal.empty() && i + 1 < plan.Arguments.size() &&
                                (plan.Arguments[i] == "-map" || plan.Arguments[i] == "-c:s:0");
             i += 2)
            said += (said.empty() ? "" : " ") + plan.Arguments[i] + " " + plan.Arguments[i + 1];
        EXPECT_EQ(said, c.expected) << c.audio << c.subtitles;
        EXPECT_EQ(plan.TracksMapped, plan.Refusal.empty());
    }
}

// A silent source keeps nothing back for audio, within a target too.
// Samples give a constant-quality task its figure, spread over the part to
// convert (a short part is encoded whole) and scaled to its span; a
// bitrate profile keeps its own figure.
TEST(TaskPlan, TheSourceAndItsSamplesGoIntoTheEstimate)
{
    const auto avi = MakeProfilePlan(Load("AVI (MPEG-4 + MP3)"));
    const auto webm = MakeProfilePlan(Load("WebM (VP9 + Opus)"));
    ltvItemData task;
    task.Length = TTimeValue::FromSeconds(100);
    task.Start = TTimeValue::FromSeconds(10);
    task.Span = TTimeValue::FromSeconds(60);
    EXPECT_EQ(MakeTaskPlan(avi, task, {}, Untranslated, {true, 0}).EstimatedBytes,
              EstimatedBytes(avi->VideoBitrate, 60));
    EXPECT_EQ(MakeTaskPlan(avi, task, {}, Untranslated, {false, 5}).Estimate,
              TEstimateSource::Bitrates);
    EXPECT_EQ(PlanEstimateText(MakeTaskPlan(webm, task, {}, Untranslated, {false, 12000000})),
              "about 12.0 MB (from samples)");
    const TTaskPlan plan = MakeTaskPlan(webm, task, {});
    const std::vector<TEstimateSample> samples = EstimateSamples(plan, task);
    EXPECT_EQ(samples, (std::vector<TEstimateSample>{{19, 2}, {39, 2}, {59, 2}}));
    EXPECT_EQ(SampledTaskBytes(samples, {100, 200, 300}, 60), 6000);
    EXPECT_EQ(SampledTaskBytes(samples, {100, 0, 300}, 60), 0);
    const std::vector<std::string> sample = SampleArguments(plan, "in.mkv", samples[0], "0.webm");
    EXPECT_EQ(std::count(sample.begin(), sample.end(), "-ss"), 1);
    task.Span = TTimeValue::FromSeconds(8);
    EXPECT_EQ(EstimateSamples(plan, task), (std::vector<TEstimateSample>{{10, 8}}));
    task.TargetText = "60kB";
    task.Span = TTimeValue::FromSeconds(5);
    EXPECT_EQ(MakeTaskPlan(avi, task, {}, Untranslated, {true, 0}).Refusal, "");
}
