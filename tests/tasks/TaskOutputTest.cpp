// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskListFixture.h"

#include "fixtures/AddFiles.h"
#include "fixtures/GridInput.h"
#include "widgets/BalloonTip.h"

#include <QTest>

namespace {

// The output grid of a shown, active main window holding two one-minute
// tasks, "first.avi" and "second.avi", with an "mkv" profile loaded.
class OutputGrid : public TaskListTest
{
protected:
    void SetUp() override
    {
        TaskListTest::SetUp();
        FApp.Script().Set("probe.duration", "00:01:00").Save();
        EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("first.avi")}));
        EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("second.avi")}));
        LoadProfile("mkv");
        Window().show();
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }

    ValueListEditor& Grid() { return *Detail().vleOutput; }
    void ClickRow(int row)
    {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                          View().visualRect(Index(row)).center());
    }
    void Type(const QString& label, const QString& text)
    {
        ASSERT_TRUE(TypeIntoCell(Grid(), label, text)) << label.toStdString();
    }
    ltvItemData Task(int row)
    {
        ltvItemData data;
        List().Model().Read(row, TaskField::AllFields, data);
        return data;
    }
};

TEST_F(OutputGrid, AnEditGoesIntoTheShownTaskWhenItsCellIsLeft)
{
    ClickRow(1);
    Type("Start Time", "00:00:10");
    Type("End Time", "00:00:40"); // leaving Start Time settles it
    EXPECT_EQ(Task(1).Start.Text(), "00:00:10");
    EXPECT_EQ(Task(1).Span.Text(), "00:00:50");
    View().setFocus(); // the focus leaving the grid settles End Time
    EXPECT_EQ(Task(1).End.Text(), "00:00:40");
    EXPECT_EQ(Task(1).Span.Text(), "00:00:30");
    EXPECT_EQ(Task(0).Start.Text(), "00:00:00.0");

    // Moving between cells without typing settles nothing.
    ltvItemData start;
    start.Start = TTimeValue::FromText("00:00:07");
    List().Model().Write(1, TaskField::StartText, start);
    Grid().setCurrentCell(0, 1);
    Grid().setCurrentCell(2, 1);
    View().setFocus();
    EXPECT_EQ(Task(1).Start.Text(), "00:00:07");

    Type("New Filename", "clip.avi");
    View().setFocus();
    EXPECT_EQ(Task(1).NewName, "clip");
    EXPECT_EQ(Task(1).NewExt, ".avi");
    ClickRow(0);
    ClickRow(1);
    EXPECT_EQ(Output("New Filename"), "clip.mkv") << "shown with the profile's extension";

    // Emptied, it is no rename, and the grid still shows the task.
    auto* editor = qobject_cast<QLineEdit*>(OpenCellEditor(Grid(), "New Filename"));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    View().setFocus();
    EXPECT_EQ(Task(1).NewName, "second");
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                      Grid().visualRect(Grid().model()->index(1, 1)).center());
    EXPECT_FALSE(Detail().BalloonTip->isVisible());
    EXPECT_TRUE(Grid().EditorMode());
    ClickRow(0);
    ClickRow(1);
    EXPECT_EQ(Output("New Filename"), "second.mkv");
}

// The toolbar takes no focus: an edit still open when a button moves the
// shown task goes into that task, not into the row it leaves behind.
TEST_F(OutputGrid, AnEditOpenWhileTheSelectionMovesGoesToItsOwnTask)
{
    ClickRow(1);
    Type("New Filename", "renamed.mp4");
    List().Commands().tbtnUpClick();
    EXPECT_EQ(Task(0).InputFile, MakeFile("second.avi").toStdString());
    EXPECT_EQ(Task(0).NewName, "renamed");
    EXPECT_EQ(Task(1).NewName, "first");
    EXPECT_EQ(Output("New Filename"), "renamed.mkv");

    Type("Start Time", "00:00:20");
    List().Commands().tbtnRemoveClick();
    EXPECT_EQ(List().Model().TaskCount(), 1);
    EXPECT_EQ(Task(0).Start.Text(), "00:00:00.0") << "the removed task's edit goes nowhere";
    EXPECT_EQ(Output("Start Time"), "");
}

} // namespace

// The grid is a view of the shown task's plan: it follows the batch's profile
// while the row stays selected, and offers what the container can hold.
TEST_F(OutputGrid, FollowsThePlanOfTheShownTask)
{
    ClickRow(0);
    using K = TMediaTrack::TKind;
    ltvItemData data;
    data.Tracks = {{K::Audio, 1, "aac", "eng", "", "", false, false, false, false},
                   {K::Audio, 2, "ac3", "fre", "", "", false, false, false, false},
                   {K::Subtitle, 3, "subrip", "eng", "", "", false, false, false, true}};
    data.TracksKnown = true;
    List().Model().Write(0, TaskField::Tracks, data);
    EXPECT_EQ(Output("Audio Tracks"), "1 of 2 (eng)");
    EXPECT_EQ(Grid().ItemProps(5).PickList, QStringList({"none", "keep:3", "burn:3"}));
    LoadProfile("avi");
    QCoreApplication::processEvents();
    EXPECT_EQ(Output("New Filename"), "first.avi");
    EXPECT_EQ(Grid().ItemProps(5).PickList, QStringList({"none", "burn:3"}));
}
