// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskModel.h"

#include <QObject>
#include <QString>

#include <vector>

class TProbeQueue;

// Probes the files of tasks kept from the last session, and holds each
// task whose file got shorter since to its new length, so that a trim
// never asks for a part that is no longer there. The probes run one
// encoder at a time, after the restore: a long list is listed at once and
// the window keeps answering. A task removed meanwhile is left alone.
class TRestoredLengths : public QObject
{
    Q_OBJECT

public:
    TRestoredLengths(TTaskModel& model, const QString& encoderPath, QObject* parent = nullptr);

    void Check(const std::vector<TaskId>& tasks);

private:
    TTaskModel& FModel;
    TProbeQueue* FProbes = nullptr;
};
