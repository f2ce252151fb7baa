#include "app/Main.h"
#include "app/ApplicationWindows.h"
#include "app/ArgumentText.h"
#include "convert/BatchRunner.h"
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
    ApplicationWindows windows(QCoreApplication::applicationDirPath() + QStringLiteral("/"),
                               platform, arguments);
    // A batch that outlived its closed window ends the program when it is done.
    QObject::connect(windows.Runner.get(), &TBatchRunner::ProgramEndRequested, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    windows.MainForm->show();
    return application.exec();
}
