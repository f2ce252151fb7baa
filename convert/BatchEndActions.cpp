// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchEndActions.h"

#include "base/Preferences.h"
#include "convert/PowerOffCountdown.h"
#include "platform/OpenFolder.h"
#include "platform/Platform.h"

#include <QTimer>
#include <QWidget>

namespace {

//: The completion message's title: the batch is complete
const char* const CompleteTitle = QT_TRANSLATE_NOOP("TBatchEndActions", "Complete");

} // namespace

TBatchEndActions::TBatchEndActions(QWidget* window, Platform& platform,
                                   const TPreferences& preferences, QObject* parent)
    : QObject(parent), FWindow(window), FPlatform(platform), FPreferences(preferences)
{
}

QString TBatchEndActions::CompletionText(int failed, int total) const
{
    if (failed == 0)
        return tr("The coversion is completed successfully.");
    //: %1 is the number of failed files, %n the number of all files
    return tr("The conversion is completed, but %1 of %n files failed.", nullptr, total)
        .arg(failed);
}

void TBatchEndActions::Completed(int failed, int total, const QString& outputDir)
{
    FFailed = failed;
    FTotal = total;
    FOutputDir = outputDir;
    // A batch that ends while the user is elsewhere says so on the desktop.
    if (!FWindow->isActiveWindow())
        FPlatform.Notify(tr(CompleteTitle), CompletionText(failed, total));
    // Turning off takes precedence; it waits for a last word from the user,
    // while exiting ends the program without one.
    if (FPreferences.AutoTurnOff) {
        if (!FCountdown) {
            FCountdown = new TPowerOffCountdown(FWindow);
            connect(FCountdown, &TPowerOffCountdown::TurnOff, this, [this] {
                FPlatform.PowerOff();
                emit EndProgram();
            });
            connect(FCountdown, &TPowerOffCountdown::Cancelled, this,
                    &TBatchEndActions::ShowCompletion);
        }
        FCountdown->StartCountdown();
        return;
    }
    if (FPreferences.AutoExit) {
        emit EndProgram();
        return;
    }
    ShowCompletion();
}

void TBatchEndActions::ShowCompletion()
{
    // Failures keep the title, but must not look like a plain success.
    const Platform::Icon icon =
        FFailed == 0 ? Platform::Icon::Information : Platform::Icon::Warning;
    FPlatform.MessageBox(FWindow, CompletionText(FFailed, FTotal), tr(CompleteTitle), icon,
                         Platform::Buttons::Ok);
    if (FPreferences.AutoOpenDir && !FExiting)
        OpenFolderOrTell(FPlatform, FWindow, FOutputDir);
    emit Done();
}

void TBatchEndActions::Stopped()
{
    if (!FExiting)
        FPlatform.MessageBox(FWindow, tr("The Coversion is canceled."),
                             //: The title of the message that says the batch was stopped
                             tr("Cancel"), Platform::Icon::Information, Platform::Buttons::Ok);
    emit Done();
}

void TBatchEndActions::StartFailed()
{
    FPlatform.ShowMessage(tr("Error on CreateProcess()"));
    emit Done();
}

bool TBatchEndActions::StopForExit()
{
    FExiting = true;
    // The program is ending anyway: it does not take the computer with it.
    if (!FCountdown || !FCountdown->isVisible())
        return false;
    FCountdown->timerCountdown->stop();
    FCountdown->hide();
    return true;
}

bool TBatchEndActions::CancelCountdown()
{
    if (!FCountdown || !FCountdown->isVisible())
        return false;
    FCountdown->reject();
    return true;
}
