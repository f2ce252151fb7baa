// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's in-place editors.
#include "widgets/ValueListEditor.h"

#include "widgets/CutTextTip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStylePainter>
#include <QToolTip>

namespace {

// Marks a drop-down whose row forbids typing; its key presses may pick, not type.
const char* const NoTypingProperty = "quenbyNoTyping";

// A pick list's drop-down. A value that is none of its items (a custom size,
// say) is its placeholder text, drawn as an ordinary value; an open list then
// highlights the item such values come from.
class TPickListCombo : public QComboBox
{
public:
    TPickListCombo(QWidget* parent, const QString& otherValuesItem)
        : QComboBox(parent), FOtherValuesItem(otherValuesItem)
    {
    }

    void showPopup() override
    {
        QComboBox::showPopup();
        const QString value = isEditable() ? currentText() : placeholderText();
        const int other = FOtherValuesItem.isEmpty() ? -1 : findData(FOtherValuesItem);
        if (other >= 0 && !value.isEmpty() && findText(value) < 0 &&
            (isEditable() || currentIndex() < 0))
            view()->setCurrentIndex(model()->index(other, modelColumn(), rootModelIndex()));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (isEditable() || currentIndex() >= 0) {
            QComboBox::paintEvent(event);
            return;
        }
        // In the text colour: the toolkit draws a placeholder as a faint hint.
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText = placeholderText();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }

private:
    const QString FOtherValuesItem;
};

bool IsTypedText(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// A dotted frame just inside the cell, in the text colour, so that it shows
// on the key column's face and on the highlight alike.
void DrawFocusMark(QPainter* painter, const QRect& cell, const QPalette& palette)
{
    painter->save();
    QPen pen(palette.color(QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cell.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace

TValueListDelegate::TValueListDelegate(ValueListEditor* grid)
    : QStyledItemDelegate(grid), FGrid(grid)
{
}

// The editor is a child of the grid itself rather than of its viewport, so
// that a screen reader finds it among the grid's rows (TValueListAccessible)
// and the grid as its parent.
QWidget* TValueListDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const
{
    if (index.column() != 1)
        return nullptr;
    const ValueListEditor::TItemProp props = FGrid->ItemProps(index.row());
    const QString key = FGrid->Cells(0, index.row());
    auto* self = const_cast<TValueListDelegate*>(this);
    if (props.EditStyle == ValueListEditor::esPickList) {
        auto* combo = new TPickListCombo(FGrid, FGrid->OtherValuesItem);
        // Each item shows as the model shows it and stands for the stored text.
        const QStringList shown = index.data(ShownPickListRole).toStringList();
        for (int k = 0; k < props.PickList.size(); ++k)
            combo->addItem(shown.value(k, props.PickList[k]), props.PickList[k]);
        combo->setEditable(!props.ReadOnly);
        combo->setFrame(false);
        combo->setAccessibleName(key);
        // The spoken name of an open pick list, after its row's key.
        //: A screen reader's name for the open list of a grid row's choices; %1 is
        //: the row's name, such as "Frame Rate"
        combo->view()->setAccessibleName(tr("%1 choices").arg(key));
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(key);
        // The view installs this delegate as the editor's event filter.
        if (props.ReadOnly)
            combo->setProperty(NoTypingProperty, true);
        // A pick takes effect at once, so that whoever watches the grid's
        // strings sees the choice without waiting for the cell to be left.
        connect(combo, &QComboBox::activated, self,
                [self, combo] { emit self->commitData(combo); });
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, self,
                    [self, combo] { emit self->commitData(combo); });
        FGrid->EditorCreated(combo, key);
        return combo;
    }
    if (props.ReadOnly)
        return nullptr;
    auto* edit = new QLineEdit(FGrid);
    edit->setFrame(false);
    edit->setAccessibleName(key);
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
    FGrid->EditorCreated(edit, key);
    return edit;
}

void TValueListDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const
{
    editor->setGeometry(option.rect.translated(FGrid->viewport()->pos()));
}

void TValueListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        int k = combo->findData(value, Qt::UserRole, Qt::MatchExactly);
        if (k < 0)
            k = combo->findData(value, Qt::UserRole, Qt::MatchFixedString);
        const QString shown = index.data(Qt::DisplayRole).toString();
        if (combo->isEditable()) {
            if (k >= 0 && combo->currentIndex() != k)
                combo->setCurrentIndex(k);
            if (combo->currentText() != shown)
                combo->setEditText(shown);
        } else {
            // A value that is none of the items (a custom size, say) is shown
            // as it is, with nothing picked.
            combo->setPlaceholderText(shown);
            combo->setCurrentIndex(k);
        }
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->text() != value) // keeps the cursor where the user types
            edit->setText(value);
    }
}

void TValueListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const
{
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (!combo->isEditable() && combo->currentIndex() < 0)
            return; // nothing was picked: the shown value stands
        // A shown item stores the text it stands for; a typed one stays as typed.
        const int k = combo->findText(combo->currentText(), Qt::MatchExactly);
        text = k >= 0 ? combo->itemData(k).toString() : combo->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        text = edit->text();
    } else {
        return;
    }
    if (text == index.data(Qt::EditRole).toString())
        return;
    model->setData(index, text, Qt::EditRole);
    FGrid->UserEdited(index.row(), index.column());
}

void TValueListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (index.column() == 0 && !(opt.state & QStyle::State_Selected))
        opt.backgroundBrush = opt.palette.button(); // the key column looks fixed
    if (FGrid->OnDrawCell && FGrid->OnDrawCell(painter, opt, index.column(), index.row()))
        return;
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (FGrid->HasFocusMark(index))
        DrawFocusMark(painter, opt.rect, opt.palette);
}

bool TValueListDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlOrAlt = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!ctrlOrAlt && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            FGrid->LeaveByTab(qobject_cast<QWidget*>(watched), forward);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched->property(NoTypingProperty).toBool() &&
        IsTypedText(static_cast<QKeyEvent*>(event)))
        return true; // no keyboard search either: letters never change a read-only row
    return QStyledItemDelegate::eventFilter(watched, event);
}

bool TValueListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    return ShowCutTextTip(event, view, option, index) ||
           QStyledItemDelegate::helpEvent(event, view, option, index);
}
