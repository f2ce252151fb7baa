// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ValueListEditor.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int ColumnLineGrip = 2;
constexpr int MinColumnWidth = 16;

bool IsStringRole(const QList<int>& roles)
{
    return roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole);
}

} // namespace

int TValueRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(FRows.size());
}

int TValueRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TValueRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FRows.size())
        return {};
    const TRow& row = FRows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        // The key stays as the code finds the row by; its caption is shown in
        // the interface's language.
        if (index.column() == 0)
            return FShownKey
                       ? FShownKey(row.Key)
                       : QCoreApplication::translate("TValueRows", row.Key.toUtf8().constData());
        return row.Value;
    case Qt::EditRole:
        return index.column() == 0 ? row.Key : row.Value;
    case ReadOnlyRole:
        return row.ReadOnly;
    case EditStyleRole:
        return row.EditStyle;
    case PickListRole:
        return row.PickList;
    default:
        return {};
    }
}

bool TValueRows::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= FRows.size() || role != Qt::EditRole)
        return false;
    TRow& row = FRows[index.row()];
    QString& cell = index.column() == 0 ? row.Key : row.Value;
    // The same text again is no change for anyone watching the grid.
    if (cell == value.toString())
        return true;
    cell = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TValueRows::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!index.isValid() || index.column() != 1 || index.row() >= FRows.size())
        return flags;
    // A read-only pick list still opens its drop-down: picking is allowed.
    const TRow& row = FRows[index.row()];
    if (!row.ReadOnly || row.EditStyle == ValueListEditor::esPickList)
        flags |= Qt::ItemIsEditable;
    return flags;
}

void TValueRows::Insert(int row, const QString& key, const QString& value)
{
    beginInsertRows(QModelIndex(), row, row);
    TRow added;
    added.Key = key;
    added.Value = value;
    FRows.insert(row, added);
    endInsertRows();
}

void TValueRows::Remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    FRows.remove(row);
    endRemoveRows();
}

void TValueRows::SetProps(int row, bool readOnly, int editStyle, const QStringList& pickList)
{
    TRow& r = FRows[row];
    r.ReadOnly = readOnly;
    r.EditStyle = editStyle;
    r.PickList = pickList;
    emit dataChanged(index(row, 0), index(row, 1), {ReadOnlyRole, EditStyleRole, PickListRole});
}

ValueListEditor::ValueListEditor(QWidget* parent) : QTableView(parent)
{
    setModel(new TValueRows(this));
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

    connect(qApp, &QApplication::focusChanged, this, &ValueListEditor::FocusChanged);
    // The toolkit keeps each factory once, however often it is installed.
    QAccessible::installFactory(&ValueListAccessibleFactory);
}

ValueListEditor::~ValueListEditor()
{
    // QWidget's destructor, which runs after this one, deletes the model (its
    // reset fires) and moves the focus; neither may reach a grid whose own
    // members are already gone.
    if (model())
        disconnect(model(), nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

void ValueListEditor::setModel(QAbstractItemModel* newModel)
{
    QAbstractItemModel* old = model();
    QItemSelectionModel* oldSelection = selectionModel();
    if (old == newModel)
        return;
    if (old)
        disconnect(old, nullptr, this, nullptr);
    QTableView::setModel(newModel);
    delete oldSelection; // the view made it and leaves it behind
    if (auto* own = qobject_cast<TValueRows*>(old); own && own->parent() == this)
        delete own;
    FRowIndexValid = false;
    const auto rowsChanged = [this] {
        FRowIndexValid = false;
        emit StringsChanged();
    };
    connect(newModel, &QAbstractItemModel::rowsInserted, this, rowsChanged);
    connect(newModel, &QAbstractItemModel::rowsRemoved, this, rowsChanged);
    connect(newModel, &QAbstractItemModel::rowsMoved, this, rowsChanged);
    connect(newModel, &QAbstractItemModel::modelReset, this, rowsChanged);
    connect(newModel, &QAbstractItemModel::layoutChanged, this, rowsChanged);
    connect(newModel, &QAbstractItemModel::dataChanged, this, &ValueListEditor::DataChanged);
    setColumnWidth(0, FKeyWidth);
}

TValueRows* ValueListEditor::OwnRows() const
{
    auto* rows = qobject_cast<TValueRows*>(model());
    return rows && rows->parent() == this ? rows : nullptr;
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
    TValueRows* rows = OwnRows();
    if (!rows)
        return -1;
    int row = rowCount();
    if (!append)
        row = currentRow() >= 0 ? currentRow() : 0;
    rows->Insert(row, key, value); // one row, one StringsChanged
    return row;
}

void ValueListEditor::DeleteRow(int row)
{
    if (TValueRows* rows = OwnRows(); rows && row >= 0 && row < rowCount())
        rows->Remove(row);
}

QString ValueListEditor::Cells(int col, int row) const
{
    return model()->index(row, col).data(col == 0 ? Qt::DisplayRole : Qt::EditRole).toString();
}

QString ValueListEditor::ShownValue(int row) const
{
    return model()->index(row, 1).data(Qt::DisplayRole).toString();
}

void ValueListEditor::SetShownKey(TShownText shown)
{
    if (TValueRows* rows = OwnRows())
        rows->SetShownKey(shown);
}

void ValueListEditor::SetCells(int col, int row, const QString& text)
{
    const QModelIndex cell = model()->index(row, col);
    if (cell.isValid())
        model()->setData(cell, text, Qt::EditRole); // dataChanged tells the watchers
}

ValueListEditor::TItemProp ValueListEditor::ItemProps(int row) const
{
    TItemProp props;
    const QModelIndex key = model()->index(row, 0);
    if (key.isValid()) {
        props.ReadOnly = key.data(ReadOnlyRole).toBool();
        props.EditStyle = TEditStyle(key.data(EditStyleRole).toInt());
        props.PickList = key.data(PickListRole).toStringList();
    }
    return props;
}

void ValueListEditor::SetItemProps(int row, const TItemProp& props)
{
    if (TValueRows* rows = OwnRows(); rows && row >= 0 && row < rowCount())
        rows->SetProps(row, props.ReadOnly, props.EditStyle, props.PickList);
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

void ValueListEditor::setCurrentCell(int row, int col)
{
    setCurrentIndex(model()->index(row, col));
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
    QTableView::mousePressEvent(event);
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
    QTableView::mouseMoveEvent(event);
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
    QTableView::mouseReleaseEvent(event);
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
    return QTableView::edit(index, trigger, event);
}

void ValueListEditor::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The view deletes it later; until then it is no longer ours to settle.
    if (editor == FEditor)
        FEditor = nullptr;
    QTableView::closeEditor(editor, hint);
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
    QTableView::focusInEvent(event);
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
    QTableView::scrollContentsBy(dx, dy);
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

void ValueListEditor::DataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles)
{
    // Row properties are no strings: their change is no StringsChanged.
    if (!IsStringRole(roles))
        return;
    if (topLeft.column() == 0)
        FRowIndexValid = false;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        AnnounceRow(row, QAccessible::NameChanged);
    emit StringsChanged();
}
