// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessInputs.h"

#include "base/FileIdentity.h"
#include "base/PathText.h"
#include "cli/ProgramArguments.h"
#include "tasks/TaskSources.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

bool IsReadableFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0;
}

// Why a named path gives no task.
std::string WhyNotTaken(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return "does not exist";
    // A device or a pipe would have the encoder read forever.
    if (!std::filesystem::is_regular_file(status))
        return "skipped: not a regular file";
    return "skipped: not a supported video file";
}

} // namespace

THeadlessInputs GatherHeadlessInputs(const std::vector<std::string>& inputs,
                                     const std::string& workingDir, const std::string& outputExt)
{
    THeadlessInputs gathered;
    const auto notTaken = [&gathered](const std::string& path, const std::string& why) {
        gathered.Notes.push_back("'" + path + "' " + why);
        gathered.NotTaken = true;
    };
    const char* const unnamable = "cannot be converted: its name is not valid UTF-8";

    if (!inputs.empty() && IsListFileArgument(inputs.front()) &&
        !IsReadableFile(AbsolutePath(inputs.front(), workingDir)))
        notTaken(inputs.front(), "cannot be read as a list file");
    TFileSet listed;
    for (const std::string& entry : CommandLineEntries(inputs)) {
        const std::string path = AbsolutePath(entry, workingDir);
        const std::optional<TaskEntry> sorted = SortCommandLinePath(path);
        if (!sorted) {
            notTaken(entry, WhyNotTaken(path));
            continue;
        }
        if (sorted->Kind == TaskEntryKind::Unnamable) {
            notTaken(entry, unnamable);
            continue;
        }
        const TTaskFiles files = ExpandTaskPaths({QString::fromStdString(sorted->Path)});
        for (const std::string& file : files.Unnamable)
            notTaken(file, unnamable);
        // An empty folder is no failure: a job run on an incoming folder
        // finds nothing to do most of the time.
        if (sorted->Kind == TaskEntryKind::Directory && files.Files.isEmpty() &&
            files.Unnamable.empty())
            gathered.Notes.push_back("'" + entry + "' holds no supported video file");
        for (const QString& file : files.Files)
            if (listed.Insert(file.toStdString()))
                gathered.Tasks.push_back(NewTaskRecord(file.toStdString(), {}, {}, outputExt));
    }
    return gathered;
}
