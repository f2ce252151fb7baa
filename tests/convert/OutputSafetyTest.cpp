// SPDX-License-Identifier: GPL-3.0-or-later
// Batches through the real encoder that used to destroy files: outputs that
// replaced inputs or each other, and broken outputs left under the real name.
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "fixtures/AddFiles.h"
#include "fixtures/Clips.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/PrintQt.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileDetail.h"
#include "settings/PreferenceStore.h"
#include "tasks/TaskList.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

constexpr int Wait = 240000;

QByteArray Digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

bool WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

class OutputSafety : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        ASSERT_TRUE(QDir().mkpath(out));
        // A profile whose codec the MP4 container refuses: the encoder opens
        // its output, then fails.
        ASSERT_TRUE(WriteText(app.Path() + "Profiles/Broken MP4.apf",
                              "[Main]\nType=mp4\nPara=1\n0=Video Codec\n[Video Codec]\nSort=1\n"
                              "ReadOnly=0\nList=1\nCaption=WMV2,\nValue=wmv2,\nIndex=0\n"
                              "cmd=-c:v\n"));
    }

    void Open(const QString& profile)
    {
        windows = std::make_unique<ApplicationWindows>(app.Path(), platform, QStringList());
        form = windows->MainForm.get();
        form->show();
        const int index = form->BottomStrip.cmbProfile->findText(profile);
        ASSERT_GE(index, 0) << profile.toStdString();
        form->BottomStrip.cmbProfile->setCurrentIndex(index);
        emit form->BottomStrip.cmbProfile->activated(index); // as the user's pick does
        form->BottomStrip.edtOutputdir->setText(out);
    }

    void Add(const QString& ext, const QString& path)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_TRUE(CopyTestClip(ext, path)) << path.toStdString();
        EXPECT_TRUE(AddAndWait(windows->TaskList->Adds(), {path}));
    }

    States Statuses() const
    {
        States all;
        for (int row = 0; row < windows->TaskList->Model().TaskCount(); ++row)
            all.push_back(windows->TaskList->Model().At(row).Data.Status);
        return all;
    }

    bool Run()
    {
        windows->Runner->tbtnStartClick();
        return QTest::qWaitFor([this] { return !windows->Runner->IsBatchActive(); }, Wait);
    }

    QStringList Files(const QString& dir) const
    {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TempAppDir app{TempAppDir::Encoder::Real, true};
    const QString out = app.Path() + "out/";
    FakePlatform platform;
    std::unique_ptr<ApplicationWindows> windows;
    TMainForm* form = nullptr;
};

// x/clip.avi and y/clip.wmv into one folder with "Overwrite": both
// conversions are kept, and a clip.mp4 from before the batch is replaced.
TEST_F(OutputSafety, TwoInputsOfOneNameKeepBothOutputs)
{
    Open("Any Device MP4 (H.264 + AAC)");
    ASSERT_TRUE(WriteText(out + "clip.mp4", "from before the batch"));
    Add(".avi", app.Path() + "x/clip.avi");
    Add(".wmv", app.Path() + "y/clip.wmv");
    ltvItemData trim; // the second one is told apart by its length
    trim.End = trim.Span = TTimeValue::FromText("00:00:02");
    trim.Start = TTimeValue::FromText("00:00:00.0");
    for (TaskField field : {TaskField::SpanText, TaskField::StartText, TaskField::EndText})
        windows->TaskList->Model().Write(1, field, trim);
    ASSERT_TRUE(windows->Preferences->Value().Overwrite);

    ASSERT_TRUE(Run());
    EXPECT_EQ(Statuses(), States({Complete, Complete}));
    EXPECT_EQ(Files(out), QStringList({"clip.mp4", "clip_2.mp4"}));
    EXPECT_NEAR(MediaSeconds(out + "clip.mp4"), 3.0, 0.3);
    EXPECT_NEAR(MediaSeconds(out + "clip_2.mp4"), 2.0, 0.3);
}

// a.avi and a.mp4 in one folder, converted into that folder to MP4: neither
// output may be a.mp4, which is an input.
TEST_F(OutputSafety, NoOutputReplacesAnInputOfTheBatch)
{
    Open("Any Device MP4 (H.264 + AAC)");
    const QString in = app.Path() + "in/";
    Add(".avi", in + "a.avi");
    Add(".mp4", in + "a.mp4");
    const QByteArray before = Digest(in + "a.mp4");
    form->BottomStrip.edtOutputdir->setText(in);

    ASSERT_TRUE(Run());
    EXPECT_EQ(Statuses(), States({Complete, Complete}));
    EXPECT_EQ(Digest(in + "a.mp4"), before);
    EXPECT_EQ(Files(in), QStringList({"a.avi", "a.mp4", "a_1.mp4", "a_2.mp4"}));
    EXPECT_NEAR(MediaSeconds(in + "a_1.mp4"), 3.0, 0.3);
}

// The encoder opens its output and then fails: with "Overwrite" its "-y"
// used to empty a good file of that name.
TEST_F(OutputSafety, AFailedConversionLeavesTheOldFileAndNothingElse)
{
    Open("Broken MP4");
    ASSERT_TRUE(WriteText(out + "clip.mp4", "a good file"));
    Add(".avi", app.Path() + "in/clip.avi");

    ASSERT_TRUE(Run());
    EXPECT_EQ(Statuses(), States({Failed}));
    EXPECT_EQ(Files(out), QStringList({"clip.mp4"}));
    EXPECT_EQ(Digest(out + "clip.mp4"),
              QCryptographicHash::hash("a good file", QCryptographicHash::Sha256));
}

TEST_F(OutputSafety, StopLeavesTheOldFileAndNoPartialOutput)
{
    const QString clip = LongTestClip(120);
    ASSERT_FALSE(clip.isEmpty());
    Open("Any Device MP4 (H.264 + AAC)");
    ASSERT_TRUE(WriteText(out + "long.mp4", "a good file"));
    ASSERT_TRUE(QDir().mkpath(app.Path() + "in"));
    ASSERT_TRUE(QFile::copy(clip, app.Path() + "in/long.avi"));
    EXPECT_TRUE(AddAndWait(windows->TaskList->Adds(), {app.Path() + "in/long.avi"}));

    windows->Runner->tbtnStartClick();
    // Caught while the encoder has written part of its output.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            for (const QFileInfo& file : QDir(out).entryInfoList(QDir::Files | QDir::Hidden))
                if (file.fileName().startsWith('.') && file.size() > 0)
                    return true;
            return false;
        },
        Wait));
    windows->Runner->tbtnStopClick();
    EXPECT_EQ(Statuses(), States({Stopped}));
    EXPECT_EQ(Files(out), QStringList({"long.mp4"}));
    EXPECT_EQ(Digest(out + "long.mp4"),
              QCryptographicHash::hash("a good file", QCryptographicHash::Sha256));
}

} // namespace
