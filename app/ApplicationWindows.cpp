#include "app/ApplicationWindows.h"

#include "app/About.h"
#include "app/Look.h"
#include "app/Main.h"
#include "convert/BatchRunner.h"
#include "profiles/CustomSize.h"
#include "settings/Settings.h"
#include "widgets/AppIcons.h"

#include <QApplication>

ApplicationWindows::ApplicationWindows(const QString& appDir, Platform& platform,
                                       const QStringList& arguments)
{
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        ApplyLook(*application);
        QApplication::setWindowIcon(ApplicationIcon());
    }

    MainForm = std::make_unique<TMainForm>(appDir, platform, arguments);
    AboutForm = std::make_unique<TAboutForm>(*MainForm, MainForm.get());
    MainForm->AboutForm = AboutForm.get();
    SettingForm = std::make_unique<TSettingForm>(*MainForm, MainForm.get());
    MainForm->Runner = new TBatchRunner(*MainForm, *SettingForm);
    SizeForm = std::make_unique<TSizeForm>(*MainForm, MainForm.get());
}

ApplicationWindows::~ApplicationWindows()
{
    // The main window's pointer must not outlive the box it names.
    if (MainForm)
        MainForm->AboutForm = nullptr;
    SizeForm.reset();
    SettingForm.reset();
    AboutForm.reset();
    MainForm.reset();
}
