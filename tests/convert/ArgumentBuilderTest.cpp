// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ArgumentBuilder.h"
#include "encoder/EncoderArguments.h"
#include "encoder/TrackRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct BuildCase
{
    const char* name;
    const char* profile;
    // What the grids show: "group:label" -> value; other rows as loaded.
    std::map<std::string, std::string> grid;
    const char* expected;
};

class BuildArgumentsCase : public ::testing::TestWithParam<BuildCase>
{
protected:
    void SetUp() override
    {
        path = (fs::temp_directory_path() / ("quenby-args-" + std::to_string(::getpid()) + ".apf"))
                   .string();
    }
    void TearDown() override { fs::remove(path); }
    std::string path;
};

std::string LowerKey(int group, std::string name)
{
    for (char& ch : name)
        if (ch >= 'A' && ch <= 'Z')
            ch = char(ch - 'A' + 'a');
    return std::to_string(group) + ":" + name;
}

TEST_P(BuildArgumentsCase, CombinesProfileAndGrid)
{
    const BuildCase& c = GetParam();
    std::ofstream(path, std::ios::binary) << c.profile;
    std::map<std::string, std::string> grid;
    for (const auto& [key, value] : c.grid)
        grid[LowerKey(key[0] - '0', key.substr(2))] = value;
    TProfileChoice choice = LoadProfileChoice(path);
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i)
        if (const auto it =
                grid.find(LowerKey(choice.Parameters[i].Group, choice.Parameters[i].Name));
            it != grid.end())
            choice.Pick(i, it->second);
    EXPECT_EQ(BuildArguments(choice, {}), SplitCommandLineArguments(c.expected));
}

#define PICK_AB "[Main]\nPara=1\n0=P\n[P]\nSort=1\nCaption=A,B,\nValue=a1,b1,\ncmd=-x\n"

const BuildCase BuildCases[] = {
    {"ParaZero", "[Main]\nPara=0\n", {}, ""},
    {"PickedCaption", PICK_AB, {{"1:P", "B"}}, " -x b1"},
    {"PickedCaptionIgnoringCase", PICK_AB, {{"1:P", "b"}}, " -x b1"},
    {"TextThatIsNoCaptionPassesVerbatim", PICK_AB, {{"1:P", "640x480"}}, " -x 640x480"},
    {"EmptyValueItemAddsNothing",
     "[Main]\nPara=1\n0=P\n[P]\nSort=1\nCaption=A,B,\nValue=,b1,\ncmd=-x\n",
     {{"1:P", "A"}},
     ""},
    {"CaptionWithoutValueItemAddsNothing",
     "[Main]\nPara=2\n0=P\n1=Q\n[P]\nSort=1\nCaption=A,B,\nValue=a1,\ncmd=-x\n"
     "[Q]\nSort=1\nCaption=C,\nValue=c1,\ncmd=-y\n",
     {{"1:P", "B"}, {"1:Q", "C"}},
     " -y c1"},
    {"FlagSwitch",
     "[Main]\nPara=1\n0=F\n[F]\nSort=3\nCaption=Yes,\nValue=\\,\ncmd=-x\n",
     {{"3:F", "Yes"}},
     " -x "},
    {"TwoFlagSwitches",
     "[Main]\nPara=2\n0=F\n1=G\n[F]\nSort=3\nList=0\nReadOnly=1\nValue=\\\ncmd=-x\n"
     "[G]\nSort=3\nList=0\nReadOnly=1\nValue=\\\ncmd=-y\n",
     {},
     " -x  -y "},
    {"ReadOnlyTextSendsItsValue",
     "[Main]\nPara=1\n0=T\n[T]\nSort=2\nList=0\nReadOnly=1\nCaption=Auto\nValue=64\ncmd=-x\n",
     {{"2:T", "Auto"}},
     " -x 64"},
    {"EditableTextSendsWhatIsShown",
     "[Main]\nPara=1\n0=T\n[T]\nSort=2\nList=0\nReadOnly=0\nCaption=Auto\nValue=64\ncmd=-x\n",
     {{"2:T", "Auto"}},
     " -x Auto"},
    {"EmptyCmdAddsNothing",
     "[Main]\nPara=1\n0=P\n[P]\nSort=1\nCaption=A,\nValue=a1,\n",
     {{"1:P", "A"}},
     ""},
    {"TypedValueWithBlanksIsNotQuoted",
     "[Main]\nPara=1\n0=T\n[T]\nSort=1\nList=0\ncmd=-x\n",
     {{"1:T", "a b"}},
     " -x a b"},
    {"UnpickedListSendsItsStoredIndex", PICK_AB, {}, " -x a1"},
    {"StoredIndexMayPickAnEmptyCaption",
     "[Main]\nPara=1\n0=P\n[P]\nSort=1\nCaption=,A,\nValue=e1,a1,\ncmd=-x\n",
     {},
     " -x e1"},
    {"ParameterOrderWhateverTheGroups",
     "[Main]\nPara=2\n0=S\n1=T\n[S]\nSort=3\nList=0\ncmd=-s\n[T]\nSort=1\nList=0\ncmd=-t\n",
     {{"3:S", "1"}, {"1:T", "2"}},
     " -s 1 -t 2"},
    {"BadSortLooksInThePreviousGrid",
     "[Main]\nPara=2\n0=V\n1=X\n[V]\nSort=2\nList=0\ncmd=-v\n[X]\nSort=9\nList=0\ncmd=-x\n",
     {{"2:V", "1"}, {"2:X", "2"}, {"1:X", "wrong"}},
     " -v 1 -x 2"},
    {"BadFirstSortLooksInAdvanced",
     "[Main]\nPara=1\n0=X\n[X]\nList=0\ncmd=-x\n",
     {{"3:X", "adv"}, {"1:X", "video"}},
     " -x adv"},
    {"Latin1CaptionPicksItsValue",
     "[Main]\nPara=1\n0=Canal \xE9\n[Canal \xE9]\nSort=2\nCaption=Mono,St\xE9r\xE9o,\n"
     "Value=1,2,\ncmd=-ac\n",
     {{"2:Canal \xC3\xA9", "St\xC3\xA9r\xC3\xA9o"}},
     " -ac 2"},
    {"HugeParaEndsWithTheKeys",
     "[Main]\nPara=2000000000\n0=T\n[T]\nSort=1\nList=0\ncmd=-t\n",
     {{"1:T", "1"}},
     " -t 1"},
    {"CopyDropsWhatWouldChangeTheStream",
     "[Main]\nPara=4\n0=C\n1=S\n2=B\n3=A\n[C]\nSort=1\nList=0\ncmd=-c:v\n[S]\nSort=1\nList=0\n"
     "cmd=-s\n[B]\nSort=1\nList=0\ncmd=-b:v\n[A]\nSort=2\nList=0\ncmd=-b:a\n",
     {{"1:C", "copy"}, {"1:S", "640x480"}, {"1:B", "500k"}, {"2:A", "128k"}},
     " -c:v copy -b:a 128k"},
    {"BadIndexDoesNotStopBuilding",
     "[Main]\nPara=1\n0=P\n[P]\nSort=1\nCaption=A,\nValue=a1,\nIndex=7\ncmd=-x\n",
     {{"1:P", "A"}},
     " -x a1"},
};

INSTANTIATE_TEST_SUITE_P(Arguments, BuildArgumentsCase, ::testing::ValuesIn(BuildCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildArguments, MissingProfileGivesNothingButTheTrim)
{
    ltvItemData trimmed;
    trimmed.Start = TTimeValue::FromText("00:00:05");
    EXPECT_EQ(BuildArguments(LoadProfileChoice("/nonexistent/quenby/none.apf"), trimmed),
              (std::vector<std::string>{"-ss", "00:00:05"}));
}

} // namespace

TEST(BuildArgumentsTarget, PutsThePlannedRateInPlaceOfTheProfilesOwnAndEstimates)
{
    const std::string dir = QUENBY_SOURCE_DIR "/data/Profiles/";
    TProfileChoice vp9 = LoadProfileChoice(dir + "WebM (VP9 + Opus).apf");
    ltvItemData task;
    task.Span = task.Length = TTimeValue::FromSeconds(20);
    EXPECT_EQ(EstimateTaskBytes(vp9, task), -1); // "Auto": constant quality
    const std::vector<std::string> plain = BuildArguments(vp9, task);
    task.TargetText = "2 MB";
    const std::vector<std::string> words = BuildArguments(vp9, task);
    ASSERT_NE(std::find(words.begin(), words.end(), "674k"), words.end()); // less 96k of Opus
    EXPECT_EQ(std::count(words.begin(), words.end(), "-crf"), 0);
    EXPECT_EQ(EstimateText(EstimateTaskBytes(vp9, task)), "about 1.95 MB");
    task.TargetText = "100 kB"; // out of reach: the profile's own choices
    EXPECT_EQ(BuildArguments(vp9, task), plain);
    vp9.Pick(2, "1000 kbps");
    EXPECT_EQ(EstimateText(EstimateTaskBytes(vp9, task)), "about 2.77 MB");
    EXPECT_EQ(PlanTaskTarget(LoadProfileChoice(dir + "MP3 Audio.apf"), task).Refusal,
              "A target size needs a profile with video.");
    // PCM weighs what its samples weigh, whatever bitrate is asked.
    TProfileChoice pcm = LoadProfileChoice(dir + "AVI (MPEG-4 + MP3).apf");
    pcm.Pick(6, "PCM 16-bit");
    task.TargetText = "2 MB";
    EXPECT_EQ(PlanTaskTarget(pcm, task).Refusal, "A target size with PCM audio needs the profile "
                                                 "to set the sample rate and the channels.");
    pcm.Pick(8, "44100 Hz");
    pcm.Pick(9, "Stereo");
    EXPECT_EQ(PlanTaskTarget(pcm, task).Refusal,
              "The target is below what the audio alone takes (3.57 MB).");
}

TEST(WithTrackSwitches, JoinsABurnInToThePicturesOwnFilters)
{
    const std::vector<std::string> profile = {"-vf", "yadif", "-c:v", "mpeg4"};
    const std::vector<std::string> maps = {"-map", "0:V:0?"};
    EXPECT_EQ(
        WithTrackSwitches(profile, {maps, "subtitles=f", "", ""}),
        (std::vector<std::string>{"-map", "0:V:0?", "-vf", "yadif,subtitles=f", "-c:v", "mpeg4"}));
    EXPECT_EQ(WithTrackSwitches(profile, {maps, "overlay", "0:4", ""}),
              (std::vector<std::string>{"-filter_complex",
                                        "[0:V:0]yadif[picture];[picture][0:4]overlay[burnt]",
                                        "-map", "[burnt]", "-c:v", "mpeg4"}));
}
