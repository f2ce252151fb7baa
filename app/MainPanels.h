// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/BottomStrip.h"
#include "app/LayoutRules.h"
#include "app/WelcomePanel.h"
#include "preview/PreviewPane.h"

class QGroupBox;
class QLabel;
class QSplitter;
class QTreeView;
class QWidget;

// The space the main window keeps on its right, and under the profile
// column.
inline constexpr int MainRightMargin = 6;

// The main window's left side: the task list with the welcome panel lying
// over it (outside the layout, until a task is added), the estimate under
// it, and the bottom strip.
struct MainPanelControls
{
    QWidget* panMain = nullptr;
    QWidget* panLeft = nullptr;
    QTreeView* ltvTask = nullptr;
    QLabel* labEstimate = nullptr;
    WelcomePanelControls Welcome;
    BottomStripControls BottomStrip;
};

MainPanelControls BuildMainPanel(QWidget* window);
// The list's columns after a resize of `list`: they keep the shares of its
// width `rule` holds.
void FitColumns(QTreeView& list, TColumnRule& rule);

// The right column: the profile detail over the preview pane, split; the
// preview starts at its own height, the detail takes the rest of
// `windowHeight`, the window's height as it is made.
struct ProfileColumnControls
{
    QWidget* panProfile = nullptr;
    QSplitter* Splitter1 = nullptr;
    QGroupBox* gpbProfile = nullptr;
    QWidget* panPreview = nullptr;
    PreviewControls Preview;
};

ProfileColumnControls BuildProfileColumn(QWidget* window, int windowHeight);
