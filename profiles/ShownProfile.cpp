// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ShownProfile.h"

#include <QString>

namespace {

// Labels compared ignoring case as the grids compare them.
std::string RowKey(int group, const std::string& name)
{
    return std::to_string(group) + '\n' + QString::fromStdString(name).toCaseFolded().toStdString();
}

} // namespace

std::string TShownProfile::Value(int group, const std::string& name) const
{
    const auto row = FirstRow.find(RowKey(group, name));
    return row == FirstRow.end() ? std::string() : Rows[row->second].ShownValue();
}

TShownProfile LoadShownProfile(const std::string& path)
{
    TShownProfile shown;
    shown.Walk =
        WalkProfile(path, [&shown](const TProfileParameter& p) { shown.Rows.push_back(p); });
    for (std::size_t row = 0; row < shown.Rows.size(); ++row)
        shown.FirstRow.emplace(RowKey(shown.Rows[row].Group, shown.Rows[row].Name), row);
    return shown;
}
