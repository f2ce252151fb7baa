// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/FileMoves.h"

#include <string>

// The file operations that put a finished conversion in place. Several runs
// may write into one folder at once: other windows, other command-line runs,
// other machines sharing it over NFS or SMB. None of them may ever replace
// another's output by accident, nor leave its hidden working files behind.

// This machine's name as working names carry it (HostTag).
std::string LocalHostTag();

// Removes from `dir` the working files that runs of this program on this
// machine (`host`) left behind: files of exactly the working names' shape
// and host whose process no longer runs, as after a SIGKILL or a power
// cut. Files of other machines, of running processes, and anything else
// stay. Returns how many were removed.
int RemoveLeftWorkingFiles(const std::string& dir, const std::string& host);
