// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgramArguments.h"

#include "base/PathText.h"
#include "base/TextConvert.h"
#include "tasks/TaskPaths.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

namespace fs = std::filesystem;

constexpr const char* ListFileExt = ".tmp";

bool IsDirectory(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(fs::path(path), error);
}

// Devices, pipes and sockets are no videos: the encoder would read them
// forever.
bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_regular_file(fs::path(path), error);
}

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

// A list that cannot be read names nothing: start-up goes on without it.
std::vector<std::string> ReadListFile(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path), error))
        return {};
    try {
        std::ifstream in(fs::path(path), std::ios::binary);
        if (!in)
            return {};
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        if (in.bad())
            return {};
        // Editors on other systems start a UTF-8 file with a byte-order mark,
        // which would otherwise become part of the first path.
        constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
        const std::string_view body = std::string_view(text).starts_with(Utf8Mark)
                                          ? std::string_view(text).substr(3)
                                          : std::string_view(text);
        std::vector<std::string> lines = SplitLines(std::string(body));
        std::erase_if(lines, IsBlank);
        return lines;
    } catch (const std::exception&) {
        return {};
    }
}

// An entry to add, unless its name cannot be handed on.
TaskEntry Named(TaskEntryKind kind, const std::string& path)
{
    return {IsUtf8(path) ? kind : TaskEntryKind::Unnamable, path};
}

} // namespace

std::vector<TListedPath> CommandLinePaths(const std::vector<std::string>& arguments)
{
    std::vector<TListedPath> paths;
    if (arguments.empty() || !IsListFileArgument(arguments.front())) {
        for (const std::string& argument : arguments)
            paths.push_back({{}, argument});
        return paths;
    }
    constexpr std::string_view ProfileKey = "profile=";
    for (std::string& line : ReadListFile(arguments.front())) {
        const std::size_t tab = line.find('\t');
        if (line.starts_with(ProfileKey) && tab != std::string::npos && tab > ProfileKey.size())
            paths.push_back(
                {line.substr(ProfileKey.size(), tab - ProfileKey.size()), line.substr(tab + 1)});
        else
            paths.push_back({{}, std::move(line)});
    }
    return paths;
}

std::vector<std::string> CommandLineEntries(const std::vector<std::string>& arguments)
{
    std::vector<std::string> entries;
    for (TListedPath& listed : CommandLinePaths(arguments))
        entries.push_back(std::move(listed.Path));
    return entries;
}

bool IsListFileArgument(const std::string& argument)
{
    return LowerAscii(ExtractFileExt(argument)) == ListFileExt;
}

std::optional<TaskEntry> SortCommandLinePath(const std::string& path)
{
    if (IsRegularFile(path))
        return IsSupportedVideo(path) ? std::optional(Named(TaskEntryKind::File, path))
                                      : std::nullopt;
    if (IsDirectory(path))
        return Named(TaskEntryKind::Directory, path);
    return std::nullopt;
}

std::optional<TaskEntry> SortDroppedPath(const std::string& path)
{
    if (IsDirectory(path))
        return Named(TaskEntryKind::Directory, path);
    if (IsSupportedVideo(path))
        return Named(TaskEntryKind::File, path);
    return std::nullopt;
}

std::vector<TaskEntry> SortCommandLine(const std::vector<std::string>& arguments,
                                       const std::string& workingDir)
{
    std::vector<TaskEntry> sorted;
    for (const std::string& entry : CommandLineEntries(arguments))
        if (std::optional<TaskEntry> task = SortCommandLinePath(AbsolutePath(entry, workingDir)))
            sorted.push_back(*task);
    return sorted;
}

TWindowRequest ReadWindowRequest(const std::vector<std::string>& arguments,
                                 const std::string& workingDir)
{
    TWindowRequest request;
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (argument == "--help")
            request.Help = true;
        else if (argument == "--version")
            request.Version = true;
        else if (argument == "--list-profiles")
            request.ListProfiles = true;
        else if (argument == "--list-formats")
            request.ListFormats = true;
        else if (argument.starts_with("--") &&
                 !fs::exists(AbsolutePath(argument, workingDir), error))
            request.Notes.push_back("'" + argument +
                                    "' is neither an option nor a file or directory; ignored");
    }
    return request;
}
