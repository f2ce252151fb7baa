// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/OutputPlacement.h"

#include "convert/BatchRules.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A process that no longer exists. One that exists under another user, or
// a new process that has taken the id since, counts as running: its files
// stay until a later run finds the id free, rather than risk removing what
// a live run is writing.
bool ProcessIsGone(long long pid)
{
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

std::string LocalHostTag()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        name[0] = '\0';
    return HostTag(name);
}

int RemoveLeftWorkingFiles(const std::string& dir, const std::string& host)
{
    DIR* listing = ::opendir(dir.c_str());
    if (!listing)
        return 0;
    const int dirFd = ::dirfd(listing);
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const auto name = ParseWorkingName(entry->d_name);
        if (!name || name->Host != host || !ProcessIsGone(name->Owner))
            continue;
        struct stat status;
        if (::fstatat(dirFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        if (::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(listing);
    return removed;
}
