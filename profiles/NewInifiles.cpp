#include "profiles/NewInifiles.h"

#include "base/TextConvert.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const CRLF = "\r\n";

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += CRLF;
    }
    return text;
}

std::string OsErrorText(const std::string& path, int error)
{
    return "Cannot create file \"" + path + "\". " + std::strerror(error);
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

} // namespace

TNewInifile::TNewInifile(std::string fileName) : FFileName(std::move(fileName))
{
    // Anything that cannot be read as a file (a directory, no permission) is
    // an absent file: the store starts empty and reads give their defaults.
    std::error_code error;
    if (!std::filesystem::is_regular_file(FFileName, error))
        return;
    // A file that is there but cannot be read must not be replaced by the
    // empty store at release: that would lose whatever it holds.
    std::ifstream in(FFileName, std::ios::binary);
    std::string text;
    try {
        if (in)
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        in.setstate(std::ios::failbit);
    }
    if (!in && !in.eof()) {
        FUnreadable = true;
        return;
    }
    FLines = SplitLines(text);
}

std::string TNewInifile::SectionText(const std::string& section) const
{
    const std::string text = JoinLines(FLines);
    const std::string header = LowerAscii("[" + section + "]");
    const std::size_t at = LowerAscii(text).find(header);
    if (at == std::string::npos)
        return {};
    std::string body = text.substr(at + header.size());
    const std::size_t bracket = body.find('[');
    if (bracket != std::string::npos)
        body.erase(bracket);
    return body;
}

int TNewInifile::SectionIndex(const std::string& section) const
{
    const std::string header = LowerAscii("[" + section + "]");
    for (std::size_t i = 0; i < FLines.size(); ++i)
        if (LowerAscii(FLines[i]).find(header) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

int TNewInifile::KeyIndex(const std::string& section, const std::string& ident) const
{
    const std::vector<std::string> body = SplitLines(SectionText(section));
    const std::string key = LowerAscii(ident + "=");
    for (std::size_t i = 0; i < body.size(); ++i)
        if (LowerAscii(body[i]).find(key) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

std::string TNewInifile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue) const
{
    const std::string key = LowerAscii(ident + "=");
    for (const std::string& line : SplitLines(SectionText(section))) {
        const std::size_t at = LowerAscii(line).find(key);
        if (at != std::string::npos)
            return line.substr(at + key.size());
    }
    return defaultValue;
}

int32_t TNewInifile::ReadInteger(const std::string& section, const std::string& ident,
                                 int32_t defaultValue) const
{
    int32_t value = 0;
    if (TryStrToInt(ReadString(section, ident, std::to_string(defaultValue)), value))
        return value;
    return defaultValue;
}

bool TNewInifile::ReadBool(const std::string& section, const std::string& ident,
                           bool defaultValue) const
{
    const std::string text = ReadString(section, ident, defaultValue ? "-1" : "0");
    double number = 0;
    if (TryStrToFloat(text, number))
        return number != 0;
    const std::string lower = LowerAscii(text);
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    return defaultValue;
}

double TNewInifile::ReadFloat(const std::string& section, const std::string& ident,
                              double defaultValue) const
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, defaultValue);
    double value = 0;
    if (TryStrToFloat(ReadString(section, ident, std::string(buffer, result.ptr)), value))
        return value;
    return defaultValue;
}

void TNewInifile::WriteString(const std::string& section, const std::string& ident,
                              const std::string& value)
{
    FWritten = true;
    // One value is one line: a line break inside it would shift every line
    // index the store computes from then on and make later writes land on
    // the wrong line.
    std::string flat = value;
    for (char& c : flat)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string line = ident + "=" + flat;
    const int header = SectionIndex(section);
    if (header == -1) {
        FLines.push_back("[" + section + "]");
        FLines.push_back(line);
        return;
    }
    const int key = KeyIndex(section, ident);
    if (key == -1)
        FLines.insert(FLines.begin() + header + 1, line);
    else
        FLines[header + key] = line;
}

void TNewInifile::WriteInteger(const std::string& section, const std::string& ident, int32_t value)
{
    WriteString(section, ident, std::to_string(value));
}

void TNewInifile::WriteBool(const std::string& section, const std::string& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TNewInifile::Save() const
{
    const std::string target = ResolveTarget(FFileName);
    const auto fail = [&](int error) {
        throw EIniWriteError(OsErrorText(FFileName, error), FWritten);
    };
    if (FUnreadable)
        fail(EACCES);

    mode_t mode = 0666;
    struct stat existing
    {
    };
    if (::stat(target.c_str(), &existing) == 0) {
        // A read-only file stays unwritten, even for a user (root) whom the
        // kernel would let replace it: the attribute is the user's intent.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(target.c_str(), W_OK) != 0)
            fail(EACCES);
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    const std::size_t slash = target.rfind('/');
    const std::string dir =
        slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = (slash == std::string::npos ? std::string() : dir) + "." + base + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail(errno);

    const std::string text = JoinLines(FLines);
    std::size_t written = 0;
    int error = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (!error && ::fchmod(fd, mode) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.c_str());
        fail(error);
    }
}

void TNewInifile::SaveAndFree(std::unique_ptr<TNewInifile> store)
{
    if (store)
        store->Save();
}
