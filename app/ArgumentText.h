// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QUrl;
struct TaskEntry;

// Command-line arguments are bytes, and a file name among them need not be
// valid UTF-8. To reach the task list unchanged, so that such a name can be
// recognised and reported, each byte that is not part of a valid UTF-8
// sequence travels in the text as one of the code points U+DC80 to U+DCFF
// (the "surrogate escape" known from other languages' runtimes).
QString ArgumentFromBytes(const std::string& bytes);

// The bytes an argument text stands for: the inverse of ArgumentFromBytes,
// and UTF-8 for every other text.
std::string ArgumentToBytes(const QString& text);
// Each text's bytes, as ArgumentToBytes gives them.
std::vector<std::string> ArgumentsToBytes(const QStringList& texts);

// The local files and directories dropped on the window, sorted by
// SortDroppedPath, skipped ones left out. Each whole path, however long:
// nothing is cut to a fixed buffer.
std::vector<TaskEntry> DroppedTaskEntries(const QList<QUrl>& urls);
