// SPDX-License-Identifier: GPL-3.0-or-later
// The batch runner against the bare encoder, and how long it ever keeps the
// event loop from turning.
//
// Converts 10 generated clips with the MP4 H.264 profile through the real
// main window and runner, and the same encoder commands back to back from a
// shell script; prints the ratio of the medians of 3 wall times each (goal:
// 1.05 or less). A fourth run watches the event loop with a 10 ms timer and
// prints the longest stall beyond that period (goal: under 50 ms).
//
// Usage: batch_runner_bench [clips]   (default 10)

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "bench/EncoderScript.h"
#include "bench/StallWatch.h"
#include "convert/ArgumentBuilder.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/Preferring.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileDetail.h"
#include "tasks/TaskList.h"
#include "tasks/TaskPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr int Rounds = 3;
constexpr int WatchPeriodMs = 10;
// Far beyond the shell loop over ten short clips: only a hung one takes so long.
constexpr int ScriptTimeoutMs = 600000;

// Runs one batch through the window; returns its wall time in seconds and,
// when `stallMs` is given, the longest stall of the event loop.
double RunBatch(TBatchRunner& runner, double* stallMs = nullptr)
{
    QEventLoop loop;
    QObject::connect(&runner, &TBatchRunner::BatchEnded, &loop, &QEventLoop::quit);
    std::optional<StallWatch> watch;
    if (stallMs)
        watch.emplace(WatchPeriodMs);
    QElapsedTimer clock;
    clock.start();
    runner.tbtnStartClick();
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (stallMs)
        *stallMs = watch->LongestMs();
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int clips = argc > 1 ? std::atoi(argv[1]) : 10;

    TempAppDir app(TempAppDir::Encoder::Real, true);
    const BenchClips staged = StageBenchClips(app.Path(), clips);
    const QString& out = staged.Out;
    const QStringList& inputs = staged.Inputs;
    if (inputs.isEmpty())
        return 1;

    FakePlatform platform;
    ApplicationWindows windows(app.Path(), platform, {});
    TMainForm& form = *windows.MainForm;
    form.show();
    const int profile = form.BottomStrip.cmbProfile->findText("Any Device MP4 (H.264 + AAC)");
    form.BottomStrip.cmbProfile->setCurrentIndex(profile);
    emit form.BottomStrip.cmbProfile->activated(profile); // as the user's pick does
    Prefer(windows, [](TPreferences& p) { p.AutoOpenDir = false; });
    for (const QString& input : inputs)
        AddAndWait(windows.TaskList->Adds(), {input});
    form.BottomStrip.edtOutputdir->setText(out);

    // The same commands the runner gives the encoder, back to back.
    TProfileDetail& detail = *windows.ProfileDetail;
    const std::vector<std::string> arguments = BuildArguments(detail.Choice(), {});
    const QString scriptPath = app.Path() + "batch.sh";
    WriteEncoderScript(scriptPath, app.EncoderPath(), inputs, arguments, out, detail.OutputExt);

    std::vector<double> runner;
    std::vector<double> shell;
    for (int round = 0; round < Rounds; ++round) {
        EmptyDirectory(out);
        runner.push_back(RunBatch(*windows.Runner));
        EmptyDirectory(out);
        QElapsedTimer clock;
        clock.start();
        QProcess bash;
        bash.start("bash", {scriptPath});
        const bool ended = bash.waitForFinished(ScriptTimeoutMs);
        shell.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        if (!ended || bash.exitCode() != 0) {
            std::fprintf(stderr, "batch: the shell script failed\n");
            return 1;
        }
    }
    EmptyDirectory(out);
    double stall = 0;
    RunBatch(*windows.Runner, &stall);

    const double runnerMedian = Median(runner);
    const double shellMedian = Median(shell);
    std::printf("batch: %d clips, runner median %.3f s, shell median %.3f s, ratio %.3f "
                "(goal <= 1.05)\n",
                clips, runnerMedian, shellMedian, runnerMedian / shellMedian);
    std::printf("batch: longest event-loop stall %.1f ms (goal < 50 ms)\n", stall);
    return 0;
}
