// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OpenFolder.h"

#include "platform/Platform.h"

namespace {

const char* const CannotOpenText = "No application could open the folder\n%1";
const char* const CannotOpenTitle = "Open Folder";

} // namespace

void OpenFolderOrTell(Platform& platform, QWidget* owner, const QString& folder)
{
    if (platform.ShellOpen(folder))
        return;
    platform.MessageBox(owner, QString::fromUtf8(CannotOpenText).arg(folder),
                        QString::fromUtf8(CannotOpenTitle), Platform::Icon::Information,
                        Platform::Buttons::Ok);
}
