// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AppIcons.h"

#include <QImage>
#include <QPainter>

// Q_INIT_RESOURCE must be used outside any namespace.
static void EnsureIconResources()
{
    // The resource lives in a static library, whose registration a linker may
    // drop as unreferenced; registering again is harmless.
    Q_INIT_RESOURCE(quenby);
}

namespace {

constexpr int ToolbarIconSize = 48;

QString IconPath(const QString& name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// Grey, lighter and half transparent: clearly "off" on the light toolbar.
QPixmap DisabledVariant(const QPixmap& source)
{
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = 150 + qGray(pixel) * 90 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * 55 / 100);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(source.devicePixelRatio());
    return result;
}

} // namespace

QIcon ApplicationIcon()
{
    EnsureIconResources();
    return QIcon(IconPath(QStringLiteral("quenby")));
}

QIcon ToolbarIcon(const QString& name)
{
    EnsureIconResources();
    const QIcon drawn(IconPath(name));
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap normal = drawn.pixmap(QSize(ToolbarIconSize, ToolbarIconSize), ratio);
        if (normal.isNull())
            continue;
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(normal, QIcon::Active);
        icon.addPixmap(DisabledVariant(normal), QIcon::Disabled);
    }
    return icon;
}

QPixmap WelcomePicture()
{
    EnsureIconResources();
    return QIcon(IconPath(QStringLiteral("welcome"))).pixmap(QSize(200, 150));
}

QIcon ProgramPicture(const QString& name)
{
    EnsureIconResources();
    return QIcon(IconPath(name));
}
