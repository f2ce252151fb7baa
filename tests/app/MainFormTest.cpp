// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/About.h"
#include "app/ApplicationWindows.h"
#include "app/LayoutRules.h"
#include "app/LinkLabel.h"
#include "app/Main.h"
#include "app/SplitterPanel.h"
#include "convert/BatchRunner.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/GridInput.h"
#include "platform/Product.h"
#include "profiles/ProfileDetail.h"
#include "tasks/KeptTasks.h"
#include "tasks/SavedTasks.h"
#include "tasks/TaskList.h"

#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// An application directory of its own for every test, with no encoder in
// it: probing a file then gives empty values, which these tests don't read.
class MainFormTest : public ::testing::Test
{
protected:
    QString AppDir() const { return dir.path() + "/"; }

    void WritePreferences(const QByteArray& text)
    {
        QFile file(AppDir() + "Preferences.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // A file inside a scratch folder next to the app directory.
    QString Make(const QString& relative)
    {
        const QString path = work.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("x");
        return path;
    }

    TMainForm& Start(const QStringList& arguments = {})
    {
        windows = std::make_unique<ApplicationWindows>(AppDir(), platform, arguments);
        return *windows->MainForm;
    }

    QStringList Rows() const
    {
        QStringList rows;
        const QAbstractItemModel* list = windows->MainForm->ltvTask->model();
        for (int i = 0; i < list->rowCount(); ++i)
            rows << list->index(i, 0).data().toString();
        return rows;
    }

    void Drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        TMainForm& form = *windows->MainForm;
        // As from the desktop: the drop goes to the widget that accepted the
        // drag when it entered.
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &drop);
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return !windows->TaskList->Adds().IsAdding(); }, 20000));
    }

    QTemporaryDir dir;
    QTemporaryDir work;
    FakePlatform platform;
    std::unique_ptr<ApplicationWindows> windows;
};

std::vector<QToolButton*> ListButtons(const TMainForm& form)
{
    return {form.Toolbar.tbtnUp, form.Toolbar.tbtnDown, form.Toolbar.tbtnRemove,
            form.Toolbar.tbtnClear, form.Toolbar.tbtnStart};
}

TEST_F(MainFormTest, StartsIdleWithoutArguments)
{
    TMainForm& form = Start();
    struct Expected
    {
        QToolButton* button;
        bool enabled;
    };
    const Expected buttons[] = {
        {form.Toolbar.tbtnAddFile, true}, {form.Toolbar.tbtnAddDir, true},
        {form.Toolbar.tbtnUp, false},     {form.Toolbar.tbtnDown, false},
        {form.Toolbar.tbtnRemove, false}, {form.Toolbar.tbtnClear, false},
        {form.Toolbar.tbtnStart, false},  {form.Toolbar.tbtnStop, false},
        {form.Toolbar.tbtnSetting, true}, {form.Toolbar.tbtnAbout, true},
        {form.Toolbar.tbtnHelp, true},
    };
    for (const Expected& e : buttons)
        EXPECT_EQ(e.button->isEnabled(), e.enabled) << e.button->toolTip().toStdString();

    EXPECT_EQ(form.ltvTask->model()->rowCount(), 0);
    EXPECT_TRUE(form.Welcome.panbg->isVisibleTo(&form));
    EXPECT_TRUE(form.BottomStrip.panBottomCenter->isVisibleTo(&form));
    EXPECT_FALSE(form.BottomStrip.panBottomLeft->isVisibleTo(&form));
    EXPECT_FALSE(form.timerTime->isActive());
    EXPECT_EQ(form.timerTime->interval(), 1000);
    EXPECT_EQ(form.size(), QSize(798, 539));
}

TEST_F(MainFormTest, PathsComeFromTheApplicationDirectory)
{
    TMainForm form(AppDir(), platform);
    EXPECT_EQ(form.AppDir, AppDir());
    EXPECT_EQ(form.BottomStrip.edtOutputdir->text(), AppDir());
    EXPECT_EQ(form.EncoderPath, AppDir() + "tolvex.dll");
    EXPECT_EQ(form.HelpFilePath, AppDir() + "VivOrizirude.chm");
    EXPECT_EQ(QCoreApplication::applicationName(), ProductTitle);
    EXPECT_EQ(form.Welcome.labProgramName->text(), ProductTitle);
    EXPECT_EQ(form.Welcome.labLink->text(), "Quenby Software  https://quenby.example/");
}

TEST_F(MainFormTest, AppDirWithoutSeparatorGetsOne)
{
    TMainForm form(dir.path(), platform);
    EXPECT_EQ(form.AppDir, AppDir());
}

TEST_F(MainFormTest, CaptionShowsTheVersionKey)
{
    struct Case
    {
        const char* preferences; // null: no file at all
        const char* caption;
    };
    const Case cases[] = {
        {nullptr, "Quenby AVI Video Converter V1.5"},
        {"[Main]\nVersion=2.0 beta\n", "Quenby AVI Video Converter V2.0 beta"},
        {"[Main]\nProfile=AVI\n", "Quenby AVI Video Converter V1.5"},
        {"[Default]\nOverwrite=1\n", "Quenby AVI Video Converter V1.5"},
        {"\xEF\xBB\xBF[Main]\nVersion=2.0\n", "Quenby AVI Video Converter V2.0"},
        {"\177ELF\002\001\377\376[", "Quenby AVI Video Converter V1.5"},
    };
    for (const Case& c : cases) {
        QFile::remove(AppDir() + "Preferences.ini");
        if (c.preferences)
            WritePreferences(c.preferences);
        TMainForm form(AppDir(), platform);
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.caption));
        // Released stores write their file back: it exists from the first start on.
        EXPECT_TRUE(QFileInfo::exists(AppDir() + "Preferences.ini"));
    }
}

TEST_F(MainFormTest, UnreadablePreferencesDoNotStopStartUp)
{
    QDir().mkpath(AppDir() + "Preferences.ini");
    TMainForm form(AppDir(), platform);
    EXPECT_EQ(form.windowTitle(), "Quenby AVI Video Converter V1.5");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(MainFormTest, ColumnsAsCreated)
{
    TMainForm& form = Start();
    const int widths[] = {260, 90, 80, 100};
    const char* captions[] = {"Input File", "Length", "Size", "Status"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form.ltvTask->columnWidth(i), widths[i]);
        EXPECT_EQ(form.ltvTask->model()->headerData(i, Qt::Horizontal), captions[i]);
        EXPECT_FALSE(form.ltvTask->isColumnHidden(i));
    }
    // The four are all there is, for the eye and for a screen reader.
    EXPECT_EQ(form.ltvTask->model()->columnCount(), 4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.ltvTask)->tableInterface()->columnCount(),
              4);
    EXPECT_EQ(form.ltvTask->header()->length(), 260 + 90 + 80 + 100);
    EXPECT_EQ(form.ltvTask->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(MainFormTest, UnreadableListFileStillStarts)
{
    TMainForm& form = Start({work.path() + "/absent.tmp", Make("movie.avi")});
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_TRUE(form.Welcome.panbg->isVisibleTo(&form));
    for (QToolButton* button : ListButtons(form))
        EXPECT_FALSE(button->isEnabled());
}

// A kept list that is cut short is set aside; one whose tasks are all
// converted is not offered; Escape or the close box keeps the kept list as
// it is and asks again; Discard empties it.
TEST_F(MainFormTest, KeptTasksNotRestored)
{
    const std::string path = (AppDir() + TasksFileName).toStdString();
    ltvItemData b = NewTaskRecord(Make("b.avi").toStdString(), "", "", ".avi");
    SaveTasks(path, {"/", {b}});
    std::filesystem::resize_file(path, 30);
    Start({Make("c.avi")});
    ASSERT_TRUE(QTest::qWaitFor([this] { return !windows->TaskList->Adds().IsAdding(); }, 20000));
    EXPECT_EQ(Rows(), QStringList{work.path() + "/c.avi"});
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith(
        "The task list kept from the last session cannot be read. It was set aside as"));
    EXPECT_EQ(QFileInfo(AppDir() + "Tasks.ini.bad").size(), 30);
    ASSERT_TRUE(QTest::qWaitFor([this] { return windows->KeptTasks->Saves() == 1; }, 5000));
    windows->TaskList->Model().Update(windows->TaskList->Model().IdAt(0), {.Percent = 50});
    QTest::qWait(700);
    EXPECT_EQ(windows->KeptTasks->Saves(), 1) << "a running task's percent is not kept";
    windows.reset();
    const auto bytes = [&path] {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray kept = bytes();
    Start();
    EXPECT_EQ(platform.questions.value(0).text,
              "The last session left 1 task unconverted. Restore it?");
    windows.reset();
    EXPECT_EQ(bytes(), kept) << "nothing was answered";
    platform.choices = {1};
    Start();
    EXPECT_EQ(platform.questions.size(), 2) << "c.avi is offered again, and discarded";
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_TRUE(LoadTasks(path).Saved.Tasks.empty());
    windows.reset();
    b.Status = TaskState::Complete;
    SaveTasks(path, {"/", {b}});
    Start();
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(platform.questions.size() + platform.messages.size(), 3);
}

// An end time confirmed with Return, the grid never left, is kept by the close.
TEST_F(MainFormTest, AnEditConfirmedWithReturnIsKeptAtClose)
{
    const std::string path = (AppDir() + TasksFileName).toStdString();
    SaveTasks(path, {"/", {NewTaskRecord(Make("a.avi").toStdString(), "00:00:04.05", "", ".avi")}});
    platform.choices = {0};
    TMainForm& form = Start();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.ltvTask->setCurrentIndex(form.ltvTask->model()->index(0, 0));
    ASSERT_TRUE(TypeIntoCell(*windows->ProfileDetail->vleOutput, "End Time", "00:00:02.0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form.close());
    windows.reset();
    EXPECT_EQ(LoadTasks(path).Saved.Tasks.at(0).End.Text(), "00:00:02");
}

TEST_F(MainFormTest, DroppedLongPathArrivesWhole)
{
    Start();
    QString deep = "deep";
    while (deep.size() < 300)
        deep += "/a-rather-long-folder-name";
    const QString movie = Make(deep + "/movie.avi");
    ASSERT_GT(movie.size(), 254);
    Drop({movie});
    EXPECT_EQ(Rows(), QStringList{movie});
}

// The list stays locked while a batch runs; what is dropped meanwhile is
// listed once it has ended, in the order it came.
TEST_F(MainFormTest, DropDuringABatchIsListedAfterIt)
{
    TMainForm& form = Start();
    emit windows->Runner->BatchRunning(true);
    const QString first = Make("b.avi"), second = Make("a.avi");
    Drop({first});
    Drop({second});
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_FALSE(form.Toolbar.tbtnStart->isEnabled());
    emit windows->Runner->BatchRunning(false);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Rows().size() == 2; }, 20000));
    EXPECT_EQ(Rows(), QStringList({first, second}));
}

TEST_F(MainFormTest, FormShowOnceAndFormCloseOnClose)
{
    TMainForm form(AppDir(), platform);
    QSignalSpy shown(&form, &TMainForm::FormShow);
    QSignalSpy closed(&form, &TMainForm::FormClose);
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(shown.count(), 1);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainFormTest, CloseSurvivesAFailingSaveHook)
{
    TMainForm form(AppDir(), platform);
    form.show();
    QObject::connect(&form, &TMainForm::FormClose, &form,
                     [] { throw std::runtime_error("disk full"); });
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MainFormTest, HelpAndLinkOpenThroughTheShell)
{
    TMainForm form(AppDir(), platform);
    form.actHelp->trigger();
    form.show();
    QTest::mouseClick(form.Welcome.labLink, Qt::LeftButton);
    EXPECT_EQ(platform.opened,
              (QStringList{AppDir() + "VivOrizirude.chm", "https://quenby.example/"}));

    // With the guide's pages beside the program and no CHM viewer, the
    // pages are what Help opens.
    QDir().mkpath(AppDir() + "help");
    QFile page(AppDir() + "help/index.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    form.actHelp->trigger();
    EXPECT_EQ(platform.opened.last(), AppDir() + "help/index.html");
}

TEST_F(MainFormTest, LinkColourFollowsTheButton)
{
    TMainForm form(AppDir(), platform);
    form.show();
    TLinkLabel* link = form.Welcome.labLink;
    EXPECT_EQ(link->TextColor(), QColor(194, 194, 194));
    QTest::mousePress(link, Qt::LeftButton);
    EXPECT_EQ(link->TextColor(), QColor(128, 165, 253));
    QTest::mouseRelease(link, Qt::LeftButton);
    EXPECT_EQ(link->TextColor(), QColor(194, 194, 194));
}

TEST_F(MainFormTest, AboutBoxDisablesTheMainWindowUntilClosed)
{
    TMainForm form(AppDir(), platform);
    form.show();
    auto* about = new TAboutForm(form.VersionText, platform, &form);
    about->ShowAbout();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_FALSE(form.isEnabled());
    EXPECT_TRUE(about->isEnabled());
    EXPECT_TRUE(about->labVersion->text() == "V1.5");
    QTest::mouseClick(about->labLink, Qt::LeftButton);
    EXPECT_EQ(platform.opened, QStringList{"https://quenby.example/"});
    QTest::mouseClick(about->btnOK, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(MainFormTest, AboutShowsTheOneBoxAgain)
{
    TMainForm& form = Start();
    form.show();
    TAboutForm* first = windows->AboutForm;
    QTest::mouseClick(form.Toolbar.tbtnAbout, Qt::LeftButton);
    EXPECT_TRUE(first->isVisible());
    first->close();
    EXPECT_TRUE(form.isEnabled());
    QTest::mouseClick(form.Toolbar.tbtnAbout, Qt::LeftButton);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(form.findChildren<TAboutForm*>().size(), 1);
}

TEST_F(MainFormTest, ResizingWidensTheColumnsByTheirShares)
{
    TMainForm& form = Start();
    form.show();
    QCoreApplication::processEvents();
    int before[4];
    for (int i = 0; i < 4; ++i)
        before[i] = form.ltvTask->columnWidth(i);
    const int listBefore = form.ltvTask->width();
    EXPECT_EQ(form.ColumnRule.ListWidth(), listBefore);

    form.resize(form.width() + 100, form.height());
    QCoreApplication::processEvents();
    ASSERT_EQ(form.ltvTask->width(), listBefore + 100);
    // The shares carry their fractions from the first show on.
    TColumnRule reference(CreatedListWidth, CreatedColumns);
    ColumnWidths expected = CreatedColumns;
    reference.Adjust(listBefore, expected);
    reference.Adjust(listBefore + 100, expected);
    const int shares[] = {49, 17, 15, 19};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form.ltvTask->columnWidth(i), expected[i]) << i;
        EXPECT_NEAR(form.ltvTask->columnWidth(i), before[i] + shares[i], 1) << i;
    }

    // Narrowed again one pixel at a time, the columns come back exactly.
    for (int step = 0; step < 100; ++step) {
        form.resize(form.width() - 1, form.height());
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(form.ltvTask->width(), listBefore);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form.ltvTask->columnWidth(i), before[i]) << i;
    form.resize(form.width() + 100, form.height());
    QCoreApplication::processEvents();

    // The bottom strip follows the list's panel.
    const int width = form.panMain->width();
    EXPECT_EQ(form.BottomStrip.panBottomCenter->width(), width);
    EXPECT_EQ(form.BottomStrip.panBottomLeft->width(), width);
    EXPECT_EQ(form.BottomStrip.bbtnSetting->x(), width - 90);
    EXPECT_EQ(form.BottomStrip.cmbProfile->width(), width - 90 - 83);
    EXPECT_EQ(form.BottomStrip.bbtnBrowser->x(), width - 90 - 85);
    EXPECT_EQ(form.BottomStrip.edtOutputdir->width(), width - 90 - 85 - 83);
    EXPECT_EQ(form.BottomStrip.pgbTotal->width(), width - 27 - 123);
}

TEST_F(MainFormTest, SplitterDragWidensTheProfileColumn)
{
    TMainForm form(AppDir(), platform);
    form.show();
    QCoreApplication::processEvents();
    const int profile = form.panProfile->width();
    const int main = form.panMain->width();

    // Another modifier or button held: nothing moves.
    QMouseEvent shifted(QEvent::MouseMove, QPointF(-15, 10),
                        form.panSplitter->mapToGlobal(QPointF(-15, 10)), Qt::NoButton,
                        Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(form.panSplitter, &shifted);
    EXPECT_EQ(form.panProfile->width(), profile);

    QMouseEvent left(QEvent::MouseMove, QPointF(-15, 10),
                     form.panSplitter->mapToGlobal(QPointF(-15, 10)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(form.panSplitter, &left);
    EXPECT_EQ(form.panProfile->width(), profile + 20);
    EXPECT_EQ(form.panMain->width(), main - 20);
    EXPECT_EQ(form.BottomStrip.panBottomCenter->width(), main - 20);
    EXPECT_EQ(form.width(), 798);
}

TEST_F(MainFormTest, ControlsCarryNamesForScreenReaders)
{
    TMainForm& form = Start();
    struct Case
    {
        const char* name;
        const char* spoken;
    };
    const Case cases[] = {
        {"ltvTask", "Task List"},   {"tbtnAddFile", "Add Video Files"},
        {"tbtnStart", "Start"},     {"tbtnHelp", "Help"},
        {"cmbProfile", "Profile"},  {"edtOutputdir", "Output Path"},
        {"bbtnSetting", "Setting"}, {"bbtnBrowser", "Browse"},
        {"bbtnOpen", "Open"},       {"gpbProfile", "Profile Detail"},
        {"panSplitter", "<>"},      {"labLink", "Quenby Software  https://quenby.example/"},
    };
    for (const Case& c : cases) {
        auto* widget = form.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(c.spoken)) << c.name;
    }
    // The edits are named by their labels, which point back at them.
    int buddies = 0;
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->buddy() == form.BottomStrip.cmbProfile ||
            label->buddy() == form.BottomStrip.edtOutputdir)
            ++buddies;
    EXPECT_EQ(buddies, 2);
}

} // namespace
