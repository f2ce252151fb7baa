// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fixtures/FakePlatform.h"
#include "preview/DSTrackBar.h"
#include "preview/FilterGraph.h"
#include "preview/PreviewPane.h"
#include "preview/PreviewPlayer.h"
#include "preview/PreviewTasks.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

// Rows of input files, any of them selected, as the task list offers them.
class FakePreviewTasks : public TPreviewTasks
{
public:
    QStringList files;
    std::set<int> selected;

    int TaskCount() const override { return int(files.size()); }
    int FirstSelectedTask() const override { return selected.empty() ? -1 : *selected.begin(); }
    void SelectTask(int row) override { selected.insert(row); }
    QString TaskInputFile(int row) const override { return files.value(row); }
};

// The preview pane on its own window, with its graph and player.
class PreviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FPane = std::make_unique<QWidget>();
        FPane->resize(200, 177);
        Controls = BuildPreviewPane(FPane.get());
        Graph = std::make_unique<TFilterGraph>(Platform);
        Player = std::make_unique<TPreviewPlayer>(Controls, *Graph, Tasks);
        FPane->show();
    }
    void TearDown() override
    {
        Player.reset();
        FPane.reset();
        Graph.reset();
    }

    FakePlatform Platform;
    FakePreviewTasks Tasks;
    PreviewControls Controls;
    std::unique_ptr<TFilterGraph> Graph;
    std::unique_ptr<TPreviewPlayer> Player;

private:
    std::unique_ptr<QWidget> FPane;
};
