// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PlaybackRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(PlaybackRules, TrackBarTruncatesDurationAndPositionToWholeUnits)
{
    struct Case
    {
        std::uint64_t currentMs, durationMs;
        int interval, maximum, position;
    };
    const Case cases[] = {
        {0, 3700, 1000, 3, 0},
        {2999, 3700, 1000, 3, 2},
        {3700, 3700, 1000, 3, 3},
        {999, 999, 1000, 0, 0},    // shorter than one unit
        {1500, 10900, 500, 21, 3}, // another interval
        {3725000, 360000000, 1000, 360000, 3725},
        // 64-bit milliseconds far beyond a 32-bit count stay whole.
        {0, 5000000000ULL, 1000, 5000000, 0},
        {0, 0, 0, 0, 0}, // no interval: nothing to show
    };
    for (const Case& c : cases) {
        const TrackBarPlace place = TrackBarFromGraph(c.currentMs, c.durationMs, c.interval);
        EXPECT_EQ(place.Maximum, c.maximum) << c.durationMs;
        EXPECT_EQ(place.Position, c.position) << c.currentMs;
    }
}

TEST(PlaybackRules, ThumbSeekScalesTheStopIn64BitsAndNeverAtMaximumZero)
{
    EXPECT_EQ(ThumbSeekTarget(10900, 5, 10), 5450);
    EXPECT_EQ(ThumbSeekTarget(10999, 1, 3), 3666); // truncated, not rounded
    EXPECT_EQ(ThumbSeekTarget(10900, 0, 10), 0);
    EXPECT_EQ(ThumbSeekTarget(10900, 10, 10), 10900);
    // 100 hours in 100-nanosecond units times a large position overflows
    // 32 bits many times over.
    EXPECT_EQ(ThumbSeekTarget(3600000000000LL, 359999, 360000), 3599990000000LL);
    EXPECT_EQ(ThumbSeekTarget(900, 0, 0), std::nullopt);
}

TEST(PlaybackRules, VolumeIsHundredthsOfDecibelsFromFullToSilent)
{
    struct Case
    {
        int volume, attenuation;
    };
    const Case cases[] = {
        {10000, 0}, {0, -10000}, {5000, -752}, {1, -9247}, {100, -4989}, {20000, 0}, {-5, -10000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinearVolumeAttenuation(c.volume), c.attenuation) << c.volume;

    EXPECT_DOUBLE_EQ(AttenuationToAmplitude(0), 1.0);
    EXPECT_NEAR(AttenuationToAmplitude(-2000), 0.1, 1e-12);
    EXPECT_NEAR(AttenuationToAmplitude(-600), 0.501187, 1e-6);
    EXPECT_NEAR(AttenuationToAmplitude(-10000), 1e-5, 1e-15);
}

TEST(PlaybackRules, ErrorTextEndsWithTheCodeInUpperCaseHex)
{
    EXPECT_EQ(PlaybackErrorText("Could not determine type of stream.", 1),
              "Could not determine type of stream. ($1).");
    EXPECT_EQ(PlaybackErrorText("Cannot play back the file.", 0x80040265u),
              "Cannot play back the file. ($80040265).");
    EXPECT_EQ(PlaybackErrorText("", 0xabcu), " ($ABC).");

    // The platform's text is cut to 255 bytes, never inside a character.
    const std::string longText(300, 'x');
    EXPECT_EQ(PlaybackErrorText(longText, 2), std::string(255, 'x') + " ($2).");
    const std::string accented = std::string(254, 'x') + "\xC3\xA9" + "tail"; // é across 255
    EXPECT_EQ(PlaybackErrorText(accented, 2), std::string(254, 'x') + " ($2).");
}
