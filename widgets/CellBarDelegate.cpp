// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CellBarDelegate.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int BarHeight = 4;
constexpr int Gap = 6;
constexpr int MinBarWidth = 16;

} // namespace

TCellBarDelegate::TCellBarDelegate(int percentRole, QObject* parent)
    : TCutTextTipDelegate(parent), FPercentRole(percentRole)
{
}

// The bar runs from the end of the text to the cell's edge, so that the text
// stays whole; a cell too narrow for that takes a thinner bar along its
// bottom.
void TCellBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    TCutTextTipDelegate::paint(painter, option, index);
    const QVariant percent = index.data(FPercentRole);
    if (!percent.isValid())
        return;
    const QRect cell = option.rect.adjusted(Gap / 2, 0, -Gap / 2, 0);
    const int textEnd =
        cell.left() + Gap + option.fontMetrics.horizontalAdvance(index.data().toString());
    QRect track(textEnd, cell.center().y() - BarHeight / 2 + 1, cell.right() - textEnd, BarHeight);
    if (track.width() < MinBarWidth)
        track = QRect(cell.left(), cell.bottom() - 1, cell.width(), 2);
    // The bar tells the progress in the active colours also while the list
    // is locked for the batch; on a selected row, whose background is the
    // highlight, it takes the text's colour.
    const bool selected = option.state & QStyle::State_Selected;
    const QColor fill = option.palette.color(QPalette::Active, selected ? QPalette::HighlightedText
                                                                        : QPalette::Highlight);
    QColor empty = fill;
    empty.setAlpha(60);
    painter->save();
    painter->fillRect(track, empty);
    painter->fillRect(
        QRect(track.topLeft(),
              QSize(track.width() * std::clamp(percent.toInt(), 0, 100) / 100, track.height())),
        fill);
    painter->restore();
}
