#include "widgets/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

TElidedLabel::TElidedLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
}

QString TElidedLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
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
        if (ShownText() != text())
            QToolTip::showText(help->globalPos(), text().toHtmlEscaped(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
