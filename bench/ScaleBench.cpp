// SPDX-License-Identifier: GPL-3.0-or-later
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
//
// With --batch, a batch of that many short tasks (default 5000) runs from
// Start to its end instead, its task list kept in Tasks.ini as it changes:
// the longest stall of the event loop while it runs (goal under 50 ms), and
// how often the list was written.
//
// Usage: scale_bench --batch [tasks]

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "bench/StallWatch.h"
#include "convert/BatchRunner.h"
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
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Fixtures::RunFor;
using Fixtures::RunUntil;

constexpr int WatchPeriodMs = 5;
constexpr int SettleMs = 200;
constexpr int TimeoutMs = 20000;
constexpr double StallGoalMs = 100;
constexpr double BatchStallGoalMs = 50;
constexpr int BatchLimitMs = 1800000;
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

// An application directory on the fake encoder, whose conversion runs as
// `mode` says, with `rows` empty files in "in/", and a window over it with
// them listed, shown and writing into "out/".
struct ScaleWindow
{
    TempAppDir App{TempAppDir::Encoder::Fake, true};
    FakePlatform Platform;
    std::unique_ptr<ApplicationWindows> Windows;
    double AddMs = 0;

    ScaleWindow(int rows, const QString& mode)
    {
        const QString in = App.Path() + "in/";
        const QString out = App.Path() + "out/";
        if (!App.IsValid() || !QDir().mkpath(in) || !QDir().mkpath(out) ||
            !App.Script().Set("convert.mode", mode).Set("steps", 1).Set("interval_ms", 0).Save()) {
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
        Windows = std::make_unique<ApplicationWindows>(App.Path(), Platform, QStringList());
        Prefer(*Windows, [](TPreferences& p) { p.AutoOpenDir = false; });
        Windows->MainForm->show();
        Windows->MainForm->BottomStrip.edtOutputdir->setText(out);
        RunFor(SettleMs);

        TTaskList& list = *Windows->TaskList;
        QElapsedTimer clock;
        clock.start();
        list.Adds().AddTaskDirectory(in);
        Fixtures::RunUntil([&] { return !list.Adds().IsAdding(); }, AddLimitMs);
        AddMs = Ms(clock.nsecsElapsed());
        if (list.Model().TaskCount() != rows) {
            std::fprintf(stderr, "scale: %d of %d files were listed\n", list.Model().TaskCount(),
                         rows);
            std::exit(1);
        }
    }
};

Figures Run(int rows)
{
    ScaleWindow window(rows, QStringLiteral("silence"));
    TMainForm& form = *window.Windows->MainForm;
    TBatchRunner& runner = *window.Windows->Runner;
    TTaskList& list = *window.Windows->TaskList;

    Figures figures;
    figures.Rows = rows;
    figures.AddMs = window.AddMs;

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
        "Move up", watch, [&] { list.Commands().tbtnUpClick(); },
        [&] { return caption(first - 1) == firstMoved; }));
    figures.Commands.push_back(Measure(
        "Clear", watch, [&] { list.Commands().tbtnClearClick(); },
        [&] { return list.Model().TaskCount() == 0; }));
    return figures;
}

// A batch of `rows` tasks from Start to its end; prints its figures and
// returns whether the stall goal was met.
bool RunWholeBatch(int rows)
{
    ScaleWindow window(rows, QStringLiteral("progress"));
    TBatchRunner& runner = *window.Windows->Runner;
    const TKeptTasks& kept = *window.Windows->KeptTasks;
    RunFor(SettleMs);
    const int savesBefore = kept.Saves();
    StallWatch watch(WatchPeriodMs);
    QElapsedTimer clock;
    clock.start();
    runner.tbtnStartClick();
    const double startMs = Ms(clock.nsecsElapsed());
    watch.Reset();
    if (!RunUntil([&] { return !runner.IsBatchActive(); }, BatchLimitMs)) {
        std::fprintf(stderr, "scale: the batch did not end\n");
        std::exit(1);
    }
    const double runMs = Ms(clock.nsecsElapsed());
    const double stall = watch.LongestMs();
    const TTaskModel& model = window.Windows->TaskList->Model();
    int complete = 0;
    for (int row = 0; row < model.TaskCount(); ++row)
        complete += model.At(row).Data.Status == TaskState::Complete;
    std::printf("scale: batch of %d tasks (%d complete) ran in %.1f s; Tasks.ini written %d "
                "times; Start's own call took %.1f ms\n",
                rows, complete, runMs / 1000, kept.Saves() - savesBefore, startMs);
    std::printf("scale: longest event-loop stall while the batch ran %.1f ms (goal < %.0f ms): "
                "%s\n",
                stall, BatchStallGoalMs, stall < BatchStallGoalMs ? "met" : "MISSED");
    return complete == rows;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--batch")
        return RunWholeBatch(argc > 2 ? std::atoi(argv[2]) : 5000) ? 0 : 1;
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
