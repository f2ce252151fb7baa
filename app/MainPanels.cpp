// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainPanels.h"

#include "widgets/ControlNames.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int ProfileColumnWidth = 200;
constexpr int PreviewHeight = 177;
constexpr int SplitterHandle = 4;
const QColor HeaderColour(243, 243, 243);

} // namespace

MainPanelControls BuildMainPanel(QWidget* window)
{
    MainPanelControls c;
    c.panMain = Named(new QWidget(window), "panMain", QString());
    auto* column = new QVBoxLayout(c.panMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(0);
    c.panLeft = Named(new QWidget(c.panMain), "panLeft", QString());
    c.panLeft->setFixedWidth(10);
    listRow->addWidget(c.panLeft);

    // The task list sets the view up to show its tasks.
    c.ltvTask = Named(new QTreeView(c.panMain), "ltvTask",
                      QCoreApplication::translate("TMainForm", "Task List"));
    c.ltvTask->header()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; }").arg(HeaderColour.name()));
    listRow->addWidget(c.ltvTask, 1);
    column->addLayout(listRow, 1);
    // The footer of the list: what the outputs will weigh.
    c.labEstimate = Named(new QLabel(c.panMain), "labEstimate",
                          QCoreApplication::translate("TMainForm", "Estimated size"));
    c.labEstimate->setTextFormat(Qt::PlainText);
    c.labEstimate->setContentsMargins(10, 2, 0, 2);
    column->addWidget(c.labEstimate);
    c.BottomStrip = BuildBottomStrip(c.panMain);
    column->addWidget(c.BottomStrip.panBottom);

    c.Welcome = BuildWelcomePanel(c.panMain);
    c.Welcome.panbg->raise();
    return c;
}

ProfileColumnControls BuildProfileColumn(QWidget* window, int windowHeight)
{
    ProfileColumnControls c;
    c.panProfile = Named(new QWidget(window), "panProfile", QString());
    c.panProfile->setFixedWidth(ProfileColumnWidth);
    auto* column = new QVBoxLayout(c.panProfile);
    column->setContentsMargins(0, 4, 0, MainRightMargin);
    c.Splitter1 = Named(new QSplitter(Qt::Vertical, c.panProfile), "Splitter1", QString());
    c.Splitter1->setHandleWidth(SplitterHandle);
    c.Splitter1->setChildrenCollapsible(false);

    const QString profileDetail = QCoreApplication::translate("TMainForm", "Profile Detail");
    c.gpbProfile = Named(new QGroupBox(profileDetail, c.Splitter1), "gpbProfile", profileDetail);
    auto* detail = new QVBoxLayout(c.gpbProfile);
    detail->setContentsMargins(4, 4, 4, 4);

    c.panPreview = Named(new QWidget(c.Splitter1), "panPreview",
                         QCoreApplication::translate("TMainForm", "Preview"));
    c.Preview = BuildPreviewPane(c.panPreview);

    c.Splitter1->addWidget(c.gpbProfile);
    c.Splitter1->addWidget(c.panPreview);
    c.Splitter1->setStretchFactor(0, 1);
    c.Splitter1->setStretchFactor(1, 0);
    c.Splitter1->setSizes({windowHeight, PreviewHeight});
    column->addWidget(c.Splitter1);
    return c;
}

void FitColumns(QTreeView& list, TColumnRule& rule)
{
    ColumnWidths widths;
    for (int column = 0; column < int(widths.size()); ++column)
        widths[column] = list.columnWidth(column);
    if (!rule.Adjust(list.width(), widths))
        return;
    for (int column = 0; column < int(widths.size()); ++column) {
        list.setColumnWidth(column, widths[column]);
        widths[column] = list.columnWidth(column);
    }
    rule.Showing(widths);
}
