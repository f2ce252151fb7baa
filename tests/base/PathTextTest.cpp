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
