// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Raised when SaveAndFree cannot write its file. `what()` is the English
// text; Shown() gives it in the words a translator gives, from the pattern
// (marked in context "EIniWriteError") and its arguments.
class EIniWriteError : public std::runtime_error
{
public:
    EIniWriteError(const char* pattern, std::vector<std::string> args, bool hadWrites)
        : std::runtime_error(FillText(pattern, args)), HadWrites(hadWrites), FPattern(pattern),
          FArgs(std::move(args))
    {
    }
    std::string Shown(TTranslator translated = Untranslated) const
    {
        return FillText(translated("EIniWriteError", FPattern), FArgs);
    }
    // Whether the store held values written by its user. A store that only
    // read has nothing to lose, and its callers stay quiet about the failure.
    bool HadWrites;

private:
    const char* FPattern;
    std::vector<std::string> FArgs;
};

// How a settings file that cannot be written is reported: the file and the
// OS's text for `error` (an errno value).
EIniWriteError OsWriteError(const std::string& path, int error, bool hadWrites);

// The INI store used for every settings file, read as people write such
// files by hand:
// - a UTF-8 byte-order mark at the start is skipped, and written back; a
//   file of UTF-16 with its mark (either order) is read as UTF-8 and
//   written back in UTF-16;
// - a section starts at a line whose first non-blank character is "[", and
//   such a line may name several: "[A][B]". A ";" or "#" right after a
//   header makes the rest of the line a comment. The body runs to the next
//   such line; a "[" anywhere else, in a value, is text;
// - a key is the text of a line up to its first "=" without the blanks at
//   either end, matched whole and ignoring case; its value is everything
//   after the "=", blanks included; a line whose first non-blank
//   character is ";" or "#" is a comment, never a key;
// - the first section and the first key of a name count.
// Sections and keys are indexed once, so that a lookup does not depend on
// the size of the file. Texts are bytes, kept exactly as they are.
class TNewInifile
{
public:
    explicit TNewInifile(std::string fileName);

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    int32_t ReadInteger(const std::string& section, const std::string& ident,
                        int32_t defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
    // Whether a read of the key would find it.
    bool ValueExists(const std::string& section, const std::string& ident) const;
    double ReadFloat(const std::string& section, const std::string& ident,
                     double defaultValue) const;
    bool SectionExists(const std::string& section) const;

    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int32_t value);
    void WriteBool(const std::string& section, const std::string& ident, bool value);
    // Gives `section` exactly these keys, in this order, in place of its
    // whole body; a missing section is appended. One pass over the values:
    // a section of thousands of keys written key by key would be searched
    // and indexed again at every new key.
    void WriteSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& values);

    // Writes the lines back, each ended by CR LF, and destroys the store. Does
    // nothing for no store. A store that wrote nothing leaves an existing
    // file as it is, bytes and time, and creates a missing one. A file that
    // holds the bytes already is left alone; otherwise it gets them as
    // WriteFileBytes gives them, keeping its owner and its links. The store
    // is destroyed even when writing fails; the failure is an EIniWriteError.
    static void SaveAndFree(std::unique_ptr<TNewInifile> store);

    const std::string& FileName() const { return FFileName; }
    // Why the file that stands at the path could not be read, as a phrase
    // ("it does not hold text", the OS's text); empty when it was read or
    // is not there. Such a store starts empty and is never saved over the
    // file.
    std::string ReadError() const;
    // The lines as they would be written, without their ends and without the
    // byte-order mark.
    std::vector<std::string> Lines() const;
    // The keys of a section in the order of its lines, lower-cased, each as
    // often as it stands there. Empty when there is no section.
    std::vector<std::string> SectionKeys(const std::string& section) const;

private:
    // A section named on a header line: its name lower-cased, where its "["
    // stands and where its body begins on that line.
    struct THeader
    {
        std::string Name;
        std::size_t Start = 0;
        std::size_t End = 0;
    };
    // A header line and the lines below it up to the next one; the first
    // block holds the lines above the first header and names no section.
    // The body of a line's last section is the rest of the header line
    // (body line 0) and the lines below (body line k is Lines[k]); that of
    // an earlier one only the text up to the next header.
    struct TBlock
    {
        std::vector<std::string> Lines;
        std::vector<THeader> Headers;
        // The first body line of each key of the last section, built at the
        // first lookup and dropped when lines are inserted.
        mutable std::unordered_map<std::string, int> Keys;
        mutable bool Indexed = false;
    };
    struct TPlace
    {
        int Block = -1;
        int Header = -1;
    };

    // The sections a header line names, left to right.
    static std::vector<THeader> ParseHeaders(const std::string& line);
    void Load(const std::vector<std::string>& lines);
    void IndexSection(int block, int header);
    TPlace FindSection(const std::string& section) const;
    bool IsLastHeader(const TPlace& place) const;
    std::vector<std::string> Body(const TPlace& place) const;
    std::string BodyLine(const TPlace& place, int index) const;
    int KeyIndex(const TPlace& place, const std::string& ident) const;
    TPlace OwnHeaderLine(TPlace place);
    void AppendSection(std::vector<std::string> lines);
    void Save() const;

    std::string FFileName;
    std::vector<TBlock> FBlocks;
    std::unordered_map<std::string, TPlace> FSections;
    enum class TTextForm
    {
        Plain,
        Utf8Mark,
        Utf16LE,
        Utf16BE
    };
    TTextForm FForm = TTextForm::Plain;
    bool FWritten = false;
    // Why an existing file could not be read (an errno value), 0 when it was.
    int FReadError = 0;
    bool FNotText = false;
};
