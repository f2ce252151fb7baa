// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskModel.h"

#include <QString>
#include <QWidget>

class Platform;
class QPlainTextEdit;
class QPushButton;

// A task's encoder log in a window of its own, beside the main window and
// not modal: read-only, in a fixed-width font so that the encoder's tables
// line up, with buttons to copy it all or save it to a file.
class TLogForm : public QWidget
{
    Q_OBJECT

public:
    // The log of `task`, whose input is `inputFile`; the input's file name
    // titles the window.
    TLogForm(TaskId task, const QString& inputFile, const QString& log, Platform& platform,
             QWidget* parent);

    TaskId Task() const { return FTask; }
    void SetLog(const QString& log);

    void btnCopyClick();
    void btnSaveClick();

    QPlainTextEdit* memLog = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnClose = nullptr;

private:
    const TaskId FTask;
    const QString FInputFile;
    Platform& FPlatform;
};
