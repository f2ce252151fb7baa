// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/About.h"
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "fixtures/FakePlatform.h"
#include "profiles/CustomSize.h"
#include "settings/Settings.h"
#include "tasks/TaskList.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ValueListEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace {

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// The tooltip the first row's cell in `column` shows when the mouse rests on it.
QString TipOfCell(QTreeView* list, int column)
{
    const QRect rect = list->visualRect(list->model()->index(0, column));
    QHelpEvent help(QEvent::ToolTip, rect.center(), list->viewport()->mapToGlobal(rect.center()));
    QCoreApplication::sendEvent(list->viewport(), &help);
    const QString text = QToolTip::text();
    QToolTip::hideText();
    return text;
}

class DesktopCitizenTest : public ::testing::Test
{
protected:
    TMainForm& Start(const QStringList& arguments = {})
    {
        windows = std::make_unique<ApplicationWindows>(dir.path() + "/", platform, arguments);
        TMainForm& form = *windows->MainForm;
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }

    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<ApplicationWindows> windows;
};

// Every name=value grid of every window lets Tab and Shift+Tab through and
// walks its cells with the arrows.
TEST_F(DesktopCitizenTest, TabLeavesEveryGrid)
{
    TMainForm& form = Start();
    int grids = 0;
    for (QWidget* owner : {static_cast<QWidget*>(&form), static_cast<QWidget*>(windows->SizeForm),
                           static_cast<QWidget*>(windows->SettingForm)}) {
        owner->show();
        owner->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(owner));
        for (ValueListEditor* grid : owner->findChildren<ValueListEditor*>()) {
            if (!grid->isVisibleTo(owner))
                continue;
            ++grids;
            SCOPED_TRACE(grid->objectName().toStdString());
            while (grid->RowCount() < 2)
                grid->InsertRow(QStringLiteral("Key%1").arg(grid->RowCount()), QStringLiteral("v"));
            for (const int tab : {Qt::Key_Tab, Qt::Key_Backtab}) {
                grid->setFocus();
                grid->setCurrentCell(0, 1); // opens the in-place editor
                Key(Qt::Key_Down);
                Key(Qt::Key_Up);
                EXPECT_EQ(grid->Row(), 0);
                Key(tab, tab == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                const QWidget* focus = QApplication::focusWidget();
                EXPECT_FALSE(focus == grid || grid->isAncestorOf(focus)) << tab;
                EXPECT_FALSE(grid->EditorMode()) << tab;
            }
        }
        if (owner != &form)
            owner->hide();
    }
    EXPECT_GE(grids, 4); // at least the detail panel's four
}

TEST_F(DesktopCitizenTest, ShortcutsReachTheirCommandsAndShowInTheHints)
{
    TMainForm& form = Start();
    form.ltvTask->setFocus();
    // A button's shortcut clicks it as the eye can follow: a moment later.
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.openCalls.size() == 1; }));
    Key(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.folderCalls.size() == 1; }));
    Key(Qt::Key_F1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.opened == QStringList{form.HelpFilePath}; }));
    EXPECT_TRUE(form.Toolbar.tbtnAddDir->toolTip().contains("Ctrl+Shift+O"));
    EXPECT_EQ(form.Toolbar.tbtnAddDir->accessibleName(), "Add Directory");

    Key(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.BottomStrip.cmbProfile);
    Key(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.BottomStrip.edtOutputdir);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(DesktopCitizenTest, FocusComesBackAfterTheDialogs)
{
    TMainForm& form = Start();
    TSettingForm& settings = *windows->SettingForm;
    form.BottomStrip.edtOutputdir->setFocus();
    form.Toolbar.tbtnSetting->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&settings));
    EXPECT_EQ(settings.focusWidget(), settings.edtOutputDir);
    settings.btnCancel->click();
    EXPECT_EQ(form.focusWidget(), form.BottomStrip.edtOutputdir);

    form.BottomStrip.bbtnSetting->setFocus();
    form.BottomStrip.bbtnSetting->click();
    EXPECT_EQ(settings.focusWidget(), settings.cmbProfile);
    settings.btnOK->click();
    EXPECT_EQ(form.focusWidget(), form.BottomStrip.bbtnSetting);

    form.ltvTask->setFocus();
    form.Toolbar.tbtnAbout->click();
    windows->AboutForm->btnOK->click();
    EXPECT_EQ(form.focusWidget(), form.ltvTask);
}

// Shrunk until a hand-narrowed column sits at the list's minimum, then grown
// back: every column returns to its width and nothing scrolls sideways.
TEST_F(DesktopCitizenTest, ColumnsComeBackAfterShrinkThenGrow)
{
    TMainForm& form = Start();
    QHeaderView* header = form.ltvTask->header();
    header->resizeSection(1, header->minimumSectionSize() + 4);
    QCoreApplication::processEvents();
    std::vector<int> before;
    for (int i = 0; i < 4; ++i)
        before.push_back(form.ltvTask->columnWidth(i));
    const QSize size = form.size();

    form.resize(form.minimumSize());
    QCoreApplication::processEvents();
    ASSERT_EQ(form.ltvTask->columnWidth(1), header->minimumSectionSize()); // clamped
    form.resize(size);
    QCoreApplication::processEvents();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form.ltvTask->columnWidth(i), before[i]) << i;
    EXPECT_FALSE(form.ltvTask->horizontalScrollBar()->isVisible());
}

TEST_F(DesktopCitizenTest, WindowSizesKeepTheWelcomePanelAndEveryControl)
{
    TMainForm& form = Start();
    for (const QSize& size : {form.minimumSize(), QSize(1500, 950)}) {
        form.resize(size);
        QCoreApplication::processEvents();
        SCOPED_TRACE(size.width());
        EXPECT_EQ(form.Welcome.panbg->geometry(), form.ltvTask->geometry());
        EXPECT_TRUE(form.Toolbar.tbtnHelp->isVisible()); // nothing folded away
        EXPECT_GE(form.BottomStrip.edtOutputdir->width(), 100);
        EXPECT_GE(form.BottomStrip.bbtnBrowser->x(),
                  form.BottomStrip.edtOutputdir->geometry().right());
        EXPECT_LE(form.BottomStrip.bbtnOpen->geometry().right(),
                  form.BottomStrip.panBottomCenter->width());
    }
}

// File names are never markup, long ones are cut in the middle, and a cut
// text shows in full as a tooltip.
TEST_F(DesktopCitizenTest, NamesArePlainTextAndElidedInTheMiddle)
{
    const QString path =
        dir.path() + "/" + QString("folder-with-a-rather-long-name/").repeated(4) + "<b>news.avi";
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    TMainForm& form = Start({path});
    ASSERT_EQ(form.ltvTask->model()->rowCount(), 1);
    // The whole path comes first, before what the probe found in the file.
    EXPECT_TRUE(TipOfCell(form.ltvTask, 0).startsWith(path.toHtmlEscaped() + "\n"));
    EXPECT_EQ(form.ltvTask->textElideMode(), Qt::ElideMiddle);
    // A cell's own tooltip, a failure's reason, still shows, and as plain text.
    windows->TaskList->Model().Update(windows->TaskList->Model().IdAt(0),
                                      {.StatusTip = "<i>no codec</i>"});
    EXPECT_EQ(TipOfCell(form.ltvTask, 3), QString("<i>no codec</i>").toHtmlEscaped());

    // "Converting:" takes the strip's width and keeps both ends of the name.
    auto* converting = qobject_cast<TElidedLabel*>(form.BottomStrip.labConvertingFile);
    ASSERT_NE(converting, nullptr);
    const QString name = QString("a-very-long-recording-name-").repeated(14) + "<b>news.avi";
    converting->setText(name);
    EXPECT_EQ(converting->textFormat(), Qt::PlainText);
    for (const int width : {798, 1400}) {
        form.resize(width, form.height());
        QCoreApplication::processEvents();
        EXPECT_EQ(converting->width(), form.panMain->width() - 128) << width;
        const QString shown = converting->ShownText();
        EXPECT_TRUE(shown.startsWith("a-very") && shown.endsWith("<b>news.avi")) << width;
        EXPECT_NE(shown, name) << width;
    }
    // Several names are each cut in their own middle.
    converting->SetNames({name, "b.avi"});
    EXPECT_TRUE(converting->ShownText().startsWith("a-very") &&
                converting->ShownText().endsWith("news.avi, b.avi"));

    // Spoken names: the tab captions without their padding, combo boxes by label.
    TSettingForm& settings = *windows->SettingForm;
    auto* tabs = settings.findChild<QTabWidget*>("pgcSetting");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabBar()->accessibleTabName(1), "Profiles");
    EXPECT_EQ(settings.cmbSyn->accessibleName(), "Synchronization Mode");
    EXPECT_EQ(form.BottomStrip.cmbProfile->accessibleName(), "Profile");
}

TEST_F(DesktopCitizenTest, FolderButtonsStartHereAndTellWhenNothingOpens)
{
    TMainForm& form = Start();
    const QString output = dir.path() + "/";
    form.BottomStrip.edtOutputdir->setText(output);
    form.BottomStrip.bbtnBrowser->click();
    ASSERT_EQ(platform.folderCalls.size(), 1);
    EXPECT_EQ(platform.folderCalls[0].start, output);

    platform.shellOpens = false;
    form.BottomStrip.bbtnOpen->click();
    EXPECT_EQ(platform.opened, QStringList{output});
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.contains(output));
}

} // namespace
