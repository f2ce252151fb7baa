// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchRules.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

TEST(BatchRules, ProgressTimeInBothFormsAndOnlyWithATerminatingBlank)
{
    struct Case
    {
        const char* chunk;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"frame=  1 time=50.0 bitrate", 50.0},
        {"size= 256kB time=00:00:07.68 bitrate= 698.9kbits/s\r", 7.68},
        {"time=01:00:00.00 x", 3600.0},
        {"time:12.5 x", 12.5},               // any one character after the word
        {"time=12.5", std::nullopt},         // no blank after the token
        {"no progress here ", std::nullopt}, // no "time" at all
        {"time=N/A bitrate=N/A ", std::nullopt},
        {"time=1,5 ", std::nullopt}, // the separator is always "."
        {"time= 3 ", std::nullopt},  // the token before the blank is empty
        {"tim", std::nullopt},
        {"time", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseProgressTime(c.chunk);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.chunk;
        if (parsed) {
            EXPECT_DOUBLE_EQ(*parsed, *c.expected) << c.chunk;
        }
    }
}

TEST(BatchRules, ProgressReaderFollowsTheTimeFieldOnceItAppears)
{
    struct Step
    {
        const char* chunk;
        double current;
    };
    struct Case
    {
        const char* name;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"a title read before progress is withdrawn",
         {{"    title           : time 30 x\n", 30},
          {"frame=  5 size=N/A time=00:00:00.20 bitrate=N/A\r", 0.2},
          {"frame= 50 size=1kB time=00:00:02.00 bitrate=4k\r", 2.0}}},
        {"a title after progress is not read",
         {{"size=1kB time=1.5 bitrate=1k\r", 1.5}, {"comment : time 30 x\n", 1.5}}},
        {"a title in the same chunk as progress is not read",
         {{"comment : time 30 x\nframe=1 time=00:00:00.50 x\r", 0.5}}},
        {"the largest complete field of a chunk counts",
         {{"time=1.0 x\rtime=2.0 x\rtime=3.", 2.0}, {"0 x\rtime=3.5 b", 3.5}}},
        {"time never moves back", {{"time=5.0 x", 5.0}, {"time=4.0 x", 5.0}, {"time=N/A x", 5.0}}},
        {"output without the field keeps the older reading",
         {{"pos time 4.5 s", 4.5}, {"pos time 4.0 s", 4.5}, {"pos time 6.0 s", 6.0}}},
    };
    for (const Case& c : cases) {
        TProgressReader reader;
        for (const Step& step : c.steps) {
            reader.Read(step.chunk);
            EXPECT_DOUBLE_EQ(reader.Current(), step.current) << c.name << ": " << step.chunk;
        }
    }
}

TEST(BatchRules, ProgressReaderTellsWhetherTheTimeChanged)
{
    TProgressReader reader;
    EXPECT_FALSE(reader.Read("banner\n"));
    EXPECT_TRUE(reader.Read("time=1.0 x"));
    EXPECT_FALSE(reader.Read("time=1.0 x"));
}

TEST(BatchRules, AnUnknownLengthCountsNothingInTheTotal)
{
    ltvItemData task;
    task.Span.Seconds = 12.5;
    EXPECT_EQ(SecondsInTotal(task), 12.5);
    task.Span.Seconds = -1;
    EXPECT_EQ(SecondsInTotal(task), 0);
}

TEST(BatchRules, PercentagesRoundHalvesToEvenAndStayInRange)
{
    EXPECT_EQ(ProgressPercent(50, 100), 50);
    EXPECT_EQ(ProgressPercent(50, 300), 17);
    EXPECT_EQ(ProgressPercent(1, 8), 12); // 12.5
    EXPECT_EQ(ProgressPercent(3, 8), 38); // 37.5
    EXPECT_EQ(ProgressPercent(150, 100), 100);
    EXPECT_EQ(ProgressPercent(-5, 100), 0);
}

TEST(BatchRules, RemainingTimeFromElapsedAndTotalPercent)
{
    EXPECT_EQ(EstimateRemainingSeconds(30, 25), 90);
    EXPECT_EQ(EstimateRemainingSeconds(10, 100), 0);
    EXPECT_EQ(EstimateRemainingSeconds(1, 3), 32); // 32.33
}

TEST(BatchRules, TrimSwitchesOnlyForATrimmedTask)
{
    ltvItemData task;
    task.Length.Seconds = 100;
    task.FullStart.Seconds = 0;
    task.Start = TTimeValue::FromText("00:00:10");
    task.Span.Seconds = 50;
    EXPECT_EQ(TrimSwitches(task), (std::vector<std::string>{"-ss", "00:00:10", "-t", "50"}));

    task.Start.Seconds = 0;
    task.Span.Seconds = 100;
    EXPECT_TRUE(TrimSwitches(task).empty());
}

TEST(BatchRules, SpanSwitchKeepsTenthsSoShortTrimsAreNotEmptied)
{
    const struct
    {
        double seconds;
        const char* text;
    } cases[] = {{50, "50"},    {50.4, "50.4"}, {0.4, "0.4"},  {12.5, "12.5"},
                 {2.25, "2.2"}, {59.96, "60"},  {-0.4, "-0.4"}};
    for (const auto& c : cases)
        EXPECT_EQ(SpanSwitchValue(c.seconds), c.text) << c.seconds;
}

class OutputNaming : public ScratchDirTest
{
protected:
    void SetUp() override
    {
        ScratchDirTest::SetUp();
        out = dir.string() + "/";
    }
    void Touch(const std::string& name) { std::ofstream(out + name) << "x"; }
    static bool Exists(const std::string& path) { return fs::exists(path); }
    OutputNameRequest Request(bool rename) const
    {
        OutputNameRequest r;
        r.OutputDir = out;
        r.NewName = "clip";
        r.OutputExt = ".mp4";
        r.Position = 3;
        r.Rename = rename;
        return r;
    }
    std::string Choose(const OutputNameRequest& request) const
    {
        return ChooseOutputPath(request, Exists,
                                [this](const std::string& p) { return names.IsTaken(p); });
    }

    std::string out;
    TRunNames names{{"/elsewhere/clip.avi"}};
};

TEST_F(OutputNaming, PlainNameWhenFreeOrWhenOverwriting)
{
    EXPECT_EQ(Choose(Request(true)), out + "clip.mp4");
    Touch("clip.mp4");
    EXPECT_EQ(Choose(Request(false)), out + "clip.mp4");
}

// The indexed name ends with the profile's extension, whatever the task
// recorded when it was added: the encoder picks the format by it.
TEST_F(OutputNaming, NotOverwriteTakesTheIndexedNameAndNeverReplacesOne)
{
    Touch("clip.mp4");
    EXPECT_EQ(Choose(Request(true)), out + "clip_3.mp4");
    Touch("clip_3.mp4");
    Touch("clip_3_2.mp4");
    EXPECT_EQ(Choose(Request(true)), out + "clip_3_3.mp4");
}

TEST_F(OutputNaming, TheInputIsNeverTheOutputWhateverItsSpelling)
{
    Touch("clip.avi");
    fs::create_directories(dir / "sub");
    fs::create_symlink(out + "clip.avi", out + "link.avi");

    OutputNameRequest r = Request(false);
    r.OutputExt = ".avi";
    const std::string spellings[] = {out + "clip.avi", out + "sub/../clip.avi", out + "./clip.avi",
                                     out + "link.avi"};
    for (const std::string& input : spellings) {
        names = TRunNames({input});
        EXPECT_EQ(Choose(r), out + "clip_3.avi") << input;
    }

    // A relative spelling of the same file.
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    names = TRunNames({"clip.avi"});
    EXPECT_EQ(Choose(r), out + "clip_3.avi");
    fs::current_path(cwd);
}

// With a.avi and a.mp4 both in the batch, a.avi's output must not become
// a.mp4, which is still to be converted.
TEST_F(OutputNaming, NoInputOfTheBatchIsEverAnOutput)
{
    Touch("clip.avi");
    Touch("clip.mp4");
    names = TRunNames({out + "clip.avi", out + "clip.mp4"});
    EXPECT_EQ(Choose(Request(false)), out + "clip_3.mp4");
    Touch("clip_3.mp4");
    names = TRunNames({out + "clip.avi", out + "clip.mp4", out + "clip_3.mp4"});
    EXPECT_EQ(Choose(Request(false)), out + "clip_3_2.mp4");
}

// x/clip.avi and y/clip.wmv into one folder: the second output must not
// replace the first, whichever collision setting is chosen; a file that was
// there before the batch is still replaced with "Overwrite".
TEST_F(OutputNaming, AnOutputOfTheRunIsNeverReplacedByALaterOne)
{
    Touch("clip.mp4");
    EXPECT_EQ(Choose(Request(false)), out + "clip.mp4") << "there before the batch";
    names.Reserve(out + "clip.mp4");
    for (const bool rename : {false, true}) {
        OutputNameRequest r = Request(rename);
        r.Position = 2;
        EXPECT_EQ(Choose(r), out + "clip_2.mp4") << rename;
    }
    names.Reserve(out + "clip_2.mp4");
    OutputNameRequest r = Request(false);
    r.Position = 2;
    EXPECT_EQ(Choose(r), out + "clip_2_2.mp4") << "the further counter";

    names.Release(out + "clip_2.mp4");
    EXPECT_EQ(Choose(r), out + "clip_2.mp4") << "a failed task gives its name back";
}

TEST_F(OutputNaming, OverwriteReplacesTheIndexedNameOfTheSameFileCase)
{
    Touch("clip.avi");
    Touch("clip_3.avi");
    OutputNameRequest r = Request(false);
    r.OutputExt = ".avi";
    names = TRunNames({out + "clip.avi"});
    EXPECT_EQ(Choose(r), out + "clip_3.avi");
}

// Between a task's start and its end another run took the chosen name and
// the next: each name is tried in the rule's order, the run's own skipped.
TEST_F(OutputNaming, PlacementTakesTheRulesNextFreeNameAndStopsAtOtherErrors)
{
    std::set<std::string> entries{out + "clip.mp4", out + "clip_3.mp4"};
    names.Reserve(out + "clip_3_2.mp4");
    std::vector<std::string> tried;
    const auto move = [&](const std::string&, const std::string& to) {
        tried.push_back(to);
        return entries.insert(to).second ? 0 : EEXIST;
    };
    const auto taken = [this](const std::string& p) {
        return names.IsTaken(p);
    };
    const TPlacement placed = PlaceOutput(out + ".work.mp4", Request(true), 0, taken, move);
    EXPECT_EQ(placed.Path, out + "clip_3_3.mp4");
    EXPECT_EQ(placed.Error, 0);
    EXPECT_EQ(tried, std::vector<std::string>({out + "clip.mp4", out + "clip_3.mp4", placed.Path}));

    const auto refused = [](const std::string&, const std::string&) {
        return EACCES;
    };
    const TPlacement failed = PlaceOutput(out + ".work.mp4", Request(true), 1, taken, refused);
    EXPECT_EQ(failed.Path, out + "clip_3.mp4");
    EXPECT_EQ(failed.Error, EACCES);
}

TEST(BatchRules, WorkingNamesCarryTheHostAndProcessAndReadBackOnlyInTheirShape)
{
    const std::pair<const char*, const char*> hosts[] = {{"build-01", "build-01"},
                                                         {"node7.example.org", "node7exampleorg"},
                                                         {"caf\xC3\xA9_2", "caf2"},
                                                         {"", "host"},
                                                         {"..", "host"}};
    for (const auto& [name, tag] : hosts)
        EXPECT_EQ(HostTag(name), tag) << name;

    const std::string path = WorkingOutputPath("/out/", ".mp4", "node-7", 4242, 3);
    EXPECT_EQ(path, "/out/.quenby-node-7-4242-3.mp4");
    EXPECT_EQ(ParseWorkingName(ExtractFileName(path)), (TWorkingName{"node-7", 4242, 3}));
    for (const char* other :
         {".quenby-4242-3.mp4", ".quenby-node-x-3.mp4", ".quenby-node-42-.mp4", ".quenby--42-3.mp4",
          ".quenby-node-42-3", "quenby-node-42-3.mp4", ".quenby-no_de-42-3.mp4",
          ".quenby-node-0-3.mp4", ".quenby-node-+42-3.mp4"})
        EXPECT_FALSE(ParseWorkingName(other)) << other;
}

TEST(BatchRules, LastEncoderMessageSkipsProgressBlankAndClosingLines)
{
    EXPECT_EQ(LastEncoderMessage("banner\nUnknown encoder 'xyz'\r\n"), "Unknown encoder 'xyz'");
    EXPECT_EQ(LastEncoderMessage("Error opening output\nframe=  10 fps=0.0 size=  1kB "
                                 "time=00:00:01.00 bitrate=1.0kbits/s\r  \r"),
              "Error opening output");
    EXPECT_EQ(LastEncoderMessage("[mpeg1video @ 0x1] MPEG-1/2 does not support 15/1 fps\n"
                                 "Error initializing output stream 0:0 -- Error while opening "
                                 "encoder\nConversion failed!\n"),
              "Error initializing output stream 0:0 -- Error while opening encoder");
    EXPECT_EQ(LastEncoderMessage("bad.avi: Invalid data\n Conversion failed! \r\n"),
              "bad.avi: Invalid data");
    EXPECT_EQ(LastEncoderMessage("Conversion failed!\n"), "");
    EXPECT_EQ(LastEncoderMessage(""), "");
}
