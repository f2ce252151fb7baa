// SPDX-License-Identifier: GPL-3.0-or-later
// The INI store: any file read, written and read back after a save. The
// input is the file's bytes, then optionally a 0xFF byte and writes, one a
// line, as "section|key|value". Without writes, every key line found gets a
// new value. After each write of a key that a line can hold (a section
// without line breaks and brackets, a name without line breaks and "=" that
// does not begin with a blank, "[", ";" or "#", neither holding a zero byte),
// reading it gives the value back, its line breaks and zero bytes as blanks;
// after the save a new store holds exactly the lines the old one held.

#include "base/NewInifiles.h"
#include "FuzzFiles.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Write
{
    std::string Section, Ident, Value;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Writes for every "key=value" line, into the section whose header stands
// last above it.
std::vector<Write> WritesFromKeyLines(const std::vector<std::string>& lines)
{
    std::vector<Write> writes;
    std::string section;
    for (const std::string& line : lines) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] == '[') {
            const std::size_t close = line.find(']', first);
            section = line.substr(first + 1, close == std::string::npos ? 0 : close - first - 1);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            writes.push_back({section, line.substr(0, equals), line.substr(equals + 1) + "[1]"});
    }
    return writes;
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

bool IsKeyALineCanHold(const Write& w)
{
    return w.Section.find_first_of(std::string("[]\r\n\0", 5)) == std::string::npos &&
           w.Ident.find_first_of(std::string("=\r\n\0", 4)) == std::string::npos &&
           (w.Ident.empty() || std::string(" \t[;#").find(w.Ident[0]) == std::string::npos);
}

std::string Flat(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\xff');
    static const std::string path = FuzzScratchPath("store.ini");
    WriteFuzzFile(path, input.substr(0, cut));

    auto store = std::make_unique<TNewInifile>(path);
    std::vector<Write> writes;
    if (cut == std::string::npos) {
        writes = WritesFromKeyLines(store->Lines());
    } else {
        for (const std::string& line : Split(input.substr(cut + 1), '\n')) {
            std::vector<std::string> parts = Split(line, '|');
            parts.resize(3);
            writes.push_back({parts[0], parts[1], parts[2]});
        }
    }
    for (const Write& w : writes) {
        (void)store->ReadInteger(w.Section, w.Ident, 7);
        (void)store->ReadBool(w.Section, w.Ident, true);
        (void)store->ReadFloat(w.Section, w.Ident, 0.5);
        if (HasLineBreak(w.Section) || HasLineBreak(w.Ident))
            continue;
        store->WriteString(w.Section, w.Ident, w.Value);
        if (IsKeyALineCanHold(w))
            FuzzCheck(store->ReadString(w.Section, w.Ident, "\x01") == Flat(w.Value));
    }

    const std::vector<std::string> lines = store->Lines();
    // A file that is no text is never written over.
    if (!store->ReadError().empty())
        return 0;
    TNewInifile::SaveAndFree(std::move(store));
    const TNewInifile reread(path);
    FuzzCheck(reread.Lines() == lines);
    for (const Write& w : writes)
        if (!HasLineBreak(w.Section) && !HasLineBreak(w.Ident))
            (void)reread.ReadString(w.Section, w.Ident, "");
    return 0;
}
