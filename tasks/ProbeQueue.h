// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/MediaProbe.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EncoderChannel;
class QTemporaryDir;
class QTimer;

struct TProbeItem
{
    quint64 Id = 0;
    QString Path;
};

// Probes files side by side: up to a number of encoder runs at once, each
// with the probe's time limit, all driven by the event loop, so the window
// keeps answering. Results come back as each file's report is complete, in
// whatever order the encoders get there; the caller puts them in order by
// their ids.
//
// One run may probe several files ("-i a -i b ..."): starting the encoder
// costs far more than reading a file's header, so a run per file spends most
// of an add waiting for the encoder to load. The encoder reports the inputs
// one after another, each under its own header, and stops at the first it
// cannot open. Each file therefore gets the values of its own header's
// report, exactly those of a probe of it alone.
class TProbeQueue : public QObject
{
    Q_OBJECT

public:
    // More files per run would save little more start-up time, and every
    // file of a run is held open until the run ends.
    static constexpr int MostPerRun = 8;

    // `timeLimitMs` counts for each file from the moment the encoder turns to
    // it, so a file that never answers is cut off after the same time as if
    // it had been probed alone.
    TProbeQueue(const QString& encoderPath, int atOnce, int timeLimitMs = ProbeTimeLimitMs,
                QObject* parent = nullptr);
    ~TProbeQueue() override;

    enum class Start
    {
        Started,
        // The encoder cannot be started: every file gets the empty result a
        // failed probe gives.
        Failed,
        // As many runs as allowed are under way already.
        Busy
    };
    // Probes up to MostPerRun files in one place; each reports on its own.
    Start Probe(std::vector<TProbeItem> items);
    Start Probe(quint64 id, const QString& path) { return Probe({{id, path}}); }

    bool HasRoom() const { return Room() > 0; }
    // The places free for a further Probe.
    int Room() const { return FAtOnce - Running(); }
    int Running() const;
    // The encoder runs started so far: fewer than the files probed when
    // files share runs.
    int RunsStarted() const { return FRunsStarted; }
    // Kills and reaps every probe under way; none of them reports.
    void StopAll();

signals:
    void Probed(quint64 id, const TProbeResult& result);

private:
    struct TSlot;
    bool StartRun(TSlot& slot);
    void Read(TSlot& slot, const QByteArray& chunk);
    void EndRun(TSlot& slot, bool timedOut);
    void Deliver(TSlot& slot);

    const QString FEncoderPath;
    const int FAtOnce;
    int FRunsStarted = 0;
    std::vector<std::unique_ptr<TSlot>> FSlots;
};

// The samples of one task: the encoder's arguments of each run, every one
// ending with the file it writes.
struct TSampleJob
{
    quint64 Id = 0;
    std::vector<std::vector<std::string>> Runs;
};

// The probe queue's lowest lane: encodes the samples of one task at a
// time, one run after another, at idle priority, into a folder of its own
// that only this user can read and that goes with the queue. Each sample is
// weighed and deleted as soon as it is written; nothing is left where the
// user looks.
class TSampleQueue : public QObject
{
    Q_OBJECT

public:
    // A sample that takes longer counts as failed. At idle priority a busy
    // machine holds a sample back for long, which is no failure.
    static constexpr int RunTimeLimitMs = 600000;

    explicit TSampleQueue(const QString& encoderPath, QObject* parent = nullptr);
    ~TSampleQueue() override;

    // Where the samples are to be written; empty when it could not be made.
    QString Folder() const;
    // Encodes the job's runs; a job under way is cancelled first.
    void Encode(TSampleJob job);
    // Stops the job under way, which then reports nothing.
    void Cancel();
    bool IsBusy() const { return !FJob.Runs.empty(); }

signals:
    // The bytes each run wrote, in the job's order; 0 for a run that failed.
    void Encoded(quint64 id, const std::vector<int64_t>& bytes);

private:
    void StartRun();
    void EndRun(bool ok);

    const QString FEncoderPath;
    std::unique_ptr<QTemporaryDir> FFolder;
    EncoderChannel* FChannel;
    QTimer* FLimit;
    TSampleJob FJob;
    std::vector<int64_t> FBytes;
    // Counts runs and cancels, so that a failed start's late report is
    // dropped once its run is over.
    quint64 FRun = 0;
};
