// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"

#include "app/ArgumentText.h"
#include "app/HelpFiles.h"
#include "app/LinkLabel.h"
#include "app/SplitterPanel.h"
#include "base/NewInifiles.h"
#include "cli/ProgramArguments.h"
#include "convert/BatchRunner.h"
#include "encoder/EncoderChannel.h"
#include "platform/Platform.h"
#include "platform/Product.h"
#include "settings/PreferenceValues.h"
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
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr QSize CreatedSize(798, 539);
constexpr int ProfileColumnWidth = 200;
constexpr int PreviewHeight = 177;
constexpr int SplitterHandle = 4;
constexpr int RightMargin = 6;

const QColor HeaderColour(243, 243, 243);

std::vector<std::string> ToBytes(const QStringList& arguments)
{
    std::vector<std::string> result;
    result.reserve(arguments.size());
    for (const QString& argument : arguments)
        result.push_back(ArgumentToBytes(argument));
    return result;
}

// A dropped path as the bytes of its name: the address carries them
// percent-encoded, whether or not they are valid UTF-8.
std::string DroppedPathBytes(const QUrl& url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

} // namespace

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
    row->setContentsMargins(0, 0, RightMargin, 0);
    row->setSpacing(0);
    row->addWidget(CreateMainPanel(), 1);
    panSplitter = Named(new TSplitterPanel(central), "panSplitter", QStringLiteral("<>"));
    connect(panSplitter, &TSplitterPanel::Dragged, this, &TMainForm::panSplitterMouseMove);
    row->addWidget(panSplitter);
    row->addWidget(CreateProfileColumn());
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

QWidget* TMainForm::CreateMainPanel()
{
    panMain = Named(new QWidget(this), "panMain", QString());
    auto* column = new QVBoxLayout(panMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(0);
    panLeft = Named(new QWidget(panMain), "panLeft", QString());
    panLeft->setFixedWidth(10);
    listRow->addWidget(panLeft);

    // The task list sets the view up to show its tasks.
    ltvTask = Named(new QTreeView(panMain), "ltvTask", tr("Task List"));
    ltvTask->installEventFilter(this);
    listRow->addWidget(ltvTask, 1);
    column->addLayout(listRow, 1);
    // The footer of the list: what the outputs will weigh.
    labEstimate = Named(new QLabel(panMain), "labEstimate", tr("Estimated size"));
    labEstimate->setTextFormat(Qt::PlainText);
    labEstimate->setContentsMargins(10, 2, 0, 2);
    column->addWidget(labEstimate);
    BottomStrip = BuildBottomStrip(panMain);
    column->addWidget(BottomStrip.panBottom);
    panMain->installEventFilter(this);

    // Not in the layout: the welcome panel lies over the list until a task
    // is added.
    Welcome = BuildWelcomePanel(panMain);
    Welcome.panbg->raise();
    connect(Welcome.labLink, &TLinkLabel::clicked, this, &TMainForm::labLinkClick);
    return panMain;
}

QWidget* TMainForm::CreateProfileColumn()
{
    panProfile = Named(new QWidget(this), "panProfile", QString());
    panProfile->setFixedWidth(ProfileColumnWidth);
    auto* column = new QVBoxLayout(panProfile);
    column->setContentsMargins(0, 4, 0, RightMargin);
    Splitter1 = Named(new QSplitter(Qt::Vertical, panProfile), "Splitter1", QString());
    Splitter1->setHandleWidth(SplitterHandle);
    Splitter1->setChildrenCollapsible(false);

    const QString profileDetail = tr("Profile Detail");
    gpbProfile = Named(new QGroupBox(profileDetail, Splitter1), "gpbProfile", profileDetail);
    auto* detail = new QVBoxLayout(gpbProfile);
    detail->setContentsMargins(4, 4, 4, 4);

    panPreview = Named(new QWidget(Splitter1), "panPreview", tr("Preview"));
    Preview = BuildPreviewPane(panPreview);

    Splitter1->addWidget(gpbProfile);
    Splitter1->addWidget(panPreview);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({CreatedSize.height(), PreviewHeight});
    column->addWidget(Splitter1);
    return panProfile;
}

void TMainForm::FormCreate()
{
    // Every data path starts from a folder of Places, which ends with a
    // separator.
    BottomStrip.edtOutputdir->setText(QString::fromStdString(Places.DefaultOutputDir));

    ltvTask->header()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; }").arg(HeaderColour.name()));

    // The release writes the file back, so a missing one exists from the
    // first start on; apart from the program, the user's folder is made now
    // and the version is the installation's, whose file is never written.
    // Nothing here may stop the program from starting.
    PrepareSettingsFolder(Places);
    VersionText = QString::fromUtf8(DefaultVersionText);
    try {
        auto preferences = std::make_unique<TNewInifile>(InstalledPreferencesPath(Places));
        VersionText = QString::fromStdString(ReadVersionText(*preferences));
        if (!Places.SettingsApart())
            TNewInifile::SaveAndFree(std::move(preferences));
    } catch (const std::exception&) {
        // A read-only or unreadable preferences file: the version read stays.
    }

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

    AddTaskEntries(SortCommandLine(ToBytes(arguments), QDir::currentPath().toStdString()));

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
    FBatchRunning = running;
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
    ColumnWidths widths;
    for (int column = 0; column < int(widths.size()); ++column)
        widths[column] = ltvTask->columnWidth(column);
    if (!ColumnRule.Adjust(ltvTask->width(), widths))
        return;
    for (int column = 0; column < int(widths.size()); ++column) {
        ltvTask->setColumnWidth(column, widths[column]);
        widths[column] = ltvTask->columnWidth(column);
    }
    ColumnRule.Showing(widths);
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
    std::vector<TaskEntry> entries;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        // The whole path, however long: nothing is cut to a fixed buffer.
        if (const std::optional<TaskEntry> entry = SortDroppedPath(DroppedPathBytes(url)))
            entries.push_back(*entry);
    }
    AddTaskEntries(entries);
}
