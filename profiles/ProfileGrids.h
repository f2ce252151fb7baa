// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Platform;
class ValueListEditor;

// The three parameter grids a profile is loaded into: the main window's
// detail panel and the settings dialog's profile editor each have their own.
struct TProfileGrids
{
    ValueListEditor* Video = nullptr;
    ValueListEditor* Audio = nullptr;
    ValueListEditor* Advanced = nullptr;

    // The grid of group 1 Video, 2 Audio or 3 Advanced; null for any other.
    ValueListEditor* ForGroup(int group) const;
};

// The rows a parameter grid of group 1 Video, 2 Audio or 3 Advanced holds,
// with empty values, until a profile is loaded.
QStringList StartupRows(int group);

// Fills `grids` from the profile at `path`: when the file exists, the grids
// are emptied and each parameter becomes a row of its group's grid, a pick
// list showing item "Index" (read-only, so it can only be picked) or a text
// showing "Caption". A pick list whose Index names no item stops the load
// there with the list-index error shown through `platform`; the rows added
// so far stay and the grids keep their heights. `outputExt`, when given, is
// set to "." + the profile's "Type". A file without a "Main" section is no
// profile: the grids are left empty, `outputExt` as it was, and the refusal
// is shown through `platform`. Returns false when nothing was loaded
// completely (missing file, no profile or list-index error).
bool LoadProfileIntoGrids(const QString& path, const TProfileGrids& grids, Platform& platform,
                          QString* outputExt = nullptr);

// Writes the values `grids` show into the profile at `path` (SaveShownRows:
// pick lists by their position, editable texts as "Caption" and "Value",
// read-only parameters never). A file that cannot be written is reported
// through `platform` with the OS's reason and stays as it was. Returns
// whether the values were saved.
bool SaveGridsToProfile(const QString& path, const TProfileGrids& grids, Platform& platform);

// Sets a grid's height to its rows, 18 pixels each, as after a load; an empty
// grid keeps one row's height.
void FitGridHeight(ValueListEditor* grid);

// The text of the list-index error for an index.
QString ListIndexErrorText(int index);
