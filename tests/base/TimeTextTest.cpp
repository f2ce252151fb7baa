// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TimeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FormatCase
{
    double seconds;
    const char* text;
};

struct ParseCase
{
    const char* text;
    double seconds;
};

} // namespace

TEST(TimeText, Formats)
{
    const std::vector<FormatCase> cases = {
        {0, "00:00:00"},
        {83, "00:01:23"},
        {83.4, "00:01:23.4"},
        {3600, "01:00:00"},
        {7322, "02:02:02"},
        {59.5, "00:00:59.5"},
        // Halves go to the even tenth, both ways.
        {0.25, "00:00:00.2"},
        {0.75, "00:00:00.8"},
        {0.04, "00:00:00"},
        // At least two digits, more when needed.
        {100 * 3600, "100:00:00"},
        {360000 + 59 * 60 + 59.9, "100:59:59.9"},
        // A fraction that rounds to ten tenths carries over every field.
        {59.96, "00:01:00"},
        {3599.97, "01:00:00"},
        {0.951, "00:00:01"},
        {1.94, "00:00:01.9"},
        // Negative values: a minus and the text of the absolute value.
        {-83.4, "-00:01:23.4"},
        {-0.25, "-00:00:00.2"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatTimeText(c.seconds), c.text) << c.seconds;
}

TEST(TimeText, Parses)
{
    const std::vector<ParseCase> cases = {
        {"00:01:23.4", 83.4},
        {"1:2:3", 3723},
        {"00:00:00.0", 0},
        {"00:00:00", 0},
        {"100:00:00", 360000},
        {"00:00: 5", 5},
        {"00:00:5 ", 5},
        {" 1: 2:3", 3723},
        {"-1:00:00", -3600},
        {"00:-1:30", -30},
        {"00:00:1.25", 1.25},
        {"00:00:59.96", 59.96},
        {"00:00:1e1", 10},
        {"00:90:00", 5400},
        // Not time texts.
        {"", -1},
        {"83", -1},
        {"01:23", -1},
        {"00:00:.5", -1},
        {"0:0:1:2", -1},
        {"00:00:", -1},
        {"1 :00:00", -1},
        {"a:00:00", -1},
        {"00:00:x", -1},
        {"00:00:1,5", -1},
        {"::", -1},
        {"00:00:nan", -1},
        {"00:00:inf", -1},
        {"1.5:00:00", -1},
    };
    for (const ParseCase& c : cases)
        EXPECT_DOUBLE_EQ(ParseTimeText(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(TimeText, HourFieldsWrapAsThirtyTwoBitArithmetic)
{
    // 600000 hours overflow the 32-bit whole part; the stored texts have
    // always been read with the wrapped value rather than rejected.
    const double expected = static_cast<double>(static_cast<int32_t>(600000u * 3600u));
    EXPECT_DOUBLE_EQ(ParseTimeText("600000:00:00"), expected);
}

TEST(TimeText, RoundTripsToTheTenth)
{
    for (int tenths = 0; tenths < 400000; tenths += 37) {
        const double seconds = tenths / 10.0;
        EXPECT_NEAR(ParseTimeText(FormatTimeText(seconds)), seconds, 1e-9) << seconds;
    }
    for (const double seconds : {0.94, 59.449, 3599.91, 86399.5, 1234.0499})
        EXPECT_NEAR(ParseTimeText(FormatTimeText(seconds)), seconds, 0.05) << seconds;
    // A carried fraction lands on the next second, at most half a tenth away.
    for (const double seconds : {0.95, 59.96, 3599.99})
        EXPECT_NEAR(ParseTimeText(FormatTimeText(seconds)), seconds, 0.0501) << seconds;
}

// A time read from a text shows that text while its seconds are unchanged;
// once they change, or for a time set by its seconds, the text is made.
TEST(TimeText, ATimeShowsItsSpellingOnlyWhileItSaysItsSeconds)
{
    TTimeValue changed = TTimeValue::FromText("00:01:23.45");
    changed.Seconds = 10;
    const std::pair<TTimeValue, std::string> cases[] = {
        {TTimeValue::FromText("00:01:23.45"), "00:01:23.45"},
        {TTimeValue::FromText("00:00:00.0"), "00:00:00.0"},
        {TTimeValue::FromText("n/a"), "n/a"},
        {changed, "00:00:10"},
        {TTimeValue::FromSeconds(83.44), "00:01:23.4"},
        {TTimeValue(), ""},
    };
    for (const auto& [time, text] : cases)
        EXPECT_EQ(time.Text(), text) << time.Spelling;
    EXPECT_EQ(TTimeValue::FromSeconds(83.44).Seconds, ParseTimeText("00:01:23.4"));
}
