// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SplitterPanel.h"

#include <QMouseEvent>

namespace {
constexpr const char* SplitterCaption = "<>";
}

TSplitterPanel::TSplitterPanel(QWidget* parent) : QLabel(QString::fromUtf8(SplitterCaption), parent)
{
    setFixedWidth(PanelWidth);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::SplitHCursor);
    QFont small = font();
    small.setPixelSize(8);
    setFont(small);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(140, 146, 156));
    setPalette(colours);
}

void TSplitterPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier)
        emit Dragged(qRound(event->position().x()));
    QLabel::mouseMoveEvent(event);
}
