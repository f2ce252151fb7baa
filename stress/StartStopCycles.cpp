// SPDX-License-Identifier: GPL-3.0-or-later
// Starts and stops a batch again and again against the fake encoder, through
// the program's own windows, and checks after every cycle that nothing of
// the run stays behind: no child process (running or a zombie), no more
// open descriptors than before the first Start, and a resident size within
// 5% of the one after the first cycle (read with Qt's pixmap cache emptied:
// see below).
//
//   start_stop_cycles [CYCLES]
//
// CYCLES defaults to 100. Each cycle starts a batch of three tasks (each
// encoder writes progress for about 200 ms) and presses Stop at a random
// moment in its first half second, so Stop lands during an encoder's run, in
// the gap between two tasks, or while an encoder is still starting. Prints
// the figures; exits with 1 when a cycle left something behind.

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/EventLoopWait.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/Preferring.h"
#include "fixtures/TempAppDir.h"
#include "tasks/KeptTasks.h"
#include "tasks/TaskList.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <unistd.h>

namespace {

using Fixtures::RunFor;
using Fixtures::RunUntil;

constexpr int TimeoutMs = 20000;

long ResidentKb()
{
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 100;
    if (cycles < 2) {
        std::fprintf(stderr, "usage: %s [CYCLES >= 2]\n", argv[0]);
        return 2;
    }

    TempAppDir app(TempAppDir::Encoder::Fake, true);
    const QString out = app.Path() + "out/";
    if (!app.IsValid() || !QDir().mkpath(app.Path() + "in") || !QDir().mkpath(out) ||
        !app.Script()
             .Set("probe.duration", "00:00:10")
             .Set("convert.steps", 10)
             .Set("convert.interval_ms", 20)
             .Set("convert.total", 10)
             .Save()) {
        std::fprintf(stderr, "cannot lay out the application directory\n");
        return 2;
    }

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    TBatchRunner& runner = *windows.Runner;
    Prefer(windows, [](TPreferences& p) { p.AutoOpenDir = false; });
    form.show();
    for (const char* name : {"a.avi", "b.avi", "c.avi"}) {
        const QString path = app.Path() + "in/" + name;
        QFile(path).open(QIODevice::WriteOnly);
        AddAndWait(windows.TaskList->Adds(), {path});
    }
    form.BottomStrip.edtOutputdir->setText(out);
    if (windows.TaskList->Model().TaskCount() != 3) {
        std::fprintf(stderr, "the files were not listed\n");
        return 2;
    }
    RunFor(50);

    const int descriptorsAtStart = OpenDescriptorCount();
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> stopAfterMs(0, 500);
    long firstKb = 0, lastKb = 0, largestKb = 0, smallestKb = 0;
    int mostDescriptors = 0, mostChildren = 0, timeouts = 0, failures = 0;
    int duringEncoder = 0, cancelled = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (const QString& name : QDir(out).entryList(QDir::Files))
            QFile::remove(out + name);
        runner.tbtnStartClick();
        RunFor(stopAfterMs(random));
        duringEncoder += !ChildProcesses().isEmpty();
        const qsizetype messages = platform.messages.size();
        runner.tbtnStopClick();
        if (!RunUntil([&] { return !runner.IsBatchActive(); }, TimeoutMs))
            ++timeouts;
        // Stop ends the run with the cancel message; a run that ended before
        // the press shows none.
        cancelled += platform.messages.size() > messages;
        platform.messages.clear();
        // Let objects released with deleteLater go before counting, and
        // the task list's keeper finish the write the cycle's changes of
        // state started: its file is open while it writes.
        RunFor(5);
        windows.KeptTasks->WaitForWriter();

        const int children = static_cast<int>(ChildProcesses().size());
        const int descriptors = OpenDescriptorCount();
        // The style keeps pixmaps of what it painted (progress bars at each
        // width and value) in Qt's pixmap cache, which grows up to its bound
        // of 10 MB whatever the program does: it is emptied before reading,
        // so that what grows is what the program holds.
        QPixmapCache::clear();
        const long kb = ResidentKb();
        if (cycle == 1)
            firstKb = smallestKb = kb;
        lastKb = kb;
        largestKb = std::max(largestKb, kb);
        smallestKb = std::min(smallestKb, kb);
        mostChildren = std::max(mostChildren, children);
        mostDescriptors = std::max(mostDescriptors, descriptors);
        const bool grew = std::abs(kb - firstKb) * 100 > firstKb * 5;
        if (children > 0 || descriptors > descriptorsAtStart || grew) {
            ++failures;
            std::fprintf(stderr, "cycle %d: %d children, %d descriptors (%d at start), %ld kB\n",
                         cycle, children, descriptors, descriptorsAtStart, kb);
            // What each descriptor names tells which one the cycle left.
            QProcess::execute("ls", {"-l", QStringLiteral("/proc/%1/fd").arg(::getpid())});
        }
    }

    const auto percent = [&](long kb) {
        return 100.0 * static_cast<double>(kb - firstKb) / static_cast<double>(firstKb);
    };
    std::printf("start-stop: %d cycles of Start and Stop at a random moment within 500 ms; "
                "%d pressed while an encoder ran, %d between two encoders; %d ended as cancelled; "
                "%d did not end in %d s\n",
                cycles, duringEncoder, cycles - duringEncoder, cancelled, timeouts,
                TimeoutMs / 1000);
    std::printf("start-stop: child processes after a cycle: at most %d\n", mostChildren);
    std::printf("start-stop: open descriptors: %d at the start, at most %d after a cycle\n",
                descriptorsAtStart, mostDescriptors);
    std::printf("start-stop: resident size after the first cycle %ld kB, after the last %ld kB "
                "(%+.2f%%), range %+.2f%% .. %+.2f%% (limit 5%%; Qt's pixmap cache emptied before "
                "each reading)\n",
                firstKb, lastKb, percent(lastKb), percent(smallestKb), percent(largestKb));

    std::printf("start-stop: %s\n", failures == 0 && timeouts == 0 ? "clean" : "FAILED");
    std::fflush(stdout);
    return failures == 0 && timeouts == 0 ? 0 : 1;
}
