// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class ApplicationWindows;
class Platform;
class QApplication;
class TTerminationSignals;
struct TDataPlaces;

// The windowed program around its windows: it ends when a batch that
// outlived its closed window is done, and it closes as the window's own
// close does when the session ends or it is asked to end by a signal
// (SIGTERM, SIGINT, SIGHUP), instead of dying with its preferences unsaved
// and an encoder's unfinished output left behind.
class TProgram
{
public:
    TProgram(QApplication& application, Platform& platform, const TDataPlaces& places,
             const QStringList& arguments);
    ~TProgram();

    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    ApplicationWindows& Windows() { return *FWindows; }

    // Shows the main window and runs the program to its end.
    int Exec();

private:
    void EndSession();

    QApplication& FApplication;
    std::unique_ptr<ApplicationWindows> FWindows;
    std::unique_ptr<TTerminationSignals> FSignals;
    bool FEnding = false;
};
