// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

// The real desktop: Qt's dialogs, the desktop's "open", logind for
// power-off and the session bus's notification service. Only main() creates one.
class DesktopPlatform : public Platform
{
public:
    Answer MessageBox(QWidget* owner, const QString& text, const QString& title, Icon icon,
                      Buttons buttons) override;
    int Choose(QWidget* owner, const QString& text, const QString& title,
               const QStringList& answers) override;
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    QStringList OpenFiles(QWidget* owner, const QStringList& filters) override;
    QString SaveFile(QWidget* owner, const QString& title, const QString& directory,
                     const QStringList& filters, const QString& defaultExt) override;
    bool BrowseForFolder(QWidget* owner, const QString& title, QString& dir) override;
    bool ShellOpen(const QString& target) override;
    QString DefaultApplication(const QString& mimeType) override;
    void PowerOff() override;
    void Notify(const QString& title, const QString& text) override;
};
