#include "app/ApplicationWindows.h"

#include "app/About.h"
#include "app/Look.h"
#include "app/Main.h"
#include "app/SplitterPanel.h"
#include "convert/BatchRunner.h"
#include "profiles/CustomSize.h"
#include "profiles/ProfileDetail.h"
#include "settings/Settings.h"
#include "widgets/AppIcons.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

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

    MainForm = std::make_unique<TMainForm>(places, platform, arguments);
    AboutForm = std::make_unique<TAboutForm>(MainForm->VersionText, platform, MainForm.get());
    MainForm->AboutForm = AboutForm.get();
    TMainForm& main = *MainForm;
    SettingForm = std::make_unique<TSettingForm>(
        SettingControls{&main, main.Toolbar.tbtnSetting, main.BottomStrip.bbtnSetting,
                        main.BottomStrip.cmbProfile, main.BottomStrip.edtOutputdir},
        platform, *main.ProfileDetail, main.Places, &main);
    // The preferences come back when the window is first shown and are saved
    // when it closes.
    QObject::connect(&main, &TMainForm::FormShow, SettingForm.get(),
                     &TSettingForm::LoadStartupPreferences);
    QObject::connect(&main, &TMainForm::FormClose, SettingForm.get(),
                     &TSettingForm::SaveAllPreferences);
    const TSettingForm& options = *SettingForm;
    Runner = std::make_unique<TBatchRunner>(
        ControlsOfRunner(*MainForm), platform, *MainForm->TaskList, *MainForm->ProfileDetail,
        RunnerOptions{options.chkOpenDir, options.chkExit, options.chkTurnoff, options.rdbRename,
                      options.sedSimultaneous},
        MainForm->EncoderPath);
    MainForm->AttachRunner(*Runner);
    SizeForm = std::make_unique<TSizeForm>(SizeFormControls{&main, main.ProfileDetail->vleVideo},
                                           platform, &main);
    QObject::connect(main.ProfileDetail, &TProfileDetail::CustomSizeRequested, SizeForm.get(),
                     &TSizeForm::ShowSizeForm);
}

void ApplicationWindows::EndSession()
{
    SettingForm->SessionEnding();
    Runner->StopForExit();
    MainForm->close();
}

ApplicationWindows::~ApplicationWindows()
{
    Runner.reset();
    SizeForm.reset();
    SettingForm.reset();
    AboutForm.reset();
    MainForm.reset();
}
