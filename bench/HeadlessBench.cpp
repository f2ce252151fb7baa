// SPDX-License-Identifier: GPL-3.0-or-later
// The batch without a window against the bare encoder.
//
// Converts 10 generated clips with the MP4 H.264 profile by running
// `quenby --convert`, and the same encoder commands back to back from a
// shell script; prints the ratio of the medians of 3 wall times each (goal:
// 1.03 or less). The program's own start, its profile load and its reading
// of every encoder's output all count.
//
// Usage: headless_bench [clips]   (default 10)

#include "bench/EncoderScript.h"
#include "convert/ArgumentBuilder.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Rounds = 3;
// Far beyond a run of the ten short clips: only a hung one takes so long.
constexpr int RunTimeoutMs = 600000;
const char* const Profile = "Any Device MP4 (H.264 + AAC)";

// Runs `program` to its end; its wall time in seconds, -1 when it failed.
double Timed(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool ended = process.waitForFinished(RunTimeoutMs);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
               ? seconds
               : -1;
}

// The encoder commands the profile gives, with its choices as loaded.
std::vector<std::string> ProfileArguments(const std::string& path)
{
    return BuildArguments(LoadProfileChoice(path), {});
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int clips = argc > 1 ? std::atoi(argv[1]) : 10;
    TempAppDir app(TempAppDir::Encoder::Real, true);
    const QString program = app.Path() + "quenby";
    if (::link(QUENBY_PROGRAM, program.toLocal8Bit().constData()) != 0 &&
        !QFile::copy(QUENBY_PROGRAM, program)) {
        std::fprintf(stderr, "headless: cannot stage the program\n");
        return 1;
    }
    const BenchClips staged = StageBenchClips(app.Path(), clips);
    const QString& out = staged.Out;
    const QStringList& inputs = staged.Inputs;
    if (inputs.isEmpty())
        return 1;

    const std::vector<std::string> arguments =
        ProfileArguments((app.Path() + "Profiles/" + Profile + ".apf").toStdString());
    const QString scriptPath = app.Path() + "batch.sh";
    WriteEncoderScript(scriptPath, app.EncoderPath(), inputs, arguments, out, ".mp4");

    std::vector<double> headless;
    std::vector<double> shell;
    for (int round = 0; round < Rounds; ++round) {
        EmptyDirectory(out);
        headless.push_back(Timed(
            program, QStringList{"--convert", "--profile", Profile, "--output", out} + inputs));
        EmptyDirectory(out);
        shell.push_back(Timed("bash", {scriptPath}));
        if (headless.back() < 0 || shell.back() < 0) {
            std::fprintf(stderr, "headless: a batch failed\n");
            return 1;
        }
    }
    const double headlessMedian = Median(headless);
    const double shellMedian = Median(shell);
    std::printf("headless: %d clips, quenby --convert median %.3f s, shell median %.3f s, "
                "ratio %.3f (goal <= 1.03)\n",
                clips, headlessMedian, shellMedian, headlessMedian / shellMedian);
    return 0;
}
