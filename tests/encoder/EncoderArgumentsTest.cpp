// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/EncoderArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Args = std::vector<std::string>;

namespace {

struct SplitCase
{
    const char* text;
    Args args;
};

} // namespace

TEST(CommandLine, SplitsAsTheWindowsRuntime)
{
    const std::vector<SplitCase> cases = {
        {"", {}},
        {"   \t ", {}},
        {" -b:v 800k -r 25", {"-b:v", "800k", "-r", "25"}},
        {"a\tb  c", {"a", "b", "c"}},
        {R"("a b" c)", {"a b", "c"}},
        {R"(x"a b"y)", {"xa by"}},
        {R"("")", {""}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"("abc" d e)", {"abc", "d", "e"}},
        // Backslashes are literal unless a quote follows them.
        {R"(a\\\b d"e f"g h)", {R"(a\\\b)", "de fg", "h"}},
        {R"(C:\dir\ x)", {R"(C:\dir\)", "x"}},
        // 2n+1 backslashes and a quote: n backslashes and a literal quote.
        {R"(a\\\"b c d)", {R"(a\"b)", "c", "d"}},
        {R"(\"a)", {R"("a)"}},
        // 2n backslashes and a quote: n backslashes, the quote delimits.
        {R"(a\\\\"b c" d e)", {R"(a\\b c)", "d", "e"}},
        {R"("C:\dir\\" x)", {R"(C:\dir\)", "x"}},
        // "" inside a quoted run is one literal quote, and the run goes on.
        {R"("a""b c")", {R"(a"b c)"}},
        {R"("""")", {R"(")"}},
        {R"("a"" b")", {R"(a" b)"}},
        // An unclosed quote runs to the end.
        {R"(-vf "scale=1:2 x)", {"-vf", "scale=1:2 x"}},
        // Non-ASCII bytes pass through untouched.
        {"-metadata title=Grüße", {"-metadata", "title=Grüße"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitCommandLineArguments(c.text), c.args) << c.text;
}

TEST(CommandLine, RendersTheCommandLineTexts)
{
    EXPECT_EQ(ProbeCommandLine("/v/a b.avi"), R"( -i "/v/a b.avi")");
    EXPECT_EQ(ConversionCommandLine("/v/a.avi", " -b:v 800k -ss 00:00:01 -t 5", "/o/a.mp4"),
              R"( -y -i "/v/a.avi" -loglevel level+info -b:v 800k -ss 00:00:01 -t 5 "/o/a.mp4")");
    EXPECT_EQ(ConversionCommandLine("i", "", "o"), R"( -y -i "i" -loglevel level+info "o")");
}

TEST(CommandLine, PathsAreAlwaysOneArgument)
{
    const std::vector<std::string> paths = {
        "/v/plain.avi",
        "/v/with blanks and\ttab.avi",
        R"(/v/a" -f null "b.avi)",
        "/v/it's.avi",
        "/v/a,b.avi",
        "/v/Grüße Ünïcödé 日本.avi",
        "-f null.avi",
        "-",
        R"(/v/back\slash\.avi)",
        R"(/v/trailing\)",
        R"(/v/"quoted".avi)",
        "",
    };
    for (const std::string& path : paths) {
        EXPECT_EQ(ProbeArguments(path), (Args{"-i", path})) << path;
        EXPECT_EQ(
            ConversionArguments(path, " -b:v 800k", path + ".out"),
            (Args{"-y", "-i", path, "-loglevel", "level+info", "-b:v", "800k", path + ".out"}))
            << path;
    }
}

TEST(CommandLine, ArgumentStringIsSplitBetweenThePaths)
{
    EXPECT_EQ(ConversionArguments("in.avi", R"( -vf "scale=320:240, setsar=1" -ss 00:00:01.5 -t 3)",
                                  "out.avi"),
              (Args{"-y", "-i", "in.avi", "-loglevel", "level+info", "-vf",
                    "scale=320:240, setsar=1", "-ss", "00:00:01.5", "-t", "3", "out.avi"}));
    // An unbalanced quote in a profile value cannot swallow the output path.
    EXPECT_EQ(ConversionArguments("in.avi", R"( -title "oops)", "out.avi"),
              (Args{"-y", "-i", "in.avi", "-loglevel", "level+info", "-title", "oops", "out.avi"}));
    EXPECT_EQ(ConversionArguments("in.avi", "", "out.avi"),
              (Args{"-y", "-i", "in.avi", "-loglevel", "level+info", "out.avi"}));
}

TEST(CommandLine, TextAndVectorAgreeForOrdinaryPaths)
{
    const std::vector<std::string> paths = {"/v/plain.avi",      "/v/with blanks.avi",
                                            "/v/it's, mine.avi", "/v/Grüße.avi",
                                            "-lead.avi",         R"(/v/back\slash.avi)"};
    const std::vector<std::string> argumentStrings = {
        "", " -b:v 800k -r 25", R"( -vf "scale=1:2, setsar=1")", " -ss 00:00:01.5 -t 3"};
    for (const std::string& path : paths) {
        EXPECT_EQ(SplitCommandLineArguments(ProbeCommandLine(path)), ProbeArguments(path)) << path;
        for (const std::string& arguments : argumentStrings) {
            const std::string out = path + ".mp4";
            EXPECT_EQ(SplitCommandLineArguments(ConversionCommandLine(path, arguments, out)),
                      ConversionArguments(path, arguments, out))
                << path << arguments;
        }
    }
}

TEST(CommandLine, InjectionInTheRenderedTextStaysOutOfTheVector)
{
    // The rendered text of such a name would give the encoder extra switches
    // had it been split; the vector never is.
    const std::string path = R"(/v/a" -f null "b.avi)";
    const Args fromText = SplitCommandLineArguments(ProbeCommandLine(path));
    EXPECT_NE(fromText, ProbeArguments(path));
    EXPECT_EQ(ProbeArguments(path).size(), 2u);
}
