// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

// A file as the file system tells files apart: by device and inode. One
// file reached through another spelling ("./b.avi", ".//b.avi"), a symbolic
// link or a hard link has one identity.
struct TFileId
{
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;

    // Not spelled with <=>: Qt's moc, which reads the headers of the task
    // list's model, cannot parse <compare>.
    bool operator==(const TFileId&) const = default;
    bool operator<(const TFileId& other) const
    {
        return Device != other.Device ? Device < other.Device : Inode < other.Inode;
    }
};

// The identity of the file `path` names, links followed; nothing when it
// does not exist (any more) or cannot be reached.
std::optional<TFileId> FileIdOf(const std::string& path);

// Paths met so far, each file once. Two paths name one file when their texts
// are the same, or when both exist and have one identity; a path that does
// not exist is told apart by its text alone.
class TFileSet
{
public:
    // Adds `path`; false when it names a file already met.
    bool Insert(const std::string& path);

private:
    std::set<std::string> FTexts;
    std::set<TFileId> FIds;
};
