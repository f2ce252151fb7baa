// SPDX-License-Identifier: GPL-3.0-or-later
// A later start's message to the window: what reads whole is written back
// the same, and every shorter start of it waits for the rest; any command
// line (the input split at its zero bytes) reads back as itself.
#include "FuzzFiles.h"
#include "platform/HandOver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const THandOverRead read = ReadHandOver(input);
    if (read.Status == THandOverStatus::Whole) {
        const std::string again = HandOverMessage(read.Line);
        const THandOverRead back = ReadHandOver(again);
        FuzzCheck(back.Status == THandOverStatus::Whole && back.Line == read.Line &&
                  back.Length == again.size());
        FuzzCheck(ReadHandOver(input.substr(0, read.Length - 1)).Status ==
                  THandOverStatus::Incomplete);
    }
    THandOver line;
    std::size_t at = input.find('\0');
    line.WorkingDir = input.substr(0, at);
    for (std::size_t end = at; at != std::string::npos; at = end) {
        end = input.find('\0', at + 1);
        line.Arguments.push_back(input.substr(at + 1, end - at - 1));
    }
    const THandOverRead whole = ReadHandOver(HandOverMessage(line));
    FuzzCheck(whole.Status == THandOverStatus::Whole && whole.Line == line);
    return 0;
}
