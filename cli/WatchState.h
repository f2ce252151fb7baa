// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// A line of a watch's state file: a file converted (or failed) and the size
// and modification time it had then.
struct TWatchStamp
{
    std::int64_t Size = -1;
    std::int64_t Time = -1;
    bool operator==(const TWatchStamp&) const = default;
};

// "SIZE TIME NAME": the name last, as it may hold blanks, with "\" written
// "\\" and line breaks "\n" and "\r", so that any name a file system allows
// fits on one line and reads back the same.
std::string WatchStateLine(const std::string& name, const TWatchStamp& stamp);

// The name and the stamp of a line; nothing for a line that holds none. A
// "\" before any other character stays as it is, as older files wrote names
// unescaped.
std::optional<std::pair<std::string, TWatchStamp>> ParseWatchStateLine(std::string_view line);
