// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/SavedTasks.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <iterator>
#include <sys/stat.h>
#include <utility>

namespace {

using SavedTasksFile = ScratchDirTest;

std::vector<std::string> Texts(const ltvItemData& t)
{
    return {t.InputFile,   t.Length.Text(), t.SizeText,         StateKey(t.Status),
            t.NewName,     t.NewExt,        t.FullStart.Text(), t.FullEnd.Text(),
            t.Span.Text(), t.Start.Text(),  t.End.Text()};
}

TEST_F(SavedTasksFile, KeepsEveryTextOfEveryTaskInOrderOverALongerList)
{
    const std::string path = (dir / TasksFileName).string();
    ltvItemData task = NewTaskRecord("/v/a\\b\t.avi", "00:01:40.0", " 640x480", ".avi");
    task.NewName = " [x]=\\y\r\n\tz\xE9";
    task.Start = TTimeValue::FromText("00:00:10.0");
    SaveTasks(path, {"/old/", std::vector<ltvItemData>(5, task)});
    task.TargetText = "25 MB";
    task.Profile = "P";
    task.Picks = {"1", ""};
    task.AudioChoice = "tracks:1,3";
    task.SubtitleChoice = "burn:4";
    SaveTasks(path, {"/out/\t/", {NewTaskRecord("/v/b.mp4", "", "", ""), task}});
    const TTasksFile file = LoadTasks(path);
    ASSERT_EQ(file.Saved.Tasks.size(), 2u);
    EXPECT_EQ(file.Saved.OutputDir, "/out/\t/");
    EXPECT_EQ(Texts(file.Saved.Tasks[1]), Texts(task));
    EXPECT_EQ(file.Saved.Tasks[1].TargetText + file.Saved.Tasks[1].Profile, "25 MBP");
    EXPECT_EQ(file.Saved.Tasks[1].Picks, task.Picks);
    EXPECT_EQ(file.Saved.Tasks[1].AudioChoice + file.Saved.Tasks[1].SubtitleChoice,
              "tracks:1,3burn:4");
    EXPECT_DOUBLE_EQ(file.Saved.Tasks[1].Start.Seconds, 10);
}

// A file of two tasks as saved, with `from` replaced by `to` ("": the whole
// file): a task of no supported kind is dropped, the rest is no list.
TEST_F(SavedTasksFile, TellsAListFromWhatIsNone)
{
    const std::string tooLong = std::string(PATH_MAX, 'b') + ".mov";
    const struct
    {
        const char *from, *to;
        TTasksFileState state;
        std::size_t tasks;
    } cases[] = {{"b.mov", "b.txt", TTasksFileState::Read, 1},
                 {"b.mov", tooLong.c_str(), TTasksFileState::Damaged, 0},
                 {"", "", TTasksFileState::Damaged, 0},
                 {"", "\177ELF\2\1", TTasksFileState::Damaged, 0},
                 {"\r\nCount=2\r\n", "", TTasksFileState::Damaged, 0},
                 {"Version=2", "Version=5", TTasksFileState::Newer, 0}};
    const std::string path = (dir / TasksFileName).string();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        SaveTasks(path, {"/out/",
                         {NewTaskRecord("/v/a.avi", "", "", ".avi"),
                          NewTaskRecord("/v/b.mov", "", "", ".avi")}});
        std::string text = ReadFile(path);
        text = *c.from ? text.replace(text.find(c.from), std::strlen(c.from), c.to) : c.to;
        WriteFile(TasksFileName, text);
        const TTasksFile file = LoadTasks(path);
        EXPECT_EQ(file.State, c.state);
        EXPECT_EQ(file.Saved.Tasks.size(), c.tasks);
    }
}

// A list kept by version 1, whose states were the words shown, reads as
// the same tasks, which version 2 keeps by their states' keys.
TEST_F(SavedTasksFile, ReadsTheStateWordsOfVersion1)
{
    const std::string path =
        WriteFile(TasksFileName, ReadFile(QUENBY_SOURCE_DIR "/tests/fixtures/TasksVersion1.ini"));
    const std::pair<const char*, TaskState> tasks[] = {
        {"waiting", TaskState::Waiting}, {"converting", TaskState::Converting},
        {"paused", TaskState::Paused},   {"complete", TaskState::Complete},
        {"stopped", TaskState::Stopped}, {"failed", TaskState::Failed}};
    const TTasksFile v1 = LoadTasks(path);
    ASSERT_EQ(v1.State, TTasksFileState::Read);
    SaveTasks(path, v1.Saved);
    EXPECT_NE(ReadFile(path).find("Version=2"), std::string::npos);
    const TTasksFile v2 = LoadTasks(path);
    ASSERT_EQ(v1.Saved.Tasks.size(), std::size(tasks));
    ASSERT_EQ(v2.Saved.Tasks.size(), std::size(tasks));
    for (std::size_t i = 0; i < std::size(tasks); ++i) {
        ltvItemData expected = NewTaskRecord(std::string("/v/") + tasks[i].first + ".avi",
                                             "00:01:40.00", " 640x480", ".avi");
        expected.Status = tasks[i].second;
        expected.Start = TTimeValue::FromText("00:00:10.0");
        EXPECT_EQ(Texts(v1.Saved.Tasks[i]), Texts(expected));
        EXPECT_EQ(Texts(v2.Saved.Tasks[i]), Texts(expected));
    }
}

// What is no longer a regular file is told apart from what is gone.
TEST_F(SavedTasksFile, RestoreSortsOutWhatIsNoLongerAVideoFile)
{
    const std::string fifo = (dir / "f.avi").string(), video = WriteFile("v.avi", "x");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<ltvItemData> kept;
    for (const std::string& path : {fifo, dir.string(), video, (dir / "gone.avi").string()})
        kept.push_back(NewTaskRecord(path, "", "", ".avi"));
    const TTasksToRestore restore = TasksToRestore(kept);
    EXPECT_EQ(restore.NotVideoInputs, std::vector<std::string>({fifo, dir.string()}));
    EXPECT_EQ(restore.MissingInputs, std::vector<std::string>{(dir / "gone.avi").string()});
    ASSERT_EQ(restore.Tasks.size(), 1u);
}

// A file that got shorter holds its task's part within it; start, end and
// the clamped length as texts, "" for a task left as it was.
TEST(ClampTaskLength, HoldsThePartWithinTheShorterFile)
{
    const struct
    {
        const char *start, *end, *length, *expected;
    } cases[] = {{"00:00:10.0", "00:01:00.0", "00:00:30.00", "00:00:10 00:00:30 00:00:20"},
                 {"00:00:40.0", "00:01:00.0", "00:00:30.00", "00:00:00 00:00:30 00:00:30"},
                 {"00:00:10.0", "00:00:20.0", "00:00:30.00", "00:00:10 00:00:20 00:00:10"},
                 {"00:00:10.0", "00:01:00.0", "00:01:40.00", ""},
                 {"00:00:10.0", "00:01:00.0", "", ""}};
    for (const auto& c : cases) {
        ltvItemData task = NewTaskRecord("/v/a.avi", "00:01:40.00", "", ".avi");
        task.Start = TTimeValue::FromText(c.start);
        task.End = TTimeValue::FromText(c.end);
        WriteTaskField(task, TaskField::AllFields, task);
        const bool clamped = ClampTaskLength(task, c.length);
        EXPECT_EQ(clamped ? task.Start.Text() + " " + task.End.Text() + " " + task.Span.Text() : "",
                  c.expected)
            << c.start << " " << c.length;
        EXPECT_EQ(task.FullEnd.Seconds, clamped ? 30 : 100);
    }
}

} // namespace
