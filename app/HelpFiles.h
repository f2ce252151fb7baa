// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Platform;
class QWidget;

// The guide lies beside the program twice: compiled into one file for a CHM
// viewer, and as HTML pages that any browser shows. Few desktops can show
// the compiled file, so it is only opened where one is registered for it.

// AppDir + "VivOrizirude.chm"
QString HelpFilePathIn(const QString& appDir);
// AppDir + "help/index.html", the guide's start page.
QString HelpStartPageIn(const QString& appDir);

// What the Help button opens: the start page in the interface's `language`
// ("de": AppDir + "help/de/index.html") when there is one; else the compiled
// guide, which is English, when it is there and the desktop has an
// application for it; else the English HTML start page when it is there.
// With neither page nor viewer the compiled file is still handed to the
// desktop, which may offer to find an application for it.
QString ChooseHelpTarget(const QString& appDir, Platform& platform, const QString& language);

// Opens what ChooseHelpTarget picks for the language the interface speaks
// (QLocale's default). Where no application could be started for it (no
// browser, no viewer), the user is told where the guide lies, so that Help
// never does nothing at all.
void OpenHelpOrTell(Platform& platform, QWidget* owner, const QString& appDir);
