// SPDX-License-Identifier: GPL-3.0-or-later
// How much the probe adds to the encoder's own run: ProbeMedia against
// starting the same "tolvex.dll -i file" the way a shell runs a command
// (spawn, output to /dev/null, wait). Both are timed 20 times, interleaved so
// that drift in the machine's load hits both alike; the figures are medians.
//
// Usage: probe_bench [clip]   (without a clip, a 3-second AVI is made)
#include "bench/BenchClock.h"
#include "encoder/MediaProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

extern char** environ;

namespace {

constexpr int Runs = 20;
constexpr double GoalMs = 5.0;

// What a shell does for "tolvex.dll -i file >/dev/null 2>&1 </dev/null".
bool SpawnAndWait(const QByteArray& program, const QByteArray& input)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const char* argv[] = {program.constData(), "-i", input.constData(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.constData(), &actions, nullptr,
                                   const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return failed == 0 && waitpid(pid, &status, 0) == pid;
}

// Prints the medians and returns the overhead: the median of the paired
// differences, which cancels most of the drift that both runs share.
double Compare(const char* label, const QString& encoder, const QString& clip)
{
    const QByteArray encoderBytes = QFile::encodeName(encoder);
    const QByteArray clipBytes = QFile::encodeName(clip);
    std::vector<double> probe;
    std::vector<double> direct;
    std::vector<double> difference;
    for (int i = 0; i < Runs; ++i) {
        probe.push_back(Milliseconds([&] { ProbeMedia(encoder, clip); }));
        direct.push_back(Milliseconds([&] { SpawnAndWait(encoderBytes, clipBytes); }));
        difference.push_back(probe.back() - direct.back());
    }
    std::printf("probe: %s: ProbeMedia %.2f ms, direct run %.2f ms, overhead %.2f ms "
                "(medians of %d)\n",
                label, Median(probe), Median(direct), Median(difference), Runs);
    return Median(difference);
}

bool MakeClip(const QString& path)
{
    QProcess encoder;
    encoder.start(QStringLiteral(QUENBY_FFMPEG_PATH),
                  {"-v", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                   "testsrc2=size=320x240:rate=25:duration=3", "-f", "lavfi", "-i",
                   "sine=frequency=440:sample_rate=44100:duration=3", "-c:v", "mpeg4", "-c:a",
                   "libmp3lame", path});
    return encoder.waitForFinished(120000) && encoder.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString encoder = dir.path() + "/tolvex.dll";
    if (!dir.isValid() || !QFile::link(QStringLiteral(QUENBY_FFMPEG_PATH), encoder)) {
        std::fprintf(stderr, "probe_bench: cannot make the application directory\n");
        return 1;
    }
    QString clip = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path() + "/clip.avi";
    if (argc <= 1 && !MakeClip(clip)) {
        std::fprintf(stderr, "probe_bench: cannot make the clip\n");
        return 1;
    }
    TProbeResult result;
    for (int i = 0; i < 3; ++i) // warm the page cache and the dynamic loader
        result = ProbeMedia(encoder, clip);
    if (result.LengthText.isEmpty()) {
        std::fprintf(stderr, "probe_bench: the probe gave no length for %s\n", qPrintable(clip));
        return 1;
    }
    const double overhead = Compare("ffmpeg", encoder, clip);
    std::printf("probe: overhead %.2f ms per probe (goal under %.0f ms): %s\n", overhead, GoalMs,
                overhead < GoalMs ? "met" : "MISSED");

    // The encoder's own run varies by several milliseconds between runs; an
    // encoder that does nothing shows the probe's fixed cost without that noise.
    const QString idle = dir.path() + "/idle.dll";
    if (QFile::link("/bin/true", idle))
        Compare("idle encoder (/bin/true)", idle, clip);
    return 0;
}
