// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture into a square PNG with Qt's own SVG renderer, the
// one the program draws its icons with, so the installed bitmaps look like
// the scalable icon. The build runs it; nothing else needs it.
//   render_icon <input.svg> <size in pixels> <output.png>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = arguments.value(2).toInt(&sizeOk);
    if (arguments.size() != 4 || !sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: render_icon <input.svg> <size> <output.png>\n");
        return 2;
    }
    QImageReader reader(arguments[1]);
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(arguments[1]),
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(arguments[3], "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
