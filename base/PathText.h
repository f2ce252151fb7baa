// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Path texts as the program treats them: "/" is the directory separator, and
// a file's extension is the text from the last "." of its name part on.

// The directory text with one separator appended when its last character is
// not one already.
std::string WithTrailingBackslash(const std::string& dir);

// The name part: what follows the last "/", the whole text otherwise.
std::string ExtractFileName(const std::string& path);

// The extension with its dot, from the last "." of the name part; "" for none.
std::string ExtractFileExt(const std::string& path);

// The name without its last "." and what follows; a name without "." whole.
std::string StripExtension(const std::string& name);

// Whether two paths name one file: the same text, or the same file reached
// through links, "..", "./" or a relative form.
bool IsSameFile(const std::string& a, const std::string& b);

// The path made absolute against `workingDir` (absolute itself): a path
// that does not start with a separator is taken as relative to it, without
// any "./" it starts with. An empty path stays empty.
std::string AbsolutePath(const std::string& path, const std::string& workingDir);
