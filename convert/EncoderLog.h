// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <cstddef>
#include <string>
#include <string_view>

// What one encoder run wrote, kept within a limit. A run that writes more
// keeps its start (the banner, the input's description, the chosen streams)
// and its end (the last progress and why it stopped), and a marker line
// stands where the middle was cut.
class TEncoderLog
{
public:
    static constexpr std::size_t DefaultLimit = std::size_t{1} << 20;

    explicit TEncoderLog(std::size_t limit = DefaultLimit);

    // The run begins: `commandLine` is how it was started, written as a
    // shell would need it, and `startTime` the clock's time then.
    void Start(std::string commandLine, std::string startTime);
    void Append(std::string_view text);
    void Clear();

    bool IsEmpty() const { return FHead.empty(); }
    // Bytes written in all, kept or not.
    std::size_t Written() const { return FWritten; }
    bool IsCut() const { return FWritten > FHead.size() + FTail.size(); }

    // The log as kept: never more than the limit plus the marker line.
    std::string Text() const;
    // The last `count` bytes written (fewer when fewer were kept).
    std::string End(std::size_t count) const;
    // What the user is shown: the command line and the start time, then the
    // log as kept, made readable (ReadableEncoderLog); our own words as
    // `translated` gives them.
    std::string Shown(TTranslator translated = Untranslated) const;

private:
    std::size_t FHeadLimit;
    std::size_t FTailLimit;
    std::string FHead;
    // Grows to twice its limit before its front is dropped, so that a long
    // run copies each byte about once.
    std::string FTail;
    std::size_t FWritten = 0;
    std::string FCommandLine;
    std::string FStartTime;
};

// The log as the user reads it: the "[info] " mark that the encoder puts on
// each ordinary line is left out; the marks of warnings and errors stay, as
// they point at what went wrong.
std::string ReadableEncoderLog(const std::string& text);
