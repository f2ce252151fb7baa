// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/OutputFolderButtons.h"

#include "base/PathText.h"
#include "platform/OpenFolder.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const OutputDirectoryTitle =
    QT_TRANSLATE_NOOP("TOutputFolderButtons", "Select the output directory.");

} // namespace

TOutputFolderButtons::TOutputFolderButtons(QWidget* window, QLineEdit* edtOutputdir,
                                           QPushButton* bbtnBrowser, QPushButton* bbtnOpen,
                                           Platform& platform, QObject* parent)
    : QObject(parent), FWindow(window), FOutputDir(edtOutputdir), FPlatform(platform)
{
    connect(bbtnBrowser, &QPushButton::clicked, this, &TOutputFolderButtons::bbtnBrowserClick);
    connect(bbtnOpen, &QPushButton::clicked, this, &TOutputFolderButtons::bbtnOpenClick);
}

void TOutputFolderButtons::bbtnBrowserClick()
{
    QString directory = FOutputDir->text();
    if (FPlatform.BrowseForFolder(FWindow, tr(OutputDirectoryTitle), directory))
        FOutputDir->setText(QString::fromStdString(WithTrailingBackslash(directory.toStdString())));
}

void TOutputFolderButtons::bbtnOpenClick()
{
    const QString directory = FOutputDir->text();
    if (!directory.isEmpty() && QFileInfo(directory).isDir())
        OpenFolderOrTell(FPlatform, FWindow, directory);
}
