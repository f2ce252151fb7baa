// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GroupHeader.h"

#include "widgets/ValueListEditor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace {

const QString ExpandedCaption = QStringLiteral("-");
const QString CollapsedCaption = QStringLiteral("+");
const QString CaptionIndent = QStringLiteral("      ");

constexpr QRect ButtonPlace(5, 3, 12, 12);

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

TGroupHeader::TGroupHeader(const QString& group, const QString& caption, ValueListEditor* grid,
                           QWidget* parent)
    : QFrame(parent), FCaption(caption), FGrid(grid)
{
    setObjectName(QStringLiteral("pan") + group);
    // Not the group's bare name: the grid below, which the user works with,
    // has that one.
    //: A screen reader's name of a group of settings; %1 is its caption, such as "Video"
    setAccessibleName(tr("%1 group").arg(caption));
    setFixedHeight(BarHeight);
    setAutoFillBackground(true);
    // Explicitly: a child would otherwise take its box's white background role.
    setBackgroundRole(QPalette::Dark);

    FLabel = new QLabel(CaptionIndent + caption, this);
    QPalette palette = FLabel->palette();
    palette.setColor(QPalette::WindowText, Qt::black); // not the contrast of the shadow
    FLabel->setPalette(palette);
    FLabel->setFont(Bold(FLabel->font()));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(FLabel);

    FButton = new QToolButton(this);
    FButton->setObjectName(QStringLiteral("btn") + group);
    FButton->setGeometry(ButtonPlace);
    FButton->setFont(Bold(FButton->font()));
    FButton->raise();
    SetCaption(ExpandedCaption);
    connect(FButton, &QToolButton::clicked, this, &TGroupHeader::Toggle);

    // A grid that something else sizes to its rows (a profile load) is
    // showing again, and the button has to say so.
    FGrid->installEventFilter(this);
}

bool TGroupHeader::IsExpanded() const
{
    return FButton->text() != CollapsedCaption;
}

void TGroupHeader::Toggle()
{
    if (IsExpanded()) {
        SetCaption(CollapsedCaption);
        FGrid->setFixedHeight(CollapsedHeight);
    } else {
        SetCaption(ExpandedCaption);
        const int rows = FGrid->RowCount();
        FGrid->setFixedHeight(rows * ValueListEditor::DefaultRowHeight + rows + 1);
    }
    emit Toggled(IsExpanded());
}

void TGroupHeader::SetCaption(const QString& caption)
{
    FButton->setText(caption);
    FButton->setAccessibleName(
        //: A screen reader's name of the button that shows or hides a group; %1 is its caption
        (caption == CollapsedCaption ? tr("Expand %1") : tr("Collapse %1")).arg(FCaption));
}

void TGroupHeader::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    Toggle();
    event->accept();
}

bool TGroupHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FGrid && event->type() == QEvent::Resize && !IsExpanded() &&
        FGrid->height() > CollapsedHeight)
        SetCaption(ExpandedCaption);
    return QFrame::eventFilter(watched, event);
}
