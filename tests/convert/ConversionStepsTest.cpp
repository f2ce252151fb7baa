// SPDX-License-Identifier: GPL-3.0-or-later
// The two passes of a conversion and the check of its output, without the
// engine that runs them.
#include "convert/QualityCheck.h"
#include "convert/TwoPass.h"

#include <gtest/gtest.h>

namespace {

// A second pass the rate control refuses runs again as one pass; any other
// failure is final.
TEST(TwoPass, TheSecondPassFollowsTheFirstAndFallsBackToOneWhenTheRateIsRefused)
{
    const std::vector<std::string> single{"-c:v", "mpeg4", "-b:v", "9k"};
    TPassRun run(single, "/o/.w.avi", "/nowhere/7");
    EXPECT_EQ(run.First().Output, "-");
    EXPECT_DOUBLE_EQ(run.Seconds(4, 10), 2) << "the first pass is the first half";
    ASSERT_EQ(run.Second()->Output, "/o/.w.avi");
    EXPECT_DOUBLE_EQ(run.Seconds(4, 10), 7);
    EXPECT_FALSE(run.Fallback(true, "Conversion failed!"));
    EXPECT_EQ(run.Fallback(true, "[mpeg4] requested bitrate is too low\n")->Arguments, single);
    EXPECT_FALSE(run.Second()) << "one pass has no second";
}

std::string Report(const char* ssim, const char* psnr)
{
    return std::string("[Parsed_ssim_0 @ 0x1] SSIM Y:0.9 (1) All:") + ssim +
           " (16)\n[Parsed_psnr_1 @ 0x2] PSNR y:33 average:" + psnr + " min:31\n";
}

// Samples go on while a fifth of the conversion's time allows, and their
// mean is told; an encoder that cannot start is told, never fatal.
TEST(QualityCheck, SamplesWhileTheTimeAllowsAndTellsTheMean)
{
    const ltvItemData task = NewTaskRecord("/in/a.avi", "00:00:10", "", ".avi");
    TQualityCheck check(task, "/o/a.avi", 10000, 100);
    check.Read(Report("0.980", "38"));
    EXPECT_TRUE(check.SampleEnded(0, false, 500));
    check.Read(Report("0.960", "34"));
    EXPECT_FALSE(check.SampleEnded(0, false, 1400)) << "a third would pass 2000 ms";
    EXPECT_EQ(check.Note(), "good (SSIM 0.970, PSNR 36.0 dB)");
    TQualityCheck none(task, "/o/a.avi", 10000, 100);
    EXPECT_FALSE(none.SampleEnded(-1, true, 0));
    EXPECT_EQ(none.Note(), "not checked: the encoder cannot be started");
    EXPECT_EQ(SizeOutcome(1000000, 1120000, 0.03).Over, "over the target by 12%");
    EXPECT_EQ(SizeOutcome(1000000, 1020000, 0.03).Over, "");
}

} // namespace
