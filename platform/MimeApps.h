// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Which application the desktop opens a kind of file with, read the way the
// freedesktop.org desktops keep it: "mimeapps.list" files name defaults and
// added or removed associations, and desktop entries ("*.desktop" files in
// "applications" folders) name the types they can open. Nothing is started
// and no helper program is asked, so the answer is quick and cannot hang.

struct MimeAppsPlaces
{
    // The "mimeapps.list" files, the one that wins first: the user's
    // configuration, the system's, then those beside the applications.
    std::vector<std::string> ListFiles;
    // The "applications" folders, the one that wins first: the user's, then
    // the system's. A desktop entry's id is its path below such a folder
    // with "/" read as "-".
    std::vector<std::string> ApplicationDirs;
    // The folders a desktop entry's "TryExec" program is looked for in.
    std::vector<std::string> SearchPath;
};

// The path of the desktop entry that opens files of any of `mimeTypes` (a
// type and its aliases): the first installed default, otherwise the first
// installed application associated with one of them and not removed by the
// user. An entry counts as installed when its file is found, is not
// "Hidden", and its "TryExec" program, if it names one, exists. Empty when
// there is none.
std::string DefaultDesktopEntry(const std::vector<std::string>& mimeTypes,
                                const MimeAppsPlaces& places);

// The places for a user's session, from the XDG base-directory variables as
// given (unset ones empty), the user's home folder, the desktops named in
// XDG_CURRENT_DESKTOP and PATH.
MimeAppsPlaces SessionMimeAppsPlaces(const std::string& home, const std::string& configHome,
                                     const std::string& configDirs, const std::string& dataHome,
                                     const std::string& dataDirs, const std::string& desktops,
                                     const std::string& path);
