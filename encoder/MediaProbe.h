// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/MediaFacts.h"

#include <QString>

// The length and frame size of an input as the encoder reports them: texts
// kept verbatim, empty when the report does not give them.
struct TProbeResult
{
    QString LengthText;
    QString SizeText;
    // The file was read and holds no video picture (ProbeValues::NoVideo).
    bool NoVideo = false;
    // What the same report tells a user about the file.
    TMediaFacts Facts;
    // Its sound and subtitle tracks.
    std::vector<TMediaTrack> Tracks;
};

// The probe read the file (it found a picture's size) and no sound track in
// it; a failed probe, which names no track either, is not taken for silence.
bool IsSilent(const TProbeResult& probe);

// A probe that does not end by itself (a named pipe, a device, a stalled
// network file) is killed after this long, so the window cannot freeze.
inline constexpr int ProbeTimeLimitMs = 10000;

// Runs the encoder on the input alone ("-i path") and cuts the length and the
// size out of its report. Synchronous: the window's events are not processed
// meanwhile. The encoder's exit code is never read, as it answers 1 to every
// probe. An encoder that cannot be started gives empty values, silently.
TProbeResult ProbeMedia(const QString& encoderPath, const QString& inputPath,
                        int timeLimitMs = ProbeTimeLimitMs);

// The length and size cut out of a whole probe report of `inputPath`.
TProbeResult ProbeResultFromReport(const QByteArray& report, const QString& inputPath);

// The probe's facts about `inputPath` as the list shows them, one a line,
// with the file's size as it is now, then its tracks.
QString MediaFactsOf(const QString& inputPath, const TProbeResult& probe);
