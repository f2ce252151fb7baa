// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationWindows.h"

#include "app/About.h"
#include "app/Look.h"
#include "app/Main.h"
#include "app/PreviewTaskList.h"
#include "app/TaskListLook.h"
#include "convert/BatchEndActions.h"
#include "convert/BatchRules.h"
#include "convert/BatchRunner.h"
#include "convert/RunSetup.h"
#include "convert/SizeEstimate.h"
#include "preview/FilterGraph.h"
#include "preview/PreviewPlayer.h"
#include "profiles/CustomSize.h"
#include "profiles/ProfileCatalogue.h"
#include "profiles/ProfileDetail.h"
#include "settings/PreferenceStore.h"
#include "settings/Settings.h"
#include "tasks/EstimateSamples.h"
#include "tasks/KeptTasks.h"
#include "tasks/SavedTasks.h"
#include "tasks/TaskAdds.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskList.h"
#include "tasks/TaskView.h"
#include "tasks/Thumbnails.h"
#include "widgets/AppIcons.h"
#include "widgets/ValueListEditor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace {

RunnerControls ControlsOfRunner(TMainForm& form)
{
    const BottomStripControls& strip = form.BottomStrip;
    return {&form,
            strip.cmbProfile,
            strip.edtOutputdir,
            strip.panBottomCenter,
            strip.panBottomLeft,
            strip.labConvertingFile,
            strip.labElapsed,
            strip.labRemaining,
            strip.pgbCurrent,
            strip.labCurProgress,
            strip.pgbTotal,
            strip.labTotalProgress,
            form.timerTime,
            form.ltvTask};
}

} // namespace

void BindPreferences(const BottomStripControls& strip, TPreferenceStore& store,
                     TSettingForm& settings)
{
    QObject::connect(strip.bbtnSetting, &QPushButton::clicked, &settings,
                     &TSettingForm::ShowProfilesPage);
    QObject::connect(strip.edtOutputdir, &QLineEdit::textChanged, &store,
                     [&store](const QString& path) { store.SetOutputPath(path.toStdString()); });
    QObject::connect(strip.cmbProfile, &QComboBox::currentIndexChanged, &store,
                     &TPreferenceStore::SetProfile);
    QObject::connect(&store, &TPreferenceStore::Changed, strip.edtOutputdir,
                     [edit = strip.edtOutputdir](const TPreferences& now) {
                         const QString path = QString::fromStdString(now.OutputPath);
                         if (edit->text() != path)
                             edit->setText(path);
                     });
}

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
    CreateComponents(platform);
    ConnectComponents();
    // The last session's tasks come before the command line's files.
    KeptTasks->OfferRestore();
    MainForm->FinishCreate(*TaskList, *Runner, arguments);
}

void ApplicationWindows::CreateComponents(Platform& platform)
{
    TMainForm& main = *MainForm;
    const BottomStripControls& strip = main.BottomStrip;
    ProfileDetail = new TProfileDetail({main.gpbProfile, strip.cmbProfile}, main.Places, platform);
    ProfileDetail->BuildProfileCatalogue();
    TaskList = new TTaskList({&main, main.ltvTask, main.Welcome.panbg, strip.edtOutputdir,
                              strip.bbtnBrowser, strip.bbtnOpen},
                             platform, *ProfileDetail, main.EncoderPath, &main);
    FilterGraph = new TFilterGraph(platform, &main);
    FPreviewTasks = std::make_unique<TPreviewTaskList>(*TaskList);
    PreviewPlayer = new TPreviewPlayer(main.Preview, *FilterGraph, *FPreviewTasks, &main);
    AboutForm = new TAboutForm(main.VersionText, platform, &main);
    Preferences = new TPreferenceStore(main.Places, platform, &main);
    TaskListLook =
        new TTaskListLook(*TaskList, *main.ltvTask, *Preferences, *main.Preview.VideoWindow1,
                          main.EncoderPath, TThumbnails::DefaultCacheFolder(), &main);
    SettingForm = new TSettingForm({&main, strip.cmbProfile, strip.edtOutputdir}, platform,
                                   *ProfileDetail, *Preferences, &main);
    BindPreferences(strip, *Preferences, *SettingForm);
    EndActions = new TBatchEndActions(&main, platform, Preferences->Value(), &main);
    Runner = new TBatchRunner(ControlsOfRunner(main), platform, TaskList->Model(),
                              ProfileDetail->Choice(), Preferences->Value(), *EndActions,
                              main.EncoderPath, &main);
    Runner->ProfilePath = [&places = main.Places](const std::string& name) {
        return ProfileFilePath(places, name);
    };
    Runner->Plans = &TaskList->Plans();
    TaskList->Plans().SetPreferences(PlanPreferencesOf(Preferences->Value()));
    // The grid's track rows and the footer follow a change made in the
    // settings dialog now, not at the next Start.
    QObject::connect(Preferences, &TPreferenceStore::Changed, TaskList,
                     [this](const TPreferences& now) {
                         TaskList->Plans().SetPreferences(PlanPreferencesOf(now));
                     });
    SizeForm = new TSizeForm(SizeFormControls{&main, ProfileDetail->vleVideo}, platform, &main);
    SizeEstimate =
        new TSizeEstimate(main.labEstimate, main.ltvTask, *TaskList, *ProfileDetail, &main);
    EstimateSamples =
        new TEstimateSamples(TaskList->Model(), TaskList->Plans(), main.EncoderPath, &main);
    EstimateSamples->OtherWork = [this] {
        return TaskList->Adds().IsAdding() || TaskListLook->Thumbnails->IsBusy();
    };
    KeptTasks = new TKeptTasks(&main, strip.edtOutputdir, platform, *TaskList,
                               TasksPath(main.Places), &main);
    KeptTasks->RemoveLeftFiles = [](const std::string& outputDir) {
        RemoveLeftWorkingFiles(outputDir, LocalHostTag());
    };
}

void ApplicationWindows::ConnectComponents()
{
    TMainForm& main = *MainForm;
    QObject::connect(main.actSetting, &QAction::triggered, SettingForm,
                     &TSettingForm::ShowGeneralPage);
    QObject::connect(main.actAbout, &QAction::triggered, AboutForm, &TAboutForm::ShowAbout);
    QObject::connect(&TaskList->View(), &TTaskView::PreviewSelectedTask, PreviewPlayer,
                     &TPreviewPlayer::PreviewSelectedTask);
    QObject::connect(ProfileDetail, &TProfileDetail::CustomSizeRequested, SizeForm,
                     &TSizeForm::ShowSizeForm);
    // The preferences come back when the window is first shown and are saved
    // when it closes; an add under way stops then.
    QObject::connect(&main, &TMainForm::FormShow, SettingForm,
                     &TSettingForm::LoadStartupPreferences);
    // A task's edit confirmed in the output grid but not yet left counts:
    // settled first, before the list is kept.
    QObject::connect(&main, &TMainForm::FormClose, ProfileDetail->vleOutput,
                     &ValueListEditor::SettleEdit);
    QObject::connect(&main, &TMainForm::FormClose, &TaskList->Adds(), &TTaskAdds::WindowClosed);
    // A dialog still open at a session's end leaves its options in force
    // first, as its Cancel would.
    QObject::connect(&main, &TMainForm::FormClose, SettingForm, &TSettingForm::hide);
    QObject::connect(&main, &TMainForm::FormClose, Preferences, &TPreferenceStore::SaveAll);
    // A batch stops the preview first; the preview's own controls stay
    // usable while it runs. The list and the window lock their own controls
    // for it, and a batch that ends the program closes the window first.
    QObject::connect(Runner, &TBatchRunner::StopPlayback, PreviewPlayer,
                     &TPreviewPlayer::StopPlayback);
    QObject::connect(&TaskList->Commands(), &TTaskCommands::TaskButtonsEnabled, Runner,
                     &TBatchRunner::SetTasksReady);
    QObject::connect(Runner, &TBatchRunner::BatchRunning, &TaskList->Commands(),
                     &TTaskCommands::SetBatchRunning);
    QObject::connect(Runner, &TBatchRunner::BatchRunning, &main, &TMainForm::SetBatchRunning);
    // Start stops the samples at once; they wait for the adds' probes and
    // the pictures to be done.
    QObject::connect(Runner, &TBatchRunner::BatchRunning, EstimateSamples,
                     &TEstimateSamples::SetBatchRunning);
    QObject::connect(&TaskList->Adds(), &TTaskAdds::AddsDone, EstimateSamples,
                     &TEstimateSamples::Resume);
    QObject::connect(TaskListLook->Thumbnails, &TThumbnails::Idle, EstimateSamples,
                     &TEstimateSamples::Resume);
    QObject::connect(Runner, &TBatchRunner::ProgramEndRequested, &main, &TMainForm::close);
}

ApplicationWindows::~ApplicationWindows()
{
    // The last change of the list is kept while the list still exists.
    KeptTasks->SaveNow();
}

bool ApplicationWindows::TakeCommandLine(const std::vector<std::string>& arguments,
                                         const std::string& workingDir)
{
    if (!MainForm->TakeCommandLine(arguments, workingDir))
        return false;
    KeptTasks->KeepNow();
    return true;
}

void ApplicationWindows::EndSession()
{
    Preferences->SessionEnding();
    Runner->StopForExit();
    MainForm->close();
}
