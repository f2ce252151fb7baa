// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileSaver.h"

#include "base/FileBytes.h"
#include "base/NewInifiles.h"
#include "base/TextConvert.h"
#include "profiles/ProfileWalker.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

namespace {

// The grids hold UTF-8. A text the user left as it was loaded from a file in
// a single-byte encoding keeps that file's bytes, so that saving an unchanged
// profile changes nothing in it.
std::string TextToStore(const std::string& stored, const std::string& shown)
{
    return ByteTextToUtf8(stored) == shown ? stored : shown;
}

} // namespace

void SaveShownRows(const std::string& path, const TShownRowLookup& lookup)
{
    if (!FileExists(path))
        return;
    auto store = std::make_unique<TNewInifile>(path);
    // The walk reads each parameter before anything of it is written, and a
    // write stays inside its own parameter's section.
    WalkProfile(
        *store,
        [&](const TProfileParameter& p) {
            if (p.ReadOnly)
                return;
            TShownRow row;
            if (!lookup(p.Group, p.Name, row))
                return;
            if (p.IsList) {
                const int index = IndexOfIgnoringCase(row.Choices, row.Value);
                if (index >= 0)
                    store->WriteInteger(p.Section, "Index", index);
                return;
            }
            const std::string text =
                TextToStore(store->ReadString(p.Section, "Caption", ""), row.Value);
            store->WriteString(p.Section, "Caption", text);
            store->WriteString(p.Section, "Value", text);
        },
        TIndexCheck::IgnoreIndex);
    TNewInifile::SaveAndFree(std::move(store));
}

void CopyProfileFile(const std::string& source, const std::string& target)
{
    std::ifstream in(source, std::ios::binary);
    std::string bytes;
    if (in)
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        const int error = errno ? errno : EIO;
        //: %1 is a profile's file, %2 the system's reason
        throw EIniWriteError(QT_TRANSLATE_NOOP("EIniWriteError", "Cannot open file \"%1\". %2"),
                             {source, std::strerror(error)}, true);
    }
    try {
        WriteFileBytes(target, bytes);
    } catch (const std::system_error& error) {
        throw OsWriteError(target, error.code().value(), true);
    }
}
