// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/ProfileGrids.h"
#include "widgets/GridStack.h"

#include <QString>

class Platform;
class QToolButton;
class TGroupHeader;
class ValueListEditor;

// The profile editor of the settings dialog's "Profiles" page: the Video,
// Audio and Advanced grids of one profile under their header bars, loaded
// from a profile file and saved back into it or into a copy. Unlike the main
// window's grids, whose edits only serve the next batch, what is changed
// here is written into ".apf" files.
class TProfileEditor : public TGridStack
{
    Q_OBJECT

public:
    TProfileEditor(Platform& platform, QWidget* parent);

    TProfileGrids Grids() const { return {vleVideo, vleAudio, vleAdvanced}; }

    // Loads the profile file into the choice the grids show; nothing changes
    // when it is missing.
    void LoadProfileIntoGrids(const QString& path);
    // Writes the choice's editable values into the profile file. False,
    // after the reason is shown, when it could not be written.
    bool SaveGridsToProfile(const QString& path);
    // Saves the grids into a copy of `source` at `target`, which replaces a
    // file there. Nothing happens without a source; a target that is the
    // source itself is saved in place. A copy that fails is reported and
    // nothing is written.
    bool SaveProfileAs(const QString& source, const QString& target);

    TGroupHeader* panVideo = nullptr;
    TGroupHeader* panAudio = nullptr;
    TGroupHeader* panAdvanced = nullptr;
    QToolButton* btnVideo = nullptr;
    QToolButton* btnAudio = nullptr;
    QToolButton* btnAdvanced = nullptr;
    ValueListEditor* vleVideo = nullptr;
    ValueListEditor* vleAudio = nullptr;
    ValueListEditor* vleAdvanced = nullptr;

private:
    Platform& FPlatform;
    TChoiceGrids* FChoiceGrids = nullptr;
};
