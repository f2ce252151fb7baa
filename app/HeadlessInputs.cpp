#include "app/HeadlessInputs.h"

#include "app/CommandLine.h"
#include "base/PathText.h"
#include "tasks/TaskSources.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool IsReadableFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0;
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
    QStringList paths;
    for (const std::string& entry : CommandLineEntries(inputs)) {
        const std::string path = AbsolutePath(entry, workingDir);
        const std::optional<TaskEntry> sorted = SortCommandLinePath(path);
        if (!sorted && Exists(path))
            gathered.Notes.push_back("'" + entry + "' skipped: not a supported video file");
        else if (!sorted)
            notTaken(entry, "does not exist");
        else if (sorted->Kind == TaskEntryKind::Unnamable)
            notTaken(entry, unnamable);
        else
            paths.append(QString::fromStdString(sorted->Path));
    }
    TTaskFiles files = ExpandTaskPaths(paths);
    for (const std::string& path : files.Unnamable)
        notTaken(path, unnamable);
    files.Files.removeDuplicates();
    for (const QString& file : files.Files)
        gathered.Tasks.push_back(NewTaskRecord(file.toStdString(), {}, {}, outputExt));
    return gathered;
}
