// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/OutputSize.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(OutputSize, ReadsSizeTextsInDecimalAndBinaryUnits)
{
    const std::pair<const char*, std::optional<int64_t>> cases[] = {
        {"25 MB", 25000000},   {"700 MiB", 734003200}, {"1.5 GB", 1500000000},
        {" 2mb ", 2000000},    {"980 kB", 980000},     {"25", std::nullopt},
        {"0 MB", std::nullopt}, {"-1 MB", std::nullopt}, {"25 XB", std::nullopt},
        {"MB", std::nullopt}};
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(ParseSizeText(text), bytes) << text;
}

TEST(OutputSize, PlansTheVideoBitrateOrSaysWhyNot)
{
    // 2 MB over 20 s with 128 kbit/s of audio leaves about 640 kbit/s.
    const TSizePlan plan = PlanTargetSize(2000000, 20, 128000);
    EXPECT_TRUE(plan.Refusal.empty());
    EXPECT_NEAR(plan.VideoBitrate, 640000, 15000);
    EXPECT_EQ(PlanTargetSize(300000, 20, 128000).Refusal,
              "The target is below what the audio alone takes (327 kB).");
    EXPECT_EQ(PlanTargetSize(400000, 20, 128000).Refusal,
              "The target leaves 24 kbit/s for the video; it needs at least 50 kbit/s.");
    EXPECT_FALSE(PlanTargetSize(2000000, -1, 128000).Refusal.empty());
}

TEST(OutputSize, NamesTheQualityBySsim)
{
    const std::pair<double, const char*> cases[] = {
        {0.995, "excellent"}, {0.98, "excellent"}, {0.979, "good"}, {0.95, "good"},
        {0.949, "visible loss"}, {0.90, "visible loss"}, {0.899, "poor"}};
    for (const auto& [ssim, word] : cases)
        EXPECT_EQ(QualityWord(ssim), word) << ssim;
}

TEST(OutputSize, ReadsSsimAndPsnrFromTheFiltersReport)
{
    const std::string ssim = "[Parsed_ssim_7 @ 0x55d] SSIM Y:0.970950 (15.370061) U:0.98 (17.1) "
                             "V:0.98 (17.0) All:0.975368 (16.085574)\n";
    const std::string psnr = "[Parsed_psnr_8 @ 0x55e] PSNR y:33.9 u:40.1 v:40.2 average:35.45 "
                             "min:31.0 max:37.2\r\n";
    const std::optional<TQuality> q = ParseQualityReport("frame=  30\r" + ssim + psnr);
    ASSERT_TRUE(q);
    EXPECT_DOUBLE_EQ(q->Ssim, 0.975368);
    EXPECT_DOUBLE_EQ(q->Psnr, 35.45);
    EXPECT_EQ(QualityText(*q), "good (SSIM 0.975, PSNR 35.5 dB)");
    EXPECT_FALSE(ParseQualityReport(ssim));
    EXPECT_TRUE(std::isinf(ParseQualityReport(ssim + "PSNR y:inf average:inf min:inf")->Psnr));
}

TEST(OutputSize, GivesEachPassItsSwitchesAndLog)
{
    using Words = std::vector<std::string>;
    const Words x264 = {"-c:v", "libx264", "-b:v", "600k"};
    EXPECT_EQ(PassArguments(x264, 1, "/o/.w.pass"),
              (Words{"-c:v", "libx264", "-b:v", "600k", "-pass", "1", "-passlogfile", "/o/.w.pass",
                     "-an", "-f", "null"}));
    const Words x265 = {"-c:v", "libx265", "-x265-params", "log-level=error"};
    EXPECT_EQ(PassArguments(x265, 2, "/o/.w.pass")[3],
              "log-level=error:pass=2:stats=/o/.w.pass.log");
    EXPECT_EQ(PassArguments({"-c:v", "libvpx-vp9", "-deadline", "realtime"}, 2, "l")[3], "good");
    EXPECT_TRUE(IsTwoPassCodec({"-c:v", "libvpx-vp9"}));
    EXPECT_FALSE(IsTwoPassCodec({"-c:v", "mpeg4"}));
}
