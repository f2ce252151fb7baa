// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskModel.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

const std::array<QString, TTaskModel::ColumnCount> ColumnCaptions = {
    QStringLiteral("Input File"), QStringLiteral("Length"), QStringLiteral("Size"),
    QStringLiteral("Status")};
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
        return QString::fromStdString(StateText(data.Status));
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

QVariant TTaskModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= TaskCount())
        return {};
    const TTask& task = At(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return CellText(task.Data, index.column());
    case Qt::ToolTipRole:
        if (index.column() == StatusColumn && !task.StatusTip.isEmpty())
            return task.StatusTip;
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
    return ColumnCaptions[static_cast<std::size_t>(section)];
}

Qt::ItemFlags TTaskModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
