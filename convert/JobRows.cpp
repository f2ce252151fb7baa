// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobRows.h"

#include "convert/JobTip.h"
#include "platform/Translators.h"

std::vector<ltvItemData> TJobRows::Take(bool sideBySide)
{
    FSideBySide = sideBySide;
    FRunning.clear();
    std::vector<ltvItemData> tasks(static_cast<std::size_t>(FTasks.TaskCount()));
    FIds.resize(tasks.size());
    for (std::size_t row = 0; row < tasks.size(); ++row) {
        FTasks.Read(static_cast<int>(row), TaskField::AllFields, tasks[row]);
        FIds[row] = FTasks.IdAt(static_cast<int>(row));
    }
    return tasks;
}

bool TJobRows::Update(int job, const TTaskUpdate& update)
{
    if (job < 0 || job >= Count())
        return false;
    return FTasks.Update(FIds[static_cast<std::size_t>(job)], update);
}

void TJobRows::Started(const TConversionJob& job)
{
    FRunning[job.Id] = &job;
    Update(job.Id, {.State = TaskState::Converting, .StatusTip = QString(), .Log = QString()});
}

void TJobRows::Progressed(const TConversionJob& job)
{
    if (FSideBySide)
        Update(job.Id, {.Percent = job.Percent});
}

void TJobRows::Ended(const TConversionJob& job)
{
    FRunning.erase(job.Id);
    TTaskUpdate update{
        .State = job.State, .Log = QString::fromUtf8(job.Log.Shown(TranslatedText)), .Percent = -1};
    const QString reason = QString::fromStdString(job.Reason);
    // An output over its target is kept: the tip tells where and how big.
    if (job.State == TaskState::Complete)
        update.StatusTip = CompleteTip(job);
    else if (job.State == TaskState::Failed)
        update.StatusTip =
            job.Output.empty() ? reason : reason + QLatin1Char('\n') + CompleteTip(job);
    Update(job.Id, update);
}

void TJobRows::ShowPaused(bool paused)
{
    for (const auto& [id, job] : FRunning)
        Update(id, {.State = paused ? TaskState::Paused : TaskState::Converting,
                    .StatusTip = QString()});
}
