// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QObject;

// A command of a component as an action owned by `owner`, for the toolbar:
// `hint` names it (its text, its spoken name, and its tooltip together with
// `shortcut`), and `icon` is its toolbar picture (AppIcons). `spoken`, when
// given, is its text and spoken name instead, for a hint that another
// control of the window shares.
QAction* NewCommand(const QString& hint, const QString& icon, const QString& shortcut,
                    QObject* owner, const QString& spoken = QString());
