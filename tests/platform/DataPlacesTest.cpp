// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataPlaces.h"
#include "fixtures/ScratchDir.h"
#include "profiles/ProfileCatalogue.h"

using DataPlaces = ScratchDirTest;

// A package's folder is never the user's, even where it can be written.
TEST_F(DataPlaces, APackagesFolderIsNotTheUsers)
{
    EXPECT_TRUE(SettingsBesideProgram(dir.string()));
    WriteFile(SettingsInHomeMarker, "");
    EXPECT_FALSE(SettingsBesideProgram(dir.string()));
}

// The shipped profiles keep their positions, the user's copy of one in its
// place; the user's other profiles follow.
TEST_F(DataPlaces, TheUsersProfilesJoinTheShippedOnes)
{
    const std::string home = dir.string() + "/";
    const TDataPlaces places = DataPlacesInHome(home + "app", home, home + "config", "");
    EXPECT_EQ(places.SettingsDir + " " + places.DefaultOutputDir,
              home + "config/quenby/ " + home + "Videos/");
    std::filesystem::create_directories(dir / "app/Profiles");
    std::filesystem::create_directories(dir / "config/quenby/Profiles");
    for (const char* name : {"app/Profiles/b.apf", "app/Profiles/d.apf",
                             "config/quenby/Profiles/a.apf", "config/quenby/Profiles/d.APF"})
        WriteFile(name, "[Main]\r\n");
    EXPECT_EQ(ProfileCatalogue(places), (std::vector<std::string>{"b", "d", "a"}));
    EXPECT_EQ(ProfileFilePath(places, "b"), ShippedProfilesDirectory(places) + "b.apf");
    EXPECT_EQ(ProfileFilePath(places, "d"), OwnProfilesDirectory(places) + "d.APF");
    EXPECT_EQ(OwnProfilePath(places, "b"), OwnProfilesDirectory(places) + "b.apf");
}

// Without HOME the password database names the home; without either, none.
TEST(HomeFolder, ComesFromHomeThenThePasswordDatabase)
{
    EXPECT_EQ(HomeFolder("/home/a", "/home/b"), "/home/a");
    EXPECT_EQ(HomeFolder("", "/home/b") + "|" + HomeFolder(nullptr, "/home/b"), "/home/b|/home/b");
    EXPECT_EQ(HomeFolder(nullptr, nullptr), "");
}
