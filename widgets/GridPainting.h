// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QStyleOptionViewItem>

class ValueListEditor;

// How the grouped grids colour their cells, on top of the grid's own painting:
// - a value that can neither be typed nor picked (a fixed text) is silver,
//   so that it reads as disabled, unless the grid paints fixed texts black;
// - the current value cell keeps the window colour instead of the selection
//   highlight, with the text colour above;
// - the label of the current row is marked blue while the grid (or its
//   in-place editor) has the focus, and has the window colour otherwise;
// - every other cell keeps the grid's painting: labels on the button colour,
//   values on the window colour.
inline const QColor FixedTextColour(192, 192, 192);
inline const QColor CurrentRowMark(49, 106, 197);

enum class TFixedTextLook
{
    Silver,
    Black
};

// Adjusts `option` for the cell; the grid's default painting then draws it.
void ColourGridCell(const ValueListEditor& grid, TFixedTextLook look, QStyleOptionViewItem& option,
                    int col, int row);

// Whether the grid or one of its editors holds the keyboard focus.
bool GridHasFocus(const ValueListEditor& grid);
