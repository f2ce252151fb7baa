// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"

#include "app/ArgumentText.h"
#include "app/HelpFiles.h"
#include "app/LinkLabel.h"
#include "app/SplitterPanel.h"
#include "cli/ProgramArguments.h"
#include "convert/BatchRunner.h"
#include "encoder/EncoderChannel.h"
#include "platform/Platform.h"
#include "platform/Product.h"
#include "settings/SettingsFolder.h"
#include "tasks/TaskAdds.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskList.h"
#include "tasks/TaskModel.h"
#include "widgets/AppIcons.h"
#include "widgets/CommandAction.h"
#include "widgets/ControlNames.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>

#include <tuple>

// The window's size as it is made; constexpr keeps it to this file.
constexpr QSize CreatedSize(798, 539);

TMainForm::TMainForm(const QString& appDir, Platform& platform, QWidget* parent)
    : TMainForm(TDataPlaces(appDir.toStdString()), platform, parent)
{
}

TMainForm::TMainForm(const TDataPlaces& places, Platform& platform, QWidget* parent)
    // The components the composition root creates are handed the places:
    // they are final from here.
    : QMainWindow(parent), Places(places), AppDir(QString::fromStdString(Places.AppDir)),
      EncoderPath(AppDir + QString::fromUtf8(EncoderFileName)), FPlatform(platform)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(ApplicationIcon());
    CreateControls();
    CreateActions();
    FormCreate();
}

void TMainForm::CreateControls()
{
    resize(CreatedSize);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    Toolbar.Toolbar1 = BuildToolbar(*this);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &TMainForm::close);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, MainRightMargin, 0);
    row->setSpacing(0);
    const MainPanelControls left = BuildMainPanel(this);
    std::tie(panMain, panLeft, ltvTask, labEstimate) =
        std::tuple(left.panMain, left.panLeft, left.ltvTask, left.labEstimate);
    Welcome = left.Welcome;
    BottomStrip = left.BottomStrip;
    ltvTask->installEventFilter(this);
    panMain->installEventFilter(this);
    connect(Welcome.labLink, &TLinkLabel::clicked, this, &TMainForm::labLinkClick);
    row->addWidget(panMain, 1);
    panSplitter = Named(new TSplitterPanel(central), "panSplitter", QStringLiteral("<>"));
    connect(panSplitter, &TSplitterPanel::Dragged, this, &TMainForm::panSplitterMouseMove);
    row->addWidget(panSplitter);
    const ProfileColumnControls right = BuildProfileColumn(this, CreatedSize.height());
    std::tie(panProfile, Splitter1, gpbProfile, panPreview) =
        std::tuple(right.panProfile, right.Splitter1, right.gpbProfile, right.panPreview);
    Preview = right.Preview;
    row->addWidget(panProfile);
    setCentralWidget(central);

    timerTime = new QTimer(this);
    timerTime->setObjectName(QStringLiteral("timerTime"));
    timerTime->setInterval(1000);
}

void TMainForm::CreateActions()
{
    actSetting = NewCommand(tr("Settings"), QStringLiteral("settings"), {}, this);
    actAbout = NewCommand(tr("About"), QStringLiteral("about"), {}, this);
    actHelp = NewCommand(tr("Help"), QStringLiteral("help"), QStringLiteral("F1"), this);
    connect(actHelp, &QAction::triggered, this, &TMainForm::tbtnHelpClick);
}

void TMainForm::FormCreate()
{
    // Every data path starts from a folder of Places, which ends with a
    // separator.
    BottomStrip.edtOutputdir->setText(QString::fromStdString(Places.DefaultOutputDir));

    PrepareSettingsFolder(Places);
    VersionText = QString::fromStdString(InstalledVersionText(Places));

    HelpFilePath = HelpFilePathIn(AppDir);

    // The application's name is the title of its plain message boxes.
    QCoreApplication::setApplicationName(ProductTitle);
    Welcome.labProgramName->setText(ProductTitle);
    setWindowTitle(ProductTitle + QStringLiteral(" V") + VersionText);

    Welcome.labLink->setText(MakerLinkCaption());
    Welcome.labLink->setAccessibleName(MakerLinkCaption());

    // Files dropped anywhere on the window are tasks, also over the
    // output path, which would otherwise take them as text.
    setAcceptDrops(true);
    BottomStrip.edtOutputdir->setAcceptDrops(false);

    ApplyBottomStripLayout(BottomStrip, 607);
    BottomStrip.panBottomLeft->hide();
}

void TMainForm::FinishCreate(TTaskList& tasks, TBatchRunner& runner, const QStringList& arguments)
{
    FTaskList = &tasks;
    FRunner = &runner;
    const TTaskCommands& commands = tasks.Commands();
    AddToolbarButtons(Toolbar,
                      {commands.actAddFiles, commands.actAddDirectory, commands.actMoveUp,
                       commands.actMoveDown, commands.actRemove, commands.actClear, runner.actStart,
                       runner.actPause, runner.actStop, actSetting, actAbout, actHelp});
    // Every control of the toolbar and of the bottom strip stays in reach:
    // the toolbar would otherwise fold its last buttons behind an arrow.
    centralWidget()->layout()->activate();
    setMinimumSize(minimumSizeHint().expandedTo(QSize(Toolbar.Toolbar1->sizeHint().width(), 0)));

    AddTaskEntries(SortCommandLine(ArgumentsToBytes(arguments), QDir::currentPath().toStdString()));

    for (int column = 0; column < int(CreatedColumns.size()); ++column)
        ltvTask->setColumnWidth(column, CreatedColumns[column]);
}

bool TMainForm::TakeCommandLine(const std::vector<std::string>& arguments,
                                const std::string& workingDir)
{
    if (FClosed || !FTaskList)
        return false;
    AddTaskEntries(SortCommandLine(arguments, workingDir));
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
    }
    return true;
}

void TMainForm::SetBatchRunning(bool running)
{
    actSetting->setEnabled(!running);
    panSplitter->setEnabled(!running);
    gpbProfile->setEnabled(!running);
}

void TMainForm::AddTaskEntries(const std::vector<TaskEntry>& entries)
{
    QStringList paths;
    std::vector<std::string> unnamable;
    for (const TaskEntry& entry : entries) {
        if (entry.Kind == TaskEntryKind::Unnamable)
            unnamable.push_back(entry.Path);
        else
            paths << QString::fromStdString(entry.Path);
    }
    FTaskList->Adds().AddWhenIdle(paths, unnamable, [this] {
        if (FTaskList->Model().TaskCount() > 0)
            FTaskList->Commands().EnableTaskButtons(true);
    });
}

void TMainForm::FormResize()
{
    ApplyBottomStripLayout(BottomStrip, panMain->width());
}

void TMainForm::ltvTaskResize()
{
    FitColumns(*ltvTask, ColumnRule);
}

void TMainForm::panSplitterMouseMove(int x)
{
    // The list side keeps room for its frame, so the window never has to grow.
    const int room = panProfile->width() + panMain->width() - panMain->minimumSizeHint().width();
    const std::optional<int> width = DragProfileWidth(panProfile->width(), x, room);
    if (!width || *width == panProfile->width())
        return;
    panProfile->setFixedWidth(*width);
    centralWidget()->layout()->activate();
    FormResize();
}

void TMainForm::tbtnHelpClick()
{
    OpenHelpOrTell(FPlatform, this, AppDir);
}

void TMainForm::labLinkClick()
{
    FPlatform.ShellOpen(MakerAddress);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    emit FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FRunner && !FRunner->ConfirmWindowClose()) {
        event->ignore();
        return;
    }
    // Whatever the preferences meet on the way out, the window closes. They
    // are saved once, even when a running batch keeps the program alive.
    if (!FClosed) {
        FClosed = true;
        try {
            emit FormClose();
        } catch (const std::exception&) {
        }
    }
    // A batch in progress runs on to its end, completion action included,
    // with the window hidden; the program ends after it.
    if (FRunner && FRunner->IsBatchActive()) {
        hide();
        FRunner->EndProgramWhenDone();
        event->ignore();
        return;
    }
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == panMain)
            FormResize();
        else if (watched == ltvTask) {
            ltvTaskResize();
            // The welcome panel lies over the whole list, whatever its size.
            Welcome.panbg->setGeometry(ltvTask->geometry());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Files dropped while a batch runs are taken too; they wait for its end.
bool TMainForm::AcceptsDrop(const QDropEvent& event) const
{
    return FTaskList && event.mimeData()->hasUrls();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (AcceptsDrop(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    if (!AcceptsDrop(*event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    AddTaskEntries(DroppedTaskEntries(event->mimeData()->urls()));
}
