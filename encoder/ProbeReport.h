// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The two values cut out of the encoder's reply to a probe. Both are kept
// verbatim: the size keeps its leading blank (" 640x480").
struct ProbeValues
{
    std::string LengthText;
    std::string SizeText;
    // The report lists the input's streams and none is a picture (a cover
    // image attached to music does not count): a file named like a video
    // that holds only sound or data. False when the encoder could not read
    // the file, as then nothing is known.
    bool NoVideo = false;
};

// Cuts the length and the frame size out of a probe report. `inputPath` is
// the text that was passed to the encoder; the search starts after its echo.
// The length is the text between "Duration: " and the next comma on the
// first line that begins with "Duration: "; the size is the third
// comma-separated field after "Video:" on the first line that begins with
// "Stream #" and holds "Video:". Blanks before either word are allowed, and
// so is a level mark (see SplitEncoderLevel).
// Missing markers are not errors: the value is then empty.
ProbeValues ParseProbeReport(const std::string& report, const std::string& inputPath);

// Where the report of the input with `index` begins in the reply to a probe
// of several inputs at once: the line "Input #<index>, <format>, from
// '<path>':". `Line` is that line's first character, or npos while it has not
// been found; `Next` is where the next search should begin, so that a reply
// read piece by piece is searched once and a header cut between two pieces
// is still found. The path is matched whole, so a name holding a line break
// or a header's text cannot be taken for another input's header.
struct InputHeader
{
    std::size_t Line = std::string::npos;
    std::size_t Next = 0;
};
InputHeader FindInputHeader(const std::string& report, std::size_t from, int index,
                            const std::string& inputPath);

// A line of encoder output, as written when the encoder marks each line with
// its level ("-loglevel level+info"): "[error] text", or after the name of
// the part that wrote it, "[aac @ 0x55d1] [info] text".
struct TEncoderLine
{
    // "panic", "fatal", "error", "warning", "info" ...; empty when the line
    // carries no mark.
    std::string Level;
    // The line without its mark; the part's name stays.
    std::string Text;
};
TEncoderLine SplitEncoderLevel(std::string_view line);
