// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How WriteFileBytes gave a file its bytes.
enum class TFileWrite
{
    Unchanged, // it held them already: nothing was written
    Replaced,  // a complete new file took its place in one step
    InPlace    // the file itself was rewritten
};

// Gives the file at `path`, followed through symbolic links, exactly
// `bytes`, so that reading and saving settings never changes more than it
// must:
// - a file that holds those bytes already is not touched at all;
// - otherwise a new file is written beside it, synced, and renamed over it,
//   with the old file's permissions, owner and group, so that the file holds
//   the old or the new bytes at every moment, whenever the writer is killed;
// - a file with other hard links, a file whose owner or group the new one
//   could not be given (another user's file), and a file in a directory
//   where no new file can be made are rewritten in place instead, which
//   keeps the links and the owner but is not one step;
// - an existing file without write permission is refused, also to a user
//   the system would let write it: the permission is its owner's intent.
// A file that does not exist is made with the permissions the umask leaves.
// Throws std::system_error with the OS's error when the bytes cannot be
// written; the file is then as it was, but for an in-place rewrite that
// failed part way.
TFileWrite WriteFileBytes(const std::string& path, const std::string& bytes);
