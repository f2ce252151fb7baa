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

// The INI store used for every settings file. It keeps the file as lines and
// answers lookups by case-insensitive substring search over the whole text,
// which is how the stored files have always been read: a section header may
// stand anywhere, a key is found inside any line, and a "[" in a value ends
// the section. Texts are bytes, kept exactly as they are.
class TNewInifile
{
public:
    explicit TNewInifile(std::string fileName);

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    int32_t ReadInteger(const std::string& section, const std::string& ident,
                        int32_t defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
    double ReadFloat(const std::string& section, const std::string& ident,
                     double defaultValue) const;

    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int32_t value);
    void WriteBool(const std::string& section, const std::string& ident, bool value);

    // Writes the lines back (atomically: a temporary file renamed over the
    // target) and destroys the store. Does nothing for no store. The store is
    // destroyed even when writing fails; the failure is an EIniWriteError.
    static void SaveAndFree(std::unique_ptr<TNewInifile> store);

    const std::string& FileName() const { return FFileName; }
    const std::vector<std::string>& Lines() const { return FLines; }

private:
    std::string SectionText(const std::string& section) const;
    int SectionIndex(const std::string& section) const;
    int KeyIndex(const std::string& section, const std::string& ident) const;
    void Save() const;

    std::string FFileName;
    std::vector<std::string> FLines;
    bool FWritten = false;
    bool FUnreadable = false;
};
