// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessOptions.h"

#include "base/TranslationMarks.h"
#include "cli/ProgramArguments.h"
#include "encoder/OutputSize.h"
#include "encoder/TrackRules.h"

#include <charconv>
#include <functional>
#include <map>

namespace {

constexpr int MaxJobs = 999;

const char* const Context = "HeadlessOptions";

//: The command line help: keep the option names, the lines under 80 columns
//: and the option column lined up
const char* const UsageText = QT_TRANSLATE_NOOP(
    "HeadlessOptions", "Usage: quenby [FILE_OR_DIRECTORY]...\n"
                       "  or:  quenby --convert [OPTION]... FILE_OR_DIRECTORY...\n"
                       "  or:  quenby --watch DIR --output DIR [OPTION]...\n"
                       "The first opens the window with the files in its task list; the second\n"
                       "converts them with a profile, without a window, and exits. The third\n"
                       "converts each video that appears in a folder or its sub-folders once its\n"
                       "size and time have stood still for 5 seconds, until it gets a signal;\n"
                       "it keeps what it converted in .quenby-watch.ini in the output folder and\n"
                       "never replaces an output.\n"
                       "\n"
                       "Files are taken as the task list takes them: supported video files only\n"
                       "(.avi .mpg .mpeg .mp4 .wmv .mov .vob .asf .mkv .webm .m4v .ts .mts .m2ts\n"
                       ".flv .3gp .3g2 .ogv .dv .mxf .f4v .divx .wtv, in any letter case; a file\n"
                       "that holds no video picture is skipped with a note), a directory's\n"
                       "supported files sorted by name, each file once, however it is named.\n"
                       "A first argument ending in \".tmp\" is a list file holding one path per\n"
                       "line; it is then the only file argument. A line \"profile=NAME<TAB>PATH\"\n"
                       "converts PATH with the profile NAME.\n"
                       "\n"
                       "  --profile NAME     convert with the profile NAME (default: the profile\n"
                       "                     the window last used, else the first)\n"
                       "  --output DIR       write the outputs into DIR (default: the saved\n"
                       "                     output path)\n"
                       "  --overwrite        replace an output that exists\n"
                       "  --rename           keep an output that exists; name the new one with\n"
                       "                     the task's number (default: the saved choice)\n"
                       "  --jobs N           run up to N encoders at once (default 1)\n"
                       "  --done-folder DIR  with --watch: move each converted input into DIR\n"
                       "  --target-size SIZE make each output land just under SIZE, such as\n"
                       "                     25MB (10^6 bytes), 700MiB or 1.5GB\n"
                       "  --check-quality    compare each output with its source (SSIM, PSNR)\n"
                       "  --audio WHICH      keep the first sound track, all of them, or those\n"
                       "                     in languages such as eng,fra (default: first)\n"
                       "  --subtitles WHICH  none, keep where the container can, or burn in the\n"
                       "                     forced or first one (default: none)\n"
                       "  --list-profiles    print the profiles' names and exit\n"
                       "  --list-formats     print the supported file extensions and exit (also\n"
                       "                     without --convert)\n"
                       "  --help             print this help and exit (also without --convert)\n"
                       "  --version          print the version and exit (also without --convert)\n"
                       "\n"
                       "Progress goes to standard error. Exit status: 0 when every file was\n"
                       "converted, 1 when any failed or a named file was not taken, 2 for a\n"
                       "usage error, 130 when stopped by a signal: SIGINT, SIGTERM, SIGHUP,\n"
                       "SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ or SIGPWR.\n");

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

bool ParseJobs(const std::string& text, int& jobs)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, jobs);
    return error == std::errc() && at == end && jobs >= 1 && jobs <= MaxJobs;
}

} // namespace

bool IsHeadlessCommandLine(const std::vector<std::string>& arguments)
{
    return !arguments.empty() &&
           (arguments.front() == ConvertSwitch || arguments.front() == WatchSwitch);
}

THeadlessParse ParseHeadlessOptions(const std::vector<std::string>& arguments,
                                    TTranslator translate)
{
    const auto say = [&translate](const char* text, const std::vector<std::string>& args = {}) {
        return FillText(translate(Context, text), args);
    };
    THeadlessParse parse;
    THeadlessOptions& options = parse.Options;
    bool help = false;
    bool version = false;
    bool list = false;
    bool formats = false;
    bool overwrite = false;
    bool rename = false;
    const std::map<std::string, bool*> flags{{"--check-quality", &options.CheckQuality},
                                             {"--help", &help},
                                             {"--version", &version},
                                             {"--list-profiles", &list},
                                             {"--list-formats", &formats},
                                             {"--overwrite", &overwrite},
                                             {"--rename", &rename}};
    const std::map<std::string, std::function<std::string(const std::string&)>> valued{
        {"--profile",
         [&](const std::string& v) {
             options.Profile = v;
             return std::string();
         }},
        {"--output",
         [&](const std::string& v) {
             options.OutputDir = v;
             return std::string();
         }},
        {"--done-folder",
         [&](const std::string& v) {
             options.DoneFolder = v;
             return std::string();
         }},
        {"--target-size",
         [&](const std::string& v) {
             options.TargetSize = v;
             return ParseSizeText(v) ? std::string()
                                     : say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                                             "--target-size takes a size such as "
                                                             "25MB, 700MiB or 1.5GB, not %1"),
                                           {Quoted(v)});
         }},
        {"--audio",
         [&](const std::string& v) {
             options.Audio = v;
             TTrackChoice choice;
             return ReadAudioChoice(v, choice)
                        ? std::string()
                        : say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                                "--audio takes first, all or languages such as "
                                                "eng,fra, not %1"),
                              {Quoted(v)});
         }},
        {"--subtitles",
         [&](const std::string& v) {
             options.Subtitles = v;
             TTrackChoice choice;
             return ReadSubtitleChoice(v, choice)
                        ? std::string()
                        : say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                                "--subtitles takes none, keep or burn, not %1"),
                              {Quoted(v)});
         }},
        {"--jobs", [&](const std::string& v) {
             return ParseJobs(v, options.Jobs)
                        ? std::string()
                        : say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                                "--jobs takes a whole number from 1 to %1, not %2"),
                              {std::to_string(MaxJobs), Quoted(v)});
         }}};

    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.Inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (const auto flag = flags.find(argument); flag != flags.end()) {
            *flag->second = true;
            if (argument == "--overwrite" || argument == "--rename")
                options.Overwrite = argument == "--overwrite";
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto option = valued.find(name);
        if (option == valued.end()) {
            parse.Error =
                say(QT_TRANSLATE_NOOP("HeadlessOptions", "unknown option %1"), {Quoted(argument)});
            return parse;
        }
        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        if (value.empty()) {
            parse.Error = say(QT_TRANSLATE_NOOP("HeadlessOptions", "option %1 needs a value"),
                              {Quoted(name)});
            return parse;
        }
        if (std::string error = option->second(value); !error.empty()) {
            parse.Error = error;
            return parse;
        }
    }

    if (overwrite && rename)
        parse.Error = say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                            "--overwrite and --rename cannot be used together"));
    else if (help)
        options.Action = THeadlessAction::Help;
    else if (version)
        options.Action = THeadlessAction::Version;
    else if (list)
        options.Action = THeadlessAction::ListProfiles;
    else if (formats)
        options.Action = THeadlessAction::ListFormats;
    else if (options.Inputs.empty())
        parse.Error = say(QT_TRANSLATE_NOOP("HeadlessOptions", "no file or directory to convert"));
    // The window ignores what follows a list file; a batch would drop it
    // without a word.
    else if (options.Inputs.size() > 1 && IsListFileArgument(options.Inputs.front()))
        parse.Error = say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                            "the list file %1 must be the only file or directory"),
                          {Quoted(options.Inputs.front())});
    return parse;
}

std::string CheckWatchOptions(const THeadlessOptions& options, TTranslator translate)
{
    if (options.Inputs.size() != 1)
        return translate(Context,
                         QT_TRANSLATE_NOOP("HeadlessOptions", "--watch takes exactly one folder"));
    if (IsListFileArgument(options.Inputs.front()))
        return FillText(translate(Context, QT_TRANSLATE_NOOP("HeadlessOptions",
                                                             "--watch takes a folder, not the list "
                                                             "file %1")),
                        {Quoted(options.Inputs.front())});
    if (!options.OutputDir)
        return translate(Context,
                         QT_TRANSLATE_NOOP("HeadlessOptions", "--watch needs --output DIR"));
    if (options.Overwrite.value_or(false))
        return translate(Context, QT_TRANSLATE_NOOP("HeadlessOptions",
                                                    "--watch never replaces an output; "
                                                    "--overwrite cannot be used with it"));
    return {};
}

std::string HeadlessUsage(TTranslator translate)
{
    return translate(Context, UsageText);
}
