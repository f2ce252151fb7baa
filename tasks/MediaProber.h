#pragma once

#include "tasks/MediaProbe.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

// Probes files side by side: up to a number of encoder runs at once, each
// with the probe's time limit, all driven by the event loop, so the window
// keeps answering. Results come back as each probe ends, in whatever order
// the encoders finish; the caller puts them in order by their ids.
class TMediaProber : public QObject
{
    Q_OBJECT

public:
    // `timeLimitMs` counts for each probe from its own start.
    TMediaProber(const QString& encoderPath, int atOnce, int timeLimitMs = ProbeTimeLimitMs,
                 QObject* parent = nullptr);
    ~TMediaProber() override;

    enum class Start
    {
        Started,
        // The encoder cannot be started: the file gets the empty result a
        // failed probe gives.
        Failed,
        // As many probes as allowed run already.
        Busy
    };
    Start Probe(quint64 id, const QString& path);

    bool HasRoom() const { return Running() < FAtOnce; }
    int Running() const;
    // Kills and reaps every probe under way; none of them reports.
    void StopAll();

signals:
    void Probed(quint64 id, const TProbeResult& result);

private:
    struct TSlot;
    void Finish(TSlot& slot);

    const QString FEncoderPath;
    const int FAtOnce;
    std::vector<std::unique_ptr<TSlot>> FSlots;
};
