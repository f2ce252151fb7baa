// SPDX-License-Identifier: GPL-3.0-or-later
// A watch's state line: a line read writes back as itself; any name reads back.
#include "cli/WatchState.h"
#include "FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (const auto read = ParseWatchStateLine(input))
        FuzzCheck(ParseWatchStateLine(WatchStateLine(read->first, read->second)) == read);
    const std::string line = WatchStateLine(input, {int64_t(size), -int64_t(size)});
    const auto back = ParseWatchStateLine(line);
    FuzzCheck(line.find_first_of("\r\n") == std::string::npos &&
              (input.empty() ? !back : back && back->first == input));
    return 0;
}
