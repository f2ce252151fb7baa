#include "platform/DataPlaces.h"
#include "fixtures/ScratchDir.h"
#include "profiles/ProfileCatalogue.h"

#include <gtest/gtest.h>

TEST(DataPlaces, InHomeFollowTheXdgVariablesAndTheVideosFolder)
{
    struct Case
    {
        std::string ConfigHome, Videos, Settings, Output;
    };
    for (const Case& c :
         {Case{"", "", "/h/.config/quenby/", "/h/Videos/"}, Case{"/c/", "/v", "/c/quenby/", "/v/"},
          Case{"relative", "relative", "/h/.config/quenby/", "/h/Videos/"}}) {
        const TDataPlaces places =
            DataPlacesInHome("/usr/lib/quenby", "/h", c.ConfigHome, c.Videos);
        EXPECT_EQ(places.AppDir, "/usr/lib/quenby/");
        EXPECT_EQ(places.SettingsDir, c.Settings) << c.ConfigHome;
        EXPECT_EQ(places.DefaultOutputDir, c.Output) << c.Videos;
    }
}

using DataPlacesFiles = ScratchDirTest;

TEST_F(DataPlacesFiles, APackagesFolderKeepsNoSettingsEvenWhereItCanBeWritten)
{
    EXPECT_TRUE(SettingsBesideProgram(dir.string()));
    WriteFile(SettingsInHomeMarker, "");
    EXPECT_FALSE(SettingsBesideProgram(dir.string()));
}

// The shipped profiles keep their positions; the user's copy of one takes
// its place, and the user's other profiles follow.
TEST_F(DataPlacesFiles, TheUsersProfilesJoinTheShippedOnes)
{
    const TDataPlaces places =
        DataPlacesInHome((dir / "app").string(), (dir / "home").string(), "", "");
    for (const std::string folder :
         {ShippedProfilesDirectory(places), OwnProfilesDirectory(places)})
        std::filesystem::create_directories(folder);
    for (const char* name :
         {"app/Profiles/b.apf", "app/Profiles/d.apf", "home/.config/quenby/Profiles/a.apf",
          "home/.config/quenby/Profiles/d.APF"})
        WriteFile(name, "[Main]\r\n");

    EXPECT_EQ(ProfileCatalogue(places), (std::vector<std::string>{"b", "d", "a"}));
    EXPECT_EQ(ProfileFilePath(places, "b"), ShippedProfilesDirectory(places) + "b.apf");
    EXPECT_EQ(ProfileFilePath(places, "d"), OwnProfilesDirectory(places) + "d.APF");
    EXPECT_EQ(OwnProfilePath(places, "b"), OwnProfilesDirectory(places) + "b.apf");
}
