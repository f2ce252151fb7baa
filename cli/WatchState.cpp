// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WatchState.h"

#include <charconv>

namespace {

std::optional<std::int64_t> Number(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string WatchStateLine(const std::string& name, const TWatchStamp& stamp)
{
    std::string line = std::to_string(stamp.Size) + " " + std::to_string(stamp.Time) + " ";
    for (const char c : name) {
        if (c == '\\')
            line += "\\\\";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    return line;
}

std::optional<std::pair<std::string, TWatchStamp>> ParseWatchStateLine(std::string_view line)
{
    const std::size_t first = line.find(' ');
    const std::size_t second = line.find(' ', first == line.npos ? first : first + 1);
    if (second == line.npos)
        return std::nullopt;
    const auto size = Number(line.substr(0, first));
    const auto time = Number(line.substr(first + 1, second - first - 1));
    if (!size || !time || *size < 0)
        return std::nullopt;
    std::string name;
    for (std::size_t at = second + 1; at < line.size(); ++at) {
        const char next = at + 1 < line.size() ? line[at + 1] : '\0';
        if (line[at] == '\\' && (next == '\\' || next == 'n' || next == 'r')) {
            name += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
            ++at;
        } else {
            name += line[at];
        }
    }
    if (name.empty())
        return std::nullopt;
    return std::pair{name, TWatchStamp{*size, *time}};
}
