// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/SizeEstimate.h"

#include "profiles/ProfileDetail.h"
#include "tasks/TaskList.h"
#include "tasks/TaskTarget.h"
#include "widgets/ValueListEditor.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTreeView>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TSizeEstimate::TSizeEstimate(QLabel* labEstimate, QTreeView* ltvTask, TTaskList& tasks,
                             TProfileDetail& detail, QObject* parent)
    : QObject(parent), FLabel(labEstimate), FView(ltvTask), FTasks(tasks), FDetail(detail)
{
    TTaskModel& model = FTasks.Model();
    // Queued: a change arrives in bursts (an add, a batch's statuses), and
    // the picks are in place only after a profile load has run.
    const auto later = [this] {
        QMetaObject::invokeMethod(this, &TSizeEstimate::Refresh, Qt::QueuedConnection);
    };
    connect(&model, &QAbstractItemModel::rowsInserted, this, later);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, later);
    connect(&model, &QAbstractItemModel::modelReset, this, later);
    connect(&model, &QAbstractItemModel::dataChanged, this, later);
    connect(&model, &TTaskModel::RecordChanged, this, later);
    connect(FView->selectionModel(), &QItemSelectionModel::selectionChanged, this, later);
    for (ValueListEditor* grid : {FDetail.vleVideo, FDetail.vleAudio, FDetail.vleAdvanced})
        connect(grid, &ValueListEditor::StringsChanged, this, later);
    Refresh();
}

void TSizeEstimate::Refresh()
{
    const TTaskModel& model = FTasks.Model();
    if (model.TaskCount() == 0) {
        FLabel->clear();
        return;
    }
    const TProfileChoice& choice = FDetail.Choice();
    int64_t total = 0;
    int depending = 0;
    int unknown = 0;
    for (int row = 0; row < model.TaskCount(); ++row) {
        const int64_t bytes = EstimateTaskBytes(choice, model.At(row).Data);
        if (bytes < 0)
            ++depending;
        else if (bytes == 0)
            ++unknown;
        total += std::max<int64_t>(bytes, 0);
    }
    QString text = QStringLiteral("Estimated size: ");
    const QModelIndex current = FView->currentIndex();
    if (current.isValid() && FView->selectionModel()->isSelected(current))
        text +=
            QStringLiteral("this task %1; ")
                .arg(Text(EstimateText(EstimateTaskBytes(choice, model.At(current.row()).Data))));
    const int counted = model.TaskCount() - depending;
    const auto tasks = [](int n) {
        return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? QStringLiteral("task")
                                                         : QStringLiteral("tasks"));
    };
    if (counted > 0)
        text += QStringLiteral("%1 %2").arg(tasks(counted), Text(EstimateText(total)));
    if (depending > 0)
        text += QStringLiteral("%1%2: %3")
                    .arg(counted > 0 ? QStringLiteral(", ") : QString(), tasks(depending),
                         Text(DependsOnPicture));
    if (unknown > 0)
        text += QStringLiteral(" (%1 of unknown length)").arg(unknown);
    FLabel->setText(text);
}
