// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ValueListEditor.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A shown, active window holding a grid and one other focusable control.
class GridWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        grid = new ValueListEditor(window.get());
        other = new QLineEdit(window.get());
        layout->addWidget(grid);
        layout->addWidget(other);
        window->resize(300, 200);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QPoint ValueCell(int row) const
    {
        return grid->visualRect(grid->model()->index(row, 1)).center();
    }
    QWidget* Editor() const { return QApplication::focusWidget(); }

    std::unique_ptr<QWidget> window;
    ValueListEditor* grid = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(GridWindow, KeysAreMatchedIgnoringCaseAndMissingOnesAppended)
{
    grid->InsertRow("Video Size", "Original Size");
    grid->InsertRow("Bit Rate", "Auto");
    EXPECT_EQ(grid->Values("VIDEO size"), "Original Size");
    EXPECT_EQ(grid->Values("Frame Rate"), "");

    grid->SetValue("bit RATE", "500 kbps");
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Keys(1), "Bit Rate"); // the key keeps its own spelling
    EXPECT_EQ(grid->RowValue(1), "500 kbps");

    grid->SetValue("Aspect", "4:3");
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Keys(2), "Aspect");
    EXPECT_EQ(grid->RowValue(2), "4:3");
}

TEST_F(GridWindow, RowsAreSeventeenPixelsPlusTheGridLine)
{
    grid->InsertRow("A", "");
    grid->InsertRow("B", "");
    EXPECT_EQ(grid->rowHeight(0), 18);
    EXPECT_EQ(grid->visualRect(grid->model()->index(1, 0)).top(), 18);
    grid->SetColumnWidths(95, 68);
    EXPECT_EQ(grid->columnWidth(0), 95);
    EXPECT_EQ(grid->columnWidth(0) + grid->columnWidth(1), grid->viewport()->width());
}

TEST_F(GridWindow, ANarrowGridNeverScrollsSideways)
{
    grid->InsertRow("Video Codec", "Sorenson Spark (FLV1)");
    grid->SetColumnWidths(95, 68);
    window->resize(170, 200);
    QApplication::processEvents();
    ASSERT_LT(grid->viewport()->width(), 95 + 100);
    EXPECT_EQ(grid->columnWidth(0) + grid->columnWidth(1), grid->viewport()->width());
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
}

TEST_F(GridWindow, ACutShortValueShowsInFullAsATooltip)
{
    grid->InsertRow("Video Size", "1920x1080 (HD 1080p)");
    grid->InsertRow("Aspect", "4:3");
    grid->SetColumnWidths(95, 68);
    window->resize(170, 200);
    QApplication::processEvents();
    const auto hover = [&](int row) {
        QHelpEvent help(QEvent::ToolTip, ValueCell(row),
                        grid->viewport()->mapToGlobal(ValueCell(row)));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hover(1), "");
    EXPECT_EQ(hover(0), "1920x1080 (HD 1080p)");
}

TEST_F(GridWindow, ReadOnlyPickListCanBePickedButNotTypedInto)
{
    grid->InsertRow("Quality", "Low");
    grid->SetItemProps(0, {true, ValueListEditor::esPickList, {"Low", "High", "Best"}});
    QSignalSpy changed(grid, &ValueListEditor::StringsChanged);

    // Typing on the cell opens nothing and changes nothing.
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClicks(grid, "Best");
    EXPECT_EQ(grid->Values("Quality"), "Low");

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    auto* combo = qobject_cast<QComboBox*>(Editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    QTest::keyClicks(combo, "Best");
    EXPECT_EQ(grid->Values("Quality"), "Low");
    EXPECT_EQ(changed.count(), 0);

    // Picking the next item takes effect at once.
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(grid->Values("Quality"), "High");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GridWindow, PickListShowsAValueThatIsNoneOfItsItems)
{
    grid->InsertRow("Video Size", "640x480");
    grid->SetItemProps(0, {true, ValueListEditor::esPickList, {"Original Size", "Custom Size"}});
    grid->OtherValuesItem = "Custom Size";
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    auto* combo = qobject_cast<QComboBox*>(Editor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->placeholderText(), "640x480");
    combo->showPopup(); // the list opens on the item such values come from
    EXPECT_EQ(combo->view()->currentIndex().row(), 1);
    grid->LeaveEditMode();
    EXPECT_EQ(grid->Values("Video Size"), "640x480"); // closing the editor keeps it
}

TEST_F(GridWindow, ValidateFiresOnlyWhenAnEditedCellIsLeft)
{
    grid->InsertRow("Start Time", "");
    grid->InsertRow("End Time", "");
    QSignalSpy validate(grid, &ValueListEditor::Validate);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    ASSERT_NE(qobject_cast<QLineEdit*>(Editor()), nullptr);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(1));
    EXPECT_EQ(validate.count(), 0); // left without typing

    QTest::keyClicks(Editor(), "00:00:10");
    EXPECT_EQ(grid->Values("End Time"), "00:00:10"); // typing reaches the grid at once
    EXPECT_EQ(validate.count(), 0);                  // but the cell is not left yet
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    ASSERT_EQ(validate.count(), 1);
    EXPECT_EQ(validate[0][0].toInt(), 1);
    EXPECT_EQ(validate[0][1].toInt(), 1);
    EXPECT_EQ(validate[0][2].toString(), "End Time");
    EXPECT_EQ(validate[0][3].toString(), "00:00:10");

    QTest::keyClicks(Editor(), "abc");
    other->setFocus();
    ASSERT_EQ(validate.count(), 2); // the grid lost the focus
    EXPECT_EQ(validate[1][2].toString(), "Start Time");
    EXPECT_EQ(validate[1][3].toString(), "abc");

    grid->setFocus();
    other->setFocus();
    EXPECT_EQ(validate.count(), 2); // nothing typed since
}

TEST_F(GridWindow, StringsChangedFiresForChangesMadeInCode)
{
    QSignalSpy changed(grid, &ValueListEditor::StringsChanged);
    grid->InsertRow("A", "1");
    EXPECT_EQ(changed.count(), 1);
    grid->SetValue("a", "2");
    EXPECT_EQ(changed.count(), 2);
    grid->SetReadOnly(0, true); // a property is no string
    grid->SetPickList(0, {"x", "y"});
    EXPECT_EQ(changed.count(), 2);
    grid->DeleteRow(0);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(grid->RowCount(), 0);
}

TEST_F(GridWindow, TypingIntoASimpleRowChangesTheStrings)
{
    grid->InsertRow("Name", "");
    QSignalSpy changed(grid, &ValueListEditor::StringsChanged);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    QTest::keyClicks(Editor(), "ab");
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(grid->Values("Name"), "ab");
}

TEST_F(GridWindow, ReadOnlyTextRowOpensNoEditor)
{
    grid->InsertRow("Fixed", "Auto");
    grid->SetReadOnly(0, true);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    EXPECT_FALSE(grid->EditorMode());
    QTest::keyClicks(grid, "x");
    EXPECT_EQ(grid->Values("Fixed"), "Auto");
}

TEST_F(GridWindow, MouseDownHandlerCanKeepTheEditorClosed)
{
    grid->InsertRow("New Filename", "");
    int presses = 0;
    QObject::connect(grid, &ValueListEditor::MouseDown, grid, [&] {
        ++presses;
        grid->LeaveEditMode();
    });
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ValueCell(0)); // already current
    EXPECT_EQ(presses, 2);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridWindow, DrawCellHookPaintsOrAdjustsEachCell)
{
    grid->InsertRow("A", "1");
    grid->InsertRow("B", "2");
    QSet<QPair<int, int>> seen;
    grid->OnDrawCell = [&](QPainter*, QStyleOptionViewItem& option, int col, int row) {
        seen.insert({col, row});
        option.palette.setColor(QPalette::Text, Qt::red);
        return false;
    };
    grid->grab();
    EXPECT_EQ(seen, (QSet<QPair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
}

TEST_F(GridWindow, TheLineBetweenTheColumnsCanBeDragged)
{
    grid->InsertRow("Video Codec", "H.264");
    grid->SetColumnWidths(95, 68);
    const int y = ValueCell(0).y();
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(95, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, y),
                     grid->viewport()->mapToGlobal(QPointF(140, y)), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(grid->viewport(), &move);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(140, y));
    EXPECT_EQ(grid->columnWidth(0), 140);
    EXPECT_FALSE(grid->EditorMode()); // a drag is no click on a cell
    EXPECT_EQ(grid->columnWidth(0) + grid->columnWidth(1), grid->viewport()->width());
}

TEST_F(GridWindow, RowsSpeakTheirKeyAndValueAndAnOpenEditorIsOneOfThem)
{
    grid->setAccessibleName("Video");
    grid->InsertRow("Start Time", "00:00:10");
    grid->InsertRow("Video Codec", "mpeg4");
    grid->SetItemProps(1, {true, ValueListEditor::esPickList, {"mpeg4", "libx264"}});
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(grid);
    ASSERT_EQ(tree->childCount(), 2);
    grid->setFocus();
    grid->setCurrentCell(1, 0); // the key: no editor opens
    ASSERT_EQ(tree->focusChild(), tree->child(1));
    EXPECT_EQ(tree->focusChild()->text(QAccessible::Name), "Video Codec, mpeg4");

    grid->setCurrentCell(0, 1);
    ASSERT_EQ(tree->childCount(), 3);
    EXPECT_EQ(tree->child(2)->text(QAccessible::Name), "Start Time") << "the open line editor";

    grid->setCurrentCell(1, 1);
    QTest::keyClick(Editor(), Qt::Key_Down, Qt::AltModifier);
    QAccessibleInterface* pick = tree->child(2);
    const auto captions = pick->relations(QAccessible::Label);
    ASSERT_EQ(captions.size(), 1);
    EXPECT_EQ(captions[0].first->text(QAccessible::Name), "Video Codec");
    QAccessibleInterface* list = pick->child(0);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "libx264");
}

TEST_F(GridWindow, InsertRowBeforeTheCurrentOne)
{
    grid->InsertRow("A", "");
    grid->InsertRow("C", "");
    grid->setCurrentCell(1, 0);
    EXPECT_EQ(grid->InsertRow("B", "", false), 1);
    EXPECT_EQ(grid->Keys(0) + grid->Keys(1) + grid->Keys(2), "ABC");
}

} // namespace
