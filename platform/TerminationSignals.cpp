// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <tuple>
#include <unistd.h>

namespace {

constexpr int Watched[] = {SIGTERM, SIGINT,  SIGHUP,  SIGQUIT, SIGUSR1,
                           SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ, SIGPWR};

// A signal handler can reach nothing but static storage, so the pipe's write
// end has to live here; it is set only while a watcher exists.
std::atomic<int> WriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

void OnSignal(int signal)
{
    const int savedErrno = errno;
    const int fd = WriteEnd.load();
    if (fd >= 0) {
        const unsigned char number = static_cast<unsigned char>(signal);
        // A full pipe drops the byte: a signal already waiting to be read
        // ends the program just the same.
        [[maybe_unused]] const ssize_t written = ::write(fd, &number, 1);
    }
    errno = savedErrno;
}

} // namespace

TTerminationSignals::TTerminationSignals(QObject* parent) : QObject(parent)
{
    static_assert(std::size(Watched) == std::tuple_size_v<decltype(FPrevious)>);
    int fds[2];
    // Close-on-exec, so that no encoder inherits it; non-blocking, so that
    // neither the handler nor the reader can ever wait on it.
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    FReadEnd = fds[0];
    FWriteEnd = fds[1];
    int expected = -1;
    if (!WriteEnd.compare_exchange_strong(expected, FWriteEnd))
        return; // another watcher exists
    FNotifier = new QSocketNotifier(FReadEnd, QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TTerminationSignals::ReadSignals);

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Watched); ++i)
        ::sigaction(Watched[i], &action, &FPrevious[i]);
}

TTerminationSignals::~TTerminationSignals()
{
    if (FNotifier) {
        for (std::size_t i = 0; i < std::size(Watched); ++i)
            ::sigaction(Watched[i], &FPrevious[i], nullptr);
        WriteEnd.store(-1);
    }
    if (FReadEnd >= 0)
        ::close(FReadEnd);
    if (FWriteEnd >= 0)
        ::close(FWriteEnd);
}

void TTerminationSignals::ReadSignals()
{
    unsigned char numbers[16];
    for (;;) {
        const ssize_t count = ::read(FReadEnd, numbers, sizeof numbers);
        if (count <= 0)
            break;
        for (ssize_t i = 0; i < count; ++i)
            emit Received(numbers[i]);
    }
}
