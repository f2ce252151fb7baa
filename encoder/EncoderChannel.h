// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The encoder's file in the application directory: an executable despite
// its name.
inline constexpr char EncoderFileName[] = "tolvex.dll";

// The one encoder process that runs at a time, and the channel its output
// comes through. Standard output and standard error are merged into one
// stream, as the reports are parsed as one text; standard input is the null
// device, because the encoder otherwise reads keystrokes from whatever input
// it inherits and can stop on a stray "q".
//
// Output is delivered in chunks: each read takes at most MaxChunk() bytes and
// becomes one ChunkRead. After every run, whether it ended by itself, was
// killed or never started, the process is reaped and its pipes are closed.
class EncoderChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr int ConversionChunk = 4095;
    static constexpr int ProbeChunk = 4096;

    explicit EncoderChannel(QObject* parent = nullptr);
    ~EncoderChannel() override;

    // Runs started from now on get only the time no other program wants
    // (the lowest scheduling class and niceness), for work nobody waits for.
    void SetIdlePriority();

    // Reads are at most this many bytes (at least 1). Default: ConversionChunk.
    void SetMaxChunk(int bytes);
    int MaxChunk() const { return FMaxChunk; }

    // Starts `program` with `arguments`, given as a list and never through a
    // shell. False when a run is still going or the program cannot be
    // started; a failed start leaves nothing behind.
    bool Start(const QString& program, const QStringList& arguments);

    // The argument vectors are built in the core as UTF-8 texts.
    static QStringList ArgumentList(const std::vector<std::string>& arguments);

    // Kills the running encoder, as TerminateProcess did, and reaps it. Output
    // not yet delivered is dropped and neither ChunkRead nor Finished is
    // emitted for the run afterwards: the caller that stops a run knows why
    // it ended. Does nothing when nothing runs. Safe inside a ChunkRead slot.
    void Terminate();

    bool IsRunning() const;

    // Stops the running encoder where it is (SIGSTOP) and lets it go on
    // (SIGCONT). A suspended encoder that is terminated is resumed as it is
    // killed, so that nothing stopped is left behind.
    void Suspend();
    void Resume();
    bool IsSuspended() const { return FSuspended; }

    // Runs `program` to its end without returning to the event loop, and
    // returns all its output joined. Past `timeoutMs` the encoder is killed
    // and the output read so far is returned. `started` (when given) tells
    // whether the program could be started at all. ChunkRead and Finished
    // are emitted as in a run started with Start.
    QByteArray RunToEnd(const QString& program, const QStringList& arguments, int timeoutMs,
                        int maxChunk, bool* started = nullptr);

    // The process id of the running encoder, 0 when none: for tests that
    // check that nothing is left behind.
    qint64 ProcessId() const;

    // The last error of the current or last run; UnknownError when none.
    QProcess::ProcessError LastError() const { return FLastError; }

signals:
    // One read of the merged output, never longer than MaxChunk().
    void ChunkRead(const QByteArray& chunk);
    // The run has ended by itself; every byte of its output has been
    // delivered as chunks before this. `crashed` is true when the encoder
    // died from a signal.
    void Finished(int exitCode, bool crashed);

private:
    void DeliverOutput();
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void KillAndReap();

    QProcess* FProcess;
    int FMaxChunk = ConversionChunk;
    // Raised while a run is being stopped, so that the kill's own output and
    // finish notification do not reach the slots.
    bool FStopping = false;
    bool FSuspended = false;
    // Counts runs, so that a read loop notices when a slot stopped its run.
    quint64 FRun = 0;
    QProcess::ProcessError FLastError = QProcess::UnknownError;
};
