// SPDX-License-Identifier: GPL-3.0-or-later
// What using every core buys, measured in one run with the real encoder:
//
// 1. Adding 200 generated clips as one directory, probed side by side and
//    several files to an encoder run, against the same probes run one by one (goal: 0.6 or less on
//    2 cores), and the longest stall of the event loop during the add.
// 2. Converting 20 short clips with the AVI profile two at a time against one
//    at a time (goal: 0.75 or less on 2 cores), and the longest stall of the
//    event loop during each batch.
// Stalls are watched with a 10 ms timer; the figure is the longest gap
// beyond that period (goal: under 50 ms).
//
// Usage: simultaneous_bench [clips to add] [clips to convert]   (200 20)

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "bench/EncoderScript.h"
#include "bench/StallWatch.h"
#include "convert/BatchRunner.h"
#include "encoder/MediaProbe.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/Preferring.h"
#include "fixtures/TempAppDir.h"
#include "tasks/TaskList.h"
#include "tasks/TaskPaths.h"
#include "tasks/TaskSources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int WatchPeriodMs = 10;

// Runs `work`, which ends when `done` is emitted, inside an event loop
// watched for stalls; returns its wall time in seconds.
template <typename Sender, typename Signal>
double Timed(Sender* sender, Signal done, const std::function<void()>& work, double& stallMs)
{
    QEventLoop loop;
    QObject::connect(sender, done, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    const StallWatch watch(WatchPeriodMs);
    // The work starts from the loop, as a click would.
    QTimer::singleShot(0, &loop, work);
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    stallMs = watch.LongestMs();
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int addCount = argc > 1 ? std::atoi(argv[1]) : 200;
    const int convertCount = argc > 2 ? std::atoi(argv[2]) : 20;
    std::printf("simultaneous: %d cores\n", QThread::idealThreadCount());

    TempAppDir app(TempAppDir::Encoder::Real, true);
    const QString many = app.Path() + "many/";
    const QString few = app.Path() + "few/";
    const QString out = app.Path() + "out/";
    if (!app.IsValid() || MakeBenchClips(many, addCount).size() != addCount ||
        MakeBenchClips(few, convertCount).size() != convertCount || !QDir().mkpath(out))
        return 1;

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    TTaskList& list = *windows.TaskList;
    form.show();

    // 1. The same probes one after another, then side by side.
    const QStringList names = ListTaskDirectory(many);
    QElapsedTimer clock;
    clock.start();
    for (const QString& name : names)
        ProbeMedia(form.EncoderPath, many + name);
    const double oneByOne = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    // The window was shown just before the one-by-one probes held the loop:
    // its first paint is not the add's stall.
    QApplication::processEvents();
    double addStall = 0;
    const double sideBySide = Timed(
        &list.Adds(), &TTaskAdds::AddsDone, [&] { list.Adds().AddTaskDirectory(many); }, addStall);
    if (list.Model().TaskCount() != addCount) {
        std::fprintf(stderr, "simultaneous: %d rows for %d clips\n", list.Model().TaskCount(),
                     addCount);
        return 1;
    }
    std::printf("simultaneous: adding %d clips %.3f s side by side, %.3f s one by one, "
                "ratio %.3f (goal <= 0.6)\n",
                addCount, sideBySide, oneByOne, sideBySide / oneByOne);
    std::printf("simultaneous: longest event-loop stall during the add %.1f ms (goal < 50 ms)\n",
                addStall);

    // 2. The same batch one at a time and two at a time.
    list.Commands().tbtnClearClick();
    const int profile = form.BottomStrip.cmbProfile->findText("AVI (MPEG-4 + MP3)");
    if (profile < 0) {
        std::fprintf(stderr, "simultaneous: no AVI profile\n");
        return 1;
    }
    form.BottomStrip.cmbProfile->setCurrentIndex(profile);
    emit form.BottomStrip.cmbProfile->activated(profile); // as the user's pick does
    Prefer(windows, [](TPreferences& p) { p.AutoOpenDir = false; });
    form.BottomStrip.edtOutputdir->setText(out);
    double unused = 0;
    Timed(
        &list.Adds(), &TTaskAdds::AddsDone, [&] { list.Adds().AddTaskDirectory(few); }, unused);

    double seconds[2] = {0, 0};
    double stall[2] = {0, 0};
    for (int n = 1; n <= 2; ++n) {
        EmptyDirectory(out);
        Prefer(windows, [n](TPreferences& p) { p.SimultaneousTasks = n; });
        if (MostSimultaneousTasks() < n) {
            std::fprintf(stderr, "simultaneous: this machine offers no %d at once\n", n);
            return 1;
        }
        seconds[n - 1] = Timed(
            windows.Runner, &TBatchRunner::BatchEnded, [&] { windows.Runner->tbtnStartClick(); },
            stall[n - 1]);
        const int written = static_cast<int>(QDir(out).entryList(QDir::Files).size());
        if (written != convertCount) {
            std::fprintf(stderr, "simultaneous: %d outputs for %d clips\n", written, convertCount);
            return 1;
        }
    }
    std::printf("simultaneous: converting %d clips (AVI) %.3f s two at a time, %.3f s one at a "
                "time, ratio %.3f (goal <= 0.75)\n",
                convertCount, seconds[1], seconds[0], seconds[1] / seconds[0]);
    std::printf("simultaneous: longest event-loop stall during the batch %.1f ms one at a time, "
                "%.1f ms two at a time (goal < 50 ms)\n",
                stall[0], stall[1]);
    return 0;
}
