// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LayoutRules.h"

#include <gtest/gtest.h>

namespace {

struct ColumnCase
{
    const char* name;
    int lastWidth;
    int newWidth;
    ColumnWidths expected;
};

class ColumnRuleTest : public ::testing::TestWithParam<ColumnCase>
{
};

TEST_P(ColumnRuleTest, EachColumnTakesItsShareOfTheChange)
{
    const ColumnCase& c = GetParam();
    TColumnRule rule(c.lastWidth, CreatedColumns);
    ColumnWidths widths = CreatedColumns;
    EXPECT_TRUE(rule.Adjust(c.newWidth, widths));
    EXPECT_EQ(widths, c.expected);
    EXPECT_EQ(rule.ListWidth(), c.newWidth);
}

INSTANTIATE_TEST_SUITE_P(Widths, ColumnRuleTest,
                         ::testing::Values(
                             // The window grows from 798 to 898: the list grows by 100.
                             ColumnCase{"Grow100", 562, 662, {309, 107, 95, 119}},
                             ColumnCase{"Shrink100", 662, 562, {211, 73, 65, 81}},
                             // 0.15 * 10 = 1.5 and 0.17 * 50 = 8.5: halves go to the even pixel.
                             ColumnCase{"HalfToEvenUp", 562, 572, {265, 92, 82, 102}},
                             ColumnCase{"HalfToEvenDown", 562, 612, {284, 98, 88, 110}},
                             ColumnCase{"NegativeHalves", 562, 552, {255, 88, 78, 98}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnRule, SecondEventWithTheSameWidthIsIgnored)
{
    TColumnRule rule(562, CreatedColumns);
    ColumnWidths widths = CreatedColumns;
    rule.Adjust(662, widths);
    const ColumnWidths once = widths;
    EXPECT_FALSE(rule.Adjust(662, widths));
    EXPECT_EQ(widths, once);
}

// Dragged one pixel at a time, the list shows what one step to the same
// width shows, and coming back restores the columns exactly.
TEST(ColumnRule, ManySmallChangesAddUpToOneLargeOne)
{
    for (const int step : {1, -1, 3}) {
        TColumnRule stepped(562, CreatedColumns);
        ColumnWidths widths = CreatedColumns;
        int width = 562;
        for (int i = 0; i < 100; ++i)
            stepped.Adjust(width += step, widths);
        TColumnRule once(562, CreatedColumns);
        ColumnWidths direct = CreatedColumns;
        once.Adjust(width, direct);
        EXPECT_EQ(widths, direct) << step;
        for (int i = 0; i < 100; ++i)
            stepped.Adjust(width -= step, widths);
        EXPECT_EQ(widths, CreatedColumns) << step;
    }
}

TEST(ColumnRule, AColumnResizedByHandGoesOnFromItsShownWidth)
{
    TColumnRule rule(562, CreatedColumns);
    ColumnWidths widths = CreatedColumns;
    rule.Adjust(563, widths); // 260.49 shows as 260
    widths[0] = 300;          // the user drags the first column
    rule.Adjust(663, widths);
    EXPECT_EQ(widths, (ColumnWidths{349, 107, 95, 119}));
}

TEST(ColumnRule, AWidthTheListKeepsAtItsMinimumIsNotAHandResize)
{
    TColumnRule rule(562, CreatedColumns);
    ColumnWidths widths = CreatedColumns;
    rule.Adjust(62, widths); // the Length column would be 5 pixels
    EXPECT_EQ(widths[1], 5);
    widths[1] = 20; // the list keeps its minimum
    rule.Showing(widths);
    rule.Adjust(562, widths);
    EXPECT_EQ(widths, CreatedColumns);
}

TEST(BottomStrip, PositionsFollowThePanelWidth)
{
    const BottomStripLayout layout = LayOutBottomStrip(580);
    EXPECT_EQ(layout.PanelWidth, 580);
    EXPECT_EQ(layout.SettingLeft, 490);
    EXPECT_EQ(layout.ProfileWidth, 407);
    EXPECT_EQ(layout.OpenLeft, 490);
    EXPECT_EQ(layout.BrowserLeft, 405);
    EXPECT_EQ(layout.OutputDirWidth, 322);
    EXPECT_EQ(layout.CurProgressLeft, 553);
    EXPECT_EQ(layout.CurrentBarWidth, 430);
    EXPECT_EQ(layout.TotalProgressLeft, 553);
    EXPECT_EQ(layout.TotalBarWidth, 430);
}

struct SplitterCase
{
    const char* name;
    int width;
    int x;
    int maxWidth;
    std::optional<int> expected;
};

class SplitterRuleTest : public ::testing::TestWithParam<SplitterCase>
{
};

TEST_P(SplitterRuleTest, ProfileWidthFollowsThePointer)
{
    const SplitterCase& c = GetParam();
    EXPECT_EQ(DragProfileWidth(c.width, c.x, c.maxWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pointer, SplitterRuleTest,
                         ::testing::Values(
                             // Dragged 20 pixels left: the pointer is at -15 of the splitter.
                             SplitterCase{"TwentyLeft", 200, -15, 700, 220},
                             SplitterCase{"TwentyRight", 200, 25, 700, 180},
                             SplitterCase{"GrabbedInTheMiddle", 200, 5, 700, 200},
                             SplitterCase{"PointerOnTheEdge", 200, 0, 700, std::nullopt},
                             SplitterCase{"PastTheRightEdge", 200, 400, 700, 0},
                             SplitterCase{"PastTheLeftEdge", 200, -900, 700, 700}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
