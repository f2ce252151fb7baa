#include "app/ApplicationWindows.h"

#include "app/About.h"
#include "app/Look.h"
#include "app/Main.h"
#include "app/PreviewTaskList.h"
#include "app/SplitterPanel.h"
#include "convert/BatchRunner.h"
#include "preview/FilterGraph.h"
#include "preview/PreviewPlayer.h"
#include "profiles/CustomSize.h"
#include "profiles/ProfileDetail.h"
#include "settings/Settings.h"
#include "tasks/TaskList.h"
#include "widgets/AppIcons.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

namespace {

RunnerControls ControlsOfRunner(TMainForm& form)
{
    RunnerControls controls;
    controls.Window = &form;
    controls.tbtnAddFile = form.Toolbar.tbtnAddFile;
    controls.tbtnAddDir = form.Toolbar.tbtnAddDir;
    controls.tbtnUp = form.Toolbar.tbtnUp;
    controls.tbtnDown = form.Toolbar.tbtnDown;
    controls.tbtnRemove = form.Toolbar.tbtnRemove;
    controls.tbtnClear = form.Toolbar.tbtnClear;
    controls.tbtnStart = form.Toolbar.tbtnStart;
    controls.tbtnPause = form.Toolbar.tbtnPause;
    controls.tbtnStop = form.Toolbar.tbtnStop;
    controls.tbtnSetting = form.Toolbar.tbtnSetting;
    controls.ltvTask = form.ltvTask;
    controls.panSplitter = form.panSplitter;
    controls.gpbProfile = form.gpbProfile;
    controls.cmbProfile = form.BottomStrip.cmbProfile;
    controls.edtOutputdir = form.BottomStrip.edtOutputdir;
    controls.panBottomCenter = form.BottomStrip.panBottomCenter;
    controls.panBottomLeft = form.BottomStrip.panBottomLeft;
    controls.labConvertingFile = form.BottomStrip.labConvertingFile;
    controls.labElapsed = form.BottomStrip.labElapsed;
    controls.labRemaining = form.BottomStrip.labRemaining;
    controls.pgbCurrent = form.BottomStrip.pgbCurrent;
    controls.labCurProgress = form.BottomStrip.labCurProgress;
    controls.pgbTotal = form.BottomStrip.pgbTotal;
    controls.labTotalProgress = form.BottomStrip.labTotalProgress;
    controls.timerTime = form.timerTime;
    return controls;
}

} // namespace

ApplicationWindows::ApplicationWindows(const QString& appDir, Platform& platform,
                                       const QStringList& arguments)
    : ApplicationWindows(TDataPlaces(appDir.toStdString()), platform, arguments)
{
}

ApplicationWindows::ApplicationWindows(const TDataPlaces& places, Platform& platform,
                                       const QStringList& arguments)
{
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        ApplyLook(*application);
        QApplication::setWindowIcon(ApplicationIcon());
    }

    MainForm = std::make_unique<TMainForm>(places, platform);
    TMainForm& main = *MainForm;
    const BottomStripControls& strip = main.BottomStrip;
    ProfileDetail = new TProfileDetail({main.gpbProfile, strip.cmbProfile}, main.Places, platform);
    ProfileDetail->BuildProfileCatalogue();
    const ToolbarControls& bar = main.Toolbar;
    TaskList =
        new TTaskList({&main, main.ltvTask, main.Welcome.panbg, bar.tbtnAddFile, bar.tbtnAddDir,
                       bar.tbtnUp, bar.tbtnDown, bar.tbtnRemove, bar.tbtnClear, bar.tbtnStart,
                       strip.edtOutputdir, strip.bbtnBrowser, strip.bbtnOpen},
                      platform, *ProfileDetail, main.EncoderPath, &main);
    FilterGraph = new TFilterGraph(platform, &main);
    FPreviewTasks = std::make_unique<TPreviewTaskList>(*TaskList);
    PreviewPlayer = new TPreviewPlayer(main.Preview, *FilterGraph, *FPreviewTasks, &main);
    AboutForm = new TAboutForm(main.VersionText, platform, &main);
    SettingForm = new TSettingForm(
        {&main, bar.tbtnSetting, strip.bbtnSetting, strip.cmbProfile, strip.edtOutputdir}, platform,
        *ProfileDetail, main.Places, &main);
    const TSettingForm& options = *SettingForm;
    Runner = new TBatchRunner(ControlsOfRunner(main), platform, *TaskList, *ProfileDetail,
                              RunnerOptions{options.chkOpenDir, options.chkExit, options.chkTurnoff,
                                            options.rdbRename, options.sedSimultaneous},
                              main.EncoderPath, &main);
    SizeForm = new TSizeForm(SizeFormControls{&main, ProfileDetail->vleVideo}, platform, &main);

    QObject::connect(bar.tbtnAbout, &QToolButton::clicked, AboutForm, &TAboutForm::ShowAbout);
    QObject::connect(TaskList, &TTaskList::PreviewSelectedTask, PreviewPlayer,
                     &TPreviewPlayer::PreviewSelectedTask);
    QObject::connect(ProfileDetail, &TProfileDetail::CustomSizeRequested, SizeForm,
                     &TSizeForm::ShowSizeForm);
    // The preferences come back when the window is first shown and are saved
    // when it closes; an add under way stops then.
    QObject::connect(&main, &TMainForm::FormShow, SettingForm,
                     &TSettingForm::LoadStartupPreferences);
    QObject::connect(&main, &TMainForm::FormClose, TaskList, &TTaskList::WindowClosed);
    QObject::connect(&main, &TMainForm::FormClose, SettingForm, &TSettingForm::SaveAllPreferences);
    // A batch stops the preview first; the preview's own controls stay
    // usable while it runs. A batch that ends the program closes the window
    // first.
    QObject::connect(Runner, &TBatchRunner::StopPlayback, PreviewPlayer,
                     &TPreviewPlayer::StopPlayback);
    QObject::connect(Runner, &TBatchRunner::ProgramEndRequested, &main, &TMainForm::close);

    main.FinishCreate(*TaskList, *Runner, arguments);
}

ApplicationWindows::~ApplicationWindows() = default;

void ApplicationWindows::EndSession()
{
    SettingForm->SessionEnding();
    Runner->StopForExit();
    MainForm->close();
}
