// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionJob.h"

#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;
class QWidget;
class TElidedLabel;

// The controls a batch reads and draws; the main window creates them.
struct RunnerControls
{
    // The window the batch runs in: the owner of its messages.
    QWidget* Window = nullptr;
    // The profile a batch starts with; the output directory's edit, which
    // shows the preference in force and takes the focus when it is wrong.
    QComboBox* cmbProfile = nullptr;
    QLineEdit* edtOutputdir = nullptr;
    // The idle panel, and the progress panel shown in its place during a run.
    QWidget* panBottomCenter = nullptr;
    QWidget* panBottomLeft = nullptr;
    TElidedLabel* labConvertingFile = nullptr;
    QLabel* labElapsed = nullptr;
    QLabel* labRemaining = nullptr;
    QProgressBar* pgbCurrent = nullptr;
    QLabel* labCurProgress = nullptr;
    QProgressBar* pgbTotal = nullptr;
    QLabel* labTotalProgress = nullptr;
    QTimer* timerTime = nullptr;
    // The list of tasks, which Start gives the focus.
    QWidget* ltvTask = nullptr;
};

// The progress panel of a running batch: the running tasks' names and mean
// progress, the total, and the elapsed and remaining time, which the
// panel's timer counts while it runs.
class TRunPanel
{
public:
    explicit TRunPanel(const RunnerControls& controls) : FControls(controls) {}

    // Shows the panel in the idle one's place, all at 0, and starts the clock.
    void Open();
    void ShowIdle();
    // "Converting:" names every running job in list order, and the current
    // bar shows their mean progress; with none running they keep what they
    // showed last. One job at a time, that is the job and its own progress.
    void ShowRunning(const std::map<int, const TConversionJob*>& running);
    void SetCurrentBar(int percent);
    void SetTotalBar(int percent);
    // A second of the clock: the elapsed time, and the remaining time
    // estimated from the total.
    void Tick();
    // Nothing remains; a batch shorter than a tick would show no time at all.
    void ShowNothingRemains();
    int ElapsedSeconds() const { return FElapsed; }
    int RemainingSeconds() const { return FRemaining; }

private:
    const RunnerControls FControls;
    int FElapsed = 0;
    int FRemaining = 0;
};
