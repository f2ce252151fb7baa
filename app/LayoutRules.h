#pragma once

#include <array>
#include <optional>

// The main window's resize arithmetic, kept free of widgets so that its
// numbers can be checked directly.

// The task list's four visible columns: "Input File", "Length", "Size", "Status".
using ColumnWidths = std::array<int, 4>;

// The column rule: when the list's width changes, each column takes its share
// (0.49, 0.17, 0.15, 0.19) of the change, rounded to the nearest pixel with
// halves to even. Returns false, changing nothing, when `newListWidth`
// equals `lastListWidth`; otherwise updates both and returns true.
bool AdjustColumns(int newListWidth, int& lastListWidth, ColumnWidths& widths);

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
