// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileIdentity.h"

#include <sys/stat.h>

std::optional<TFileId> FileIdOf(const std::string& path)
{
    struct stat st
    {
    };
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return TFileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

bool TFileSet::Insert(const std::string& path)
{
    const std::optional<TFileId> id = FileIdOf(path);
    const bool textMet = !FTexts.insert(path).second;
    const bool fileMet = id && !FIds.insert(*id).second;
    return !textMet && !fileMet;
}
