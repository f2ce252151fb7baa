// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileWalker.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A scratch directory per test, removed afterwards.
class ProfileDir : public ScratchDirTest
{
protected:
    std::string Write(const std::string& name, const std::string& text)
    {
        return WriteFile(name, text);
    }
    static std::string Read(const std::string& path) { return ReadFile(path); }
};

// One visited parameter, as "group:name=shown" with markers for a pick list
// ("{items}") and a read-only flag ("!").
std::string Describe(const TProfileParameter& p)
{
    std::string text = std::to_string(p.Group) + ":" + p.Name + "=" + p.ShownValue();
    if (p.IsList) {
        text += "{";
        for (size_t k = 0; k < p.Items.size(); ++k)
            text += (k ? "|" : "") + p.Items[k];
        text += "}";
    }
    if (p.ReadOnly)
        text += "!";
    return text;
}

struct WalkCase
{
    const char* name;
    const char* file;
    TWalkStatus status;
    const char* type;
    std::vector<std::string> visited;
    int badIndex = 0;
};

class ProfileWalk : public ProfileDir, public ::testing::WithParamInterface<WalkCase>
{
};

TEST_P(ProfileWalk, VisitsParametersInOrderWithTheirGroups)
{
    const WalkCase& c = GetParam();
    const std::string path = Write("p.apf", c.file);
    std::vector<std::string> visited;
    const TProfileWalk walk =
        WalkProfile(path, [&](const TProfileParameter& p) { visited.push_back(Describe(p)); });
    EXPECT_EQ(walk.Status, c.status);
    EXPECT_EQ(walk.Type, c.type);
    EXPECT_EQ(visited, c.visited);
    if (c.status == TWalkStatus::ListIndexError) {
        EXPECT_EQ(walk.BadIndex, c.badIndex);
    }
}

const WalkCase WalkCases[] = {
    {"EmptyProfile", "[Main]\r\n", TWalkStatus::Complete, "mp4", {}},
    {"EmptyFileIsNoProfile", "", TWalkStatus::NoMainSection, "", {}},
    {"GarbageIsNoProfile",
     "PK\x03\x04\xFF[Mainly]\nType=avi\n;[Main]\n",
     TWalkStatus::NoMainSection,
     "",
     {}},
    {"TypeAndOnePickList",
     "[Main]\nType=avi\nPara=1\n0=Quality\n[Quality]\nSort=1\nCaption=Low,High,\nIndex=1\n",
     TWalkStatus::Complete,
     "avi",
     {"1:Quality=High{Low|High}"}},
    {"NumberedKeysOutOfOrderStillLoadInNumberOrder",
     "[Main]\nPara=2\n1=B\n0=A\n[A]\nSort=2\nList=0\nCaption=a\n[B]\nSort=3\nList=0\nCaption=b\n",
     TWalkStatus::Complete,
     "mp4",
     {"2:A=a", "3:B=b"}},
    {"TextAfterTheLastCommaIsNoItem",
     "[Main]\nPara=1\n0=Q\n[Q]\nSort=1\nCaption=Low,High\nIndex=0\n",
     TWalkStatus::Complete,
     "mp4",
     {"1:Q=Low{Low}"}},
    {"IndexBeyondTheItemsStopsAtThatParameter",
     "[Main]\nPara=3\n0=A\n1=Q\n2=C\n[A]\nSort=1\nList=0\nCaption=a\n"
     "[Q]\nSort=2\nCaption=Low,High\nIndex=1\n[C]\nSort=3\nList=0\nCaption=c\n",
     TWalkStatus::ListIndexError,
     "mp4",
     {"1:A=a", "2:Q={Low}"},
     1},
    {"NegativeIndex",
     "[Main]\nPara=1\n0=Q\n[Q]\nSort=1\nCaption=Low,\nIndex=-1\n",
     TWalkStatus::ListIndexError,
     "mp4",
     {"1:Q={Low}"},
     -1},
    {"EditableAndReadOnlyText",
     "[Main]\nPara=2\n0=E\n1=R\n[E]\nSort=1\nList=0\nReadOnly=0\nCaption=Auto\nValue=x\n"
     "[R]\nSort=1\nList=0\nReadOnly=1\nCaption=Auto\nValue=64\n",
     TWalkStatus::Complete,
     "mp4",
     {"1:E=Auto", "1:R=Auto!"}},
    {"BadSortLaterKeepsThePreviousGroup",
     "[Main]\nPara=2\n0=V\n1=X\n[V]\nSort=1\nList=0\nCaption=v\n[X]\nSort=4\nList=0\nCaption=x\n",
     TWalkStatus::Complete,
     "mp4",
     {"1:V=v", "1:X=x"}},
    {"BadFirstSortGoesToAdvanced",
     "[Main]\nPara=2\n0=X\n1=V\n[X]\nList=0\nCaption=x\n[V]\nSort=1\nList=0\nCaption=v\n",
     TWalkStatus::Complete,
     "mp4",
     {"3:X=x", "1:V=v"}},
    {"FewerParaThanNumberedKeys",
     "[Main]\nPara=1\n0=A\n1=B\n[A]\nSort=2\nList=0\nCaption=a\n[B]\nSort=2\nList=0\nCaption=b\n",
     TWalkStatus::Complete,
     "mp4",
     {"2:A=a"}},
    {"ParaLargerThanNumberedKeysEndsInAnEmptyPickList",
     "[Main]\nPara=2\n0=A\n[A]\nSort=2\nList=0\nCaption=a\n",
     TWalkStatus::ListIndexError,
     "mp4",
     {"2:A=a", "2:={}"},
     0},
    {"ListIsTheDefault",
     "[Main]\nPara=1\n0=Q\n[Q]\nSort=1\nCaption=a,,b,\nIndex=1\n",
     TWalkStatus::Complete,
     "mp4",
     {"1:Q={a||b}"}},
    {"ReadOnlyPickListKeepsItsFlag",
     "[Main]\nPara=1\n0=Q\n[Q]\nSort=1\nReadOnly=1\nCaption=a,b,\n",
     TWalkStatus::Complete,
     "mp4",
     {"1:Q=a{a|b}!"}},
};

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileWalk, ::testing::ValuesIn(WalkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileDir, MissingFileVisitsNothingAndCreatesNothing)
{
    const std::string path = (dir / "absent.apf").string();
    int visits = 0;
    const TProfileWalk walk = WalkProfile(path, [&](const TProfileParameter&) { ++visits; });
    EXPECT_EQ(walk.Status, TWalkStatus::Missing);
    EXPECT_EQ(visits, 0);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ProfileDir, NeitherACompleteNorAFailedWalkRewritesTheFile)
{
    const std::string good = Write("good.apf", "[Main]\nPara=1\n0=Q\n[Q]\nCaption=a,\n");
    const std::string bad = Write("bad.apf", "[Main]\nPara=1\n0=Q\n[Q]\nCaption=a\n");
    WalkProfile(good, [](const TProfileParameter&) {});
    WalkProfile(bad, [](const TProfileParameter&) {});
    EXPECT_EQ(Read(good), "[Main]\nPara=1\n0=Q\n[Q]\nCaption=a,\n");
    EXPECT_EQ(Read(bad), "[Main]\nPara=1\n0=Q\n[Q]\nCaption=a\n");
}

TEST_F(ProfileDir, IgnoringIndexWalksPastABadOne)
{
    const std::string path = Write("p.apf", "[Main]\nPara=2\n0=Q\n1=R\n[Q]\nCaption=a\n[R]\n");
    int visits = 0;
    const TProfileWalk walk = WalkProfile(
        path, [&](const TProfileParameter&) { ++visits; }, TIndexCheck::IgnoreIndex);
    EXPECT_EQ(walk.Status, TWalkStatus::Complete);
    EXPECT_EQ(visits, 2);
}

// "Para" far beyond the keys that exist: the walk ends with the keys. The
// visit stops a walk that runs on, so that a fault fails instead of hanging.
TEST_F(ProfileDir, AHugeParaWalksOnlyTheNumbersThatHaveKeys)
{
    const std::string path =
        Write("p.apf", "[Main]\nPara=2000000000\n0=Q\n1=R\n15=S\n[Q]\nList=0\n[R]\nList=0\n"
                       "[S]\nList=0\n");
    const auto walk = [&](TIndexCheck check) {
        std::vector<int> numbers;
        const TProfileWalk result = WalkProfile(
            path,
            [&](const TProfileParameter& p) {
                numbers.push_back(p.Number);
                if (numbers.size() > 100)
                    throw std::runtime_error("the walk runs on");
            },
            check);
        return std::make_pair(result.Status, numbers);
    };
    EXPECT_EQ(walk(TIndexCheck::IgnoreIndex),
              std::make_pair(TWalkStatus::Complete, std::vector<int>{0, 1, 2, 15, 16}));
    // A load stops at the first number without a key, as it always has.
    EXPECT_EQ(walk(TIndexCheck::StopAtBadIndex),
              std::make_pair(TWalkStatus::ListIndexError, std::vector<int>{0, 1, 2}));
}

TEST_F(ProfileDir, TextsThatAreNotUtf8AreReadAsLatin1AndSectionsByTheirBytes)
{
    const std::string path = Write("p.apf", "[Main]\nType=avi\nPara=1\n0=Canal \xE9\n"
                                            "[Canal \xE9]\nCaption=Mono,St\xE9r\xE9o,\n"
                                            "Value=1,2,\nIndex=1\ncmd=-ac\n");
    std::vector<TProfileParameter> visited;
    WalkProfile(path, [&](const TProfileParameter& p) { visited.push_back(p); });
    ASSERT_EQ(visited.size(), 1u);
    EXPECT_EQ(visited[0].Name, "Canal \xC3\xA9");
    EXPECT_EQ(visited[0].Section, "Canal \xE9");
    EXPECT_EQ(visited[0].ShownValue(), "St\xC3\xA9r\xC3\xA9o");
    EXPECT_EQ(visited[0].Value, "1,2,");
    EXPECT_EQ(visited[0].Cmd, "-ac");
}

TEST_F(ProfileDir, ReadOnlyFileAfterReadingStaysSilent)
{
    const std::string path = Write("p.apf", "[Main]\nType=avi\n");
    fs::permissions(path, fs::perms::owner_read);
    TProfileWalk walk;
    EXPECT_NO_THROW(walk = WalkProfile(path, [](const TProfileParameter&) {}));
    EXPECT_EQ(Read(path), "[Main]\nType=avi\n");
    EXPECT_EQ(walk.Status, TWalkStatus::Complete);
    EXPECT_EQ(walk.Type, "avi");
}

struct SplitCase
{
    const char* text;
    std::vector<std::string> items;
};

class SplitListCase : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitListCase, TakesEveryCommaTerminatedItem)
{
    EXPECT_EQ(SplitList(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(Profiles, SplitListCase,
                         ::testing::Values(SplitCase{"a,b,c,", {"a", "b", "c"}},
                                           SplitCase{"a,b,c,x", {"a", "b", "c"}},
                                           SplitCase{"a", {}}, SplitCase{"", {}},
                                           SplitCase{"a,,b,", {"a", "", "b"}}, SplitCase{",", {""}},
                                           SplitCase{" a , b,", {" a ", " b"}}));

TEST_F(ProfileDir, CatalogueListsProfileFilesByNameIgnoringCase)
{
    Write("b.apf", "");
    Write("a.APF", "");
    Write("c.apf.txt", "");
    Write(".hidden.apf", "");
    Write("C.apf", "");
    fs::create_directories(dir / "d.apf");
    EXPECT_EQ(ListFilesWithExt(dir.string(), ".apf"),
              (std::vector<std::string>{".hidden.apf", "a.APF", "b.apf", "C.apf"}));
    // Without a trailing separator too, and with the extension in capitals.
    EXPECT_EQ(ListFilesWithExt(dir.string() + "/", ".APF").size(), 4u);
}

TEST_F(ProfileDir, CatalogueOfAMissingDirectoryIsEmpty)
{
    EXPECT_TRUE(ListFilesWithExt((dir / "none").string(), ".apf").empty());
}

TEST(ProfileLists, IndexOfIgnoresCaseAndTakesTheFirstMatch)
{
    const std::vector<std::string> items = {"Low", "high", "HIGH"};
    EXPECT_EQ(IndexOfIgnoringCase(items, "HIGH"), 1);
    EXPECT_EQ(IndexOfIgnoringCase(items, "low"), 0);
    EXPECT_EQ(IndexOfIgnoringCase(items, "mid"), -1);
}

} // namespace
