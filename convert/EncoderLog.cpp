// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncoderLog.h"

#include "encoder/ProbeReport.h"

#include <algorithm>
#include <utility>

namespace {

// How far the kept end may reach into a broken line to start at the next
// one: a long line without an end is kept as it is.
constexpr std::size_t LineSearch = 4096;

} // namespace

TEncoderLog::TEncoderLog(std::size_t limit) : FHeadLimit(limit / 2), FTailLimit(limit - limit / 2)
{
}

void TEncoderLog::Start(std::string commandLine, std::string startTime)
{
    FCommandLine = std::move(commandLine);
    FStartTime = std::move(startTime);
}

void TEncoderLog::Append(std::string_view text)
{
    FWritten += text.size();
    const std::size_t toHead = std::min(text.size(), FHeadLimit - FHead.size());
    FHead.append(text.substr(0, toHead));
    text.remove_prefix(toHead);
    if (text.empty())
        return;
    FTail.append(text);
    // One byte more than the end shows is kept, to tell whether the end
    // starts a line.
    if (FTail.size() > 2 * FTailLimit)
        FTail.erase(0, FTail.size() - FTailLimit - 1);
}

void TEncoderLog::Clear()
{
    FCommandLine.clear();
    FStartTime.clear();
    FHead.clear();
    FTail.clear();
    FWritten = 0;
}

std::string TEncoderLog::End(std::size_t count) const
{
    const std::size_t fromTail = std::min(count, FTail.size());
    std::string end = FTail.substr(FTail.size() - fromTail);
    if (fromTail < count && !IsCut()) {
        const std::size_t fromHead = std::min(count - fromTail, FHead.size());
        end.insert(0, FHead, FHead.size() - fromHead, fromHead);
    }
    return end;
}

std::string TEncoderLog::Text() const
{
    if (!IsCut() && FTail.size() <= FTailLimit)
        return FHead + FTail;
    std::size_t start = FTail.size() - std::min(FTail.size(), FTailLimit);
    // The kept end starts with a whole line where one begins near the cut.
    const auto endsLine = [](char c) {
        return c == '\n' || c == '\r';
    };
    if (start > 0 && !endsLine(FTail[start - 1])) {
        const std::size_t newline = FTail.find_first_of("\r\n", start);
        if (newline != std::string::npos && newline - start < LineSearch)
            start = newline + 1;
    }
    const std::size_t cut = FWritten - FHead.size() - (FTail.size() - start);
    std::string text;
    text.reserve(FHead.size() + FTail.size() - start + 64);
    text += FHead;
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += '\n';
    text += "[... " + std::to_string(cut) + " bytes left out ...]\n";
    text.append(FTail, start);
    return text;
}

std::string TEncoderLog::Shown(TTranslator translated) const
{
    std::string shown;
    if (!FCommandLine.empty())
        shown += FCommandLine + "\n";
    if (!FStartTime.empty())
        //: The first lines of a task's log: %1 is the date and time its encoder started
        shown +=
            FillText(translated("TEncoderLog", QT_TRANSLATE_NOOP("TEncoderLog", "Started: %1")),
                     {FStartTime}) +
            "\n";
    if (!shown.empty())
        shown += "\n";
    return shown + ReadableEncoderLog(Text());
}

std::string ReadableEncoderLog(const std::string& text)
{
    std::string readable;
    readable.reserve(text.size());
    for (std::size_t begin = 0; begin <= text.size();) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = std::string_view(text).substr(begin, end - begin);
        if (line.find("[info] ") != std::string_view::npos) {
            const TEncoderLine split = SplitEncoderLevel(line);
            readable += split.Level == "info" ? std::string_view(split.Text) : line;
        } else {
            readable += line;
        }
        if (end < text.size())
            readable += text[end];
        begin = end + 1;
    }
    return readable;
}
