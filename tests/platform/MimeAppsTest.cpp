// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MimeApps.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct AppEntry
{
    const char* path; // below "user/applications/" or "system/applications/"
    const char* keys; // extra [Desktop Entry] lines
};

struct LookupCase
{
    const char* name;
    std::vector<AppEntry> userApps, systemApps;
    const char* userList;   // the user's mimeapps.list
    const char* systemList; // the system's
    const char* expected;   // "user/applications/..." or "system/applications/...", "" for none
};

const char* const Types = "application/vnd.ms-htmlhelp"; // asked with its alias x-chm
const char* const Own = "MimeType=application/vnd.ms-htmlhelp;\n";

class MimeAppsTest : public ScratchDirTest, public ::testing::WithParamInterface<LookupCase>
{
protected:
    void Add(const std::string& side, const AppEntry& app)
    {
        const std::string relative = side + "/applications/" + app.path;
        std::filesystem::create_directories((dir / relative).parent_path());
        WriteFile(relative,
                  std::string("[Desktop Entry]\nType=Application\nExec=viewer %f\n") + app.keys);
    }
};

TEST_P(MimeAppsTest, FindsTheDesktopsApplicationForTheType)
{
    const LookupCase& c = GetParam();
    std::filesystem::create_directories(dir / "bin");
    const std::string viewer = WriteFile("bin/chm-viewer", "#!/bin/sh\n");
    std::filesystem::permissions(viewer, std::filesystem::perms::owner_all);
    for (const AppEntry& app : c.userApps)
        Add("user", app);
    for (const AppEntry& app : c.systemApps)
        Add("system", app);
    std::filesystem::create_directories(dir / "user/applications");
    std::filesystem::create_directories(dir / "system/applications");
    WriteFile("user/mimeapps.list", c.userList);
    WriteFile("system/mimeapps.list", c.systemList);

    MimeAppsPlaces places;
    places.ListFiles = {(dir / "user/mimeapps.list").string(),
                        (dir / "system/mimeapps.list").string()};
    places.ApplicationDirs = {(dir / "user/applications").string(),
                              (dir / "system/applications").string()};
    places.SearchPath = {(dir / "bin").string()};
    const std::string found = DefaultDesktopEntry({Types, "application/x-chm"}, places);
    EXPECT_EQ(found, *c.expected ? (dir / c.expected).string() : "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MimeAppsTest,
    ::testing::Values(LookupCase{"NothingForTheType",
                                 {},
                                 {{"text.desktop", "MimeType=text/plain;\n"}},
                                 "[Default Applications]\ntext/plain=text.desktop\n",
                                 "",
                                 ""},
                      LookupCase{"UsersDefaultBeforeSystemsAndAssociations",
                                 {{"c.desktop", ""}},
                                 {{"a.desktop", Own}, {"b.desktop", ""}},
                                 "[Default Applications]\napplication/vnd.ms-htmlhelp=c.desktop\n",
                                 "[Default Applications]\napplication/vnd.ms-htmlhelp=b.desktop\n",
                                 "user/applications/c.desktop"},
                      LookupCase{"DefaultsNotInstalledGiveWay",
                                 {},
                                 {{"b.desktop", ""},
                                  {"hidden.desktop", "Hidden=true\n"},
                                  {"gone.desktop", "TryExec=no-such-viewer\n"}},
                                 "[Default Applications]\napplication/vnd.ms-htmlhelp="
                                 "missing.desktop;hidden.desktop;gone.desktop\n",
                                 "[Default Applications]\napplication/vnd.ms-htmlhelp=b.desktop\n",
                                 "system/applications/b.desktop"},
                      LookupCase{"TryExecFoundOnThePath",
                                 {},
                                 {{"v.desktop", "TryExec=chm-viewer\n"}},
                                 "",
                                 "[Default Applications]\napplication/x-chm=v.desktop\n",
                                 "system/applications/v.desktop"},
                      LookupCase{"AliasInTheEntrysOwnTypes",
                                 {},
                                 {{"x.desktop", "MimeType=application/x-chm\n"}},
                                 "",
                                 "",
                                 "system/applications/x.desktop"},
                      LookupCase{"AddedAssociationBeforeOwnTypes",
                                 {},
                                 {{"a.desktop", Own}, {"z.desktop", ""}},
                                 "[Added Associations]\napplication/vnd.ms-htmlhelp=z.desktop;\n",
                                 "",
                                 "system/applications/z.desktop"},
                      LookupCase{"RemovedAssociationSkipped",
                                 {},
                                 {{"a.desktop", Own}, {"b.desktop", Own}},
                                 "[Removed Associations]\napplication/vnd.ms-htmlhelp=a.desktop;\n",
                                 "",
                                 "system/applications/b.desktop"},
                      LookupCase{
                          "SubfolderEntriesNamedWithDashes",
                          {},
                          {{"kde/chm.desktop", ""}},
                          "",
                          "[Default Applications]\napplication/vnd.ms-htmlhelp=kde-chm.desktop\n",
                          "system/applications/kde/chm.desktop"},
                      LookupCase{"UsersEntryHidesTheSystems",
                                 {{"chm.desktop", "Hidden=true\n"}},
                                 {{"chm.desktop", Own}},
                                 "",
                                 "",
                                 ""}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(MimeAppsPlacesTest, SessionPlacesFollowTheBaseDirectoryRules)
{
    const MimeAppsPlaces fallback =
        SessionMimeAppsPlaces("/h", "", "", "", "", "", "/bin:/usr/bin");
    EXPECT_EQ(fallback.ListFiles,
              (std::vector<std::string>{"/h/.config/mimeapps.list", "/etc/xdg/mimeapps.list",
                                        "/h/.local/share/applications/mimeapps.list",
                                        "/usr/local/share/applications/mimeapps.list",
                                        "/usr/share/applications/mimeapps.list"}));
    EXPECT_EQ(fallback.ApplicationDirs, (std::vector<std::string>{"/h/.local/share/applications",
                                                                  "/usr/local/share/applications",
                                                                  "/usr/share/applications"}));
    EXPECT_EQ(fallback.SearchPath, (std::vector<std::string>{"/bin", "/usr/bin"}));

    const MimeAppsPlaces set = SessionMimeAppsPlaces("/h", "/c", "/d", "/data", "/s", "KDE", "");
    EXPECT_EQ(set.ListFiles, (std::vector<std::string>{"/c/kde-mimeapps.list", "/c/mimeapps.list",
                                                       "/d/kde-mimeapps.list", "/d/mimeapps.list",
                                                       "/data/applications/kde-mimeapps.list",
                                                       "/data/applications/mimeapps.list",
                                                       "/s/applications/kde-mimeapps.list",
                                                       "/s/applications/mimeapps.list"}));
    EXPECT_EQ(set.ApplicationDirs,
              (std::vector<std::string>{"/data/applications", "/s/applications"}));
}

} // namespace
