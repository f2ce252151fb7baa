// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PathText.h"

#include <gtest/gtest.h>

TEST(PathText, TrailingSeparatorIsAddedOnce)
{
    EXPECT_EQ(WithTrailingBackslash("/tmp"), "/tmp/");
    EXPECT_EQ(WithTrailingBackslash("/tmp/"), "/tmp/");
    EXPECT_EQ(WithTrailingBackslash("/"), "/");
    EXPECT_EQ(WithTrailingBackslash(""), "/");
}

TEST(PathText, NamesAndExtensions)
{
    EXPECT_EQ(StripExtension("clip"), "clip");
    EXPECT_EQ(StripExtension("a.b.c.avi"), "a.b.c");
    EXPECT_EQ(ExtractFileName("/x/y.z/clip"), "clip");
    EXPECT_EQ(ExtractFileName("/talks/12:30 keynote.avi"), "12:30 keynote.avi");
    EXPECT_EQ(ExtractFileExt("/x/y.z/clip"), "");
    EXPECT_EQ(ExtractFileExt("/x/clip.tar.AVI"), ".AVI");
}

// "12:30 talk.avi" given from its own folder must reach the encoder as a
// file, not be read as a protocol.
TEST(PathText, RelativePathsAreMadeAbsoluteAgainstTheWorkingDirectory)
{
    const struct
    {
        const char* path;
        const char* absolute;
    } cases[] = {
        {"12:30 talk.avi", "/home/u/talks/12:30 talk.avi"},
        {"./clip.avi", "/home/u/talks/clip.avi"},
        {".//./clip.avi", "/home/u/talks/clip.avi"},
        {"sub/clip.avi", "/home/u/talks/sub/clip.avi"},
        {"../clip.avi", "/home/u/talks/../clip.avi"},
        {".", "/home/u/talks/"},
        {"/abs/clip.avi", "/abs/clip.avi"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AbsolutePath(c.path, "/home/u/talks"), c.absolute) << c.path;
    EXPECT_EQ(AbsolutePath("clip.avi", "/"), "/clip.avi");
}
