// The window's commands on a long list: what each costs per row, and the
// longest time the event loop is kept from turning.
//
// For each list length, a shown main window on the fake encoder (whose probe
// answers at once and whose conversion waits until it is killed) gets that
// many files as one directory, then Start (until the first encoder runs),
// Stop (until the batch has ended), a move up of a selected block of a tenth
// of the rows from the middle, and Clear. A 5 ms timer watches the event loop
// from the end of the add on; between two commands the loop runs for 200 ms
// so that the repainting each caused is counted with it. The add, which runs
// from the event loop until its last probe is in, is timed to its end and
// left out of the stall.
//
// Usage: scale_bench [rows...]   (default: 500 5000)

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "bench/StallWatch.h"
#include "convert/BatchRunner.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/EventLoopWait.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "settings/Settings.h"
#include "tasks/TaskList.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

using Fixtures::RunFor;
using Fixtures::RunUntil;

constexpr int WatchPeriodMs = 5;
constexpr int SettleMs = 200;
constexpr int TimeoutMs = 20000;
constexpr double StallGoalMs = 100;
constexpr int AddLimitMs = 600000;

double Ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

// Whether the main thread has a child process, a zombie included. Cheap
// enough to ask every turn of the loop, unlike a walk of /proc, which would
// itself keep the loop from turning.
bool HasChild()
{
    QFile children(QStringLiteral("/proc/self/task/%1/children").arg(::getpid()));
    return children.open(QIODevice::ReadOnly) && !children.readAll().trimmed().isEmpty();
}

struct Figures
{
    int Rows = 0;
    double AddMs = 0;
    // Each command's own call, the time until its effect is complete, and
    // the longest stall from the call to the end of the settling time.
    struct Command
    {
        const char* Name;
        double CallMs = 0;
        double DoneMs = 0;
        double StallMs = 0;
    };
    std::vector<Command> Commands;
};

// Times `call`, then runs the event loop until `done`, then lets the window
// settle; the watch sees all of it.
Figures::Command Measure(const char* name, StallWatch& watch, const std::function<void()>& call,
                         const std::function<bool()>& done)
{
    Figures::Command command{name};
    RunFor(SettleMs);
    watch.Reset();
    QElapsedTimer clock;
    clock.start();
    call();
    command.CallMs = Ms(clock.nsecsElapsed());
    if (!RunUntil(done, TimeoutMs)) {
        std::fprintf(stderr, "scale: %s did not complete\n", name);
        std::exit(1);
    }
    command.DoneMs = Ms(clock.nsecsElapsed());
    RunFor(SettleMs);
    command.StallMs = watch.LongestMs();
    return command;
}

Figures Run(int rows)
{
    TempAppDir app(TempAppDir::Encoder::Fake, true);
    const QString in = app.Path() + "in/";
    const QString out = app.Path() + "out/";
    if (!app.IsValid() || !QDir().mkpath(in) || !QDir().mkpath(out) ||
        !app.Script().Set("convert.mode", "silence").Save()) {
        std::fprintf(stderr, "scale: cannot lay out the application directory\n");
        std::exit(1);
    }
    for (int i = 0; i < rows; ++i) {
        QFile file(in + QStringLiteral("clip%1.avi").arg(i, 5, 10, QChar('0')));
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "scale: cannot create the files\n");
            std::exit(1);
        }
    }

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    TBatchRunner& runner = *windows.Runner;
    TTaskList& list = *windows.TaskList;
    windows.SettingForm->chkOpenDir->setChecked(false);
    form.show();
    form.BottomStrip.edtOutputdir->setText(out);
    RunFor(SettleMs);

    Figures figures;
    figures.Rows = rows;
    QElapsedTimer clock;
    clock.start();
    list.AddTaskDirectory(in);
    Fixtures::RunUntil([&] { return !list.IsAdding(); }, AddLimitMs);
    figures.AddMs = Ms(clock.nsecsElapsed());
    if (list.TaskCount() != rows) {
        std::fprintf(stderr, "scale: %d of %d files were listed\n", list.TaskCount(), rows);
        std::exit(1);
    }

    StallWatch watch(WatchPeriodMs);
    figures.Commands.push_back(Measure(
        "Start", watch, [&] { runner.tbtnStartClick(); }, [] { return HasChild(); }));
    figures.Commands.push_back(Measure(
        "Stop", watch, [&] { runner.tbtnStopClick(); },
        [&] { return !runner.IsBatchActive() && !HasChild(); }));
    if (!ChildProcesses().isEmpty()) {
        std::fprintf(stderr, "scale: Stop left a child process\n");
        std::exit(1);
    }

    // A block of a tenth of the rows from the middle, selected as a
    // shift-click selects it.
    QTreeView& view = *form.ltvTask;
    const auto caption = [&view](int row) {
        return view.model()->index(row, 0).data();
    };
    const int first = rows / 2;
    const int last = first + rows / 10 - 1;
    view.clearSelection();
    view.selectionModel()->select(
        QItemSelection(view.model()->index(first, 0), view.model()->index(last, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QVariant firstMoved = caption(first);
    figures.Commands.push_back(Measure(
        "Move up", watch, [&] { list.tbtnUpClick(); },
        [&] { return caption(first - 1) == firstMoved; }));
    figures.Commands.push_back(Measure(
        "Clear", watch, [&] { list.tbtnClearClick(); }, [&] { return list.TaskCount() == 0; }));
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<int> lengths;
    for (int i = 1; i < argc; ++i)
        lengths.push_back(std::atoi(argv[i]));
    if (lengths.empty())
        lengths = {500, 5000};
    if (std::any_of(lengths.begin(), lengths.end(), [](int rows) { return rows < 20; })) {
        std::fprintf(stderr, "usage: scale_bench [rows >= 20 ...]\n");
        return 1;
    }

    std::vector<Figures> all;
    for (int rows : lengths)
        all.push_back(Run(rows));

    double longest = 0;
    for (const Figures& figures : all) {
        std::printf("scale: %d rows, added as a directory in %.0f ms (%.3f ms per row, with the "
                    "probe)\n",
                    figures.Rows, figures.AddMs, figures.AddMs / figures.Rows);
        std::printf("  %-8s %10s %12s %12s %14s\n", "command", "call ms", "us per row", "done ms",
                    "stall ms");
        for (const Figures::Command& c : figures.Commands) {
            std::printf("  %-8s %10.1f %12.2f %12.1f %14.1f\n", c.Name, c.CallMs,
                        1000 * c.CallMs / figures.Rows, c.DoneMs, c.StallMs);
            longest = std::max(longest, c.StallMs);
        }
    }
    // Linear cost keeps the per-row figure flat as the list grows; constant
    // costs make it fall, so only a rise counts against it.
    if (all.size() >= 2) {
        const Figures& small = all.front();
        const Figures& large = all.back();
        for (std::size_t i = 0; i < small.Commands.size(); ++i) {
            const double a = small.Commands[i].CallMs / small.Rows;
            const double b = large.Commands[i].CallMs / large.Rows;
            std::printf("scale: %-8s per row at %d rows / at %d rows: %.2f\n",
                        small.Commands[i].Name, large.Rows, small.Rows, a > 0 ? b / a : 0.0);
        }
    }
    std::printf("scale: longest event-loop stall outside the add %.1f ms (goal < %.0f ms): %s\n",
                longest, StallGoalMs, longest < StallGoalMs ? "met" : "MISSED");
    return 0;
}
