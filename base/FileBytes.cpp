// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileBytes.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(int error)
{
    throw std::system_error(error, std::generic_category());
}

// Writes through a symbolic link rather than replacing the link itself.
std::string ResolveTarget(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// An open descriptor, closed with the object.
class TDescriptor
{
public:
    explicit TDescriptor(int fd) : FFd(fd) {}
    ~TDescriptor()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    int Get() const { return FFd; }
    // Closes now, for the error close reports.
    int Close()
    {
        const int result = ::close(FFd);
        FFd = -1;
        return result;
    }

private:
    int FFd;
};

// 0, or the error that stopped the write.
int WriteAll(int fd, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + written, bytes.size() - written,
                                   static_cast<off_t>(written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

bool Holds(const std::string& path, const struct stat& st, const std::string& bytes)
{
    if (!S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) != bytes.size())
        return false;
    TDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return false;
    std::string held(bytes.size() + 1, '\0');
    std::size_t got = 0;
    while (got < held.size()) {
        const ssize_t n = ::read(fd.Get(), held.data() + got, held.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return got == bytes.size() && held.compare(0, got, bytes) == 0;
}

void RewriteInPlace(const std::string& target, const std::string& bytes)
{
    TDescriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        Fail(errno);
    // One write, then the cut: a small file is written by a single call,
    // which a kill does not split.
    int error = WriteAll(fd.Get(), bytes);
    if (!error && ::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (!error && ::fsync(fd.Get()) != 0)
        error = errno;
    if (fd.Close() != 0 && !error)
        error = errno;
    if (error)
        Fail(error);
}

// Names beside `target` are ".<name>.<pid>.<anything>.tmp": a writer killed
// between naming its new file and renaming it leaves one, which a later
// write of the same file removes once that process is gone.
std::string TemporaryPrefix(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, nameStart) + "." + target.substr(nameStart) + "." +
           std::to_string(::getpid()) + ".";
}
const char* const TemporarySuffix = ".tmp";

// A new file beside `target`: unnamed while it is written where the file
// system allows, so that a writer killed meanwhile leaves nothing behind.
// `name` receives its name, empty for an unnamed one.
int CreateBeside(const std::string& target, std::string& name)
{
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string(".") : target.substr(0, slash);
    const int unnamed = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (unnamed >= 0) {
        name.clear();
        return unnamed;
    }
    name = TemporaryPrefix(target) + "XXXXXX" + TemporarySuffix;
    return ::mkostemps(name.data(), int(std::strlen(TemporarySuffix)), O_CLOEXEC);
}

// Gives an unnamed file a name beside `target` to rename from.
int NameUnnamed(int fd, const std::string& target, std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryPrefix(target) + std::to_string(attempt) + TemporarySuffix;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

void RemoveLeftTemporaries(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string(".") : target.substr(0, slash);
    const std::string prefix =
        "." + target.substr(slash == std::string::npos ? 0 : slash + 1) + ".";
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(TemporarySuffix))
            continue;
        const std::size_t digits = name.find_first_not_of("0123456789", prefix.size());
        if (digits == prefix.size() || digits == std::string::npos || name[digits] != '.')
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid > 0 && pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes a new file beside `target` and renames it over `target`; `old` is
// the file there now, null when there is none. Falls back to rewriting a
// regular file in place where no new file can be made or given its owner.
TFileWrite ReplaceBeside(const std::string& target, const std::string& bytes,
                         const struct stat* old)
{
    const bool regular = old && S_ISREG(old->st_mode);
    std::string name;
    TDescriptor fd(CreateBeside(target, name));
    if (fd.Get() < 0) {
        const int error = errno;
        if (!regular)
            Fail(error);
        RewriteInPlace(target, bytes);
        return TFileWrite::InPlace;
    }
    const auto discard = [&] {
        if (!name.empty())
            ::unlink(name.c_str());
    };
    int error = WriteAll(fd.Get(), bytes);
    if (!error && ::fchmod(fd.Get(), old ? (old->st_mode & 07777) : NewFileMode()) != 0)
        error = errno;
    if (!error && old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
        ::fchown(fd.Get(), old->st_uid, old->st_gid) != 0) {
        // Only the file itself still has its owner and group.
        discard();
        if (!regular)
            Fail(errno);
        RewriteInPlace(target, bytes);
        return TFileWrite::InPlace;
    }
    if (!error && ::fsync(fd.Get()) != 0)
        error = errno;
    if (!error && name.empty())
        error = NameUnnamed(fd.Get(), target, name);
    if (fd.Close() != 0 && !error)
        error = errno;
    if (!error && ::rename(name.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        discard();
        Fail(error);
    }
    RemoveLeftTemporaries(target);
    return TFileWrite::Replaced;
}

} // namespace

TFileWrite WriteFileBytes(const std::string& path, const std::string& bytes)
{
    const std::string target = ResolveTarget(path);
    struct stat st
    {
    };
    if (::stat(target.c_str(), &st) != 0)
        return ReplaceBeside(target, bytes, nullptr);
    if (Holds(target, st, bytes))
        return TFileWrite::Unchanged;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
        Fail(EACCES);
    if (S_ISDIR(st.st_mode))
        Fail(EISDIR);
    if (S_ISREG(st.st_mode) && st.st_nlink > 1) {
        RewriteInPlace(target, bytes);
        return TFileWrite::InPlace;
    }
    return ReplaceBeside(target, bytes, &st);
}
