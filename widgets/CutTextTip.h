// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;
class QHelpEvent;
class QModelIndex;
class QStyleOptionViewItem;

// Shows a cell's own tooltip, or else its whole text when the cell is too
// narrow for it, always as plain text; hides any tooltip otherwise. Returns true when the event was
// a tooltip request and has been answered.
bool ShowCutTextTip(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                    const QModelIndex& index);

// Whether `text` is cut when shown in a cell `cellWidth` pixels wide.
bool IsCutInCell(const QString& text, const QFontMetrics& metrics, int cellWidth,
                 const QWidget* view);

// The default item painting with the cut-text tooltip.
class TCutTextTipDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};
