// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessOptions.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(HeadlessOptions, OnlyAFirstConvertOrWatchSwitchMeansNoWindow)
{
    EXPECT_TRUE(IsHeadlessCommandLine({"--convert", "a.avi"}));
    EXPECT_TRUE(IsHeadlessCommandLine({"--watch", "in"}));
    EXPECT_FALSE(IsHeadlessCommandLine({}));
    EXPECT_FALSE(IsHeadlessCommandLine({"a.avi", "--convert"}));
    EXPECT_FALSE(IsHeadlessCommandLine({"--CONVERT", "a.avi"}));
}

struct ParseCase
{
    const char* Name;
    Args Arguments;
    THeadlessOptions Expected;
};

THeadlessOptions Expect(std::function<void(THeadlessOptions&)> set)
{
    THeadlessOptions options;
    set(options);
    return options;
}

TEST(HeadlessOptions, ReadsOptionsAndFiles)
{
    const std::vector<ParseCase> cases = {
        {"files alone", {"a.avi", "dir"}, Expect([](auto& o) {
             o.Inputs = {"a.avi", "dir"};
         })},
        {"values apart and after =",
         {"--profile", "AVI (MPEG-4 + MP3)", "--output=/tmp/out", "--jobs", "3", "a.avi"},
         Expect([](auto& o) {
             o.Profile = "AVI (MPEG-4 + MP3)";
             o.OutputDir = "/tmp/out";
             o.Jobs = 3;
             o.Inputs = {"a.avi"};
         })},
        {"options between and after files",
         {"a.avi", "--rename", "b.avi", "--jobs=2"},
         Expect([](auto& o) {
             o.Overwrite = false;
             o.Jobs = 2;
             o.Inputs = {"a.avi", "b.avi"};
         })},
        {"the last of a repeated option counts",
         {"--profile=A", "--profile", "B", "--overwrite", "--overwrite", "x"},
         Expect([](auto& o) {
             o.Profile = "B";
             o.Overwrite = true;
             o.Inputs = {"x"};
         })},
        {"-- ends the options", {"--", "--rename", "-x.avi"}, Expect([](auto& o) {
             o.Inputs = {"--rename", "-x.avi"};
         })},
        {"a lone dash is a file", {"-"}, Expect([](auto& o) { o.Inputs = {"-"}; })},
        {"a value may look like an option", {"--output", "--rename", "a.avi"}, Expect([](auto& o) {
             o.OutputDir = "--rename";
             o.Inputs = {"a.avi"};
         })},
        {"help wins over everything else",
         {"--list-profiles", "--version", "--help"},
         Expect([](auto& o) { o.Action = THeadlessAction::Help; })},
        {"version wins over the list", {"--list-profiles", "--version"}, Expect([](auto& o) {
             o.Action = THeadlessAction::Version;
         })},
        {"the list needs no files", {"--list-profiles"}, Expect([](auto& o) {
             o.Action = THeadlessAction::ListProfiles;
         })},
    };
    for (const ParseCase& c : cases) {
        const THeadlessParse parse = ParseHeadlessOptions(c.Arguments);
        EXPECT_EQ(parse.Error, "") << c.Name;
        EXPECT_TRUE(parse.Options == c.Expected) << c.Name;
    }
}

TEST(HeadlessOptions, RefusesWhatCannotBeCarriedOut)
{
    const std::vector<std::pair<Args, std::string>> cases = {
        {{}, "no file or directory to convert"},
        {{"--rename"}, "no file or directory to convert"},
        {{"--bogus", "a.avi"}, "unknown option '--bogus'"},
        {{"-j", "2", "a.avi"}, "unknown option '-j'"},
        {{"--help=yes"}, "unknown option '--help=yes'"},
        {{"a.avi", "--profile"}, "option '--profile' needs a value"},
        {{"--output=", "a.avi"}, "option '--output' needs a value"},
        {{"--jobs", "0", "a.avi"}, "--jobs takes a whole number from 1 to 999, not '0'"},
        {{"--jobs=2x", "a.avi"}, "--jobs takes a whole number from 1 to 999, not '2x'"},
        {{"--jobs", "-1", "a.avi"}, "--jobs takes a whole number from 1 to 999, not '-1'"},
        {{"--jobs", "1000", "a.avi"}, "--jobs takes a whole number from 1 to 999, not '1000'"},
        {{"--overwrite", "--rename", "a.avi"}, "--overwrite and --rename cannot be used together"},
        {{"--target-size=25", "a.avi"},
         "--target-size takes a size such as 25MB, 700MiB or 1.5GB, not '25'"},
        {{"--audio=e1", "a.avi"},
         "--audio takes first, all or languages such as eng,fra, not 'e1'"},
        {{"--subtitles", "all", "a.avi"}, "--subtitles takes none, keep or burn, not 'all'"},
    };
    for (const auto& [arguments, error] : cases)
        EXPECT_EQ(ParseHeadlessOptions(arguments).Error, error)
            << ::testing::PrintToString(arguments);
}

TEST(HeadlessOptions, AWatchTakesOneFolderAnOutputAndNeverOverwrites)
{
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"in", "--output", "out"}, ""},
        {{"in", "more", "--output", "out"}, "--watch takes exactly one folder"},
        {{"list.tmp", "--output", "out"}, "--watch takes a folder, not the list file 'list.tmp'"},
        {{"in"}, "--watch needs --output DIR"},
        {{"in", "--output", "out", "--overwrite"},
         "--watch never replaces an output; --overwrite cannot be used with it"},
    };
    for (const auto& [arguments, error] : cases)
        EXPECT_EQ(CheckWatchOptions(ParseHeadlessOptions(arguments).Options), error)
            << ::testing::PrintToString(arguments);
}

} // namespace
