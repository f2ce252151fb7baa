// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QMainWindow;
class QToolBar;
class QToolButton;

// The main window's tool bar and its buttons, left to right.
struct ToolbarControls
{
    QToolBar* Toolbar1 = nullptr;
    QToolButton* tbtnAddFile = nullptr;
    QToolButton* tbtnAddDir = nullptr;
    QToolButton* tbtnUp = nullptr;
    QToolButton* tbtnDown = nullptr;
    QToolButton* tbtnRemove = nullptr;
    QToolButton* tbtnClear = nullptr;
    QToolButton* tbtnStart = nullptr;
    QToolButton* tbtnPause = nullptr;
    QToolButton* tbtnStop = nullptr;
    QToolButton* tbtnSetting = nullptr;
    QToolButton* tbtnAbout = nullptr;
    QToolButton* tbtnHelp = nullptr;
};

// The commands the buttons show, in the same order; each component owns its
// own.
struct ToolbarActions
{
    QAction* AddFile = nullptr;
    QAction* AddDir = nullptr;
    QAction* Up = nullptr;
    QAction* Down = nullptr;
    QAction* Remove = nullptr;
    QAction* Clear = nullptr;
    QAction* Start = nullptr;
    QAction* Pause = nullptr;
    QAction* Stop = nullptr;
    QAction* Setting = nullptr;
    QAction* About = nullptr;
    QAction* Help = nullptr;
};

// Creates the empty tool bar of `window`.
QToolBar* BuildToolbar(QMainWindow& window);
// Fills `controls.Toolbar1` with a button for each action, in their groups.
// A button is a view of its action: its picture, its tooltip, its enabled and
// its checked state are the action's, and a click triggers the action.
void AddToolbarButtons(ToolbarControls& controls, const ToolbarActions& actions);
