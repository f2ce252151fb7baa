// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Giving a file another name in one step, with or without replacing what
// has the name. Several programs may name files in one folder at once, on
// one machine or on many that share it over NFS or SMB.

// Whether any directory entry has the name: a file, a folder, a FIFO, a link
// even when it leads nowhere. Links are not followed.
bool HasDirectoryEntry(const std::string& path);

// Gives `from` the name `to` in one step that never replaces anything:
// 0 when done, EEXIST when `to` is in use, another errno otherwise. Where the
// file system refuses a rename that does not replace, a hard link is made
// and the old name removed (MoveByLink); where it has no hard links, the
// name is claimed first (MoveByClaim).
int MoveWithoutReplacing(const std::string& from, const std::string& to);

// The fallback of MoveWithoutReplacing: link() refuses a name in use, on
// NFS too, so the link is what claims `to`; then `from` is removed.
int MoveByLink(const std::string& from, const std::string& to);

// The last resort, where the file system has no hard links either (SMB
// without Unix extensions, FAT): an exclusive create claims `to` as an
// empty file, which no other run can then take, and `from` is renamed over
// that claim. For that moment the name shows an empty file.
int MoveByClaim(const std::string& from, const std::string& to);

// Gives `from` the name `to` in one step, replacing what had it.
int MoveReplacing(const std::string& from, const std::string& to);
