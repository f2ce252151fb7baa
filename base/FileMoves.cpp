// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileMoves.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int RenameNoReplace(const std::string& from, const std::string& to)
{
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0
                                                                                            : errno;
}

} // namespace

bool HasDirectoryEntry(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

int MoveWithoutReplacing(const std::string& from, const std::string& to)
{
    const int error = RenameNoReplace(from, to);
    switch (error) {
    case EINVAL: // the file system does not know the flag (NFS, some FUSE)
    case ENOSYS:
    case EOPNOTSUPP:
        break;
    default:
        return error;
    }
    const int linkError = MoveByLink(from, to);
    switch (linkError) {
    case EPERM: // no hard links here (SMB without Unix extensions, FAT)
    case EOPNOTSUPP:
    case ENOSYS:
        return MoveByClaim(from, to);
    default:
        return linkError;
    }
}

int MoveByLink(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        // Over NFS a link whose reply was lost is sent again and then finds
        // its own name: the link is ours when both names are one file.
        struct stat fromStatus, toStatus;
        if (error != EEXIST || ::lstat(from.c_str(), &fromStatus) != 0 ||
            ::lstat(to.c_str(), &toStatus) != 0 || fromStatus.st_dev != toStatus.st_dev ||
            fromStatus.st_ino != toStatus.st_ino)
            return error;
    }
    // The output is in place; a working name that cannot be removed is
    // untidy but loses nothing.
    ::unlink(from.c_str());
    return 0;
}

int MoveByClaim(const std::string& from, const std::string& to)
{
    const int claim = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (claim < 0)
        return errno;
    ::close(claim);
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return 0;
    const int error = errno;
    ::unlink(to.c_str());
    return error;
}

int MoveReplacing(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
