// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPaths.h"

#include <gtest/gtest.h>

TEST(TaskPaths, SupportedVideoIgnoresCaseOfTheExtensionOnly)
{
    EXPECT_TRUE(IsSupportedVideo("/a/b.AVI"));
    EXPECT_TRUE(IsSupportedVideo("/a/b.MpEg"));
    EXPECT_TRUE(IsSupportedVideo("/a/b.M2tS"));
    EXPECT_FALSE(IsSupportedVideo("/a/b.avi.txt"));
    EXPECT_FALSE(IsSupportedVideo("/a.avi/b"));
    EXPECT_FALSE(IsSupportedVideo("/a/avi"));
}

TEST(TaskPaths, MaskAndFilterAreExact)
{
    const std::string mask = "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;*.mkv;*.webm;*.m4v;"
                             "*.ts;*.mts;*.m2ts;*.flv;*.3gp;*.3g2;*.ogv;*.dv;*.mxf;*.f4v;*.divx;"
                             "*.wtv;";
    EXPECT_EQ(InputMask(), mask);
    EXPECT_EQ(
        OpenDialogFilter(),
        "All Support Files(" + mask + ")|" + mask +
            "|AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|"
            "*.mpg|MPEG Files (*.mpeg)|*.mpeg|MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|"
            "MOV Files (*.mov)|*.mov|VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|"
            "AVI and DivX Files (*.avi;*.divx)|*.avi;*.divx|MPEG and DVD Files "
            "(*.mpg;*.mpeg;*.vob)|*.mpg;*.mpeg;*.vob|MPEG-TS and AVCHD Files "
            "(*.ts;*.mts;*.m2ts)|*.ts;*.mts;*.m2ts|MP4 and QuickTime Files "
            "(*.mp4;*.m4v;*.mov)|*.mp4;*.m4v;*.mov|3GPP Phone Files (*.3gp;*.3g2)|*.3gp;*.3g2|"
            "Windows Media Files (*.wmv;*.asf;*.wtv)|*.wmv;*.asf;*.wtv|Matroska and WebM "
            "Files (*.mkv;*.webm)|*.mkv;*.webm|Flash Video Files (*.flv;*.f4v)|*.flv;*.f4v|"
            "Ogg Video Files (*.ogv)|*.ogv|DV Files (*.dv)|*.dv|MXF Files (*.mxf)|*.mxf|All "
            "Files (*.*)|*.*");
}
