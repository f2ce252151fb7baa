// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OpenFolder.h"

#include "platform/Platform.h"

#include <QCoreApplication>

void OpenFolderOrTell(Platform& platform, QWidget* owner, const QString& folder)
{
    if (platform.ShellOpen(folder))
        return;
    platform.MessageBox(
        owner,
        QCoreApplication::translate("OpenFolder", "No application could open the folder\n%1")
            .arg(folder),
        QCoreApplication::translate("OpenFolder", "Open Folder"), Platform::Icon::Information,
        Platform::Buttons::Ok);
}
