#include "preview/MediaBackend.h"

#include <QByteArray>
#include <QtGlobal>

void SelectMediaBackend()
{
    // GStreamer plays every supported container with Debian's plugin sets,
    // and plays video on machines without a sound device, where the FFmpeg
    // backend of this Qt version crashes.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("gstreamer"));
}
