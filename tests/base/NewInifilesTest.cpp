// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NewInifiles.h"

#include "fixtures/ScratchDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::literals;

namespace {

class IniFile : public ScratchDirTest
{
protected:
    void SetUp() override
    {
        ScratchDirTest::SetUp();
        path = (dir / "test.ini").string();
    }

    void Write(const std::string& text) { WriteFile("test.ini", text); }
    std::string Read() const { return ReadFile(path); }
    std::unique_ptr<TNewInifile> Open(const std::string& text)
    {
        Write(text);
        return std::make_unique<TNewInifile>(path);
    }

    std::string path;
};

// What a read finds, and the file after writing "new" to that key; without a
// write (null) the file keeps its bytes and its time.
struct LookupCase
{
    const char* name;
    std::string_view file;
    const char* section;
    const char* key;
    const char* expected;
    std::optional<std::string_view> afterWrite = std::nullopt;
};

class IniLookup : public IniFile, public ::testing::WithParamInterface<LookupCase>
{
};

TEST_P(IniLookup, ReadsWhatTheFileMeansAndWritesOnlyWhatChanged)
{
    const LookupCase& c = GetParam();
    Write(std::string(c.file));
    const auto before = fs::last_write_time(path) - std::chrono::hours(24);
    fs::last_write_time(path, before);
    auto ini = std::make_unique<TNewInifile>(path);
    EXPECT_EQ(ini->ReadString(c.section, c.key, "<default>"), c.expected);
    if (c.afterWrite)
        ini->WriteString(c.section, c.key, "new");
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_EQ(Read(), c.afterWrite.value_or(c.file));
    if (!c.afterWrite) {
        EXPECT_EQ(fs::last_write_time(path), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniLookup,
    ::testing::Values(
        LookupCase{"plain", "[Main]\r\nType=avi\r\n", "Main", "Type", "avi"},
        LookupCase{"caseOfSectionAndKey", "[main]\r\ntype=avi\r\n", "MAIN", "TYPE", "avi"},
        LookupCase{"bracketsDelimitSections", "[Video Codec]\r\nSort=1\r\n", "Video", "Sort",
                   "<default>"},
        LookupCase{"lowerCaseHeader", "[video codec]\r\nSort=1\r\n", "Video Codec", "Sort", "1"},
        LookupCase{"bracketInValueIsText", "[A]\r\nx=a[b\r\ny=2\r\n", "A", "y", "2"},
        LookupCase{"valueWithBrackets", "[A]\r\np=/v [HD]/\r\n", "A", "p", "/v [HD]/"},
        LookupCase{"blanksAroundKey", "[A]\r\n Sort \t= 1\r\n", "A", "sort ", " 1",
                   "[A]\r\nsort =new\r\n"},
        LookupCase{"utf16LE", "\xFF\xFE[\0A\0]\0\n\0k\0=\0\xE9\0"sv, "A", "k", "\xC3\xA9",
                   "\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0n\0e\0w\0\r\0\n\0"sv},
        LookupCase{"utf16BEWithAPair", "\xFE\xFF\0[\0A\0]\0\n\0k\0=\xD8\x3D\xDE\x00"sv, "A", "k",
                   "\xF0\x9F\x98\x80"},
        LookupCase{"notText", "[A]\r\nk=1\0"sv, "A", "k", "<default>"},
        LookupCase{"valueVerbatim", "[A]\r\nk= \"q\" ;x \r\n", "A", "k", " \"q\" ;x "},
        LookupCase{"emptyValueIsNotDefault", "[A]\r\nk=\r\n", "A", "k", ""},
        LookupCase{"headerStartsItsLine", "junk[A]\r\nk=1\r\n", "A", "k", "<default>"},
        LookupCase{"blanksBeforeHeader", " \t[A]\r\nk=1\r\n", "A", "k", "1"},
        LookupCase{"secondHeaderOnALine", "[A][B]\r\nk=1\r\n", "B", "k", "1"},
        LookupCase{"firstHeaderOnALine", "[A][B]\r\nk=1\r\n", "A", "k", "<default>"},
        LookupCase{"headerLineRestIsBody", "[A]k=1\r\n", "A", "k", "1"},
        LookupCase{"bareCrAndLf", "[A]\rk=1\nj=2", "A", "j", "2"},
        LookupCase{"nextSectionNotSearched", "[A]\r\n[B]\r\nk=1\r\n", "A", "k", "<default>"},
        LookupCase{"missingSection", "[A]\r\nk=1\r\n", "C", "k", "<default>"},
        LookupCase{"utf8Bytes", "[A]\r\nk=D\xC3\xA9j\xC3\xA0\r\n", "A", "k", "D\xC3\xA9j\xC3\xA0"},
        LookupCase{"byteOrderMark", "\xEF\xBB\xBF[Main]\r\nOverwrite=0\r\n", "Main", "Overwrite",
                   "0", "\xEF\xBB\xBF[Main]\r\nOverwrite=new\r\n"},
        LookupCase{"commentAboveTheKey",
                   "[Main]\r\n; old Output Path=/keep/\r\nOutput Path=/a/\r\n", "Main",
                   "Output Path", "/a/",
                   "[Main]\r\n; old Output Path=/keep/\r\nOutput Path=new\r\n"},
        LookupCase{"commentIsNoKey", "[A]\r\n  #Index=3\r\n", "A", "Index", "<default>",
                   "[A]\r\nIndex=new\r\n  #Index=3\r\n"},
        LookupCase{"keyPrefix", "[A]\r\nDefaultValue=x\r\nValue=y\r\n", "A", "Value", "y",
                   "[A]\r\nDefaultValue=x\r\nValue=new\r\n"},
        LookupCase{"numberedKeysInReverseOrder", "[A]\r\n11=b\r\n1=a\r\n", "A", "1", "a",
                   "[A]\r\n11=b\r\n1=new\r\n"},
        LookupCase{"commentedOutHeader", "[A]\r\n;[B]\r\nk=1\r\n[B]\r\nk=2\r\n", "A", "k", "1"},
        LookupCase{"commentAfterAHeader", "[A] ; was [B]\r\nk=1\r\n", "A", "k", "1"},
        LookupCase{"readOnlyUseKeepsBytesAndTime", "[A]\nk=1", "A", "k", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConversionCase
{
    const char* text;
    int32_t integer; // with default 7
    int boolean;     // with default true: 1, 0; -1 means "the default"
    double real;     // with default 0.5
};

class IniConversions : public IniFile, public ::testing::WithParamInterface<ConversionCase>
{
};

TEST_P(IniConversions, ConvertOrFallBackToDefault)
{
    const ConversionCase& c = GetParam();
    auto ini = Open(std::string("[A]\r\nk=") + c.text + "\r\n");
    EXPECT_EQ(ini->ReadInteger("A", "k", 7), c.integer);
    const bool expectedTrue = c.boolean == -1 ? true : c.boolean == 1;
    const bool expectedFalse = c.boolean == -1 ? false : c.boolean == 1;
    EXPECT_EQ(ini->ReadBool("A", "k", true), expectedTrue);
    EXPECT_EQ(ini->ReadBool("A", "k", false), expectedFalse);
    EXPECT_DOUBLE_EQ(ini->ReadFloat("A", "k", 0.5), c.real);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniConversions,
    ::testing::Values(ConversionCase{"1", 1, 1, 1.0}, ConversionCase{"-1", -1, 1, -1.0},
                      ConversionCase{"2", 2, 1, 2.0}, ConversionCase{"0", 0, 0, 0.0},
                      ConversionCase{"TRUE", 7, 1, 0.5}, ConversionCase{"false", 7, 0, 0.5},
                      ConversionCase{"yes", 7, -1, 0.5}, ConversionCase{"", 7, -1, 0.5},
                      ConversionCase{"12 ", 7, 1, 12.0}, ConversionCase{" 12", 12, 1, 12.0},
                      ConversionCase{"$1F", 31, -1, 0.5}, ConversionCase{"0x10", 16, -1, 0.5},
                      ConversionCase{"2147483648", 7, 1, 2147483648.0},
                      ConversionCase{"1.5", 7, 1, 1.5}, ConversionCase{"1,5", 7, -1, 0.5}));

TEST_F(IniFile, MissingKeysGiveDefaultsAndTrueDefaultIsMinusOneText)
{
    auto ini = Open("[A]\r\n");
    EXPECT_EQ(ini->ReadString("A", "k", "d"), "d");
    EXPECT_EQ(ini->ReadInteger("A", "k", -5), -5);
    EXPECT_TRUE(ini->ReadBool("A", "k", true));
    EXPECT_FALSE(ini->ReadBool("A", "k", false));
    EXPECT_DOUBLE_EQ(ini->ReadFloat("A", "k", 0.1), 0.1);
}

TEST_F(IniFile, WritesNewSectionAtEndAndNewKeyBelowHeader)
{
    auto ini = Open("[A]\r\nold=1\r\n");
    ini->WriteString("B", "k", "v");
    ini->WriteString("A", "first", "x");
    ini->WriteString("A", "second", "y");
    const std::vector<std::string> expected{"[A]", "second=y", "first=x", "old=1", "[B]", "k=v"};
    EXPECT_EQ(ini->Lines(), expected);
}

TEST_F(IniFile, ReplacingAKeyTakesTheCallersSpellingAndDropsWhatStoodBefore)
{
    auto ini = Open("[Main]\r\n  SORT=3\r\n");
    ini->WriteInteger("Main", "Sort", 1);
    ini->WriteBool("Main", "Flag", true);
    ini->WriteBool("Main", "Off", false);
    const std::vector<std::string> expected{"[Main]", "Off=0", "Flag=1", "Sort=1"};
    EXPECT_EQ(ini->Lines(), expected);
}

TEST_F(IniFile, AKeyBelowABracketInAValueIsReplacedWhereItStands)
{
    auto ini = Open("[A]\r\nx=a[b\r\ny=2\r\n[B]\r\ny=9\r\n");
    ini->WriteString("A", "y", "3");
    ini->WriteString("A", "z", "[c]");
    const std::vector<std::string> expected{"[A]", "z=[c]", "x=a[b", "y=3", "[B]", "y=9"};
    EXPECT_EQ(ini->Lines(), expected);
    EXPECT_EQ(ini->ReadString("A", "z", "d"), "[c]");
}

TEST_F(IniFile, WritesOnAHeadersOwnLineKeepEverySection)
{
    auto ini = Open("[A]k=1\r\nj=2\r\n[B][C]\r\nc=3\r\n");
    ini->WriteString("A", "k", "5");
    ini->WriteString("B", "b", "4");
    const std::vector<std::string> expected{"[A]", "k=5", "j=2", "[B]", "b=4", "[C]", "c=3"};
    EXPECT_EQ(ini->Lines(), expected);
    EXPECT_EQ(ini->ReadString("A", "j", "d"), "2");
    EXPECT_EQ(ini->ReadString("C", "c", "d"), "3");
}

TEST_F(IniFile, WritingASectionWholeReplacesItsBodyOnly)
{
    auto ini = Open("[A]k=1\r\nj=2\r\n[B][C]\r\nc=3\r\n");
    ini->WriteSection("B", {{"x", "1\n2"}, {"y", "[z"}});
    ini->WriteSection("A", {});
    ini->WriteSection("D", {{"d", "4"}});
    const std::vector<std::string> expected{"[A]", "[B]", "x=1 2", "y=[z",
                                            "[C]", "c=3", "[D]",   "d=4"};
    EXPECT_EQ(ini->Lines(), expected);
    EXPECT_EQ(ini->ReadString("B", "y", "d"), "[z");
}

TEST_F(IniFile, SaveNormalisesLineEndsAndKeepsBytes)
{
    auto ini = Open("[A]\nk=\xE9\rz=1");
    ini->WriteString("A", "z", "1");
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_EQ(Read(), "[A]\r\nk=\xE9\r\nz=1\r\n");
}

TEST_F(IniFile, ReadingAMissingFileLeavesAnEmptyFile)
{
    auto ini = std::make_unique<TNewInifile>(path);
    EXPECT_EQ(ini->ReadString("Main", "Version", "1.5"), "1.5");
    TNewInifile::SaveAndFree(std::move(ini));
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(IniFile, ADirectoryInPlaceOfTheFileReadsAsAnEmptyStore)
{
    fs::create_directories(path);
    std::unique_ptr<TNewInifile> ini;
    ASSERT_NO_THROW(ini = std::make_unique<TNewInifile>(path));
    EXPECT_EQ(ini->ReadString("Main", "Version", "1.5"), "1.5");
    EXPECT_THROW(TNewInifile::SaveAndFree(std::move(ini)), EIniWriteError);
}

TEST_F(IniFile, ALineBreakInAValueNeverShiftsLaterWrites)
{
    auto ini = Open("[Main]\r\nOutput Path=/a/\r\nProfile=1\r\n");
    ini->WriteString("Main", "Output Path", "/pasted\r\n/path/");
    ini->WriteInteger("Main", "Profile", 2);
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_EQ(Read(), "[Main]\r\nOutput Path=/pasted  /path/\r\nProfile=2\r\n");
}

TEST_F(IniFile, SaveAndFreeOfNoStoreDoesNothing)
{
    EXPECT_NO_THROW(TNewInifile::SaveAndFree(nullptr));
}

TEST_F(IniFile, SaveIsAtomicAndLeavesNoTemporaryFile)
{
    Write("[A]\r\nk=old\r\n");
    ::chmod(path.c_str(), 0640);
    auto ini = std::make_unique<TNewInifile>(path);
    ini->WriteString("A", "k", "new");
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_EQ(Read(), "[A]\r\nk=new\r\n");
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
    struct stat st
    {
    };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the file keeps its permissions";
}

TEST_F(IniFile, SaveWritesThroughASymbolicLink)
{
    const std::string real = (dir / "real.ini").string();
    std::ofstream(real, std::ios::binary) << "[A]\r\n";
    fs::create_symlink(real, path);
    auto ini = std::make_unique<TNewInifile>(path);
    ini->WriteString("A", "k", "1");
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_TRUE(fs::is_symlink(path));
    std::ifstream in(real, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[A]\r\nk=1\r\n");
}

TEST_F(IniFile, FailedSaveReportsTheOsTextAndWhetherValuesWereWritten)
{
    // Line ends that a save would change.
    Write("[A]\nk=old\n");
    ::chmod(path.c_str(), 0444);

    auto writer = std::make_unique<TNewInifile>(path);
    writer->WriteString("A", "k", "new");
    try {
        TNewInifile::SaveAndFree(std::move(writer));
        FAIL() << "a read-only file must not be rewritten";
    } catch (const EIniWriteError& e) {
        EXPECT_TRUE(e.HadWrites);
        EXPECT_NE(std::string(e.what()).find("Permission denied"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Read(), "[A]\nk=old\n") << "the old content is untouched";
}

struct stat StatOf(const std::string& path)
{
    struct stat st
    {
    };
    ::stat(path.c_str(), &st);
    return st;
}

TEST_F(IniFile, ReadingOrWritingWhatTheFileHoldsWritesNothing)
{
    Write("[A]\r\nk=1\r\n");
    ::chmod(path.c_str(), 0444); // any write would fail
    const struct stat before = StatOf(path);
    auto reader = std::make_unique<TNewInifile>(path);
    EXPECT_EQ(reader->ReadString("A", "k", ""), "1");
    EXPECT_NO_THROW(TNewInifile::SaveAndFree(std::move(reader)));
    auto writer = std::make_unique<TNewInifile>(path);
    writer->WriteString("A", "k", "1");
    EXPECT_NO_THROW(TNewInifile::SaveAndFree(std::move(writer)));
    const struct stat after = StatOf(path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(IniFile, AFileWithOtherHardLinksIsRewrittenInPlace)
{
    Write("[A]\r\nk=old value\r\n");
    const std::string other = (dir / "other.ini").string();
    fs::create_hard_link(path, other);
    auto ini = std::make_unique<TNewInifile>(path);
    ini->WriteString("A", "k", "new");
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_EQ(Read(), "[A]\r\nk=new\r\n");
    EXPECT_EQ(ReadFile(other), "[A]\r\nk=new\r\n");
    EXPECT_EQ(StatOf(other).st_ino, StatOf(path).st_ino);
}

// Saves `path` with one changed value in a child process that runs as the
// user and group `id`, as a user other than the file's owner would.
void SaveAsUser(const std::string& path, uid_t id)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setegid(id) != 0 || ::seteuid(id) != 0)
            ::_exit(2);
        auto ini = std::make_unique<TNewInifile>(path);
        ini->WriteString("A", "k", "theirs");
        try {
            TNewInifile::SaveAndFree(std::move(ini));
        } catch (const EIniWriteError&) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST_F(IniFile, ASaveKeepsTheFilesOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making files of other users needs root";
    constexpr uid_t Owner = 4321;
    constexpr uid_t Other = 4322;
    // Root writes a user's file, as a program started with sudo does.
    Write("[A]\r\nk=1\r\n");
    ASSERT_EQ(::chown(path.c_str(), Owner, Owner), 0);
    auto ini = std::make_unique<TNewInifile>(path);
    ini->WriteString("A", "k", "2");
    TNewInifile::SaveAndFree(std::move(ini));
    EXPECT_EQ(Read(), "[A]\r\nk=2\r\n");
    EXPECT_EQ(StatOf(path).st_uid, Owner);
    EXPECT_EQ(StatOf(path).st_gid, Owner);

    // Another user, who may write the file but cannot give a new one away.
    ::chmod(dir.c_str(), 0777);
    ::chmod(path.c_str(), 0666);
    SaveAsUser(path, Other);
    EXPECT_EQ(Read(), "[A]\r\nk=theirs\r\n");
    EXPECT_EQ(StatOf(path).st_uid, Owner);
    EXPECT_EQ(StatOf(path).st_gid, Owner);
}

TEST_F(IniFile, SaveIntoAMissingDirectoryFails)
{
    auto ini = std::make_unique<TNewInifile>((dir / "missing" / "x.ini").string());
    ini->WriteString("A", "k", "1");
    try {
        TNewInifile::SaveAndFree(std::move(ini));
        FAIL();
    } catch (const EIniWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos)
            << e.what();
    }
}

} // namespace
