#include "tasks/ProbeReport.h"

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

} // namespace

ProbeValues ParseProbeReport(const std::string& report, const std::string& inputPath)
{
    ProbeValues values;
    long long p = static_cast<long long>(Pos(inputPath, report));
    std::string w = Copy(report, p + Len(inputPath));

    p = static_cast<long long>(Pos("Duration", w));
    w = Copy(w, p + 1);
    p = static_cast<long long>(Pos(":", w));
    w = Copy(w, p + 2);
    p = static_cast<long long>(Pos(",", w));
    values.LengthText = Copy(w, 1, p - 1);
    w = Copy(w, p + 1);

    p = static_cast<long long>(Pos("Video", w));
    w = Copy(w, p);
    for (int field = 0; field < 2; ++field) {
        p = static_cast<long long>(FieldCommaPos(w));
        w = Copy(w, p + 1);
    }
    p = static_cast<long long>(FieldCommaPos(w));
    values.SizeText = Copy(w, 1, p - 1);
    return values;
}
