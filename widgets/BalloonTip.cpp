// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/BalloonTip.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int TailHeight = 10;
constexpr int TailAt = 16; // from the body's left edge to the tail's tip
constexpr int Margin = 8;
constexpr int IconSize = 16;
constexpr int Radius = 6;

QStyle::StandardPixmap PixmapOf(TBalloonTip::TIcon icon)
{
    switch (icon) {
    case TBalloonTip::tiWarning:
        return QStyle::SP_MessageBoxWarning;
    case TBalloonTip::tiError:
        return QStyle::SP_MessageBoxCritical;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

TBalloonTip::TBalloonTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
{
    setObjectName(QStringLiteral("BalloonTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    FHideTimer = new QTimer(this);
    FHideTimer->setSingleShot(true);
    FHideTimer->setInterval(ShowMilliseconds);
    connect(FHideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void TBalloonTip::ShowTip(const QPoint& globalPos, TIcon icon, const QString& title,
                          const QString& text)
{
    FIcon = icon;
    FTitle = title;
    FText = text;
    setAccessibleName(title + QLatin1Char(' ') + text);
    Layout();
    QPoint topLeft = globalPos - QPoint(TailAt, 0);
    if (const QScreen* screen = QApplication::screenAt(globalPos)) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(
            std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width())));
    }
    move(topLeft);
    show();
    raise();
    update();
    FHideTimer->start();
    // The press that asked for the tip is over; the next one dismisses it.
    qApp->installEventFilter(this);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TBalloonTip::Layout()
{
    const QFontMetrics titleMetrics(Bold(font()));
    const QFontMetrics textMetrics(font());
    const int iconRoom = FIcon == tiNone ? 0 : IconSize + Margin / 2;
    const int titleWidth = iconRoom + titleMetrics.horizontalAdvance(FTitle);
    const int bodyWidth =
        Margin * 2 + std::max({titleWidth, textMetrics.horizontalAdvance(FText), TailAt * 2});
    const int bodyHeight =
        Margin * 2 + std::max(IconSize, titleMetrics.height()) + Margin / 2 + textMetrics.height();
    setFixedSize(bodyWidth + 1, TailHeight + bodyHeight + 1);

    // The shape itself, so that no corner shows without a compositor.
    QPainterPath shape;
    shape.addRoundedRect(BodyRect().adjusted(0, 0, 1, 1), Radius, Radius);
    QPolygonF tail;
    tail << QPointF(TailAt - 6, TailHeight + 1) << QPointF(TailAt, 0)
         << QPointF(TailAt + 6, TailHeight + 1);
    shape.addPolygon(tail);
    setMask(QRegion(shape.simplified().toFillPolygon().toPolygon()));
}

QRect TBalloonTip::BodyRect() const
{
    return QRect(0, TailHeight, width() - 1, height() - TailHeight - 1);
}

void TBalloonTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(BodyRect()).adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
    QPolygonF tail;
    tail << QPointF(TailAt - 6, TailHeight + 0.5) << QPointF(TailAt, 0.5)
         << QPointF(TailAt + 6, TailHeight + 0.5);
    QPainterPath tailPath;
    tailPath.addPolygon(tail);
    outline = outline.united(tailPath);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(outline);

    const QRect body = BodyRect().adjusted(Margin, Margin, -Margin, -Margin);
    int x = body.left();
    const QFontMetrics titleMetrics(Bold(font()));
    const int titleLine = std::max(IconSize, titleMetrics.height());
    if (FIcon != tiNone) {
        const QIcon icon = style()->standardIcon(PixmapOf(FIcon), nullptr, this);
        icon.paint(&painter, QRect(x, body.top() + (titleLine - IconSize) / 2, IconSize, IconSize));
        x += IconSize + Margin / 2;
    }
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setFont(Bold(font()));
    painter.drawText(QRect(x, body.top(), body.right() - x + 1, titleLine),
                     Qt::AlignLeft | Qt::AlignVCenter, FTitle);
    painter.setFont(font());
    painter.drawText(QRect(body.left(), body.top() + titleLine + Margin / 2, body.width(),
                           body.bottom() - body.top() - titleLine),
                     Qt::AlignLeft | Qt::AlignTop, FText);
}

void TBalloonTip::hideEvent(QHideEvent* event)
{
    FHideTimer->stop();
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

bool TBalloonTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::NonClientAreaMouseButtonPress)
        hide();
    return QWidget::eventFilter(watched, event);
}
