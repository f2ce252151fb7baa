// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileWalker.h"

#include "base/NewInifiles.h"
#include "base/PathText.h"
#include "base/TextConvert.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <set>

namespace fs = std::filesystem;

namespace {

const char* const MainSection = "Main";

// Texts are handed on as UTF-8 (see ByteTextToUtf8), so that the grids and
// the argument builder, which both read them from here, match a caption in
// any single-byte encoding to its value; the section is looked up by the
// name's own bytes.
TProfileParameter ReadParameter(const TNewInifile& store, int number, int previousGroup)
{
    TProfileParameter p;
    p.Number = number;
    p.Section = store.ReadString(MainSection, std::to_string(number), "");
    p.Name = ByteTextToUtf8(p.Section);
    p.Sort = store.ReadInteger(p.Section, "Sort", -1);
    p.Group = (p.Sort >= pgVideo && p.Sort <= pgAdvanced) ? p.Sort : previousGroup;
    p.ReadOnly = store.ReadBool(p.Section, "ReadOnly", false);
    p.IsList = store.ReadBool(p.Section, "List", true);
    p.Caption = ByteTextToUtf8(store.ReadString(p.Section, "Caption", ""));
    p.Value = ByteTextToUtf8(store.ReadString(p.Section, "Value", ""));
    if (p.IsList) {
        p.Items = SplitList(p.Caption);
        p.Index = store.ReadInteger(p.Section, "Index", 0);
    }
    p.Cmd = ByteTextToUtf8(store.ReadString(p.Section, "cmd", ""));
    return p;
}

// A number written as the walk writes it: decimal, no sign, no leading
// zero, within the 32-bit range.
bool IsNumberKey(const std::string& key)
{
    if (key.empty() || key.size() > 10 || (key[0] == '0' && key.size() > 1))
        return false;
    for (char c : key)
        if (c < '0' || c > '9')
            return false;
    return std::stoll(key) <= std::numeric_limits<int32_t>::max();
}

// The numbers i for which "Main"/i finds a key.
std::set<int> NumberedKeys(const TNewInifile& store)
{
    std::set<int> numbers;
    for (const std::string& key : store.SectionKeys(MainSection))
        if (IsNumberKey(key))
            numbers.insert(int(std::stoll(key)));
    return numbers;
}

} // namespace

std::string TProfileParameter::ShownValue() const
{
    if (!IsList)
        return Caption;
    return IndexValid() ? Items[size_t(Index)] : std::string();
}

TProfileWalk WalkProfile(const TNewInifile& store,
                         const std::function<void(const TProfileParameter&)>& visit,
                         TIndexCheck check)
{
    TProfileWalk walk;
    if (!store.SectionExists(MainSection)) {
        walk.Status = TWalkStatus::NoMainSection;
        return walk;
    }
    walk.Type = ByteTextToUtf8(store.ReadString(MainSection, "Type", "mp4"));
    walk.Para = store.ReadInteger(MainSection, "Para", 0);
    const std::set<int> numbered = NumberedKeys(store);

    // Before any valid "Sort" there is no grid to inherit: such a parameter
    // goes to Advanced rather than being lost.
    int group = pgAdvanced;
    for (int i = 0; i < walk.Para;) {
        const TProfileParameter p = ReadParameter(store, i, group);
        group = p.Group;
        visit(p);
        if (check == TIndexCheck::StopAtBadIndex && !p.IndexValid()) {
            walk.Status = TWalkStatus::ListIndexError;
            walk.BadIndex = p.Index;
            return walk;
        }
        // Numbers without a key all give the same nameless parameter; only
        // the first of a run is visited, so that a huge "Para" ends as soon
        // as the keys that exist do.
        if (numbered.count(i)) {
            ++i;
        } else {
            const auto next = numbered.upper_bound(i);
            if (next == numbered.end())
                break;
            i = *next;
        }
    }
    walk.Status = TWalkStatus::Complete;
    return walk;
}

TProfileWalk WalkProfile(const std::string& path,
                         const std::function<void(const TProfileParameter&)>& visit,
                         TIndexCheck check)
{
    if (!FileExists(path))
        return {};
    return WalkProfile(TNewInifile(path), visit, check);
}

std::string NoMainSectionText(const std::string& profileName, TTranslator translated)
{
    return FillText(
        translated("ProfileWalker",
                   QT_TRANSLATE_NOOP("ProfileWalker",
                                     "The profile %1 cannot be read: it has no [Main] section.")),
        {profileName});
}

std::string NoMainSectionTextOf(const std::string& path, TTranslator translated)
{
    return NoMainSectionText(StripExtension(ExtractFileName(path)), translated);
}

std::string ListIndexErrorText(int index, TTranslator translated)
{
    //: A profile fault: a pick list's Index names no item; %1 is that index
    return FillText(translated("TChoiceGrids",
                               QT_TRANSLATE_NOOP("TChoiceGrids", "List index out of bounds (%1)")),
                    {std::to_string(index)});
}

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        items.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

std::vector<std::string> ListFilesWithExt(const std::string& dir, const std::string& ext)
{
    const std::string wanted = LowerAscii(ext);
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(WithTrailingBackslash(dir), ec);
    if (ec)
        return names;
    // A listing that fails part way keeps what it found; the range-for form
    // would throw out of start-up instead.
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code statError;
        if (!it->is_regular_file(statError))
            continue;
        const std::string name = it->path().filename().string();
        if (LowerAscii(ExtractFileExt(name)) == wanted)
            names.push_back(name);
    }
    // Case-insensitive order, then byte order so that names differing only in
    // case still come out the same way every time.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = LowerAscii(a), lb = LowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

int IndexOfIgnoringCase(const std::vector<std::string>& items, const std::string& text)
{
    const std::string wanted = LowerAscii(text);
    for (size_t k = 0; k < items.size(); ++k)
        if (LowerAscii(items[k]) == wanted)
            return int(k);
    return -1;
}
