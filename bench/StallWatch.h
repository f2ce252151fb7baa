// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// The longest gap between two turns of the event loop since the watch began
// or was last reset, beyond the watch's own period: how long the window
// would have been kept from answering.
class StallWatch
{
public:
    explicit StallWatch(int periodMs) : FPeriodMs(periodMs)
    {
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            FLongest = std::max(FLongest, FSinceTick.nsecsElapsed());
            FSinceTick.restart();
        });
        FSinceTick.start();
        FTimer.start(FPeriodMs);
    }
    void Reset()
    {
        FLongest = 0;
        FSinceTick.restart();
    }
    double LongestMs() const
    {
        return std::max(0.0, static_cast<double>(FLongest) / 1e6 - FPeriodMs);
    }

private:
    const int FPeriodMs;
    QTimer FTimer;
    QElapsedTimer FSinceTick;
    qint64 FLongest = 0;
};
