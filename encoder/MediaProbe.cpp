// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaProbe.h"

#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"
#include "encoder/ProbeReport.h"
#include "platform/Translators.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

TProbeResult ProbeMedia(const QString& encoderPath, const QString& inputPath, int timeLimitMs)
{
    const QStringList arguments =
        EncoderChannel::ArgumentList(ProbeArguments(inputPath.toStdString()));
    EncoderChannel channel;
    bool started = false;
    // The chunks are joined before the cut: a report that arrives in several
    // reads must not lose its values to a last read without the markers.
    const QByteArray report =
        channel.RunToEnd(encoderPath, arguments, timeLimitMs, EncoderChannel::ProbeChunk, &started);
    if (!started)
        return {};
    return ProbeResultFromReport(report, inputPath);
}

TProbeResult ProbeResultFromReport(const QByteArray& report, const QString& inputPath)
{
    const std::string text = report.toStdString();
    const std::string path = inputPath.toStdString();
    const ProbeValues values = ParseProbeReport(text, path);
    return {QString::fromStdString(values.LengthText), QString::fromStdString(values.SizeText),
            values.NoVideo, ParseMediaFacts(text, path), ParseMediaTracks(text, path)};
}

QString MediaFactsOf(const QString& inputPath, const TProbeResult& probe)
{
    const QFileInfo file(inputPath);
    std::string text =
        MediaFactsText(probe.Facts, file.isFile() ? file.size() : std::int64_t{-1}, TranslatedText);
    if (const std::string tracks = MediaTracksText(probe.Tracks, TranslatedText); !tracks.empty())
        text += (text.empty() ? "" : "\n") + tracks;
    return QString::fromStdString(text);
}

bool IsSilent(const TProbeResult& probe)
{
    return !probe.SizeText.isEmpty() &&
           std::none_of(probe.Tracks.begin(), probe.Tracks.end(), [](const TMediaTrack& track) {
               return track.Kind == TMediaTrack::TKind::Audio;
           });
}
