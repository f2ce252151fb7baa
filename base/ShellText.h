// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Arguments written as a POSIX shell reads them back, so that a command line
// shown to the user can be pasted into a terminal and run as it ran here.

// The argument alone when the shell leaves it as it is, otherwise within
// single quotes, each quote inside written as '\''. An empty argument is ''.
std::string ShellQuoted(const std::string& argument);

// The words quoted one by one and joined by blanks.
std::string ShellCommandLine(const std::vector<std::string>& words);
