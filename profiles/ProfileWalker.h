// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <functional>
#include <string>
#include <vector>

class TNewInifile;

// Parameter groups; each has its own grid in the detail panel and in the
// profile editor.
enum TParamGroup
{
    pgVideo = 1,
    pgAudio = 2,
    pgAdvanced = 3
};

// One parameter of a profile as its file describes it, with the defaults of
// every missing key already applied.
struct TProfileParameter
{
    int Number = 0;         // its position i in "Main"/"0" ... "Main"/(Para - 1)
    std::string Name;       // the row label; texts are UTF-8 (ByteTextToUtf8)
    std::string Section;    // the name as the file spells it: its section's name
    int Group = pgAdvanced; // the grid it lands in, after the "Sort" rule
    int Sort = -1;          // "Sort" as read
    bool ReadOnly = false;
    bool IsList = true;
    std::string Caption;
    std::string Value;
    std::vector<std::string> Items; // SplitList(Caption) for a pick list
    int Index = 0;
    std::string Cmd;

    // A pick list whose "Index" names none of its items cannot be shown.
    bool IndexValid() const { return !IsList || (Index >= 0 && Index < int(Items.size())); }
    // The caption shown when the profile is loaded: item Index of a pick
    // list, the Caption text otherwise. Empty for an invalid index.
    std::string ShownValue() const;
};

enum class TWalkStatus
{
    Missing,        // no file at the path: nothing visited, nothing written
    Complete,       // every parameter visited
    ListIndexError, // stopped at a pick list with a bad Index
    NoMainSection   // not a profile (empty, garbage, binary): nothing visited
};

struct TProfileWalk
{
    TWalkStatus Status = TWalkStatus::Missing;
    std::string Type; // "Main"/"Type", "mp4" when missing; empty for NoMainSection
    int Para = 0;     // "Main"/"Para", 0 when missing
    int BadIndex = 0; // the offending Index for ListIndexError
};

enum class TIndexCheck
{
    StopAtBadIndex, // loading into grids: the bad parameter is visited, then the walk stops
    IgnoreIndex     // argument building and saving never look at Index
};

// Reads the profile at `path` and hands each parameter to `visit`, in the
// order of its number. A "Sort" outside 1..3 keeps the group of the parameter
// before; for the first parameter it means the Advanced group. A number below
// "Para" without a key in "Main" gives a parameter with the empty name; of a
// run of such numbers only the first is visited, and after the last key the
// walk ends. A file without a "Main" section is no profile: no defaults are
// made up for it. The walk only reads, so the file stays as it is.
TProfileWalk WalkProfile(const std::string& path,
                         const std::function<void(const TProfileParameter&)>& visit,
                         TIndexCheck check = TIndexCheck::StopAtBadIndex);

// The same walk over a store that is already open, which is left open and
// unwritten: a caller that writes what it visits releases it itself. The
// status is Complete, ListIndexError or NoMainSection.
TProfileWalk WalkProfile(const TNewInifile& store,
                         const std::function<void(const TProfileParameter&)>& visit,
                         TIndexCheck check = TIndexCheck::StopAtBadIndex);

// How a profile file without a "Main" section is refused, by its name, in the words `translated`
// gives.
std::string NoMainSectionText(const std::string& profileName,
                              TTranslator translated = Untranslated);
// The same for the profile file at `path`, named as the catalogue names it.
std::string NoMainSectionTextOf(const std::string& path, TTranslator translated = Untranslated);

// The fault of a pick list whose Index names no item, as the walk reports it
// (TProfileWalk::BadIndex), for the window's message and the headless note.
std::string ListIndexErrorText(int index, TTranslator translated = Untranslated);

// The comma-terminated list: every item is followed by ","; what follows the
// last "," is ignored.
std::vector<std::string> SplitList(const std::string& text);

// Names (no directory) of the regular files in `dir`, hidden ones included,
// whose lower-cased extension equals lower-cased `ext`, sorted by name
// ignoring case so that the catalogue keeps its order from run to run. A
// directory that cannot be listed gives an empty list.
std::vector<std::string> ListFilesWithExt(const std::string& dir, const std::string& ext);

// Whether a regular file exists at `path`.
bool FileExists(const std::string& path);

// The position of `text` among `items`, ignoring the case of A-Z; -1 when absent.
int IndexOfIgnoringCase(const std::vector<std::string>& items, const std::string& text);
