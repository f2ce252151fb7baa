// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

// The main window's resize arithmetic, kept free of widgets so that its
// numbers can be checked directly.

// The task list's four visible columns: "Input File", "Length", "Size", "Status".
using ColumnWidths = std::array<int, 4>;
// Their widths when the window is created, and the list's width then.
inline constexpr ColumnWidths CreatedColumns = {260, 90, 80, 100};
inline constexpr int CreatedListWidth = 562;

// The column rule: when the list's width changes, each column takes its share
// (0.49, 0.17, 0.15, 0.19) of the change. The shares are reckoned from where
// each column started, not from the rounded widths of the last change, and
// only what is shown is rounded, halves to even: a width reached in many
// small steps shows the columns one step gives.
class TColumnRule
{
public:
    TColumnRule(int listWidth, const ColumnWidths& shown);

    // Takes the list's new width. `shown` holds the widths the list shows
    // now and receives the widths to show. A column shown at another width
    // than the rule last gave it was resized by hand and goes on from there.
    // Returns false, changing nothing, when the width has not changed.
    bool Adjust(int newListWidth, ColumnWidths& shown);
    // The widths the list really shows after Adjust, where the toolkit may
    // have kept a column at its minimum; they are not taken for a hand resize.
    void Showing(const ColumnWidths& shown) { FGiven = shown; }

    int ListWidth() const { return FListWidth; }

private:
    int FListWidth;
    // Each column's width at a list width: where it was created or last
    // resized by hand. The shares are reckoned from there.
    ColumnWidths FBase;
    ColumnWidths FBaseListWidth;
    ColumnWidths FGiven; // what the list showed after the last change
};

// The bottom strip's positions for a given width of the list's panel.
struct BottomStripLayout
{
    int PanelWidth;        // panBottomCenter and panBottomLeft
    int SettingLeft;       // bbtnSetting
    int ProfileWidth;      // cmbProfile
    int OpenLeft;          // bbtnOpen
    int BrowserLeft;       // bbtnBrowser
    int OutputDirWidth;    // edtOutputdir
    int CurProgressLeft;   // labCurProgress
    int CurrentBarWidth;   // pgbCurrent
    int TotalProgressLeft; // labTotalProgress
    int TotalBarWidth;     // pgbTotal
};
BottomStripLayout LayOutBottomStrip(int mainPanelWidth);

// The splitter rule: the pointer at `x` relative to the splitter's left edge
// moves the splitter's middle under it, so the profile column's width grows
// by the distance the pointer went left. Nothing happens at x == 0. The width
// is kept between 0 and `maxWidth`, so a drag past either edge of the window
// neither asks for a negative width nor pushes the window wider than it is.
std::optional<int> DragProfileWidth(int profileWidth, int x, int maxWidth);
