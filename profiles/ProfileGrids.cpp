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
#include <QLocale>

#include <algorithm>

namespace {

// The shipped profiles' texts have a translation context of their own: the
// same word may be said otherwise in a grid than in a sentence.
constexpr char ProfileText[] = "ProfileText";

// The names and the worded pick items of the shipped profiles, for the
// translators; codec and format names are said alike in every language.
[[maybe_unused]] constexpr const char* ShippedProfileTexts[] = {
    QT_TRANSLATE_NOOP("ProfileText", "Video Codec"),
    QT_TRANSLATE_NOOP("ProfileText", "Video Size"),
    QT_TRANSLATE_NOOP("ProfileText", "Bit Rate"),
    QT_TRANSLATE_NOOP("ProfileText", "Frame Rate"),
    //: A grid row: the picture's shape, such as 4:3 or 16:9
    QT_TRANSLATE_NOOP("ProfileText", "Aspect"),
    //: A grid row: Yes leaves the picture out of the output
    QT_TRANSLATE_NOOP("ProfileText", "Disable Video"),
    QT_TRANSLATE_NOOP("ProfileText", "Audio Codec"),
    QT_TRANSLATE_NOOP("ProfileText", "Audio Bitrate"),
    QT_TRANSLATE_NOOP("ProfileText", "Sample Rate"),
    //: A grid row: the sound's channels, such as Mono or Stereo
    QT_TRANSLATE_NOOP("ProfileText", "Channels"),
    //: A grid row: the sound's loudness, in percent of the source's
    QT_TRANSLATE_NOOP("ProfileText", "Volume"),
    //: A grid row: Yes leaves the sound out of the output
    QT_TRANSLATE_NOOP("ProfileText", "Disable Audio"),
    //: A grid row: Yes makes the encoder use only calculations whose result is
    //: the same on every computer
    QT_TRANSLATE_NOOP("ProfileText", "Bit Exact Algorithms"),
    //: A grid row: Yes turns interlaced (TV) pictures into whole frames
    QT_TRANSLATE_NOOP("ProfileText", "Deinterlace"),
    //: A pick of the video size: the source's own size
    QT_TRANSLATE_NOOP("ProfileText", "Original Size"),
    //: A pick of the video size: a width and height the user types
    QT_TRANSLATE_NOOP("ProfileText", "Custom Size"),
    //: A pick of a bitrate: the encoder chooses it
    QT_TRANSLATE_NOOP("ProfileText", "Auto"),
    //: A pick of the frame rate, aspect, sample rate or channels: as in the source
    QT_TRANSLATE_NOOP("ProfileText", "Original"),
    //: A pick of a row such as "Disable Audio"
    QT_TRANSLATE_NOOP("ProfileText", "Yes"),
    //: A pick of a row such as "Disable Audio"
    QT_TRANSLATE_NOOP("ProfileText", "No"),
    //: A pick of the channels: one
    QT_TRANSLATE_NOOP("ProfileText", "Mono"),
    //: A pick of the channels: two
    QT_TRANSLATE_NOOP("ProfileText", "Stereo"),
    //: A video codec's name
    QT_TRANSLATE_NOOP("ProfileText", "MPEG-4 Part 2"),
    //: A video codec's name: files that DivX players read
    QT_TRANSLATE_NOOP("ProfileText", "MPEG-4 Part 2 (DivX compatible)"),
    //: An audio codec's name: uncompressed samples of 16 bits
    QT_TRANSLATE_NOOP("ProfileText", "PCM 16-bit"),
    //: A pick of a codec: the source's stream is copied as it is
    QT_TRANSLATE_NOOP("ProfileText", "Copy (no re-encoding)"),
};

// A number with its unit, "23.976 fps": the number is said in the
// language's way, the unit through the translation of `pattern`.
QString NumberWithUnit(const QString& stored, qsizetype unitAt, const char* pattern)
{
    const QString number = stored.left(unitAt);
    for (const QChar c : number)
        if (!c.isDigit() && c != u'.')
            return stored;
    return QCoreApplication::translate(ProfileText, pattern)
        .arg(QString(number).replace(u'.', QLocale().decimalPoint()));
}

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

QString ShownProfileText(const QString& stored)
{
    // Stored files and callers keep the row's old spelling; no one reads it.
    if (stored == u"Volumn")
        return QCoreApplication::translate(ProfileText, "Volume");
    if (!stored.isEmpty() && stored.front().isDigit()) {
        //: A frame rate; %1 is a number such as 25 or 29.97
        if (stored.endsWith(u" fps"))
            return NumberWithUnit(stored, stored.size() - 4,
                                  QT_TRANSLATE_NOOP("ProfileText", "%1 fps"));
        //: A bitrate in kilobits per second; %1 is a number such as 128
        if (stored.endsWith(u" kbps"))
            return NumberWithUnit(stored, stored.size() - 5,
                                  QT_TRANSLATE_NOOP("ProfileText", "%1 kbps"));
    }
    return QCoreApplication::translate(ProfileText, stored.toUtf8().constData());
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
    const std::array<TGridStack::TGroup, 3> groups = {
        stack.AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Video"), StartupRows(pgVideo), keyWidth,
                       valueWidth),
        stack.AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Audio"), StartupRows(pgAudio), keyWidth,
                       valueWidth),
        stack.AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Advanced"), StartupRows(pgAdvanced),
                       keyWidth, valueWidth)};
    for (const TGridStack::TGroup& group : groups)
        group.Grid->SetShownKey(ShownProfileText);
    return groups;
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
        return ShownProfileText(
            QString::fromStdString(index.column() == 0 ? p.Name : FChoice.ShownText(i)));
    case Qt::EditRole:
        return QString::fromStdString(index.column() == 0 ? p.Name : FChoice.ShownText(i));
    case ReadOnlyRole:
        // A pick list with a valid Index is only picked from, never typed into.
        return p.ReadOnly || (p.IsList && p.IndexValid());
    case EditStyleRole:
        return int(p.IsList ? ValueListEditor::esPickList : ValueListEditor::esSimple);
    case PickListRole:
        return p.IsList ? ToStringList(p.Items) : QStringList();
    case ShownPickListRole: {
        QStringList shown = p.IsList ? ToStringList(p.Items) : QStringList();
        for (QString& item : shown)
            item = ShownProfileText(item);
        return shown;
    }
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
        platform.ShowError(
            QString::fromStdString(ListIndexErrorText(walk.BadIndex, TranslatedText)));
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
