// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that acts as a web link: light grey, blue while pressed, and a
// click (press and release over it) reports `clicked`.
class TLinkLabel : public QLabel
{
    Q_OBJECT

public:
    static const QColor NormalColor;  // RGB(194, 194, 194)
    static const QColor PressedColor; // RGB(128, 165, 253)

    // `normal` is the colour at rest; the welcome panel's link keeps the
    // light grey, a dialog may want more contrast.
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr,
                        const QColor& normal = NormalColor);

    QColor TextColor() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetTextColor(const QColor& color);

    QColor FNormal;
};
