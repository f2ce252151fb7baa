// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// The last chance before the computer is turned off at the end of a batch:
// a window that counts the seconds down, and powers off when they run out
// or when the user says so at once. It is not modal, so the program goes on
// answering while it counts; closing it cancels.
class TPowerOffCountdown : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DefaultSeconds = 60;

    explicit TPowerOffCountdown(QWidget* parent);

    // Shows the window counting down from `seconds`.
    void StartCountdown(int seconds = DefaultSeconds);
    int SecondsLeft() const { return FSecondsLeft; }

    // One second has passed; the timer calls it, and tests call it to count
    // without waiting.
    void timerCountdownTimer();

    QLabel* labCountdown = nullptr;
    QPushButton* btnTurnOffNow = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer* timerCountdown = nullptr;

signals:
    // The time ran out or the user chose "Turn Off Now"; the window is gone.
    void TurnOff();
    // The user cancelled; the window is gone.
    void Cancelled();

protected:
    void done(int result) override;

private:
    void ShowSecondsLeft();

    int FSecondsLeft = 0;
};
