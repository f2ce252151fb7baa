// SPDX-License-Identifier: GPL-3.0-or-later
// Each shipped profile, at its load-time choices, converts every common kind
// of input that has the streams it needs; an audio-only profile given a video
// without audio fails with the encoder's reason and leaves no readable file.

#include "base/ShellText.h"
#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"
#include "fixtures/Clips.h"
#include "fixtures/ProfileRuns.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

struct Pairing
{
    std::string Profile;
    QString Input;
};

void PrintTo(const Pairing& pairing, std::ostream* out)
{
    *out << pairing.Profile << " <- " << pairing.Input.toStdString();
}

// Every input kind and every profile once at least, each pairing that failed
// before the profiles were fixed, and none of the slow ones (VP9 or HEVC at
// 1080p). QUENBY_SWEEP_ALL_INPUTS=1 pairs every profile with every kind.
std::vector<Pairing> Pairings()
{
    if (qEnvironmentVariableIntValue("QUENBY_SWEEP_ALL_INPUTS") == 1) {
        std::vector<Pairing> all;
        for (const std::string& profile : ShippedProfileNames())
            for (const InputKind& kind : InputKinds())
                all.push_back({profile, kind.Name});
        return all;
    }
    return {
        {"MOV QuickTime (H.264 + AAC)", "phone720.mp4"},
        {"MPEG-1 Video (VCD)", "webcam15.avi"},
        {"FLV Flash Video (Sorenson + MP3)", "webcam15.avi"},
        {"WMV Windows Media (WMV2 + WMA2)", "surround51.vob"},
        {"WebM (VP9 + Opus)", "surround51.vob"},
        {"M4A Audio (AAC)", "surround51.vob"},
        {"Any Device MP4 (H.264 + AAC)", "noaudio.mp4"},
        {"MP3 Audio", "noaudio.mp4"},
        {"Any Device MP4 (H.264 + AAC)", "odd853x479.avi"},
        {"WMV Windows Media (WMV2 + WMA2)", "odd853x479.avi"},
        {"MP4 HEVC (H.265 + AAC)", "odd853x479.avi"},
        {"MKV (H.264 + AAC)", "tenbit.mov"},
        {"AVI (MPEG-4 + MP3)", "tenbit.mov"},
        {"MPEG-1 Video (VCD)", "voice8k.wmv"},
        {"Mobile Phone 3GP (MPEG-4 + AAC)", "voice8k.wmv"},
        {"DVD MPEG-2 (VOB)", "full1080p60.mp4"},
        {"MPEG-1 Video (VCD)", "full1080p60.mp4"},
    };
}

bool HasArgument(const std::vector<std::string>& arguments, const std::string& argument)
{
    return std::find(arguments.begin(), arguments.end(), argument) != arguments.end();
}

class ProfileOnInput : public ::testing::TestWithParam<Pairing>
{
};

TEST_P(ProfileOnInput, ConvertsWhenTheInputHasTheStreamsTheProfileNeeds)
{
    const Pairing& pairing = GetParam();
    const QList<InputKind> kinds = InputKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&](const InputKind& k) { return k.Name == pairing.Input; });
    ASSERT_NE(kind, kinds.end());
    const QString clip = InputKindClip(kind->Name);
    ASSERT_FALSE(clip.isEmpty());
    LoadedProfile profile(pairing.Profile);
    ASSERT_TRUE(profile.Loaded) << "no such profile";
    const Container* container = ContainerOfType(profile.OutputExt.mid(1).toStdString());
    ASSERT_TRUE(container);

    const std::vector<std::string> words = profile.Arguments();
    const std::string arguments = ShellCommandLine(words);
    const bool writesVideo = !HasArgument(words, "-vn");
    const bool writesAudio = !HasArgument(words, "-an");
    const QString outputDir = QStringLiteral(QUENBY_TEST_WORK_DIR "/profile-inputs/");
    ASSERT_TRUE(QDir().mkpath(outputDir));
    const QString output = outputDir + QString::fromStdString(TestName(pairing.Profile)) + "-" +
                           QString(kind->Name).replace('.', '-') + profile.OutputExt;
    const EncoderRun run = ConvertWithEncoder(clip, words, output);
    ASSERT_TRUE(run.started);
    const std::string reason = LastEncoderMessage(run.output.toStdString());
    const ProbedFile probe = ProbeFile(output);

    if (!writesVideo && !kind->HasAudio) {
        EXPECT_NE(run.exitCode, 0);
        EXPECT_FALSE(probe.ok);
        EXPECT_NE(reason.find("does not contain any stream"), std::string::npos) << reason;
        return;
    }
    ASSERT_EQ(run.exitCode, 0) << arguments << "\n" << reason;
    ASSERT_TRUE(probe.ok) << arguments;
    EXPECT_TRUE(IsOfContainer(probe, *container)) << probe.formatName.toStdString();
    EXPECT_NEAR(probe.duration, InputKindSeconds(), 0.25) << arguments;
    EXPECT_EQ(probe.hasVideo, writesVideo && kind->HasVideo) << arguments;
    EXPECT_EQ(probe.hasAudio, writesAudio && kind->HasAudio) << arguments;
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProfileOnInput, ::testing::ValuesIn(Pairings()),
                         [](const auto& info) {
                             return TestName(info.param.Profile) + "_" +
                                    TestName(info.param.Input.toStdString());
                         });

} // namespace
