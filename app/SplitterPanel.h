// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The narrow panel between the task list and the profile column that the
// user drags to resize the column. It holds the mouse while a button is down,
// so it goes on reporting positions left and right of itself.
class TSplitterPanel : public QLabel
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 10;

    explicit TSplitterPanel(QWidget* parent = nullptr);

signals:
    // The pointer moved to `x` (relative to the panel's left edge) while the
    // left button alone was held with no modifier key.
    void Dragged(int x);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
