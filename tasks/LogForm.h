#pragma once

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
    // `inputFile` is the task's input; its file name titles the window.
    TLogForm(const QString& inputFile, const QString& log, Platform& platform, QWidget* parent);

    const QString& InputFile() const { return FInputFile; }
    void SetLog(const QString& log);

    void btnCopyClick();
    void btnSaveClick();

    QPlainTextEdit* memLog = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnClose = nullptr;

private:
    const QString FInputFile;
    Platform& FPlatform;
};
