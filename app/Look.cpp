// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Look.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace {

QPalette LightPalette()
{
    const QColor window(246, 247, 249);
    const QColor text(30, 34, 40);
    const QColor highlight(47, 111, 214);
    const QColor disabledText(150, 155, 163);

    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(243, 246, 250));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(240, 241, 244));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(227, 229, 233));
    palette.setColor(QPalette::Mid, QColor(190, 194, 201));
    palette.setColor(QPalette::Dark, QColor(160, 165, 173));
    palette.setColor(QPalette::Shadow, QColor(110, 114, 120));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, highlight);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(200, 204, 210));
    return palette;
}

} // namespace

void ApplyLook(QApplication& application)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(fusion);
    application.setPalette(LightPalette());
    // The window's pixel layout leaves the captions room for a compact UI
    // font, as desktop tools of its kind use.
    QFont font = QApplication::font();
    font.setPointSizeF(8.5);
    QApplication::setFont(font);
}
