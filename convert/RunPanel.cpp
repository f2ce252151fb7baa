// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/RunPanel.h"

#include "base/PathText.h"
#include "base/TimeText.h"
#include "convert/BatchRules.h"
#include "widgets/ElidedLabel.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <cmath>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

void TRunPanel::Open()
{
    FControls.labConvertingFile->clear();
    // The clock runs from the batch's first moment.
    FControls.labElapsed->setText(Text(FormatTimeText(0)));
    FControls.labRemaining->clear();
    FControls.pgbCurrent->setValue(0);
    FControls.pgbTotal->setValue(0);
    FControls.labCurProgress->setText(QStringLiteral("0%"));
    FControls.labTotalProgress->setText(QStringLiteral("0%"));
    FControls.panBottomCenter->hide();
    FControls.panBottomLeft->show();
    FElapsed = 0;
    FRemaining = 0;
    FControls.timerTime->start();
}

void TRunPanel::ShowIdle()
{
    FControls.panBottomLeft->hide();
    FControls.panBottomCenter->show();
}

void TRunPanel::ShowRunning(const std::map<int, const TConversionJob*>& running)
{
    QStringList names;
    int percents = 0;
    for (const auto& [id, job] : running) {
        // A stop ends them all before it reports the first.
        if (job->State != TaskState::Converting && job->State != TaskState::Paused)
            continue;
        names << Text(ExtractFileName(job->Task.InputFile));
        percents += job->Percent;
    }
    if (names.isEmpty())
        return;
    FControls.labConvertingFile->SetNames(names);
    SetCurrentBar(static_cast<int>(std::lround(percents / static_cast<double>(names.size()))));
}

void TRunPanel::SetCurrentBar(int percent)
{
    FControls.pgbCurrent->setValue(percent);
    FControls.labCurProgress->setText(QString::number(FControls.pgbCurrent->value()) + "%");
}

void TRunPanel::SetTotalBar(int percent)
{
    FControls.pgbTotal->setValue(percent);
    FControls.labTotalProgress->setText(QString::number(FControls.pgbTotal->value()) + "%");
}

void TRunPanel::Tick()
{
    ++FElapsed;
    FControls.labElapsed->setText(Text(FormatTimeText(FElapsed)));
    const int percent = FControls.pgbTotal->value();
    if (percent != 0)
        FRemaining = static_cast<int>(EstimateRemainingSeconds(FElapsed, percent));
    FControls.labRemaining->setText(Text(FormatTimeText(FRemaining)));
}

void TRunPanel::ShowNothingRemains()
{
    FControls.labRemaining->setText(Text(FormatTimeText(0)));
}
