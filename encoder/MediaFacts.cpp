// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaFacts.h"

#include "encoder/ProbeReport.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The report's lines after the echo of the path, each without its level
// mark and leading blanks: titles and comments are metadata lines, which
// never begin with the words looked for here.
std::vector<std::string> ReportLines(const std::string& report, const std::string& inputPath)
{
    std::vector<std::string> lines;
    const std::size_t echo = inputPath.empty() ? std::string::npos : report.find(inputPath);
    std::size_t begin = echo == std::string::npos ? 0 : echo + inputPath.size();
    while (begin < report.size()) {
        std::size_t end = report.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = report.size();
        lines.emplace_back(
            Trim(SplitEncoderLevel(std::string_view(report).substr(begin, end - begin)).Text));
        begin = end + 1;
    }
    return lines;
}

// Comma-separated fields; commas inside parentheses or brackets
// ("yuv420p(tv, bt709)") do not separate.
std::vector<std::string> Fields(std::string_view text)
{
    std::vector<std::string> fields;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (c == ',' && depth == 0) {
            fields.emplace_back(Trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return fields;
}

// The first word of a stream's description: "h264 (High) (avc1 / ...)".
std::string FirstWord(const std::string& field)
{
    return field.substr(0, field.find_first_of(" ("));
}

// The fields after "<kind>: " on the first stream line of that kind.
std::vector<std::string> StreamFields(const std::vector<std::string>& lines, std::string_view kind)
{
    for (const std::string& line : lines) {
        const std::size_t at = line.find(kind);
        if (line.starts_with("Stream #") && at != std::string::npos &&
            line.find("(attached pic)") == std::string::npos)
            return Fields(std::string_view(line).substr(at + kind.size()));
    }
    return {};
}

std::string Container(const std::vector<std::string>& lines, const std::string& inputPath)
{
    for (const std::string& line : lines) {
        if (!line.starts_with("Input #"))
            continue;
        const std::size_t from = line.find(", from ");
        const std::size_t comma = line.find(", ");
        if (from == std::string::npos || comma >= from)
            return {};
        const std::string names = line.substr(comma + 2, from - comma - 2);
        const std::size_t dot = inputPath.rfind('.');
        std::string ext = dot == std::string::npos ? std::string() : inputPath.substr(dot + 1);
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (const std::string& name : Fields(names))
            if (!ext.empty() && name == ext)
                return name;
        return names.substr(0, names.find(','));
    }
    return {};
}

// A number with a unit as ffmpeg reports it ("29.97 fps") in the language's
// words: `whole` takes a whole number, `decimal` its two parts. Any other
// text stays as ffmpeg wrote it.
std::string NumberInUnit(const std::string& value, std::string_view unit, const char* whole,
                         const char* decimal, TTranslator translated)
{
    if (!value.ends_with(unit))
        return value;
    const std::string number = value.substr(0, value.size() - unit.size());
    const std::size_t point = number.find('.');
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos ||
        (point != std::string::npos && !decimal))
        return value;
    if (point == std::string::npos)
        return FillText(translated("MediaFacts", whole), {number});
    return FillText(translated("MediaFacts", decimal),
                    {number.substr(0, point), number.substr(point + 1)});
}

} // namespace

TMediaFacts ParseMediaFacts(const std::string& report, const std::string& inputPath)
{
    TMediaFacts facts;
    // The header line holds the path, so it is looked for from the start.
    facts.Container = Container(ReportLines(report, {}), inputPath);
    const std::vector<std::string> lines = ReportLines(report, inputPath);
    for (const std::string& line : lines) {
        if (!line.starts_with("Duration: "))
            continue;
        const std::vector<std::string> fields = Fields(std::string_view(line).substr(10));
        // A line of a file's own text may read so, with nothing after it.
        if (!fields.empty() && fields.front() != "N/A")
            facts.Duration = fields.front();
        for (const std::string& field : fields)
            if (field.starts_with("bitrate: ") && field != "bitrate: N/A")
                facts.Bitrate = field.substr(9);
        break;
    }
    const std::vector<std::string> video = StreamFields(lines, "Video: ");
    if (!video.empty())
        facts.VideoCodec = FirstWord(video.front());
    for (const std::string& field : video)
        if (field.ends_with(" fps"))
            facts.FrameRate = field;
    const std::vector<std::string> audio = StreamFields(lines, "Audio: ");
    if (!audio.empty())
        facts.AudioCodec = FirstWord(audio.front());
    // Codec, sample rate, channels.
    if (audio.size() > 2)
        facts.Channels = audio[2];
    return facts;
}

std::vector<TMediaTrack> ParseMediaTracks(const std::string& report, const std::string& inputPath)
{
    return ReadMediaTracks(ReportLines(report, inputPath));
}

namespace {

// Binary multiples, one decimal from KiB on, as file managers show them,
// with the language's units and decimal mark ("1,5 Mio").
std::string FileSizeText(std::int64_t fileBytes, TTranslator translated)
{
    static constexpr const char* Units[] = {
        //: A file's size in bytes; %1 is a whole number
        QT_TRANSLATE_NOOP("MediaFacts", "%1 bytes"),
        //: A file's size in KiB (1024 bytes): %1 the whole part, %2 the decimal
        QT_TRANSLATE_NOOP("MediaFacts", "%1.%2 KiB"),
        //: A file's size in MiB (1024 KiB): %1 the whole part, %2 the decimal
        QT_TRANSLATE_NOOP("MediaFacts", "%1.%2 MiB"),
        //: A file's size in GiB (1024 MiB): %1 the whole part, %2 the decimal
        QT_TRANSLATE_NOOP("MediaFacts", "%1.%2 GiB"),
        //: A file's size in TiB (1024 GiB): %1 the whole part, %2 the decimal
        QT_TRANSLATE_NOOP("MediaFacts", "%1.%2 TiB")};
    double value = static_cast<double>(fileBytes);
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < std::size(Units)) {
        value /= 1024;
        ++unit;
    }
    char number[32];
    std::snprintf(number, sizeof number, unit == 0 ? "%.0f" : "%.1f", value);
    // The C library may already write the system's decimal mark.
    const std::string whole(number, std::strcspn(number, ".,"));
    const char* const point = std::strpbrk(number, ".,");
    return FillText(translated("MediaFacts", Units[unit]), {whole, point ? point + 1 : ""});
}

} // namespace

std::string MediaFactsText(const TMediaFacts& facts, std::int64_t fileBytes, TTranslator translated)
{
    std::string text;
    const auto line = [&text, translated](const char* pattern, const std::string& value) {
        if (value.empty())
            return;
        if (!text.empty())
            text += '\n';
        text += FillText(translated("MediaFacts", pattern), {value});
    };
    //: A line of a video's facts: its container format, such as "matroska"
    line(QT_TRANSLATE_NOOP("MediaFacts", "Container: %1"), facts.Container);
    //: A line of a video's facts; %1 is a time such as "00:01:30"
    line(QT_TRANSLATE_NOOP("MediaFacts", "Duration: %1"), facts.Duration);
    //: A line of a video's facts: its video codec, such as "h264"
    line(QT_TRANSLATE_NOOP("MediaFacts", "Video: %1"), facts.VideoCodec);
    //: A line of a video's facts; %1 is such as "25 fps"
    line(QT_TRANSLATE_NOOP("MediaFacts", "Frame rate: %1"),
         //: Frames per second, a whole number
         NumberInUnit(facts.FrameRate, " fps", QT_TRANSLATE_NOOP("MediaFacts", "%1 fps"),
                      //: Frames per second: %1 the whole part, %2 the decimals ("29.97 fps")
                      QT_TRANSLATE_NOOP("MediaFacts", "%1.%2 fps"), translated));
    //: A line of a video's facts; %1 is such as "1200 kb/s"
    line(QT_TRANSLATE_NOOP("MediaFacts", "Bitrate: %1"),
         //: Kilobits per second, a whole number
         NumberInUnit(facts.Bitrate, " kb/s", QT_TRANSLATE_NOOP("MediaFacts", "%1 kb/s"), nullptr,
                      translated));
    //: A line of a video's facts: its audio codec and channels, such as "aac, stereo"
    line(QT_TRANSLATE_NOOP("MediaFacts", "Audio: %1"),
         facts.AudioCodec.empty() || facts.Channels.empty()
             ? facts.AudioCodec
             : facts.AudioCodec + ", " + facts.Channels);
    if (fileBytes >= 0)
        line(QT_TRANSLATE_NOOP("MediaFacts", "File size: %1"), FileSizeText(fileBytes, translated));
    return text;
}

TFrameSize ReadFrameSize(const std::string& sizeText)
{
    const std::string_view text = Trim(sizeText);
    const std::size_t x = text.find('x');
    const std::size_t end = text.find_first_not_of("0123456789", x + 1);
    const std::string_view w = text.substr(0, x == std::string_view::npos ? 0 : x);
    const std::string_view h =
        x == std::string_view::npos ? std::string_view() : text.substr(x + 1, end - x - 1);
    if (w.empty() || h.empty() || w.find_first_not_of("0123456789") != std::string_view::npos)
        return {};
    TFrameSize size{std::string(w) + "\u00d7" + std::string(h), {}};
    const std::size_t dar = text.find("DAR ");
    if (dar != std::string_view::npos) {
        const std::string_view ratio = text.substr(dar + 4);
        size.Aspect = std::string(ratio.substr(0, ratio.find_first_of("] ")));
        return size;
    }
    // Without the report's word, only a ratio of small numbers says
    // anything (1366x768 is "683:384").
    const long width = std::stol(std::string(w)), height = std::stol(std::string(h));
    const long divisor = std::gcd(width, height);
    if (divisor > 0 && width / divisor <= 21 && height / divisor <= 21)
        size.Aspect = std::to_string(width / divisor) + ":" + std::to_string(height / divisor);
    return size;
}
