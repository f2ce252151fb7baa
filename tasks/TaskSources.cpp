// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskSources.h"

#include "base/PathText.h"
#include "tasks/TaskPaths.h"

#include <QDir>
#include <QFileInfo>

QStringList ListTaskDirectory(const QString& directory)
{
    QStringList patterns;
    for (const std::string& ext : SupportedExtensions())
        patterns.append(QStringLiteral("*") + QString::fromStdString(ext));
    // Without QDir::Hidden dot-files stay out; name filters ignore case unless
    // told otherwise.
    return QDir(directory).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

TTaskFiles ExpandTaskPaths(const QStringList& paths)
{
    TTaskFiles files;
    for (const QString& path : paths) {
        if (path.isEmpty() || !QFileInfo(path).isDir()) {
            files.Files.append(path);
            continue;
        }
        const QString prefix = QString::fromStdString(WithTrailingBackslash(path.toStdString()));
        for (const QString& name : ListTaskDirectory(path))
            files.Files.append(prefix + name);
        const std::vector<std::string> names = UnnamableVideoFiles(path.toStdString());
        files.Unnamable.insert(files.Unnamable.end(), names.begin(), names.end());
    }
    return files;
}
