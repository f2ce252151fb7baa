// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/ApplicationWindows.h"
#include "app/ArgumentText.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "platform/DataPlaces.h"
#include "platform/Platform.h"
#include "platform/Product.h"
#include "platform/SingleWindow.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>

#include <string>
#include <vector>

TProgram::TProgram(QApplication& application, Platform& platform, const TDataPlaces& places,
                   const QStringList& arguments)
    : FApplication(application)
{
    // Caught from the start: the start-up may ask a question.
    FSignals = std::make_unique<TTerminationSignals>();
    QObject::connect(FSignals.get(), &TTerminationSignals::Received, FSignals.get(),
                     [this](int) { EndSession(); });
#if QT_CONFIG(sessionmanager)
    // Held by the watcher, which goes first when the program ends.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, FSignals.get(),
                     [this](QSessionManager&) { EndSession(); });
#endif

    std::vector<std::string> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(ArgumentToBytes(argument));
    FSingle = std::make_unique<TSingleWindow>(places.SettingsDir);
    switch (FSingle->ClaimWindow(QDir::currentPath().toStdString(), bytes)) {
    case TSingleWindow::Claim::First:
        break;
    case TSingleWindow::Claim::HandedOver:
        FExitCode = 0;
        return;
    case TSingleWindow::Claim::Refused:
        platform.MessageBox(nullptr,
                            QCoreApplication::translate(
                                "Program", "%1 is already open with these settings, but its window "
                                           "does not take files now. Try again once it has "
                                           "finished.")
                                .arg(ProductTitle),
                            ProductTitle, Platform::Icon::Warning, Platform::Buttons::Ok);
        FExitCode = 1;
        return;
    }

    FWindows = std::make_unique<ApplicationWindows>(places, platform, arguments);
    // A batch that outlived its closed window ends the program when it is done.
    QObject::connect(FWindows->Runner, &TBatchRunner::ProgramEndRequested, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    FSingle->Receive([this](const std::string& workingDir, const std::vector<std::string>& line) {
        return !FEnding && FWindows->TakeCommandLine(line, workingDir);
    });
}

TProgram::~TProgram()
{
    // The handlers go first: a signal from here on ends the program at once.
    FSignals.reset();
    FWindows.reset();
}

int TProgram::Exec()
{
    if (FExitCode)
        return *FExitCode;
    // Asked to end while the start-up asked its question.
    if (FEnding) {
        FWindows->EndSession();
        return 0;
    }
    FWindows->MainForm->show();
    return FApplication.exec();
}

void TProgram::EndSession()
{
    if (FEnding)
        return;
    FEnding = true;
    // Before the windows exist, Exec closes them instead of running.
    if (FWindows)
        FWindows->EndSession();
    // Also the event loops of any dialog that is up.
    QCoreApplication::exit(0);
}
