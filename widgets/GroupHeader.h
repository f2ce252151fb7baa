// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QToolButton;
class ValueListEditor;

// The bar over one group's grid: 18 pixels in the button-shadow colour, the
// group's name in bold after six blanks, and a 12 x 12 button reading "-"
// while the grid is expanded and "+" while it is collapsed. The button, or a
// double-click on the bar, toggles the grid. The button's caption is the
// group's state; its spoken name says what pressing it does.
class TGroupHeader : public QFrame
{
    Q_OBJECT

public:
    static constexpr int BarHeight = 18;
    static constexpr int CollapsedHeight = 1;

    // `group` is the group's name, such as "Video", which names the bar and
    // its button; `caption` is the name shown and spoken.
    TGroupHeader(const QString& group, const QString& caption, ValueListEditor* grid,
                 QWidget* parent);

    QToolButton* Button() const { return FButton; }
    ValueListEditor* Grid() const { return FGrid; }
    bool IsExpanded() const;

    // Collapses the grid to one pixel, or expands it to all its rows with
    // their grid lines.
    void Toggle();

signals:
    void Toggled(bool expanded);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetCaption(const QString& caption);

    QString FCaption;
    ValueListEditor* FGrid;
    QLabel* FLabel;
    QToolButton* FButton;
};
