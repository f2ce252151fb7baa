// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/OutputSize.h"

#include <gtest/gtest.h>

TEST(OutputSize, ReadsSizeTextsInDecimalAndBinaryUnits)
{
    const std::pair<const char*, std::optional<int64_t>> cases[] = {
        {"25 MB", 25000000},  {"700 MiB", 734003200}, {" 1.5gb ", 1500000000},
        {"25", std::nullopt}, {"0 MB", std::nullopt}, {"25 XB", std::nullopt}};
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(ParseSizeText(text), bytes) << text;
}

TEST(OutputSize, PlansTheVideoBitrateOrSaysWhyNot)
{
    EXPECT_NEAR(PlanTargetSize(2000000, 20, 128000).VideoBitrate, 640000, 15000);
    EXPECT_EQ(PlanTargetSize(300000, 20, 128000).Refusal,
              "The target is below what the audio alone takes (327 kB).");
    EXPECT_EQ(PlanTargetSize(400000, 20, 128000).Refusal,
              "The target leaves 24 kbit/s for the video; it needs at least 50 kbit/s.");
    for (const char* absurd : {"999999 TB", "8999999 TB"})
        EXPECT_NE(PlanTargetSize(*ParseSizeText(absurd), 5, 128000)
                      .Refusal.find("for the video; no encoder takes more than 2000000 kbit/s."),
                  std::string::npos)
            << absurd;
}

// 2 s converted in 400 ms (100 before the first frame), 5 s in 700, 20 s in 2000.
TEST(OutputSize, ShortensTheSamplesOfAShortClip)
{
    EXPECT_DOUBLE_EQ(SampleSeconds(400, 100, 2, 0.2, 1), 0);
    EXPECT_NEAR(SampleSeconds(700, 60, 5, 0.2, 1), 0.390, 0.001);
    EXPECT_DOUBLE_EQ(SampleSeconds(2000, 100, 20, 0.2, 1), 1);
}

TEST(OutputSize, NamesTheQualityBySsim)
{
    const std::pair<double, const char*> cases[] = {{0.98, "excellent"},    {0.979, "good"},
                                                    {0.95, "good"},         {0.949, "visible loss"},
                                                    {0.90, "visible loss"}, {0.899, "poor"}};
    for (const auto& [ssim, word] : cases)
        EXPECT_EQ(QualityWord(ssim), word) << ssim;
}

TEST(OutputSize, ReadsSsimAndPsnrFromTheFiltersReport)
{
    const std::string ssim = "[Parsed_ssim_7 @ 0x55d] SSIM Y:0.970950 (15.370061) U:0.98 (17.1) "
                             "V:0.98 (17.0) All:0.975368 (16.085574)\n";
    const std::optional<TQuality> q = ParseQualityReport(
        "frame=  30\r" + ssim + "[Parsed_psnr_8 @ 0x5] PSNR y:33.9 average:35.45 min:31.0\r\n");
    ASSERT_TRUE(q);
    EXPECT_EQ(QualityText(*q), "good (SSIM 0.975, PSNR 35.5 dB)");
    EXPECT_FALSE(ParseQualityReport(ssim));
}

TEST(OutputSize, GivesEachPassItsSwitchesAndLog)
{
    using Words = std::vector<std::string>;
    EXPECT_EQ(PassArguments({"-c:v", "libx264"}, 1, "/o/.w"),
              (Words{"-c:v", "libx264", "-pass", "1", "-passlogfile", "/o/.w", "-fps_mode", "cfr",
                     "-an", "-f", "null"}));
    EXPECT_EQ(PassArguments({"-c:v", "libx265", "-x265-params", "a=1"}, 2, "/o/.w")[3],
              "a=1:pass=2:stats=/o/.w.log");
    EXPECT_EQ(PassArguments({"-c:v", "libvpx-vp9", "-deadline", "realtime"}, 2, "l")[3], "good");
    for (const char* codec : {"mpeg4", "mpeg2video", "wmv2", "flv", "libvpx-vp9"})
        EXPECT_TRUE(IsTwoPassCodec({"-c:v", codec})) << codec;
    EXPECT_FALSE(IsTwoPassCodec({"-c:v", "mjpeg"}));
}
