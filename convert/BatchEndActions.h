// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class Platform;
class QWidget;
class TPowerOffCountdown;
struct TPreferences;

// What the window does once a batch is over: it tells the user how the
// batch ended, opens the output folder, ends the program or turns the
// computer off after a countdown that can still cancel it. It knows
// nothing of the batch itself: the runner hands it the outcome.
class TBatchEndActions : public QObject
{
    Q_OBJECT

public:
    TBatchEndActions(QWidget* window, Platform& platform, const TPreferences& preferences,
                     QObject* parent = nullptr);

    // Every task was converted or failed on its own: `failed` of `total`.
    // Turning off comes first and waits for the countdown, exiting ends the
    // program without a word, otherwise the completion message is shown and
    // `outputDir` is opened when asked for. Ends with Done or EndProgram.
    void Completed(int failed, int total, const QString& outputDir);
    // The user stopped the batch; no message when the program is ending.
    void Stopped();
    // An encoder could not be started.
    void StartFailed();

    // The program is ending: nothing more is opened on the desktop, and a
    // countdown under way stops without turning anything off. True when a
    // countdown was stopped (the batch is then over).
    bool StopForExit();
    // Stop during the countdown means what its Cancel means. True when a
    // countdown was under way.
    bool CancelCountdown();

    // The window that counts down to the power-off; null until a batch first
    // ends with "turn off" ticked.
    TPowerOffCountdown* Countdown() const { return FCountdown; }

    QString CompletionText(int failed, int total) const;

signals:
    // The end of the batch has been told (and the folder opened).
    void Done();
    // The program should end now: exit was ticked, or the computer has been
    // asked to power off.
    void EndProgram();

private:
    void ShowCompletion();

    QWidget* const FWindow;
    Platform& FPlatform;
    // The preferences in force, read when a batch ends, never written.
    const TPreferences& FPreferences;
    TPowerOffCountdown* FCountdown = nullptr;
    bool FExiting = false;
    // The outcome waiting behind the countdown.
    int FFailed = 0;
    int FTotal = 0;
    QString FOutputDir;
};
