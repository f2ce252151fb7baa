// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskModel.h"

#include "encoder/MediaFacts.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmapCache>
#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>

namespace {

const std::array<const char*, TTaskModel::ColumnCount> ColumnCaptions = {
    QT_TRANSLATE_NOOP("TTaskModel", "Input File"), QT_TRANSLATE_NOOP("TTaskModel", "Length"),
    QT_TRANSLATE_NOOP("TTaskModel", "Size"), QT_TRANSLATE_NOOP("TTaskModel", "Status")};
QString CellText(const ltvItemData& data, int column)
{
    switch (column) {
    case TTaskModel::InputFileColumn:
        return QString::fromStdString(data.InputFile);
    case TTaskModel::LengthColumn:
        return QString::fromStdString(data.Length.Text());
    case TTaskModel::SizeColumn:
        return QString::fromStdString(data.SizeText);
    default:
        return QCoreApplication::translate("TaskState", StateText(data.Status).c_str());
    }
}

// The visible column a field is shown in, -1 for a field without one.
int ColumnOf(TaskField field)
{
    switch (field) {
    case TaskField::InputFileOnly:
        return TTaskModel::InputFileColumn;
    case TaskField::LengthText:
        return TTaskModel::LengthColumn;
    case TaskField::SizeText:
        return TTaskModel::SizeColumn;
    case TaskField::Status:
        return TTaskModel::StatusColumn;
    default:
        return -1;
    }
}

// A task's thumbnail, or the neutral picture of a file that gave none, in
// the middle of a cell-sized picture, so that every row keeps one height
// whatever the video's shape. Made once per file and screen.
QPixmap FramedPicture(const QString& file, qreal ratio)
{
    const QString key = QStringLiteral("quenby-thumb:%1:%2").arg(ratio).arg(file);
    QPixmap framed;
    if (QPixmapCache::find(key, &framed))
        return framed;
    const QSize size = TTaskModel::ThumbnailSize * ratio;
    framed = QPixmap(size);
    framed.fill(Qt::transparent);
    QPainter painter(&framed);
    QImage picture;
    if (!file.isEmpty() && picture.load(file)) {
        picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((size.width() - picture.width()) / 2,
                          (size.height() - picture.height()) / 2, picture);
    } else if (file.isEmpty()) {
        // No frame: a grey screen with a play mark, a video without a face.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x80, 0x80, 0x80, 0x60));
        painter.drawRoundedRect(QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1), 3 * ratio,
                                3 * ratio);
        painter.setBrush(QColor(0xff, 0xff, 0xff, 0xc0));
        const QPointF mid(size.width() / 2.0, size.height() / 2.0);
        const qreal r = size.height() / 5.0;
        const QPointF mark[] = {mid + QPointF(-r * 0.7, -r), mid + QPointF(-r * 0.7, r),
                                mid + QPointF(r, 0)};
        painter.drawPolygon(mark, 3);
    }
    painter.end();
    framed.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, framed);
    return framed;
}

} // namespace

TTaskModel::TTaskModel(QObject* parent) : QAbstractTableModel(parent) {}

void TTaskModel::Append(std::vector<TTask> tasks)
{
    if (tasks.empty())
        return;
    const int first = TaskCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(tasks.size()) - 1);
    // Grown by half at least, so that adding files one at a time does not
    // move the whole list at every add.
    if (const std::size_t needed = FRows.size() + tasks.size(); needed > FRows.capacity())
        FRows.reserve(std::max(needed, FRows.capacity() + FRows.capacity() / 2));
    for (TTask& task : tasks) {
        FRows.push_back({++FLastId, std::move(task)});
        if (!FRowOfStale)
            FRowOf.emplace(FLastId, TaskCount() - 1);
    }
    endInsertRows();
}

int TTaskModel::RowOf(TaskId id) const
{
    if (FRowOfStale) {
        FRowOf.clear();
        FRowOf.reserve(FRows.size());
        for (std::size_t row = 0; row < FRows.size(); ++row)
            FRowOf.emplace(FRows[row].Id, static_cast<int>(row));
        FRowOfStale = false;
    }
    const auto found = FRowOf.find(id);
    return found == FRowOf.end() ? -1 : found->second;
}

void TTaskModel::Read(int row, TaskField field, ltvItemData& data) const
{
    ReadTaskField(At(row).Data, field, data);
}

void TTaskModel::Write(int row, TaskField field, const ltvItemData& data)
{
    WriteTaskField(data, field, FRows[static_cast<std::size_t>(row)].Task.Data);
    if (field == TaskField::AllFields)
        Changed(row, 0, ColumnCount - 1);
    else if (const int column = ColumnOf(field); column >= 0)
        Changed(row, column, column);
    else
        emit RecordChanged(row);
}

bool TTaskModel::Update(TaskId id, const TTaskUpdate& update)
{
    const int row = RowOf(id);
    if (row < 0)
        return false;
    TTask& task = FRows[static_cast<std::size_t>(row)].Task;
    // Only what changed is told, so that the percent a running task draws
    // is no change that the kept list writes.
    QList<int> roles;
    if (update.State && *update.State != task.Data.Status) {
        task.Data.Status = *update.State;
        roles << Qt::DisplayRole << Qt::AccessibleTextRole;
    }
    if (update.StatusTip && *update.StatusTip != task.StatusTip) {
        task.StatusTip = *update.StatusTip;
        roles << Qt::ToolTipRole;
    }
    if (update.Percent && *update.Percent != task.Percent) {
        task.Percent = *update.Percent;
        roles << PercentRole << Qt::AccessibleTextRole;
    }
    if (update.Log)
        task.Log = *update.Log;
    if (!roles.isEmpty())
        Changed(row, StatusColumn, StatusColumn, roles);
    return true;
}

void TTaskModel::SetFacts(TaskId id, const QString& facts)
{
    // Tooltips and descriptions are asked for when wanted: no view redraws.
    if (const int row = RowOf(id); row >= 0)
        FRows[static_cast<std::size_t>(row)].Task.Facts = facts;
}

void TTaskModel::SetThumbnail(TaskId id, const QString& file)
{
    const int row = RowOf(id);
    if (row < 0)
        return;
    TTask& task = FRows[static_cast<std::size_t>(row)].Task;
    task.Thumbnail = file;
    task.ThumbnailDone = true;
    if (FThumbnails)
        Changed(row, InputFileColumn, InputFileColumn, {Qt::DecorationRole});
}

void TTaskModel::ShowThumbnails(bool shown, qreal pixelRatio)
{
    if (shown == FThumbnails && pixelRatio == FThumbnailRatio)
        return;
    // The rows change height: views lay them out again.
    emit layoutAboutToBeChanged();
    FThumbnails = shown;
    FThumbnailRatio = pixelRatio;
    emit layoutChanged();
}

QPixmap TTaskModel::Thumbnail(const TTask& task) const
{
    if (task.ThumbnailDone)
        return FramedPicture(task.Thumbnail, FThumbnailRatio);
    // Still being taken: an empty place of the same size.
    return FramedPicture(QStringLiteral("-"), FThumbnailRatio);
}

void TTaskModel::Changed(int row, int firstColumn, int lastColumn, const QList<int>& roles)
{
    emit dataChanged(index(row, firstColumn), index(row, lastColumn), roles);
}

void TTaskModel::Remove(std::vector<int> rows)
{
    // From the bottom up, a run of neighbouring rows at a time.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (std::size_t i = 0; i < rows.size();) {
        const int last = rows[i];
        int first = last;
        while (++i < rows.size() && rows[i] == first - 1)
            first = rows[i];
        beginRemoveRows(QModelIndex(), first, last);
        FRows.erase(FRows.begin() + first, FRows.begin() + last + 1);
        FRowOfStale = true;
        endRemoveRows();
    }
}

void TTaskModel::Clear()
{
    beginResetModel();
    FRows.clear();
    FRowOf.clear();
    FRowOfStale = false;
    endResetModel();
}

void TTaskModel::Move(int from, int to)
{
    if (from == to)
        return;
    // The toolkit names the place before which the row lands, counted
    // before the move.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    const auto at = [this](int row) {
        return FRows.begin() + row;
    };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    FRowOfStale = true;
    endMoveRows();
}

int TTaskModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : TaskCount();
}

int TTaskModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PinnedProfileText(const ltvItemData& task)
{
    //: A task's tip; %1 is the name of the profile it converts with
    return QCoreApplication::translate("TTaskModel", "Profile: %1")
        .arg(QString::fromStdString(task.Profile));
}

namespace {

// The status's note and pin, the file's facts and pin, or the probe's whole
// size text.
QVariant ToolTip(const TTask& task, int column)
{
    if (column == TTaskModel::StatusColumn) {
        QStringList lines;
        if (!task.StatusTip.isEmpty())
            lines << task.StatusTip;
        if (!task.Data.Profile.empty())
            lines << PinnedProfileText(task.Data);
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
    }
    if (column == TTaskModel::InputFileColumn &&
        (!task.Facts.isEmpty() || !task.Data.Profile.empty())) {
        // The pin is told where the eye rests, not only to a screen reader.
        QStringList lines{CellText(task.Data, TTaskModel::InputFileColumn)};
        if (!task.Facts.isEmpty())
            lines << QString() << task.Facts;
        if (!task.Data.Profile.empty())
            lines << PinnedProfileText(task.Data);
        return lines.join(QLatin1Char('\n'));
    }
    if (column == TTaskModel::SizeColumn && !ReadFrameSize(task.Data.SizeText).Size.empty())
        return CellText(task.Data, TTaskModel::SizeColumn).trimmed();
    return {};
}

} // namespace

QVariant TTaskModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= TaskCount())
        return {};
    const TTask& task = At(index.row());
    switch (role) {
    case Qt::DisplayRole:
        // The size in plain words; its tooltip holds the probe's whole text.
        if (index.column() == SizeColumn) {
            const std::string size = ReadFrameSize(task.Data.SizeText).Size;
            if (!size.empty())
                return QString::fromStdString(size);
        }
        return CellText(task.Data, index.column());
    case Qt::DecorationRole:
        if (index.column() == InputFileColumn && FThumbnails) {
            // The same picture selected: a video's colours are not tinted.
            const QPixmap picture = Thumbnail(task);
            QIcon icon(picture);
            icon.addPixmap(picture, QIcon::Selected);
            return icon;
        }
        return {};
    case AspectRole:
        if (index.column() == SizeColumn)
            return QString::fromStdString(ReadFrameSize(task.Data.SizeText).Aspect);
        return {};
    case Qt::ToolTipRole:
        return ToolTip(task, index.column());
    case Qt::AccessibleDescriptionRole:
        if (index.column() == InputFileColumn) {
            QStringList lines;
            if (!task.Facts.isEmpty())
                lines << task.Facts;
            if (!task.Data.Profile.empty())
                lines << PinnedProfileText(task.Data);
            return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
        }
        return {};
    case IdRole:
        return IdAt(index.row());
    case PercentRole:
        if (index.column() == StatusColumn && task.Percent >= 0)
            return task.Percent;
        return {};
    case Qt::AccessibleTextRole:
        // The bar is heard with the status it is drawn under.
        if (index.column() == StatusColumn && task.Percent >= 0)
            return QStringLiteral("%1, %2%")
                .arg(CellText(task.Data, StatusColumn))
                .arg(task.Percent);
        return {};
    default:
        return {};
    }
}

QVariant TTaskModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(ColumnCaptions[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags TTaskModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
