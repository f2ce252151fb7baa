// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() runs it, driven as a user would drive it: a changed
// preference, an output folder, the files, then Start. The session-end test
// sends it a signal while it converts. It restores the tasks a last session
// left. Without any task, it saves the shown profile with the settings
// dialog's OK instead, and closes.
//
// Usage: session_end_driver APPDIR OUTPUTDIR [INPUT...]
// Prints "running" once the batch has started.
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "app/Program.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/Preferring.h"
#include "platform/SessionDataPlaces.h"
#include "preview/MediaBackend.h"
#include "settings/Settings.h"
#include "tasks/TaskList.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    SelectMediaBackend();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: session_end_driver APPDIR OUTPUTDIR [INPUT...]\n");
        return 2;
    }
    FakePlatform platform;
    platform.choices = {0}; // Restore
    if (qEnvironmentVariableIsSet("QUENBY_DRIVER_HOLD_QUESTION"))
        platform.onChoose = [] {
            std::printf("asking\n");
            std::fflush(stdout);
            QEventLoop().exec(); // until the program is asked to end
            return -1;
        };
    TProgram program(application, platform, *SessionDataPlaces(arguments[1]), {});
    ApplicationWindows& windows = *program.Windows();
    QTimer::singleShot(0, &application, [&] {
        Prefer(windows, [](TPreferences& p) { p.SynMode = 2; });
        windows.MainForm->BottomStrip.edtOutputdir->setText(arguments[2]);
        if (arguments.size() == 3 && windows.TaskList->Model().TaskCount() == 0) {
            windows.SettingForm->ShowProfilesPage();
            windows.SettingForm->btnOKClick();
            windows.MainForm->close();
            return;
        }
        for (const QString& input : arguments.mid(3))
            AddAndWait(windows.TaskList->Adds(), {input});
        windows.Runner->tbtnStartClick();
        std::printf("running\n");
        std::fflush(stdout);
    });
    return program.Exec();
}
