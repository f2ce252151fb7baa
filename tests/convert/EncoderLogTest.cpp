// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncoderLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Lines(char letter, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(9, letter) + "\n";
    return text;
}

TEST(EncoderLog, KeepsEverythingWithinTheLimit)
{
    TEncoderLog log(100);
    log.Append("banner\n");
    log.Append(Lines('a', 9)); // 97 bytes in all
    EXPECT_FALSE(log.IsCut());
    EXPECT_EQ(log.Text(), "banner\n" + Lines('a', 9));
    EXPECT_EQ(log.End(10), Lines('a', 1));
}

// A long run keeps its first half and its last half of the limit, whatever
// the pieces it came in; the end starts with a whole line and the marker
// counts what was left out.
TEST(EncoderLog, KeepsTheStartAndTheEndOfALongRunWithAMarkerBetween)
{
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
        TEncoderLog log(200);
        const std::string written = Lines('s', 10) + Lines('m', 1000) + Lines('e', 10) + "tail";
        for (std::size_t at = 0; at < written.size(); at += piece)
            log.Append(std::string_view(written).substr(at, piece));
        ASSERT_TRUE(log.IsCut()) << piece;
        EXPECT_EQ(log.Written(), written.size());
        EXPECT_EQ(log.Text(), Lines('s', 10) + "[... " + std::to_string(written.size() - 194) +
                                  " bytes left out ...]\n" + Lines('e', 9) + "tail")
            << piece;
        EXPECT_EQ(log.End(15), "\neeeeeeeee\ntail") << piece;
    }
}

TEST(EncoderLog, TheDefaultLimitHoldsAMebibyteAndAMarker)
{
    TEncoderLog log;
    const std::string block(64 * 1024, 'x');
    for (int i = 0; i < 100; ++i)
        log.Append(block);
    const std::string text = log.Text();
    EXPECT_LE(text.size(), TEncoderLog::DefaultLimit + 64);
    EXPECT_GE(text.size(), TEncoderLog::DefaultLimit);
    EXPECT_NE(text.find("bytes left out"), std::string::npos);
}

} // namespace
