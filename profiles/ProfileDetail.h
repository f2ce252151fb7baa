// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DataPlaces.h"
#include "profiles/ProfileChoice.h"
#include "profiles/ProfileGrids.h"
#include "widgets/GridStack.h"

#include <QString>
#include <QStringList>

#include <functional>

class Platform;
class QComboBox;
class QGroupBox;
class QToolButton;
class TBalloonTip;
class TGroupHeader;
class ValueListEditor;

// What the panel drives: the group box it fills and the main window's
// profile selector, whose pick it loads.
struct ProfileDetailControls
{
    QGroupBox* gpbProfile = nullptr;
    QComboBox* cmbProfile = nullptr;
};

// The "Profile Detail" panel of the main window: a scroll box in `gpbProfile`
// holding the Output, Video, Audio and Advanced headers with their grids,
// and the profile operations of the main window (catalogue, loading,
// output extension).
class TProfileDetail : public TGridStack
{
    Q_OBJECT

public:
    // Puts itself into `gpbProfile`'s layout and loads what the user picks in
    // `cmbProfile`. Profiles are looked for in the "Profiles/" folders of
    // `places`.
    TProfileDetail(const ProfileDetailControls& controls, const TDataPlaces& places,
                   Platform& platform);
    ~TProfileDetail() override;

    // "." + the loaded profile's "Type"; empty until a profile loads.
    QString OutputExt;

    // Where the user's profiles are saved: the "Profiles/" folder beside the
    // program, or the one in the user's settings folder.
    QString ProfilesDirectory() const;
    // The file of the catalogue's `name`: "Profiles/" + name + ".apf", the
    // user's own before the shipped one; when that file is missing, the
    // listed file of that name whose extension differs only in case.
    QString ProfilePath(const QString& name) const;
    // The file a save of `name` writes: the user's own copy, which takes a
    // shipped profile's place from then on.
    QString ProfileSavePath(const QString& name) const;
    // Fills `cmbProfile` with the profile names in catalogue order, selecting none.
    void BuildProfileCatalogue();
    // Loads the profile named by `cmbProfile`, when its file exists.
    void cmbProfileChange();
    // Loads a profile file into the choice the Video, Audio and Advanced
    // grids show, and sets OutputExt.
    void LoadProfileIntoGrids(const QString& path);
    // The loaded profile with what the grids picked: what Start converts with.
    const TProfileChoice& Choice() const { return FChoiceGrids->Choice(); }
    // The catalogue's names, in the profile box's order.
    QStringList CatalogueNames() const;
    // The choice a task pinned to `name` converts with: the grids' picks
    // when `name` is the loaded profile, its stored ones otherwise.
    TProfileChoice ChoiceOf(const QString& name) const;
    // Sets a row's value: group 0 Output, 1 Video, 2 Audio, 3 Advanced; the
    // label is matched ignoring case. A missing one is appended while the
    // grid keeps rows of its own; a grid showing a loaded profile has a row
    // for each parameter only.
    void SetDetailValue(int group, const QString& label, const QString& value);
    // The value shown in a row of group 0..3, "" when there is none.
    QString DetailValue(int group, const QString& label) const;

    TProfileGrids ParameterGrids() const { return {vleVideo, vleAudio, vleAdvanced}; }

    // A press on the output grid while it shows no task: the tip says to
    // pick one, and no editor opens. Otherwise every grid is repainted.
    void vleOutputMouseDown();
    // Whether the output grid shows a task; the task list answers it. Until
    // it does, a grid whose "New Filename" is not empty shows one.
    std::function<bool()> OutputShowsTask;
    // Any change of the video grid: "Custom Size" picked or typed as the
    // current row's "Video Size" asks for the custom size dialog.
    void vleVideoStringsChange();
    // Shows the one balloon tip over `target`, at the pointer when it is
    // there.
    void ShowBalloonTip(QWidget* target, int icon, const QString& title, const QString& text);

    TGroupHeader* panOutput = nullptr;
    TGroupHeader* panVideo = nullptr;
    TGroupHeader* panAudio = nullptr;
    TGroupHeader* panAdvanced = nullptr;
    QToolButton* btnOutput = nullptr;
    QToolButton* btnVideo = nullptr;
    QToolButton* btnAudio = nullptr;
    QToolButton* btnAdvanced = nullptr;
    ValueListEditor* vleOutput = nullptr;
    ValueListEditor* vleVideo = nullptr;
    ValueListEditor* vleAudio = nullptr;
    ValueListEditor* vleAdvanced = nullptr;
    TBalloonTip* BalloonTip = nullptr;

signals:
    // "Video Size" reads "Custom Size": the custom size dialog takes over.
    void CustomSizeRequested();
    // A profile was loaded into the grids: Choice is another one now.
    void ChoiceLoaded();

private:
    ValueListEditor* GridOfGroup(int group) const;
    bool ShowsTask() const;
    // Typing with no task shown is refused as a press is: with the tip.
    bool vleOutputEditRequest(bool typed);
    // Whether the current row of `grid` (group 1..3) is one a copy leaves
    // out; the balloon says so when `tell` is set.
    bool CopyRefuses(ValueListEditor* grid, int group, bool tell);

    QComboBox* FCmbProfile;
    TChoiceGrids* FChoiceGrids = nullptr;
    const TDataPlaces FPlaces;
    Platform& FPlatform;
};
