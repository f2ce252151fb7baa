// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpFiles.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

const char* const HelpFile = "VivOrizirude.chm";
const char* const StartPage = "help/index.html";
const char* const HelpMimeType = "application/vnd.ms-htmlhelp";

bool IsFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QString HelpFilePathIn(const QString& appDir)
{
    return appDir + QString::fromUtf8(HelpFile);
}

QString HelpStartPageIn(const QString& appDir)
{
    return appDir + QString::fromUtf8(StartPage);
}

QString ChooseHelpTarget(const QString& appDir, Platform& platform, const QString& language)
{
    const QString ownPage = appDir + "help/" + language + "/index.html";
    if (language != u"en" && IsFile(ownPage))
        return ownPage;
    const QString compiled = HelpFilePathIn(appDir);
    if (IsFile(compiled) && !platform.DefaultApplication(QString::fromUtf8(HelpMimeType)).isEmpty())
        return compiled;
    const QString startPage = HelpStartPageIn(appDir);
    if (IsFile(startPage))
        return startPage;
    return compiled;
}

void OpenHelpOrTell(Platform& platform, QWidget* owner, const QString& appDir)
{
    const QString target =
        ChooseHelpTarget(appDir, platform, QLocale::languageToCode(QLocale().language()));
    if (platform.ShellOpen(target))
        return;
    platform.MessageBox(
        owner,
        QCoreApplication::translate("Help", "No application could show the user's guide\n%1")
            .arg(target),
        QCoreApplication::translate("Help", "Help"), Platform::Icon::Information,
        Platform::Buttons::Ok);
}
