// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StandInDialog.h"

#include <QShowEvent>

void ShowOnlyCloseButton(QWidget* window)
{
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

TStandInDialog::TStandInDialog(QWidget* window, QWidget* parent) : QDialog(parent), FWindow(window)
{
    ShowOnlyCloseButton(this);
}

void TStandInDialog::ShowCentred()
{
    move(FWindow->frameGeometry().center() - frameGeometry().center() + pos());
    show();
    raise();
    activateWindow();
}

// The dialog is usually the window's child, and a child has to be switched
// back on by name after its parent was switched off.
void TStandInDialog::FormShow()
{
    // Switching the window off takes its focus away: remember where it was.
    FReturnFocus = FWindow->focusWidget();
    FWindow->setEnabled(false);
    setEnabled(true);
}

void TStandInDialog::FormClose()
{
    FWindow->setEnabled(true);
    if (FReturnFocus)
        FReturnFocus->setFocus(Qt::OtherFocusReason);
}

void TStandInDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TStandInDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}
