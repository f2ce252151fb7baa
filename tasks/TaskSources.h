// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The supported files directly inside `directory`, sorted ignoring case;
// hidden files are left out. Names only.
QStringList ListTaskDirectory(const QString& directory);

// The files that adding `paths` lists, in that order.
struct TTaskFiles
{
    QStringList Files;
    // Supported files found in the directories whose names are not valid
    // UTF-8: they cannot be handed on, and the user is told instead.
    std::vector<std::string> Unnamable;
};

// An existing directory stands for its supported files (ListTaskDirectory,
// each after the directory and a separator); any other path for itself.
TTaskFiles ExpandTaskPaths(const QStringList& paths);
