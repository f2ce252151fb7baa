// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QString NameSeparator = QStringLiteral(", ");

} // namespace

TElidedLabel::TElidedLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
}

void TElidedLabel::SetNames(const QStringList& names)
{
    FNames = names;
    setText(names.join(NameSeparator));
}

QStringList TElidedLabel::Names() const
{
    if (FNames.size() > 1 && FNames.join(NameSeparator) == text())
        return FNames;
    return {};
}

QString TElidedLabel::ShownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = contentsRect().width();
    const QStringList names = Names();
    if (names.isEmpty() || metrics.horizontalAdvance(text()) <= width)
        return metrics.elidedText(text(), Qt::ElideMiddle, width);

    // The narrowest names first: each takes what it needs, up to an even
    // share of what is left, so the wide ones share what the narrow leave.
    const int count = static_cast<int>(names.size());
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::vector<int> widths(order.size());
    for (int i = 0; i < count; ++i)
        widths[static_cast<std::size_t>(i)] = metrics.horizontalAdvance(names[i]);
    std::sort(order.begin(), order.end(), [&widths](int a, int b) {
        return widths[static_cast<std::size_t>(a)] < widths[static_cast<std::size_t>(b)];
    });
    int left = std::max(0, width - (count - 1) * metrics.horizontalAdvance(NameSeparator));
    QStringList shown = names;
    for (int i = 0; i < count; ++i) {
        const auto name = static_cast<std::size_t>(order[static_cast<std::size_t>(i)]);
        const int share = std::min(widths[name], left / (count - i));
        shown[order[static_cast<std::size_t>(i)]] =
            metrics.elidedText(names[order[static_cast<std::size_t>(i)]], Qt::ElideMiddle, share);
        left -= share;
    }
    return shown.join(NameSeparator);
}

QString TElidedLabel::TipText() const
{
    const QStringList names = Names();
    if (!names.isEmpty())
        return names.join(QLatin1Char('\n'));
    return ShownText() != text() ? text() : QString();
}

void TElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, ShownText());
}

bool TElidedLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const QString tip = TipText(); !tip.isEmpty())
            QToolTip::showText(help->globalPos(), tip.toHtmlEscaped().replace('\n', "<br>"), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
