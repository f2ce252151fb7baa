// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GridPainting.h"

#include "widgets/ValueListEditor.h"

#include <QApplication>

namespace {

void SetTextColour(QStyleOptionViewItem& option, const QColor& colour)
{
    option.palette.setColor(QPalette::Text, colour);
    option.palette.setColor(QPalette::HighlightedText, colour);
}

// The style's focus tint would colour the cell as well: the label's mark
// shows where the focus is.
void Unselect(QStyleOptionViewItem& option, const QBrush& background)
{
    option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    option.backgroundBrush = background;
}

} // namespace

bool GridHasFocus(const ValueListEditor& grid)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == &grid || grid.isAncestorOf(focus));
}

void ColourGridCell(const ValueListEditor& grid, TFixedTextLook look, QStyleOptionViewItem& option,
                    int col, int row)
{
    const bool currentRow = row == grid.Row();
    const QBrush window = option.palette.base();
    if (col == 1) {
        const ValueListEditor::TItemProp props = grid.ItemProps(row);
        const bool fixedText = look == TFixedTextLook::Silver && props.ReadOnly &&
                               props.EditStyle != ValueListEditor::esPickList;
        if (fixedText)
            SetTextColour(option, FixedTextColour);
        if (currentRow && grid.Col() == 1) {
            Unselect(option, window);
            if (!fixedText)
                SetTextColour(option, Qt::black);
        }
        return;
    }
    if (!currentRow)
        return;
    if (GridHasFocus(grid)) {
        Unselect(option, CurrentRowMark);
        SetTextColour(option, Qt::white);
    } else {
        Unselect(option, window);
        SetTextColour(option, Qt::black);
    }
}
