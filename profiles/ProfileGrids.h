// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/ProfileChoice.h"
#include "widgets/GridStack.h"

#include <QAbstractTableModel>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class Platform;
class ValueListEditor;

// The three parameter grids a profile is loaded into: the main window's
// detail panel and the settings dialog's profile editor each have their own.
struct TProfileGrids
{
    ValueListEditor* Video = nullptr;
    ValueListEditor* Audio = nullptr;
    ValueListEditor* Advanced = nullptr;

    // The grid of group 1 Video, 2 Audio or 3 Advanced; null for any other.
    ValueListEditor* ForGroup(int group) const;
};

// A name or pick item of a profile as the user reads it: the shipped
// profiles' texts in the interface's language ("25 fps" with the language's
// decimal mark and unit), a user's own as written. Display only: the choice,
// its file and the encoder's arguments keep the stored English text.
QString ShownProfileText(const QString& stored);

// The rows a parameter grid of group 1 Video, 2 Audio or 3 Advanced holds,
// with empty values, until a profile is loaded.
QStringList StartupRows(int group);

// Appends the Video, Audio and Advanced groups, in that order and with their
// start-up rows, to `stack`: the detail panel and the profile editor show the
// same three, at their own widths.
std::array<TGridStack::TGroup, 3> AddParameterGroups(TGridStack& stack, int keyWidth,
                                                     int valueWidth);

// One group's parameters of a profile choice as the rows of a name=value
// grid: the key is the parameter's name, the value what is picked or typed,
// read from and written into the choice itself. A pick list can only be
// picked from unless its Index named no item; a read-only text is fixed.
class TChoiceModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    TChoiceModel(TProfileChoice& choice, int group, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The choice was replaced: its shown parameters of this group are the rows.
    void Reload();
    // Parameter `parameter` of the choice changed outside the grid.
    void ParameterChanged(std::size_t parameter);
    // The choice's parameter that row `row` shows.
    std::size_t ParameterOf(int row) const { return FParameters[std::size_t(row)]; }

private:
    TProfileChoice& FChoice;
    const int FGroup;
    // The parameter each row stands for: which of the choice's parameters
    // are this group's, so that a row needs no search.
    std::vector<std::size_t> FParameters;
};

// A profile choice shown in three grids: the grids are views of the choice
// (one TChoiceModel per group) and where the user edits it; an edit goes
// into the choice as it is made. What converts and what is saved is the
// choice. Until a profile is loaded, the grids show their start-up rows.
class TChoiceGrids : public QObject
{
    Q_OBJECT

public:
    explicit TChoiceGrids(const TProfileGrids& grids, QObject* parent = nullptr);

    // Loads the profile at `path` into the choice and shows it: when the
    // file exists, the grids are emptied and each parameter becomes a row of
    // its group's grid, a pick list showing item "Index" (read-only, so it
    // can only be picked) or a text showing "Caption". A pick list whose
    // Index names no item stops the rows there with the list-index error
    // shown through `platform`; the rows added so far stay and the grids keep
    // their heights. `outputExt`, when given, is set to "." + the profile's
    // "Type". A file without a "Main" section is no profile: the grids are
    // left empty, `outputExt` as it was, and the refusal is shown through
    // `platform`. Returns false when nothing was loaded completely (missing
    // file, no profile or list-index error); a missing file changes nothing.
    bool Load(const QString& path, Platform& platform, QString* outputExt = nullptr);

    // Writes the choice into the profile at `path` (SaveShownRows: pick lists
    // by their position, editable texts as "Caption" and "Value", read-only
    // parameters never). A file that cannot be written is reported through
    // `platform` with the OS's reason and stays as it was. Returns whether
    // the values were saved.
    bool Save(const QString& path, Platform& platform) const;

    const TProfileChoice& Choice() const { return FChoice; }
    // Sets parameter `parameter` as a grid would (TProfileChoice::Pick); its
    // grid shows the change.
    void Pick(std::size_t parameter, const std::string& shown);
    // The model the grid of group 1 Video, 2 Audio or 3 Advanced shows once
    // a profile is loaded.
    TChoiceModel* ModelOf(int group) const { return FModels[std::size_t(group - pgVideo)]; }

private:
    void Show();

    TProfileGrids FGrids;
    TProfileChoice FChoice;
    std::array<TChoiceModel*, 3> FModels{};
};

// Sets a grid's height to its rows, 18 pixels each, as after a load; an empty
// grid keeps one row's height.
void FitGridHeight(ValueListEditor* grid);
