// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/LogForm.h"

#include "platform/Platform.h"
#include "widgets/StandInDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

const char* const SaveTitle = QT_TRANSLATE_NOOP("TLogForm", "Save Log");
const char* const SaveFailedText =
    QT_TRANSLATE_NOOP("TLogForm", "The log cannot be saved to \"%1\": %2");
const char* const SaveFilters[] = {QT_TRANSLATE_NOOP("TLogForm", "Log Files (*.log)"),
                                   QT_TRANSLATE_NOOP("TLogForm", "Text Files (*.txt)"),
                                   QT_TRANSLATE_NOOP("TLogForm", "All Files (*)")};
const QString LogExt = QStringLiteral(".log");
constexpr QSize CreatedSize(760, 480);

// The encoder redraws its progress line with a lone carriage return; each
// redraw is a line of its own here, as it was a report of its own.
QString AsLines(QString log)
{
    log.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    log.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return log;
}

} // namespace

TLogForm::TLogForm(TaskId task, const QString& inputFile, const QString& log, Platform& platform,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), FTask(task), FInputFile(inputFile), FPlatform(platform)
{
    setObjectName(QStringLiteral("LogForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: %1 is the name of the task's input file
    setWindowTitle(tr("Log - %1").arg(QFileInfo(inputFile).fileName()));
    ShowOnlyCloseButton(this);
    resize(CreatedSize);
    // Over the window it belongs to, where the user looks, rather than
    // wherever the desktop puts a new window.
    if (parent)
        move(parent->window()->frameGeometry().center() - rect().center());

    memLog = new QPlainTextEdit(this);
    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setAccessibleName(tr("Encoder log"));
    memLog->setReadOnly(true);
    memLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    memLog->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    btnCopy = new QPushButton(tr("&Copy"), this);
    btnSave = new QPushButton(tr("&Save"), this);
    //: A button: closes the log window
    btnClose = new QPushButton(tr("Close"), this);
    connect(btnCopy, &QPushButton::clicked, this, &TLogForm::btnCopyClick);
    connect(btnSave, &QPushButton::clicked, this, &TLogForm::btnSaveClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnSave);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(memLog, 1);
    column->addLayout(buttons);

    SetLog(log);
}

void TLogForm::SetLog(const QString& log)
{
    memLog->setPlainText(AsLines(log));
}

void TLogForm::btnCopyClick()
{
    QApplication::clipboard()->setText(memLog->toPlainText());
}

void TLogForm::btnSaveClick()
{
    const QFileInfo input(FInputFile);
    const QString suggested = input.dir().filePath(input.completeBaseName() + LogExt);
    QStringList filters;
    for (const char* filter : SaveFilters)
        filters << tr(filter);
    const QString path = FPlatform.SaveFile(this, tr(SaveTitle), suggested, filters, LogExt);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(memLog->toPlainText().toUtf8());
        if (file.commit())
            return;
    }
    FPlatform.MessageBox(this,
                         tr(SaveFailedText).arg(QDir::toNativeSeparators(path), file.errorString()),
                         tr(SaveTitle), Platform::Icon::Warning, Platform::Buttons::Ok);
}
