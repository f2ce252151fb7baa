// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"
#include "encoder/MediaTracks.h"

#include <cstdint>
#include <string>

// What a probe report says about a file, in words a user reads: each value
// is the report's own text, empty when the report does not give it.
struct TMediaFacts
{
    std::string Container;  // "mp4", "matroska", "avi"
    std::string Duration;   // "00:00:05.00"
    std::string Bitrate;    // "1205 kb/s"
    std::string VideoCodec; // "h264"
    std::string FrameRate;  // "25 fps"
    std::string AudioCodec; // "aac"
    std::string Channels;   // "stereo", "5.1(side)"

    bool operator==(const TMediaFacts&) const = default;
};

// Reads the facts of `inputPath` out of a probe report, the same report the
// length and size are cut from; only the report's own lines count (see
// ParseProbeReport). A container known by several names ("mov,mp4,m4a")
// is named by the file's extension when that is one of them.
TMediaFacts ParseMediaFacts(const std::string& report, const std::string& inputPath);

// The sound and subtitle tracks of `inputPath` in the same report.
std::vector<TMediaTrack> ParseMediaTracks(const std::string& report, const std::string& inputPath);

// The facts one a line ("Container: mp4"), the file's size last; lines
// without a value are left out. `fileBytes` < 0 leaves out the size.
std::string MediaFactsText(const TMediaFacts& facts, std::int64_t fileBytes,
                           TTranslator translated = Untranslated);

// The frame size of a probe's size text (" 1280x720 [SAR 1:1 DAR 16:9]") as
// "1280×720", and its display aspect as "16:9": the report's own, else the
// size's ratio when that is a common one. Empty when the text holds no size.
struct TFrameSize
{
    std::string Size;
    std::string Aspect;
};
TFrameSize ReadFrameSize(const std::string& sizeText);
