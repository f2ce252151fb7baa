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

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// The program's windows over a temporary application directory whose
// encoder is the fake one, plus a scratch directory for the media files the
// tests add.
class TaskListTest : public ::testing::Test
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
    TTaskList& List() { return *FWindows->TaskList; }
    TProfileDetail& Detail() { return *FWindows->ProfileDetail; }
    QTreeView& View() { return *Form().ltvTask; }
    QModelIndex Index(int row, int column = 0) { return View().model()->index(row, column); }

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
        for (int row = 0; row < List().TaskCount(); ++row)
            captions << Index(row).data().toString();
        return captions;
    }
    QList<int> SelectedRows()
    {
        QList<int> rows;
        for (int row = 0; row < List().TaskCount(); ++row)
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

    void EnableButtons() { List().EnableTaskButtons(true); }

    // Adds run on the event loop: waits until every one has ended.
    bool WaitAdds()
    {
        return QTest::qWaitFor([this] { return !List().IsAdding(); }, 20000);
    }

    // "on", "off", or "mixed" when the five task buttons disagree.
    std::string TaskButtons()
    {
        int on = 0;
        for (QToolButton* button :
             {Form().Toolbar.tbtnUp, Form().Toolbar.tbtnDown, Form().Toolbar.tbtnRemove,
              Form().Toolbar.tbtnClear, Form().Toolbar.tbtnStart})
            on += button->isEnabled() ? 1 : 0;
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
    std::unique_ptr<ApplicationWindows> FWindows;
};
