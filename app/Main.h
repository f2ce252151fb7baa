// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/LayoutRules.h"
#include "app/MainPanels.h"
#include "app/MainToolbar.h"
#include "platform/DataPlaces.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class Platform;
class QAction;
class QGroupBox;
class QLabel;
class QSplitter;
class QTimer;
class QTreeView;
class QWidget;
class TSplitterPanel;
class TBatchRunner;
class TTaskList;
struct TaskEntry;

// The main window: its controls, the paths every other part uses, its
// layout rules, its own commands (Settings, About, Help), and the files
// dropped on it or named on the command line. The composition root
// (ApplicationWindows) creates the components that drive the controls and
// hands the window those it needs.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // `places` says where the program's files and the user's settings lie
    // (the executable's folder, or a test's temporary one).
    TMainForm(const TDataPlaces& places, Platform& platform, QWidget* parent = nullptr);
    // Everything in the one folder `appDir`.
    TMainForm(const QString& appDir, Platform& platform, QWidget* parent = nullptr);

    // The start-up steps that wait for the components: the toolbar shows
    // their commands, the list's columns take their widths, and the files
    // and directories of `arguments` (the command line without the program
    // name, as ArgumentFromBytes gives it; relative paths are read against
    // the current directory) go into the task list. Drops go there too,
    // and the runner is asked before the window closes.
    void FinishCreate(TTaskList& tasks, TBatchRunner& runner, const QStringList& arguments);
    // A later start of the program handed its command line over (its
    // arguments' bytes, relative paths read against `workingDir`): the
    // files and directories go into the task list, after the running batch
    // when there is one, and the window comes to the front. False once the
    // window has closed, when nothing is taken.
    bool TakeCommandLine(const std::vector<std::string>& arguments, const std::string& workingDir);
    // A batch locks (true) and unlocks the window's own controls: Settings,
    // the splitter, the profile detail, and drops.
    void SetBatchRunning(bool running);

    // Fixed during start-up.
    const TDataPlaces Places;
    QString AppDir;       // Places.AppDir, with a trailing separator
    QString EncoderPath;  // AppDir + "tolvex.dll"
    QString HelpFilePath; // AppDir + "VivOrizirude.chm"
    QString VersionText;  // "Main"/"Version" of the shipped Preferences.ini, "1.5" by default
    // The columns' shares of the list's width, kept between resizes.
    TColumnRule ColumnRule{CreatedListWidth, CreatedColumns};

    ToolbarControls Toolbar;
    // The window's own commands; the composition root connects Settings and
    // About to their dialogs.
    QAction* actSetting = nullptr;
    QAction* actAbout = nullptr;
    QAction* actHelp = nullptr;

    // Left: the task list, the welcome panel over it and the bottom strip.
    QWidget* panMain = nullptr;
    QWidget* panLeft = nullptr;
    QTreeView* ltvTask = nullptr;
    QLabel* labEstimate = nullptr;
    WelcomePanelControls Welcome;
    BottomStripControls BottomStrip;

    // Right: the splitter, the profile detail and the preview pane.
    TSplitterPanel* panSplitter = nullptr;
    QWidget* panProfile = nullptr;
    QGroupBox* gpbProfile = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* panPreview = nullptr;
    PreviewControls Preview;

    QTimer* timerTime = nullptr;

    // Layout rules; public so that tests can run them as the events do.
    void FormResize();
    void ltvTaskResize();
    void panSplitterMouseMove(int x);

    void tbtnHelpClick();
    void labLinkClick();

signals:
    // Emitted once, when the window is first shown (after start-up).
    void FormShow();
    // Emitted when the window closes, before the program ends.
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void FormCreate();
    // Adds the files and directories named; names that cannot be handed on
    // are listed in one message. The task buttons come on once they are in.
    // During a batch they wait, and are added in turn once it has ended.
    void AddTaskEntries(const std::vector<TaskEntry>& entries);
    bool AcceptsDrop(const QDropEvent& event) const;

    Platform& FPlatform;
    QPointer<TTaskList> FTaskList;
    QPointer<TBatchRunner> FRunner;
    bool FShown = false;
    bool FClosed = false;
};
