// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QVector>

#include <functional>

class QAccessibleInterface;
class QLabel;
class QPainter;

// What a name=value grid asks its model about a row, besides the key (column
// 0) and the value (column 1): the edit role holds what the code finds and
// stores, the display role what the user reads, which may be its translation.
// Any cell of the row answers.
enum TValueListRole
{
    ReadOnlyRole = Qt::UserRole + 1, // bool
    EditStyleRole,                   // int: ValueListEditor::TEditStyle
    PickListRole,                    // QStringList: the items as stored
    ShownPickListRole,               // QStringList: the same items as shown; none shows the stored
};

// A stored text as the user reads it, such as its translation.
using TShownText = QString (*)(const QString& stored);

// Rows a grid keeps for itself: key, value and row properties per row. The
// grids whose values belong to no other object (a task's output, a form's
// fields) show these.
class TValueRows : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct TRow
    {
        QString Key;
        QString Value;
        bool ReadOnly = false;
        int EditStyle = 0;
        QStringList PickList;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // How the keys are shown; by default through the "TValueRows" translations.
    void SetShownKey(TShownText shown) { FShownKey = shown; }
    void Insert(int row, const QString& key, const QString& value);
    void Remove(int row);
    void SetProps(int row, bool readOnly, int editStyle, const QStringList& pickList);

private:
    QVector<TRow> FRows;
    TShownText FShownKey = nullptr;
};

// The name=value grid: a key column that cannot be edited and a value column
// that can, no title row, rows of 17 pixels plus a 1-pixel grid line, and a
// value column that follows the widget's width. Each row carries a read-only
// flag, an edit style and a pick list, which the model gives (TValueListRole).
// Rows are numbered from 0.
//
// The grid starts with rows of its own (TValueRows), which InsertRow,
// DeleteRow and SetItemProps change. A grid given another model is a view of
// it: values are read and set through the model, and rows and their
// properties are the model's alone.
class ValueListEditor : public QTableView
{
    Q_OBJECT

public:
    enum TEditStyle
    {
        esSimple,
        esPickList
    };

    struct TItemProp
    {
        bool ReadOnly = false;
        TEditStyle EditStyle = esSimple;
        QStringList PickList;
    };

    // Paints one cell instead of the default painting when it returns true.
    // It may also adjust `option` (colours, font) and return false, and the
    // default painting then uses the adjusted option.
    using TDrawCellHook =
        std::function<bool(QPainter* painter, QStyleOptionViewItem& option, int col, int row)>;

    static constexpr int DefaultRowHeight = 17; // without the grid line
    static constexpr int RowPitch = DefaultRowHeight + 1;

    explicit ValueListEditor(QWidget* parent = nullptr);
    ~ValueListEditor() override;

    // The key column's width; the value column takes the rest of the width
    // (`valueWidth` only sets the widget's initial width hint). The user can
    // also drag the line between the two columns.
    void SetColumnWidths(int keyWidth, int valueWidth);

    // Values by key, matched ignoring case. A missing key reads as "".
    QString Values(const QString& key) const;
    // Sets the value of the row with that key; appends a row when none has
    // it and the grid shows its own rows.
    void SetValue(const QString& key, const QString& value);
    bool FindRow(const QString& key, int& row) const;

    // Appends a row (or, with append false, inserts it before the current
    // row, or at the top when there is none). Returns the new row's index,
    // -1 on a grid showing a model that is not its own rows.
    int InsertRow(const QString& key, const QString& value, bool append = true);
    void DeleteRow(int row);
    int RowCount() const { return rowCount(); }
    int rowCount() const { return model()->rowCount(); }

    // The key a row is found by; Cells(0, row) is the caption it shows.
    QString Keys(int row) const { return model()->index(row, 0).data(Qt::EditRole).toString(); }
    QString RowValue(int row) const { return Cells(1, row); }
    // Column 0 as shown, column 1 as stored (a translated pick reads as the
    // item it stands for).
    QString Cells(int col, int row) const;
    // The value as the user reads it.
    QString ShownValue(int row) const;
    // How the grid's own rows show their keys (TValueRows::SetShownKey).
    void SetShownKey(TShownText shown);
    void SetCells(int col, int row, const QString& text);

    // Row properties.
    TItemProp ItemProps(int row) const;
    void SetItemProps(int row, const TItemProp& props);
    void SetReadOnly(int row, bool readOnly);
    void SetEditStyle(int row, TEditStyle style);
    void SetPickList(int row, const QStringList& items);

    // The current cell, -1 when there is none.
    int Row() const { return currentRow(); }
    int Col() const { return currentColumn(); }
    int currentRow() const { return currentIndex().row(); }
    int currentColumn() const { return currentIndex().column(); }
    void setCurrentCell(int row, int col);
    void SetRow(int row);

    // Shows `model` instead of the rows the grid had; the grid's own rows
    // go with it.
    void setModel(QAbstractItemModel* model) override;

    // Whether an in-place editor is open; leaving edit mode keeps what was
    // typed and closes the editor.
    bool EditorMode() const;
    void LeaveEditMode();
    // The open in-place editor, null when there is none.
    QWidget* Editor() const { return FEditor; }

    // Recounts the rows and repaints the grid and its in-place editor.
    void Refresh();
    // Settles the current cell now, as leaving it would: what an open editor
    // holds goes into the cell, and a cell the user changed is validated.
    void SettleEdit();

    TDrawCellHook OnDrawCell;
    // The pick-list item that stands for every value that is none of the
    // items ("Custom Size"): an open drop-down highlights it for such a value.
    QString OtherValuesItem;
    // Asked before an in-place editor opens; false keeps it closed. `typed`
    // is true when a key asks for it (a character, or the edit key), false
    // for a move of the current cell or the mouse.
    std::function<bool(bool typed)> OnEditRequest;

signals:
    // Any change of rows or values: typed, picked or set by code.
    void StringsChanged();
    // Leaving a cell whose text was changed by the user, by moving to another
    // cell or by the focus leaving the grid.
    void Validate(int col, int row, const QString& key, const QString& value);
    // A mouse press, after the grid has moved its current cell. Calling
    // LeaveEditMode from here keeps the press from opening an editor.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QSize sizeHint() const override;

private:
    friend class TValueListDelegate;

    void DataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles);
    void FocusChanged(QWidget* old, QWidget* now);
    void FireValidate(int row, int col);
    TValueRows* OwnRows() const;
    bool OwnsWidget(const QWidget* widget) const;
    bool OnColumnLine(const QPoint& pos) const;
    void UserEdited(int row, int col);
    void EditorCreated(QWidget* editor, const QString& key);
    // Settles and closes `editor`, then moves the focus on to the next (or
    // previous) control of the window.
    void LeaveByTab(QWidget* editor, bool forward);
    bool HasFocusMark(const QModelIndex& index) const;
    // Tells a screen reader that `row` now has the focus, or that its name
    // ("<key>, <value>") changed.
    void AnnounceRow(int row, int event) const;

    int FKeyWidth = 95;
    int FValueWidth = 68;
    bool FModified = false;     // the current cell was changed by the user
    bool FSuppressEdit = false; // a MouseDown handler left edit mode
    bool FInMousePress = false;
    QPointer<QWidget> FEditor; // the open in-place editor, if any
    // The editor's unseen caption, its row's key: a drop-down speaks its
    // value as its name and what it is for through the label that labels it.
    QLabel* FEditorCaption = nullptr;
    bool FSizingColumn = false; // the line between key and value is being dragged
    // Each key's first row, built on the first lookup after the keys changed:
    // building a batch's arguments looks up every parameter of a profile,
    // which a row-by-row search made quadratic in its size.
    mutable QHash<QString, int> FRowOfKey;
    mutable bool FRowIndexValid = false;
};

// The grid's in-place editors (ValueListDelegate.cpp): a line edit for simple
// rows and a drop-down for pick-list rows, which allows picking but no typing
// on a read-only row. Edits reach the grid as they happen, as they did in the
// toolkit's grid, so a value read while the editor is still open is current.
class TValueListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TValueListDelegate(ValueListEditor* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
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

// The grid as a screen reader walks it (ValueListAccessible.cpp): a list
// whose items are its rows, followed by the in-place editor while one is
// open. The toolkit asks every factory for every object; this one answers
// for the grids only.
QAccessibleInterface* ValueListAccessibleFactory(const QString& className, QObject* object);
