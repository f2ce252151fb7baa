#include "tasks/TaskList.h"

#include "base/FileIdentity.h"
#include "base/PathText.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "tasks/ProbeQueue.h"
#include "tasks/TaskPaths.h"
#include "tasks/TimeText.h"
#include "widgets/ValueListEditor.h"

#include <QFileInfo>
#include <QFrame>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QToolButton>
#include <QTreeWidget>

#include <array>
#include <utility>

namespace {

const QString UnnamableTitle = QStringLiteral("Files not added");
const QString UnnamableText =
    QStringLiteral("These files were not added, because their names are not valid UTF-8 text. "
                   "Rename them, then add them again.\n\n");
constexpr std::size_t UnnamableShown = 20;

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

// Where a row keeps its log: on its caption, which moves with the row.
constexpr int LogRole = Qt::UserRole + 1;
// Where a row keeps the identity its file had when it was added.
constexpr int FileDeviceRole = Qt::UserRole + 2;
constexpr int FileInodeRole = Qt::UserRole + 3;

std::optional<TFileId> RowFileId(const QTreeWidgetItem* item)
{
    const QVariant device = item->data(0, FileDeviceRole);
    if (!device.isValid())
        return std::nullopt;
    return TFileId{device.toULongLong(), item->data(0, FileInodeRole).toULongLong()};
}

int ColumnOf(int field)
{
    return field + 1;
}

} // namespace

TTaskList::TTaskList(const TaskListControls& controls, Platform& platform, TProfileDetail& detail,
                     const QString& encoderPath, QObject* parent)
    : QObject(parent), FControls(controls), FPlatform(platform), FDetail(detail),
      FEncoderPath(encoderPath)
{
    CreatePopup();
    ConnectControls();
    FProbes = new TProbeQueue(encoderPath, QThread::idealThreadCount(), ProbeTimeLimitMs, this);
    connect(FProbes, &TProbeQueue::Probed, this, &TTaskList::OnProbed);
}

void TTaskList::WindowClosed()
{
    FClosed = true;
    CancelAdds();
}

void TTaskList::ConnectControls()
{
    QTreeWidget* list = FControls.ltvTask;
    connect(FControls.tbtnAddFile, &QToolButton::clicked, this, &TTaskList::tbtnAddFileClick);
    connect(FControls.tbtnAddDir, &QToolButton::clicked, this, &TTaskList::tbtnAddDirClick);
    connect(FControls.tbtnUp, &QToolButton::clicked, this, &TTaskList::tbtnUpClick);
    connect(FControls.tbtnDown, &QToolButton::clicked, this, &TTaskList::tbtnDownClick);
    connect(FControls.tbtnRemove, &QToolButton::clicked, this, &TTaskList::tbtnRemoveClick);
    connect(FControls.tbtnClear, &QToolButton::clicked, this, &TTaskList::tbtnClearClick);
    connect(FControls.bbtnBrowser, &QPushButton::clicked, this, &TTaskList::bbtnBrowserClick);
    connect(FControls.bbtnOpen, &QPushButton::clicked, this, &TTaskList::bbtnOpenClick);

    // `clicked` comes after the view has settled the selection, and only for
    // the mouse; a click on empty space is caught by the viewport filter.
    connect(list, &QAbstractItemView::clicked, this, &TTaskList::ltvTaskClick);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TTaskList::ltvTaskSelectionChange);
    connect(FDetail.vleOutput, &ValueListEditor::Validate, this, &TTaskList::vleOutputValidate);
    FDetail.OutputShowsTask = [this] {
        return ShownTaskRow() >= 0;
    };
    connect(list, &QAbstractItemView::doubleClicked, this, &TTaskList::ltvTaskDblClick);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        ppmTaskPopup();
        ppmTask->popup(FControls.ltvTask->viewport()->mapToGlobal(pos));
    });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

int TTaskList::TaskCount() const
{
    return FControls.ltvTask->topLevelItemCount();
}

void TTaskList::SetTaskLog(int row, const QString& log)
{
    FControls.ltvTask->topLevelItem(row)->setData(0, LogRole, log.isEmpty() ? QVariant() : log);
}

QString TTaskList::TaskLog(int row) const
{
    return FControls.ltvTask->topLevelItem(row)->data(0, LogRole).toString();
}

void TTaskList::ReadTask(int row, int field, ltvItemData& data) const
{
    const QTreeWidgetItem* item = FControls.ltvTask->topLevelItem(row);
    const auto readSlot = [&](int column) {
        data.*SlotTexts[column] = item->text(column).toStdString();
    };
    if (field == AllFields) {
        for (int column = 0; column < SlotCount; ++column)
            readSlot(column);
    } else {
        readSlot(ColumnOf(field));
    }
    for (const auto& [subItem, number] : TimeSlots)
        if (field == AllFields || field == subItem)
            data.*number = ParseTimeText(data.*SlotTexts[ColumnOf(subItem)]);
}

void TTaskList::WriteTask(int row, int field, const ltvItemData& data)
{
    QTreeWidgetItem* item = FControls.ltvTask->topLevelItem(row);
    if (field == AllFields) {
        for (int column = 0; column < SlotCount; ++column)
            item->setText(column, QString::fromStdString(data.*SlotTexts[column]));
    } else {
        item->setText(ColumnOf(field), QString::fromStdString(data.*SlotTexts[ColumnOf(field)]));
    }
}

bool TTaskList::IsListed(const QString& path) const
{
    // A listed file named another way, or through a link, is listed. A row
    // whose file is gone, or was replaced since, is known by its text alone.
    const std::optional<TFileId> id = FileIdOf(path.toStdString());
    const int count = TaskCount();
    for (int row = 0; row < count; ++row) {
        const QTreeWidgetItem* item = FControls.ltvTask->topLevelItem(row);
        if (item->text(0) == path)
            return true;
        if (id && RowFileId(item) == id && FileIdOf(item->text(0).toStdString()) == id)
            return true;
    }
    return false;
}

void TTaskList::AddTaskFile(const QString& path)
{
    if (IsAdding()) {
        AddTaskPaths({path});
        return;
    }
    FControls.panbg->hide();
    if (IsListed(path))
        return;
    AppendTask(path, ProbeMedia(FEncoderPath, path), FDetail.OutputExt.toStdString());
}

void TTaskList::AppendTask(const QString& path, const TProbeResult& probe,
                           const std::string& newExt)
{
    const ltvItemData data = NewTaskRecord(path.toStdString(), probe.LengthText.toStdString(),
                                           probe.SizeText.toStdString(), newExt);

    // The finished row is appended whole, which spares the view a second
    // round of change signals.
    QStringList texts;
    texts.reserve(SlotCount);
    for (const auto text : SlotTexts)
        texts.append(QString::fromStdString(data.*text));
    auto* item = new QTreeWidgetItem(texts);
    if (const std::optional<TFileId> id = FileIdOf(data.InputFile)) {
        item->setData(0, FileDeviceRole, qulonglong(id->Device));
        item->setData(0, FileInodeRole, qulonglong(id->Inode));
    }
    FControls.ltvTask->addTopLevelItem(item);
}

void TTaskList::AddTaskDirectory(const QString& directory)
{
    if (!directory.isEmpty() && QFileInfo(directory).isDir())
        AddTaskPaths({directory});
}

void TTaskList::ReportUnnamable(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    // Shown as the system shows such names, with replacement characters; a
    // long list is cut, as a message box cannot scroll.
    QStringList lines;
    for (std::size_t i = 0; i < paths.size() && i < UnnamableShown; ++i)
        lines << QString::fromUtf8(paths[i].data(), static_cast<qsizetype>(paths[i].size()));
    if (paths.size() > UnnamableShown)
        lines << QStringLiteral("... and %1 more.").arg(paths.size() - UnnamableShown);
    FPlatform.MessageBox(FControls.Window, UnnamableText + lines.join(QLatin1Char('\n')),
                         UnnamableTitle, Platform::Icon::Information, Platform::Buttons::Ok);
}

void TTaskList::EnableTaskButtons(bool enabled)
{
    // A running batch locks the list with these buttons. A directory add that
    // pumped events into a Start ends while the batch runs; switching them on
    // then would let the user move or delete rows under the runner.
    if (enabled && !FControls.ltvTask->isEnabledTo(FControls.Window))
        return;
    for (QToolButton* button : {FControls.tbtnUp, FControls.tbtnDown, FControls.tbtnRemove,
                                FControls.tbtnClear, FControls.tbtnStart})
        button->setEnabled(enabled);
}

QStringList TTaskList::OpenDialogNameFilters()
{
    // Qt reads a filter's patterns from its trailing parentheses, separated by
    // blanks. Each description already ends in its patterns, written the
    // Windows way; they are rewritten in place so that the user sees the same
    // text once. "*.*" is the Windows spelling of every file, "*" here.
    const QStringList parts = QString::fromStdString(OpenDialogFilter()).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")),
                                  QStringLiteral("*"));
        const QString& description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        const QString caption = open < 0 ? description + QLatin1Char(' ') : description.left(open);
        filters.append(caption + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}
