// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileDetail.h"

#include "convert/ArgumentBuilder.h"
#include "fixtures/FakePlatform.h"
#include "platform/Translators.h"
#include "widgets/BalloonTip.h"
#include "widgets/ValueListEditor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// The panel as the main window holds it, over a temporary application directory.
class DetailPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(appDir.isValid());
        ASSERT_TRUE(QDir(appDir.path()).mkdir("Profiles"));
        box = std::make_unique<QGroupBox>("Profile Detail");
        new QVBoxLayout(box.get());
        combo = new QComboBox(box.get());
        detail = new TProfileDetail({box.get(), combo}, appDir.path().toStdString(), platform);
    }

    QString Write(const QString& name, const QByteArray& text)
    {
        const QString path = appDir.path() + "/Profiles/" + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // "key=value" for each row, joined with ";".
    static QString Rows(const ValueListEditor* grid)
    {
        QStringList rows;
        for (int row = 0; row < grid->RowCount(); ++row)
            rows << grid->Keys(row) + "=" + grid->RowValue(row);
        return rows.join(';');
    }

    QTemporaryDir appDir;
    FakePlatform platform;
    std::unique_ptr<QGroupBox> box;
    QComboBox* combo = nullptr;
    TProfileDetail* detail = nullptr;
};

TEST_F(DetailPanel, StartsWithTheStandardRowsAndHeights)
{
    EXPECT_EQ(Rows(detail->vleOutput), "New Filename=;Start Time=;End Time=;Target Size=");
    EXPECT_EQ(detail->vleVideo->RowCount(), 6);
    EXPECT_EQ(detail->vleAudio->Keys(4), "Volumn");
    EXPECT_EQ(detail->vleAdvanced->RowCount(), 2);
    EXPECT_EQ(detail->vleOutput->height(), 72);
    EXPECT_EQ(detail->vleVideo->height(), 108);
    EXPECT_EQ(detail->vleAudio->height(), 108);
    EXPECT_EQ(detail->vleAdvanced->height(), 36);
    EXPECT_TRUE(detail->OutputExt.isEmpty());
    EXPECT_EQ(box->layout()->indexOf(detail), 0);
}

TEST_F(DetailPanel, OutputRowsShowTranslatedCaptionsAndKeepTheirKeys)
{
    const TTranslators german(QUENBY_TRANSLATIONS_DIR, QStringLiteral("de"));
    detail->vleOutput->SetValue("Start Time", "00:00:05");
    EXPECT_EQ(detail->vleOutput->Cells(0, 1), "Startzeit");
    EXPECT_EQ(detail->vleOutput->Values("Start Time"), "00:00:05");
    EXPECT_EQ(detail->vleOutput->RowCount(), 4);
}

TEST_F(DetailPanel, LoadFillsTheGridsByGroupWithTheirProperties)
{
    const QString path =
        Write("p.apf", "[Main]\nType=avi\nPara=4\n0=Quality\n1=Rate\n2=Fixed\n3=Odd\n"
                       "[Quality]\nSort=1\nCaption=Low,High,\nIndex=1\n"
                       "[Rate]\nSort=2\nList=0\nCaption=Auto\n"
                       "[Fixed]\nSort=2\nList=0\nReadOnly=1\nCaption=On\nValue=1\n"
                       "[Odd]\nSort=7\nList=0\nCaption=x\n");
    detail->LoadProfileIntoGrids(path);
    EXPECT_EQ(detail->OutputExt, ".avi");
    EXPECT_EQ(Rows(detail->vleVideo), "Quality=High");
    EXPECT_EQ(Rows(detail->vleAudio), "Rate=Auto;Fixed=On;Odd=x");
    EXPECT_EQ(Rows(detail->vleAdvanced), "");
    const ValueListEditor::TItemProp quality = detail->vleVideo->ItemProps(0);
    EXPECT_TRUE(quality.ReadOnly);
    EXPECT_EQ(quality.EditStyle, ValueListEditor::esPickList);
    EXPECT_EQ(quality.PickList, QStringList({"Low", "High"}));
    EXPECT_FALSE(detail->vleAudio->ItemProps(0).ReadOnly);
    EXPECT_TRUE(detail->vleAudio->ItemProps(1).ReadOnly);
    EXPECT_EQ(detail->vleVideo->height(), 18);
    EXPECT_EQ(detail->vleAudio->height(), 54);
    EXPECT_EQ(detail->vleAdvanced->height(), 18); // an empty group keeps one blank row
    EXPECT_EQ(Read(path).count("\r\n"), 0);       // only read: never rewritten
    EXPECT_TRUE(platform.errors.isEmpty());
}

// A profile written in Latin-1: the grid shows its captions, and the caption
// shown picks its own value when Start builds the arguments from the grids.
TEST_F(DetailPanel, CaptionsInASingleByteEncodingShowAndPickTheirValues)
{
    const QString path = Write("p.apf", "[Main]\nType=avi\nPara=1\n0=Canal \xE9\n"
                                        "[Canal \xE9]\nSort=2\nCaption=Mono,St\xE9r\xE9o,\n"
                                        "Value=1,2,\nIndex=1\ncmd=-ac\n");
    detail->LoadProfileIntoGrids(path);
    const QString label = QString::fromUtf8("Canal é");
    EXPECT_EQ(detail->vleAudio->Keys(0), label);
    EXPECT_EQ(detail->vleAudio->ItemProps(0).PickList,
              QStringList({"Mono", QString::fromUtf8("Stéréo")}));
    const auto arguments = [&] {
        return BuildArguments(detail->Choice(), {});
    };
    EXPECT_EQ(arguments(), (std::vector<std::string>{"-ac", "2"}));
    detail->SetDetailValue(2, label, "Mono");
    EXPECT_EQ(arguments(), (std::vector<std::string>{"-ac", "1"}));
}

TEST_F(DetailPanel, EmptyProfileEmptiesTheGridsAndDefaultsToMp4)
{
    detail->LoadProfileIntoGrids(Write("e.apf", "[Main]\n"));
    EXPECT_EQ(detail->OutputExt, ".mp4");
    EXPECT_EQ(detail->vleVideo->RowCount() + detail->vleAudio->RowCount() +
                  detail->vleAdvanced->RowCount(),
              0);
    EXPECT_EQ(detail->vleOutput->RowCount(), 4);
}

TEST_F(DetailPanel, ListIndexErrorStopsTheLoadAtThatParameter)
{
    const QByteArray text =
        "[Main]\nType=mkv\nPara=3\n0=A\n1=Q\n2=C\n[A]\nSort=2\nList=0\nCaption=a\n"
        "[Q]\nSort=2\nCaption=Low,High\nIndex=1\n[C]\nSort=3\nList=0\nCaption=c\n";
    const QString path = Write("bad.apf", text);
    detail->LoadProfileIntoGrids(path);
    EXPECT_EQ(platform.errors, QStringList({"List index out of bounds (1)"}));
    EXPECT_EQ(Rows(detail->vleVideo), "");
    EXPECT_EQ(Rows(detail->vleAudio), "A=a;Q=");
    EXPECT_EQ(detail->vleAudio->ItemProps(1).PickList, QStringList({"Low"}));
    EXPECT_EQ(Rows(detail->vleAdvanced), "");
    EXPECT_EQ(detail->vleAudio->height(), 108); // heights are not updated
    EXPECT_EQ(Read(path), text);                // nor is the file rewritten
    EXPECT_EQ(detail->OutputExt, ".mkv");       // the type was read before the parameters
}

TEST_F(DetailPanel, MissingFileLeavesGridsAndOutputExtAlone)
{
    detail->LoadProfileIntoGrids(
        Write("a.apf", "[Main]\nType=webm\nPara=1\n0=Q\n[Q]\nSort=1\nList=0\nCaption=q\n"));
    detail->LoadProfileIntoGrids(appDir.path() + "/Profiles/none.apf");
    EXPECT_EQ(detail->OutputExt, ".webm");
    EXPECT_EQ(Rows(detail->vleVideo), "Q=q");
    EXPECT_FALSE(QFile::exists(appDir.path() + "/Profiles/none.apf"));
}

TEST_F(DetailPanel, CatalogueListsProfileNamesInNameOrderWithoutSelecting)
{
    Write("b.apf", "[Main]\nType=avi\n");
    Write("a.APF", "[Main]\nType=mov\n");
    Write("c.apf.txt", "[Main]\n");
    detail->BuildProfileCatalogue();
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "a");
    EXPECT_EQ(combo->itemText(1), "b");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_TRUE(detail->OutputExt.isEmpty());

    combo->setCurrentIndex(1);
    detail->cmbProfileChange();
    EXPECT_EQ(detail->OutputExt, ".avi");
    // Listed from "a.APF", it loads from that file.
    combo->setCurrentIndex(0);
    detail->cmbProfileChange();
    EXPECT_EQ(detail->OutputExt, ".mov");
}

TEST_F(DetailPanel, SetDetailValueFindsTheLabelIgnoringCaseOrAppendsIt)
{
    detail->SetDetailValue(0, "new filename", "clip.mp4");
    EXPECT_EQ(detail->vleOutput->Values("New Filename"), "clip.mp4");
    EXPECT_EQ(detail->vleOutput->RowCount(), 4);
    detail->SetDetailValue(3, "Extra", "1");
    EXPECT_EQ(detail->vleAdvanced->Keys(2), "Extra");
    detail->SetDetailValue(4, "New Filename", "x");
    detail->SetDetailValue(-1, "New Filename", "x");
    EXPECT_EQ(detail->vleOutput->Values("New Filename"), "clip.mp4");
}

TEST_F(DetailPanel, ProfilePathIsUnderTheApplicationDirectory)
{
    EXPECT_EQ(detail->ProfilePath("MP4"), appDir.path() + "/Profiles/MP4.apf");
}

TEST_F(DetailPanel, CustomSizeIsAskedForOnlyOnTheVideoSizeRow)
{
    const struct
    {
        const char* currentRow;
        const char* value;
        bool asks;
    } cases[] = {{"Video Size", "Custom Size", true},
                 {"Video Size", "custom size", false}, // the value is compared exactly
                 {"Bit Rate", "Custom Size", false},
                 {"Video Size", "640x480", false}};
    QSignalSpy asked(detail, &TProfileDetail::CustomSizeRequested);
    for (const auto& c : cases) {
        int row = -1;
        ASSERT_TRUE(detail->vleVideo->FindRow(c.currentRow, row));
        detail->vleVideo->setCurrentCell(row, 1);
        detail->vleVideo->LeaveEditMode();
        asked.clear();
        detail->SetDetailValue(1, "Video Size", c.value); // typed, picked or set alike
        EXPECT_EQ(asked.count(), c.asks ? 1 : 0) << c.currentRow << " " << c.value;
        detail->SetDetailValue(1, "Video Size", "Original Size");
    }
}

TEST_F(DetailPanel, APressOnTheOutputGridWithoutATaskShowsTheTipAndNoEditor)
{
    box->resize(200, 500);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    ValueListEditor* grid = detail->vleOutput;
    const QPoint cell = grid->visualRect(grid->model()->index(1, 1)).center();

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_FALSE(grid->EditorMode());
    TBalloonTip* tip = detail->BalloonTip;
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->Title(), "Tip:");
    EXPECT_EQ(tip->Text(), "Please select a file in Task List.");
    EXPECT_EQ(tip->accessibleName(), "Tip: Please select a file in Task List.");
    EXPECT_TRUE(tip->windowFlags().testFlag(Qt::WindowTransparentForInput));
    // Typing is refused as the press is: the tip again, and nothing typed stays.
    tip->hide();
    QTest::keyClicks(grid, "ab");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(grid->RowValue(1), "");

    // The next press anywhere hides it; with a task shown, a press edits.
    detail->SetDetailValue(0, "New Filename", "clip.mp4");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(2, 1)).center());
    EXPECT_FALSE(tip->isVisible());
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(detail->findChildren<TBalloonTip*>().size(), 1) << "one tip, shown again";
}

} // namespace
