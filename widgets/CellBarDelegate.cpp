#include "widgets/CellBarDelegate.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int BarHeight = 3;
constexpr int BarMargin = 2;

} // namespace

TCellBarDelegate::TCellBarDelegate(int percentRole, QObject* parent)
    : TCutTextTipDelegate(parent), FPercentRole(percentRole)
{
}

void TCellBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    TCutTextTipDelegate::paint(painter, option, index);
    const QVariant percent = index.data(FPercentRole);
    if (!percent.isValid())
        return;
    const QRect track(option.rect.left() + BarMargin,
                      option.rect.bottom() - BarMargin - BarHeight + 1,
                      option.rect.width() - 2 * BarMargin, BarHeight);
    // On a selected row the highlight is the background: the bar takes the
    // text's colour there.
    const bool selected = option.state & QStyle::State_Selected;
    const QColor fill =
        option.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight);
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
