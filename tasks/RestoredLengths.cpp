// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/RestoredLengths.h"

#include "tasks/ProbeQueue.h"

TRestoredLengths::TRestoredLengths(TTaskModel& model, const QString& encoderPath, QObject* parent)
    : QObject(parent), FModel(model),
      FProbes(new TProbeQueue(encoderPath, 1, ProbeTimeLimitMs, this))
{
    connect(FProbes, &TProbeQueue::Probed, this, [this](quint64 id, const TProbeResult& probe) {
        const int row = FModel.RowOf(id);
        if (row < 0)
            return;
        // The tooltips learn what the kept list never held.
        FModel.SetFacts(id,
                        MediaFactsOf(QString::fromStdString(FModel.At(row).Data.InputFile), probe));
        ltvItemData task = FModel.At(row).Data;
        if (ClampTaskLength(task, probe.LengthText.toStdString()))
            FModel.Write(row, TaskField::AllFields, task);
        // Its plan maps the tracks it chose from now on.
        if (!probe.LengthText.isEmpty()) {
            task.Tracks = probe.Tracks;
            task.TracksKnown = true;
            FModel.Write(row, TaskField::Tracks, task);
        }
    });
}

void TRestoredLengths::Check(const std::vector<TaskId>& tasks)
{
    std::vector<TProbeItem> items;
    for (const TaskId id : tasks)
        if (const int row = FModel.RowOf(id); row >= 0)
            items.push_back({id, QString::fromStdString(FModel.At(row).Data.InputFile)});
    // A restore comes once a session, so the one place is free; without an
    // encoder the tasks keep the lengths they were kept with.
    FProbes->Probe(std::move(items));
}
