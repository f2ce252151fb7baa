// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileBytes.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileBytes : public ScratchDirTest
{
};

// A process id that no process has now.
pid_t EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(FileBytes, AWriteTellsHowItWentAndClearsWhatKilledWritersLeft)
{
    const std::string path = WriteFile("a.ini", "old");
    const std::string ended = std::to_string(EndedProcess());
    const std::string alive = std::to_string(::getpid());
    for (const std::string& name : {".a.ini." + ended + ".0.tmp", ".a.ini." + alive + ".0.tmp",
                                    ".b.ini." + ended + ".0.tmp", std::string(".a.ini.x.0.tmp")})
        WriteFile(name, "partial");

    EXPECT_EQ(WriteFileBytes(path, "old"), TFileWrite::Unchanged);
    EXPECT_TRUE(fs::exists(dir / (".a.ini." + ended + ".0.tmp")));
    EXPECT_EQ(WriteFileBytes(path, "new"), TFileWrite::Replaced);
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_FALSE(fs::exists(dir / (".a.ini." + ended + ".0.tmp")));
    for (const std::string& kept : {".a.ini." + alive + ".0.tmp", ".b.ini." + ended + ".0.tmp",
                                    std::string(".a.ini.x.0.tmp")})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;

    fs::create_hard_link(path, dir / "link.ini");
    EXPECT_EQ(WriteFileBytes(path, "linked"), TFileWrite::InPlace);
    EXPECT_EQ(ReadFile((dir / "link.ini").string()), "linked");
}

} // namespace
