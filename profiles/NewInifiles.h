#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when SaveAndFree cannot write its file. `what()` is the OS's text.
class EIniWriteError : public std::runtime_error
{
public:
    EIniWriteError(const std::string& osText, bool hadWrites)
        : std::runtime_error(osText), HadWrites(hadWrites)
    {
    }
    // Whether the store held values written by its user. A store that only
    // read has nothing to lose, and its callers stay quiet about the failure.
    bool HadWrites;
};

// How a settings file that cannot be written is reported: the file and the
// OS's text for `error` (an errno value).
std::string OsErrorText(const std::string& path, int error);

// The INI store used for every settings file. It keeps the file as lines and
// answers lookups by case-insensitive substring search, which is how the
// stored files have always been read: a section's header "[name]" may stand
// anywhere on a line that begins with "[" (after blanks), and its body runs
// from there to the next such line; a key is found inside any line of the
// body. A "[" elsewhere, in a value, is text. Texts are bytes, kept exactly
// as they are.
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

    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int32_t value);
    void WriteBool(const std::string& section, const std::string& ident, bool value);

    // Writes the lines back, each ended by CR LF, and destroys the store. Does
    // nothing for no store. A file that holds those bytes already is left
    // alone; otherwise it gets them as WriteFileBytes gives them, keeping its
    // owner and its links. The store is destroyed even when writing fails;
    // the failure is an EIniWriteError.
    static void SaveAndFree(std::unique_ptr<TNewInifile> store);

    const std::string& FileName() const { return FFileName; }
    const std::vector<std::string>& Lines() const { return FLines; }
    // The body of a section as reads see it: the rest of the header's line,
    // then the lines up to the next header. Empty when there is no section.
    std::vector<std::string> SectionLines(const std::string& section) const;

private:
    struct THeader
    {
        int Line = -1;             // the header's line, -1 when there is none
        std::size_t BodyStart = 0; // where the body begins on that line
    };
    THeader FindHeader(const std::string& section) const;
    int KeyIndex(const std::string& section, const std::string& ident) const;
    void Save() const;

    std::string FFileName;
    std::vector<std::string> FLines;
    bool FWritten = false;
    bool FUnreadable = false;
};
