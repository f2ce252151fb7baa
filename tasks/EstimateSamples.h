// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskModel.h"
#include "tasks/TaskPlan.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QTimer;
class TSampleQueue;
class TTaskPlans;

// Gives a figure to the tasks whose size depends on the picture: encodes a
// few samples of each with its own plan (EstimateSamples) in the sample
// queue, one task at a time, and hands what they weighed to its plan
// (TTaskPlans::SetSampled). It works only when nothing else does: never
// while a batch runs or while `OtherWork` says files are still being added
// or their pictures taken, so that the estimate never holds up an add.
// A batch's start or a change to the task or its profile stops the samples
// under way; a change makes them again later.
class TEstimateSamples : public QObject
{
    Q_OBJECT

public:
    TEstimateSamples(TTaskModel& model, TTaskPlans& plans, const QString& encoderPath,
                     QObject* parent = nullptr);
    ~TEstimateSamples() override;

    // True while work that comes first is under way.
    std::function<bool()> OtherWork;
    // How long the list stays unchanged before samples start: an encoder
    // started under a user still editing the list would mostly be stopped.
    int QuietMs = 3000;

    void SetBatchRunning(bool running);
    // Looks for a task to sample, now that other work may have ended.
    void Resume();

private:
    void Check();
    void StartNext();
    void OnEncoded(quint64 id, const std::vector<int64_t>& bytes);

    TTaskModel& FModel;
    TTaskPlans& FPlans;
    TSampleQueue* FQueue;
    QTimer* FQuiet;
    bool FBatchRunning = false;
    // The task being sampled, with its plan and its record then.
    struct TCurrent
    {
        TaskId Id = 0;
        TTaskPlan Plan;
        ltvItemData Inputs;
        std::vector<TEstimateSample> Samples;
    };
    std::unique_ptr<TCurrent> FCurrent;
    // Tasks whose samples failed, with the profile they failed with: not
    // tried again until it changes.
    std::map<TaskId, std::shared_ptr<const TProfilePlan>> FFailed;
};
