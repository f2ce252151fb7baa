// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/PrintQt.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileDetail.h"
#include "tasks/TaskList.h"
#include "widgets/ValueListEditor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// The task list alone, over controls of a plain window and a profile detail
// panel, in a temporary application directory whose encoder is the fake one;
// plus a scratch directory for the media files the tests add.
class TaskListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FApp.IsValid());
        ASSERT_TRUE(FMedia.isValid());
        FWindow = std::make_unique<QWidget>();
        QWidget* window = FWindow.get();
        auto* box = new QGroupBox(window);
        new QHBoxLayout(box);
        FControls = {window,
                     new QTreeView(window),
                     new QWidget(window),
                     new QLineEdit(window),
                     new QPushButton(window),
                     new QPushButton(window)};
        auto* layout = new QHBoxLayout(window);
        for (QWidget* widget : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            layout->addWidget(widget);
        FDetail =
            new TProfileDetail({box, new QComboBox(box)}, FApp.Path().toStdString(), FPlatform);
        FList = new TTaskList(FControls, FPlatform, *FDetail, FApp.EncoderPath(), FWindow.get());
        QObject::connect(&FList->Commands(), &TTaskCommands::TaskButtonsEnabled,
                         [this](bool on) { FStartReady = on; });
    }

    virtual TTaskList& List() { return *FList; }
    virtual TProfileDetail& Detail() { return *FDetail; }
    virtual QWidget& Window() { return *FWindow; }
    QTreeView& View() { return List().View().Tree(); }
    QModelIndex Index(int row, int column = 0) { return View().model()->index(row, column); }
    TTaskCommands& Commands() { return List().Commands(); }

    // An empty file (the fake encoder reports on any path) under the
    // scratch directory; `name` may hold subdirectories.
    QString MakeFile(const QString& name)
    {
        const QString path = FMedia.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        return path;
    }
    QString MediaDir() const { return FMedia.path(); }

    QStringList Captions()
    {
        QStringList captions;
        for (int row = 0; row < List().Model().TaskCount(); ++row)
            captions << Index(row).data().toString();
        return captions;
    }
    QList<int> SelectedRows()
    {
        QList<int> rows;
        for (int row = 0; row < List().Model().TaskCount(); ++row)
            if (View().selectionModel()->isRowSelected(row))
                rows << row;
        return rows;
    }
    void Select(const QList<int>& rows)
    {
        View().clearSelection();
        for (const int row : rows)
            View().selectionModel()->select(Index(row), QItemSelectionModel::Select |
                                                            QItemSelectionModel::Rows);
    }

    void EnableButtons() { Commands().EnableTaskButtons(true); }

    // Adds run on the event loop: waits until every one has ended.
    bool WaitAdds()
    {
        return QTest::qWaitFor([this] { return !List().Adds().IsAdding(); }, 20000);
    }

    // "on", "off", or "mixed" when the four task commands and Start (which
    // follows TaskButtonsEnabled, and is off while a batch runs) disagree.
    virtual std::string TaskButtons()
    {
        int on = FStartReady && View().isEnabled() ? 1 : 0;
        for (QAction* action : {Commands().actMoveUp, Commands().actMoveDown, Commands().actRemove,
                                Commands().actClear})
            on += action->isEnabled() ? 1 : 0;
        return on == 5 ? "on" : on == 0 ? "off" : "mixed";
    }

    QString Output(const QString& label) { return Detail().vleOutput->Values(label); }
    void FillOutputGrid()
    {
        for (const char* label : {"New Filename", "Start Time", "End Time"})
            Detail().SetDetailValue(0, label, "stale");
    }

    // Loads a minimal profile whose output type is `type`.
    void LoadProfile(const QString& type)
    {
        const QString path = FMedia.filePath("Test.apf");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Main]\nType=" + type.toUtf8() + "\nPara=0\n");
        file.close();
        Detail().LoadProfileIntoGrids(path);
        ASSERT_EQ(Detail().OutputExt, "." + type);
    }

    TempAppDir FApp{TempAppDir::Encoder::Fake};
    FakePlatform FPlatform;
    QTemporaryDir FMedia;
    std::unique_ptr<QWidget> FWindow;
    TaskListControls FControls;
    TProfileDetail* FDetail = nullptr;
    TTaskList* FList = nullptr;
    bool FStartReady = false;
};

// The same over the program's windows, for what reaches the list through
// the main window: the command line and drops.
class TaskListWindowTest : public TaskListTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FApp.IsValid());
        ASSERT_TRUE(FMedia.isValid());
        Start();
    }
    // Starts the program (again) with these command-line arguments.
    void Start(const QStringList& arguments = {})
    {
        FWindows.reset();
        FWindows = std::make_unique<ApplicationWindows>(FApp.Path(), FPlatform, arguments);
    }

    TMainForm& Form() { return *FWindows->MainForm; }
    TTaskList& List() override { return *FWindows->TaskList; }
    TProfileDetail& Detail() override { return *FWindows->ProfileDetail; }
    QWidget& Window() override { return Form(); }
    std::string TaskButtons() override
    {
        int on = 0;
        for (QToolButton* button :
             {Form().Toolbar.tbtnUp, Form().Toolbar.tbtnDown, Form().Toolbar.tbtnRemove,
              Form().Toolbar.tbtnClear, Form().Toolbar.tbtnStart})
            on += button->isEnabled() ? 1 : 0;
        return on == 5 ? "on" : on == 0 ? "off" : "mixed";
    }

    std::unique_ptr<ApplicationWindows> FWindows;
};
