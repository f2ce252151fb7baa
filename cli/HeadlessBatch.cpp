// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessBatch.h"

#include "base/PathText.h"
#include "cli/HeadlessOptions.h"
#include "cli/ProgressBoard.h"

#include <QCoreApplication>

THeadlessBatch::THeadlessBatch(std::function<void(const std::string&)> write, bool terminal,
                               int width, QObject* parent)
    : QObject(parent), FWrite(std::move(write)), FTerminal(terminal), FWidth(width)
{
    connect(&FEngine, &TBatchEngine::JobStarted, this, [this](const TConversionJob& job) {
        FWrite(FBoard->Started(job.Id, ExtractFileName(job.Task.InputFile)));
    });
    connect(&FEngine, &TBatchEngine::JobProgress, this,
            [this](const TConversionJob& job) { FWrite(FBoard->Progress(job.Id, job.Percent)); });
    connect(&FEngine, &TBatchEngine::JobEnded, this, &THeadlessBatch::OnJobEnded);
    connect(&FEngine, &TBatchEngine::BatchEnded, this, &THeadlessBatch::OnBatchEnded);
}

THeadlessBatch::~THeadlessBatch() = default;

void THeadlessBatch::Start(std::vector<ltvItemData> tasks, const TBatchOptions& options,
                           std::vector<TTaskPlan> plans)
{
    FBoard = std::make_unique<TProgressBoard>(static_cast<int>(tasks.size()), FTerminal, FWidth);
    FClock.start();
    FFailed = 0;
    FEngine.Start(std::move(tasks), options, std::move(plans));
}

int THeadlessBatch::Enqueue(ltvItemData task)
{
    const int index = FEngine.Enqueue(std::move(task));
    if (index >= 0)
        FBoard->AddTask();
    return index;
}

void THeadlessBatch::Interrupt()
{
    // Once the batch has ended, its status stands.
    if (!FEngine.IsRunning())
        return;
    FInterrupted = true;
    FEngine.Stop();
}

int THeadlessBatch::ExitStatus() const
{
    if (FInterrupted)
        return ExitInterrupted;
    return FFailed > 0 ? ExitFailed : ExitCompleted;
}

void THeadlessBatch::OnJobEnded(const TConversionJob& job)
{
    // An encoder that cannot be started counts as its task's failure.
    if (job.State == TaskState::Failed)
        ++FFailed;
    std::string detail;
    if (job.State == TaskState::Complete) {
        // The sizes and the quality ride on the task's own line.
        detail = job.Output;
        std::string notes = job.SizeNote;
        if (!job.QualityNote.empty())
            notes += (notes.empty() ? "quality " : "; quality ") + job.QualityNote;
        if (!notes.empty())
            detail += " (" + notes + ")";
    } else if (job.NoPicture) {
        FWrite(FBoard->Skipped(
            job.Id, "quenby: " + QCoreApplication::translate("HeadlessInputs",
                                                             "'%1' skipped: holds no video picture")
                                     .arg(QString::fromStdString(job.Task.InputFile))
                                     .toStdString()));
        emit TaskEnded(job.Id, job.State);
        return;
    } else if (job.State == TaskState::Failed) {
        // An output over its target is kept: its line names it.
        detail = job.Reason;
        if (!job.Output.empty())
            detail += ": " + job.Output + " (" + job.SizeNote + ")";
    }
    FWrite(FBoard->Finished(job.Id, job.State, detail));
    emit TaskEnded(job.Id, job.State);
}

void THeadlessBatch::OnBatchEnded(TBatchEngine::BatchEnd end)
{
    const long long elapsed = FClock.elapsed() / 1000;
    FWrite(FBoard->Summary(elapsed, end == TBatchEngine::BatchEnd::Stopped));
    emit Ended();
}
