// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessJob.h"
#include "cli/HeadlessOptions.h"
#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

namespace {

// An application directory with the profiles "a" and "b" and preferences
// that name the second profile, a saved output directory and "Rename";
// written without a final line end, which any rewrite would add.
class HeadlessJobTest : public ScratchDirTest
{
protected:
    void SetUp() override
    {
        ScratchDirTest::SetUp();
        app = dir.string() + "/";
        std::filesystem::create_directories(dir / "Profiles");
        std::filesystem::create_directories(dir / "saved");
        std::filesystem::create_directories(dir / "work" / "out");
        WriteFile("Profiles/b.apf", "[Main]\r\nType=avi\r\n");
        WriteFile("Profiles/a.APF", "[Main]\r\n");
        SavePreferences("1");
    }

    void SavePreferences(const std::string& profile)
    {
        preferences =
            "[Main]\r\nProfile=" + profile + "\r\nOutput Path=" + app + "saved\r\nOverwrite=0";
        WriteFile("Preferences.ini", preferences);
    }

    THeadlessSetup Resolve(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> withFile = arguments;
        withFile.push_back("x.avi");
        return ResolveHeadlessJob(ParseHeadlessOptions(withFile).Options, app,
                                  (dir / "work").string());
    }

    std::string app;
    std::string preferences;
};

TEST_F(HeadlessJobTest, TakesWhatTheCommandLineLeavesOutFromTheSavedPreferences)
{
    const THeadlessSetup saved = Resolve({});
    EXPECT_EQ(saved.Error, "");
    EXPECT_EQ(saved.Job.ProfileName, "b");
    EXPECT_EQ(saved.Job.ProfilePath, app + "Profiles/b.apf");
    EXPECT_EQ(saved.Job.OutputDir, app + "saved/");
    EXPECT_TRUE(saved.Job.Rename);

    const THeadlessSetup named = Resolve({"--profile", "a", "--output", "out", "--overwrite"});
    EXPECT_EQ(named.Error, "");
    EXPECT_EQ(named.Job.ProfilePath, app + "Profiles/a.APF");
    EXPECT_EQ(named.Job.OutputDir, app + "work/out/") << "relative to the working directory";
    EXPECT_FALSE(named.Job.Rename);

    EXPECT_EQ(ReadFile(app + "Preferences.ini"), preferences) << "read, never written";
}

TEST_F(HeadlessJobTest, ASavedProfileThatIsNoEntryGivesTheFirst)
{
    for (const std::string index : {"-1", "2", "x"}) {
        SavePreferences(index);
        EXPECT_EQ(Resolve({}).Job.ProfileName, "a") << index;
    }
}

TEST_F(HeadlessJobTest, RefusesAnUnknownProfileAMissingOutputAndAnEmptyCatalogue)
{
    EXPECT_EQ(Resolve({"--profile", "B"}).Error, "unknown profile 'B' (see --list-profiles)");
    EXPECT_EQ(Resolve({"--output", "nowhere"}).Error,
              "the output directory 'nowhere' does not exist");
    std::filesystem::remove_all(dir / "Profiles");
    EXPECT_EQ(Resolve({}).Error, "there is no profile to convert with");
}

} // namespace
