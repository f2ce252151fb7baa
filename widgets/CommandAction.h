#pragma once

#include <QString>

class QAction;
class QObject;

// A command of a component as an action owned by `owner`, for the toolbar:
// `hint` names it (its text, its spoken name, and its tooltip together with
// `shortcut`), and `icon` is its toolbar picture (AppIcons).
QAction* NewCommand(const QString& hint, const QString& icon, const QString& shortcut,
                    QObject* owner);
