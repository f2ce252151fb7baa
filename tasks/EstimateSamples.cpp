// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/EstimateSamples.h"

#include "tasks/ProbeQueue.h"
#include "tasks/TaskPlans.h"

#include <QTimer>

TEstimateSamples::TEstimateSamples(TTaskModel& model, TTaskPlans& plans, const QString& encoderPath,
                                   QObject* parent)
    : QObject(parent), FModel(model), FPlans(plans), FQueue(new TSampleQueue(encoderPath, this)),
      FQuiet(new QTimer(this))
{
    FQuiet->setSingleShot(true);
    connect(FQuiet, &QTimer::timeout, this, &TEstimateSamples::StartNext);
    connect(&FPlans, &TTaskPlans::Changed, this, &TEstimateSamples::Check);
    connect(FQueue, &TSampleQueue::Encoded, this, &TEstimateSamples::OnEncoded);
}

TEstimateSamples::~TEstimateSamples() = default;

void TEstimateSamples::SetBatchRunning(bool running)
{
    FBatchRunning = running;
    if (running) {
        FQuiet->stop();
        FQueue->Cancel();
        FCurrent.reset();
    } else {
        Resume();
    }
}

void TEstimateSamples::Resume()
{
    // After the event that ended the other work, which may start more.
    QTimer::singleShot(0, this, &TEstimateSamples::Check);
}

void TEstimateSamples::Check()
{
    if (FCurrent) {
        // Samples of what the task no longer is are of no use.
        const int row = FModel.RowOf(FCurrent->Id);
        if (row >= 0 && SamePlanInputs(FModel.At(row).Data, FCurrent->Inputs) &&
            FPlans.At(row).Profile == FCurrent->Plan.Profile)
            return;
        FQueue->Cancel();
        FCurrent.reset();
    }
    if (FBatchRunning || (OtherWork && OtherWork()) || FQueue->Folder().isEmpty())
        return;
    FQuiet->start(QuietMs);
}

void TEstimateSamples::StartNext()
{
    if (FCurrent || FBatchRunning || (OtherWork && OtherWork()))
        return;
    for (int row = 0; row < FModel.TaskCount(); ++row) {
        const TTaskPlan& plan = FPlans.At(row);
        if (plan.Estimate != TEstimateSource::DependsOnPicture)
            continue;
        const TaskId id = FModel.IdAt(row);
        if (const auto failed = FFailed.find(id);
            failed != FFailed.end() && failed->second == plan.Profile)
            continue;
        const ltvItemData& task = FModel.At(row).Data;
        FCurrent =
            std::make_unique<TCurrent>(TCurrent{id, plan, task, EstimateSamples(plan, task)});
        TSampleJob job{id, {}};
        for (std::size_t i = 0; i < FCurrent->Samples.size(); ++i)
            job.Runs.push_back(SampleArguments(
                plan, task.InputFile, FCurrent->Samples[i],
                (FQueue->Folder() + "/" + QString::number(i)).toStdString() + plan.OutputExt));
        FQueue->Encode(std::move(job));
        return;
    }
}

void TEstimateSamples::OnEncoded(quint64 id, const std::vector<int64_t>& bytes)
{
    if (!FCurrent || FCurrent->Id != id)
        return;
    const std::unique_ptr<TCurrent> done = std::move(FCurrent);
    const int64_t figure = SampledTaskBytes(done->Samples, bytes, done->Inputs.Span.Seconds);
    if (!FPlans.SetSampled(id, done->Plan, done->Inputs, figure) && figure <= 0)
        FFailed[id] = done->Plan.Profile;
    // The next task follows at once: the list is as quiet as it was.
    QTimer::singleShot(0, this, &TEstimateSamples::StartNext);
}
