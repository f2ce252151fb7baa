// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CommandAction.h"

#include "widgets/AppIcons.h"

#include <QAction>
#include <QKeySequence>

QAction* NewCommand(const QString& hint, const QString& icon, const QString& shortcut,
                    QObject* owner, const QString& spoken)
{
    auto* action = new QAction(spoken.isEmpty() ? hint : spoken, owner);
    action->setIcon(ToolbarIcon(icon));
    const QKeySequence keys(shortcut);
    action->setShortcut(keys);
    // The hint teaches the shortcut; the spoken name stays the hint alone.
    action->setToolTip(keys.isEmpty() ? hint
                                      : QStringLiteral("%1 (%2)").arg(
                                            hint, keys.toString(QKeySequence::NativeText)));
    return action;
}
