// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/EncoderChannel.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// An encoder on a stalled network mount may hang in its start or in its
// death; the window waits this long for either, then goes on.
constexpr int StartTimeoutMs = 10000;
constexpr int ReapTimeoutMs = 5000;

// Qt 6.4 leaks a pipe descriptor each time a started child fails to exec,
// and a missing or unusable "tolvex.dll" would fail on every probe. Such a
// program is therefore refused before anything is forked.
bool CanExecute(const QString& program)
{
    const QString path = program.contains('/') ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

} // namespace

EncoderChannel::EncoderChannel(QObject* parent) : QObject(parent), FProcess(new QProcess(this))
{
    FProcess->setProcessChannelMode(QProcess::MergedChannels);
    FProcess->setStandardInputFile(QProcess::nullDevice());
    // Should this program die without its destructors running (killed,
    // crashed), the kernel takes the encoder down with it: no orphan goes on
    // writing a file nobody waits for. The encoder gets a process group of
    // its own, so that Ctrl+C at a terminal reaches this program alone, which
    // stops the batch as Stop does, rather than the encoder, which would end
    // by itself and fail its task.
    FProcess->setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    connect(FProcess, &QProcess::readyReadStandardOutput, this, &EncoderChannel::DeliverOutput);
    connect(FProcess, &QProcess::finished, this, &EncoderChannel::OnFinished);
    // Start failures are answered by Start's result and a crash arrives as
    // finished(); the error is kept so that a caller can tell which it was.
    connect(FProcess, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error) { FLastError = error; });
}

EncoderChannel::~EncoderChannel()
{
    Terminate();
}

QStringList EncoderChannel::ArgumentList(const std::vector<std::string>& arguments)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments)
        list.append(QString::fromStdString(argument));
    return list;
}

void EncoderChannel::SetIdlePriority()
{
    FProcess->setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // Where the idle class is not granted, the niceness alone holds.
        const sched_param none{};
        ::sched_setscheduler(0, SCHED_IDLE, &none);
        ::setpriority(PRIO_PROCESS, 0, 19);
    });
}

void EncoderChannel::SetMaxChunk(int bytes)
{
    FMaxChunk = std::max(1, bytes);
}

bool EncoderChannel::Start(const QString& program, const QStringList& arguments)
{
    if (IsRunning())
        return false;
    ++FRun;
    FStopping = false;
    FSuspended = false;
    FLastError = QProcess::UnknownError;
    if (!CanExecute(program)) {
        FLastError = QProcess::FailedToStart;
        return false;
    }
    FProcess->start(program, arguments, QIODevice::ReadOnly);
    if (!FProcess->waitForStarted(StartTimeoutMs)) {
        // The child that failed to exec has already been reaped by QProcess;
        // closing releases the pipes it had opened for it, and kills one
        // that is still starting.
        FProcess->close();
        return false;
    }
    return true;
}

void EncoderChannel::Terminate()
{
    if (FProcess->state() == QProcess::NotRunning)
        return;
    ++FRun;
    KillAndReap();
}

void EncoderChannel::KillAndReap()
{
    FStopping = true;
    FProcess->kill();
    // SIGKILL ends a stopped process too; the resume only makes sure.
    Resume();
    // A killed process dies at once, unless the kernel holds it in a
    // stalled read; close() then still waits for it, as it must to reap it.
    FProcess->waitForFinished(ReapTimeoutMs);
    FProcess->close();
    FStopping = false;
}

void EncoderChannel::Suspend()
{
    if (FSuspended || FProcess->state() != QProcess::Running)
        return;
    if (::kill(static_cast<pid_t>(FProcess->processId()), SIGSTOP) == 0)
        FSuspended = true;
}

void EncoderChannel::Resume()
{
    if (!FSuspended)
        return;
    FSuspended = false;
    if (FProcess->state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(FProcess->processId()), SIGCONT);
}

bool EncoderChannel::IsRunning() const
{
    return FProcess->state() != QProcess::NotRunning;
}

qint64 EncoderChannel::ProcessId() const
{
    return FProcess->processId();
}

void EncoderChannel::DeliverOutput()
{
    const quint64 run = FRun;
    while (!FStopping && run == FRun && FProcess->bytesAvailable() > 0) {
        const QByteArray chunk = FProcess->read(FMaxChunk);
        if (chunk.isEmpty())
            break;
        emit ChunkRead(chunk);
    }
}

void EncoderChannel::OnFinished(int exitCode, QProcess::ExitStatus status)
{
    if (FStopping)
        return;
    const quint64 run = FRun;
    DeliverOutput();
    if (run != FRun)
        return;
    FProcess->close();
    emit Finished(exitCode, status == QProcess::CrashExit);
}

QByteArray EncoderChannel::RunToEnd(const QString& program, const QStringList& arguments,
                                    int timeoutMs, int maxChunk, bool* started)
{
    QByteArray output;
    const int previousMax = FMaxChunk;
    SetMaxChunk(maxChunk);
    QMetaObject::Connection collect =
        connect(this, &EncoderChannel::ChunkRead, this,
                [&output](const QByteArray& chunk) { output += chunk; });

    const bool ok = Start(program, arguments);
    if (started)
        *started = ok;
    if (ok) {
        QElapsedTimer clock;
        clock.start();
        const quint64 run = FRun;
        while (run == FRun && FProcess->state() != QProcess::NotRunning) {
            const qint64 left = timeoutMs - clock.elapsed();
            if (left <= 0) {
                // Whatever has already arrived still counts, including what
                // still waits in the pipe.
                FProcess->waitForReadyRead(0);
                DeliverOutput();
                ++FRun;
                KillAndReap();
                break;
            }
            // Emits readyRead (delivered as chunks) and, at the end, finished.
            const int wait = static_cast<int>(std::min<qint64>(left, 1 << 30));
            if (!FProcess->waitForReadyRead(wait) && FProcess->state() != QProcess::NotRunning) {
                // An encoder that closed its output but lives on would make
                // every further wait for output return at once.
                FProcess->waitForFinished(
                    static_cast<int>(std::max<qint64>(1, timeoutMs - clock.elapsed())));
            }
        }
    }

    disconnect(collect);
    FMaxChunk = previousMax;
    return output;
}
