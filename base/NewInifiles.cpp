// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NewInifiles.h"

#include "base/FileBytes.h"
#include "base/TextConvert.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

const char* const CRLF = "\r\n";
const std::string ByteOrderMark = "\xEF\xBB\xBF";
const std::string Utf16LEMark = "\xFF\xFE";
const std::string Utf16BEMark = "\xFE\xFF";
const char* const Blanks = " \t";

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
    const std::size_t first = line.find_first_not_of(Blanks);
    return first != std::string::npos && line[first] == '[';
}

bool IsCommentStart(char c)
{
    return c == ';' || c == '#';
}

// A key without the blanks around it: people write "Overwrite = 0", and
// reading that as no key at all would put a default in its place.
std::string TrimmedKey(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    return LowerAscii(text.substr(first, text.find_last_not_of(Blanks) + 1 - first));
}

// The key a line gives, lower-cased: the text up to its first "=", without
// blanks at either end. A comment, a blank line and a line without "=" give
// none, so "; Output Path=/old/" never stands for "Output Path".
bool KeyOfLine(const std::string& line, std::string& key)
{
    const std::size_t first = line.find_first_not_of(Blanks);
    if (first == std::string::npos || IsCommentStart(line[first]))
        return false;
    const std::size_t equals = line.find('=', first);
    if (equals == std::string::npos)
        return false;
    key = TrimmedKey(line.substr(first, equals - first));
    return true;
}

// Everything after the key's "=", exactly as stored.
std::string ValueOfLine(const std::string& line)
{
    return line.substr(line.find('=', line.find_first_not_of(Blanks)) + 1);
}

// One value is one line: a line break inside it would shift every line
// index the store computes from then on and make later writes land on the
// wrong line.
// A zero byte is written as a blank for the same reason a file with one is
// no text: the store would refuse the very file it wrote, and every setting
// in it with the one.
std::string WithoutZeros(std::string text)
{
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

std::string KeyLine(const std::string& ident, const std::string& value)
{
    std::string line = WithoutZeros(ident + "=" + value);
    for (std::size_t c = ident.size() + 1; c < line.size(); ++c)
        if (line[c] == '\r' || line[c] == '\n')
            line[c] = ' ';
    return line;
}

std::string HeaderLine(const std::string& section)
{
    return WithoutZeros("[" + section + "]");
}

} // namespace

EIniWriteError OsWriteError(const std::string& path, int error, bool hadWrites)
{
    //: %1 is a settings file, %2 the system's reason
    return EIniWriteError(QT_TRANSLATE_NOOP("EIniWriteError", "Cannot create file \"%1\". %2"),
                          {path, std::strerror(error)}, hadWrites);
}

TNewInifile::TNewInifile(std::string fileName) : FFileName(std::move(fileName))
{
    Load({});
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(FFileName, error).type();
    // No file is an empty store: reads give their defaults.
    if (type == std::filesystem::file_type::not_found ||
        (error && type == std::filesystem::file_type::none))
        return;
    // A file that is there but cannot be read must not be replaced by the
    // empty store at release: that would lose whatever it holds. A folder or
    // a pipe in its place is not opened at all: a pipe would block.
    if (type != std::filesystem::file_type::regular) {
        FReadError = type == std::filesystem::file_type::directory ? EISDIR : EINVAL;
        return;
    }
    errno = 0;
    std::ifstream in(FFileName, std::ios::binary);
    std::string text;
    try {
        if (in)
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        in.setstate(std::ios::failbit);
    }
    if (!in && !in.eof()) {
        FReadError = errno ? errno : EIO;
        return;
    }
    // Editors on Windows start UTF-8 files with a byte-order mark; read as
    // text it would hide the first section's header. Notepad's "Unicode" is
    // UTF-16 with a mark, read here as the UTF-8 it stands for and written
    // back as it came.
    bool utf16 = false;
    if (text.starts_with(ByteOrderMark)) {
        FForm = TTextForm::Utf8Mark;
        text.erase(0, ByteOrderMark.size());
    } else if (text.starts_with(Utf16LEMark) || text.starts_with(Utf16BEMark)) {
        FForm = text.starts_with(Utf16BEMark) ? TTextForm::Utf16BE : TTextForm::Utf16LE;
        std::string utf8;
        utf16 = Utf16ToUtf8(text.substr(2), FForm == TTextForm::Utf16BE, utf8);
        text = utf16 ? utf8 : std::string(1, '\0');
    }
    // NUL is in no text: this is UTF-16 without its mark, or no text at all.
    // Its values would be guesses, so none is taken.
    if (text.find('\0') != std::string::npos) {
        FNotText = true;
        return;
    }
    Load(SplitLines(text));
}

std::string TNewInifile::ReadError() const
{
    if (FNotText)
        return "it does not hold text";
    return FReadError ? std::strerror(FReadError) : std::string();
}

// A ";" or "#" that follows a header, blanks aside, starts a comment:
// "[Main] ; was [Old]" names only "Main".
std::vector<TNewInifile::THeader> TNewInifile::ParseHeaders(const std::string& line)
{
    std::vector<THeader> headers;
    std::size_t at = line.find_first_not_of(Blanks);
    while (at != std::string::npos) {
        const std::size_t close = line.find_first_of("[]", at + 1);
        if (close == std::string::npos)
            break;
        if (line[close] == '[') {
            at = close;
            continue;
        }
        headers.push_back({LowerAscii(line.substr(at + 1, close - at - 1)), at, close + 1});
        const std::size_t next = line.find_first_not_of(Blanks, close + 1);
        if (next == std::string::npos || IsCommentStart(line[next]))
            break;
        at = line.find('[', next);
    }
    return headers;
}

void TNewInifile::Load(const std::vector<std::string>& lines)
{
    FBlocks.assign(1, TBlock());
    FSections.clear();
    for (const std::string& line : lines) {
        if (IsHeaderLine(line)) {
            FBlocks.emplace_back();
            FBlocks.back().Headers = ParseHeaders(line);
        }
        FBlocks.back().Lines.push_back(line);
    }
    for (std::size_t block = 1; block < FBlocks.size(); ++block)
        IndexSection(int(block), 0);
}

// Registers the sections of a block from its `header`-th header on; a name
// already known keeps its first place.
void TNewInifile::IndexSection(int block, int header)
{
    const std::vector<THeader>& headers = FBlocks[std::size_t(block)].Headers;
    for (std::size_t h = std::size_t(header); h < headers.size(); ++h)
        FSections.emplace(headers[h].Name, TPlace{block, int(h)});
}

TNewInifile::TPlace TNewInifile::FindSection(const std::string& section) const
{
    const auto found = FSections.find(LowerAscii(section));
    return found == FSections.end() ? TPlace() : found->second;
}

bool TNewInifile::IsLastHeader(const TPlace& place) const
{
    return std::size_t(place.Header) + 1 == FBlocks[std::size_t(place.Block)].Headers.size();
}

std::string TNewInifile::BodyLine(const TPlace& place, int index) const
{
    const TBlock& block = FBlocks[std::size_t(place.Block)];
    if (index > 0)
        return block.Lines[std::size_t(index)];
    const std::size_t start = block.Headers[std::size_t(place.Header)].End;
    if (IsLastHeader(place))
        return block.Lines[0].substr(start);
    return block.Lines[0].substr(start, block.Headers[std::size_t(place.Header) + 1].Start - start);
}

std::vector<std::string> TNewInifile::Body(const TPlace& place) const
{
    std::vector<std::string> body{BodyLine(place, 0)};
    if (IsLastHeader(place)) {
        const std::vector<std::string>& lines = FBlocks[std::size_t(place.Block)].Lines;
        body.insert(body.end(), lines.begin() + 1, lines.end());
    }
    return body;
}

int TNewInifile::KeyIndex(const TPlace& place, const std::string& ident) const
{
    const std::string wanted = TrimmedKey(ident);
    std::string key;
    if (!IsLastHeader(place))
        return KeyOfLine(BodyLine(place, 0), key) && key == wanted ? 0 : -1;
    const TBlock& block = FBlocks[std::size_t(place.Block)];
    if (!block.Indexed) {
        block.Keys.clear();
        for (std::size_t k = 0; k < block.Lines.size(); ++k)
            if (KeyOfLine(k == 0 ? BodyLine(place, 0) : block.Lines[k], key))
                block.Keys.emplace(key, int(k));
        block.Indexed = true;
    }
    const auto found = block.Keys.find(wanted);
    return found == block.Keys.end() ? -1 : found->second;
}

std::vector<std::string> TNewInifile::Lines() const
{
    std::vector<std::string> lines;
    for (const TBlock& block : FBlocks)
        lines.insert(lines.end(), block.Lines.begin(), block.Lines.end());
    return lines;
}

std::vector<std::string> TNewInifile::SectionKeys(const std::string& section) const
{
    const TPlace place = FindSection(section);
    std::vector<std::string> keys;
    if (place.Block < 0)
        return keys;
    std::string key;
    for (const std::string& line : Body(place))
        if (KeyOfLine(line, key))
            keys.push_back(key);
    return keys;
}

bool TNewInifile::SectionExists(const std::string& section) const
{
    return FindSection(section).Block >= 0;
}

bool TNewInifile::ValueExists(const std::string& section, const std::string& ident) const
{
    const TPlace place = FindSection(section);
    return place.Block >= 0 && KeyIndex(place, ident) != -1;
}

std::string TNewInifile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue) const
{
    const TPlace place = FindSection(section);
    if (place.Block < 0)
        return defaultValue;
    const int key = KeyIndex(place, ident);
    return key < 0 ? defaultValue : ValueOfLine(BodyLine(place, key));
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
    const std::string line = KeyLine(ident, value);
    TPlace place = FindSection(section);
    if (place.Block == -1) {
        AppendSection({HeaderLine(section), line});
    } else {
        place = OwnHeaderLine(place);
        TBlock& block = FBlocks[std::size_t(place.Block)];
        const int key = KeyIndex(place, ident);
        if (key > 0) {
            block.Lines[std::size_t(key)] = line;
        } else {
            // The key stands on the header's own line: replacing that line
            // would drop the section with it. The header stays; the key
            // moves below it. A new key goes directly below the header.
            if (key == 0)
                block.Lines[0].erase(block.Headers[std::size_t(place.Header)].End);
            block.Lines.insert(block.Lines.begin() + 1, line);
            block.Indexed = false;
        }
    }
    // A key spelled as a header starts a section of its own, as it will when
    // the file is read again.
    if (IsHeaderLine(line))
        Load(Lines());
}

void TNewInifile::WriteSection(const std::string& section,
                               const std::vector<std::pair<std::string, std::string>>& values)
{
    FWritten = true;
    std::vector<std::string> lines{HeaderLine(section)};
    lines.reserve(values.size() + 1);
    for (const auto& [ident, value] : values)
        lines.push_back(KeyLine(ident, value));
    TPlace place = FindSection(section);
    if (place.Block == -1) {
        AppendSection(std::move(lines));
    } else {
        place = OwnHeaderLine(place);
        TBlock& block = FBlocks[std::size_t(place.Block)];
        // Text after the header on its line belongs to the old body.
        lines[0] = block.Lines[0].substr(0, block.Headers[std::size_t(place.Header)].End);
        block.Lines = std::move(lines);
        block.Indexed = false;
    }
    // A key spelled as a header starts a section of its own, as in WriteString.
    for (const auto& [ident, value] : values)
        if (IsHeaderLine(ident)) {
            Load(Lines());
            break;
        }
}

// A second header on the same line goes to a line of its own, so that lines
// inserted below the header belong to this section; every read gives what it
// gave before.
TNewInifile::TPlace TNewInifile::OwnHeaderLine(TPlace place)
{
    if (IsLastHeader(place))
        return place;
    TBlock& block = FBlocks[std::size_t(place.Block)];
    const std::string section = block.Headers[std::size_t(place.Header)].Name;
    const std::size_t next = block.Headers[std::size_t(place.Header) + 1].Start;
    block.Lines.insert(block.Lines.begin() + 1, block.Lines[0].substr(next));
    block.Lines[0].erase(next);
    Load(Lines());
    return FindSection(section);
}

// `lines` start with the section's header line.
void TNewInifile::AppendSection(std::vector<std::string> lines)
{
    FBlocks.emplace_back();
    TBlock& added = FBlocks.back();
    added.Lines = std::move(lines);
    added.Headers = ParseHeaders(added.Lines[0]);
    IndexSection(int(FBlocks.size()) - 1, 0);
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
    // A use that only read leaves the file as it is: its line ends, its
    // time and whatever else a rewrite would normalise. A missing file is
    // still made, so that the preferences exist after the first start.
    std::error_code exists;
    if (!FWritten && std::filesystem::is_regular_file(FFileName, exists))
        return;
    const auto fail = [&](int error) {
        throw OsWriteError(FFileName, error, FWritten);
    };
    if (FReadError)
        fail(FReadError);
    if (FNotText)
        throw EIniWriteError(
            QT_TRANSLATE_NOOP(
                "EIniWriteError",
                "Cannot create file \"%1\". It does not hold text, and is left as it is."),
            {FFileName}, FWritten);
    std::string text = JoinLines(Lines());
    // Bytes that are no UTF-8 (a path in another encoding) have no UTF-16
    // form: the file then keeps them as UTF-8 with a mark, which the same
    // editors read.
    const bool utf16 = FForm == TTextForm::Utf16LE || FForm == TTextForm::Utf16BE;
    if (utf16 && IsUtf8(text)) {
        const bool bigEndian = FForm == TTextForm::Utf16BE;
        text = (bigEndian ? Utf16BEMark : Utf16LEMark) + Utf8ToUtf16(text, bigEndian);
    } else if (FForm != TTextForm::Plain) {
        text = ByteOrderMark + text;
    }
    try {
        WriteFileBytes(FFileName, text);
    } catch (const std::system_error& error) {
        fail(error.code().value());
    }
}

void TNewInifile::SaveAndFree(std::unique_ptr<TNewInifile> store)
{
    if (store)
        store->Save();
}
