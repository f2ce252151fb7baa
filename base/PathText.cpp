// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PathText.h"

#include "base/FileIdentity.h"

std::string WithTrailingBackslash(const std::string& dir)
{
    if (!dir.empty() && dir.back() == '/')
        return dir;
    return dir + "/";
}

std::string ExtractFileName(const std::string& path)
{
    // Only "/" separates: a ":" is an ordinary character in a Linux file name
    // ("12:30 talk.avi"), not a drive separator.
    const std::size_t at = path.rfind('/');
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string StripExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    const std::optional<TFileId> id = FileIdOf(a);
    return id && id == FileIdOf(b);
}

std::string AbsolutePath(const std::string& path, const std::string& workingDir)
{
    if (path.empty() || path.front() == '/')
        return path;
    std::string relative = path;
    while (relative.starts_with("./"))
        relative.erase(0, relative.find_first_not_of('/', 2));
    if (relative == ".")
        relative.clear();
    return WithTrailingBackslash(workingDir) + relative;
}
