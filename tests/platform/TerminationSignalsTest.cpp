#include "platform/TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

// Each signal that would end the program on the spot arrives, in order, as
// Received from the event loop, and the program lives on to close itself.
TEST(TerminationSignals, EverySignalThatWouldEndTheProgramArrivesFromTheEventLoop)
{
    TTerminationSignals watcher;
    ASSERT_TRUE(watcher.IsWatching());
    QSignalSpy received(&watcher, &TTerminationSignals::Received);
    const QList<int> all{SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGUSR1,
                         SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ, SIGPWR};
    for (const int signal : all)
        ::raise(signal);
    EXPECT_TRUE(received.isEmpty()) << "nothing is emitted inside the handler";
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == all.size(); }, 5000));
    QList<int> numbers;
    for (const QList<QVariant>& arguments : received)
        numbers << arguments.at(0).toInt();
    EXPECT_EQ(numbers, all);
}
