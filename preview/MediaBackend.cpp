// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/MediaBackend.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QString>
#include <QtGlobal>

namespace {

const char* const BackendVariable = "QT_MEDIA_BACKEND";
const char* const PreferredBackend = "gstreamer";
const char* const MediaPluginInterface = "org.qt-project.Qt.QPlatformMediaPlugin";

bool IsMediaPluginFor(const QJsonObject& meta, const QString& backend)
{
    if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(MediaPluginInterface))
        return false;
    if (backend.isEmpty())
        return true;
    const QJsonArray keys =
        meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray();
    return keys.contains(backend);
}

} // namespace

void SelectMediaBackend()
{
    // GStreamer plays every supported container with Debian's plugin sets,
    // and plays video on machines without a sound device, where the FFmpeg
    // backend of this Qt version crashes.
    if (qEnvironmentVariableIsEmpty(BackendVariable))
        qputenv(BackendVariable, QByteArray(PreferredBackend));
}

bool MediaBackendAvailable()
{
    // Qt looks the backend up the same way: a media plugin with the chosen
    // key in a "multimedia" folder of the library paths.
    const QString backend = qEnvironmentVariable(BackendVariable);
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QDir plugins(path + QStringLiteral("/multimedia"));
        for (const QString& file : plugins.entryList(QDir::Files)) {
            QPluginLoader loader(plugins.filePath(file));
            // Loading proves that the framework's own libraries are there.
            if (IsMediaPluginFor(loader.metaData(), backend) && loader.load())
                return true;
        }
    }
    return false;
}
