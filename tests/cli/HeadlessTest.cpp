// SPDX-License-Identifier: GPL-3.0-or-later
// The batch without a window as a user runs it: the program itself, with no
// display and no platform plugin, converting real clips with the encoder.
#include "convert/BatchRules.h"
#include "encoder/MediaProbe.h"
#include "fixtures/ChildProcesses.h"
#include "fixtures/Clips.h"
#include "fixtures/PrintQt.h"
#include "fixtures/ProfileRuns.h"
#include "fixtures/TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

constexpr int Wait = 120000;
const QString Profile = QStringLiteral("AVI (MPEG-4 + MP3)");

// An application directory holding its own copy of the program, which finds
// its profiles, preferences and encoder beside itself.
class Headless : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        const QString program = app.Path() + "quenby";
        // A hard link where it can be made; a symbolic one would be followed
        // back to the build directory.
        if (::link(QUENBY_PROGRAM, program.toLocal8Bit().constData()) != 0) {
            ASSERT_TRUE(QFile::copy(QUENBY_PROGRAM, program));
        }
        ASSERT_TRUE(QDir().mkpath(in) && QDir().mkpath(out));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "no-such-plugin");
        quenby.setProcessEnvironment(environment);
        quenby.setProgram(program);
    }

    // Runs the program to its end; its exit status.
    int Run(const QStringList& arguments)
    {
        quenby.setArguments(QStringList{"--convert"} + arguments);
        quenby.start();
        if (!quenby.waitForFinished(Wait) || quenby.exitStatus() != QProcess::NormalExit)
            return -1;
        errors = QString::fromUtf8(quenby.readAllStandardError());
        return quenby.exitCode();
    }

    TempAppDir app{TempAppDir::Encoder::Real, true};
    const QString in = app.Path() + "in/";
    const QString out = app.Path() + "out/";
    QProcess quenby;
    QString errors;
};

TEST_F(Headless, ConvertsWithANamedProfileAndTellsFailuresAndUsageErrorsByItsStatus)
{
    ASSERT_TRUE(CopyTestClip(".avi", in + "first.avi"));
    ASSERT_TRUE(CopyTestClip(".mp4", in + "second.mp4"));
    QFile broken(in + "broken.avi");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    QFile preferences(app.Path() + "Preferences.ini");
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    const QByteArray preferencesBefore = preferences.readAll();
    preferences.close();

    ASSERT_EQ(Run({"--profile", Profile, "--output", out, in + "first.avi", in + "second.mp4"}), 0)
        << errors.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"first.avi", "second.avi"}));
    for (const char* name : {"first.avi", "second.avi"})
        EXPECT_TRUE(ProbeMedia(app.EncoderPath(), out + name).LengthText.startsWith("00:00:03"))
            << name << " is a whole conversion";
    EXPECT_TRUE(errors.contains("[2/2] 100% second.mp4 -> " + out + "second.avi"))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains("2 files: 2 converted, 0 failed")) << errors.toStdString();

    EXPECT_EQ(Run({"--profile", Profile, "--output", out, in + "broken.avi"}), 1);
    EXPECT_TRUE(errors.contains("[1/1] failed broken.avi: ")) << errors.toStdString();
    EXPECT_TRUE(errors.contains("Invalid data found when processing input"))
        << errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out + "broken.avi"));

    EXPECT_EQ(Run({"--profile", "No Such Profile", in + "first.avi"}), 2);
    EXPECT_TRUE(errors.startsWith("quenby: unknown profile 'No Such Profile'"))
        << errors.toStdString();
    QFile garbage(app.Path() + "Profiles/Garbage.apf");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && garbage.write("\177ELF\002\001") > 0);
    garbage.close();
    EXPECT_EQ(Run({"--profile", "Garbage", in + "first.avi"}), 2);
    EXPECT_TRUE(errors.startsWith(
        "quenby: The profile Garbage cannot be read: it has no [Main] section.\n"))
        << errors.toStdString();

    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    EXPECT_EQ(preferences.readAll(), preferencesBefore) << "the preferences are never written";
}

TEST_F(Headless, NotesSpeakTheChosenLanguageButProgressLinesStayTheSame)
{
    ASSERT_TRUE(CopyTestClip(".avi", in + "first.avi"));
    QFile file(app.Path() + "Preferences.ini");
    ASSERT_TRUE(file.open(QFile::WriteOnly) && file.write("[Main]\nLanguage=de") && file.flush());
    EXPECT_EQ(Run({"--profile", Profile, "--output", out, in + "first.avi", in + "gone.avi"}), 1);
    EXPECT_TRUE(errors.contains("quenby: '" + in + "gone.avi' existiert nicht\n") &&
                errors.contains("[1/1] 100% first.avi -> " + out + "first.avi"))
        << errors.toStdString();
}

// "Not overwrite" as editors and hands save it still keeps an existing
// output of the same name, and so do preferences that cannot be read.
TEST_F(Headless, PreferencesAsSavedOrUnreadableStillKeepAnExistingOutput)
{
    using Encoder = QStringEncoder;
    const auto utf16 = [](QStringConverter::Encoding order) {
        return QByteArray(Encoder(order, Encoder::Flag::WriteBom)(u"[Main]\r\nOverwrite=0\r\n"));
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"UTF-8 with a mark", "\xEF\xBB\xBF[Main]\r\nOverwrite=0\r\n"},
        {"blanks around =", "[Main]\r\nOverwrite = 0\r\n"},
        {"UTF-16 LE with a mark", utf16(QStringConverter::Utf16LE)},
        {"UTF-16 BE with a mark", utf16(QStringConverter::Utf16BE)},
        {"unreadable", utf16(QStringConverter::Utf16LE).mid(2)}};
    ASSERT_TRUE(CopyTestClip(".avi", in + "first.avi"));
    for (const auto& [name, bytes] : cases) {
        QFile preferences(app.Path() + "Preferences.ini");
        ASSERT_TRUE(preferences.open(QIODevice::WriteOnly) && preferences.write(bytes) > 0);
        preferences.close();
        QDir(out).removeRecursively();
        QFile precious(out + "first.avi");
        ASSERT_TRUE(QDir().mkpath(out) && precious.open(QIODevice::WriteOnly));
        precious.write("precious");
        precious.close();

        ASSERT_EQ(Run({"--profile", Profile, "--output", out, in + "first.avi"}), 0) << name;
        ASSERT_TRUE(precious.open(QIODevice::ReadOnly));
        EXPECT_EQ(precious.readAll(), "precious") << name;
        EXPECT_TRUE(QFileInfo::exists(out + "first_1.avi")) << name;
        EXPECT_EQ(errors.contains("cannot be read: it does not hold text."),
                  name == std::string("unreadable"))
            << name << errors.toStdString();
    }
}

// Every command line gets a clear outcome: its exit status, and a note for
// each input it does not take.
TEST_F(Headless, EveryInputGetsAClearOutcome)
{
    ASSERT_TRUE(CopyTestClip(".avi", in + "b.avi"));
    ASSERT_EQ(::link(qPrintable(in + "b.avi"), qPrintable(in + "hard.avi")), 0);
    ASSERT_TRUE(QFile::link(in + "b.avi", in + "link.avi"));
    ASSERT_EQ(::mkfifo(qPrintable(in + "pipe.avi"), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(in + "empty"));
    QFile list(in + "list.tmp");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(("\n" + in + "b.avi\n \n").toUtf8());
    list.close();
    QFile(in + "a.txt").open(QIODevice::WriteOnly);
    const auto convert = [this](const QStringList& files) {
        return QStringList{"--convert", "--profile", Profile, "--output", out} + files;
    };
    const QString once = "1 file: 1 converted";
    const std::tuple<QStringList, int, QStringList> cases[] = {
        {convert({"b.avi", "./b.avi", ".//b.avi", "link.avi", "hard.avi"}), 0, {once}},
        {convert({"a.txt", "/dev/zero", "pipe.avi", "b.avi"}),
         1,
         {"'a.txt' skipped: not a supported video", "'/dev/zero' skipped: not a regular file",
          "'pipe.avi' skipped: not a regular file", once}},
        {convert({"empty"}), 0, {"'empty' holds no supported video file"}},
        {convert({"list.tmp"}), 0, {once}},
        {convert({"list.tmp", "b.avi"}), 2, {"'list.tmp' must be the only file"}},
        {{"--help"}, 0, {"Usage: quenby [FILE_OR_DIRECTORY]...", "quenby --convert [OPTION]"}},
        {{"--version"}, 0, {"Quenby AVI Video Converter V"}},
        {{"--list-profiles"}, 0, {Profile}},
    };
    quenby.setWorkingDirectory(in);
    quenby.setProcessChannelMode(QProcess::MergedChannels);
    for (const auto& [arguments, status, says] : cases) {
        quenby.setArguments(arguments);
        quenby.start();
        ASSERT_TRUE(quenby.waitForFinished(Wait)) << arguments.join(' ').toStdString();
        const QString said = QString::fromUtf8(quenby.readAll());
        EXPECT_EQ(quenby.exitCode(), status) << said.toStdString();
        for (const QString& text : says)
            EXPECT_TRUE(said.contains(text)) << text.toStdString() << " in " << said.toStdString();
    }
    // Without a display the window is not tried.
    QProcessEnvironment bare = quenby.processEnvironment();
    bare.remove("QT_QPA_PLATFORM");
    quenby.setProcessEnvironment(bare);
    for (const auto& [arguments, says] : {std::pair{QStringList{"--bogus"}, "Usage: quenby"},
                                          {QStringList{}, "the window needs a display"}}) {
        quenby.setArguments(arguments);
        quenby.start();
        ASSERT_TRUE(quenby.waitForFinished(Wait));
        EXPECT_EQ(quenby.exitCode(), 2);
        EXPECT_TRUE(quenby.readAll().contains(says));
    }
}

// A clip in each container taken besides the first eight converts, in any
// letter case; a Matroska file of sound alone is skipped with a note.
TEST_F(Headless, EveryContainerConvertsAndSoundAloneIsNoted)
{
    QStringList files;
    for (const QString& name : ContainerClipNames()) {
        ASSERT_TRUE(QFile::copy(ContainerClip(name), in + name)) << name.toStdString();
        files << in + name;
    }
    EXPECT_EQ(Run(QStringList{"--profile", Profile, "--output", out, "--jobs", "2"} + files), 1);
    EXPECT_TRUE(errors.contains("'" + in + "music.mkv' skipped: holds no video picture"))
        << errors.toStdString();
    const int videos = int(files.size()) - 1;
    EXPECT_TRUE(errors.contains(QString("%1 files: %1 converted").arg(videos)))
        << errors.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), videos);
}

TEST_F(Headless, KeepsEverySoundTrackAndTheSubtitleWhenAsked)
{
    ASSERT_TRUE(QFile::copy(TrackClip(), in + "film.mkv"));
    EXPECT_EQ(Run({"--profile", "Any Device MP4 (H.264 + AAC)", "--output", out, "--audio", "all",
                   "--subtitles", "keep", in + "film.mkv"}),
              0)
        << errors.toStdString();
    EXPECT_EQ(TrackSummary(out + "film.mp4"),
              "a:aac:eng:default a:aac:fre s:mov_text:eng:default | Two voices | 2");
}

// An unknown option is told about and the window opens. Ended with the
// session, it ends at once even when its preferences cannot be saved: the
// reason goes to standard error, not into a box that nobody can click.
TEST_F(Headless, TheWindowNotesUnknownOptionsAndASessionEndNeverWaitsForAClick)
{
    ASSERT_TRUE(QFile::setPermissions(app.Path() + "Preferences.ini", QFileDevice::ReadOwner));
    QProcessEnvironment environment = quenby.processEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    quenby.setProcessEnvironment(environment);
    quenby.setArguments({"--bogus"});
    quenby.setReadChannel(QProcess::StandardError);
    quenby.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return quenby.canReadLine(); }, Wait));
    // Long enough for a start-up slowed by sanitizers and a busy machine to
    // have put up the window and its signal handlers.
    EXPECT_FALSE(quenby.waitForFinished(3000)) << "the window stays open";
    ::kill(static_cast<pid_t>(quenby.processId()), SIGTERM);
    ASSERT_TRUE(quenby.waitForFinished(5000));
    const QString said = QString::fromUtf8(quenby.readAllStandardError());
    EXPECT_TRUE(said.startsWith("quenby: '--bogus' is neither an option")) << said.toStdString();
    EXPECT_TRUE(said.contains("Preferences.ini\". Permission denied")) << said.toStdString();
}

// SIGKILL cannot be caught, and leaves the hidden working file behind; the
// next batch into the folder removes it, but no file of a running process,
// of another machine, or of another shape.
TEST_F(Headless, TheNextBatchRemovesTheWorkingFileOfAKilledOne)
{
    const QString clip = LongTestClip(120);
    ASSERT_FALSE(clip.isEmpty());
    ASSERT_TRUE(CopyTestClip(".avi", in + "short.avi"));
    const QString running = QString::fromStdString(
        ExtractFileName(WorkingOutputPath("", ".avi", LocalHostTag(), ::getpid(), 1)));
    for (const QString& name :
         {running, QString(".quenby-elsewhere-1-1.avi"), QString(".quenby-1-1.avi")})
        ASSERT_TRUE(QFile(out + name).open(QIODevice::WriteOnly));
    quenby.setArguments({"--convert", "--profile", Profile, "--output", out, clip});
    quenby.start();
    ASSERT_TRUE(quenby.waitForStarted(Wait));
    const QString owner = "-" + QString::number(quenby.processId()) + "-";
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QDir(out).entryList(QDir::Files | QDir::Hidden).join('/').contains(owner); },
        Wait));
    ::kill(static_cast<pid_t>(quenby.processId()), SIGKILL);
    ASSERT_TRUE(quenby.waitForFinished(Wait));
    ASSERT_TRUE(QDir(out).entryList(QDir::Files | QDir::Hidden).join('/').contains(owner));

    ASSERT_EQ(Run({"--profile", Profile, "--output", out, in + "short.avi"}), 0)
        << errors.toStdString();
    EXPECT_TRUE(errors.startsWith("quenby: removed 1 hidden working file left in '" + out + "'"))
        << errors.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({".quenby-1-1.avi", ".quenby-elsewhere-1-1.avi", running, "short.avi"}));
}

// The README's form for one machine: four runs at once with --rename into
// one folder, twelve inputs of four names from three folders. Runs of one
// name choose the same free name at their start; every output is kept,
// under the name its run reports.
TEST_F(Headless, FourRunsUnderGnuParallelKeepEveryOutput)
{
    QStringList files;
    // Each name's three files come one after another: their runs overlap.
    for (const char* stem : {"a", "b", "c", "d"})
        for (const char* folder : {"x/", "y/", "z/"}) {
            files << in + folder + stem + ".avi";
            ASSERT_TRUE(QDir().mkpath(in + folder) && CopyTestClip(".avi", files.last()));
        }
    QProcess parallel;
    parallel.setProcessEnvironment(quenby.processEnvironment());
    // -q, as the README says for paths with blanks: the directory may hold them.
    parallel.start("parallel", QStringList{"-q", "-j", "4", quenby.program(), "--convert",
                                           "--rename", "--output", out, ":::"} +
                                   files);
    ASSERT_TRUE(parallel.waitForFinished(Wait));
    const QString report = QString::fromUtf8(parallel.readAllStandardError());
    EXPECT_EQ(parallel.exitCode(), 0) << report.toStdString();

    QStringList reported;
    for (const auto& match : QRegularExpression(" -> (.+)\n").globalMatch(report))
        reported << QFileInfo(match.captured(1)).fileName();
    reported.sort();
    EXPECT_EQ(reported.size(), 12) << report.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden, QDir::Name), reported);
}

class HeadlessSignal : public Headless, public ::testing::WithParamInterface<int>
{
};

// A signal stops the batch as Stop does: the encoder is killed and reaped,
// its unfinished output removed, and the program ends with status 130.
TEST_P(HeadlessSignal, StopsLikeStopAndEndsWith130)
{
    const QString clip = LongTestClip(120);
    ASSERT_FALSE(clip.isEmpty());
    quenby.setArguments({"--convert", "--profile", Profile, "--output", out, clip});
    quenby.start();
    ASSERT_TRUE(quenby.waitForStarted(Wait));
    qint64 encoder = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QList<qint64> children = ChildrenOf(quenby.processId());
            encoder = children.isEmpty() ? 0 : children.first();
            return encoder != 0 && !QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty();
        },
        Wait));

    ::kill(static_cast<pid_t>(quenby.processId()), GetParam());
    ASSERT_TRUE(quenby.waitForFinished(Wait));
    EXPECT_EQ(quenby.exitStatus(), QProcess::NormalExit) << "the signal was caught";
    EXPECT_EQ(quenby.exitCode(), 130);
    EXPECT_FALSE(ProcessExists(encoder));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(quenby.readAllStandardError().contains(
        "Stopped. 1 file: 0 converted, 0 failed, 1 stopped, 0 not started"));
}

// Every signal that would end the program on the spot.
INSTANTIATE_TEST_SUITE_P(Signals, HeadlessSignal,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2,
                                           SIGALRM, SIGXCPU, SIGXFSZ, SIGPWR),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string("SIG") + ::sigabbrev_np(info.param);
                         });

} // namespace

// Each file converted once, whole: a copy stalled longer than the still time,
// an AVI cut off, a rename, a burst, a line break in a name; sound alone never;
// with a target, smaller. A second watch into OUT is refused; a restart with a
// damaged state and an emptied folder converts nothing again.
TEST_F(Headless, WatchConvertsEachFileOnceThroughSlowCopyRenameBurstAndRestart)
{
    QProcessEnvironment environment = quenby.processEnvironment();
    environment.insert("QUENBY_TEST_WATCH_STILL_MS", "1500");
    quenby.setProcessEnvironment(environment);
    const QStringList arguments{"--watch",   in,      "--output",      out,
                                "--profile", Profile, "--target-size", "100kB"};
    quenby.setArguments(arguments);
    const auto outputs = [this] {
        return QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    };
    QStringList expected{".quenby-watch.ini", ".quenby-watch.ini.lock", "after.avi",
                         "cut.avi",           "new\nline.avi",          "slow.avi"};
    quenby.start();
    ASSERT_TRUE(quenby.waitForStarted(Wait));

    QFile clip(TestClip(".avi")), slow(in + "slow.avi"), cut(in + "cut.avi");
    ASSERT_TRUE(clip.open(QIODevice::ReadOnly));
    const QByteArray bytes = clip.readAll();
    ASSERT_TRUE(slow.open(QIODevice::WriteOnly) && cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    for (int part = 0; part < 4; ++part) {
        slow.write(bytes.mid(part * bytes.size() / 4, bytes.size() / 4 + 1));
        slow.flush();
        QTest::qWait(part == 1 ? 4000 : 900);
    }
    slow.close();
    EXPECT_FALSE(QFile::exists(out + "cut.avi")) << "published cut off";
    ASSERT_TRUE(cut.open(QIODevice::Append) && cut.write(bytes.mid(bytes.size() / 2)) > 0);
    cut.close();
    ASSERT_TRUE(CopyTestClip(".avi", in + "before.avi") &&
                CopyTestClip(".avi", in + "new\nline.avi"));
    ASSERT_TRUE(QFile::copy(ContainerClip("music.mkv"), in + "music.mkv"));
    QTest::qWait(500);
    ASSERT_TRUE(QFile::rename(in + "before.avi", in + "after.avi"));
    ASSERT_TRUE(QDir().mkpath(in + "burst"));
    for (int i = 0; i < 20; ++i) {
        const QString name = QStringLiteral("b%1.avi").arg(i, 2, 10, QChar('0'));
        ASSERT_TRUE(CopyTestClip(".avi", in + "burst/" + name));
        expected.push_back(name);
    }
    expected.sort();
    for (int waited = 0; waited < Wait && outputs() != expected; waited += 500)
        QTest::qWait(500);
    EXPECT_EQ(outputs(), expected) << quenby.readAllStandardError().toStdString();
    EXPECT_NEAR(MediaSeconds(out + "slow.avi"), 3, 0.2) << "taken before the copy ended";
    EXPECT_LT(QFileInfo(out + "slow.avi").size(), 250000) << "the target was ignored";
    QProcess second;
    second.setProcessEnvironment(quenby.processEnvironment());
    second.start(quenby.program(), arguments);
    ASSERT_TRUE(second.waitForFinished(Wait));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("another watch"));

    QFile state(out + ".quenby-watch.ini");
    for (int run = 0; run < 2; ++run) {
        ::kill(static_cast<pid_t>(quenby.processId()), SIGTERM);
        ASSERT_TRUE(quenby.waitForFinished(Wait));
        EXPECT_EQ(quenby.exitCode(), 130);
        if (run == 0) {
            ASSERT_TRUE(state.open(QIODevice::Append) &&
                        state.write(QByteArray("9=\0\0\r\n", 6)) == 6);
            state.close();
            ASSERT_TRUE(QDir().rename(in, app.Path() + "away") && QDir().mkpath(in));
            quenby.start();
            QTest::qWait(3000);
            ASSERT_TRUE(QDir().rmdir(in) && QDir().rename(app.Path() + "away", in));
            QTest::qWait(4000);
        }
    }
    expected.replace(expected.indexOf(".quenby-watch.ini.lock"), ".quenby-watch.ini.bad");
    EXPECT_EQ(outputs(), expected) << "converted again after the restart";
}
