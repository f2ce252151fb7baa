// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/SavedTasks.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using SavedTasksFile = ScratchDirTest;

std::vector<std::string> Texts(const ltvItemData& t)
{
    return {t.InputFile,     t.LengthText,  t.SizeText, t.StatusText, t.NewName, t.NewExt,
            t.FullStartText, t.FullEndText, t.SpanText, t.StartText,  t.EndText};
}

TEST_F(SavedTasksFile, KeepsEveryTextOfEveryTaskInOrderOverALongerList)
{
    const std::string path = (dir / TasksFileName).string();
    ltvItemData task = NewTaskRecord("/v/a\\b\t.avi", "00:01:40.0", " 640x480", ".avi");
    task.NewName = " [x]=\\y\r\n\tz\xE9";
    task.StartText = "00:00:10.0";
    SaveTasks(path, {"/old/", std::vector<ltvItemData>(5, task)});
    SaveTasks(path, {"/out/\t/", {NewTaskRecord("/v/b.mp4", "", "", ""), task}});
    const TTasksFile file = LoadTasks(path);
    ASSERT_EQ(file.Saved.Tasks.size(), 2u);
    EXPECT_EQ(file.Saved.OutputDir, "/out/\t/");
    EXPECT_EQ(Texts(file.Saved.Tasks[1]), Texts(task));
    EXPECT_DOUBLE_EQ(file.Saved.Tasks[1].StartSec, 10);
}

// A file of two tasks as saved, with `from` replaced by `to` ("": the whole
// file): a task of no supported kind is dropped, the rest is no list.
TEST_F(SavedTasksFile, TellsAListFromWhatIsNone)
{
    const struct
    {
        const char *from, *to;
        TTasksFileState state;
        std::size_t tasks;
    } cases[] = {{"b.mov", "b.txt", TTasksFileState::Read, 1},
                 {"", "", TTasksFileState::Damaged, 0},
                 {"", "\177ELF\2\1", TTasksFileState::Damaged, 0},
                 {"\r\nCount=2\r\n", "", TTasksFileState::Damaged, 0},
                 {"Version=1", "Version=2", TTasksFileState::Newer, 0}};
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

} // namespace
