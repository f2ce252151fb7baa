// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskListFixture.h"

#include "fixtures/AddFiles.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace {

// Rows "A", "B", ... whose every text names the row, so a test sees whole
// records move and not just captions.
void FillRows(TTaskList& list, int count)
{
    std::vector<TTask> tasks(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        const std::string name(1, static_cast<char>('A' + row));
        ltvItemData& data = tasks[static_cast<std::size_t>(row)].Data;
        data.InputFile = data.SizeText = data.NewName = data.NewExt = name;
        data.Length = data.FullStart = data.FullEnd = data.Span = data.Start = data.End =
            TTimeValue::FromText(name);
    }
    list.Model().Append(std::move(tasks));
}

QString RowTexts(TTaskList& list, int row)
{
    const ltvItemData& d = list.Model().At(row).Data;
    return QString::fromStdString(d.InputFile + d.Length.Text() + d.SizeText + d.NewName +
                                  d.NewExt + d.FullStart.Text() + d.FullEnd.Text() + d.Span.Text() +
                                  d.Start.Text() + d.End.Text());
}

} // namespace

struct MoveCase
{
    const char* name;
    int rows;
    QList<int> selected;
    bool up;
    QString order;
    QList<int> selectedAfter;
};

void PrintTo(const MoveCase& c, std::ostream* out)
{
    *out << c.name;
}

class TaskListMoveTest : public TaskListTest, public ::testing::WithParamInterface<MoveCase>
{
};

TEST_P(TaskListMoveTest, MovesTheSelectedBlock)
{
    const MoveCase& c = GetParam();
    FillRows(List(), c.rows);
    EnableButtons();
    // The reason a conversion failed travels with its row.
    for (int row = 0; row < c.rows; ++row)
        List().Model().Update(List().Model().IdAt(row),
                              {.StatusTip = Index(row).data().toString()});
    Select(c.selected);
    View().selectionModel()->setCurrentIndex(Index(c.rows - 1), QItemSelectionModel::NoUpdate);

    (c.up ? Commands().actMoveUp : Commands().actMoveDown)->trigger();

    QString order;
    for (int row = 0; row < c.rows; ++row) {
        const QString caption = Index(row).data().toString();
        order += caption;
        EXPECT_EQ(RowTexts(List(), row), QString(10, caption[0]));
        EXPECT_EQ(Index(row, 3).data(Qt::ToolTipRole), caption);
    }
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(SelectedRows(), c.selectedAfter);
    EXPECT_EQ(View().currentIndex(), Index(c.rows - 1));
    EXPECT_EQ(TaskButtons(), "on");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaskListMoveTest,
    ::testing::Values(MoveCase{"UpTopRowStays", 3, {0}, true, "ABC", {0}},
                      MoveCase{"DownLastRowStays", 3, {2}, false, "ABC", {2}},
                      MoveCase{"UpTopPairFolds", 3, {0, 1}, true, "BAC", {0}},
                      MoveCase{"UpPairMovesAsABlock", 3, {1, 2}, true, "BCA", {0, 1}},
                      MoveCase{"DownPairMovesAsABlock", 3, {0, 1}, false, "CAB", {1, 2}},
                      MoveCase{"DownLastPairFolds", 3, {1, 2}, false, "ACB", {2}},
                      MoveCase{"UpTwoBlocks", 5, {1, 3, 4}, true, "BADEC", {0, 2, 3}},
                      MoveCase{"DownTwoBlocks", 5, {0, 1, 3}, false, "CABED", {1, 2, 4}},
                      MoveCase{"UpLongBlockInTheMiddle", 6, {2, 3, 4}, true, "ACDEBF", {1, 2, 3}},
                      MoveCase{
                          "DownLongBlockInTheMiddle", 6, {1, 2, 3}, false, "AEBCDF", {2, 3, 4}},
                      MoveCase{"UpLongTopBlockFolds", 4, {0, 1, 2}, true, "BCAD", {0, 1}},
                      MoveCase{"DownLongLastBlockFolds", 4, {1, 2, 3}, false, "ADBC", {2, 3}},
                      MoveCase{"UpNothingSelected", 3, {}, true, "ABC", {}},
                      MoveCase{"DownNothingSelected", 3, {}, false, "ABC", {}},
                      MoveCase{"UpSingleRow", 1, {0}, true, "A", {0}},
                      MoveCase{"DownSingleRow", 1, {0}, false, "A", {0}}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST_F(TaskListTest, RemoveDeletesTheSelectedRowsAndEmptiesTheGrid)
{
    FillRows(List(), 4);
    EnableButtons();
    FillOutputGrid();
    Select({1, 3});
    Commands().actRemove->trigger();
    EXPECT_EQ(Captions(), (QStringList{"A", "C"}));
    EXPECT_EQ(Output("New Filename"), "");
    EXPECT_EQ(Output("Start Time"), "");
    EXPECT_EQ(Output("End Time"), "");
    EXPECT_EQ(TaskButtons(), "on");

    FillOutputGrid();
    View().clearSelection();
    Commands().actRemove->trigger(); // nothing selected: the grid is emptied all the same
    EXPECT_EQ(Captions(), (QStringList{"A", "C"}));
    EXPECT_EQ(Output("End Time"), "");
    EXPECT_EQ(TaskButtons(), "on");

    Select({0, 1});
    Commands().actRemove->trigger();
    EXPECT_EQ(List().Model().TaskCount(), 0);
    EXPECT_EQ(TaskButtons(), "off");
}

TEST_F(TaskListTest, RemoveCompletedAsksWithTheCountAndKeepsTheRest)
{
    FillRows(List(), 3);
    List().View().ppmTaskPopup();
    EXPECT_FALSE(List().View().mniRemoveCompleted->isEnabled());
    for (const int row : {0, 2})
        List().Model().Update(List().Model().IdAt(row), {.State = TaskState::Complete});
    List().View().ppmTaskPopup();
    EXPECT_TRUE(List().View().mniRemoveCompleted->isEnabled());
    FPlatform.answers = {Platform::Answer::No, Platform::Answer::Yes};
    for (const QStringList& left : {QStringList{"A", "B", "C"}, QStringList{"B"}}) {
        List().View().mniRemoveCompleted->trigger();
        EXPECT_EQ(Captions(), left);
    }
    ASSERT_EQ(FPlatform.messages.size(), 2);
    EXPECT_EQ(FPlatform.messages[0].text, "Remove the 2 completed tasks from the Task List?");
}

TEST_F(TaskListTest, ClearEmptiesListGridAndButtons)
{
    FillRows(List(), 3);
    EnableButtons();
    FillOutputGrid();
    Commands().actClear->trigger();
    EXPECT_EQ(List().Model().TaskCount(), 0);
    EXPECT_EQ(Output("Start Time"), "");
    EXPECT_EQ(TaskButtons(), "off");
}

struct KeyCase
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QStringList captionsAfter;
};

void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.name;
}

class TaskListKeyTest : public TaskListTest, public ::testing::WithParamInterface<KeyCase>
{
};

// The keys work whatever the modifiers, and even with the buttons disabled.
TEST_P(TaskListKeyTest, KeysRunTheirCommands)
{
    const KeyCase& c = GetParam();
    FillRows(List(), 3);
    Select({1});
    QTest::keyClick(&View(), c.key, c.modifiers);
    EXPECT_EQ(Captions(), c.captionsAfter);
    EXPECT_EQ(TaskButtons(), "off"); // a key never enables them
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TaskListKeyTest,
    ::testing::Values(
        KeyCase{"Delete", Qt::Key_Delete, Qt::NoModifier, {"A", "C"}},
        KeyCase{"ShiftDelete", Qt::Key_Delete, Qt::ShiftModifier, {"A", "C"}},
        KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, {}},
        KeyCase{"CtrlAltBackspace", Qt::Key_Backspace, Qt::ControlModifier | Qt::AltModifier, {}},
        KeyCase{"OtherKey", Qt::Key_X, Qt::NoModifier, {"A", "B", "C"}}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(TaskListTest, KeysEnableNothingAndDeleteOfTheLastRowDisables)
{
    FillRows(List(), 1);
    EnableButtons();
    Select({0});
    QTest::keyClick(&View(), Qt::Key_Delete);
    EXPECT_EQ(List().Model().TaskCount(), 0);
    EXPECT_EQ(TaskButtons(), "off");
}

TEST_F(TaskListTest, PopupEnablesItsItemsByListAndSelection)
{
    QStringList captions;
    for (QAction* action : List().View().ppmTask->actions())
        captions << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(captions, (QStringList{"Open", "Show Log", "-", "Add Files...", "Add Directorys...",
                                     "-", "Remove", "Clear", "Remove Completed", "-", "Use Profile",
                                     "Use Batch Profile"}));

    struct State
    {
        bool open, showLog, addFiles, addDirectory, remove, clear;
        bool operator==(const State&) const = default;
    };
    const auto state = [this] {
        List().View().ppmTaskPopup();
        return State{
            List().View().mniOpen->isEnabled(),     List().View().mniShowLog->isEnabled(),
            List().View().mniAddFiles->isEnabled(), List().View().mniAddDirectory->isEnabled(),
            List().View().mniRemove->isEnabled(),   List().View().mniClear->isEnabled()};
    };
    EXPECT_EQ(state(), (State{false, false, true, true, false, false}));
    FillRows(List(), 2);
    EXPECT_EQ(state(), (State{false, false, true, true, false, true}));
    Select({1});
    EXPECT_EQ(state(), (State{true, false, true, true, true, true}));
    // "Show Log" follows the first selected row's log.
    List().Model().Update(List().Model().IdAt(1), {.Log = "frame=1"});
    EXPECT_EQ(state(), (State{true, true, true, true, true, true}));
    Select({0, 1});
    EXPECT_EQ(state(), (State{true, false, true, true, true, true}));

    // The list's context menu request runs the same step and opens the menu.
    View().clearSelection();
    List().View().mniOpen->setEnabled(true);
    emit View().customContextMenuRequested(QPoint(5, 5));
    EXPECT_FALSE(List().View().mniOpen->isEnabled());
    EXPECT_TRUE(List().View().ppmTask->isVisible());
    List().View().ppmTask->close();
}

TEST_F(TaskListTest, MenuKeyAndShiftF10OpenThePopupAtTheFocusedRowWithItsItemsInTheTree)
{
    Window().show();
    FillRows(List(), 3);
    View().setCurrentIndex(Index(1));
    const QPoint row = View().viewport()->mapToGlobal(View().visualRect(Index(1)).bottomLeft());
    for (const auto& [key, modifiers] :
         {std::pair(Qt::Key_Menu, Qt::NoModifier), std::pair(Qt::Key_F10, Qt::ShiftModifier)}) {
        QTest::keyClick(&View(), key, modifiers);
        ASSERT_TRUE(List().View().ppmTask->isVisible()) << key;
        EXPECT_EQ(List().View().ppmTask->pos(), row);
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(List().View().ppmTask);
        ASSERT_EQ(menu->childCount(), List().View().ppmTask->actions().size());
        EXPECT_EQ(menu->child(0)->text(QAccessible::Name), "Open");
        List().View().ppmTask->close();
    }
}

TEST_F(TaskListTest, PopupItemsRunTheCommands)
{
    FillRows(List(), 3);
    EnableButtons();
    Select({0});
    List().View().mniRemove->trigger();
    EXPECT_EQ(Captions(), (QStringList{"B", "C"}));
    List().View().mniClear->trigger();
    EXPECT_EQ(List().Model().TaskCount(), 0);
    EXPECT_EQ(TaskButtons(), "off");

    const QString file = MakeFile("f.avi");
    FPlatform.openAnswers.push_back({file});
    List().View().mniAddFiles->trigger();
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), QStringList{file});
    FPlatform.folderAnswers.push_back(MediaDir());
    MakeFile("g.avi");
    List().View().mniAddDirectory->trigger();
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), (QStringList{file, MediaDir() + "/g.avi"}));
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListTest, OpenAsksForThePreviewOnlyWithASelection)
{
    QSignalSpy preview(&List().View(), &TTaskView::PreviewSelectedTask);
    FillRows(List(), 2);
    List().View().mniOpen->trigger();
    List().View().ltvTaskDblClick();
    EXPECT_EQ(preview.count(), 0);
    Select({1});
    List().View().mniOpen->trigger();
    EXPECT_EQ(preview.count(), 1);

    Window().resize(800, 540);
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    const QPoint onRow = View().visualRect(Index(0)).center();
    // The toolkit's double click is a press, a release, then the double
    // click and its release.
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, onRow);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, onRow);
    EXPECT_EQ(preview.count(), 2);
}

TEST_F(TaskListTest, SelectionChangesByMouseOrKeyShowTheFirstSelectedRow)
{
    FApp.Script().Set("probe.duration", "00:00:05").Save();
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("first.avi")}));
    EXPECT_TRUE(AddAndWait(List().Adds(), {MakeFile("second.part.avi")}));
    ltvItemData trimmed;
    trimmed.Start = TTimeValue::FromText("00:00:01.5");
    trimmed.End = TTimeValue::FromText("00:00:04");
    List().Model().Write(1, TaskField::StartText, trimmed);
    List().Model().Write(1, TaskField::EndText, trimmed);
    LoadProfile("mkv");

    Window().resize(800, 540);
    Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().visualRect(Index(1)).center());
    EXPECT_EQ(SelectedRows(), QList<int>{1});
    EXPECT_EQ(Output("New Filename"), "second.part.mkv");
    EXPECT_EQ(Output("Start Time"), "00:00:01.5");
    EXPECT_EQ(Output("End Time"), "00:00:04");

    // Ctrl+click adds row 0: the lowest selected row is shown.
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::ControlModifier,
                      View().visualRect(Index(0)).center());
    EXPECT_EQ(SelectedRows(), (QList<int>{0, 1}));
    EXPECT_EQ(Output("New Filename"), "first.mkv");

    // A selection changed by keyboard shows its task as well.
    QTest::keyClick(&View(), Qt::Key_Down);
    EXPECT_EQ(SelectedRows(), QList<int>{1});
    EXPECT_EQ(Output("New Filename"), "second.part.mkv");

    // A click on empty space clears the selection, and the grid with it.
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(5, View().viewport()->height() - 5));
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(Output("New Filename"), "");
    EXPECT_EQ(Output("Start Time"), "");
}

TEST_F(TaskListTest, BrowseSetsTheOutputDirectoryWithItsSeparator)
{
    FControls.edtOutputdir->setText("/kept/");
    FControls.bbtnBrowser->click(); // cancelled
    EXPECT_EQ(FControls.edtOutputdir->text(), "/kept/");
    FPlatform.folderAnswers.push_back("/picked/dir");
    FControls.bbtnBrowser->click();
    EXPECT_EQ(FControls.edtOutputdir->text(), "/picked/dir/");
    FPlatform.folderAnswers.push_back("/");
    FControls.bbtnBrowser->click();
    EXPECT_EQ(FControls.edtOutputdir->text(), "/");

    ASSERT_EQ(FPlatform.folderCalls.size(), 3);
    EXPECT_EQ(FPlatform.folderCalls[0].title, "Select the output directory.");
    EXPECT_EQ(FPlatform.folderCalls[0].owner, &Window());
}

TEST_F(TaskListTest, OpenShowsOnlyAnExistingDirectory)
{
    const QString file = MakeFile("not-a-dir.avi");
    for (const QString& text : {QString(), file, MediaDir() + "/missing/"}) {
        FControls.edtOutputdir->setText(text);
        FControls.bbtnOpen->click();
    }
    EXPECT_TRUE(FPlatform.opened.isEmpty());
    FControls.edtOutputdir->setText(MediaDir() + "/");
    FControls.bbtnOpen->click();
    EXPECT_EQ(FPlatform.opened, QStringList{MediaDir() + "/"});
}
