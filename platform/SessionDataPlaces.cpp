// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionDataPlaces.h"

#include <QProcess>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

// Long enough for a shell script on a loaded machine, short enough that a
// hung tool cannot hold the start-up.
constexpr int ToolTimeout = 3000;

// The folder's name as the tool prints it: bytes, like every path here.
std::string UserVideosDir()
{
    QProcess tool;
    tool.start(QStringLiteral("xdg-user-dir"), {QStringLiteral("VIDEOS")});
    if (!tool.waitForFinished(ToolTimeout)) {
        tool.kill();
        tool.waitForFinished(ToolTimeout);
        return {};
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return {};
    return tool.readAllStandardOutput().trimmed().toStdString();
}

} // namespace

std::optional<TDataPlaces> SessionDataPlaces(const QString& appDir)
{
    const std::string dir = appDir.toStdString();
    if (SettingsBesideProgram(dir))
        return TDataPlaces(dir);
    // Without HOME (a service, "env -i") the toolkit would answer "/", and
    // the settings would go to "/.config".
    const passwd* entry = ::getpwuid(::getuid());
    const std::string home = HomeFolder(std::getenv("HOME"), entry ? entry->pw_dir : nullptr);
    if (home.empty())
        return std::nullopt;
    return DataPlacesInHome(dir, home, qEnvironmentVariable("XDG_CONFIG_HOME").toStdString(),
                            UserVideosDir());
}
