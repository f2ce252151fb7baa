// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/ProbeReport.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

// Positions are counted from 1, and 0 means "not found": the cut below is
// written in those terms because a missing marker must yield exactly what
// position 0 gives, not an exception or an early return.
std::size_t Pos(const std::string& needle, const std::string& text)
{
    if (needle.empty())
        return 0;
    const std::size_t at = text.find(needle);
    return at == std::string::npos ? 0 : at + 1;
}

// The part of `text` from position `start` on, at most `count` characters.
std::string Copy(const std::string& text, long long start,
                 long long count = static_cast<long long>(std::string::npos >> 1))
{
    if (start < 1)
        start = 1;
    if (count <= 0 || start > static_cast<long long>(text.size()))
        return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

long long Len(const std::string& text)
{
    return static_cast<long long>(text.size());
}

// The position of the first comma that stands outside parentheses and square
// brackets. Today's encoder writes fields such as "yuv420p(tv, progressive)";
// a plain comma search would cut that field in two and shift the frame size.
std::size_t FieldCommaPos(const std::string& text)
{
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (c == ',' && depth == 0)
            return i + 1;
    }
    return 0;
}

// The first line of `text` that begins, after blanks, with `start` and holds
// `inside`, from its first non-blank character on; empty when there is none.
// The report's own lines are the only place the values may come from:
// titles, comments and chapter names are free text that can hold
// "Duration", "Video" and commas anywhere.
// A line holding `unless` does not count.
std::string FindReportLine(const std::string& text, std::string_view start, std::string_view inside,
                           std::string_view unless = {})
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string marked = SplitEncoderLevel(text.substr(begin, end - begin)).Text;
        const std::string_view line = std::string_view(marked).substr(
            std::min(marked.find_first_not_of(" \t"), marked.size()));
        if (line.starts_with(start) && line.find(inside) != std::string_view::npos &&
            (unless.empty() || line.find(unless) == std::string_view::npos))
            return std::string(line);
        begin = end + 1;
    }
    return {};
}

} // namespace

ProbeValues ParseProbeReport(const std::string& report, const std::string& inputPath)
{
    ProbeValues values;
    const long long at = static_cast<long long>(Pos(inputPath, report));
    // The search starts after the echo of the path, which may itself hold
    // the markers.
    const std::string rest = Copy(report, at + Len(inputPath));

    // The length: between the blank after the colon and the next comma.
    std::string w = FindReportLine(rest, "Duration: ", "");
    long long p = static_cast<long long>(Pos(":", w));
    w = Copy(w, p + 2);
    p = static_cast<long long>(Pos(",", w));
    values.LengthText = Copy(w, 1, p - 1);

    // The size: the third comma-separated field after "Video:" in the first
    // video stream's line.
    w = FindReportLine(rest, "Stream #", "Video:");
    w = Copy(w, static_cast<long long>(Pos("Video:", w)));
    for (int field = 0; field < 2; ++field) {
        p = static_cast<long long>(FieldCommaPos(w));
        w = Copy(w, p + 1);
    }
    p = static_cast<long long>(FieldCommaPos(w));
    values.SizeText = Copy(w, 1, p - 1);

    values.NoVideo = !FindReportLine(rest, "Stream #", "").empty() &&
                     FindReportLine(rest, "Stream #", "Video:", "(attached pic)").empty();
    return values;
}

InputHeader FindInputHeader(const std::string& report, std::size_t from, int index,
                            const std::string& inputPath)
{
    const std::string tail = ", from '" + inputPath + "':";
    const std::string head = "Input #" + std::to_string(index) + ", ";
    for (std::size_t at = report.find(tail, from); at != std::string::npos;
         at = report.find(tail, at + 1)) {
        const std::size_t newline = at == 0 ? std::string::npos : report.rfind('\n', at - 1);
        const std::size_t line = newline == std::string::npos ? 0 : newline + 1;
        // The format's name stands between the two, on the same line.
        if (line + head.size() <= at && report.compare(line, head.size(), head) == 0)
            return {line, at + tail.size()};
    }
    // A header cut short by the end of what has arrived begins again within
    // the last tail's length.
    const std::size_t keep = tail.size() - 1;
    return {std::string::npos, std::max(from, report.size() > keep ? report.size() - keep : 0)};
}

TEncoderLine SplitEncoderLevel(std::string_view line)
{
    static constexpr std::string_view Levels[] = {"panic", "fatal",   "error", "warning",
                                                  "info",  "verbose", "debug", "trace"};
    std::size_t at = 0;
    // The writer's name, "[name @ 0x...] ", comes before the level.
    if (line.starts_with('[')) {
        const std::size_t close = line.find("] ");
        const std::size_t name = line.find(" @ ");
        if (close != std::string_view::npos && name < close)
            at = close + 2;
    }
    const std::size_t close = line.find("] ", at);
    if (close != std::string_view::npos && line.substr(at).starts_with('[')) {
        const std::string_view level = line.substr(at + 1, close - at - 1);
        if (std::find(std::begin(Levels), std::end(Levels), level) != std::end(Levels)) {
            std::string text(line.substr(0, at));
            text += line.substr(close + 2);
            return {std::string(level), std::move(text)};
        }
    }
    return {std::string(), std::string(line)};
}
