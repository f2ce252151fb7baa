// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Platform;
class QString;
class QWidget;

// Opens `folder` in the desktop's file manager; when no application could
// be started for it, tells the user so in a message box owned by `owner`.
void OpenFolderOrTell(Platform& platform, QWidget* owner, const QString& folder);
