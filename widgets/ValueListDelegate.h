#pragma once

#include <QStyledItemDelegate>

class ValueListEditor;

// The in-place editors of ValueListEditor: a line edit for simple rows and a
// drop-down for pick-list rows, which allows picking but no typing on a
// read-only row. Edits reach the grid as they happen, as they did in the
// toolkit's grid, so a value read while the editor is still open is current.
class TValueListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TValueListDelegate(ValueListEditor* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A text cut short by a narrow column shows in full as a tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    ValueListEditor* FGrid;
};
