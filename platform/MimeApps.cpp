// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MimeApps.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using Group = std::map<std::string, std::string>;
using KeyFile = std::map<std::string, Group>;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The groups and keys of a desktop-entry style file; a missing or unreadable
// file is empty. Within a group the first occurrence of a key counts.
KeyFile ReadKeyFile(const std::string& path)
{
    KeyFile groups;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    Group* group = nullptr;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = &groups[line.substr(1, line.size() - 2)];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!group || equals == std::string::npos)
            continue;
        group->emplace(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
    }
    return groups;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = Trimmed(text.substr(start, end - start));
        if (!item.empty())
            items.push_back(item);
        start = end + 1;
    }
    return items;
}

std::string Value(const KeyFile& file, const std::string& group, const std::string& key)
{
    const auto g = file.find(group);
    if (g == file.end())
        return {};
    const auto k = g->second.find(key);
    return k == g->second.end() ? std::string() : k->second;
}

bool IsExecutable(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::is_regular_file(status) &&
           (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec |
                                    fs::perms::others_exec)) != fs::perms::none;
}

bool ProgramExists(const std::string& program, const std::vector<std::string>& searchPath)
{
    if (program.find('/') != std::string::npos)
        return IsExecutable(program);
    return std::any_of(searchPath.begin(), searchPath.end(), [&](const std::string& dir) {
        return !dir.empty() && IsExecutable(fs::path(dir) / program);
    });
}

// One desktop entry that a folder provides.
struct Entry
{
    std::string Id;
    std::string Path;
};

// Every desktop entry of the folders, by id; an id in an earlier folder
// hides the same id further on. Within a folder the ids are in name order,
// so the answer does not depend on how the file system lists them.
std::vector<Entry> ListEntries(const std::vector<std::string>& dirs)
{
    std::vector<Entry> entries;
    std::set<std::string> seen;
    for (const std::string& dir : dirs) {
        std::vector<Entry> here;
        std::error_code error;
        fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied,
                                            error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            if (it->path().extension() != ".desktop" || !it->is_regular_file(error))
                continue;
            std::string id = it->path().lexically_relative(dir).generic_string();
            std::replace(id.begin(), id.end(), '/', '-');
            here.push_back({id, it->path().string()});
        }
        std::sort(here.begin(), here.end(),
                  [](const Entry& a, const Entry& b) { return a.Id < b.Id; });
        for (Entry& entry : here)
            if (seen.insert(entry.Id).second)
                entries.push_back(std::move(entry));
    }
    return entries;
}

class Resolver
{
public:
    explicit Resolver(const MimeAppsPlaces& places)
        : FPlaces(places), FEntries(ListEntries(places.ApplicationDirs))
    {
    }

    const std::vector<Entry>& Entries() const { return FEntries; }

    // The entry's path when the id names an installed application.
    std::string Installed(const std::string& id) const
    {
        const auto it = std::find_if(FEntries.begin(), FEntries.end(),
                                     [&](const Entry& entry) { return entry.Id == id; });
        if (it == FEntries.end())
            return {};
        const KeyFile file = ReadKeyFile(it->Path);
        if (Value(file, "Desktop Entry", "Hidden") == "true")
            return {};
        const std::string tryExec = Value(file, "Desktop Entry", "TryExec");
        if (!tryExec.empty() && !ProgramExists(tryExec, FPlaces.SearchPath))
            return {};
        return it->Path;
    }

private:
    const MimeAppsPlaces& FPlaces;
    std::vector<Entry> FEntries;
};

bool Lists(const std::string& ids, const std::string& id)
{
    const std::vector<std::string> items = Split(ids, ';');
    return std::find(items.begin(), items.end(), id) != items.end();
}

} // namespace

std::string DefaultDesktopEntry(const std::vector<std::string>& mimeTypes,
                                const MimeAppsPlaces& places)
{
    const Resolver resolver(places);
    std::vector<KeyFile> lists;
    for (const std::string& path : places.ListFiles)
        lists.push_back(ReadKeyFile(path));

    for (const KeyFile& list : lists)
        for (const std::string& type : mimeTypes)
            for (const std::string& id : Split(Value(list, "Default Applications", type), ';'))
                if (std::string path = resolver.Installed(id); !path.empty())
                    return path;

    const auto removed = [&](const std::string& type, const std::string& id) {
        return std::any_of(lists.begin(), lists.end(), [&](const KeyFile& list) {
            return Lists(Value(list, "Removed Associations", type), id);
        });
    };
    for (const KeyFile& list : lists)
        for (const std::string& type : mimeTypes)
            for (const std::string& id : Split(Value(list, "Added Associations", type), ';'))
                if (!removed(type, id))
                    if (std::string path = resolver.Installed(id); !path.empty())
                        return path;

    for (const Entry& entry : resolver.Entries()) {
        const std::string types = Value(ReadKeyFile(entry.Path), "Desktop Entry", "MimeType");
        for (const std::string& type : mimeTypes)
            if (Lists(types, type) && !removed(type, entry.Id))
                if (std::string path = resolver.Installed(entry.Id); !path.empty())
                    return path;
    }
    return {};
}

MimeAppsPlaces SessionMimeAppsPlaces(const std::string& home, const std::string& configHome,
                                     const std::string& configDirs, const std::string& dataHome,
                                     const std::string& dataDirs, const std::string& desktops,
                                     const std::string& path)
{
    std::vector<std::string> configs{configHome.empty() ? home + "/.config" : configHome};
    for (const std::string& dir : Split(configDirs.empty() ? "/etc/xdg" : configDirs, ':'))
        configs.push_back(dir);
    std::vector<std::string> datas{dataHome.empty() ? home + "/.local/share" : dataHome};
    for (const std::string& dir :
         Split(dataDirs.empty() ? "/usr/local/share:/usr/share" : dataDirs, ':'))
        datas.push_back(dir);

    std::vector<std::string> names;
    for (std::string desktop : Split(desktops, ':')) {
        std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        names.push_back(desktop + "-mimeapps.list");
    }
    names.push_back("mimeapps.list");

    MimeAppsPlaces places;
    const auto addLists = [&](const std::string& dir) {
        for (const std::string& name : names)
            places.ListFiles.push_back(dir + "/" + name);
    };
    for (const std::string& dir : configs)
        addLists(dir);
    for (const std::string& dir : datas) {
        addLists(dir + "/applications");
        places.ApplicationDirs.push_back(dir + "/applications");
    }
    places.SearchPath = Split(path, ':');
    return places;
}
