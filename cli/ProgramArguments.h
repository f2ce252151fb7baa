// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// What a path given on the command line or dropped on the window turns into.
enum class TaskEntryKind
{
    File,
    Directory,
    // A file or directory that would be added, but whose name is not valid
    // UTF-8 and so cannot be handed on; the user is told instead.
    Unnamable
};

struct TaskEntry
{
    TaskEntryKind Kind;
    std::string Path;

    bool operator==(const TaskEntry&) const = default;
};

// The paths the command line names. A first argument whose extension is
// ".tmp" (in any case) is a list file written by the shell extension: its
// lines are the paths (blank lines are skipped) and every further argument is
// ignored. A list file that cannot be read names nothing.
std::vector<std::string> CommandLineEntries(const std::vector<std::string>& arguments);

// A path the command line names, and the profile a list file's line
// "profile=NAME<TAB>path" pins to it (empty for none; only `quenby
// --convert` reads it, the window takes the path alone).
struct TListedPath
{
    std::string Profile;
    std::string Path;

    bool operator==(const TListedPath&) const = default;
};
std::vector<TListedPath> CommandLinePaths(const std::vector<std::string>& arguments);

// Whether the first argument names a list file: its extension is ".tmp".
bool IsListFileArgument(const std::string& argument);

// A command-line path: an existing regular file is a task when it is a
// supported video and skipped otherwise; an existing directory is added as a
// directory; anything else (a device, a pipe, nothing) is skipped.
std::optional<TaskEntry> SortCommandLinePath(const std::string& path);

// A dropped path: a directory is added as a directory whatever its name,
// otherwise a supported video is a task, otherwise it is skipped.
std::optional<TaskEntry> SortDroppedPath(const std::string& path);

// CommandLineEntries made absolute against `workingDir` and sorted by
// SortCommandLinePath, skipped ones left out.
std::vector<TaskEntry> SortCommandLine(const std::vector<std::string>& arguments,
                                       const std::string& workingDir);

// What the window's command line asks for besides its files.
struct TWindowRequest
{
    // "--help" or "--version" anywhere: print that and exit, as every
    // command does, instead of opening the window.
    bool Help = false;
    bool Version = false;
    // "--list-profiles" anywhere: print the profiles, as "--convert" does.
    bool ListProfiles = false;
    // "--list-formats": print the supported extensions and exit.
    bool ListFormats = false;
    // A line for each other argument that starts with "--" and names no file
    // or directory: a mistyped option would otherwise vanish without a word.
    std::vector<std::string> Notes;
};

TWindowRequest ReadWindowRequest(const std::vector<std::string>& arguments,
                                 const std::string& workingDir);
