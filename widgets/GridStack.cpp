// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GridStack.h"

#include "widgets/GroupHeader.h"
#include "widgets/ValueListEditor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QVBoxLayout>

TGridStack::TGridStack(QWidget* parent) : QScrollArea(parent)
{
    // The grids inside take the focus; the area itself is no stop of its own.
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundRole(QPalette::Base);

    FBox = new QWidget;
    FBox->setBackgroundRole(QPalette::Base);
    FBox->setAutoFillBackground(true);
    FStack = new QVBoxLayout(FBox);
    FStack->setContentsMargins(0, 0, 0, 0);
    FStack->setSpacing(0);
    FStack->addStretch(1); // the stack is top-aligned: collapsing moves the rest up
    setWidget(FBox);

    connect(qApp, &QApplication::focusChanged, this, &TGridStack::FocusChanged);
}

// The grids go with the box after this body; the focus moves while they go,
// and must not reach a stack whose members are already gone.
TGridStack::~TGridStack()
{
    disconnect(qApp, &QApplication::focusChanged, this, &TGridStack::FocusChanged);
}

TGridStack::TGroup TGridStack::AddGroup(const QString& group, const QStringList& rows, int keyWidth,
                                        int valueWidth, TFixedTextLook look)
{
    auto* grid = new ValueListEditor(FBox);
    grid->setObjectName(QStringLiteral("vle") + group);
    const QString caption = QCoreApplication::translate("TGridStack", group.toUtf8().constData());
    grid->setAccessibleName(caption);
    grid->SetColumnWidths(keyWidth, valueWidth);
    for (const QString& row : rows)
        grid->InsertRow(row, QString());
    grid->setFixedHeight(int(rows.size()) * ValueListEditor::RowPitch);
    grid->OnDrawCell = [grid, look](QPainter*, QStyleOptionViewItem& option, int col, int row) {
        ColourGridCell(*grid, look, option, col, row);
        return false;
    };
    connect(grid, &ValueListEditor::MouseDown, this, &TGridStack::RefreshGrids);

    auto* header = new TGroupHeader(group, caption, grid, FBox);
    const int at = FStack->count() - 1; // above the stretch
    FStack->insertWidget(at, header);
    FStack->insertWidget(at + 1, grid);
    FGroups.append({header, grid});
    return FGroups.last();
}

void TGridStack::RefreshGrids()
{
    for (const TGroup& group : FGroups)
        group.Grid->Refresh();
}

void TGridStack::FocusChanged(QWidget* old, QWidget* now)
{
    for (const TGroup& group : FGroups) {
        ValueListEditor* grid = group.Grid;
        const auto owns = [grid](QWidget* w) {
            return w && (w == grid || grid->isAncestorOf(w));
        };
        if (owns(old) != owns(now))
            grid->Refresh();
    }
}
