// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskModel.h"
#include "tasks/TaskPlan.h"

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <unordered_map>

class TProfileDetail;

// The footer's figures: the plans' estimates summed, each kind apart.
struct TPlanTotals
{
    int64_t Bytes = 0;
    // Tasks whose bytes are counted, whose size depends on the picture, and
    // whose length is not known yet.
    int Counted = 0;
    int Depending = 0;
    int Unknown = 0;

    bool operator==(const TPlanTotals&) const = default;
};

// The plan of every task in the list (MakeTaskPlan), kept as the list
// changes: an added task is planned, a removed one forgotten, a changed one
// planned again when what its plan reads changed, and every task when the
// batch's profile or a pick changes. The totals move by the changed plans
// alone. The output grid, the footer, the popup and Start read them here.
class TTaskPlans : public QObject
{
    Q_OBJECT

public:
    TTaskPlans(TTaskModel& model, TProfileDetail& detail, QObject* parent = nullptr);
    ~TTaskPlans() override;

    // The plan of the task in `row`.
    const TTaskPlan& At(int row);
    TPlanTotals Totals();
    // The plan `data` would have in the list, made the same way but kept
    // nowhere: what an edit would make of a task before it is stored.
    TTaskPlan Planned(const ltvItemData& data);
    void SetPreferences(const TPlanPreferences& preferences);
    const TPlanPreferences& Preferences() const { return FPreferences; }
    // The profiles a task can be planned with: the catalogue's names, the
    // choice a task pinned to `name` converts with (its picks now), and the
    // batch profile's output extension.
    QStringList CatalogueNames() const;
    TProfileChoice ChoiceOf(const QString& name) const;
    QString BatchOutputExt() const;
    // What samples of the task `id` weighed (SampledTaskBytes), encoded with
    // `sampled`, the plan it had then: kept as its estimate unless the task
    // or its profile changed since. True when kept.
    bool SetSampled(TaskId id, const TTaskPlan& sampled, const ltvItemData& inputs, int64_t bytes);
    // How many plans have been made, for tests that count them.
    long long PlansMade() const { return FMade; }

signals:
    // A plan or the totals changed; emitted once per turn of the event loop.
    void Changed();

private:
    struct TEntry
    {
        ltvItemData Inputs;
        TSourceFacts Facts;
        TTaskPlan Plan;
    };

    void Add(int first, int last);
    void Remove(int first, int last);
    void Replan(int first, int last);
    void ReplanAll();
    void BatchChanged();
    void Count(const TTaskPlan& plan, int sign);
    void Plan(TEntry& entry, int row);
    void Announce();
    void Settle();
    TEntry& EntryOf(int row);

    TTaskModel& FModel;
    TProfileDetail& FDetail;
    std::unique_ptr<TPlanProfiles> FProfiles;
    TPlanPreferences FPreferences;
    std::unordered_map<TaskId, TEntry> FEntries;
    TPlanTotals FTotals;
    bool FBatchStale = false;
    bool FAnnounced = false;
    long long FMade = 0;
};
