// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CutTextTip.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

bool IsCutInCell(const QString& text, const QFontMetrics& metrics, int cellWidth,
                 const QWidget* view)
{
    // The item painting leaves this margin on each side of the text.
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return metrics.horizontalAdvance(text) > cellWidth - 2 * margin;
}

bool ShowCutTextTip(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                    const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return false;
    // A cell's own tooltip (a failure's reason) comes first.
    QString tip = index.data(Qt::ToolTipRole).toString();
    const QString text = index.data(Qt::DisplayRole).toString();
    if (tip.isEmpty() &&
        IsCutInCell(text, option.fontMetrics, view->visualRect(index).width(), view))
        tip = text;
    // Plain text, however the tooltip would guess: a file name is no markup.
    if (!tip.isEmpty())
        QToolTip::showText(event->globalPos(), tip.toHtmlEscaped(), view);
    else
        QToolTip::hideText();
    return true;
}

bool TCutTextTipDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    return ShowCutTextTip(event, view, option, index) ||
           QStyledItemDelegate::helpEvent(event, view, option, index);
}
