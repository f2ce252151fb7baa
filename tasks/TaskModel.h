// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/FileIdentity.h"
#include "tasks/TaskRecord.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

// A task's identity in the list: given when the task is appended, kept
// wherever the task moves, and never given again.
using TaskId = quint64;

// Everything the list holds of one task; all of it moves with the task.
struct TTask
{
    ltvItemData Data;
    // What the encoder wrote in the task's last conversion; empty for none.
    QString Log;
    // The Status cell's tooltip: why the task failed, or the name its output
    // was saved as.
    QString StatusTip;
    // How far its conversion is, in percent, while several tasks convert at
    // once; -1 otherwise. The Status cell draws it as a bar.
    int Percent = -1;
    // The identity its file had when it was added, for the duplicate rule.
    std::optional<TFileId> File;
    // What the probe told of the file, one fact a line; empty for a task
    // kept from an earlier session.
    QString Facts;
    // The probe read the file and found no sound in it; false for a task
    // kept from an earlier session, which is planned as if it had sound.
    bool NoAudio = false;
    // The task's picture: its file in the thumbnail cache once taken; empty
    // while it is being taken and, once ThumbnailDone, for a file that gave
    // none.
    QString Thumbnail;
    bool ThumbnailDone = false;
};

// How a task pinned to its own profile names it, in its Status tooltip and
// its Input File cell's description.
QString PinnedProfileText(const ltvItemData& task);

// What an update changes of a task; what is not set stays as it is.
struct TTaskUpdate
{
    std::optional<TaskState> State{};
    std::optional<QString> StatusTip{};
    std::optional<QString> Log{};
    std::optional<int> Percent{};
};

// The task list's tasks in conversion order, each under its id. Views see
// four columns, "Input File", "Length", "Size" and "Status"; the rest of a
// task is read through its record. Appending many tasks, moving one and
// clearing all are each one change of the model, whatever the list's length.
class TTaskModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        InputFileColumn,
        LengthColumn,
        SizeColumn,
        StatusColumn,
        ColumnCount
    };
    // The task's id, on each of its cells.
    static constexpr int IdRole = Qt::UserRole;
    // The task's Percent, on its Status cell while it is not -1.
    static constexpr int PercentRole = Qt::UserRole + 1;
    // The display aspect ("16:9") on the Size cell, when known.
    static constexpr int AspectRole = Qt::UserRole + 2;
    // The thumbnail's place in the Input File cell, in device-independent
    // pixels: the list's row height is made for it.
    static constexpr QSize ThumbnailSize{64, 36};

    explicit TTaskModel(QObject* parent = nullptr);

    // Appends the tasks in their order and gives each a new id. The numbers
    // of their records are read from their texts.
    void Append(std::vector<TTask> tasks);

    int TaskCount() const { return static_cast<int>(FRows.size()); }
    const TTask& At(int row) const { return FRows[static_cast<std::size_t>(row)].Task; }
    TaskId IdAt(int row) const { return FRows[static_cast<std::size_t>(row)].Id; }
    // The task's row; -1 once it has left the list.
    int RowOf(TaskId id) const;

    // The record's fields as ReadTask and WriteTask take them; the row exists.
    void Read(int row, TaskField field, ltvItemData& data) const;
    void Write(int row, TaskField field, const ltvItemData& data);
    // The one route by which a batch changes a task: by its id, so that
    // the task is found wherever it is. False, changing nothing, once the
    // task has left the list.
    bool Update(TaskId id, const TTaskUpdate& update);
    // The task's facts (TTask::Facts) are known.
    void SetFacts(TaskId id, const QString& facts);
    // The task's thumbnail is taken: `file` is its picture, empty for none.
    void SetThumbnail(TaskId id, const QString& file);
    // Whether the Input File cells show thumbnails, drawn for screens of
    // `pixelRatio` device pixels to one.
    void ShowThumbnails(bool shown, qreal pixelRatio);
    bool ThumbnailsShown() const { return FThumbnails; }
    qreal ThumbnailRatio() const { return FThumbnailRatio; }

    // Removes the rows named, in any order.
    void Remove(std::vector<int> rows);
    void Clear();
    // The task at `from` takes the place `to`; the tasks between close up.
    void Move(int from, int to);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A field that no column shows (the output name, the trim) was written:
    // views have nothing to redraw, but what keeps the list must know.
    void RecordChanged(int row);

private:
    struct TRow
    {
        TaskId Id;
        TTask Task;
    };
    void Changed(int row, int firstColumn, int lastColumn, const QList<int>& roles = {});
    QPixmap Thumbnail(const TTask& task) const;

    std::vector<TRow> FRows;
    TaskId FLastId = 0;
    // Rows by id, made again on the first look-up after rows left or moved.
    mutable std::unordered_map<TaskId, int> FRowOf;
    mutable bool FRowOfStale = false;
    bool FThumbnails = false;
    qreal FThumbnailRatio = 1;
};
