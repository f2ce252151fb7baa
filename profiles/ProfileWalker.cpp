#include "profiles/ProfileWalker.h"

#include "base/PathText.h"
#include "base/TextConvert.h"
#include "profiles/NewInifiles.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

const char* const MainSection = "Main";

TProfileParameter ReadParameter(const TNewInifile& store, int number, int previousGroup)
{
    TProfileParameter p;
    p.Number = number;
    p.Name = store.ReadString(MainSection, std::to_string(number), "");
    p.Sort = store.ReadInteger(p.Name, "Sort", -1);
    p.Group = (p.Sort >= pgVideo && p.Sort <= pgAdvanced) ? p.Sort : previousGroup;
    p.ReadOnly = store.ReadBool(p.Name, "ReadOnly", false);
    p.IsList = store.ReadBool(p.Name, "List", true);
    p.Caption = store.ReadString(p.Name, "Caption", "");
    p.Value = store.ReadString(p.Name, "Value", "");
    if (p.IsList) {
        p.Items = SplitList(p.Caption);
        p.Index = store.ReadInteger(p.Name, "Index", 0);
    }
    p.Cmd = store.ReadString(p.Name, "cmd", "");
    return p;
}

} // namespace

std::string TProfileParameter::ShownValue() const
{
    if (!IsList)
        return Caption;
    return IndexValid() ? Items[size_t(Index)] : std::string();
}

TProfileWalk WalkProfile(const std::string& path,
                         const std::function<void(const TProfileParameter&)>& visit,
                         TIndexCheck check)
{
    TProfileWalk walk;
    if (!FileExists(path))
        return walk;

    auto store = std::make_unique<TNewInifile>(path);
    walk.Type = store->ReadString(MainSection, "Type", "mp4");
    walk.Para = store->ReadInteger(MainSection, "Para", 0);

    // Before any valid "Sort" there is no grid to inherit: such a parameter
    // goes to Advanced rather than being lost.
    int group = pgAdvanced;
    for (int i = 0; i < walk.Para; ++i) {
        const TProfileParameter p = ReadParameter(*store, i, group);
        group = p.Group;
        visit(p);
        if (check == TIndexCheck::StopAtBadIndex && !p.IndexValid()) {
            // The load is abandoned mid-way: the store is dropped unsaved.
            walk.Status = TWalkStatus::ListIndexError;
            walk.BadIndex = p.Index;
            return walk;
        }
    }

    try {
        TNewInifile::SaveAndFree(std::move(store));
    } catch (const EIniWriteError& error) {
        // A store that only read loses nothing by not being written back.
        if (error.HadWrites)
            throw;
    }
    walk.Status = TWalkStatus::Complete;
    return walk;
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
