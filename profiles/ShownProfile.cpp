// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ShownProfile.h"

#include <QString>

std::string TShownProfile::Value(int group, const std::string& name) const
{
    const QString label = QString::fromStdString(name);
    for (const TProfileParameter& row : Rows)
        if (row.Group == group &&
            QString::fromStdString(row.Name).compare(label, Qt::CaseInsensitive) == 0)
            return row.ShownValue();
    return {};
}

TShownProfile LoadShownProfile(const std::string& path)
{
    TShownProfile shown;
    shown.Walk =
        WalkProfile(path, [&shown](const TProfileParameter& p) { shown.Rows.push_back(p); });
    return shown;
}
