#pragma once

#include "app/BottomStrip.h"
#include "app/LayoutRules.h"
#include "app/MainToolbar.h"
#include "app/WelcomePanel.h"
#include "platform/DataPlaces.h"
#include "preview/PreviewPane.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class Platform;
class QGroupBox;
class QSplitter;
class QTimer;
class QTreeView;
class QWidget;
class TSplitterPanel;
class TAboutForm;
class TBatchRunner;
class TFilterGraph;
class TPreviewPlayer;
class TPreviewTaskList;
class TTaskList;
class TProfileDetail;
struct TaskEntry;

// The main window. It creates the controls, fixes the paths every other part
// uses, and wires the parts' components to its controls. The handlers and
// state of each part live in that part's component, not here.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // `places` says where the program's files and the user's settings lie
    // (the executable's folder, or a test's temporary one); `arguments` are
    // the command-line arguments without the program name, as
    // ArgumentFromBytes gives them; relative paths among them are read
    // against the current directory.
    TMainForm(const TDataPlaces& places, Platform& platform, const QStringList& arguments,
              QWidget* parent = nullptr);
    // Everything in the one folder `appDir`.
    TMainForm(const QString& appDir, Platform& platform, const QStringList& arguments,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Fixed during start-up.
    const TDataPlaces Places;
    QString AppDir;       // Places.AppDir, with a trailing separator
    QString EncoderPath;  // AppDir + "tolvex.dll"
    QString HelpFilePath; // AppDir + "VivOrizirude.chm"
    QString VersionText;  // "Main"/"Version" of the shipped Preferences.ini, "1.5" by default
    // The columns' shares of the list's width, kept between resizes.
    TColumnRule ColumnRule{CreatedListWidth, CreatedColumns};

    ToolbarControls Toolbar;

    // Left: the task list, the welcome panel over it and the bottom strip.
    QWidget* panMain = nullptr;
    QWidget* panLeft = nullptr;
    QTreeView* ltvTask = nullptr;
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

    // Components attached to the controls above.
    std::unique_ptr<TTaskList> TaskList;
    TProfileDetail* ProfileDetail = nullptr;
    // Created with the other windows at start-up, or on the first About.
    QPointer<TAboutForm> AboutForm;
    // Created after the settings dialog, whose options it reads, and
    // attached here; it may go before the window.
    QPointer<TBatchRunner> Runner;
    void AttachRunner(TBatchRunner& runner);
    // The preview's media graph (inactive until the first preview) and the
    // player that drives it from the preview pane.
    TFilterGraph* FilterGraph = nullptr;
    TPreviewPlayer* PreviewPlayer = nullptr;

    // Layout rules; public so that tests can run them as the events do.
    void FormResize();
    void ltvTaskResize();
    void panSplitterMouseMove(int x);

    void tbtnAboutClick();
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
    QWidget* CreateMainPanel();
    QWidget* CreateProfileColumn();
    void FormCreate(const QStringList& arguments);
    void TakeCommandLine(const QStringList& arguments);
    // Adds the files and directories named; names that cannot be handed on
    // are listed in one message. The task buttons come on once they are in.
    void AddTaskEntries(const std::vector<TaskEntry>& entries);
    void EnableTaskButtonsWhenListed();

    Platform& FPlatform;
    std::unique_ptr<TPreviewTaskList> FPreviewTasks;
    bool FShown = false;
    bool FClosed = false;
};
