// SPDX-License-Identifier: GPL-3.0-or-later
// A watch's state line: any line read gives a name that writes and reads
// back the same; any name written reads back, on one line.
#include "cli/WatchState.h"
#include "FuzzFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (const auto read = ParseWatchStateLine(input))
        FuzzCheck(ParseWatchStateLine(WatchStateLine(read->first, read->second)) == read);
    const std::string line = WatchStateLine(input, {int64_t(size), -int64_t(size)});
    FuzzCheck(line.find_first_of("\r\n") == std::string::npos);
    const auto back = ParseWatchStateLine(line);
    FuzzCheck(input.empty() ? !back : back && back->first == input);
    return 0;
}
