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
    connect(&FEngine, &TBatchEngine::TaskStarted, this, [this](int task) {
        FWrite(FBoard->Started(task, ExtractFileName(FEngine.Task(task).InputFile)));
    });
    connect(&FEngine, &TBatchEngine::TaskProgress, this,
            [this](int task, int percent) { FWrite(FBoard->Progress(task, percent)); });
    connect(&FEngine, &TBatchEngine::TaskFinished, this, &THeadlessBatch::OnTaskFinished);
    connect(&FEngine, &TBatchEngine::BatchEnded, this, &THeadlessBatch::OnBatchEnded);
}

THeadlessBatch::~THeadlessBatch() = default;

void THeadlessBatch::Start(std::vector<ltvItemData> tasks, const TBatchOptions& options,
                           std::vector<TTaskPlan> plans)
{
    FBoard = std::make_unique<TProgressBoard>(static_cast<int>(tasks.size()), FTerminal, FWidth);
    FClock.start();
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
    // An encoder that cannot be started counts as its task's failure.
    return FEngine.FailedCount() > 0 ? ExitFailed : ExitCompleted;
}

void THeadlessBatch::OnTaskFinished(int task, TBatchEngine::TaskEnd end, const QString& reason)
{
    switch (end) {
    case TBatchEngine::TaskEnd::Complete: {
        // The sizes and the quality ride on the task's own line.
        std::string detail = FEngine.TaskOutput(task);
        std::string notes = FEngine.TaskSizeNote(task);
        if (const std::string& quality = FEngine.TaskQualityNote(task); !quality.empty())
            notes += (notes.empty() ? "quality " : "; quality ") + quality;
        if (!notes.empty())
            detail += " (" + notes + ")";
        FWrite(FBoard->Finished(task, TProgressBoard::TEnd::Complete, detail));
    } break;
    case TBatchEngine::TaskEnd::Failed: {
        if (FEngine.TaskHadNoPicture(task)) {
            FWrite(FBoard->Skipped(
                task, "quenby: " + QCoreApplication::translate(
                                       "HeadlessInputs", "'%1' skipped: holds no video picture")
                                       .arg(QString::fromStdString(FEngine.Task(task).InputFile))
                                       .toStdString()));
            break;
        }
        // An output over its target is kept: its line names it.
        std::string detail = reason.toStdString();
        if (const std::string& output = FEngine.TaskOutput(task); !output.empty())
            detail += ": " + output + " (" + FEngine.TaskSizeNote(task) + ")";
        FWrite(FBoard->Finished(task, TProgressBoard::TEnd::Failed, detail));
    } break;
    case TBatchEngine::TaskEnd::Stopped:
        FWrite(FBoard->Finished(task, TProgressBoard::TEnd::Stopped, std::string()));
        break;
    }
    emit TaskEnded(task, end);
}

void THeadlessBatch::OnBatchEnded(TBatchEngine::BatchEnd end)
{
    const long long elapsed = FClock.elapsed() / 1000;
    FWrite(FBoard->Summary(elapsed, end == TBatchEngine::BatchEnd::Stopped));
    emit Ended();
}
