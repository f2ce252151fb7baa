// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/ProbeQueue.h"

#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"
#include "encoder/ProbeReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <string>
#include <utility>

// One probe place, reused run after run, so that no channel is destroyed
// inside its own signal.
struct TProbeQueue::TSlot
{
    EncoderChannel Channel;
    QTimer Limit;
    // The files handed to this place that wait for a run.
    std::deque<TProbeItem> Waiting;
    // The next run takes one file only: the one a run of several stopped at.
    bool NextAlone = false;
    // The files of the run under way (none while the place is free), its
    // report so far, and where each input's header was found in it.
    std::vector<TProbeItem> Run;
    std::string Report;
    std::vector<std::size_t> Headers;
    std::size_t SearchFrom = 0;
    // Results not yet sent, in the order of the files.
    std::deque<std::pair<quint64, TProbeResult>> Ready;
    bool DeliveryQueued = false;
    bool Busy() const { return !Run.empty(); }
    // Counts StopAll calls: a delivery under way stops when it changes.
    quint64 Generation = 0;
};

namespace {

TProbeResult Cut(const std::string& report, std::size_t begin, std::size_t end, const QString& path)
{
    return ProbeResultFromReport(QByteArray(report.data() + begin, qsizetype(end - begin)), path);
}

} // namespace

TProbeQueue::TProbeQueue(const QString& encoderPath, int atOnce, int timeLimitMs, QObject* parent)
    : QObject(parent), FEncoderPath(encoderPath), FAtOnce(std::max(1, atOnce))
{
    for (int i = 0; i < FAtOnce; ++i) {
        FSlots.push_back(std::make_unique<TSlot>());
        TSlot* slot = FSlots.back().get();
        slot->Channel.SetMaxChunk(EncoderChannel::ProbeChunk);
        slot->Limit.setSingleShot(true);
        slot->Limit.setInterval(timeLimitMs);
        connect(&slot->Channel, &EncoderChannel::ChunkRead, this,
                [this, slot](const QByteArray& chunk) { Read(*slot, chunk); });
        connect(&slot->Channel, &EncoderChannel::Finished, this,
                [this, slot] { EndRun(*slot, false); });
        // A file that does not answer counts with what was written about it.
        connect(&slot->Limit, &QTimer::timeout, this, [this, slot] {
            slot->Channel.Terminate();
            EndRun(*slot, true);
        });
    }
}

TProbeQueue::~TProbeQueue()
{
    StopAll();
}

int TProbeQueue::Running() const
{
    return static_cast<int>(
        std::count_if(FSlots.begin(), FSlots.end(), [](const auto& s) { return s->Busy(); }));
}

TProbeQueue::Start TProbeQueue::Probe(std::vector<TProbeItem> items)
{
    if (items.empty())
        return Start::Started;
    const auto free =
        std::find_if(FSlots.begin(), FSlots.end(), [](const auto& s) { return !s->Busy(); });
    if (free == FSlots.end())
        return Start::Busy;
    TSlot& slot = **free;
    slot.Waiting.assign(std::make_move_iterator(items.begin()),
                        std::make_move_iterator(items.end()));
    slot.NextAlone = false;
    if (!StartRun(slot)) {
        slot.Run.clear();
        slot.Waiting.clear();
        return Start::Failed;
    }
    return Start::Started;
}

bool TProbeQueue::StartRun(TSlot& slot)
{
    const std::size_t count =
        slot.NextAlone ? 1 : std::min<std::size_t>(MostPerRun, slot.Waiting.size());
    slot.NextAlone = false;
    const auto end = slot.Waiting.begin() + static_cast<std::ptrdiff_t>(count);
    slot.Run.assign(std::make_move_iterator(slot.Waiting.begin()), std::make_move_iterator(end));
    slot.Waiting.erase(slot.Waiting.begin(), end);
    slot.Report.clear();
    slot.Headers.clear();
    slot.SearchFrom = 0;
    std::vector<std::string> paths;
    for (const TProbeItem& item : slot.Run)
        paths.push_back(item.Path.toStdString());
    if (!slot.Channel.Start(FEncoderPath, EncoderChannel::ArgumentList(ProbeArguments(paths))))
        return false;
    ++FRunsStarted;
    slot.Limit.start();
    return true;
}

void TProbeQueue::Read(TSlot& slot, const QByteArray& chunk)
{
    slot.Report.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    // A lone file takes its whole report when the run ends.
    if (slot.Run.size() < 2)
        return;
    while (slot.Headers.size() < slot.Run.size()) {
        const std::size_t index = slot.Headers.size();
        const InputHeader header = FindInputHeader(slot.Report, slot.SearchFrom, int(index),
                                                   slot.Run[index].Path.toStdString());
        slot.SearchFrom = header.Next;
        if (header.Line == std::string::npos)
            break;
        // The next input's header closes the report of the one before.
        if (index > 0) {
            const TProbeItem& before = slot.Run[index - 1];
            slot.Ready.emplace_back(
                before.Id, Cut(slot.Report, slot.Headers.back(), header.Line, before.Path));
        }
        slot.Headers.push_back(header.Line);
        // The encoder turns to the next file, which has the whole limit.
        slot.Limit.start();
    }
    // Sent from the event loop: a receiver that stops every probe must not
    // do so inside the channel's own read.
    if (!slot.Ready.empty() && !slot.DeliveryQueued) {
        slot.DeliveryQueued = true;
        QTimer::singleShot(0, this, [this, s = &slot] {
            s->DeliveryQueued = false;
            Deliver(*s);
        });
    }
}

void TProbeQueue::EndRun(TSlot& slot, bool timedOut)
{
    if (!slot.Busy())
        return;
    slot.Limit.stop();
    const std::vector<TProbeItem>& run = slot.Run;
    const std::size_t found = slot.Headers.size();
    std::size_t later = run.size(); // the first file left to a later run
    if (run.size() == 1 || (found == 0 && timedOut)) {
        // All that was written is about the first file, as in a probe of it
        // alone.
        slot.Ready.emplace_back(run[0].Id, Cut(slot.Report, 0, slot.Report.size(), run[0].Path));
        later = 1;
    } else {
        if (found > 0) {
            const TProbeItem& last = run[found - 1];
            slot.Ready.emplace_back(
                last.Id, Cut(slot.Report, slot.Headers.back(), slot.Report.size(), last.Path));
        }
        if (found < run.size() && timedOut) {
            // The encoder went silent on this file before writing a word
            // about it, as it would in a probe of it alone: nothing to cut.
            slot.Ready.emplace_back(run[found].Id, TProbeResult{});
            later = found + 1;
        } else if (found < run.size()) {
            // The run ended before this file's header: the encoder could not
            // open it and gave up on the rest. Alone, it gets exactly the
            // reply a probe of it alone gets.
            later = found;
            slot.NextAlone = true;
        }
    }
    slot.Waiting.insert(slot.Waiting.begin(), std::make_move_iterator(slot.Run.begin() + later),
                        std::make_move_iterator(slot.Run.end()));
    slot.Run.clear();
    if (!slot.Waiting.empty() && !StartRun(slot)) {
        // The encoder is gone: what is left gets a failed start's result.
        for (const TProbeItem& item : slot.Run)
            slot.Ready.emplace_back(item.Id, TProbeResult{});
        for (const TProbeItem& item : slot.Waiting)
            slot.Ready.emplace_back(item.Id, TProbeResult{});
        slot.Run.clear();
        slot.Waiting.clear();
    }
    Deliver(slot);
}

void TProbeQueue::Deliver(TSlot& slot)
{
    // Each result goes out last in its turn: its receiver may start further
    // probes, or stop them all, from here.
    const quint64 generation = slot.Generation;
    while (!slot.Ready.empty() && slot.Generation == generation) {
        auto [id, result] = std::move(slot.Ready.front());
        slot.Ready.pop_front();
        emit Probed(id, result);
    }
}

void TProbeQueue::StopAll()
{
    for (const auto& slot : FSlots) {
        ++slot->Generation;
        slot->Limit.stop();
        slot->Run.clear();
        slot->Waiting.clear();
        slot->Ready.clear();
        slot->Channel.Terminate();
    }
}

TSampleQueue::TSampleQueue(const QString& encoderPath, QObject* parent)
    : QObject(parent), FEncoderPath(encoderPath),
      FFolder(std::make_unique<QTemporaryDir>(QDir::tempPath() + "/quenby-samples-XXXXXX")),
      FChannel(new EncoderChannel(this)), FLimit(new QTimer(this))
{
    FChannel->SetIdlePriority();
    FLimit->setSingleShot(true);
    FLimit->setInterval(RunTimeLimitMs);
    connect(FChannel, &EncoderChannel::Finished, this,
            [this](int exitCode, bool crashed) { EndRun(exitCode == 0 && !crashed); });
    connect(FLimit, &QTimer::timeout, this, [this] {
        FChannel->Terminate();
        EndRun(false);
    });
}

TSampleQueue::~TSampleQueue()
{
    Cancel();
}

QString TSampleQueue::Folder() const
{
    return FFolder->isValid() ? FFolder->path() : QString();
}

void TSampleQueue::Encode(TSampleJob job)
{
    Cancel();
    FJob = std::move(job);
    FBytes.clear();
    StartRun();
}

void TSampleQueue::Cancel()
{
    ++FRun;
    FLimit->stop();
    FChannel->Terminate();
    if (!FJob.Runs.empty() && FBytes.size() < FJob.Runs.size())
        QFile::remove(QString::fromStdString(FJob.Runs[FBytes.size()].back()));
    FJob = {};
    FBytes.clear();
}

void TSampleQueue::StartRun()
{
    if (FBytes.size() == FJob.Runs.size()) {
        const TSampleJob done = std::exchange(FJob, {});
        // The receiver may hand in the next job from here.
        emit Encoded(done.Id, std::exchange(FBytes, {}));
        return;
    }
    const quint64 run = ++FRun;
    if (!FChannel->Start(FEncoderPath, EncoderChannel::ArgumentList(FJob.Runs[FBytes.size()]))) {
        // Left for the event loop: a receiver that starts the next job must
        // not find itself inside Encode.
        QTimer::singleShot(0, this, [this, run] {
            if (FRun == run)
                EndRun(false);
        });
        return;
    }
    FLimit->start();
}

void TSampleQueue::EndRun(bool ok)
{
    if (!IsBusy())
        return;
    FLimit->stop();
    const QString output = QString::fromStdString(FJob.Runs[FBytes.size()].back());
    FBytes.push_back(ok ? QFileInfo(output).size() : 0);
    QFile::remove(output);
    StartRun();
}
