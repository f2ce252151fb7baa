// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ValueListEditor.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int ColumnLineGrip = 2;
constexpr int MinColumnWidth = 16;

enum TPropRole
{
    ReadOnlyRole = Qt::UserRole + 1,
    EditStyleRole,
    PickListRole,
};

} // namespace

ValueListEditor::ValueListEditor(QWidget* parent) : QTableWidget(0, 2, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowPitch); // the grid line is inside the section
    horizontalHeader()->setMinimumSectionSize(1);
    // The stretched value column never shrinks below the default section
    // size, which would let a narrow grid scroll sideways.
    horizontalHeader()->setDefaultSectionSize(MinColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, FKeyWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Tab and Shift+Tab belong to the window's focus chain: a grid that
    // walked its cells with them would hold a keyboard user forever. The
    // arrow keys walk the cells.
    setTabKeyNavigation(false);
    setItemDelegate(new TValueListDelegate(this));
    setMouseTracking(true); // the column line shows its sizing cursor on hover

    connect(this, &QTableWidget::itemChanged, this, &ValueListEditor::ItemChanged);
    const auto keysChanged = [this] {
        FRowIndexValid = false;
    };
    connect(model(), &QAbstractItemModel::rowsInserted, this, keysChanged);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, keysChanged);
    connect(model(), &QAbstractItemModel::rowsMoved, this, keysChanged);
    connect(model(), &QAbstractItemModel::modelReset, this, keysChanged);
    connect(model(), &QAbstractItemModel::layoutChanged, this, keysChanged);
    connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (topLeft.column() == 0)
            FRowIndexValid = false;
    });
    connect(qApp, &QApplication::focusChanged, this, &ValueListEditor::FocusChanged);
    // The toolkit keeps each factory once, however often it is installed.
    QAccessible::installFactory(&ValueListAccessibleFactory);
}

ValueListEditor::~ValueListEditor()
{
    // QWidget's destructor, which runs after this one, deletes the model (its
    // reset fires) and moves the focus; neither may reach a grid whose own
    // members are already gone.
    disconnect(model(), nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

void ValueListEditor::SetColumnWidths(int keyWidth, int valueWidth)
{
    FKeyWidth = keyWidth;
    FValueWidth = valueWidth;
    setColumnWidth(0, keyWidth);
    updateGeometry();
}

QSize ValueListEditor::sizeHint() const
{
    return QSize(FKeyWidth + FValueWidth, rowCount() * RowPitch);
}

QString ValueListEditor::Values(const QString& key) const
{
    int row;
    return FindRow(key, row) ? RowValue(row) : QString();
}

void ValueListEditor::SetValue(const QString& key, const QString& value)
{
    int row;
    if (FindRow(key, row))
        SetCells(1, row, value);
    else
        InsertRow(key, value);
}

bool ValueListEditor::FindRow(const QString& key, int& row) const
{
    if (!FRowIndexValid) {
        FRowOfKey.clear();
        for (int r = rowCount() - 1; r >= 0; --r)
            FRowOfKey.insert(Keys(r).toCaseFolded(), r);
        FRowIndexValid = true;
    }
    row = FRowOfKey.value(key.toCaseFolded(), -1);
    return row >= 0;
}

int ValueListEditor::InsertRow(const QString& key, const QString& value, bool append)
{
    int row = rowCount();
    if (!append)
        row = currentRow() >= 0 ? currentRow() : 0;
    ++FUpdating;
    insertRow(row);
    auto* keyItem = new QTableWidgetItem(key);
    keyItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    keyItem->setData(ReadOnlyRole, false);
    keyItem->setData(EditStyleRole, int(esSimple));
    setItem(row, 0, keyItem);
    setItem(row, 1, new QTableWidgetItem(value));
    ApplyFlags(row);
    --FUpdating;
    emit StringsChanged();
    return row;
}

void ValueListEditor::DeleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    removeRow(row);
    emit StringsChanged();
}

QString ValueListEditor::Cells(int col, int row) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void ValueListEditor::SetCells(int col, int row, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text); // itemChanged tells the watchers
}

ValueListEditor::TItemProp ValueListEditor::ItemProps(int row) const
{
    TItemProp props;
    if (const QTableWidgetItem* keyItem = item(row, 0)) {
        props.ReadOnly = keyItem->data(ReadOnlyRole).toBool();
        props.EditStyle = TEditStyle(keyItem->data(EditStyleRole).toInt());
        props.PickList = keyItem->data(PickListRole).toStringList();
    }
    return props;
}

void ValueListEditor::SetItemProps(int row, const TItemProp& props)
{
    QTableWidgetItem* keyItem = item(row, 0);
    if (!keyItem)
        return;
    ++FUpdating; // properties are not strings: no StringsChanged
    keyItem->setData(ReadOnlyRole, props.ReadOnly);
    keyItem->setData(EditStyleRole, int(props.EditStyle));
    keyItem->setData(PickListRole, props.PickList);
    ApplyFlags(row);
    --FUpdating;
}

void ValueListEditor::SetReadOnly(int row, bool readOnly)
{
    TItemProp props = ItemProps(row);
    props.ReadOnly = readOnly;
    SetItemProps(row, props);
}

void ValueListEditor::SetEditStyle(int row, TEditStyle style)
{
    TItemProp props = ItemProps(row);
    props.EditStyle = style;
    SetItemProps(row, props);
}

void ValueListEditor::SetPickList(int row, const QStringList& items)
{
    TItemProp props = ItemProps(row);
    props.PickList = items;
    SetItemProps(row, props);
}

void ValueListEditor::ApplyFlags(int row)
{
    QTableWidgetItem* valueItem = item(row, 1);
    if (!valueItem)
        return;
    const TItemProp props = ItemProps(row);
    // A read-only pick list still opens its drop-down: picking is allowed.
    const bool editable = !props.ReadOnly || props.EditStyle == esPickList;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable)
        flags |= Qt::ItemIsEditable;
    ++FUpdating;
    valueItem->setFlags(flags);
    --FUpdating;
}

void ValueListEditor::SetRow(int row)
{
    setCurrentCell(row, currentColumn() >= 0 ? currentColumn() : 1);
}

bool ValueListEditor::EditorMode() const
{
    return state() == QAbstractItemView::EditingState;
}

void ValueListEditor::LeaveEditMode()
{
    if (FInMousePress)
        FSuppressEdit = true; // the release of this press must not reopen it
    if (FEditor) {
        commitData(FEditor);
        closeEditor(FEditor, QAbstractItemDelegate::NoHint);
    }
}

void ValueListEditor::Refresh()
{
    doItemsLayout();
    viewport()->update();
    if (FEditor)
        FEditor->update();
}

void ValueListEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnColumnLine(event->position().toPoint())) {
        FSizingColumn = true;
        emit MouseDown(event->button(), event->modifiers(), event->position().toPoint());
        return;
    }
    FSuppressEdit = false;
    FInMousePress = true;
    QTableWidget::mousePressEvent(event);
    emit MouseDown(event->button(), event->modifiers(), event->position().toPoint());
    FInMousePress = false;
}

void ValueListEditor::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (FSizingColumn) {
        // Both columns keep room for a few characters.
        const int room = viewport()->width() - MinColumnWidth;
        setColumnWidth(0, std::clamp(pos.x(), MinColumnWidth, std::max(room, MinColumnWidth)));
        return;
    }
    viewport()->setCursor(OnColumnLine(pos) ? Qt::SplitHCursor : Qt::ArrowCursor);
    QTableWidget::mouseMoveEvent(event);
}

bool ValueListEditor::OnColumnLine(const QPoint& pos) const
{
    return std::abs(pos.x() - columnWidth(0)) <= ColumnLineGrip;
}

void ValueListEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (FSizingColumn) {
        FSizingColumn = false;
        FKeyWidth = columnWidth(0);
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
    FSuppressEdit = false;
}

bool ValueListEditor::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (FSuppressEdit)
        return false;
    // The user's triggers only: an editor opened by code is not asked about.
    const bool byUser = trigger != QAbstractItemView::NoEditTriggers &&
                        trigger != QAbstractItemView::AllEditTriggers;
    const bool typed =
        trigger == QAbstractItemView::AnyKeyPressed || trigger == QAbstractItemView::EditKeyPressed;
    if (byUser && OnEditRequest && !OnEditRequest(typed))
        return false;
    // A key typed on a read-only pick list must not open it as if to type.
    if (trigger == QAbstractItemView::AnyKeyPressed && index.isValid()) {
        const TItemProp props = ItemProps(index.row());
        if (props.ReadOnly && props.EditStyle == esPickList)
            return false;
    }
    return QTableWidget::edit(index, trigger, event);
}

void ValueListEditor::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The view deletes it later; until then it is no longer ours to settle.
    if (editor == FEditor)
        FEditor = nullptr;
    QTableWidget::closeEditor(editor, hint);
}

void ValueListEditor::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // Settle the cell being left before anyone hears of the move.
    if (FEditor)
        commitData(FEditor);
    if (previous.isValid() && FModified)
        FireValidate(previous.row(), previous.column());
    FModified = false;
    // Past the table's own handler, which would tell a screen reader of a
    // cell by the table's numbering: the grid speaks in rows.
    QAbstractItemView::currentChanged(current, previous);
    // An editor that opened took the focus and speaks for itself.
    if (current.isValid() && current.row() != previous.row() && hasFocus())
        AnnounceRow(current.row(), QAccessible::Focus);
}

void ValueListEditor::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected)
{
    QAbstractItemView::selectionChanged(selected, deselected); // rows, as above
}

void ValueListEditor::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    // The toolkit tells of the grid itself once this returns; the row it
    // stands on comes next, as a list's current item does.
    if (QAccessible::isActive())
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                AnnounceRow(currentRow(), QAccessible::Focus);
        });
}

void ValueListEditor::AnnounceRow(int row, int event) const
{
    if (row < 0 || !QAccessible::isActive())
        return;
    QAccessibleEvent announce(const_cast<ValueListEditor*>(this), QAccessible::Event(event));
    announce.setChild(row);
    QAccessible::updateAccessibility(&announce);
}

void ValueListEditor::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    // The editor lies on the grid, not on the viewport, whose scrolling
    // carries only its own children along.
    if (FEditor)
        updateEditorGeometries();
}

void ValueListEditor::FocusChanged(QWidget* old, QWidget* now)
{
    // A window losing activation (now null) is not the grid being left.
    if (!now || !old || !OwnsWidget(old) || OwnsWidget(now))
        return;
    SettleEdit();
}

void ValueListEditor::SettleEdit()
{
    if (FEditor)
        commitData(FEditor);
    if (FModified)
        FireValidate(currentRow(), currentColumn());
}

void ValueListEditor::FireValidate(int row, int col)
{
    FModified = false;
    emit Validate(col, row, Keys(row), RowValue(row));
}

void ValueListEditor::LeaveByTab(QWidget* editor, bool forward)
{
    if (editor == FEditor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    setFocus(Qt::TabFocusReason);
    QWidget::focusNextPrevChild(forward);
}

bool ValueListEditor::HasFocusMark(const QModelIndex& index) const
{
    return index == currentIndex() && (hasFocus() || (FEditor && FEditor->hasFocus()));
}

bool ValueListEditor::OwnsWidget(const QWidget* widget) const
{
    // Walks across window boundaries too: a drop-down's popup belongs here.
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

void ValueListEditor::UserEdited(int row, int col)
{
    if (row == currentRow() && col == currentColumn())
        FModified = true;
}

void ValueListEditor::EditorCreated(QWidget* editor, const QString& key)
{
    FEditor = editor;
    setTabOrder(this, editor);
    if (!FEditorCaption) {
        FEditorCaption = new QLabel(this);
        FEditorCaption->hide();
    }
    QString caption = key;
    FEditorCaption->setText(caption.replace(QLatin1Char('&'), QLatin1String("&&"))); // no mnemonic
    FEditorCaption->setBuddy(editor);
}

void ValueListEditor::ItemChanged(QTableWidgetItem* item)
{
    if (item)
        AnnounceRow(item->row(), QAccessible::NameChanged);
    if (FUpdating == 0)
        emit StringsChanged();
}
