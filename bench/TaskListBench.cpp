// SPDX-License-Identifier: GPL-3.0-or-later
// How much the task list itself costs per added file, beyond the probe.
//
// Adds 500 files to a shown main window whose encoder is the fake one with an
// instant report. Each add is timed next to a bare probe of a twin file, so
// the difference is the list's own work (duplicate test, row, record); the
// two are interleaved so that drift in process start-up cost hits both alike.
// Then the same files are added as one directory (with the event processing,
// and so the repainting, between files); every path is offered again, which
// costs the duplicate test alone against the full list; and last the files
// are added with no encoder at all, where the probe gives up in microseconds
// and the list's own work is what the clock sees.
//
// Usage: task_list_bench [files]   (default 500)

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "encoder/MediaProbe.h"
#include "fixtures/AddFiles.h"
#include "fixtures/FakePlatform.h"
#include "tasks/TaskList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

QStringList MakeFiles(const QString& dir, const QString& stem, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/%2%3.avi").arg(dir, stem).arg(i, 4, 10, QChar('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
            std::exit(1);
        }
        paths << path;
    }
    return paths;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 500;
    if (count < 100) {
        std::fprintf(stderr, "use at least 100 files\n");
        return 1;
    }

    QTemporaryDir appDir;
    QTemporaryDir media;
    const QString appPath = appDir.path() + "/";
    if (!appDir.isValid() || !media.isValid() ||
        !QFile::link(QStringLiteral(QUENBY_FAKE_ENCODER), appPath + "tolvex.dll")) {
        std::fprintf(stderr, "cannot lay out the temporary directories\n");
        return 1;
    }
    QDir(media.path()).mkdir("list");
    QDir(media.path()).mkdir("twins");
    const QStringList files = MakeFiles(media.path() + "/list", "clip", count);
    const QStringList twins = MakeFiles(media.path() + "/twins", "twin", count);

    FakePlatform platform;
    ApplicationWindows windows(appPath, platform, {});
    TMainForm& form = *windows.MainForm;
    if (!qEnvironmentVariableIsSet("BENCH_HIDDEN"))
        form.show();
    TTaskList& list = *windows.TaskList;

    // 1. File by file, each add beside a bare probe.
    std::vector<qint64> probeNs(count), addNs(count);
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        ProbeMedia(form.EncoderPath, twins[i]);
        probeNs[i] = timer.nsecsElapsed();
        timer.start();
        AddAndWait(list.Adds(), {files[i]});
        addNs[i] = timer.nsecsElapsed();
    }
    if (list.Model().TaskCount() != count) {
        std::fprintf(stderr, "expected %d rows, have %d\n", count, list.Model().TaskCount());
        return 1;
    }
    qint64 probeTotal = 0, addTotal = 0;
    std::printf("task list: %d files added one by one through the fake encoder\n", count);
    std::printf("  %-14s %12s %12s %14s\n", "rows", "probe ms", "add ms", "own ms/file");
    const int bucket = count / 5;
    for (int from = 0; from < count; from += bucket) {
        const int to = std::min(count, from + bucket);
        qint64 probe = 0, add = 0;
        for (int i = from; i < to; ++i)
            probe += probeNs[i], add += addNs[i];
        probeTotal += probe;
        addTotal += add;
        std::printf("  %5d..%-7d %12.3f %12.3f %14.3f\n", from, to - 1, Ms(probe) / (to - from),
                    Ms(add) / (to - from), Ms(add - probe) / (to - from));
    }
    const double meanProbe = Ms(probeTotal) / count;
    std::printf("  mean probe %.3f ms, mean add %.3f ms, own cost %.3f ms per file\n", meanProbe,
                Ms(addTotal) / count, Ms(addTotal - probeTotal) / count);

    // 2. The same files again, listed as a directory into an empty list.
    list.Commands().tbtnClearClick();
    timer.start();
    {
        // The directory's files are probed side by side from the event loop.
        QEventLoop loop;
        QObject::connect(&list.Adds(), &TTaskAdds::AddsDone, &loop, &QEventLoop::quit);
        list.Adds().AddTaskDirectory(media.path() + "/list");
        if (list.Adds().IsAdding())
            loop.exec();
    }
    const qint64 directoryNs = timer.nsecsElapsed();
    std::printf("task list: directory of %d files in %.1f ms, %.3f ms per file, "
                "%.3f ms beyond the mean probe\n",
                list.Model().TaskCount(), Ms(directoryNs), Ms(directoryNs) / count,
                Ms(directoryNs) / count - meanProbe);

    // 3. Every path offered again: the duplicate test against the full list.
    timer.start();
    for (const QString& file : files)
        AddAndWait(list.Adds(), {file});
    const qint64 duplicateNs = timer.nsecsElapsed();
    std::printf("task list: duplicate test against %d rows, %.4f ms per path\n",
                list.Model().TaskCount(), Ms(duplicateNs) / count);

    // 4. Without an encoder the probe gives up at once, which leaves the
    //    list's own work nearly alone on the clock.
    list.Commands().tbtnClearClick();
    // The list keeps the encoder path it was built with, so the encoder
    // itself is moved aside.
    if (!QFile::rename(form.EncoderPath, form.EncoderPath + ".aside")) {
        std::fprintf(stderr, "task list: cannot move the encoder aside\n");
        return 1;
    }
    timer.start();
    for (const QString& twin : twins)
        ProbeMedia(form.EncoderPath, twin);
    const qint64 failedProbeNs = timer.nsecsElapsed();
    timer.start();
    for (const QString& file : files)
        AddAndWait(list.Adds(), {file});
    const qint64 bareAddNs = timer.nsecsElapsed();
    std::printf("task list: %d adds without an encoder %.4f ms per file, of which the failed "
                "probe %.4f ms\n",
                list.Model().TaskCount(), Ms(bareAddNs) / count, Ms(failedProbeNs) / count);

    // The direct figure decides: the difference of two process-bound timings
    // in step 1 is only as steady as the machine's load.
    const double own = (Ms(bareAddNs) - Ms(failedProbeNs)) / count;
    std::printf("task list: own cost per file %.4f ms (goal < 1 ms): %s\n", own,
                own < 1.0 ? "met" : "MISSED");
    return 0;
}
