#include "tasks/SavedTasks.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

namespace {

using SavedTasksFile = ScratchDirTest;

ltvItemData Task(const std::string& input, const std::string& status)
{
    ltvItemData task = NewTaskRecord(input, "00:01:40.0", " 640x480", ".avi");
    task.StatusText = status;
    return task;
}

std::vector<std::string> Texts(const ltvItemData& t)
{
    return {t.InputFile,     t.LengthText,  t.SizeText, t.StatusText, t.NewName, t.NewExt,
            t.FullStartText, t.FullEndText, t.SpanText, t.StartText,  t.EndText};
}

TEST_F(SavedTasksFile, KeepsEveryTextOfEveryTaskInOrderOverALongerList)
{
    const std::string path = (dir / TasksFileName).string();
    TSavedTasks saved{"/out/\ttab/", {Task("/v/a.avi", "OK"), Task("/v/b.mp4", "Stop")}};
    saved.Tasks[1].NewName = " [x]=\\y\r\n\tz\xE9";
    saved.Tasks[1].StartText = "00:00:10.0";
    SaveTasks(path, {"/old/", std::vector<ltvItemData>(5, Task("/v/old.avi", "OK"))});
    SaveTasks(path, saved);
    const TTasksFile file = LoadTasks(path);
    ASSERT_EQ(file.State, TTasksFileState::Read);
    EXPECT_EQ(file.Saved.OutputDir, saved.OutputDir);
    ASSERT_EQ(file.Saved.Tasks.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(Texts(file.Saved.Tasks[i]), Texts(saved.Tasks[i]));
    EXPECT_DOUBLE_EQ(file.Saved.Tasks[1].StartSec, 10);
    EXPECT_DOUBLE_EQ(file.Saved.Tasks[1].SpanSec, 100);
}

// A file of two tasks, as saved, and what reading it after an edit gives.
struct FileCase
{
    const char* name;
    const char* from; // replaced by `to`; "" for the whole file
    const char* to;
    TTasksFileState state;
    std::size_t tasks = 0;
};

class SavedTasksRead : public SavedTasksFile, public ::testing::WithParamInterface<FileCase>
{
};

TEST_P(SavedTasksRead, TellsAListFromWhatIsNone)
{
    const FileCase& c = GetParam();
    const std::string path = (dir / TasksFileName).string();
    SaveTasks(path, {"/out/", {Task("/v/a.avi", "OK"), Task("/v/b.mov", "OK")}});
    std::string text = ReadFile(path);
    const std::string from = c.from;
    text = from.empty() ? c.to : text.replace(text.find(from), from.size(), c.to);
    WriteFile(TasksFileName, text);
    const TTasksFile file = LoadTasks(path);
    EXPECT_EQ(file.State, c.state);
    EXPECT_EQ(file.Saved.Tasks.size(), c.tasks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SavedTasksRead,
    ::testing::Values(FileCase{"asSaved", "Count=2", "Count=2", TTasksFileState::Read, 2},
                      FileCase{"unsupportedDropped", "b.mov", "b.txt", TTasksFileState::Read, 1},
                      FileCase{"empty", "", "", TTasksFileState::Damaged},
                      FileCase{"garbage", "",
                               "\x7F"
                               "ELF\x02\x01",
                               TTasksFileState::Damaged},
                      FileCase{"cutShort", "\r\nCount=2\r\n", "", TTasksFileState::Damaged},
                      FileCase{"cutInALine", "OK\t", "", TTasksFileState::Damaged},
                      FileCase{"countTooHigh", "Count=2", "Count=3", TTasksFileState::Damaged},
                      FileCase{"lineTwice", "2=", "1=", TTasksFileState::Damaged},
                      FileCase{"strayEscape", "/v/a", "/v\\a", TTasksFileState::Damaged},
                      FileCase{"newer", "Version=1", "Version=2", TTasksFileState::Newer}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

TEST_F(SavedTasksFile, RestoresWhatWasNotConvertedAndListsGoneInputsApart)
{
    std::vector<ltvItemData> saved;
    for (const char* status : {"Complete", "Converting", "Stop", "Failed", "Paused", "OK"})
        saved.push_back(Task(WriteFile(std::string(status) + ".avi", ""), status));
    saved.push_back(Task((dir / "gone.avi").string(), "OK"));
    EXPECT_EQ(UnconvertedCount(saved), 6);
    const TTasksToRestore restore = TasksToRestore(saved);
    std::vector<std::string> statuses;
    for (const ltvItemData& task : restore.Tasks)
        statuses.push_back(task.StatusText + " " + task.NewName);
    EXPECT_EQ(statuses, (std::vector<std::string>{"OK Converting", "Stop Stop", "Failed Failed",
                                                  "OK Paused", "OK OK"}));
    EXPECT_EQ(restore.MissingInputs, std::vector<std::string>{(dir / "gone.avi").string()});
}

} // namespace
