// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

const QColor TLinkLabel::NormalColor(194, 194, 194);
const QColor TLinkLabel::PressedColor(128, 165, 253);

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent, const QColor& normal)
    : QLabel(text, parent), FNormal(normal)
{
    setCursor(Qt::PointingHandCursor);
    // Keyboard users reach the link with Tab and follow it with Enter or Space.
    setFocusPolicy(Qt::TabFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
    SetTextColor(FNormal);
}

QColor TLinkLabel::TextColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLinkLabel::SetTextColor(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SetTextColor(PressedColor);
    QLabel::mousePressEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    SetTextColor(FNormal);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TLinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
