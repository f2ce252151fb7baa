#include "tasks/MediaProber.h"

#include "convert/CommandLine.h"
#include "convert/EncoderChannel.h"

#include <QTimer>

#include <algorithm>

// One probe place, reused probe after probe, so that no channel is
// destroyed inside its own signal.
struct TMediaProber::TSlot
{
    EncoderChannel Channel;
    QTimer Limit;
    bool Busy = false;
    quint64 Id = 0;
    QString Path;
    QByteArray Report;
};

TMediaProber::TMediaProber(const QString& encoderPath, int atOnce, int timeLimitMs, QObject* parent)
    : QObject(parent), FEncoderPath(encoderPath), FAtOnce(std::max(1, atOnce))
{
    for (int i = 0; i < FAtOnce; ++i) {
        FSlots.push_back(std::make_unique<TSlot>());
        TSlot* slot = FSlots.back().get();
        slot->Channel.SetMaxChunk(EncoderChannel::ProbeChunk);
        slot->Limit.setSingleShot(true);
        slot->Limit.setInterval(timeLimitMs);
        connect(&slot->Channel, &EncoderChannel::ChunkRead, this,
                [slot](const QByteArray& chunk) { slot->Report += chunk; });
        connect(&slot->Channel, &EncoderChannel::Finished, this, [this, slot] { Finish(*slot); });
        // A probe that does not end by itself counts with what it wrote.
        connect(&slot->Limit, &QTimer::timeout, this, [this, slot] {
            slot->Channel.Terminate();
            Finish(*slot);
        });
    }
}

TMediaProber::~TMediaProber()
{
    StopAll();
}

int TMediaProber::Running() const
{
    return static_cast<int>(
        std::count_if(FSlots.begin(), FSlots.end(), [](const auto& s) { return s->Busy; }));
}

TMediaProber::Start TMediaProber::Probe(quint64 id, const QString& path)
{
    const auto free =
        std::find_if(FSlots.begin(), FSlots.end(), [](const auto& s) { return !s->Busy; });
    if (free == FSlots.end())
        return Start::Busy;
    TSlot& slot = **free;
    slot.Report.clear();
    if (!slot.Channel.Start(FEncoderPath,
                            EncoderChannel::ArgumentList(ProbeArguments(path.toStdString()))))
        return Start::Failed;
    slot.Busy = true;
    slot.Id = id;
    slot.Path = path;
    slot.Limit.start();
    return Start::Started;
}

void TMediaProber::Finish(TSlot& slot)
{
    if (!slot.Busy)
        return;
    slot.Busy = false;
    slot.Limit.stop();
    // The result goes out last: its receiver may start the next probe here.
    emit Probed(slot.Id, ProbeResultFromReport(slot.Report, slot.Path));
}

void TMediaProber::StopAll()
{
    for (const auto& slot : FSlots) {
        slot->Limit.stop();
        slot->Busy = false;
        slot->Channel.Terminate();
    }
}
