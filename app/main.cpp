#include "app/ArgumentText.h"
#include "app/Program.h"
#include "platform/DesktopPlatform.h"
#include "preview/MediaBackend.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SelectMediaBackend();
    QApplication application(argc, argv);
    // The title is empty until the main window's start-up names the program.
    QApplication::setApplicationName(QString());
    QApplication::setDesktopFileName(QStringLiteral("quenby"));
    DesktopPlatform platform;
    // The arguments' own bytes: the toolkit's texts would lose names that
    // are not valid UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ArgumentFromBytes(argv[i]);
    TProgram program(application, platform,
                     QCoreApplication::applicationDirPath() + QStringLiteral("/"), arguments);
    return program.Exec();
}
