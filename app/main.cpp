// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ArgumentText.h"
#include "app/Program.h"
#include "base/NewInifiles.h"
#include "cli/Headless.h"
#include "cli/HeadlessOptions.h"
#include "cli/ProgramArguments.h"
#include "platform/DesktopPlatform.h"
#include "platform/SessionDataPlaces.h"
#include "platform/Translators.h"
#include "preview/MediaBackend.h"
#include "settings/PreferenceValues.h"
#include "settings/SettingsFolder.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

const char* const ShortUsage = "Usage: quenby [FILE_OR_DIRECTORY]...\n"
                               "  or:  quenby --convert [OPTION]... FILE_OR_DIRECTORY...\n"
                               "Try 'quenby --help' for more information.\n";

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// A platform chosen by name (offscreen, vnc, ...) needs no display server;
// otherwise the window needs an X or a Wayland one.
bool HasDisplay()
{
    if (IsSet("QT_QPA_PLATFORM")) {
        const std::string platform = std::getenv("QT_QPA_PLATFORM");
        if (!platform.starts_with("xcb") && !platform.starts_with("wayland"))
            return true;
    }
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

// The language the user chose in the preferences, else the system's.
TTranslators LanguageTranslators(const TDataPlaces& places)
{
    const std::string chosen =
        ReadPreferenceValues(TNewInifile(PreferencesPath(places)), MainSection, "").Language;
    const QString dir = TranslationsDir(places.AppDir);
    return TTranslators(dir, InterfaceLanguage(QString::fromStdString(chosen),
                                               QLocale::system().uiLanguages(), dir));
}

// "--help", "--version", "--list-profiles" and "--list-formats" are
// answered as the batch answers them, and need no display either.
bool AnsweredWithoutWindow(const TWindowRequest& request)
{
    return request.Help || request.Version || request.ListProfiles || request.ListFormats;
}

int RunWithoutWindow(int argc, char** argv, const std::vector<std::string>& bytes, bool headless,
                     const TWindowRequest& request)
{
    QCoreApplication application(argc, argv);
    std::vector<std::string> arguments = headless ? bytes : std::vector<std::string>{ConvertSwitch};
    if (!headless) {
        for (const auto& [asked, option] : {std::pair{request.Help, "--help"},
                                            {request.Version, "--version"},
                                            {request.ListProfiles, "--list-profiles"},
                                            {request.ListFormats, "--list-formats"}})
            if (asked)
                arguments.emplace_back(option);
    }
    const std::optional<TDataPlaces> places =
        SessionDataPlaces(QCoreApplication::applicationDirPath());
    if (!places) {
        std::fprintf(stderr, "quenby: %s\n", NoHomeFolderText);
        return ExitUsage;
    }
    const TTranslators translators = LanguageTranslators(*places);
    return RunHeadless(*places, arguments);
}

int RunWindow(int argc, char** argv)
{
    SelectMediaBackend();
    QApplication application(argc, argv);
    // The title is empty until the main window's start-up names the program.
    QApplication::setApplicationName(QString());
    QApplication::setDesktopFileName(QStringLiteral("quenby"));
    DesktopPlatform platform;
    // The arguments' own bytes: the toolkit's texts would lose names that
    // are not valid UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ArgumentFromBytes(argv[i]);
    const std::optional<TDataPlaces> places =
        SessionDataPlaces(QCoreApplication::applicationDirPath());
    if (!places) {
        std::fprintf(stderr, "quenby: %s\n", NoHomeFolderText);
        platform.ShowError(QString::fromUtf8(NoHomeFolderText));
        return ExitUsage;
    }
    // Before the first widget: every text is made once, in this language.
    const TTranslators translators = LanguageTranslators(*places);
    TProgram program(application, platform, *places, arguments);
    return program.Exec();
}

} // namespace

int main(int argc, char** argv)
{
    // A batch without a window needs no display: the core application loads
    // no platform plugin, and no widget is ever made. Both ways read the same
    // preferences and profiles: where they lie is decided once, here.
    const std::vector<std::string> bytes(argv + 1, argv + argc);
    const bool headless = IsHeadlessCommandLine(bytes);
    std::error_code error;
    const TWindowRequest request =
        headless ? TWindowRequest()
                 : ReadWindowRequest(bytes, std::filesystem::current_path(error).string());
    if (headless || AnsweredWithoutWindow(request))
        return RunWithoutWindow(argc, argv, bytes, headless, request);
    for (const std::string& note : request.Notes)
        std::fprintf(stderr, "quenby: %s\n", note.c_str());
    // Without a display the toolkit would abort; say what to do instead.
    if (!HasDisplay()) {
        if (!request.Notes.empty())
            std::fputs(ShortUsage, stderr);
        else
            std::fputs("quenby: the window needs a display; to convert without one, use\n"
                       "  quenby --convert [OPTION]... FILE_OR_DIRECTORY...\n",
                       stderr);
        return ExitUsage;
    }
    return RunWindow(argc, argv);
}
