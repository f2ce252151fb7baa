// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

// The signals that ask the program to end: SIGTERM (a logout, a shutdown,
// `kill`), SIGINT (Ctrl+C in a terminal), SIGHUP (the terminal went away),
// SIGQUIT (Ctrl+\), SIGUSR1 and SIGUSR2 (sent by scripts and job runners),
// SIGALRM (a timer someone set), SIGXCPU and SIGXFSZ (a CPU time or file
// size limit was reached) and SIGPWR (the power is failing). Left to their
// default, each ends the program on the spot: the preferences are not saved
// and unfinished outputs stay. SIGKILL cannot be caught; a batch removes
// what a killed one left when it starts. While an object of this
// class exists they are caught instead and delivered as Received from the
// event loop, where the program can close as its window's close does.
//
// The handler itself only writes the signal's number into a pipe, which is
// all that is safe inside a signal handler; a socket notifier reads it on
// the event loop's thread. Only one object may exist at a time.
class TTerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TTerminationSignals(QObject* parent = nullptr);
    ~TTerminationSignals() override;

    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

    // False when the pipe or the handlers could not be set up; the signals
    // then keep their default.
    bool IsWatching() const { return FNotifier != nullptr; }

signals:
    void Received(int signal);

private:
    void ReadSignals();

    int FReadEnd = -1;
    int FWriteEnd = -1;
    QSocketNotifier* FNotifier = nullptr;
    std::array<struct sigaction, 10> FPrevious;
};
