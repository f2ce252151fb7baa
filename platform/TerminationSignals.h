#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// The signals that ask the program to end: SIGTERM (a logout, a shutdown,
// `kill`), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal went away).
// Left to their default, they end the program on the spot: the preferences
// are not saved and an unfinished output stays. While an object of this
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
    struct sigaction FPrevious[3];
};
