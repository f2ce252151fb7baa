// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileGrids.h"

#include "base/NewInifiles.h"
#include "platform/Platform.h"
#include "platform/Translators.h"
#include "profiles/ProfileSaver.h"
#include "profiles/ProfileWalker.h"
#include "widgets/ValueListEditor.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

QStringList ToStringList(const std::vector<std::string>& items)
{
    QStringList list;
    list.reserve(int(items.size()));
    for (const std::string& item : items)
        list.append(QString::fromStdString(item));
    return list;
}

} // namespace

ValueListEditor* TProfileGrids::ForGroup(int group) const
{
    switch (group) {
    case pgVideo:
        return Video;
    case pgAudio:
        return Audio;
    case pgAdvanced:
        return Advanced;
    default:
        return nullptr;
    }
}

QStringList StartupRows(int group)
{
    switch (group) {
    case pgVideo:
        return {"Video Codec", "Video Size", "Bit Rate", "Frame Rate", "Aspect", "Disable Video"};
    case pgAudio:
        return {"Audio Codec", "Audio Bitrate", "Sample Rate",
                "Channels",    "Volumn",        "Disable Audio"};
    case pgAdvanced:
        return {"Bit Exact Algorithms", "Deinterlace"};
    default:
        return {};
    }
}

std::array<TGridStack::TGroup, 3> AddParameterGroups(TGridStack& stack, int keyWidth,
                                                     int valueWidth)
{
    return {stack.AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Video"), StartupRows(pgVideo), keyWidth,
                           valueWidth),
            stack.AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Audio"), StartupRows(pgAudio), keyWidth,
                           valueWidth),
            stack.AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Advanced"), StartupRows(pgAdvanced),
                           keyWidth, valueWidth)};
}

QString ListIndexErrorText(int index)
{
    return QCoreApplication::translate("TChoiceGrids", "List index out of bounds (%1)").arg(index);
}

void FitGridHeight(ValueListEditor* grid)
{
    // The toolkit's grid never had fewer than one row, so an empty group
    // still showed one blank row under its header.
    grid->setFixedHeight(std::max(grid->RowCount(), 1) * ValueListEditor::RowPitch);
}

TChoiceModel::TChoiceModel(TProfileChoice& choice, int group, QObject* parent)
    : QAbstractTableModel(parent), FChoice(choice), FGroup(group)
{
}

int TChoiceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(FParameters.size());
}

int TChoiceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TChoiceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= FParameters.size())
        return {};
    const std::size_t i = FParameters[std::size_t(index.row())];
    const TProfileParameter& p = FChoice.Parameters[i];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(index.column() == 0 ? p.Name : FChoice.ShownText(i));
    case ReadOnlyRole:
        // A pick list with a valid Index is only picked from, never typed into.
        return p.ReadOnly || (p.IsList && p.IndexValid());
    case EditStyleRole:
        return int(p.IsList ? ValueListEditor::esPickList : ValueListEditor::esSimple);
    case PickListRole:
        return p.IsList ? ToStringList(p.Items) : QStringList();
    default:
        return {};
    }
}

bool TChoiceModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole ||
        std::size_t(index.row()) >= FParameters.size())
        return false;
    const std::size_t i = FParameters[std::size_t(index.row())];
    const std::string shown = value.toString().toStdString();
    // The same text again is no change for anyone watching the grid.
    if (shown == FChoice.ShownText(i))
        return true;
    FChoice.Pick(i, shown);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TChoiceModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!index.isValid() || index.column() != 1 || std::size_t(index.row()) >= FParameters.size())
        return flags;
    const TProfileParameter& p = FChoice.Parameters[FParameters[std::size_t(index.row())]];
    // A read-only pick list still opens its drop-down: picking is allowed.
    if (!p.ReadOnly || p.IsList)
        flags |= Qt::ItemIsEditable;
    return flags;
}

void TChoiceModel::Reload()
{
    beginResetModel();
    FParameters.clear();
    for (std::size_t i = 0; i < FChoice.Shown; ++i)
        if (FChoice.Parameters[i].Group == FGroup)
            FParameters.push_back(i);
    endResetModel();
}

void TChoiceModel::ParameterChanged(std::size_t parameter)
{
    const auto found = std::find(FParameters.begin(), FParameters.end(), parameter);
    if (found == FParameters.end())
        return;
    const int row = int(found - FParameters.begin());
    emit dataChanged(index(row, 1), index(row, 1), {Qt::DisplayRole, Qt::EditRole});
}

TChoiceGrids::TChoiceGrids(const TProfileGrids& grids, QObject* parent)
    : QObject(parent), FGrids(grids)
{
    for (int group : {pgVideo, pgAudio, pgAdvanced})
        FModels[std::size_t(group - pgVideo)] = new TChoiceModel(FChoice, group, this);
}

void TChoiceGrids::Pick(std::size_t parameter, const std::string& shown)
{
    FChoice.Pick(parameter, shown);
    ModelOf(FChoice.Parameters[parameter].Group)->ParameterChanged(parameter);
}

bool TChoiceGrids::Load(const QString& path, Platform& platform, QString* outputExt)
{
    const std::string file = path.toStdString();
    if (!FileExists(file))
        return false;
    FChoice = LoadProfileChoice(file);
    Show();
    const TProfileWalk& walk = FChoice.Walk;
    if (walk.Status == TWalkStatus::NoMainSection) {
        // Defaults made up for a file that is no profile would convert to
        // a type the user never picked.
        platform.ShowError(QString::fromStdString(NoMainSectionTextOf(file, TranslatedText)));
        return false;
    }
    // The type is read before any parameter, so a load that fails on one
    // has already changed the output extension.
    if (outputExt)
        *outputExt = QString::fromStdString(FChoice.OutputExt());
    if (walk.Status == TWalkStatus::ListIndexError) {
        platform.ShowError(ListIndexErrorText(walk.BadIndex));
        return false;
    }
    return true;
}

void TChoiceGrids::Show()
{
    for (int group : {pgVideo, pgAudio, pgAdvanced}) {
        ModelOf(group)->Reload();
        FGrids.ForGroup(group)->setModel(ModelOf(group));
    }
    // A load stopped by a bad Index leaves the grids at their old heights.
    if (FChoice.Walk.Status != TWalkStatus::ListIndexError)
        for (int group : {pgVideo, pgAudio, pgAdvanced})
            FitGridHeight(FGrids.ForGroup(group));
}

bool TChoiceGrids::Save(const QString& path, Platform& platform) const
{
    // Each name's first shown parameter, as a grid finds a row by its label.
    QHash<QString, std::size_t> first;
    for (std::size_t i = FChoice.Shown; i-- > 0;) {
        const TProfileParameter& p = FChoice.Parameters[i];
        first.insert(QString::number(p.Group) + QString::fromStdString(p.Name).toCaseFolded(), i);
    }
    const auto lookup = [&](int group, const std::string& name, TShownRow& shown) {
        const auto found =
            first.constFind(QString::number(group) + QString::fromStdString(name).toCaseFolded());
        if (found == first.constEnd())
            return false;
        shown.Value = FChoice.ShownText(*found);
        shown.Choices = FChoice.Parameters[*found].Items;
        return true;
    };
    try {
        SaveShownRows(path.toStdString(), lookup);
    } catch (const EIniWriteError& error) {
        platform.ShowError(QString::fromStdString(error.Shown(TranslatedText)));
        return false;
    }
    return true;
}
