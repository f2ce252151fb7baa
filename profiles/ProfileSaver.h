// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// What a parameter grid shows for one parameter: the row's value and, for a
// pick list, the choices of its list.
struct TShownRow
{
    std::string Value;
    std::vector<std::string> Choices;
};

// Finds the row of the parameter `name` (UTF-8) in the grid of `group` (1
// Video, 2 Audio, 3 Advanced); false when that grid holds no such row.
using TShownRowLookup = std::function<bool(int group, const std::string& name, TShownRow& row)>;

// Writes what the grids show into the profile at `path`, reading its
// parameters as a load does (WalkProfile), in one INI store released at the
// end, which replaces the file in one step:
// - a parameter the file marks "ReadOnly" is never written;
// - a pick list gets "Index", the position of the shown value among the
//   row's choices, compared ignoring case; a value that is none of them
//   keeps the stored "Index", since -1 would stop every later load;
// - any other parameter gets "Caption" and then "Value", both the shown text;
// - a parameter whose grid has no row of its name (a load that stopped part
//   way) is left as it is rather than emptied.
// A text shown as read from a file written in a single-byte encoding goes
// back as the file's own bytes. No file at `path`: nothing happens. Throws
// EIniWriteError when the file cannot be written; it is then as it was.
void SaveShownRows(const std::string& path, const TShownRowLookup& lookup);

// Gives `target` the bytes of the profile at `source`, replacing a file there
// in one step. Throws EIniWriteError with the OS's reason when the source
// cannot be read or the target cannot be written; the target is then as it
// was.
void CopyProfileFile(const std::string& source, const std::string& target);
