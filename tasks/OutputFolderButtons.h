// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Platform;
class QLineEdit;
class QPushButton;
class QWidget;

// The buttons beside the output directory's edit: Browse picks the
// directory, Open shows it in the file manager. `window` owns the dialogs.
class TOutputFolderButtons : public QObject
{
    Q_OBJECT

public:
    TOutputFolderButtons(QWidget* window, QLineEdit* edtOutputdir, QPushButton* bbtnBrowser,
                         QPushButton* bbtnOpen, Platform& platform, QObject* parent = nullptr);

    void bbtnBrowserClick();
    void bbtnOpenClick();

private:
    QWidget* const FWindow;
    QLineEdit* const FOutputDir;
    Platform& FPlatform;
};
