// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/About.h"

#include "app/LinkLabel.h"
#include "platform/Platform.h"
#include "platform/Product.h"
#include "tasks/TaskPaths.h"
#include "widgets/AppIcons.h"
#include "widgets/ControlNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(const QString& versionText, Platform& platform, QWidget* mainWindow)
    : QDialog(mainWindow), FMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("AboutForm"));
    //: The about box's title; %1 is the program's name
    setWindowTitle(tr("About %1").arg(ProductTitle));
    setWindowIcon(ApplicationIcon());
    setModal(false);

    auto* picture = new QLabel(this);
    picture->setPixmap(ApplicationIcon().pixmap(QSize(64, 64)));
    picture->setAccessibleName(ProductTitle);
    picture->setAlignment(Qt::AlignTop);

    labTitle = Named(new QLabel(ProductTitle, this), "labTitle", ProductTitle);
    QFont titleFont = labTitle->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    labTitle->setFont(titleFont);

    const QString version = QStringLiteral("V") + versionText;
    labVersion = Named(new QLabel(version, this), "labVersion", version);
    // The containers the task list takes today, as the open dialog offers them.
    QStringList containers;
    for (const std::string& ext : SupportedExtensions())
        containers << QString::fromStdString(ext).mid(1).toUpper();
    //: %1 lists file kinds, such as "AVI, MPG, MP4, MKV"
    auto* about =
        new QLabel(tr("Batch conversion of videos: %1.").arg(containers.join(", ")), this);
    about->setWordWrap(true);

    labLink = Named(new TLinkLabel(MakerLinkCaption(), this, palette().color(QPalette::Link)),
                    "labLink", MakerLinkCaption());
    connect(labLink, &TLinkLabel::clicked, this, [&platform] { platform.ShellOpen(MakerAddress); });

    const QString ok = tr("OK");
    btnOK = Named(new QPushButton(ok, this), "btnOK", ok);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(labTitle);
    texts->addWidget(labVersion);
    texts->addSpacing(6);
    texts->addWidget(about);
    texts->addWidget(labLink);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(18, 18, 18, 14);
    all->addLayout(top);
    all->addSpacing(12);
    all->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void TAboutForm::ShowAbout()
{
    move(FMainWindow->frameGeometry().center() - rect().center());
    // Disabling the main window disables its child windows too: this box has
    // to be switched back on by name.
    FReturnFocus = FMainWindow->focusWidget();
    FMainWindow->setEnabled(false);
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void TAboutForm::done(int result)
{
    FMainWindow->setEnabled(true);
    QDialog::done(result);
    if (FReturnFocus)
        FReturnFocus->setFocus(Qt::OtherFocusReason);
}
