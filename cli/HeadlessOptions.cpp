// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessOptions.h"

#include "base/TranslationMarks.h"
#include "cli/ProgramArguments.h"
#include "encoder/OutputSize.h"
#include "encoder/TrackRules.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

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

// What the options seen so far ask for; the flags that pick an action are
// weighed once every argument has been read.
struct TParseState
{
    THeadlessOptions Options;
    bool Help = false;
    bool Version = false;
    bool ListProfiles = false;
    bool ListFormats = false;
    bool Overwrite = false;
    bool Rename = false;
    bool CheckQuality = false;
};

struct TFlagRule
{
    const char* Name;
    bool TParseState::*Seen;
};

const TFlagRule FlagRules[] = {{"--check-quality", &TParseState::CheckQuality},
                               {"--help", &TParseState::Help},
                               {"--version", &TParseState::Version},
                               {"--list-profiles", &TParseState::ListProfiles},
                               {"--list-formats", &TParseState::ListFormats},
                               {"--overwrite", &TParseState::Overwrite},
                               {"--rename", &TParseState::Rename}};

bool AnyText(const std::string&)
{
    return true;
}
bool SizeText(const std::string& value)
{
    return ParseSizeText(value).has_value();
}
bool AudioText(const std::string& value)
{
    TTrackChoice choice;
    return ReadAudioChoice(value, choice);
}
bool SubtitlesText(const std::string& value)
{
    TTrackChoice choice;
    return ReadSubtitleChoice(value, choice);
}

// An option with a value: where the value is kept, what makes it usable,
// and what is said when it is not (%1 the value as given; for --jobs, %1 the
// most jobs and %2 the value).
struct TValueRule
{
    const char* Name;
    std::optional<std::string> THeadlessOptions::*Text;
    bool (*Usable)(const std::string&);
    const char* Unusable;
};

const TValueRule ValueRules[] = {
    {"--profile", &THeadlessOptions::Profile, AnyText, nullptr},
    {"--output", &THeadlessOptions::OutputDir, AnyText, nullptr},
    {"--done-folder", &THeadlessOptions::DoneFolder, AnyText, nullptr},
    {"--target-size", &THeadlessOptions::TargetSize, SizeText,
     QT_TRANSLATE_NOOP("HeadlessOptions",
                       "--target-size takes a size such as 25MB, 700MiB or 1.5GB, not %1")},
    {"--audio", &THeadlessOptions::Audio, AudioText,
     QT_TRANSLATE_NOOP("HeadlessOptions",
                       "--audio takes first, all or languages such as eng,fra, not %1")},
    {"--subtitles", &THeadlessOptions::Subtitles, SubtitlesText,
     QT_TRANSLATE_NOOP("HeadlessOptions", "--subtitles takes none, keep or burn, not %1")},
    {"--jobs", nullptr, nullptr,
     QT_TRANSLATE_NOOP("HeadlessOptions", "--jobs takes a whole number from 1 to %1, not %2")}};

// Keeps `value` of the option `rule`; why it cannot be used, empty when it can.
std::string TakeValue(const TValueRule& rule, const std::string& value, THeadlessOptions& options,
                      const TTranslator& translate)
{
    if (!rule.Text) {
        if (ParseJobs(value, options.Jobs))
            return {};
        return FillText(translate(Context, rule.Unusable),
                        {std::to_string(MaxJobs), Quoted(value)});
    }
    options.*rule.Text = value;
    if (rule.Usable(value))
        return {};
    return FillText(translate(Context, rule.Unusable), {Quoted(value)});
}

// What the flags ask for, once every argument has been read.
std::string Settle(TParseState& state, const TTranslator& translate)
{
    THeadlessOptions& options = state.Options;
    options.CheckQuality = state.CheckQuality;
    const auto say = [&translate](const char* text, const std::vector<std::string>& args = {}) {
        return FillText(translate(Context, text), args);
    };
    if (state.Overwrite && state.Rename)
        return say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                     "--overwrite and --rename cannot be used together"));
    for (const auto& [asked, action] : {std::pair{state.Help, THeadlessAction::Help},
                                        {state.Version, THeadlessAction::Version},
                                        {state.ListProfiles, THeadlessAction::ListProfiles},
                                        {state.ListFormats, THeadlessAction::ListFormats}})
        if (asked) {
            options.Action = action;
            return {};
        }
    if (options.Inputs.empty())
        return say(QT_TRANSLATE_NOOP("HeadlessOptions", "no file or directory to convert"));
    // The window ignores what follows a list file; a batch would drop it
    // without a word.
    if (options.Inputs.size() > 1 && IsListFileArgument(options.Inputs.front()))
        return say(QT_TRANSLATE_NOOP("HeadlessOptions",
                                     "the list file %1 must be the only file or directory"),
                   {Quoted(options.Inputs.front())});
    return {};
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
    TParseState state;
    THeadlessParse parse;
    // What was read up to a fault is handed back with it.
    const auto finish = [&](std::string error) {
        parse.Options = state.Options;
        parse.Error = std::move(error);
        return parse;
    };
    const auto say = [&translate](const char* text, const std::string& argument) {
        return FillText(translate(Context, text), {Quoted(argument)});
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            state.Options.Inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const auto flag =
            std::find_if(std::begin(FlagRules), std::end(FlagRules),
                         [&argument](const TFlagRule& r) { return argument == r.Name; });
        if (flag != std::end(FlagRules)) {
            state.*flag->Seen = true;
            if (flag->Seen == &TParseState::Overwrite || flag->Seen == &TParseState::Rename)
                state.Options.Overwrite = flag->Seen == &TParseState::Overwrite;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto rule = std::find_if(std::begin(ValueRules), std::end(ValueRules),
                                       [&name](const TValueRule& r) { return name == r.Name; });
        if (rule == std::end(ValueRules))
            return finish(say(QT_TRANSLATE_NOOP("HeadlessOptions", "unknown option %1"), argument));
        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        if (value.empty())
            return finish(
                say(QT_TRANSLATE_NOOP("HeadlessOptions", "option %1 needs a value"), name));
        if (std::string error = TakeValue(*rule, value, state.Options, translate); !error.empty())
            return finish(std::move(error));
    }
    return finish(Settle(state, translate));
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
