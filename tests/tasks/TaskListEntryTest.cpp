// Files reaching the list from outside: the command line and drops.
#include "TaskListFixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QFrame>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

void Drop(QWidget& target, const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

} // namespace

TEST_F(TaskListTest, CommandLineAddsFilesAndDirectoriesAndEnables)
{
    const QString file = MakeFile("movie.avi");
    const QString text = MakeFile("notes.txt");
    MakeFile("dir/B.MOV");
    MakeFile("dir/a.avi");
    MakeFile("dir/readme.txt");
    FForm.reset();
    FForm = std::make_unique<TMainForm>(
        FApp.Path(), FPlatform,
        QStringList{file, text, MediaDir() + "/dir", MediaDir() + "/gone.avi"});

    EXPECT_EQ(Captions(),
              (QStringList{file, MediaDir() + "/dir/a.avi", MediaDir() + "/dir/B.MOV"}));
    EXPECT_TRUE(Form().Welcome.panbg->isHidden());
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(TaskButtons(), "on");
    // No profile is loaded while the window is being created.
    ltvItemData data;
    List().ReadTask(0, AllFields, data);
    EXPECT_EQ(data.NewExt, "");
}

TEST_F(TaskListTest, ListFileOnTheCommandLineNamesTheEntries)
{
    const QString first = MakeFile("first.mpg");
    const QString second = MakeFile("second.wmv");
    const QString ignored = MakeFile("ignored.avi");
    const QString listFile = MediaDir() + "/PATHS.TMP";
    QFile file(listFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((second + "\n" + first + "\n").toUtf8());
    file.close();
    FForm.reset();
    FForm = std::make_unique<TMainForm>(FApp.Path(), FPlatform, QStringList{listFile, ignored});

    EXPECT_EQ(Captions(), (QStringList{second, first}));
    EXPECT_EQ(TaskButtons(), "on");
}

TEST_F(TaskListTest, DropsAddFilesAndFoldersEvenAFolderNamedLikeAVideo)
{
    const QString file = MakeFile("dropped.Mpeg");
    const QString text = MakeFile("dropped.doc");
    MakeFile("folder.avi/inside.asf");
    Drop(Form(), {text, MediaDir() + "/folder.avi", file, file});

    EXPECT_EQ(Captions(), (QStringList{MediaDir() + "/folder.avi/inside.asf", file}));
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(TaskButtons(), "on");
}

// Closing the window while a directory is being added stops the add: the
// remaining files would only delay the program's exit.
TEST_F(TaskListTest, ClosingTheWindowStopsADirectoryAdd)
{
    for (const char* name : {"1.avi", "2.avi", "3.avi", "4.avi"})
        MakeFile(name);
    Form().show();
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, &user, [&] {
        if (List().TaskCount() == 2) {
            user.stop();
            Form().close();
        }
    });
    user.start(0);
    List().AddTaskDirectory(MediaDir());
    EXPECT_EQ(List().TaskCount(), 2);
}
