// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPaths.h"

#include <gtest/gtest.h>

TEST(TaskPaths, SupportedVideoIgnoresCaseOfTheExtensionOnly)
{
    EXPECT_TRUE(IsSupportedVideo("/a/b.AVI"));
    EXPECT_TRUE(IsSupportedVideo("/a/b.MpEg"));
    EXPECT_FALSE(IsSupportedVideo("/a/b.avi.txt"));
    EXPECT_FALSE(IsSupportedVideo("/a.avi/b"));
    EXPECT_FALSE(IsSupportedVideo("/a/avi"));
}

TEST(TaskPaths, MaskAndFilterAreExact)
{
    EXPECT_EQ(InputMask(), "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;");
    EXPECT_EQ(OpenDialogFilter(),
              "All Support Files(*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;)|*.avi;*.mpg;"
              "*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;|AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|"
              "*.mpg|MPEG Files (*.mpeg)|*.mpeg|MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|"
              "MOV Files (*.mov)|*.mov|VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|All Files "
              "(*.*)|*.*");
}
