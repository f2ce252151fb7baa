// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileSaver.h"

#include "base/NewInifiles.h"
#include "fixtures/ScratchDir.h"
#include "profiles/ProfileWalker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A profile with one parameter of every kind the saver tells apart, each
// section written out so that the expected file can be spelled the same way.
struct Section
{
    const char* name;
    std::string body;
};

const std::vector<Section> Sections = {
    {"Codec", "Sort=1\r\nCaption=H.264,MPEG-4,\r\nValue=h264,mpeg4,\r\nIndex=0\r\n"}, // no "List"
    {"Size", "Sort=1\r\nList=1\r\nCaption=Original,640x480,\r\nValue=,640x480,\r\nIndex=0\r\n"},
    {"Rate", "Sort=1\r\nList=0\r\nReadOnly=0\r\nCaption=1000k\r\nValue=1000k\r\n"},
    {"Fixed", "Sort=3\r\nList=0\r\nReadOnly=1\r\nCaption=Shown\r\nValue=sent\r\n"},
    {"Locked", "Sort=2\r\nList=1\r\nReadOnly=1\r\nCaption=A,B,\r\nValue=a,b,\r\nIndex=0\r\n"},
    {"Odd", "Sort=2\r\nCaption=A,B,\r\nValue=a,b,\r\nIndex=1\r\n"},
    {"Gone", "Sort=2\r\nList=0\r\nCaption=keep\r\nValue=keep\r\n"},
    {"Name", "Sort=3\r\nList=0\r\nCaption=St\xE9r\xE9o\r\nValue=St\xE9r\xE9o\r\n"},
};

std::string ProfileText(const std::map<std::string, std::string>& replaced = {})
{
    std::string text = "[Main]\r\nType=mp4\r\nPara=" + std::to_string(Sections.size()) + "\r\n";
    for (size_t i = 0; i < Sections.size(); ++i)
        text += std::to_string(i) + "=" + Sections[i].name + "\r\n";
    for (const Section& s : Sections) {
        const auto it = replaced.find(s.name);
        text += std::string("[") + s.name + "]\r\n" + (it == replaced.end() ? s.body : it->second);
    }
    return text;
}

using Grids = std::map<std::pair<int, std::string>, TShownRow>;

TShownRowLookup LookupIn(const Grids& grids)
{
    return [&grids](int group, const std::string& name, TShownRow& row) {
        const auto it = grids.find({group, name});
        if (it == grids.end())
            return false;
        row = it->second;
        return true;
    };
}

class ProfileSave : public ScratchDirTest
{
};

TEST_F(ProfileSave, WritesEditableValuesOnlyAndKeepsWhatCannotBeShownRight)
{
    const std::string path = WriteFile("p.apf", ProfileText());
    const Grids grids = {
        {{1, "Codec"}, {"mpeg-4", {"H.264", "MPEG-4"}}}, // matched ignoring case
        {{1, "Size"}, {"640x480", {"Original", "640x480"}}},
        {{1, "Rate"}, {"2500k", {}}},
        {{3, "Fixed"}, {"Edited", {}}},          // read-only text: never written
        {{2, "Locked"}, {"B", {"A", "B"}}},      // read-only list: never written
        {{2, "Odd"}, {"C", {"A", "B"}}},         // not a choice: the Index stays
        {{3, "Name"}, {"St\u00e9r\u00e9o", {}}}, // as loaded from Latin-1
        {{1, "Gone"}, {"elsewhere", {}}},        // another group's row is not its row
    };
    SaveShownRows(path, LookupIn(grids));

    EXPECT_EQ(
        ReadFile(path),
        ProfileText({
            {"Codec", "Sort=1\r\nCaption=H.264,MPEG-4,\r\nValue=h264,mpeg4,\r\nIndex=1\r\n"},
            {"Size",
             "Sort=1\r\nList=1\r\nCaption=Original,640x480,\r\nValue=,640x480,\r\nIndex=1\r\n"},
            {"Rate", "Sort=1\r\nList=0\r\nReadOnly=0\r\nCaption=2500k\r\nValue=2500k\r\n"},
        }));
    // The saved profile loads again in full.
    EXPECT_EQ(WalkProfile(path, [](const TProfileParameter&) {}).Status, TWalkStatus::Complete);
}

TEST_F(ProfileSave, AnEditedTextGoesInAsUtf8AndAMissingFileStaysMissing)
{
    const std::string path = WriteFile("p.apf", ProfileText());
    SaveShownRows(path, LookupIn({{{3, "Name"}, {"Mono \u00e9", {}}}}));
    EXPECT_EQ(TNewInifile(path).ReadString("Name", "Value", ""), "Mono \xC3\xA9");

    const std::string missing = (dir / "missing.apf").string();
    SaveShownRows(missing, LookupIn({}));
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ProfileSave, AFileThatCannotBeWrittenIsReportedAndKept)
{
    const std::string path = WriteFile("p.apf", ProfileText());
    fs::permissions(path, fs::perms::owner_read);
    try {
        SaveShownRows(path, LookupIn({{{1, "Rate"}, {"1", {}}}}));
        FAIL() << "no error";
    } catch (const EIniWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("p.apf"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("Permission denied"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(path), ProfileText());
}

TEST_F(ProfileSave, CopyReplacesTheTargetOrReportsWhyItCannot)
{
    const std::string source = WriteFile("source.apf", ProfileText());
    const std::string target = WriteFile("target.apf", "[Main]\r\nPara=0\r\n");
    CopyProfileFile(source, target);
    EXPECT_EQ(ReadFile(target), ProfileText());
    EXPECT_EQ(ReadFile(source), ProfileText());

    const std::string locked = WriteFile("locked.apf", "old");
    fs::permissions(locked, fs::perms::owner_read);
    const struct
    {
        std::string source;
        std::string target;
        const char* reason;
    } failures[] = {
        {source, (dir / "no dir" / "x.apf").string(), "No such file or directory"},
        {source, locked, "Permission denied"},
        {(dir / "gone.apf").string(), (dir / "y.apf").string(), "No such file or directory"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.target);
        try {
            CopyProfileFile(f.source, f.target);
            ADD_FAILURE() << "no error";
        } catch (const EIniWriteError& error) {
            EXPECT_NE(std::string(error.what()).find(f.reason), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(ReadFile(locked), "old");
    EXPECT_FALSE(fs::exists(dir / "y.apf"));
}

} // namespace
