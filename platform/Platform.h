// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal interaction and every side effect on the desktop goes through
// this interface, so that widget tests can script the answers and can never
// block on a dialog, open a browser or power the machine off.
class Platform
{
public:
    enum class Icon
    {
        None,
        Information,
        Question,
        Warning,
        Error
    };
    enum class Buttons
    {
        Ok,
        YesNo
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    virtual ~Platform() = default;

    // A message box owned by `owner` (null: the active window).
    virtual Answer MessageBox(QWidget* owner, const QString& text, const QString& title, Icon icon,
                              Buttons buttons) = 0;

    // A question answered by one of `answers`, button captions in that order,
    // the first the default and the last Escape's button. Returns the index
    // of the answer picked, or -1 when none was: Escape, the close box, or
    // the program ending while the question is up. A caller whose last
    // answer is a plain "Cancel" takes -1 as that; one whose last answer
    // destroys something must not.
    virtual int Choose(QWidget* owner, const QString& text, const QString& title,
                       const QStringList& answers) = 0;

    // The framework's plain message box: the application title, an OK button.
    virtual void ShowMessage(const QString& text) = 0;

    // The application's general error handler, as an unhandled exception in
    // an event handler would reach the user.
    virtual void ShowError(const QString& text) = 0;

    // The open dialog: several files, which must exist. `filters` are Qt name
    // filters; the first one is selected. Returns the files in the dialog's
    // order, or nothing when the user cancels.
    virtual QStringList OpenFiles(QWidget* owner, const QStringList& filters) = 0;

    // The save dialog, titled `title` and opened in `directory`. Returns the
    // chosen path (with `defaultExt` appended when the user typed none), or an
    // empty text when cancelled. Replacing an existing file is not asked about.
    virtual QString SaveFile(QWidget* owner, const QString& title, const QString& directory,
                             const QStringList& filters, const QString& defaultExt) = 0;

    // The folder browser, starting in `dir` when that is an existing folder.
    // Returns true and sets `dir` to the picked folder.
    virtual bool BrowseForFolder(QWidget* owner, const QString& title, QString& dir) = 0;

    // The desktop's "open" on a file, a folder or a web address. Returns false
    // when no application could be started for it.
    virtual bool ShellOpen(const QString& target) = 0;

    // The desktop entry (the path of its .desktop file) of the application
    // the desktop opens files of `mimeType` with, the type's aliases
    // included; empty when none is registered.
    virtual QString DefaultApplication(const QString& mimeType) = 0;

    // Asks the system to power off, without interaction; the result is ignored.
    virtual void PowerOff() = 0;

    // A desktop notification: it shows without taking the focus and goes
    // by itself. Nothing is reported when the desktop has no notification
    // service.
    virtual void Notify(const QString& title, const QString& text) = 0;
};
