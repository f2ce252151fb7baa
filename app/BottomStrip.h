// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;
class TElidedLabel;

// The strip under the task list: `panBottom` > `panBottomRight` holding the
// idle settings panel `panBottomCenter` and, in the same place, the progress
// panel `panBottomLeft`.
struct BottomStripControls
{
    QWidget* panBottom = nullptr;
    QWidget* panBottomRight = nullptr;

    QWidget* panBottomCenter = nullptr;
    QComboBox* cmbProfile = nullptr;
    QPushButton* bbtnSetting = nullptr;
    QLineEdit* edtOutputdir = nullptr;
    QPushButton* bbtnBrowser = nullptr;
    QPushButton* bbtnOpen = nullptr;

    QWidget* panBottomLeft = nullptr;
    TElidedLabel* labConvertingFile = nullptr;
    QLabel* labElapsed = nullptr;
    QLabel* labRemaining = nullptr;
    QProgressBar* pgbCurrent = nullptr;
    QLabel* labCurProgress = nullptr;
    QProgressBar* pgbTotal = nullptr;
    QLabel* labTotalProgress = nullptr;
};

// Creates the strip in `panMain`.
BottomStripControls BuildBottomStrip(QWidget* panMain);

// The resize rule: both panels take the width of `panMain`, the buttons keep
// to the right edge and the profile selector, the output path and the bars
// take the rest.
void ApplyBottomStripLayout(const BottomStripControls& strip, int mainPanelWidth);
