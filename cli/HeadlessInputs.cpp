// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessInputs.h"

#include "base/TimeText.h"

#include "base/FileIdentity.h"
#include "base/PathText.h"
#include "base/TranslationMarks.h"
#include "cli/ProgramArguments.h"
#include "platform/Translators.h"
#include "tasks/ProbeQueue.h"
#include "tasks/TaskSources.h"

#include <QEventLoop>

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

bool IsReadableFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0;
}

// A note of this file in the language installed, about the file `path`.
std::string Note(const char* source, const std::string& path)
{
    return FillText(TranslatedText("HeadlessInputs", source), {path});
}

// Why a named path gives no task, as a note on its name (%1).
const char* WhyNotTaken(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return QT_TRANSLATE_NOOP("HeadlessInputs", "'%1' does not exist");
    // A device or a pipe would have the encoder read forever.
    if (!std::filesystem::is_regular_file(status))
        return QT_TRANSLATE_NOOP("HeadlessInputs", "'%1' skipped: not a regular file");
    return QT_TRANSLATE_NOOP("HeadlessInputs", "'%1' skipped: not a supported video file");
}

} // namespace

THeadlessInputs GatherHeadlessInputs(const std::vector<std::string>& inputs,
                                     const std::string& workingDir, const std::string& outputExt)
{
    THeadlessInputs gathered;
    const auto notTaken = [&gathered](const std::string& path, const char* why) {
        gathered.Notes.push_back(Note(why, path));
        gathered.NotTaken = true;
    };
    const char* const unnamable = QT_TRANSLATE_NOOP(
        "HeadlessInputs", "'%1' cannot be converted: its name is not valid UTF-8");

    if (!inputs.empty() && IsListFileArgument(inputs.front()) &&
        !IsReadableFile(AbsolutePath(inputs.front(), workingDir)))
        notTaken(inputs.front(),
                 QT_TRANSLATE_NOOP("HeadlessInputs", "'%1' cannot be read as a list file"));
    TFileSet listed;
    for (const auto& [profile, entry] : CommandLinePaths(inputs)) {
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
            gathered.Notes.push_back(Note(
                QT_TRANSLATE_NOOP("HeadlessInputs", "'%1' holds no supported video file"), entry));
        for (const QString& file : files.Files)
            if (listed.Insert(file.toStdString())) {
                gathered.Tasks.push_back(NewTaskRecord(file.toStdString(), {}, {}, outputExt));
                gathered.Tasks.back().Profile = profile;
            }
    }
    return gathered;
}

void LeaveOutFilesWithoutVideo(THeadlessInputs& inputs, const QString& encoderPath, int atOnce)
{
    std::vector<ltvItemData>& tasks = inputs.Tasks;
    std::vector<bool> noVideo(tasks.size(), false), silent(tasks.size(), false);
    std::size_t next = 0;
    std::size_t answered = 0;
    TProbeQueue probes(encoderPath, atOnce);
    QEventLoop loop;
    const auto feed = [&] {
        while (next < tasks.size() && probes.HasRoom()) {
            std::vector<TProbeItem> items;
            for (; next < tasks.size() && items.size() < TProbeQueue::MostPerRun; ++next)
                items.push_back({next, QString::fromStdString(tasks[next].InputFile)});
            // An encoder that cannot start fails the tasks themselves later,
            // with its own reason.
            if (probes.Probe(items) == TProbeQueue::Start::Failed)
                answered += items.size();
        }
        if (answered == tasks.size())
            loop.quit();
    };
    QObject::connect(&probes, &TProbeQueue::Probed, &loop,
                     [&](quint64 id, const TProbeResult& result) {
                         noVideo[id] = result.NoVideo;
                         silent[id] = IsSilent(result);
                         // Known before the batch, a length lets a target
                         // size be planned and refused before any encoder runs.
                         if (ParseTimeText(result.LengthText.toStdString()) > 0)
                             SetTaskLength(tasks[id], result.LengthText.toStdString());
                         ++answered;
                         feed();
                     });
    feed();
    if (answered < tasks.size())
        loop.exec();

    std::vector<ltvItemData> kept;
    inputs.Silent.clear();
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        if (!noVideo[i]) {
            kept.push_back(std::move(tasks[i]));
            inputs.Silent.push_back(silent[i]);
            continue;
        }
        inputs.Notes.push_back(
            Note(QT_TRANSLATE_NOOP("HeadlessInputs", "'%1' skipped: holds no video picture"),
                 tasks[i].InputFile));
        inputs.NotTaken = true;
    }
    tasks = std::move(kept);
}
