// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/CustomSize.h"

#include "base/TextConvert.h"
#include "platform/Platform.h"
#include "widgets/AppIcons.h"
#include "widgets/ControlNames.h"
#include "widgets/ValueListEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr QSize ClientSize(336, 106);

const QString VideoSizeLabel = QStringLiteral("Video Size");
const QString CustomSizeValue = QStringLiteral("Custom Size");
const QString OriginalSizeValue = QStringLiteral("Original Size");

QLineEdit* Field(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* edit = Named(new QLineEdit(parent), name, QString());
    edit->setGeometry(92, top, 220, 24);
    CaptionFor(edit, caption, parent)->setGeometry(24, top, 64, 24);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, int left)
{
    auto* button = Named(new QPushButton(text, parent), name, Spoken(text));
    button->setGeometry(left, 72, 80, 26);
    return button;
}

} // namespace

TSizeForm::TSizeForm(const SizeFormControls& controls, Platform& platform, QWidget* parent)
    : TStandInDialog(controls.Window, parent), FControls(controls), FPlatform(platform)
{
    setObjectName(QStringLiteral("SizeForm"));
    setWindowTitle(tr("Video Size of output files"));
    setWindowIcon(ApplicationIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(ClientSize);

    edtWidth = Field(this, "edtWidth", tr("Width:"), 10);
    edtHeight = Field(this, "edtHeight", tr("Height:"), 40);
    btnOK = Button(this, "btnOK", tr("&OK"), 146);
    btnCancel = Button(this, "btnCancel", tr("&Cancel"), 232);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TSizeForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSizeForm::btnCancelClick);
}

void TSizeForm::ShowSizeForm()
{
    if (!isVisible())
        ShowCentred();
}

void TSizeForm::FormShow()
{
    TStandInDialog::FormShow();
    edtWidth->setFocus();
}

bool TSizeForm::CheckNumber(QLineEdit* edit, const QString& text, const QString& title)
{
    int32_t number = 0;
    if (TryStrToInt(edit->text().toStdString(), number))
        return true;
    FPlatform.MessageBox(this, text, title, Platform::Icon::Information, Platform::Buttons::Ok);
    edit->setFocus();
    return false;
}

void TSizeForm::btnOKClick()
{
    if (!CheckNumber(edtWidth, tr("Please specify a proper width for output videos."),
                     tr("Incorrect Width")) ||
        !CheckNumber(edtHeight, tr("Please specify a proper height for output videos."),
                     tr("Incorrect Height")))
        return;
    // As typed, blanks and signs included: the encoder gets the text itself.
    FControls.vleVideo->SetValue(VideoSizeLabel,
                                 edtWidth->text() + QLatin1Char('x') + edtHeight->text());
    close();
}

void TSizeForm::btnCancelClick()
{
    close();
}

// Whatever way the dialog goes, the grid never keeps "Custom Size" as a size.
void TSizeForm::FormClose()
{
    if (FControls.vleVideo->Values(VideoSizeLabel) == CustomSizeValue)
        FControls.vleVideo->SetValue(VideoSizeLabel, OriginalSizeValue);
    TStandInDialog::FormClose();
}
