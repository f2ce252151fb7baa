#include "platform/DataPlaces.h"
#include "fixtures/ScratchDir.h"
#include "profiles/ProfileCatalogue.h"

#include <array>

TEST(DataPlaces, InHomeFollowTheXdgVariablesAndTheVideosFolder)
{
    for (const auto& [configHome, videos, settings, output] :
         {std::array<std::string, 4>{"", "", "/h/.config/quenby/", "/h/Videos/"},
          {"/c/", "/v", "/c/quenby/", "/v/"},
          {"relative", "relative", "/h/.config/quenby/", "/h/Videos/"}}) {
        const TDataPlaces places = DataPlacesInHome("/opt/q", "/h", configHome, videos);
        EXPECT_EQ(places.SettingsDir + " " + places.DefaultOutputDir, settings + " " + output);
    }
}

using DataPlacesFiles = ScratchDirTest;

// A package's folder is never the user's, even where it can be written.
TEST_F(DataPlacesFiles, APackagesFolderIsNotTheUsers)
{
    EXPECT_TRUE(SettingsBesideProgram(dir.string()));
    WriteFile(SettingsInHomeMarker, "");
    EXPECT_FALSE(SettingsBesideProgram(dir.string()));
}

// The shipped profiles keep their positions, the user's copy of one in its
// place; the user's other profiles follow.
TEST_F(DataPlacesFiles, TheUsersProfilesJoinTheShippedOnes)
{
    const TDataPlaces places = DataPlacesInHome((dir / "app").string(), dir.string(), "", "");
    std::filesystem::create_directories(dir / "app/Profiles");
    std::filesystem::create_directories(dir / ".config/quenby/Profiles");
    for (const char* name : {"app/Profiles/b.apf", "app/Profiles/d.apf",
                             ".config/quenby/Profiles/a.apf", ".config/quenby/Profiles/d.APF"})
        WriteFile(name, "[Main]\r\n");
    EXPECT_EQ(ProfileCatalogue(places), (std::vector<std::string>{"b", "d", "a"}));
    EXPECT_EQ(ProfileFilePath(places, "b"), ShippedProfilesDirectory(places) + "b.apf");
    EXPECT_EQ(ProfileFilePath(places, "d"), OwnProfilesDirectory(places) + "d.APF");
    EXPECT_EQ(OwnProfilePath(places, "b"), OwnProfilesDirectory(places) + "b.apf");
}
