// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GridStack.h"

#include "widgets/GroupHeader.h"
#include "widgets/ValueListEditor.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A shown, active stack of two groups: Video with a fixed text, a read-only
// pick list and an editable text, and Audio with one row.
class Stack : public ::testing::Test
{
protected:
    void SetUp() override
    {
        stack = std::make_unique<TGridStack>();
        video = stack->AddGroup("Video", {"Fixed", "Pick", "Text", "A", "B", "C"}, 95, 68);
        audio = stack->AddGroup("Audio", {"Other"}, 95, 68);
        ValueListEditor& grid = *video.Grid;
        grid.SetCells(1, 0, "Fixed value");
        grid.SetItemProps(0, {true, ValueListEditor::esSimple, {}});
        grid.SetCells(1, 1, "Picked");
        grid.SetItemProps(1, {true, ValueListEditor::esPickList, {"Picked", "Other"}});
        grid.SetCells(1, 2, "Typed");
        stack->resize(200, 400);
        stack->show();
        stack->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(stack.get()));
    }

    // The cell as painted now, without its grid lines.
    static QImage Cell(ValueListEditor& grid, int row, int col)
    {
        const QRect rect = grid.visualRect(grid.model()->index(row, col)).adjusted(1, 1, -2, -2);
        return grid.grab().toImage().copy(rect.translated(grid.viewport()->pos()));
    }
    // Right of a short text: the cell's background.
    static QColor Background(const QImage& cell)
    {
        return cell.pixelColor(cell.width() - 2, cell.height() / 2);
    }
    // The darkest pixel: the text's own colour where a stroke covers a pixel whole.
    static QColor Ink(const QImage& cell)
    {
        QColor darkest = Qt::white;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (qGray(cell.pixel(x, y)) < qGray(darkest.rgb()))
                    darkest = cell.pixelColor(x, y);
        return darkest;
    }

    std::unique_ptr<TGridStack> stack;
    TGridStack::TGroup video, audio;
};

TEST_F(Stack, TogglingSetsHeightsCaptionsAndSpokenNames)
{
    const std::function<void(TGroupHeader&)> ways[] = {
        [](TGroupHeader& bar) { QTest::mouseClick(bar.Button(), Qt::LeftButton); },
        [](TGroupHeader& bar) { QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(80, 9)); },
    };
    TGroupHeader& bar = *video.Header;
    EXPECT_EQ(bar.objectName(), "panVideo");
    EXPECT_EQ(bar.Button()->objectName(), "btnVideo");
    EXPECT_EQ(video.Grid->accessibleName(), "Video");
    for (const auto& toggle : ways) {
        ASSERT_EQ(video.Grid->height(), 108);
        toggle(bar);
        QApplication::processEvents(); // the stack's layout
        EXPECT_EQ(video.Grid->height(), 1);
        EXPECT_EQ(bar.Button()->text(), "+");
        EXPECT_EQ(bar.Button()->accessibleName(), "Expand Video");
        EXPECT_EQ(audio.Header->y(), video.Grid->y() + 1) << "the groups below move up";
        toggle(bar);
        EXPECT_EQ(video.Grid->height(), 6 * 17 + 6 + 1);
        EXPECT_EQ(bar.Button()->text(), "-");
        EXPECT_EQ(bar.Button()->accessibleName(), "Collapse Video");
        video.Grid->setFixedHeight(108);
        QApplication::processEvents();
    }
}

TEST_F(Stack, AGridSizedToItsRowsWhileCollapsedShowsExpandedAgain)
{
    video.Header->Toggle();
    video.Grid->setFixedHeight(3 * ValueListEditor::RowPitch); // as a profile load does
    QApplication::processEvents();
    EXPECT_TRUE(video.Header->IsExpanded());
    EXPECT_EQ(video.Header->Button()->accessibleName(), "Collapse Video");
}

TEST_F(Stack, CellsArePaintedByTheFourRules)
{
    ValueListEditor& grid = *video.Grid;
    const QColor silver(192, 192, 192), window = grid.palette().base().color();
    const auto makeCurrent = [&grid](int row) {
        grid.setCurrentCell(row, 1);
        grid.LeaveEditMode(); // the editor would cover the cell
        grid.setFocus();
        QApplication::processEvents();
    };
    makeCurrent(2); // "Typed"

    EXPECT_EQ(Ink(Cell(grid, 0, 1)), silver) << "a fixed text looks disabled";
    EXPECT_LT(qGray(Ink(Cell(grid, 1, 1)).rgb()), 100) << "a pick list does not";
    EXPECT_EQ(Background(Cell(grid, 2, 1)), window) << "no highlight on the current value";
    EXPECT_LT(qGray(Ink(Cell(grid, 2, 1)).rgb()), 100);
    EXPECT_EQ(Background(Cell(grid, 2, 0)), QColor(49, 106, 197)) << "current row, focused";
    EXPECT_EQ(Background(Cell(grid, 3, 0)), grid.palette().button().color()) << "other labels";
    EXPECT_EQ(Background(Cell(grid, 3, 1)), window);

    makeCurrent(0); // the fixed text
    EXPECT_EQ(Background(Cell(grid, 0, 1)), window);
    EXPECT_EQ(Ink(Cell(grid, 0, 1)), silver);

    audio.Grid->setFocus(); // the mark goes with the focus
    QApplication::processEvents();
    EXPECT_EQ(Background(Cell(grid, 0, 0)), window);
    EXPECT_LT(qGray(Ink(Cell(grid, 0, 0)).rgb()), 100);
}

TEST(StackLook, BlackFixedTextsForAGridThatAsksForThem)
{
    TGridStack stack;
    const TGridStack::TGroup output =
        stack.AddGroup("Output", {"Name"}, 95, 68, TFixedTextLook::Black);
    output.Grid->SetCells(1, 0, "Fixed value");
    output.Grid->SetReadOnly(0, true);
    stack.resize(200, 100);
    stack.show();
    QApplication::processEvents();
    const QRect rect = output.Grid->visualRect(output.Grid->model()->index(0, 1));
    const QImage cell = output.Grid->grab().toImage().copy(rect.adjusted(1, 1, -2, -2));
    int darkest = 255;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            darkest = std::min(darkest, qGray(cell.pixel(x, y)));
    EXPECT_LT(darkest, 100);
}

} // namespace
