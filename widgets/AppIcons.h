// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, compiled in from data/icons.

// The program's icon, for every window.
QIcon ApplicationIcon();

// A 48x48 toolbar picture by its file name without ".svg", with a washed-out
// grey variant for the disabled state so that a disabled button reads as
// unavailable at a glance.
QIcon ToolbarIcon(const QString& name);

// The welcome panel's illustration.
QPixmap WelcomePicture();

// Any other picture by its file name without ".svg", as drawn.
QIcon ProgramPicture(const QString& name);
