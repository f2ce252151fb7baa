// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/GridPainting.h"

#include <QList>
#include <QScrollArea>
#include <QString>
#include <QStringList>

class QVBoxLayout;
class TGroupHeader;
class ValueListEditor;

// A scroll box on the window colour holding name=value grids, each under its
// group's header bar, stacked from the top so that collapsing one moves the
// rest up. The stack paints the grids' cells (GridPainting.h) and repaints
// every grid when one is pressed or the focus moves between them, so that
// only the grid holding the focus shows its current row in blue.
class TGridStack : public QScrollArea
{
    Q_OBJECT

public:
    struct TGroup
    {
        TGroupHeader* Header = nullptr;
        ValueListEditor* Grid = nullptr;
    };

    explicit TGridStack(QWidget* parent = nullptr);
    ~TGridStack() override;

    // Appends a header for `group` ("Video": bar "panVideo", button "btnVideo")
    // and below it a grid "vleVideo" spoken as "Video", holding `rows` with
    // empty values, sized to them. The group's name is shown and spoken as
    // translated in the "TGridStack" context (mark it with QT_TRANSLATE_NOOP).
    TGroup AddGroup(const QString& group, const QStringList& rows, int keyWidth, int valueWidth,
                    TFixedTextLook look = TFixedTextLook::Silver);

    const QList<TGroup>& Groups() const { return FGroups; }

    // Recounts and repaints every grid with its editor, top to bottom.
    void RefreshGrids();

private:
    void FocusChanged(QWidget* old, QWidget* now);

    QWidget* FBox;
    QVBoxLayout* FStack;
    QList<TGroup> FGroups;
};
