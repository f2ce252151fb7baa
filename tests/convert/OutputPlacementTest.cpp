// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a finished output in place on a real folder, where other runs
// may hold any kind of entry under its name.
#include "base/FileMoves.h"
#include "convert/BatchRules.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

using OutputPlacement = ScratchDirTest;

// A file, a folder, a FIFO and a link that leads nowhere each hold the name:
// no way of moving replaces one, and the working file stays to be
// placed elsewhere; a free name is taken.
TEST_F(OutputPlacement, NothingThatHasTheNameIsReplaced)
{
    const std::string file = WriteFile("file.mp4", "another run's output");
    fs::create_directory(dir / "folder.mp4");
    ASSERT_EQ(::mkfifo((dir / "fifo.mp4").c_str(), 0600), 0);
    fs::create_symlink(dir / "nowhere", dir / "link.mp4");
    for (const auto move : {MoveWithoutReplacing, MoveByLink, MoveByClaim}) {
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
    EXPECT_TRUE(fs::is_symlink(dir / "link.mp4") && !fs::exists(dir / "link.mp4"));
}
