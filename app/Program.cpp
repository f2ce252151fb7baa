// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QSessionManager>

TProgram::TProgram(QApplication& application, Platform& platform, const TDataPlaces& places,
                   const QStringList& arguments)
    : FApplication(application)
{
    FWindows = std::make_unique<ApplicationWindows>(places, platform, arguments);
    // A batch that outlived its closed window ends the program when it is done.
    QObject::connect(FWindows->Runner, &TBatchRunner::ProgramEndRequested, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    FSignals = std::make_unique<TTerminationSignals>();
    QObject::connect(FSignals.get(), &TTerminationSignals::Received, FWindows->MainForm.get(),
                     [this](int) { EndSession(); });
#if QT_CONFIG(sessionmanager)
    QObject::connect(&application, &QGuiApplication::commitDataRequest, FWindows->MainForm.get(),
                     [this](QSessionManager&) { EndSession(); });
#endif
}

TProgram::~TProgram()
{
    // The handlers go first: a signal from here on ends the program at once.
    FSignals.reset();
    FWindows.reset();
}

int TProgram::Exec()
{
    FWindows->MainForm->show();
    return FApplication.exec();
}

void TProgram::EndSession()
{
    if (FEnding)
        return;
    FEnding = true;
    FWindows->EndSession();
    // Also the event loops of any dialog that is up.
    QCoreApplication::exit(0);
}
