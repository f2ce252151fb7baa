// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskModel.h"
#include "tasks/TaskPlans.h"

#include <QAbstractTableModel>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class ValueListEditor;

// The output grid's rows as a view of one task and its plan: the name the
// plan gives, the part to convert, the target, and the sound and subtitle
// tracks it keeps. What the user types stays in the grid until the edit is
// settled (TOutputGrid::Validate); then the task's own values show again, so
// a change of the batch's profile or of the task shows at once.
class TOutputModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum TRow
    {
        NewFilenameRow,
        StartTimeRow,
        EndTimeRow,
        TargetSizeRow,
        AudioTracksRow,
        SubtitlesRow,
        RowCount
    };

    TOutputModel(TTaskModel& tasks, TTaskPlans& plans, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Shows task `id` (0: none); what was typed is dropped.
    void Show(TaskId id);
    TaskId Shown() const { return FShown; }
    // The shown task's row, -1 when it shows none (or its task is gone).
    int ShownRow() const;
    // Row `row`'s value as the code stores it: what was typed, else the task's.
    QString Value(int row) const;
    const std::optional<QString>& Typed(int row) const { return FTyped[std::size_t(row)]; }
    // Reads every row again; what was typed stays until Settled.
    void Refresh();
    void Settled();

private:
    QString TaskValue(int row) const;
    QString AudioText() const;
    // The subtitle row's items: as stored, and as shown.
    QStringList SubtitleItems() const;
    QStringList SubtitleCaptions() const;
    QString SubtitleCaption(const QString& stored) const;

    TTaskModel& FTasks;
    TTaskPlans& FPlans;
    TaskId FShown = 0;
    std::array<std::optional<QString>, RowCount> FTyped;
};

// The shown task's sound tracks, each with a tick, under the "Audio Tracks"
// row; closing it hands over the ticked tracks.
class TTrackChecklist : public QListWidget
{
    Q_OBJECT

public:
    explicit TTrackChecklist(QWidget* parent);
    // The ticked tracks' stream numbers, in the file's order.
    std::vector<int> Ticked() const;

signals:
    void Closed();

protected:
    void hideEvent(QHideEvent* event) override;
};

// The output grid of the main window, a view of the selected task's plan
// (TOutputModel): an edit settled in it goes into the task it shows, within
// the task's bounds, and one its plan refuses is named in a balloon.
class TOutputGrid : public QObject
{
    Q_OBJECT

public:
    // Shows a balloon over the grid: icon (TBalloonTip::TIcon), title, text.
    using TBalloon = std::function<void(int icon, const QString& title, const QString& text)>;

    TOutputGrid(ValueListEditor& grid, TTaskModel& tasks, TTaskPlans& plans, TBalloon balloon,
                QObject* parent = nullptr);

    ValueListEditor& Grid() const { return FGrid; }
    TOutputModel& Model() const { return *FModel; }
    // Whether the grid shows a task still in the list.
    bool ShowsTask() const { return FModel->ShownRow() >= 0; }
    void Show(TaskId id) { FModel->Show(id); }
    // The grid's edit is settled: its name, times, target and subtitles go
    // into the task it shows.
    void Validate();
    // A target is planned against the span just stored and the task's own
    // profile; one that cannot be met is refused, with the reason.
    void ValidateTarget(int row, const std::string& typed);
    // Opens the checklist of the shown task's sound tracks under its row.
    void OpenAudioChecklist();

private:
    // Stores the task's sound or subtitle choice unless its plan refuses it.
    void ChooseTracks(const std::string& audio, const std::string& subtitles);

    ValueListEditor& FGrid;
    TTaskModel& FTasks;
    TTaskPlans& FPlans;
    TBalloon FBalloon;
    TOutputModel* FModel;
    TTrackChecklist* FChecklist = nullptr;
};
