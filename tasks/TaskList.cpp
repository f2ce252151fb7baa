#include "tasks/TaskList.h"

#include "app/Main.h"
#include "platform/Platform.h"
#include "tasks/TaskPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <array>
#include <utility>

namespace {

const QString AddDirectoryTitle = QStringLiteral("Add a directory to the Task List");
const QString OutputDirectoryTitle = QStringLiteral("Select the output directory.");
const std::string ZeroTimeText = "00:00:00.0";
const std::string StatusOK = "OK";

// The row's slots: column 0 holds the caption, column k + 1 sub-item k.
constexpr int SlotCount = 11;
constexpr std::array<std::string ltvItemData::*, SlotCount> SlotTexts{
    &ltvItemData::InputFile,     &ltvItemData::LengthText,  &ltvItemData::SizeText,
    &ltvItemData::StatusText,    &ltvItemData::NewName,     &ltvItemData::NewExt,
    &ltvItemData::FullStartText, &ltvItemData::FullEndText, &ltvItemData::SpanText,
    &ltvItemData::StartText,     &ltvItemData::EndText};

// The sub-items whose text is a time, and the number read from each.
constexpr std::array<std::pair<int, double ltvItemData::*>, 6> TimeSlots{{
    {0, &ltvItemData::LengthSec},
    {5, &ltvItemData::FullStartSec},
    {6, &ltvItemData::FullEndSec},
    {7, &ltvItemData::SpanSec},
    {8, &ltvItemData::StartSec},
    {9, &ltvItemData::EndSec},
}};

int ColumnOf(int field)
{
    return field + 1;
}

} // namespace

TTaskList::TTaskList(TMainForm& form) : QObject(&form), FForm(form) {}

int TTaskList::TaskCount() const
{
    return FForm.ltvTask->topLevelItemCount();
}

void TTaskList::ReadTask(int row, int field, ltvItemData& data) const
{
    const QTreeWidgetItem* item = FForm.ltvTask->topLevelItem(row);
    const auto readSlot = [&](int column) {
        data.*SlotTexts[column] = item->text(column).toStdString();
    };
    if (field == AllFields) {
        for (int column = 0; column < SlotCount; ++column)
            readSlot(column);
    } else {
        readSlot(ColumnOf(field));
    }
    // The time numbers follow their texts; pending the time-text parser they
    // stay "not a time".
    for (const auto& [subItem, number] : TimeSlots)
        if (field == AllFields || field == subItem)
            data.*number = -1;
}

void TTaskList::WriteTask(int row, int field, const ltvItemData& data)
{
    QTreeWidgetItem* item = FForm.ltvTask->topLevelItem(row);
    if (field == AllFields) {
        for (int column = 0; column < SlotCount; ++column)
            item->setText(column, QString::fromStdString(data.*SlotTexts[column]));
    } else {
        item->setText(ColumnOf(field), QString::fromStdString(data.*SlotTexts[ColumnOf(field)]));
    }
}

bool TTaskList::IsListed(const QString& path) const
{
    const int count = TaskCount();
    for (int row = 0; row < count; ++row)
        if (FForm.ltvTask->topLevelItem(row)->text(0) == path)
            return true;
    return false;
}

void TTaskList::AddTaskFile(const QString& path)
{
    FForm.panbg->hide();
    if (IsListed(path))
        return;

    ltvItemData data;
    data.InputFile = path.toStdString();
    data.StatusText = StatusOK;
    data.NewName = StripExtension(ExtractFileName(data.InputFile));
    data.FullStartText = ZeroTimeText;
    data.StartText = ZeroTimeText;
    // Length and size come from the media probe, still being built; until
    // then a file is added as a failed probe leaves it: empty texts.
    data.FullEndText = data.SpanText = data.EndText = data.LengthText;

    FForm.ltvTask->addTopLevelItem(new QTreeWidgetItem);
    WriteTask(TaskCount() - 1, AllFields, data);
}

QStringList TTaskList::ListTaskDirectory(const QString& directory)
{
    QStringList patterns;
    for (const std::string& ext : SupportedExtensions())
        patterns.append(QStringLiteral("*") + QString::fromStdString(ext));
    // Without QDir::Hidden dot-files stay out; name filters ignore case unless
    // told otherwise.
    return QDir(directory).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void TTaskList::AddTaskDirectory(const QString& directory)
{
    if (directory.isEmpty())
        return;
    const QString prefix = QString::fromStdString(WithTrailingBackslash(directory.toStdString()));
    const QStringList names = ListTaskDirectory(directory);
    // Pending events run before each file, so the user may clear, remove or
    // start another add in between, or close the window: nothing here may
    // outlive that but the names themselves.
    const QPointer<TTaskList> alive(this);
    for (const QString& name : names) {
        QCoreApplication::processEvents();
        if (!alive)
            return;
        AddTaskFile(prefix + name);
    }
}

void TTaskList::EnableTaskButtons(bool enabled)
{
    for (QToolButton* button :
         {FForm.tbtnUp, FForm.tbtnDown, FForm.tbtnRemove, FForm.tbtnClear, FForm.tbtnStart})
        button->setEnabled(enabled);
}

QStringList TTaskList::OpenDialogNameFilters()
{
    const QStringList parts = QString::fromStdString(OpenDialogFilter()).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QStringLiteral(")"));
    }
    return filters;
}

void TTaskList::ShowSelectedTask() {}

void TTaskList::ClearOutputGrid() {}

void TTaskList::tbtnAddFileClick()
{
    const QStringList files = FForm.platform().OpenFiles(&FForm, OpenDialogNameFilters());
    for (int i = 1; i < files.size(); ++i)
        AddTaskFile(files[i]);
    if (!files.isEmpty())
        AddTaskFile(files.front());
    if (TaskCount() == 1) {
        FForm.ltvTask->setCurrentItem(FForm.ltvTask->topLevelItem(0));
        ShowSelectedTask();
    }
    FForm.ltvTask->setFocus();
    if (TaskCount() > 0)
        EnableTaskButtons(true);
}

void TTaskList::tbtnAddDirClick()
{
    QString directory;
    if (FForm.platform().BrowseForFolder(&FForm, AddDirectoryTitle, directory))
        AddTaskDirectory(directory);
    FForm.ltvTask->setFocus();
    if (TaskCount() > 0)
        EnableTaskButtons(true);
}

void TTaskList::tbtnRemoveClick() {}
void TTaskList::tbtnClearClick() {}
void TTaskList::tbtnUpClick() {}
void TTaskList::tbtnDownClick() {}
void TTaskList::ltvTaskClick()
{
    ShowSelectedTask();
}
void TTaskList::ltvTaskDblClick() {}
bool TTaskList::ltvTaskKeyDown(int)
{
    return false;
}
void TTaskList::ppmTaskPopup() {}

void TTaskList::bbtnBrowserClick()
{
    QString directory;
    if (FForm.platform().BrowseForFolder(&FForm, OutputDirectoryTitle, directory))
        FForm.edtOutputdir->setText(
            QString::fromStdString(WithTrailingBackslash(directory.toStdString())));
}

void TTaskList::bbtnOpenClick()
{
    const QString directory = FForm.edtOutputdir->text();
    if (!directory.isEmpty() && QFileInfo(directory).isDir())
        FForm.platform().ShellOpen(directory);
}

void TTaskList::CreatePopup() {}

void TTaskList::SwapRows(int, int) {}

bool TTaskList::eventFilter(QObject* watched, QEvent* event)
{
    return QObject::eventFilter(watched, event);
}
