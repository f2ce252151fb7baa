#include "profiles/NewInifiles.h"

#include "base/FileBytes.h"
#include "base/TextConvert.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

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

// Only a line whose first non-blank character is "[" starts a section: a
// "[" anywhere else is text, so a value such as "/home/u/Videos [HD]/"
// stays whole and the keys below it stay in their section.
bool IsHeaderLine(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] == '[';
}

} // namespace

std::string OsErrorText(const std::string& path, int error)
{
    return "Cannot create file \"" + path + "\". " + std::strerror(error);
}

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

TNewInifile::THeader TNewInifile::FindHeader(const std::string& section) const
{
    const std::string header = LowerAscii("[" + section + "]");
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        if (!IsHeaderLine(FLines[i]))
            continue;
        const std::size_t at = LowerAscii(FLines[i]).find(header);
        if (at != std::string::npos)
            return {static_cast<int>(i), at + header.size()};
    }
    return {};
}

std::vector<std::string> TNewInifile::SectionLines(const std::string& section) const
{
    const THeader header = FindHeader(section);
    if (header.Line < 0)
        return {};
    // A second header on the header's own line starts a section of its own,
    // which the lines below belong to.
    const std::string& headerLine = FLines[std::size_t(header.Line)];
    const std::size_t end = headerLine.find('[', header.BodyStart);
    if (end != std::string::npos)
        return {headerLine.substr(header.BodyStart, end - header.BodyStart)};
    std::vector<std::string> body{headerLine.substr(header.BodyStart)};
    for (std::size_t i = std::size_t(header.Line) + 1;
         i < FLines.size() && !IsHeaderLine(FLines[i]); ++i)
        body.push_back(FLines[i]);
    return body;
}

int TNewInifile::KeyIndex(const std::string& section, const std::string& ident) const
{
    const std::vector<std::string> body = SectionLines(section);
    const std::string key = LowerAscii(ident + "=");
    for (std::size_t i = 0; i < body.size(); ++i)
        if (LowerAscii(body[i]).find(key) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

bool TNewInifile::ValueExists(const std::string& section, const std::string& ident) const
{
    return KeyIndex(section, ident) != -1;
}

std::string TNewInifile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue) const
{
    const std::string key = LowerAscii(ident + "=");
    for (const std::string& line : SectionLines(section)) {
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
    const THeader header = FindHeader(section);
    if (header.Line == -1) {
        FLines.push_back("[" + section + "]");
        FLines.push_back(line);
        return;
    }
    // A second header on the same line goes to a line of its own, so that
    // lines inserted below the header belong to this section; every read
    // gives what it gave before.
    const std::size_t next = FLines[std::size_t(header.Line)].find('[', header.BodyStart);
    if (next != std::string::npos) {
        FLines.insert(FLines.begin() + header.Line + 1,
                      FLines[std::size_t(header.Line)].substr(next));
        FLines[std::size_t(header.Line)].erase(next);
    }
    const int key = KeyIndex(section, ident);
    if (key == -1) {
        FLines.insert(FLines.begin() + header.Line + 1, line);
    } else if (key == 0) {
        // The key stands on the header's own line: replacing that line would
        // drop the section with it. The header stays; the key moves below it.
        FLines[std::size_t(header.Line)].erase(header.BodyStart);
        FLines.insert(FLines.begin() + header.Line + 1, line);
    } else {
        FLines[std::size_t(header.Line + key)] = line;
    }
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
    const auto fail = [&](int error) {
        throw EIniWriteError(OsErrorText(FFileName, error), FWritten);
    };
    if (FUnreadable)
        fail(EACCES);
    try {
        WriteFileBytes(FFileName, JoinLines(FLines));
    } catch (const std::system_error& error) {
        fail(error.code().value());
    }
}

void TNewInifile::SaveAndFree(std::unique_ptr<TNewInifile> store)
{
    if (store)
        store->Save();
}
