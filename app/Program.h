// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ApplicationWindows;
class Platform;
class QApplication;
class TSingleWindow;
class TTerminationSignals;
struct TDataPlaces;

// The windowed program around its windows: it ends when a batch that
// outlived its closed window is done, and it closes as the window's own
// close does when the session ends or it is asked to end by a signal
// (SIGTERM, SIGINT, SIGHUP), instead of dying with its preferences unsaved
// and an encoder's unfinished output left behind. That holds from the
// start: a signal while the start-up asks about the last session's tasks
// leaves them kept, and the program ends with status 0.
//
// A settings folder has one window: a start while one is open hands its
// files to that window, which lists them, and ends without a window.
class TProgram
{
public:
    TProgram(QApplication& application, Platform& platform, const TDataPlaces& places,
             const QStringList& arguments);
    ~TProgram();

    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    // Null when this start handed its files over.
    ApplicationWindows* Windows() { return FWindows.get(); }

    // Shows the main window and runs the program to its end.
    int Exec();

private:
    void EndSession();

    QApplication& FApplication;
    std::unique_ptr<TTerminationSignals> FSignals;
    std::unique_ptr<TSingleWindow> FSingle;
    std::unique_ptr<ApplicationWindows> FWindows;
    // Set when the program ends without running: the files were handed
    // over, or could not be.
    std::optional<int> FExitCode;
    bool FEnding = false;
};
