// SPDX-License-Identifier: GPL-3.0-or-later
// The readings taken from what the real encoder writes: progress from a clip
// whose description holds "time 30 x", and failure reasons.

#include "convert/BatchRules.h"
#include "fixtures/Clips.h"
#include "fixtures/ProfileRuns.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QString OutputDir()
{
    const QString dir = QStringLiteral(QUENBY_TEST_WORK_DIR "/encoder-output/");
    QDir().mkpath(dir);
    return dir;
}

// The output cut after every line break, as small reads would deliver it.
std::vector<std::string> Pieces(const QByteArray& output)
{
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : output) {
        piece += c;
        if (c == '\r' || c == '\n') {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

} // namespace

TEST(EncoderOutput, ATitledClipsProgressEndsAtItsLengthNotAtTheTitlesNumber)
{
    const QString clip = TitledClip();
    ASSERT_FALSE(clip.isEmpty());
    const EncoderRun run =
        ConvertWithEncoder(clip, " -c:v mpeg4 -c:a libmp3lame", OutputDir() + "titled.avi");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_TRUE(run.output.contains(TitledClipComment)) << "the description is not echoed";

    TProgressReader reader;
    bool timeFieldSeen = false;
    for (const std::string& piece : Pieces(run.output)) {
        reader.Read(piece);
        timeFieldSeen = timeFieldSeen || piece.find("time=") != std::string::npos;
        if (timeFieldSeen) {
            EXPECT_LE(reader.Current(), 3.1) << piece;
        }
    }
    EXPECT_NEAR(reader.Current(), 3.0, 0.1);
}

TEST(EncoderOutput, AFailedConversionNamesItsCause)
{
    struct Case
    {
        const char* name;
        QString input;
        std::string arguments;
        const char* cause;
        QString output = OutputDir() + "failed.mpg";
    };
    const QString garbage = OutputDir() + "garbage.avi";
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    const Case cases[] = {
        {"unknown encoder", TestClip(".avi"), " -c:v xyz", "Unknown encoder 'xyz'"},
        {"unreadable input", garbage, "", "Invalid data found when processing input"},
        {"a rate the encoder refuses", TestClip(".avi"), " -c:v mpeg1video -r 15",
         "Error while opening encoder"},
        // Not the statistics after the error, nor "Error initializing ... -- ".
        {"a full disk", TestClip(".avi"), " -vn -c:a aac -f adts", "No space left on device",
         "/dev/full"},
        {"a full disk, at the header", TestClip(".avi"), " -vn -c:a aac -f mp4",
         "No space left on device", "/dev/full"},
    };
    for (const Case& c : cases) {
        const EncoderRun run = ConvertWithEncoder(c.input, c.arguments, c.output);
        const std::string output = run.output.toStdString();
        EXPECT_TRUE(run.exitCode != 0 || !OutputWriteError(output, c.output.toStdString()).empty())
            << c.name;
        const std::string reason = LastEncoderMessage(output);
        EXPECT_NE(reason.find(c.cause), std::string::npos) << c.name << ": " << reason;
    }
}
