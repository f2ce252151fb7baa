#include "profiles/CustomSize.h"

#include "widgets/AppIcons.h"
#include "widgets/ControlNames.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const SizeCaption = "Video Size of output files";
constexpr QSize ClientSize(336, 106);

QLineEdit* Field(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* edit = Named(new QLineEdit(parent), name, QString());
    edit->setGeometry(92, top, 220, 24);
    CaptionFor(edit, QString::fromUtf8(caption), parent)->setGeometry(24, top, 64, 24);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int left)
{
    const QString text = QString::fromUtf8(caption);
    auto* button = Named(new QPushButton(text, parent), name, Spoken(text));
    button->setGeometry(left, 72, 80, 26);
    return button;
}

} // namespace

TSizeForm::TSizeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SizeForm"));
    setWindowTitle(QString::fromUtf8(SizeCaption));
    setWindowIcon(ApplicationIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(ClientSize);

    edtWidth = Field(this, "edtWidth", "Width:", 10);
    edtHeight = Field(this, "edtHeight", "Height:", 40);
    btnOK = Button(this, "btnOK", "&OK", 146);
    btnCancel = Button(this, "btnCancel", "&Cancel", 232);
    btnOK->setDefault(true);
}
