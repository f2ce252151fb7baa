// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/SizeEstimate.h"

#include "platform/Translators.h"
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
    QString batch;
    if (model.TaskCount() - depending > 0)
        //: %n tasks together, %1 their estimated size ("about 1.95 MB")
        batch = tr("%n task(s) %1", nullptr, model.TaskCount() - depending)
                    .arg(Text(EstimateText(total, TranslatedText)));
    if (depending > 0) {
        //: %1 is "depends on the picture"
        const QString part = tr("%n task(s): %1", nullptr, depending)
                                 .arg(Text(TranslatedText("OutputSize", DependsOnPicture)));
        batch = batch.isEmpty() ? part : batch + QStringLiteral(", ") + part;
    }
    if (unknown > 0)
        batch += QLatin1Char(' ') + tr("(%n of unknown length)", nullptr, unknown);
    const QModelIndex current = FView->currentIndex();
    if (current.isValid() && FView->selectionModel()->isSelected(current))
        //: %1 is the selected task's estimated size, %2 the batch's
        batch = tr("this task %1; %2")
                    .arg(Text(EstimateText(EstimateTaskBytes(choice, model.At(current.row()).Data),
                                           TranslatedText)),
                         batch);
    //: The footer under the task list; %1 holds the estimates
    const QString text = tr("Estimated size: %1").arg(batch);
    FLabel->setText(text);
}
