// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileGrids.h"

#include "platform/Platform.h"
#include "profiles/NewInifiles.h"
#include "profiles/ProfileSaver.h"
#include "profiles/ProfileWalker.h"
#include "profiles/ShownProfile.h"
#include "widgets/ValueListEditor.h"

namespace {

QStringList ToStringList(const std::vector<std::string>& items)
{
    QStringList list;
    list.reserve(int(items.size()));
    for (const std::string& item : items)
        list.append(QString::fromStdString(item));
    return list;
}

std::vector<std::string> ToStdStrings(const QStringList& list)
{
    std::vector<std::string> items;
    items.reserve(std::size_t(list.size()));
    for (const QString& item : list)
        items.push_back(item.toStdString());
    return items;
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

bool LoadProfileIntoGrids(const QString& path, const TProfileGrids& grids, Platform& platform,
                          QString* outputExt)
{
    const std::string file = path.toStdString();
    if (!FileExists(file))
        return false;
    ClearRows(grids.Video);
    ClearRows(grids.Audio);
    ClearRows(grids.Advanced);

    const TShownProfile shown = LoadShownProfile(file);
    const TProfileWalk& walk = shown.Walk;
    if (walk.Status == TWalkStatus::NoMainSection) {
        // Defaults made up for a file that is no profile would convert to
        // a type the user never picked.
        for (ValueListEditor* grid : {grids.Video, grids.Audio, grids.Advanced})
            FitGridHeight(grid);
        platform.ShowError(QString::fromStdString(NoMainSectionTextOf(file)));
        return false;
    }
    for (const TProfileParameter& p : shown.Rows) {
        ValueListEditor* grid = grids.ForGroup(p.Group);
        const int row = grid->InsertRow(QString::fromStdString(p.Name), QString());
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
            grid->SetCells(1, row, QString::fromStdString(p.ShownValue()));
    }

    // The type is read before any parameter, so a load that fails on one
    // has already changed the output extension.
    if (outputExt)
        *outputExt = "." + QString::fromStdString(walk.Type);
    if (walk.Status == TWalkStatus::ListIndexError) {
        platform.ShowError(ListIndexErrorText(walk.BadIndex));
        return false;
    }
    FitGridHeight(grids.Video);
    FitGridHeight(grids.Audio);
    FitGridHeight(grids.Advanced);
    return true;
}

bool SaveGridsToProfile(const QString& path, const TProfileGrids& grids, Platform& platform)
{
    const auto lookup = [&grids](int group, const std::string& name, TShownRow& shown) {
        const ValueListEditor* grid = grids.ForGroup(group);
        int row = -1;
        if (!grid || !grid->FindRow(QString::fromStdString(name), row))
            return false;
        shown.Value = grid->RowValue(row).toStdString();
        shown.Choices = ToStdStrings(grid->ItemProps(row).PickList);
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
