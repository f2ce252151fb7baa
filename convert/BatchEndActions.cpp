// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchEndActions.h"

#include "base/Preferences.h"
#include "convert/PowerOffCountdown.h"
#include "platform/OpenFolder.h"
#include "platform/Platform.h"

#include <QTimer>
#include <QWidget>

namespace {

const QString CompleteTitle = QStringLiteral("Complete");

} // namespace

TBatchEndActions::TBatchEndActions(QWidget* window, Platform& platform,
                                   const TPreferences& preferences, QObject* parent)
    : QObject(parent), FWindow(window), FPlatform(platform), FPreferences(preferences)
{
}

QString TBatchEndActions::CompletionText(int failed, int total) const
{
    if (failed == 0)
        return QStringLiteral("The coversion is completed successfully.");
    return QStringLiteral("The conversion is completed, but %1 of %2 files failed.")
        .arg(failed)
        .arg(total);
}

void TBatchEndActions::Completed(int failed, int total, const QString& outputDir)
{
    FFailed = failed;
    FTotal = total;
    FOutputDir = outputDir;
    // A batch that ends while the user is elsewhere says so on the desktop.
    if (!FWindow->isActiveWindow())
        FPlatform.Notify(CompleteTitle, CompletionText(failed, total));
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
    FPlatform.MessageBox(FWindow, CompletionText(FFailed, FTotal), CompleteTitle, icon,
                         Platform::Buttons::Ok);
    if (FPreferences.AutoOpenDir && !FExiting)
        OpenFolderOrTell(FPlatform, FWindow, FOutputDir);
    emit Done();
}

void TBatchEndActions::Stopped()
{
    if (!FExiting)
        FPlatform.MessageBox(FWindow, QStringLiteral("The Coversion is canceled."),
                             QStringLiteral("Cancel"), Platform::Icon::Information,
                             Platform::Buttons::Ok);
    emit Done();
}

void TBatchEndActions::StartFailed()
{
    FPlatform.ShowMessage(QStringLiteral("Error on CreateProcess()"));
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
