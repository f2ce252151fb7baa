// SPDX-License-Identifier: GPL-3.0-or-later
// Files reaching the list from outside: the command line and drops.
#include "TaskListFixture.h"

#include "app/ArgumentText.h"
#include "fixtures/ChildProcesses.h"

#include <QApplication>
#include <QDropEvent>
#include <QFrame>
#include <QMimeData>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <fstream>

namespace {

void DropUrls(QWidget& target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

void Drop(QWidget& target, const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    DropUrls(target, urls);
}

} // namespace

TEST_F(TaskListWindowTest, CommandLineAddsFilesAndDirectoriesAndEnables)
{
    const QString file = MakeFile("movie.avi");
    const QString text = MakeFile("notes.txt");
    MakeFile("dir/B.MOV");
    MakeFile("dir/a.avi");
    MakeFile("dir/readme.txt");
    Start({file, text, MediaDir() + "/dir", MediaDir() + "/gone.avi"});
    ASSERT_TRUE(WaitAdds());

    EXPECT_EQ(Captions(),
              (QStringList{file, MediaDir() + "/dir/a.avi", MediaDir() + "/dir/B.MOV"}));
    EXPECT_TRUE(Form().Welcome.panbg->isHidden());
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(TaskButtons(), "on");
    // No profile is loaded while the window is being created.
    ltvItemData data;
    List().Model().Read(0, TaskField::AllFields, data);
    EXPECT_EQ(data.NewExt, "");
}

TEST_F(TaskListWindowTest, ListFileOnTheCommandLineNamesTheEntries)
{
    const QString first = MakeFile("first.mpg");
    const QString second = MakeFile("second.wmv");
    const QString ignored = MakeFile("ignored.avi");
    const QString listFile = MediaDir() + "/PATHS.TMP";
    QFile file(listFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((second + "\n" + first + "\n").toUtf8());
    file.close();
    Start({listFile, ignored});
    ASSERT_TRUE(WaitAdds());

    EXPECT_EQ(Captions(), (QStringList{second, first}));
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListWindowTest, DropsAddFilesAndFoldersEvenAFolderNamedLikeAVideo)
{
    const QString file = MakeFile("dropped.Mpeg");
    const QString text = MakeFile("dropped.doc");
    MakeFile("folder.avi/inside.asf");
    Drop(Form(), {text, MediaDir() + "/folder.avi", file, file});
    ASSERT_TRUE(WaitAdds());

    EXPECT_EQ(Captions(), (QStringList{MediaDir() + "/folder.avi/inside.asf", file}));
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(TaskButtons(), "on");
}

// Closing the window while files are being added stops the add: the
// remaining files would only delay the program's exit. Nothing after the cut
// is listed, and no probe outlives it.
TEST_F(TaskListWindowTest, ClosingTheWindowStopsAnAdd)
{
    FApp.Script().Set("probe.delay_ms", 200).Set("record", FApp.RecordPath()).Save();
    for (const char* name : {"1.avi", "2.avi", "3.avi", "4.avi", "5.avi", "6.avi"})
        MakeFile(name);
    Form().show();
    List().Adds().AddTaskDirectory(MediaDir());
    ASSERT_TRUE(QTest::qWaitFor([this] { return List().Model().TaskCount() >= 1; }, 20000));
    Form().close();
    const int listed = List().Model().TaskCount();
    EXPECT_FALSE(List().Adds().IsAdding());
    EXPECT_LT(listed, 6);
    for (const FakeEncoderRun& run : FApp.RecordedRuns())
        EXPECT_FALSE(ProcessExists(run.Pid)) << run.Pid;
    QTest::qWait(400);
    EXPECT_EQ(List().Model().TaskCount(), listed);
}

// File names that are not valid UTF-8 cannot be handed to the encoder. They
// are listed in one message per add instead of vanishing without a word.
TEST_F(TaskListWindowTest, NamesThatAreNotUtf8AreListedInOneMessage)
{
    const QByteArray dir = QFile::encodeName(MediaDir());
    const QByteArray names[] = {"St\xE9r\xE9o.avi", "caf\xE9.mp4"};
    for (const QByteArray& name : names)
        std::ofstream((dir + "/" + name).toStdString()) << "x";
    // The toolkit cannot list these names, so the scratch directory could
    // not remove them itself.
    const auto cleanUp = qScopeGuard([&] {
        for (const QByteArray& name : names)
            std::filesystem::remove((dir + "/" + name).toStdString());
    });
    const QString fine = MakeFile("fine.avi");

    List().Adds().AddTaskDirectory(MediaDir());
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), QStringList{fine});
    ASSERT_EQ(FPlatform.messages.size(), 1);
    EXPECT_EQ(FPlatform.messages[0].title, "Files not added");
    EXPECT_TRUE(FPlatform.messages[0].text.contains(MediaDir() + "/St\uFFFDr\uFFFDo.avi"));
    EXPECT_TRUE(FPlatform.messages[0].text.contains(MediaDir() + "/caf\uFFFD.mp4"));

    // The command line and a drop, each with one bad and one good name.
    const std::string bad = (dir + "/St\xE9r\xE9o.avi").toStdString();
    FPlatform.messages.clear();
    Start({ArgumentFromBytes(bad), fine});
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), QStringList{fine});
    ASSERT_EQ(FPlatform.messages.size(), 1);
    EXPECT_TRUE(FPlatform.messages[0].text.contains("St\uFFFDr\uFFFDo.avi"));

    FPlatform.messages.clear();
    List().Commands().tbtnClearClick();
    DropUrls(Form(),
             {QUrl::fromEncoded("file://" + QByteArray::fromStdString(bad).toPercentEncoding("/")),
              QUrl::fromLocalFile(fine)});
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), QStringList{fine});
    EXPECT_EQ(FPlatform.messages.size(), 1);
}

TEST_F(TaskListWindowTest, RelativeCommandLinePathsAreReadAgainstTheWorkingDirectory)
{
    const QString talk = MakeFile("12:30 talk.avi");
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(MediaDir()));
    Start({"12:30 talk.avi"});
    QDir::setCurrent(here);
    ASSERT_TRUE(WaitAdds());
    EXPECT_EQ(Captions(), QStringList{QDir(MediaDir()).canonicalPath() + "/12:30 talk.avi"});
}
