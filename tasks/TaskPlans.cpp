// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPlans.h"

#include "platform/Translators.h"
#include "profiles/ProfileDetail.h"
#include "widgets/ValueListEditor.h"

#include <algorithm>

TTaskPlans::TTaskPlans(TTaskModel& model, TProfileDetail& detail, QObject* parent)
    : QObject(parent), FModel(model), FDetail(detail)
{
    FProfiles = std::make_unique<TPlanProfiles>(
        MakeProfilePlan(FDetail.Choice()),
        [this](const std::string& name) { return FDetail.ChoiceOf(QString::fromStdString(name)); },
        TranslatedText);
    // Direct: a view that reads a plan right after the change that made it
    // finds it made.
    connect(&FModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { Add(first, last); });
    connect(&FModel, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { Remove(first, last); });
    connect(&FModel, &QAbstractItemModel::modelReset, this, &TTaskPlans::ReplanAll);
    connect(
        &FModel, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex& from, const QModelIndex& to) { Replan(from.row(), to.row()); });
    connect(&FModel, &TTaskModel::RecordChanged, this, [this](int row) { Replan(row, row); });
    // A pick or a profile load changes the batch's choice: every task is
    // planned again once, on the next read or turn of the event loop.
    for (ValueListEditor* grid : {FDetail.vleVideo, FDetail.vleAudio, FDetail.vleAdvanced})
        connect(grid, &ValueListEditor::StringsChanged, this, &TTaskPlans::BatchChanged);
    connect(&FDetail, &TProfileDetail::ChoiceLoaded, this, &TTaskPlans::BatchChanged);
    ReplanAll();
}

TTaskPlans::~TTaskPlans() = default;

void TTaskPlans::Count(const TTaskPlan& plan, int sign)
{
    switch (plan.Estimate) {
    case TEstimateSource::UnknownLength:
        FTotals.Unknown += sign;
        break;
    case TEstimateSource::DependsOnPicture:
        FTotals.Depending += sign;
        break;
    case TEstimateSource::Bitrates:
    case TEstimateSource::Target:
    case TEstimateSource::Samples:
        FTotals.Counted += sign;
        FTotals.Bytes += sign * plan.EstimatedBytes;
        break;
    }
}

void TTaskPlans::Add(int first, int last)
{
    for (int row = first; row <= last; ++row)
        Plan(FEntries[FModel.IdAt(row)], row);
    Announce();
}

// A fresh plan for the task in `row`, its samples' figure dropped: it was
// worked out for what the task was before.
void TTaskPlans::Plan(TEntry& entry, int row)
{
    entry.Inputs = FModel.At(row).Data;
    entry.Facts = {FModel.At(row).NoAudio, 0};
    entry.Plan = MakeTaskPlan(*FProfiles, entry.Inputs, FPreferences, TranslatedText, entry.Facts);
    ++FMade;
    Count(entry.Plan, 1);
}

bool TTaskPlans::SetSampled(TaskId id, const TTaskPlan& sampled, const ltvItemData& inputs,
                            int64_t bytes)
{
    Settle();
    const auto at = FEntries.find(id);
    if (at == FEntries.end() || at->second.Plan.Profile != sampled.Profile ||
        !SamePlanInputs(at->second.Inputs, inputs) || bytes <= 0)
        return false;
    TEntry& entry = at->second;
    Count(entry.Plan, -1);
    entry.Facts.SampledBytes = bytes;
    entry.Plan =
        MakeTaskPlan(entry.Plan.Profile, entry.Inputs, FPreferences, TranslatedText, entry.Facts);
    ++FMade;
    Count(entry.Plan, 1);
    Announce();
    return true;
}

void TTaskPlans::Remove(int first, int last)
{
    for (int row = first; row <= last; ++row)
        if (const auto at = FEntries.find(FModel.IdAt(row)); at != FEntries.end()) {
            Count(at->second.Plan, -1);
            FEntries.erase(at);
        }
    Announce();
}

void TTaskPlans::Replan(int first, int last)
{
    bool changed = false;
    for (int row = std::max(first, 0); row <= last && row < FModel.TaskCount(); ++row) {
        const ltvItemData& data = FModel.At(row).Data;
        const auto at = FEntries.find(FModel.IdAt(row));
        // A status or a progress leaves the plan as it is.
        if (at != FEntries.end() && SamePlanInputs(at->second.Inputs, data))
            continue;
        if (at != FEntries.end())
            Count(at->second.Plan, -1);
        Plan(FEntries[FModel.IdAt(row)], row);
        changed = true;
    }
    if (changed)
        Announce();
}

void TTaskPlans::ReplanAll()
{
    FBatchStale = false;
    FProfiles->SetBatch(MakeProfilePlan(FDetail.Choice()));
    FEntries.clear();
    FTotals = TPlanTotals();
    for (int row = 0; row < FModel.TaskCount(); ++row)
        Plan(FEntries[FModel.IdAt(row)], row);
    Announce();
}

void TTaskPlans::BatchChanged()
{
    FBatchStale = true;
    Announce();
}

void TTaskPlans::Settle()
{
    if (FBatchStale)
        ReplanAll();
}

void TTaskPlans::SetPreferences(const TPlanPreferences& preferences)
{
    if (preferences == FPreferences)
        return;
    FPreferences = preferences;
    ReplanAll();
}

// Listeners hear of a burst of changes (an add, a batch's statuses) once.
void TTaskPlans::Announce()
{
    if (FAnnounced)
        return;
    FAnnounced = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FAnnounced = false;
            Settle();
            emit Changed();
        },
        Qt::QueuedConnection);
}

TTaskPlans::TEntry& TTaskPlans::EntryOf(int row)
{
    Settle();
    const auto at = FEntries.find(FModel.IdAt(row));
    if (at != FEntries.end())
        return at->second;
    // Rows are planned as they come; this only guards a read made from
    // inside the model's own insertion.
    Add(row, row);
    return FEntries[FModel.IdAt(row)];
}

const TTaskPlan& TTaskPlans::At(int row)
{
    return EntryOf(row).Plan;
}

TPlanTotals TTaskPlans::Totals()
{
    Settle();
    return FTotals;
}

TTaskPlan TTaskPlans::Planned(const ltvItemData& data)
{
    Settle();
    // An edit keeps what the probe found, but not the samples of the task
    // as it was.
    const auto at = std::find_if(FEntries.begin(), FEntries.end(), [&data](const auto& entry) {
        return entry.second.Inputs.InputFile == data.InputFile;
    });
    const TSourceFacts facts{at != FEntries.end() && at->second.Facts.NoAudio, 0};
    return MakeTaskPlan(*FProfiles, data, FPreferences, TranslatedText, facts);
}

QStringList TTaskPlans::CatalogueNames() const
{
    return FDetail.CatalogueNames();
}

TProfileChoice TTaskPlans::ChoiceOf(const QString& name) const
{
    return FDetail.ChoiceOf(name);
}

QString TTaskPlans::BatchOutputExt() const
{
    return FDetail.OutputExt;
}
