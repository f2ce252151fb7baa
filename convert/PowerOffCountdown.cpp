// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/PowerOffCountdown.h"

#include "widgets/StandInDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

} // namespace

TPowerOffCountdown::TPowerOffCountdown(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PowerOffCountdown"));
    setWindowTitle(tr("Turn Off the Computer"));
    setModal(false);
    // Minimised, it would count down out of sight.
    ShowOnlyCloseButton(this);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    labCountdown = new QLabel(this);
    labCountdown->setObjectName(QStringLiteral("labCountdown"));
    btnTurnOffNow = new QPushButton(tr("Turn Off Now"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    // Enter or a stray key press must not power off: Cancel is the default.
    btnCancel->setDefault(true);
    connect(btnTurnOffNow, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(labCountdown, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnTurnOffNow);
    buttons->addWidget(btnCancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(message);
    column->addSpacing(8);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    timerCountdown = new QTimer(this);
    timerCountdown->setInterval(1000);
    connect(timerCountdown, &QTimer::timeout, this, &TPowerOffCountdown::timerCountdownTimer);
}

void TPowerOffCountdown::StartCountdown(int seconds)
{
    FSecondsLeft = seconds;
    ShowSecondsLeft();
    timerCountdown->start();
    btnCancel->setFocus();
    show();
    raise();
    activateWindow();
}

void TPowerOffCountdown::timerCountdownTimer()
{
    if (!isVisible())
        return;
    --FSecondsLeft;
    ShowSecondsLeft();
    if (FSecondsLeft <= 0)
        accept();
}

void TPowerOffCountdown::ShowSecondsLeft()
{
    labCountdown->setText(
        tr("The computer will be turned off in %n seconds.", nullptr, FSecondsLeft));
}

// Every way out passes here: the buttons, Escape and the close box.
void TPowerOffCountdown::done(int result)
{
    timerCountdown->stop();
    const bool wasShown = isVisible();
    QDialog::done(result);
    if (!wasShown)
        return;
    if (result == Accepted)
        emit TurnOff();
    else
        emit Cancelled();
}
