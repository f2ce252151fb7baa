// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobTip.h"

#include "encoder/OutputSize.h"
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cmath>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("TBatchRunner", text);
}

} // namespace

QString CompleteTip(const TConversionJob& job)
{
    const std::string& output = job.Output;
    QStringList lines{Text(output)};
    if (!output.empty()) {
        const qint64 bytes = QFileInfo(Text(output)).size();
        const qint64 input = QFileInfo(Text(job.Task.InputFile)).size();
        const QString shownBytes = Text(FormatSizeText(bytes, TranslatedText));
        //: %1 is the output's size, %2 its share of the input's size in percent
        QString size = input > 0
                           ? Tr(QT_TRANSLATE_NOOP("TBatchRunner", "Size: %1, %2% of the input"))
                                 .arg(shownBytes)
                                 .arg(std::lround(100.0 * static_cast<double>(bytes) /
                                                  static_cast<double>(input)))
                           //: A line of a converted task's tip; %1 is a size such as "1.95 MB"
                           : Tr(QT_TRANSLATE_NOOP("TBatchRunner", "Size: %1")).arg(shownBytes);
        if (!job.SizeNote.empty())
            //: %1 is the output's size, %2 what was planned and reached
            size = Tr(QT_TRANSLATE_NOOP("TBatchRunner", "%1 (%2)")).arg(size, Text(job.SizeNote));
        lines << size;
    }
    if (!job.QualityNote.empty())
        //: A line of a converted task's tip; %1 is such as "good (SSIM 0.962, PSNR 35.1 dB)"
        lines << Tr(QT_TRANSLATE_NOOP("TBatchRunner", "Quality: %1")).arg(Text(job.QualityNote));
    return lines.join(QLatin1Char('\n'));
}
