// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/BatchEngine.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TProgressBoard;

// The batch engine's view for a batch without a window: it prints each
// task's progress and end, and the summary, and tells the exit status.
class THeadlessBatch : public QObject
{
    Q_OBJECT

public:
    // `write` takes the text for standard error; `terminal` says whether it
    // goes to a terminal `width` columns wide.
    THeadlessBatch(std::function<void(const std::string&)> write, bool terminal, int width,
                   QObject* parent = nullptr);
    ~THeadlessBatch() override;

    void Start(std::vector<ltvItemData> tasks, const TBatchOptions& options,
               std::vector<TTaskPlan> plans = {});
    // Adds a task to the running batch (TBatchEngine::Enqueue): its place
    // in the batch, -1 when no batch runs.
    int Enqueue(ltvItemData task);
    bool IsRunning() const { return FEngine.IsRunning(); }
    // How many hidden files that killed runs had left in the output folder
    // the start removed.
    int LeftFilesRemoved() const { return FEngine.LeftFilesRemoved(); }
    // A termination signal arrived: a running batch stops as Stop stops it.
    void Interrupt();
    // 0 when every task was converted, 1 when any failed, 130 after an
    // interruption, whatever the signal.
    int ExitStatus() const;

signals:
    // The summary is written; nothing runs any more.
    void Ended();
    // A task of the batch has ended, its line is written.
    void TaskEnded(int task, TaskState end);

private:
    void OnJobEnded(const TConversionJob& job);
    void OnBatchEnded(TBatchEngine::BatchEnd end);

    const std::function<void(const std::string&)> FWrite;
    const bool FTerminal;
    const int FWidth;
    TBatchEngine FEngine;
    std::unique_ptr<TProgressBoard> FBoard;
    QElapsedTimer FClock;
    bool FInterrupted = false;
    int FFailed = 0;
};
