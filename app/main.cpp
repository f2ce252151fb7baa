// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ArgumentText.h"
#include "app/Program.h"
#include "cli/Headless.h"
#include "cli/HeadlessOptions.h"
#include "cli/ProgramArguments.h"
#include "platform/DesktopPlatform.h"
#include "platform/SessionDataPlaces.h"
#include "preview/MediaBackend.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

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
    // "--help", "--version" and "--list-formats" are answered as the batch
    // answers them, and need no display either.
    if (headless || request.Help || request.Version || request.ListFormats) {
        QCoreApplication application(argc, argv);
        const char* const asked = request.Help      ? "--help"
                                  : request.Version ? "--version"
                                                    : "--list-formats";
        const std::vector<std::string> arguments =
            headless ? bytes : std::vector<std::string>{ConvertSwitch, asked};
        return RunHeadless(SessionDataPlaces(QCoreApplication::applicationDirPath()), arguments);
    }
    for (const std::string& note : request.Notes)
        std::fprintf(stderr, "quenby: %s\n", note.c_str());

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
    TProgram program(application, platform,
                     SessionDataPlaces(QCoreApplication::applicationDirPath()), arguments);
    return program.Exec();
}
