// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileGrids.h"

#include "base/NewInifiles.h"
#include "platform/Platform.h"
#include "profiles/ProfileSaver.h"
#include "profiles/ProfileWalker.h"
#include "widgets/ValueListEditor.h"

#include <QHash>

namespace {

QStringList ToStringList(const std::vector<std::string>& items)
{
    QStringList list;
    list.reserve(int(items.size()));
    for (const std::string& item : items)
        list.append(QString::fromStdString(item));
    return list;
}

void ClearRows(ValueListEditor* grid)
{
    for (int row = grid->RowCount() - 1; row >= 0; --row)
        grid->DeleteRow(row);
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

QString ListIndexErrorText(int index)
{
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

void FitGridHeight(ValueListEditor* grid)
{
    // The toolkit's grid never had fewer than one row, so an empty group
    // still showed one blank row under its header.
    grid->setFixedHeight(std::max(grid->RowCount(), 1) * ValueListEditor::RowPitch);
}

TChoiceGrids::TChoiceGrids(const TProfileGrids& grids, QObject* parent)
    : QObject(parent), FGrids(grids)
{
    for (int group : {pgVideo, pgAudio, pgAdvanced})
        connect(FGrids.ForGroup(group), &QTableWidget::itemChanged, this,
                [this, group](QTableWidgetItem* item) { Edited(group, item); });
}

void TChoiceGrids::Edited(int group, QTableWidgetItem* item)
{
    const std::vector<std::size_t>& rows = FRowParameters[std::size_t(group - pgVideo)];
    if (FShowing || item->column() != 1 || std::size_t(item->row()) >= rows.size())
        return;
    FChoice.Pick(rows[std::size_t(item->row())], item->text().toStdString());
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
        platform.ShowError(QString::fromStdString(NoMainSectionTextOf(file)));
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
    FShowing = true;
    for (int group : {pgVideo, pgAudio, pgAdvanced}) {
        ClearRows(FGrids.ForGroup(group));
        FRowParameters[std::size_t(group - pgVideo)].clear();
    }
    for (std::size_t i = 0; i < FChoice.Shown; ++i) {
        const TProfileParameter& p = FChoice.Parameters[i];
        ValueListEditor* grid = FGrids.ForGroup(p.Group);
        const int row = grid->InsertRow(QString::fromStdString(p.Name), QString());
        FRowParameters[std::size_t(p.Group - pgVideo)].push_back(i);
        ValueListEditor::TItemProp props;
        props.ReadOnly = p.ReadOnly;
        if (p.IsList) {
            props.EditStyle = ValueListEditor::esPickList;
            props.PickList = ToStringList(p.Items);
            if (p.IndexValid())
                props.ReadOnly = true; // only picking, never typing
        }
        grid->SetItemProps(row, props);
        if (p.IndexValid())
            grid->SetCells(1, row, QString::fromStdString(FChoice.ShownText(i)));
    }
    FShowing = false;
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
        platform.ShowError(QString::fromStdString(error.what()));
        return false;
    }
    return true;
}
