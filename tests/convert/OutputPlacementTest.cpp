// Putting a finished output in place on a real folder, where other runs
// may hold any kind of entry under its name.
#include "convert/OutputPlacement.h"
#include "convert/BatchRules.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

using OutputPlacement = ScratchDirTest;

// A file, a folder, a FIFO and a link that leads nowhere each have the name:
// neither way of moving replaces one, and the working file stays to be
// placed elsewhere.
TEST_F(OutputPlacement, NothingThatHasTheNameIsReplaced)
{
    const std::string file = WriteFile("file.mp4", "another run's output");
    fs::create_directory(dir / "folder.mp4");
    ASSERT_EQ(::mkfifo((dir / "fifo.mp4").c_str(), 0600), 0);
    fs::create_symlink(dir / "nowhere", dir / "link.mp4");
    for (const auto move : {MoveWithoutReplacing, MoveByLink}) {
        for (const char* name : {"file.mp4", "folder.mp4", "fifo.mp4", "link.mp4"}) {
            const std::string work = WriteFile(".work.mp4", "new");
            EXPECT_EQ(move(work, (dir / name).string()), EEXIST) << name;
            EXPECT_TRUE(HasDirectoryEntry(work)) << name;
        }
        EXPECT_EQ(move((dir / ".work.mp4").string(), (dir / "free.mp4").string()), 0);
        EXPECT_FALSE(HasDirectoryEntry((dir / ".work.mp4").string()));
        EXPECT_EQ(ReadFile((dir / "free.mp4").string()), "new");
        fs::remove(dir / "free.mp4");
    }
    EXPECT_EQ(ReadFile(file), "another run's output");
    EXPECT_TRUE(fs::is_directory(dir / "folder.mp4"));
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.mp4"));
    EXPECT_TRUE(HasDirectoryEntry((dir / "link.mp4").string()));
    EXPECT_FALSE(fs::exists(dir / "link.mp4")) << "the link still leads nowhere";
}

// Files of this host whose process is gone go; a running process's, another
// host's, an older shape's and a folder of the shape stay.
TEST_F(OutputPlacement, RemovesOnlyThisHostsWorkingFilesWhoseProcessIsGone)
{
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const auto working = [](const char* host, long long pid, int serial) {
        return ExtractFileName(WorkingOutputPath("", ".mp4", host, pid, serial));
    };
    WriteFile(working("here", gone, 1), "left");
    const std::set<std::string> stay{working("here", ::getpid(), 1), working("there", gone, 1),
                                     ".quenby-" + std::to_string(gone) + "-1.mp4",
                                     working("here", gone, 2)};
    for (const std::string& name : stay)
        if (name != working("here", gone, 2))
            WriteFile(name, "x");
    fs::create_directory(dir / working("here", gone, 2));

    EXPECT_EQ(RemoveLeftWorkingFiles(dir.string() + "/", "here"), 1);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(left, stay);
}
