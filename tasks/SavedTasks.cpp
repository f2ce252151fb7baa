// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/SavedTasks.h"

#include "base/NewInifiles.h"
#include "base/TextConvert.h"
#include "platform/DataPlaces.h"
#include "tasks/TaskPaths.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>
#include <set>
#include <system_error>
#include <utility>

namespace {

const char* const Section = "Tasks";
const char* const VersionKey = "Version";
const char* const OutputPathKey = "Output Path";
const char* const CountKey = "Count";
// Raised when the file's meaning changes; a file of a higher version is
// left to the program that wrote it. Version 1 kept each state as the
// word shown, version 2 as its key; version 3 adds each task's target size
// after its own texts, and is written only when a task has one, so that a
// list without targets stays as version 2 wrote it; version 4 adds the
// chosen sound and subtitle tracks after the target, likewise only when a
// task has a choice.
constexpr int32_t FormatVersion = 4;
constexpr int32_t StateWordsVersion = 1;
constexpr int32_t TargetsVersion = 3;
constexpr int32_t TrackChoicesVersion = 4;

const char Separator = '\t';

void Escape(const std::string& text, std::string& out)
{
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
}

std::string Escaped(const std::string& text)
{
    std::string out;
    Escape(text, out);
    return out;
}

// The texts of a line, or false when it is not one that Escape wrote. The
// first is a path: longer than a path can be, it is damage, which the window
// would only grind over.
bool SplitFields(const std::string& line, std::vector<std::string>& fields)
{
    fields.assign(1, std::string());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == Separator) {
            fields.emplace_back();
        } else if (c != '\\') {
            fields.back() += c;
        } else if (++i < line.size()) {
            const std::size_t known = std::string("\\trn").find(line[i]);
            if (known == std::string::npos)
                return false;
            fields.back() += "\\\t\r\n"[known];
        } else {
            return false;
        }
        if (fields.size() == 1 && fields[0].size() >= PATH_MAX)
            return false;
    }
    return true;
}

// The texts of a task that is not pinned.
std::size_t PlainTextCount()
{
    static const std::size_t count = TaskTexts(ltvItemData()).size();
    return count;
}

bool HasTarget(const ltvItemData& task)
{
    return !task.TargetText.empty();
}

bool HasTrackChoice(const ltvItemData& task)
{
    return !task.AudioChoice.empty() || !task.SubtitleChoice.empty();
}

// The texts after a task's own in a file of `version`: none, the target, or
// the target and the chosen tracks.
std::size_t ExtraTextCount(int32_t version)
{
    return version >= TrackChoicesVersion ? 3 : version >= TargetsVersion ? 1 : 0;
}

std::string TaskLine(const ltvItemData& task, int32_t version)
{
    std::vector<std::string> texts = TaskTexts(task);
    const std::vector<std::string> extras = {task.TargetText, task.AudioChoice,
                                             task.SubtitleChoice};
    texts.insert(texts.begin() + std::ptrdiff_t(PlainTextCount()), extras.begin(),
                 extras.begin() + std::ptrdiff_t(ExtraTextCount(version)));
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            line += Separator;
        Escape(texts[i], line);
    }
    return line;
}

bool ParseTaskLine(const std::string& line, ltvItemData& task, int32_t version)
{
    std::vector<std::string> fields;
    if (!SplitFields(line, fields))
        return false;
    const std::size_t extraCount = ExtraTextCount(version);
    if (fields.size() < PlainTextCount() + extraCount)
        return false;
    const auto extrasAt = fields.begin() + std::ptrdiff_t(PlainTextCount());
    std::vector<std::string> extras(extrasAt, extrasAt + std::ptrdiff_t(extraCount));
    fields.erase(extrasAt, extrasAt + std::ptrdiff_t(extraCount));
    if (!TaskFromTexts(std::move(fields), task, version == StateWordsVersion))
        return false;
    extras.resize(3);
    task.TargetText = std::move(extras[0]);
    task.AudioChoice = std::move(extras[1]);
    task.SubtitleChoice = std::move(extras[2]);
    return true;
}

// Every key of the section is one this program writes, each once: anything
// else is not a list this version wrote whole.
bool HasExactlyTheKeys(const TNewInifile& store, int32_t count)
{
    std::vector<std::string> keys = store.SectionKeys(Section);
    if (keys.size() != std::size_t(count) + 3)
        return false;
    std::set<std::string> expected{"version", "output path", "count"};
    for (int32_t i = 1; i <= count; ++i)
        expected.insert(std::to_string(i));
    return std::set<std::string>(keys.begin(), keys.end()) == expected;
}

} // namespace

std::string TasksPath(const TDataPlaces& places)
{
    return places.SettingsDir + TasksFileName;
}

void SaveTasks(const std::string& path, const TSavedTasks& saved)
{
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(saved.Tasks.size() + 3);
    const int32_t version =
        std::any_of(saved.Tasks.begin(), saved.Tasks.end(), HasTrackChoice) ? TrackChoicesVersion
        : std::any_of(saved.Tasks.begin(), saved.Tasks.end(), HasTarget)    ? TargetsVersion
                                                                            : TargetsVersion - 1;
    values.emplace_back(VersionKey, std::to_string(version));
    values.emplace_back(OutputPathKey, Escaped(saved.OutputDir));
    for (std::size_t i = 0; i < saved.Tasks.size(); ++i)
        values.emplace_back(std::to_string(i + 1), TaskLine(saved.Tasks[i], version));
    values.emplace_back(CountKey, std::to_string(saved.Tasks.size()));
    auto store = std::make_unique<TNewInifile>(path);
    store->WriteSection(Section, values);
    TNewInifile::SaveAndFree(std::move(store));
}

TTasksFile LoadTasks(const std::string& path)
{
    TTasksFile file;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return file;
    file.State = TTasksFileState::Damaged;
    // The store is dropped, never released: a read must not write.
    const TNewInifile store(path);
    int32_t version = 0, count = -1;
    if (!store.ValueExists(Section, VersionKey) ||
        !TryStrToInt(store.ReadString(Section, VersionKey, ""), version) || version < 1)
        return file;
    if (version > FormatVersion) {
        file.State = TTasksFileState::Newer;
        return file;
    }
    if (!TryStrToInt(store.ReadString(Section, CountKey, ""), count) || count < 0 ||
        !HasExactlyTheKeys(store, count))
        return file;
    std::vector<std::string> outputDir;
    if (!SplitFields(store.ReadString(Section, OutputPathKey, ""), outputDir) ||
        outputDir.size() != 1)
        return file;
    file.Saved.OutputDir = outputDir[0];
    file.Saved.Tasks.reserve(std::size_t(count));
    for (int32_t i = 1; i <= count; ++i) {
        ltvItemData task;
        if (!ParseTaskLine(store.ReadString(Section, std::to_string(i), ""), task, version)) {
            file.Saved = {};
            return file;
        }
        if (IsSupportedVideo(task.InputFile))
            file.Saved.Tasks.push_back(std::move(task));
    }
    file.State = TTasksFileState::Read;
    return file;
}

int UnconvertedCount(const std::vector<ltvItemData>& saved)
{
    return int(std::count_if(saved.begin(), saved.end(), [](const ltvItemData& task) {
        return task.Status != TaskState::Complete;
    }));
}

TTasksToRestore TasksToRestore(const std::vector<ltvItemData>& saved)
{
    TTasksToRestore restore;
    for (const ltvItemData& task : saved) {
        if (task.Status == TaskState::Complete)
            continue;
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(task.InputFile, error);
        if (!std::filesystem::exists(status)) {
            restore.MissingInputs.push_back(task.InputFile);
            continue;
        }
        if (!std::filesystem::is_regular_file(status)) {
            restore.NotVideoInputs.push_back(task.InputFile);
            continue;
        }
        restore.Tasks.push_back(task);
        if (task.Status != TaskState::Stopped && task.Status != TaskState::Failed)
            restore.Tasks.back().Status = TaskState::Waiting;
    }
    return restore;
}

std::string SetAsideName(const std::string& path, int attempt)
{
    return attempt <= 1 ? path + ".bad" : path + "." + std::to_string(attempt) + ".bad";
}
