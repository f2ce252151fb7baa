// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgramArguments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch tree: a supported video, a text file, a directory and a
// directory whose name looks like a video.
class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = fs::path(QUENBY_TEST_WORK_DIR) / "CommandLine" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(root);
        fs::create_directories(root / "clips");
        fs::create_directories(root / "x.avi");
        Touch("movie.avi");
        Touch("LOUD.MP4");
        Touch("notes.txt");
    }

    void Touch(const std::string& name) { std::ofstream(root / name) << "x"; }
    std::string P(const std::string& name) const { return (root / name).string(); }
    std::vector<TaskEntry> Sort(const std::vector<std::string>& arguments) const
    {
        return SortCommandLine(arguments, root.string());
    }

    void WriteList(const std::string& name, const std::string& text)
    {
        std::ofstream(root / name, std::ios::binary) << text;
    }

    fs::path root;
};

TEST_F(CommandLineTest, NoArgumentsNameNothing)
{
    EXPECT_TRUE(CommandLineEntries({}).empty());
    EXPECT_TRUE(Sort({}).empty());
}

TEST_F(CommandLineTest, EachArgumentIsSortedInOrder)
{
    const std::vector<TaskEntry> sorted =
        Sort({P("movie.avi"), P("notes.txt"), P("clips"), P("missing.avi"), P("LOUD.MP4")});
    const std::vector<TaskEntry> expected = {{TaskEntryKind::File, P("movie.avi")},
                                             {TaskEntryKind::Directory, P("clips")},
                                             {TaskEntryKind::File, P("LOUD.MP4")}};
    EXPECT_EQ(sorted, expected);
}

TEST_F(CommandLineTest, PathSorting)
{
    struct Case
    {
        std::string path;
        std::optional<TaskEntry> commandLine;
        std::optional<TaskEntry> dropped;
    };
    const std::vector<Case> cases = {
        {P("movie.avi"), TaskEntry{TaskEntryKind::File, P("movie.avi")},
         TaskEntry{TaskEntryKind::File, P("movie.avi")}},
        {P("notes.txt"), std::nullopt, std::nullopt},
        {P("clips"), TaskEntry{TaskEntryKind::Directory, P("clips")},
         TaskEntry{TaskEntryKind::Directory, P("clips")}},
        // A folder named like a video is still a folder.
        {P("x.avi"), TaskEntry{TaskEntryKind::Directory, P("x.avi")},
         TaskEntry{TaskEntryKind::Directory, P("x.avi")}},
        // The command line wants the file to exist; a drop only looks at the name.
        {P("gone.avi"), std::nullopt, TaskEntry{TaskEntryKind::File, P("gone.avi")}},
        {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SortCommandLinePath(c.path), c.commandLine) << c.path;
        EXPECT_EQ(SortDroppedPath(c.path), c.dropped) << c.path;
    }
}

TEST_F(CommandLineTest, CapitalTmpFirstArgumentIsAListFile)
{
    WriteList("LIST.TMP",
              P("movie.avi") + "\r\n" + P("notes.txt") + "\r\n\r\n" + P("clips") + "\n");
    const std::vector<TaskEntry> sorted = Sort({P("LIST.TMP"), P("LOUD.MP4"), P("x.avi")});
    const std::vector<TaskEntry> expected = {{TaskEntryKind::File, P("movie.avi")},
                                             {TaskEntryKind::Directory, P("clips")}};
    EXPECT_EQ(sorted, expected);
}

TEST_F(CommandLineTest, ListFileLinesAreTheEntries)
{
    WriteList("paths.tmp", "a\nb c\n\n \t\nd");
    EXPECT_EQ(CommandLineEntries({P("paths.tmp")}), (std::vector<std::string>{"a", "b c", "d"}));
    // A byte-order mark is no part of the first path.
    WriteList("marked.tmp", "\xEF\xBB\xBF"
                            "a\nb");
    EXPECT_EQ(CommandLineEntries({P("marked.tmp")}), (std::vector<std::string>{"a", "b"}));
}

TEST_F(CommandLineTest, TmpAfterTheFirstArgumentIsAnOrdinaryPath)
{
    WriteList("later.tmp", P("movie.avi"));
    EXPECT_EQ(CommandLineEntries({P("notes.txt"), P("later.tmp")}),
              (std::vector<std::string>{P("notes.txt"), P("later.tmp")}));
    EXPECT_TRUE(Sort({P("notes.txt"), P("later.tmp")}).empty());
}

TEST_F(CommandLineTest, UnreadableListFileNamesNothing)
{
    EXPECT_TRUE(Sort({P("absent.tmp"), P("movie.avi")}).empty());
    // A directory cannot be read as a list either.
    fs::create_directories(root / "dir.tmp");
    EXPECT_TRUE(Sort({P("dir.tmp"), P("movie.avi")}).empty());
    if (::geteuid() != 0) {
        WriteList("locked.tmp", P("movie.avi"));
        ::chmod(P("locked.tmp").c_str(), 0);
        EXPECT_TRUE(Sort({P("locked.tmp")}).empty());
    }
}

} // namespace

// Relative entries, also those of a list file, are read against the working
// directory: "12:30 talk.avi" is then a file, not an address.
TEST_F(CommandLineTest, RelativeEntriesAreMadeAbsolute)
{
    Touch("12:30 talk.avi");
    WriteList("list.tmp", "./movie.avi\nclips\n");
    EXPECT_EQ(Sort({"12:30 talk.avi", "./clips", "missing.avi"}),
              (std::vector<TaskEntry>{{TaskEntryKind::File, P("12:30 talk.avi")},
                                      {TaskEntryKind::Directory, P("clips")}}));
    EXPECT_EQ(Sort({P("list.tmp")}),
              (std::vector<TaskEntry>{{TaskEntryKind::File, P("movie.avi")},
                                      {TaskEntryKind::Directory, P("clips")}}));
}

// A name that is not valid UTF-8 cannot be handed on; it is not skipped
// silently but sorted out for the user to be told.
TEST_F(CommandLineTest, NamesThatAreNotUtf8AreSortedOut)
{
    const std::string latin1 = "St\xE9r\xE9o";
    Touch(latin1 + ".avi");
    Touch(latin1 + ".txt");
    fs::create_directories(root / latin1);
    EXPECT_EQ(Sort({P(latin1 + ".avi"), P(latin1 + ".txt"), P(latin1)}),
              (std::vector<TaskEntry>{{TaskEntryKind::Unnamable, P(latin1 + ".avi")},
                                      {TaskEntryKind::Unnamable, P(latin1)}}));
    EXPECT_EQ(SortDroppedPath(P(latin1 + ".avi")),
              (TaskEntry{TaskEntryKind::Unnamable, P(latin1 + ".avi")}));
}
