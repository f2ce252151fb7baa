// SPDX-License-Identifier: GPL-3.0-or-later
// The grid as a screen reader sees it.
#include "widgets/ValueListEditor.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>

namespace {

// One row of a grid: "<key>, <value>", so that the value is heard with the
// row, whichever of its two cells is current.
class TValueRowAccessible : public QAccessibleInterface
{
public:
    TValueRowAccessible(ValueListEditor* grid, const QModelIndex& keyIndex)
        : FGrid(grid), FKey(keyIndex)
    {
    }

    int Row() const { return FKey.isValid() ? FKey.row() : -1; }

    bool isValid() const override { return FGrid && FKey.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return FGrid ? FGrid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(FGrid.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        return FGrid->Cells(0, Row()) + QStringLiteral(", ") + FGrid->ShownValue(Row());
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QAbstractItemModel* model = FGrid->model();
        const QRect row =
            FGrid->visualRect(FKey) | FGrid->visualRect(model->index(Row(), 1, FKey.parent()));
        return QRect(FGrid->viewport()->mapToGlobal(row.topLeft()), row.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool current = FGrid->Row() == Row();
        state.focusable = true;
        state.selectable = true;
        state.selected = current;
        state.focused = current && FGrid->hasFocus();
        state.invisible = !FGrid->isVisible() || rect().isEmpty();
        state.disabled = !FGrid->isEnabled();
        // A fixed text cannot be changed; a pick list can be picked from.
        const ValueListEditor::TItemProp props = FGrid->ItemProps(Row());
        state.readOnly = props.ReadOnly && props.EditStyle != ValueListEditor::esPickList;
        state.editable = !state.readOnly;
        state.hasPopup = props.EditStyle == ValueListEditor::esPickList;
        return state;
    }

private:
    QPointer<ValueListEditor> FGrid;
    QPersistentModelIndex FKey;
};

// The name=value grid as a screen reader walks it: a list whose items are
// its rows, each spoken as "<key>, <value>", followed by the in-place editor
// while one is open. The toolkit's table would offer every cell and header
// on its own and leave the editor out of the tree.
class TValueListAccessible : public QAccessibleWidget
{
public:
    explicit TValueListAccessible(ValueListEditor* grid);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

protected:
    ~TValueListAccessible() override;

private:
    ValueListEditor* Grid() const;
    QWidget* Editor() const;

    // One item per row, made on first use and kept while its row lives.
    mutable QHash<QPersistentModelIndex, QAccessible::Id> FRows;
};

} // namespace

QAccessibleInterface* ValueListAccessibleFactory(const QString& className, QObject* object)
{
    auto* grid = qobject_cast<ValueListEditor*>(object);
    if (grid && className == QLatin1String(ValueListEditor::staticMetaObject.className()))
        return new TValueListAccessible(grid);
    return nullptr;
}

TValueListAccessible::TValueListAccessible(ValueListEditor* grid)
    : QAccessibleWidget(grid, QAccessible::List)
{
}

TValueListAccessible::~TValueListAccessible()
{
    for (const QAccessible::Id id : std::as_const(FRows))
        QAccessible::deleteAccessibleInterface(id);
}

ValueListEditor* TValueListAccessible::Grid() const
{
    return static_cast<ValueListEditor*>(widget());
}

QWidget* TValueListAccessible::Editor() const
{
    QWidget* editor = Grid()->Editor();
    return editor && editor->isVisible() ? editor : nullptr;
}

int TValueListAccessible::childCount() const
{
    return Grid()->RowCount() + (Editor() ? 1 : 0);
}

QAccessibleInterface* TValueListAccessible::child(int index) const
{
    ValueListEditor* grid = Grid();
    if (index == grid->RowCount())
        return Editor() ? QAccessible::queryAccessibleInterface(Editor()) : nullptr;
    if (index < 0 || index > grid->RowCount())
        return nullptr;

    // Rows that are gone leave their items behind; let them go first.
    for (auto it = FRows.begin(); it != FRows.end();) {
        if (it.key().isValid()) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(it.value());
        it = FRows.erase(it);
    }
    const QPersistentModelIndex key(grid->model()->index(index, 0));
    auto found = FRows.constFind(key);
    if (found != FRows.constEnd())
        return QAccessible::accessibleInterface(found.value());
    auto* row = new TValueRowAccessible(grid, key);
    FRows.insert(key, QAccessible::registerAccessibleInterface(row));
    return row;
}

int TValueListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    if (child->object() && child->object() == Editor())
        return Grid()->RowCount();
    if (const auto* row = dynamic_cast<const TValueRowAccessible*>(child))
        return row->parent() == this ? row->Row() : -1;
    return -1;
}

QAccessibleInterface* TValueListAccessible::childAt(int x, int y) const
{
    ValueListEditor* grid = Grid();
    const QPoint global(x, y);
    if (QWidget* editor = Editor()) {
        if (editor->rect().contains(editor->mapFromGlobal(global)))
            return QAccessible::queryAccessibleInterface(editor);
    }
    const QModelIndex index = grid->indexAt(grid->viewport()->mapFromGlobal(global));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* TValueListAccessible::focusChild() const
{
    ValueListEditor* grid = Grid();
    if (QWidget* editor = Editor(); editor && editor->hasFocus())
        return QAccessible::queryAccessibleInterface(editor);
    if (grid->hasFocus() && grid->Row() >= 0)
        return child(grid->Row());
    return nullptr;
}
