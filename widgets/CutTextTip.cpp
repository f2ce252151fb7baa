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
    const QString text = index.data(Qt::DisplayRole).toString();
    // Plain text, however the tooltip would guess: a file name is no markup.
    if (IsCutInCell(text, option.fontMetrics, view->visualRect(index).width(), view))
        QToolTip::showText(event->globalPos(), text.toHtmlEscaped(), view);
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
