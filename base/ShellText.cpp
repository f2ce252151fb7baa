// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ShellText.h"

#include <string_view>

namespace {

// Characters that a shell takes as they are anywhere in a word. "=" is not
// among them: a first word holding one would be read as an assignment.
bool IsPlain(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_-+./:,@").find(c) != std::string_view::npos;
}

} // namespace

std::string ShellQuoted(const std::string& argument)
{
    bool plain = !argument.empty();
    for (const char c : argument)
        plain = plain && IsPlain(c);
    if (plain)
        return argument;
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::string ShellCommandLine(const std::vector<std::string>& words)
{
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty())
            line += ' ';
        line += ShellQuoted(word);
    }
    return line;
}
