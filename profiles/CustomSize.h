// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/StandInDialog.h"

class Platform;
class QLineEdit;
class QPushButton;
class ValueListEditor;

// What the custom size dialog works on: the window it stands over (disabled
// while the dialog is up) and the video grid whose "Video Size" it sets.
struct SizeFormControls
{
    QWidget* Window = nullptr;
    ValueListEditor* vleVideo = nullptr;
};

// The custom size dialog: the user types an output frame size that the
// loaded profile does not list. Created once at start-up, then only shown
// and hidden; the texts typed stay for the next opening.
class TSizeForm : public TStandInDialog
{
    Q_OBJECT

public:
    TSizeForm(const SizeFormControls& controls, Platform& platform, QWidget* parent = nullptr);

    // Shows the dialog centred on the window and returns at once; the
    // window takes no input until the dialog closes.
    void ShowSizeForm();

    void btnOKClick();
    void btnCancelClick();

    QLineEdit* edtWidth = nullptr;
    QLineEdit* edtHeight = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    bool CheckNumber(QLineEdit* edit, const QString& text, const QString& title);

    const SizeFormControls FControls;
    Platform& FPlatform;
};
