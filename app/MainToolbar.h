#pragma once

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

// Creates the tool bar of `window` and its buttons, in their groups, with
// their hints and their enabled states at creation.
ToolbarControls BuildToolbar(QMainWindow& window);
