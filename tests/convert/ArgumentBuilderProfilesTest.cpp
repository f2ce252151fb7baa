// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped profile, built into arguments from what its grids show after
// loading, must make the real encoder write a file of the profile's type.

#include "base/ShellText.h"
#include "fixtures/Clips.h"
#include "fixtures/ProfileRuns.h"
#include "profiles/ProfileWalker.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const char* const SweptProfileName = "Any Device MP4 (H.264 + AAC)";

// Runs the real encoder as a conversion does; returns the output path.
QString Convert(const QString& input, const std::vector<std::string>& arguments,
                const QString& output)
{
    EXPECT_TRUE(ConvertWithEncoder(input, arguments, output).started);
    return output;
}

class ShippedProfile : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        clip = TestClip(".avi");
        ASSERT_FALSE(clip.isEmpty()) << "no test clip";
        ASSERT_TRUE(QDir().mkpath(OutputDir()));
    }
    static QString OutputDir() { return QStringLiteral(QUENBY_TEST_WORK_DIR "/profiles/"); }

    QString clip;
};

TEST_P(ShippedProfile, ConvertsAtItsLoadTimeChoicesAndLeavesTheFileAsItWas)
{
    LoadedProfile profile(GetParam(), true);
    ASSERT_TRUE(profile.Loaded);
    const std::string type = profile.OutputExt.mid(1).toStdString();
    const Container* container = ContainerOfType(type);
    ASSERT_TRUE(container) << "no expectation for type " << type;

    const std::vector<std::string> words = profile.Arguments();
    const std::string arguments = ShellCommandLine(words);
    const QString output =
        Convert(clip, words,
                OutputDir() + QString::fromStdString(TestName(GetParam())) + profile.OutputExt);
    ASSERT_TRUE(QFile::exists(output)) << arguments;
    EXPECT_EQ(profile.Md5(), profile.Md5BeforeLoad);
    const ProbedFile probe = ProbeFile(output);
    ASSERT_TRUE(probe.ok) << arguments;
    EXPECT_TRUE(IsOfContainer(probe, *container))
        << probe.formatName.toStdString() << " " << probe.majorBrand.toStdString();
    EXPECT_NEAR(probe.duration, 3.0, 0.3) << arguments;
    EXPECT_TRUE(probe.hasAudio) << arguments;
    const std::string size = profile.ChosenSize();
    if (!size.empty()) {
        EXPECT_EQ(std::to_string(probe.width) + "x" + std::to_string(probe.height), size);
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, ShippedProfile, ::testing::ValuesIn(ShippedProfileNames()),
                         [](const auto& info) { return TestName(info.param); });

TEST(ShippedProfiles, AtLeastTwelveAreShipped)
{
    EXPECT_GE(ShippedProfileNames().size(), 12u);
}

// The profiles whose every pick is tried: one by default, to keep the run
// short; all of them with QUENBY_SWEEP_ALL_PROFILES=1 (about half a minute
// each), which is worth doing after editing the shipped profiles.
std::vector<std::string> SweptProfileNames()
{
    if (qEnvironmentVariableIntValue("QUENBY_SWEEP_ALL_PROFILES") == 1)
        return ShippedProfileNames();
    return {SweptProfileName};
}

class SweptProfile : public ShippedProfile
{
};

// One second of the clip per pick keeps the sweep short; the trim switch is
// appended as the batch runner appends a task's trim.
TEST_P(SweptProfile, EveryPickOfEveryParameterGivesAReadableFile)
{
    std::vector<TProfileParameter> parameters;
    LoadedProfile reference(GetParam());
    ASSERT_TRUE(reference.Loaded);
    WalkProfile(reference.Path().toStdString(),
                [&](const TProfileParameter& p) { parameters.push_back(p); });
    ASSERT_FALSE(parameters.empty());

    int runs = 0;
    for (const TProfileParameter& p : parameters) {
        for (const std::string& caption : p.Items) {
            LoadedProfile profile(GetParam());
            profile.Grids().ForGroup(p.Group)->SetValue(QString::fromStdString(p.Name),
                                                        QString::fromStdString(caption));
            std::vector<std::string> words = profile.Arguments();
            words.insert(words.end(), {"-t", "1"});
            const std::string arguments = ShellCommandLine(words);
            const QString output =
                Convert(clip, words,
                        OutputDir() + "sweep-" + QString::fromStdString(TestName(GetParam())) +
                            profile.OutputExt);
            const ProbedFile probe = ProbeFile(output);
            EXPECT_TRUE(probe.ok) << p.Name << " = " << caption << ":" << arguments;
            EXPECT_NEAR(probe.duration, 1.0, 0.3) << p.Name << " = " << caption;
            ++runs;
        }
    }
    EXPECT_GT(runs, 20);
}

INSTANTIATE_TEST_SUITE_P(Profiles, SweptProfile, ::testing::ValuesIn(SweptProfileNames()),
                         [](const auto& info) { return TestName(info.param); });

} // namespace
