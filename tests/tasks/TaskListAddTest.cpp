// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskListFixture.h"

#include "fixtures/AddFiles.h"

#include <QFrame>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

ltvItemData ReadRow(TTaskList& list, int row)
{
    ltvItemData data;
    list.Model().Read(row, TaskField::AllFields, data);
    return data;
}

} // namespace

TEST_F(TaskListTest, AddedFileHoldsTheProbeValuesAndTheDefaults)
{
    FApp.Script().Set("probe.duration", "00:01:23.4").Set("record", FApp.RecordPath()).Save();
    const QString path = MakeFile("holiday.2024.final.AVI");
    EXPECT_TRUE(AddAndWait(List().Adds(), {path}));

    ASSERT_EQ(List().Model().TaskCount(), 1);
    const ltvItemData data = ReadRow(List(), 0);
    EXPECT_EQ(data.InputFile, path.toStdString());
    EXPECT_EQ(data.Length.Text(), "00:01:23.4");
    EXPECT_EQ(data.SizeText, " 320x240 [SAR 1:1 DAR 4:3]");
    EXPECT_EQ(data.Status, TaskState::Waiting);
    EXPECT_EQ(data.NewName, "holiday.2024.final");
    EXPECT_EQ(data.NewExt, "");
    EXPECT_EQ(data.FullStart.Text(), "00:00:00.0");
    EXPECT_EQ(data.Start.Text(), "00:00:00.0");
    for (const std::string& text : {data.FullEnd.Text(), data.Span.Text(), data.End.Text()})
        EXPECT_EQ(text, "00:01:23.4");
    EXPECT_DOUBLE_EQ(data.Length.Seconds, 83.4);
    EXPECT_DOUBLE_EQ(data.FullStart.Seconds, 0);
    EXPECT_DOUBLE_EQ(data.End.Seconds, 83.4);
    // Added, not selected, and the grid is left alone.
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(Index(0, 1).data(), "00:01:23.4");

    const QList<FakeEncoderRun> runs = FApp.RecordedRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].Arguments, (QStringList{"-i", path}));
}

TEST_F(TaskListTest, FileWithoutDotKeepsItsWholeNameAndAFailedProbeStillAdds)
{
    ASSERT_TRUE(FApp.LinkEncoder(TempAppDir::Encoder::None));
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("README")}));
    const ltvItemData data = ReadRow(List(), 0);
    EXPECT_EQ(data.NewName, "README");
    EXPECT_EQ(data.Length.Text(), "");
    EXPECT_EQ(data.SizeText, "");
    EXPECT_EQ(data.Status, TaskState::Waiting);
    EXPECT_EQ(data.Length.Seconds, -1);
}

// A file is listed once however it is reached; a path to no file is told
// apart by its text, letter case included.
TEST_F(TaskListTest, DuplicateTestKnowsAFileByItselfAndAMissingOneByItsText)
{
    FApp.Script().Set("record", FApp.RecordPath()).Save();
    const QString path = MakeFile("clip.avi");
    ASSERT_TRUE(QFile::link(path, MediaDir() + "/link.avi"));
    ASSERT_EQ(::link(qPrintable(path), qPrintable(MediaDir() + "/hard.avi")), 0);
    EXPECT_FALSE(FControls.panbg->isHidden());
    EXPECT_TRUE(AddAndWait(List().Adds(), {path}));
    EXPECT_TRUE(FControls.panbg->isHidden());
    for (const QString& name : {QString("/./clip.avi"), QString("//clip.avi"), QString("/link.avi"),
                                QString("/hard.avi"), QString("/CLIP.avi")})
        EXPECT_TRUE(AddAndWait(List().Adds(), {MediaDir() + name}));
    EXPECT_TRUE(AddAndWait(List().Adds(), {MediaDir() + "/CLIP.avi"}));

    EXPECT_EQ(Captions(), (QStringList{path, MediaDir() + "/CLIP.avi"}));
    // A listed path is not probed again.
    EXPECT_EQ(FApp.RecordedRuns().size(), 2);
}

TEST_F(TaskListTest, OpenDialogOffersTheFiltersAndAddsSecondToLastThenFirst)
{
    const QString a = MakeFile("a.avi"), b = MakeFile("b.mpg"), c = MakeFile("c.mov");
    FPlatform.openAnswers.push_back({a, b, c});
    Commands().actAddFiles->trigger();
    ASSERT_TRUE(WaitAdds());

    ASSERT_EQ(FPlatform.openCalls.size(), 1);
    const QStringList filters = FPlatform.openCalls[0];
    ASSERT_EQ(filters.size(), 21);
    EXPECT_TRUE(filters[0].startsWith(
        "All Support Files(*.avi *.mpg *.mpeg *.mp4 *.wmv *.mov *.vob *.asf *.mkv "));
    EXPECT_EQ(filters[1], "AVI Files (*.avi)");
    EXPECT_EQ(filters[8], "ASF Files (*.asf)");
    EXPECT_EQ(filters[9], "AVI and DivX Files (*.avi *.divx)");
    EXPECT_EQ(filters[20], "All Files (*)");

    EXPECT_EQ(Captions(), (QStringList{b, c, a}));
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListTest, BothAddCommandsGiveTheListTheFocus)
{
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    for (QAction* action : {Commands().actAddFiles, Commands().actAddDirectory}) {
        FControls.edtOutputdir->setFocus();
        ASSERT_FALSE(View().hasFocus());
        action->trigger(); // cancelled
        EXPECT_TRUE(View().hasFocus()) << action->toolTip().toStdString();
    }
}

TEST_F(TaskListTest, OneRowAfterTheOpenDialogIsSelectedAndShown)
{
    FApp.Script().Set("probe.duration", "00:00:07.5").Save();
    FillOutputGrid();
    FPlatform.openAnswers.push_back({MakeFile("only.one.vob")});
    Commands().actAddFiles->trigger();
    ASSERT_TRUE(WaitAdds());

    EXPECT_EQ(SelectedRows(), QList<int>{0});
    EXPECT_EQ(Output("New Filename"), "only.one");
    EXPECT_EQ(Output("Start Time"), "00:00:00.0");
    EXPECT_EQ(Output("End Time"), "00:00:07.5");
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListTest, CancelledOpenDialogStillSelectsALoneRowAndEnables)
{
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("lone.avi")}));
    EXPECT_EQ(TaskButtons(), "off");   // only the commands switch the buttons
    Commands().actAddFiles->trigger(); // nothing scripted: the user cancels
    EXPECT_EQ(SelectedRows(), QList<int>{0});
    EXPECT_EQ(Output("New Filename"), "lone");
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListTest, CancelledDialogsOnAnEmptyListLeaveTheButtonsOff)
{
    Commands().actAddFiles->trigger();
    Commands().actAddDirectory->trigger();
    EXPECT_EQ(List().Model().TaskCount(), 0);
    EXPECT_EQ(TaskButtons(), "off");
    ASSERT_EQ(FPlatform.folderCalls.size(), 1);
    EXPECT_EQ(FPlatform.folderCalls[0].title, "Add a directory to the Task List");
    EXPECT_EQ(FPlatform.folderCalls[0].owner, &Window());
}

TEST_F(TaskListTest, DirectoryListsMatchingFilesIgnoringCaseAndSkipsTheRest)
{
    for (const char* name : {"d.mpeg", "c.txt", "B.mpg", "a.AVI", "e.Mp4", ".hidden.avi", "noext",
                             "f.avi.bak", "sub/inner.avi"})
        MakeFile(name);
    QDir(MediaDir()).mkdir("folder.avi");
    FPlatform.folderAnswers.push_back(MediaDir());
    Commands().actAddDirectory->trigger();
    EXPECT_EQ(TaskButtons(), "off") << "the buttons come on once the files are in";
    ASSERT_TRUE(WaitAdds());

    const QString dir = MediaDir() + "/";
    EXPECT_EQ(Captions(),
              (QStringList{dir + "a.AVI", dir + "B.mpg", dir + "d.mpeg", dir + "e.Mp4"}));
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListTest, DirectoryGivenWithItsSeparatorIsNotDoubled)
{
    MakeFile("x.wmv");
    List().Adds().AddTaskDirectory(MediaDir() + "/");
    List().Adds().AddTaskDirectory(MediaDir());
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), QStringList{MediaDir() + "/x.wmv"});
}

TEST_F(TaskListTest, EmptyOrMissingDirectoryAddsNothing)
{
    List().Adds().AddTaskDirectory(MediaDir() + "/nowhere");
    List().Adds().AddTaskDirectory("");
    EXPECT_FALSE(List().Adds().IsAdding());
    EXPECT_EQ(List().Model().TaskCount(), 0);
}

// The user acts while a directory is being added: another add follows the
// one under way, and Remove and Clear act on the rows listed so far, the add
// going on with the list as it then is.
TEST_F(TaskListTest, CommandsRunWhileADirectoryIsAdded)
{
    // Each report comes as many ms after the one before it in its run as
    // its name's number says, so that, however the files are shared among
    // the probes, the fourth row is in well before the fifth.
    FApp.Script().Set("probe.name_delay", 1).Save();
    const QStringList names = {"100-1.avi", "101-2.avi", "102-3.avi",
                               "103-4.avi", "400-5.avi", "401-6.avi"};
    for (const QString& name : names)
        MakeFile(name);
    const QString other = MakeFile("other/x.avi");
    const QString dir = MediaDir() + "/";

    // The user acts as rows appear: a second add once the first row is in,
    // Remove of that row once the second is in, Clear once the fourth is in.
    int step = 0;
    QObject user;
    QObject::connect(
        View().model(), &QAbstractItemModel::rowsInserted, &user,
        [&] {
            const QStringList rows = Captions();
            if (step == 0 && rows.contains(dir + names[0])) {
                ++step;
                List().Adds().AddTaskDirectory(QFileInfo(other).absolutePath());
            } else if (step == 1 && rows.contains(dir + names[1])) {
                ++step;
                Select({int(rows.indexOf(dir + names[0]))});
                List().Commands().tbtnRemoveClick();
            } else if (step == 2 && rows.contains(dir + names[3])) {
                ++step;
                List().Commands().tbtnClearClick();
            }
        },
        Qt::QueuedConnection);
    List().Adds().AddTaskDirectory(MediaDir());
    ASSERT_TRUE(WaitAdds());

    EXPECT_EQ(step, 3);
    EXPECT_EQ(Captions(), (QStringList{dir + names[4], dir + names[5], other}));
}

// The probes answer in another order than the files were given (each one
// waits as long as its name's number says, in ms), yet every row comes in
// the order of adding the files one by one, only after the rows before it,
// with the values of its own report; a path listed already or met earlier in
// the add is neither listed again nor probed.
TEST_F(TaskListTest, SideBySideProbesListRowsInTheOneByOneOrder)
{
    FApp.Script()
        .Set("probe.name_delay", 1)
        .Set("probe.name_duration", 1)
        .Set("record", FApp.RecordPath())
        .Save();
    const QString listed = MakeFile("0-e.avi");
    EXPECT_TRUE(AddAndWait(List().Adds(), {listed}));
    const QString a = MakeFile("300-a.avi"), b = MakeFile("0-b.avi"), c = MakeFile("150-c.avi"),
                  d = MakeFile("0-d.avi");

    QStringList inserted;
    QObject watcher;
    QObject::connect(View().model(), &QAbstractItemModel::rowsInserted, &watcher,
                     [&](const QModelIndex&, int first, int last) {
                         for (int row = first; row <= last; ++row)
                             inserted << Index(row).data().toString();
                     });
    List().Adds().AddTaskPaths({a, b, c, a, listed, d});
    EXPECT_TRUE(List().Adds().IsAdding());
    ASSERT_TRUE(WaitAdds());

    EXPECT_EQ(Captions(), (QStringList{listed, a, b, c, d}));
    EXPECT_EQ(inserted, (QStringList{a, b, c, d}));
    const QStringList lengths = {"00:00:00.00", "00:00:30.00", "00:00:00.00", "00:00:15.00",
                                 "00:00:00.00"};
    for (int row = 0; row < lengths.size(); ++row) {
        const ltvItemData data = ReadRow(List(), row);
        EXPECT_EQ(QString::fromStdString(data.Length.Text()), lengths[row]) << row;
        EXPECT_EQ(data.Status, TaskState::Waiting);
    }
    QStringList probed;
    for (const FakeEncoderRun& run : FApp.RecordedRuns())
        for (qsizetype i = 1; i < run.Arguments.size(); i += 2)
            probed << run.Arguments[i];
    probed.sort();
    EXPECT_EQ(probed, (QStringList{b, d, listed, c, a})) << "each row's file probed once";
}

// Start clicked between two files of a directory locks the list; the add
// that ends during the batch must not unlock its buttons again.
TEST_F(TaskListTest, DirectoryAddEndingDuringABatchLeavesTheButtonsLocked)
{
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("first.avi")}));
    EnableButtons();
    MakeFile("dir/1.avi");
    MakeFile("dir/2.avi");
    FPlatform.folderAnswers.push_back(MediaDir() + "/dir");
    QTimer::singleShot(0, &Window(), [this] { Commands().SetBatchRunning(true); });
    List().Commands().tbtnAddDirClick();
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(List().Model().TaskCount(), 3);
    EXPECT_EQ(TaskButtons(), "off");
}

TEST_F(TaskListTest, NewExtIsTheOutputExtensionAtTheTimeOfTheAdd)
{
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("before.avi")}));
    LoadProfile("mp4");
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("after.avi")}));

    EXPECT_EQ(ReadRow(List(), 0).NewExt, "");
    EXPECT_EQ(ReadRow(List(), 1).NewExt, ".mp4");
    // What the grid shows follows the profile loaded now, not the record.
    Select({0});
    List().View().ltvTaskClick();
    EXPECT_EQ(Output("New Filename"), "before.mp4");
}
