// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/OutputGrid.h"

#include "encoder/TrackRules.h"
#include "profiles/ProfileGrids.h"
#include "tasks/OutputEdit.h"
#include "widgets/BalloonTip.h"
#include "widgets/ValueListEditor.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <algorithm>

namespace {

// The rows' keys, found and shown as the grid's own rows were.
const char* const RowKeys[] = {
    QT_TRANSLATE_NOOP("TValueRows", "New Filename"), QT_TRANSLATE_NOOP("TValueRows", "Start Time"),
    QT_TRANSLATE_NOOP("TValueRows", "End Time"),     QT_TRANSLATE_NOOP("TValueRows", "Target Size"),
    QT_TRANSLATE_NOOP("TValueRows", "Audio Tracks"), QT_TRANSLATE_NOOP("TValueRows", "Subtitles")};
// The refused target's title is the task view's, as it was before the grid
// had a class of its own.
const char* const TargetRefusedTitle = QT_TRANSLATE_NOOP("TTaskView", "Target Size:");

QString Str(const std::string& text)
{
    return QString::fromStdString(text);
}

// "2: ac3, fre, “Director”": a track numbered within its kind, as a user
// counts them.
QString TrackCaption(const TMediaTrack& track, int number)
{
    QStringList parts{Str(track.Codec)};
    if (!track.Language.empty())
        parts << Str(track.Language);
    if (!track.Title.empty())
        parts << QStringLiteral("\u201c%1\u201d").arg(Str(track.Title));
    return QStringLiteral("%1: %2").arg(number).arg(parts.join(QStringLiteral(", ")));
}

std::string Container(const TTaskPlan& plan)
{
    return plan.OutputExt.empty() ? std::string() : plan.OutputExt.substr(1);
}

} // namespace

TOutputModel::TOutputModel(TTaskModel& tasks, TTaskPlans& plans, QObject* parent)
    : QAbstractTableModel(parent), FTasks(tasks), FPlans(plans)
{
}

int TOutputModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int TOutputModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int TOutputModel::ShownRow() const
{
    return FShown == 0 ? -1 : FTasks.RowOf(FShown);
}

void TOutputModel::Show(TaskId id)
{
    FShown = id;
    Settled();
}

void TOutputModel::Refresh()
{
    emit dataChanged(index(0, 1), index(RowCount - 1, 1));
}

void TOutputModel::Settled()
{
    FTyped.fill(std::nullopt);
    Refresh();
}

QString TOutputModel::Value(int row) const
{
    const std::optional<QString>& typed = FTyped[std::size_t(row)];
    return typed ? *typed : TaskValue(row);
}

QString TOutputModel::TaskValue(int row) const
{
    const int at = ShownRow();
    if (at < 0)
        return {};
    const ltvItemData& task = FTasks.At(at).Data;
    switch (row) {
    case NewFilenameRow:
        // The name the task's plan gives: its pin's extension, or the batch
        // profile's as it is now.
        return Str(FPlans.At(at).OutputName);
    case StartTimeRow:
        return Str(task.Start.Text());
    case EndTimeRow:
        return Str(task.End.Text());
    case TargetSizeRow:
        return Str(task.TargetText);
    case AudioTracksRow:
        return AudioText();
    default: {
        if (!task.TracksKnown)
            return {};
        if (!task.SubtitleChoice.empty())
            return Str(task.SubtitleChoice);
        const TTrackChoice choice = TaskTrackChoice(task, FPlans.Preferences().Tracks);
        return Str(SubtitleChoiceText(choice.Subtitles, choice.SubtitleTrack));
    }
    }
}

// "1 of 2 (eng)": the sound tracks the plan keeps of the file's.
QString TOutputModel::AudioText() const
{
    const int at = ShownRow();
    if (at < 0 || !FTasks.At(at).Data.TracksKnown)
        return {};
    const TTaskPlan& plan = FPlans.At(at);
    int total = 0;
    QStringList languages;
    for (const TMediaTrack& track : FTasks.At(at).Data.Tracks) {
        if (track.Kind != TMediaTrack::TKind::Audio)
            continue;
        ++total;
        if (!track.Language.empty() &&
            std::count(plan.SoundTracks.begin(), plan.SoundTracks.end(), track.Index) > 0 &&
            !languages.contains(Str(track.Language)))
            languages << Str(track.Language);
    }
    if (total == 0)
        return tr("None");
    const QString count = tr("%1 of %2").arg(plan.SoundTracks.size()).arg(total);
    return languages.isEmpty() ? count : tr("%1 (%2)").arg(count, languages.join(", "));
}

QStringList TOutputModel::SubtitleItems() const
{
    const int at = ShownRow();
    if (at < 0 || !FTasks.At(at).Data.TracksKnown)
        return {};
    const std::string container = Container(FPlans.At(at));
    QStringList items{QStringLiteral("none")};
    for (const TMediaTrack& track : FTasks.At(at).Data.Tracks) {
        if (track.Kind != TMediaTrack::TKind::Subtitle)
            continue;
        if (CanKeepSubtitle(track, container))
            items << Str(SubtitleChoiceText(TTrackChoice::TSubtitles::Keep, track.Index));
        // Where the container takes no subtitles, burning in is all there is.
        if (CanBurnSubtitle(track, container))
            items << Str(SubtitleChoiceText(TTrackChoice::TSubtitles::Burn, track.Index));
    }
    return items;
}

QStringList TOutputModel::SubtitleCaptions() const
{
    QStringList shown;
    for (const QString& item : SubtitleItems())
        shown << SubtitleCaption(item);
    return shown;
}

// "Keep 1: subrip, eng" for "keep:3".
QString TOutputModel::SubtitleCaption(const QString& stored) const
{
    const int at = ShownRow();
    if (at < 0 || stored.isEmpty())
        return stored;
    TTrackChoice choice;
    ReadKeptTrackChoice({}, stored.toStdString(), choice);
    if (choice.Subtitles == TTrackChoice::TSubtitles::None)
        return tr("None");
    const bool keep = choice.Subtitles == TTrackChoice::TSubtitles::Keep;
    if (choice.SubtitleTrack < 0)
        return keep ? tr("Keep where the container can") : tr("Burn in forced or first");
    int number = 0;
    for (const TMediaTrack& track : FTasks.At(at).Data.Tracks)
        if (track.Kind == TMediaTrack::TKind::Subtitle) {
            ++number;
            if (track.Index == choice.SubtitleTrack)
                return (keep ? tr("Keep %1") : tr("Burn in %1")).arg(TrackCaption(track, number));
        }
    return stored;
}

QVariant TOutputModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= RowCount)
        return {};
    const int row = index.row();
    const bool subtitles = row == SubtitlesRow && !SubtitleItems().isEmpty();
    if (index.column() == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
        return role == Qt::EditRole ? QString(RowKeys[row])
                                    : QCoreApplication::translate("TValueRows", RowKeys[row]);
    switch (role) {
    case Qt::DisplayRole:
        return row == AudioTracksRow ? AudioText()
               : row == SubtitlesRow ? SubtitleCaption(Value(row))
                                     : Value(row);
    case Qt::EditRole:
        return row == AudioTracksRow ? AudioText() : Value(row);
    case ReadOnlyRole:
        return row == AudioTracksRow || subtitles;
    case EditStyleRole:
        return int(subtitles ? ValueListEditor::esPickList : ValueListEditor::esSimple);
    case PickListRole:
        return subtitles ? SubtitleItems() : QStringList();
    case ShownPickListRole:
        return subtitles ? SubtitleCaptions() : QStringList();
    case Qt::ToolTipRole: {
        const int at = ShownRow();
        if ((row == StartTimeRow || row == EndTimeRow) && at >= 0 &&
            FPlans.At(at).Profile->VideoCopied)
            return tr("With \"Copy (no re-encoding)\" the cut falls on the nearest key frame "
                      "before this time.");
        return {};
    }
    default:
        return {};
    }
}

bool TOutputModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole ||
        index.row() >= RowCount || index.row() == AudioTracksRow)
        return false;
    const QString text = value.toString();
    if (text == Value(index.row()))
        return true;
    FTyped[std::size_t(index.row())] = text;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TOutputModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.isValid() && index.column() == 1 && index.row() != AudioTracksRow)
        flags |= Qt::ItemIsEditable;
    return flags;
}

TTrackChecklist::TTrackChecklist(QWidget* parent) : QListWidget(parent)
{
    setWindowFlags(Qt::Popup);
    setAccessibleName(
        QCoreApplication::translate("TValueRows", RowKeys[TOutputModel::AudioTracksRow]));
}

std::vector<int> TTrackChecklist::Ticked() const
{
    std::vector<int> ticked;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked)
            ticked.push_back(item(i)->data(Qt::UserRole).toInt());
    return ticked;
}

void TTrackChecklist::hideEvent(QHideEvent* event)
{
    QListWidget::hideEvent(event);
    emit Closed();
}

TOutputGrid::TOutputGrid(ValueListEditor& grid, TTaskModel& tasks, TTaskPlans& plans,
                         TBalloon balloon, QObject* parent)
    : QObject(parent), FGrid(grid), FTasks(tasks), FPlans(plans), FBalloon(std::move(balloon)),
      FModel(new TOutputModel(tasks, plans, this))
{
    FGrid.setModel(FModel);
    FitGridHeight(&FGrid);
    connect(&FGrid, &ValueListEditor::Validate, this, &TOutputGrid::Validate);
    // The rows follow their task and its plan, whatever changed them.
    connect(&FPlans, &TTaskPlans::Changed, FModel, &TOutputModel::Refresh);
    connect(&FTasks, &QAbstractItemModel::dataChanged, FModel, &TOutputModel::Refresh);
    connect(&FTasks, &TTaskModel::RecordChanged, FModel, &TOutputModel::Refresh);
    connect(&FTasks, &QAbstractItemModel::rowsRemoved, FModel, &TOutputModel::Refresh);
    connect(&FTasks, &QAbstractItemModel::modelReset, FModel, &TOutputModel::Refresh);
    // A subtitle picked is taken at once, after the drop-down has closed.
    connect(FModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (from == to && from.row() == TOutputModel::SubtitlesRow &&
                    FModel->Typed(TOutputModel::SubtitlesRow))
                    QMetaObject::invokeMethod(this, &TOutputGrid::Validate, Qt::QueuedConnection);
            });
    connect(&FGrid, &ValueListEditor::MouseDown, this, [this] {
        if (FGrid.Row() == TOutputModel::AudioTracksRow)
            OpenAudioChecklist();
    });
    connect(&FGrid, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.row() == TOutputModel::AudioTracksRow)
            OpenAudioChecklist();
    });
}

void TOutputGrid::Validate()
{
    const int row = FModel->ShownRow();
    if (row < 0)
        return;
    ltvItemData data;
    FTasks.Read(row, TaskField::AllFields, data);
    const auto value = [this](int row) {
        return FModel->Value(row).toStdString();
    };
    const bool trimmed = FModel->Typed(TOutputModel::StartTimeRow).has_value() ||
                         FModel->Typed(TOutputModel::EndTimeRow).has_value();
    const TOutputEdit edit =
        ValidateOutputEdit(data, value(TOutputModel::NewFilenameRow),
                           value(TOutputModel::StartTimeRow), value(TOutputModel::EndTimeRow));
    data.NewName = edit.NewName;
    data.NewExt = edit.NewExt;
    data.Span = edit.Span;
    data.Start = edit.Start;
    data.End = edit.End;
    for (const TaskField field : {TaskField::NewName, TaskField::NewExt, TaskField::SpanText,
                                  TaskField::StartText, TaskField::EndText})
        FTasks.Write(row, field, data);
    const std::optional<QString> subtitles = FModel->Typed(TOutputModel::SubtitlesRow);
    ValidateTarget(row, value(TOutputModel::TargetSizeRow));
    if (subtitles)
        ChooseTracks(data.AudioChoice, subtitles->toStdString());
    FModel->Settled();
    if (trimmed && FPlans.At(row).Profile->VideoCopied)
        FBalloon(TBalloonTip::tiInfo, tr("Tip:"),
                 FModel->index(TOutputModel::StartTimeRow, 1).data(Qt::ToolTipRole).toString());
}

void TOutputGrid::ValidateTarget(int row, const std::string& typed)
{
    ltvItemData data;
    FTasks.Read(row, TaskField::AllFields, data);
    const bool blank = typed.find_first_not_of(" \t") == std::string::npos;
    const std::string target = blank ? std::string() : typed;
    if (target == data.TargetText)
        return;
    data.TargetText = target;
    // The row shows the target kept.
    if (const TTaskPlan plan = FPlans.Planned(data); !plan.Refusal.empty()) {
        FModel->Settled();
        FBalloon(TBalloonTip::tiWarning,
                 QCoreApplication::translate("TTaskView", TargetRefusedTitle), Str(plan.Refusal));
        return;
    }
    FTasks.Write(row, TaskField::TargetText, data);
}

void TOutputGrid::ChooseTracks(const std::string& audio, const std::string& subtitles)
{
    const int row = FModel->ShownRow();
    if (row < 0)
        return;
    ltvItemData data;
    FTasks.Read(row, TaskField::AllFields, data);
    const bool sound = audio != data.AudioChoice;
    if (!sound && subtitles == data.SubtitleChoice)
        return;
    const std::string before = FPlans.At(row).Refusal;
    data.AudioChoice = audio;
    data.SubtitleChoice = subtitles;
    if (const TTaskPlan plan = FPlans.Planned(data);
        !plan.Refusal.empty() && plan.Refusal != before) {
        FModel->Settled();
        FBalloon(TBalloonTip::tiWarning,
                 QCoreApplication::translate(
                     "TValueRows",
                     RowKeys[sound ? TOutputModel::AudioTracksRow : TOutputModel::SubtitlesRow]) +
                     QLatin1Char(':'),
                 Str(plan.Refusal));
        return;
    }
    FTasks.Write(row, TaskField::TrackChoice, data);
}

void TOutputGrid::OpenAudioChecklist()
{
    const int row = FModel->ShownRow();
    if (row < 0 || !FTasks.At(row).Data.TracksKnown)
        return;
    const ltvItemData& task = FTasks.At(row).Data;
    const std::vector<int>& kept = FPlans.At(row).SoundTracks;
    if (FChecklist)
        return; // open already
    FChecklist = new TTrackChecklist(&FGrid);
    int number = 0;
    for (const TMediaTrack& track : task.Tracks) {
        if (track.Kind != TMediaTrack::TKind::Audio)
            continue;
        auto* item = new QListWidgetItem(TrackCaption(track, ++number), FChecklist);
        item->setData(Qt::UserRole, track.Index);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool ticked = std::find(kept.begin(), kept.end(), track.Index) != kept.end();
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (number == 0) {
        delete FChecklist;
        FChecklist = nullptr;
        return;
    }
    const QRect cell = FGrid.visualRect(FModel->index(TOutputModel::AudioTracksRow, 1));
    FChecklist->setMinimumWidth(std::max(cell.width(), FChecklist->sizeHintForColumn(0) + 24));
    FChecklist->setFixedHeight(number * FChecklist->sizeHintForRow(0) +
                               2 * FChecklist->frameWidth());
    FChecklist->move(FGrid.viewport()->mapToGlobal(cell.bottomLeft()));
    const std::vector<int> before = kept;
    TTrackChecklist* list = FChecklist;
    connect(list, &TTrackChecklist::Closed, this, [this, list, before] {
        const std::vector<int> ticked = list->Ticked();
        list->deleteLater();
        FChecklist = nullptr;
        // The same tracks again stay the preferences' choice.
        if (const int shown = FModel->ShownRow(); shown >= 0 && ticked != before)
            ChooseTracks(ListedAudioText(ticked), FTasks.At(shown).Data.SubtitleChoice);
    });
    FChecklist->show();
}
