// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpFiles.h"

#include "fixtures/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString ChmType = QStringLiteral("application/vnd.ms-htmlhelp");

struct HelpCase
{
    const char* name;
    bool compiled;  // VivOrizirude.chm is in the application directory
    bool startPage; // help/index.html is
    bool viewer;    // the desktop has an application for CHM files
    const char* expected;
    const char* language = "en"; // the interface's
    bool ownPage = false;        // help/<language>/index.html is there
};

class HelpChoiceTest : public ::testing::TestWithParam<HelpCase>
{
protected:
    QString AppDir() const { return dir.path() + "/"; }
    void Touch(const QString& relative)
    {
        QDir().mkpath(QFileInfo(AppDir() + relative).path());
        QFile file(AppDir() + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    QTemporaryDir dir;
    FakePlatform platform;
};

TEST_P(HelpChoiceTest, OpensTheCompiledGuideOnlyWhereItCanBeShown)
{
    const HelpCase& c = GetParam();
    if (c.compiled)
        Touch("VivOrizirude.chm");
    if (c.startPage)
        Touch("help/index.html");
    if (c.ownPage)
        Touch(QString("help/%1/index.html").arg(c.language));
    if (c.viewer)
        platform.defaultApplications[ChmType] = "/usr/share/applications/chm-viewer.desktop";

    EXPECT_EQ(ChooseHelpTarget(AppDir(), platform, c.language), AppDir() + c.expected);
    // Only the help's own type is asked about, and only when there is a
    // compiled guide to show and no page in the user's language.
    EXPECT_EQ(platform.handlerQueries,
              c.compiled && !c.ownPage ? QStringList{ChmType} : QStringList{});
}

TEST(HelpOpenTest, WithoutAnyApplicationTheGuidesPathIsShown)
{
    FakePlatform platform;
    platform.shellOpens = false;
    OpenHelpOrTell(platform, nullptr, "/opt/quenby/");
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.endsWith("\n/opt/quenby/VivOrizirude.chm"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpChoiceTest,
    ::testing::Values(
        HelpCase{"ViewerShowsTheCompiledGuide", true, true, true, "VivOrizirude.chm"},
        HelpCase{"WithoutViewerTheBrowserShowsThePages", true, true, false, "help/index.html"},
        HelpCase{"MissingCompiledGuideLeavesThePages", false, true, true, "help/index.html"},
        HelpCase{"MissingPagesLeaveTheCompiledGuide", true, false, false, "VivOrizirude.chm"},
        HelpCase{"NothingThereStillAsksForTheCompiledGuide", false, false, false,
                 "VivOrizirude.chm"},
        HelpCase{"ThePageInTheUsersLanguageComesFirst", true, true, true, "help/de/index.html",
                 "de", true},
        HelpCase{"WithoutItTheEnglishGuideOpens", false, true, true, "help/index.html", "fr"}),
    [](const ::testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.name); });

} // namespace
