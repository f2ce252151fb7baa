// Every shipped profile, built into arguments from what its grids show after
// loading, must make the real encoder write a file of the profile's type.

#include "convert/ArgumentBuilder.h"
#include "convert/CommandLine.h"
#include "convert/EncoderChannel.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "profiles/ProfileGrids.h"
#include "profiles/ProfileWalker.h"
#include "widgets/ValueListEditor.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString ShippedProfiles = QStringLiteral(QUENBY_SOURCE_DIR "/data/Profiles/");
const char* const SweptProfileName = "Any Device MP4 (H.264 + AAC)";

std::vector<std::string> ShippedProfileNames()
{
    std::vector<std::string> names;
    for (const std::string& file : ListFilesWithExt(ShippedProfiles.toStdString(), ".apf"))
        names.push_back(file.substr(0, file.size() - 4));
    return names;
}

std::string TestName(const std::string& profile)
{
    std::string name;
    for (char ch : profile)
        if (std::isalnum(static_cast<unsigned char>(ch)))
            name += ch;
    return name;
}

// What ffprobe says of a file; `ok` is false when it cannot read it.
struct Probe
{
    bool ok = false;
    QString formatName;
    QString majorBrand;
    double duration = -1;
    int width = 0;
    int height = 0;
    bool hasAudio = false;
};

Probe ProbeFile(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral(QUENBY_FFPROBE_PATH),
                  {"-v", "error", "-show_entries",
                   "format=format_name,duration:format_tags=major_brand:stream=codec_type,width,"
                   "height",
                   "-of", "json", path});
    Probe probe;
    if (!ffprobe.waitForFinished(60000) || ffprobe.exitCode() != 0)
        return probe;
    const QJsonObject root = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    const QJsonObject format = root["format"].toObject();
    probe.ok = !format.isEmpty();
    probe.formatName = format["format_name"].toString();
    probe.majorBrand = format["tags"].toObject()["major_brand"].toString().trimmed();
    probe.duration = format["duration"].toString().toDouble();
    for (const QJsonValue& stream : root["streams"].toArray()) {
        const QJsonObject s = stream.toObject();
        if (s["codec_type"] == "video" && probe.width == 0) {
            probe.width = s["width"].toInt();
            probe.height = s["height"].toInt();
        }
        if (s["codec_type"] == "audio")
            probe.hasAudio = true;
    }
    return probe;
}

// The container ffprobe must report for each profile type: a part of its
// format name and, for the ISO family, the major brand the muxer writes.
struct Container
{
    const char* format;
    const char* brand;
};
const std::map<std::string, Container> Containers = {
    {"mp4", {"mp4", "isom"}}, {"mov", {"mov", "qt"}}, {"3gp", {"3gp", "3gp4"}},
    {"m4a", {"m4a", "M4A"}},  {"avi", {"avi", ""}},   {"wmv", {"asf", ""}},
    {"mpg", {"mpeg", ""}},    {"vob", {"mpeg", ""}},  {"mkv", {"matroska", ""}},
    {"webm", {"webm", ""}},   {"flv", {"flv", ""}},   {"mp3", {"mp3", ""}},
};

// A copy of one shipped profile loaded into three grids, as the detail panel does.
class LoadedProfile
{
public:
    explicit LoadedProfile(const std::string& name)
        : FPath(FDir.path() + "/" + QString::fromStdString(name) + ".apf")
    {
        QFile::copy(ShippedProfiles + QString::fromStdString(name) + ".apf", FPath);
        Loaded = LoadProfileIntoGrids(FPath, Grids(), FPlatform, &OutputExt);
    }

    TProfileGrids Grids() { return {&FVideo, &FAudio, &FAdvanced}; }
    std::string Arguments()
    {
        return BuildArguments(FPath.toStdString(), [this](int group, const std::string& name) {
            const ValueListEditor* grid = Grids().ForGroup(group);
            return grid ? grid->Values(QString::fromStdString(name)).toStdString() : std::string();
        });
    }
    // The encoder value of the shown "Video Size", "" for an original size.
    std::string ChosenSize()
    {
        std::string size;
        WalkProfile(FPath.toStdString(), [&](const TProfileParameter& p) {
            if (p.Name != "Video Size")
                return;
            const int k = IndexOfIgnoringCase(p.Items, FVideo.Values("Video Size").toStdString());
            const std::vector<std::string> values = SplitList(p.Value);
            if (k >= 0 && size_t(k) < values.size())
                size = values[size_t(k)];
        });
        return size;
    }
    QString Path() const { return FPath; }

    bool Loaded = false;
    QString OutputExt;
    ValueListEditor FVideo, FAudio, FAdvanced;

private:
    QTemporaryDir FDir;
    QString FPath;
    FakePlatform FPlatform;
};

// Runs the real encoder as a conversion does; returns the output path.
QString Convert(const QString& input, const std::string& arguments, const QString& output)
{
    QFile::remove(output);
    QStringList argv;
    for (const std::string& arg :
         ConversionArguments(input.toStdString(), arguments, output.toStdString()))
        argv << QString::fromStdString(arg);
    EncoderChannel channel;
    bool started = false;
    channel.RunToEnd(QStringLiteral(QUENBY_FFMPEG_PATH), argv, 240000,
                     EncoderChannel::ConversionChunk, &started);
    EXPECT_TRUE(started);
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

TEST_P(ShippedProfile, ConvertsAtItsLoadTimeChoices)
{
    LoadedProfile profile(GetParam());
    ASSERT_TRUE(profile.Loaded);
    const std::string type = profile.OutputExt.mid(1).toStdString();
    ASSERT_TRUE(Containers.count(type)) << "no expectation for type " << type;

    const std::string arguments = profile.Arguments();
    const QString output =
        Convert(clip, arguments,
                OutputDir() + QString::fromStdString(TestName(GetParam())) + profile.OutputExt);
    ASSERT_TRUE(QFile::exists(output)) << arguments;
    const Probe probe = ProbeFile(output);
    ASSERT_TRUE(probe.ok) << arguments;
    const Container& container = Containers.at(type);
    EXPECT_TRUE(probe.formatName.split(',').contains(container.format))
        << probe.formatName.toStdString();
    EXPECT_EQ(probe.majorBrand.toStdString(), container.brand);
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
            const std::string arguments = profile.Arguments() + " -t 1";
            const QString output =
                Convert(clip, arguments,
                        OutputDir() + "sweep-" + QString::fromStdString(TestName(GetParam())) +
                            profile.OutputExt);
            const Probe probe = ProbeFile(output);
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
