// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

// A title bar that shows the title and the close button only: a dialog of
// a fixed purpose is neither minimised nor maximised on its own.
void ShowOnlyCloseButton(QWidget* window);

// A dialog that stands in for a modal one without running a modal loop:
// showing it returns at once, and the window it belongs to takes no input
// until it is hidden again, however that happens (a button, Escape, the close
// box). It is shown centred on that window.
class TStandInDialog : public QDialog
{
    Q_OBJECT

public:
    // `window` is switched off while the dialog is up; `parent` owns it.
    TStandInDialog(QWidget* window, QWidget* parent);

    // Shows the dialog centred on the window and makes it the active one.
    void ShowCentred();

protected:
    // Run when the program shows and hides the dialog; overrides call these.
    virtual void FormShow();
    virtual void FormClose();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* FWindow;
    QPointer<QWidget> FReturnFocus; // had the focus when the dialog came up
};
