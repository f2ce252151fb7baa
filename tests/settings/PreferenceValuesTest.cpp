// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PreferenceValues.h"

#include "base/NewInifiles.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

const std::string AppDir = "/opt/quenby/";

class PreferenceFile : public ScratchDirTest
{
protected:
    void SetUp() override
    {
        ScratchDirTest::SetUp();
        path = (dir / PreferencesFileName).string();
    }

    TPreferences Read(const std::string& text, const std::string& section)
    {
        std::ofstream(path, std::ios::binary) << text;
        const TNewInifile store(path);
        return ReadPreferenceValues(store, section, AppDir);
    }

    std::string path;
};

struct ReadCase
{
    const char* name;
    const char* file;
    const char* section;
    TPreferences expected;
};

class PreferenceRead : public PreferenceFile, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(PreferenceRead, GivesTheStoredValueOrTheSectionsDefault)
{
    const ReadCase& c = GetParam();
    const TPreferences values = Read(c.file, c.section);
    EXPECT_EQ(values.OutputPath, c.expected.OutputPath);
    EXPECT_EQ(values.SynMode, c.expected.SynMode);
    EXPECT_EQ(values.AutoOpenDir, c.expected.AutoOpenDir);
    EXPECT_EQ(values.AutoExit, c.expected.AutoExit);
    EXPECT_EQ(values.AutoTurnOff, c.expected.AutoTurnOff);
    EXPECT_EQ(values.Overwrite, c.expected.Overwrite);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, PreferenceRead,
    ::testing::Values(
        ReadCase{"NoFileMain", "", "Main", {AppDir, 0, true, false, false, true}},
        ReadCase{"NoFileDefault", "", "Default", {AppDir, 0, false, false, false, true}},
        ReadCase{"StoredMain",
                 "[Main]\r\nOutput Path=/videos/\r\nSyn Mode=2\r\nAuto Open Dir=0\r\n"
                 "Auto Exit=1\r\nAuto Turn Off=True\r\nOverwrite=false\r\n",
                 "Main",
                 {"/videos/", 2, false, true, true, false}},
        ReadCase{"GarbageInMain",
                 "[Main]\r\nOutput Path=/v/\r\nSyn Mode=two\r\nAuto Open Dir=maybe\r\n"
                 "Auto Exit=maybe\r\nAuto Turn Off=maybe\r\nOverwrite=maybe\r\n",
                 "Main",
                 {"/v/", 0, true, false, false, true}},
        ReadCase{"GarbageInDefault",
                 "[Default]\r\nOutput Path=/v/\r\nSyn Mode=two\r\nAuto Open Dir=maybe\r\n"
                 "Auto Exit=maybe\r\nAuto Turn Off=maybe\r\nOverwrite=maybe\r\n",
                 "Default",
                 {"/v/", 0, false, false, false, true}},
        ReadCase{"EmptyOutputPathIsKept",
                 "[Main]\r\nOutput Path=\r\nAuto Exit=\r\n",
                 "Main",
                 {"", 0, true, false, false, true}},
        ReadCase{"DefaultIgnoresMain",
                 "[Main]\r\nOutput Path=/mine/\r\nAuto Exit=1\r\n[Default]\r\nSyn Mode=1\r\n",
                 "Default",
                 {AppDir, 1, false, false, false, true}},
        ReadCase{"MainIgnoresDefault",
                 "[Main]\r\nVersion=1.5\r\n[Default]\r\nOutput Path=/inst/\r\nAuto Exit=1\r\n",
                 "Main",
                 {AppDir, 0, true, false, false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferenceFile, ProfileIndexDefaultsToTheFirstAndKeepsMinusOne)
{
    std::ofstream(path, std::ios::binary) << "[Main]\r\nVersion=1.5\r\n";
    EXPECT_EQ(ReadProfileIndex(TNewInifile(path)), 0);
    std::ofstream(path, std::ios::binary) << "[Main]\r\nProfile=-1\r\n";
    EXPECT_EQ(ReadProfileIndex(TNewInifile(path)), -1);
    std::ofstream(path, std::ios::binary) << "[Main]\r\nProfile=x\r\n";
    EXPECT_EQ(ReadProfileIndex(TNewInifile(path)), 0);
}

TEST_F(PreferenceFile, WritesTheKeysInTheFilesOrderAndReadsThemBack)
{
    auto store = std::make_unique<TNewInifile>(path);
    WriteProfileIndex(*store, -1);
    WritePreferenceValues(*store, {"/out dir/", 1, false, true, true, false});
    TNewInifile::SaveAndFree(std::move(store));

    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The store puts each new key directly below the header, so a file
    // written from scratch lists them in reverse order of writing.
    EXPECT_EQ(text, "[Main]\r\nOverwrite=0\r\nAuto Turn Off=1\r\nAuto Exit=1\r\n"
                    "Auto Open Dir=0\r\nSyn Mode=1\r\nOutput Path=/out dir/\r\nProfile=-1\r\n");

    const TPreferences back = Read(text, "Main");
    EXPECT_EQ(back.OutputPath, "/out dir/");
    EXPECT_EQ(back.SynMode, 1);
    EXPECT_FALSE(back.AutoOpenDir);
    EXPECT_TRUE(back.AutoExit);
    EXPECT_TRUE(back.AutoTurnOff);
    EXPECT_FALSE(back.Overwrite);
}

// Each key written only once it differs from its default: one value changed
// per row. A file that never had the key keeps its bytes; once written, the
// key stays, also back at its default.
TEST_F(PreferenceFile, AKeyAtItsDefaultIsWrittenOnlyOnceChanged)
{
    const std::pair<const char*, void (*)(TPreferences&)> rows[] = {
        {"Simultaneous Tasks",
         [](TPreferences& p) {
             p.SimultaneousTasks = 3;
         }},
        {"Show Thumbnails",
         [](TPreferences& p) {
             p.ShowThumbnails = false;
         }},
        {"Check Quality",
         [](TPreferences& p) {
             p.CheckQuality = true;
         }},
        {"Language",
         [](TPreferences& p) {
             p.Language = "de";
         }},
        {"Audio Tracks",
         [](TPreferences& p) {
             p.AudioTracks = "eng,fra";
         }},
        {"Subtitles", [](TPreferences& p) {
             p.Subtitles = "burn";
         }}};
    for (const auto& [key, change] : rows) {
        fs::remove(path);
        TPreferences changed;
        change(changed);
        for (const auto& [values, kept] :
             {std::pair{TPreferences(), false}, std::pair{changed, true},
              std::pair{TPreferences(), true}}) {
            auto store = std::make_unique<TNewInifile>(path);
            WritePreferenceValues(*store, values);
            TNewInifile::SaveAndFree(std::move(store));
            EXPECT_EQ(TNewInifile(path).ValueExists("Main", key), kept) << key;
            EXPECT_EQ(LoadPreferences(TNewInifile(path), "/"), values) << key;
        }
    }
}

// What is read and written back at close leaves every file as it was.
TEST_F(PreferenceFile, AFileReadAndSavedAgainKeepsItsBytes)
{
    const std::string keys = "Output Path=/v/\r\nSyn Mode=2\r\nAuto Open Dir=0\r\nAuto Exit=1\r\n"
                             "Auto Turn Off=0\r\nOverwrite=0\r\n";
    for (const std::string& text :
         {"[Main]\r\nVersion=1.5\r\n" + keys + "Profile=3\r\n[Default]\r\nAuto Open Dir=1\r\n",
          "[Main]\r\nProfile=-1\r\n" + keys +
              "Simultaneous Tasks=1\r\nShow Thumbnails=1\r\n"
              "Check Quality=0\r\nLanguage=\r\nAudio Tracks=first\r\nSubtitles=none\r\n",
          "[Main]\r\nSubtitles=keep\r\nLanguage=fr\r\n" + keys +
              "Check Quality=1\r\n"
              "Show Thumbnails=0\r\nAudio Tracks=eng\r\nSimultaneous Tasks=2\r\nProfile=0\r\n"}) {
        std::ofstream(path, std::ios::binary) << text;
        auto store = std::make_unique<TNewInifile>(path);
        const TPreferences values = LoadPreferences(*store, AppDir);
        WriteProfileIndex(*store, values.Profile);
        WritePreferenceValues(*store, values);
        TNewInifile::SaveAndFree(std::move(store));
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
    }
}

TEST_F(PreferenceFile, WritingLeavesTheDefaultSectionAndTheVersionAlone)
{
    const std::string installed = "[Main]\r\nVersion=1.5\r\n[Default]\r\nAuto Open Dir=1\r\n";
    std::ofstream(path, std::ios::binary) << installed;
    auto store = std::make_unique<TNewInifile>(path);
    WritePreferenceValues(*store, {"/o/", 0, true, false, false, true});
    TNewInifile::SaveAndFree(std::move(store));

    const TNewInifile reread(path);
    EXPECT_EQ(reread.ReadString("Main", "Version", ""), "1.5");
    EXPECT_EQ(reread.ReadString("Main", "Output Path", ""), "/o/");
    EXPECT_EQ(reread.ReadString("Default", "Output Path", "none"), "none");
    EXPECT_TRUE(reread.ReadBool("Default", "Auto Open Dir", false));
}

} // namespace
