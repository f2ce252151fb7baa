// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LayoutRules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<double, 4> ColumnShares = {0.49, 0.17, 0.15, 0.19};

// The splitter is 10 pixels wide: +5 puts its middle under the pointer.
constexpr int SplitterHalf = 5;

// Round half to even regardless of the current rounding mode.
int RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff > 0.5)
        return static_cast<int>(lower) + 1;
    if (diff < 0.5)
        return static_cast<int>(lower);
    const int low = static_cast<int>(lower);
    return low % 2 == 0 ? low : low + 1;
}

} // namespace

TColumnRule::TColumnRule(int listWidth, const ColumnWidths& shown)
    : FListWidth(listWidth), FGiven(shown)
{
    for (std::size_t i = 0; i < shown.size(); ++i) {
        FBase[i] = shown[i];
        FBaseListWidth[i] = listWidth;
    }
}

bool TColumnRule::Adjust(int newListWidth, ColumnWidths& shown)
{
    if (newListWidth == FListWidth)
        return false;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] != FGiven[i]) {
            FBase[i] = shown[i];
            FBaseListWidth[i] = FListWidth;
        }
        // One product from the base, never a running sum: the same list
        // width always shows the same columns.
        shown[i] = RoundHalfEven(FBase[i] + ColumnShares[i] * (newListWidth - FBaseListWidth[i]));
    }
    FListWidth = newListWidth;
    FGiven = shown;
    return true;
}

BottomStripLayout LayOutBottomStrip(int mainPanelWidth)
{
    BottomStripLayout layout{};
    layout.PanelWidth = mainPanelWidth;
    layout.SettingLeft = layout.PanelWidth - 90;
    layout.ProfileWidth = layout.SettingLeft - 83;
    layout.OpenLeft = layout.PanelWidth - 90;
    layout.BrowserLeft = layout.OpenLeft - 85;
    layout.OutputDirWidth = layout.BrowserLeft - 83;
    layout.CurProgressLeft = layout.PanelWidth - 27;
    layout.CurrentBarWidth = layout.CurProgressLeft - 123;
    layout.TotalProgressLeft = layout.PanelWidth - 27;
    layout.TotalBarWidth = layout.TotalProgressLeft - 123;
    return layout;
}

std::optional<int> DragProfileWidth(int profileWidth, int x, int maxWidth)
{
    if (x == 0)
        return std::nullopt;
    return std::clamp(profileWidth - x + SplitterHalf, 0, std::max(0, maxWidth));
}
