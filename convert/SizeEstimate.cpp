// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/SizeEstimate.h"

#include "platform/Translators.h"
#include "tasks/TaskList.h"
#include "tasks/TaskPlans.h"
#include "tasks/TaskTarget.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QStringList>
#include <QTreeView>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TSizeEstimate::TSizeEstimate(QLabel* labEstimate, QTreeView* ltvTask, TTaskList& tasks,
                             TProfileDetail&, QObject* parent)
    : QObject(parent), FLabel(labEstimate), FView(ltvTask), FTasks(tasks)
{
    // The footer never widens the window: it takes the width it is given.
    FLabel->setSizePolicy(QSizePolicy::Ignored, FLabel->sizePolicy().verticalPolicy());
    FLabel->setMinimumWidth(0);
    FLabel->installEventFilter(this);
    const auto later = [this] {
        QMetaObject::invokeMethod(this, &TSizeEstimate::Refresh, Qt::QueuedConnection);
    };
    connect(&FTasks.Plans(), &TTaskPlans::Changed, this, &TSizeEstimate::Refresh);
    connect(FView->selectionModel(), &QItemSelectionModel::selectionChanged, this, later);
    connect(FView->selectionModel(), &QItemSelectionModel::currentChanged, this, later);
    Refresh();
}

void TSizeEstimate::Refresh()
{
    TTaskPlans& plans = FTasks.Plans();
    if (FTasks.Model().TaskCount() == 0) {
        FText.clear();
        Fit();
        return;
    }
    const TPlanTotals totals = plans.Totals();
    QStringList parts;
    if (totals.Counted > 0)
        //: %n tasks together, %1 their estimated size ("about 1.95 MB")
        parts << tr("%n task(s) %1", nullptr, totals.Counted)
                     .arg(Text(EstimateText(totals.Bytes, TranslatedText)));
    if (totals.Depending > 0)
        //: %1 is "depends on the picture"
        parts << tr("%n task(s): %1", nullptr, totals.Depending)
                     .arg(Text(TranslatedText("OutputSize", DependsOnPicture)));
    if (totals.Unknown > 0)
        //: Tasks whose length is not known yet, counted apart from the others
        parts << tr("%n task(s) of unknown length", nullptr, totals.Unknown);
    QString batch = parts.join(QStringLiteral(", "));
    const QModelIndex current = FView->currentIndex();
    if (current.isValid() && FView->selectionModel()->isSelected(current))
        //: %1 is the selected task's estimated size, %2 the batch's
        batch = tr("this task %1; %2")
                    .arg(Text(PlanEstimateText(plans.At(current.row()), TranslatedText)), batch);
    //: The footer under the task list; %1 holds the estimates
    FText = tr("Estimated size: %1").arg(batch);
    Fit();
}

void TSizeEstimate::Fit()
{
    const int width = FLabel->contentsRect().width();
    const QString shown = FLabel->fontMetrics().elidedText(FText, Qt::ElideRight, width);
    FLabel->setText(shown);
    FLabel->setToolTip(shown == FText ? QString() : FText);
    FLabel->setAccessibleDescription(FText);
}

bool TSizeEstimate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FLabel && event->type() == QEvent::Resize)
        Fit();
    return QObject::eventFilter(watched, event);
}
