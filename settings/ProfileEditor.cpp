// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProfileEditor.h"

#include "base/NewInifiles.h"
#include "base/PathText.h"
#include "platform/Platform.h"
#include "platform/Translators.h"
#include "profiles/ProfileSaver.h"
#include "profiles/ProfileWalker.h"
#include "widgets/GroupHeader.h"

#include <QToolButton>

namespace {

constexpr int KeyWidth = 160;
constexpr int ValueWidth = 200;

} // namespace

TProfileEditor::TProfileEditor(Platform& platform, QWidget* parent)
    : TGridStack(parent), FPlatform(platform)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    const auto [video, audio, advanced] = AddParameterGroups(*this, KeyWidth, ValueWidth);
    panVideo = video.Header;
    panAudio = audio.Header;
    panAdvanced = advanced.Header;
    btnVideo = panVideo->Button();
    btnAudio = panAudio->Button();
    btnAdvanced = panAdvanced->Button();
    vleVideo = video.Grid;
    vleAudio = audio.Grid;
    vleAdvanced = advanced.Grid;
    FChoiceGrids = new TChoiceGrids(Grids(), this);
}

void TProfileEditor::LoadProfileIntoGrids(const QString& path)
{
    // The dialog has no output type to set: "Type" is the main window's.
    FChoiceGrids->Load(path, FPlatform);
}

bool TProfileEditor::SaveGridsToProfile(const QString& path)
{
    return FChoiceGrids->Save(path, FPlatform);
}

bool TProfileEditor::SaveProfileAs(const QString& source, const QString& target)
{
    const std::string from = source.toStdString(), to = target.toStdString();
    if (!FileExists(from))
        return false;
    // The source itself as the target is simply saved: nothing to copy.
    if (!IsSameFile(from, to)) {
        try {
            CopyProfileFile(from, to);
        } catch (const EIniWriteError& error) {
            // The grids are not saved into whatever the target holds: a
            // profile written over a failed copy would be a half profile.
            FPlatform.ShowError(QString::fromStdString(error.Shown(TranslatedText)));
            return false;
        }
    }
    return SaveGridsToProfile(target);
}
