#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class Platform;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWidget;
class ValueListEditor;
class TSplitterPanel;
class TAboutForm;
class TBatchRunner;
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
    // `appDir` is the directory the program's data lives in (the
    // executable's own, or a test's temporary one); `arguments` are the
    // command-line arguments without the program name.
    TMainForm(const QString& appDir, Platform& platform, const QStringList& arguments,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    Platform& platform() const { return FPlatform; }

    // Fixed during start-up.
    QString AppDir;       // with a trailing separator
    QString EncoderPath;  // AppDir + "tolvex.dll"
    QString HelpFilePath; // AppDir + "VivOrizirude.chm"
    QString VersionText;  // "Main"/"Version" of Preferences.ini, "1.5" by default
    int LastListWidth = 562;

    // Tool bar.
    QToolBar* Toolbar1 = nullptr;
    QToolButton* tbtnAddFile = nullptr;
    QToolButton* tbtnAddDir = nullptr;
    QToolButton* tbtnUp = nullptr;
    QToolButton* tbtnDown = nullptr;
    QToolButton* tbtnRemove = nullptr;
    QToolButton* tbtnClear = nullptr;
    QToolButton* tbtnStart = nullptr;
    QToolButton* tbtnStop = nullptr;
    QToolButton* tbtnSetting = nullptr;
    QToolButton* tbtnAbout = nullptr;
    QToolButton* tbtnHelp = nullptr;

    // Left: the task list and the bottom strip.
    QWidget* panMain = nullptr;
    QWidget* panLeft = nullptr;
    QTreeWidget* ltvTask = nullptr;
    QFrame* panbg = nullptr;
    QLabel* labProgramName = nullptr;
    QLabel* labLink = nullptr;
    QWidget* panBottom = nullptr;
    QWidget* panBottomRight = nullptr;
    QWidget* panBottomCenter = nullptr;
    QComboBox* cmbProfile = nullptr;
    QPushButton* bbtnSetting = nullptr;
    QLineEdit* edtOutputdir = nullptr;
    QPushButton* bbtnBrowser = nullptr;
    QPushButton* bbtnOpen = nullptr;
    QWidget* panBottomLeft = nullptr;
    QLabel* labConvertingFile = nullptr;
    QLabel* labElapsed = nullptr;
    QLabel* labRemaining = nullptr;
    QProgressBar* pgbCurrent = nullptr;
    QLabel* labCurProgress = nullptr;
    QProgressBar* pgbTotal = nullptr;
    QLabel* labTotalProgress = nullptr;

    // Right: the splitter, the profile detail and the preview pane.
    TSplitterPanel* panSplitter = nullptr;
    QWidget* panProfile = nullptr;
    QGroupBox* gpbProfile = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* panPreview = nullptr;

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
    void AddTaskEntry(const TaskEntry& entry);
    void EnableTaskButtonsWhenListed();

    Platform& FPlatform;
    bool FShown = false;
    bool FClosed = false;
};
