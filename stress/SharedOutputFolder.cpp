// SPDX-License-Identifier: GPL-3.0-or-later
// Several command-line runs converting into one output folder at once, all
// with --rename and all with inputs of one name, round after round. Each
// round must end with one output per input, each a whole file that ffprobe
// reads, and no hidden working file: no run may replace another's output,
// whichever of them places its file first.
//
//   shared_output_folder QUENBY FFMPEG FFPROBE WORKDIR [ROUNDS [RUNS [FILES]]]
//
// Defaults: 20 rounds of 4 runs at once, 5 files each. The inputs are one
// short clip made with FFMPEG, copied as WORKDIR/in/R/F/clip.avi. Prints
// each round's time and what went wrong, then the figures; exits with 1
// when any round failed.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int TimeoutMs = 600000;
const QString Profile = QStringLiteral("AVI (MPEG-4 + MP3)");

struct TSetup
{
    QString Quenby, Ffmpeg, Ffprobe, Work;
    int Rounds = 20, Runs = 4, Files = 5;
};

bool RunToEnd(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(TimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return false;
    if (output)
        *output = process.readAllStandardOutput() + process.readAllStandardError();
    return process.exitCode() == 0;
}

bool ReadableMedia(const TSetup& setup, const QString& path)
{
    QByteArray duration;
    return RunToEnd(setup.Ffprobe,
                    {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path},
                    &duration) &&
           duration.trimmed().toDouble() > 0.5;
}

// One round; the problems found, none when it went well.
QStringList Round(const TSetup& setup, const QString& out)
{
    QStringList problems;
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int run = 0; run < setup.Runs; ++run) {
        QStringList arguments{"--convert", "--rename", "--profile", Profile, "--output", out};
        for (int file = 0; file < setup.Files; ++file)
            arguments << QStringLiteral("%1/in/%2/%3/clip.avi").arg(setup.Work).arg(run).arg(file);
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->setProcessChannelMode(QProcess::MergedChannels);
        runs.back()->start(setup.Quenby, arguments);
    }
    for (std::size_t run = 0; run < runs.size(); ++run) {
        QProcess& process = *runs[run];
        if (!process.waitForFinished(TimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            problems << QStringLiteral("run %1 ended with %2: %3")
                            .arg(run)
                            .arg(process.exitCode())
                            .arg(QString::fromUtf8(process.readAll()).trimmed());
    }
    const QStringList outputs = QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (outputs.size() != setup.Runs * setup.Files)
        problems << QStringLiteral("%1 outputs: %2").arg(outputs.size()).arg(outputs.join(' '));
    for (const QString& name : outputs) {
        if (name.startsWith(".quenby-"))
            problems << "working file left: " + name;
        else if (!ReadableMedia(setup, out + name))
            problems << "not readable: " + name;
    }
    return problems;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5) {
        std::fprintf(stderr, "usage: shared_output_folder QUENBY FFMPEG FFPROBE WORKDIR "
                             "[ROUNDS [RUNS [FILES]]]\n");
        return 2;
    }
    TSetup setup{arguments[1], arguments[2], arguments[3], QDir(arguments[4]).absolutePath()};
    if (arguments.size() > 5)
        setup.Rounds = arguments[5].toInt();
    if (arguments.size() > 6)
        setup.Runs = arguments[6].toInt();
    if (arguments.size() > 7)
        setup.Files = arguments[7].toInt();

    QDir(setup.Work).removeRecursively();
    const QString clip = setup.Work + "/clip.avi";
    if (!QDir().mkpath(setup.Work) ||
        !RunToEnd(setup.Ffmpeg, {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25",
                                 "-f", "lavfi", "-i", "sine=frequency=440", "-t", "2", "-c:v",
                                 "mpeg4", "-c:a", "mp3", clip})) {
        std::fprintf(stderr, "cannot make the clip with %s\n", qPrintable(setup.Ffmpeg));
        return 2;
    }
    for (int run = 0; run < setup.Runs; ++run)
        for (int file = 0; file < setup.Files; ++file) {
            const QString dir = QStringLiteral("%1/in/%2/%3/").arg(setup.Work).arg(run).arg(file);
            if (!QDir().mkpath(dir) || !QFile::copy(clip, dir + "clip.avi"))
                return 2;
        }

    std::printf("%d rounds of %d runs at once, %d files each, into one folder\n", setup.Rounds,
                setup.Runs, setup.Files);
    std::vector<double> seconds;
    int failed = 0;
    for (int round = 1; round <= setup.Rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const QStringList problems = Round(setup, setup.Work + "/out/");
        seconds.push_back(clock.elapsed() / 1000.0);
        std::printf("round %2d: %.2f s%s\n", round, seconds.back(),
                    problems.isEmpty() ? "" : " FAILED");
        for (const QString& problem : problems)
            std::printf("  %s\n", qPrintable(problem));
        std::fflush(stdout);
        failed += problems.isEmpty() ? 0 : 1;
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("seconds per round: min %.2f, median %.2f, max %.2f; rounds failed: %d of %d\n",
                seconds.front(), seconds[seconds.size() / 2], seconds.back(), failed, setup.Rounds);
    return failed == 0 ? 0 : 1;
}
