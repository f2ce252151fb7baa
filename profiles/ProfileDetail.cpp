// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ProfileDetail.h"

#include "profiles/ProfileCatalogue.h"
#include "profiles/ProfileWalker.h"
#include "widgets/BalloonTip.h"
#include "widgets/GroupHeader.h"
#include "widgets/ValueListEditor.h"

#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QLayout>
#include <QToolButton>

namespace {

// "Target Size" comes after the rows of the part to convert; empty, it
// changes nothing.
// The rows are found by these keys; the grid shows them translated.
const QStringList OutputRows = {
    QT_TRANSLATE_NOOP("TValueRows", "New Filename"), QT_TRANSLATE_NOOP("TValueRows", "Start Time"),
    QT_TRANSLATE_NOOP("TValueRows", "End Time"), QT_TRANSLATE_NOOP("TValueRows", "Target Size")};

const QString NewFilenameLabel = QStringLiteral("New Filename");
const QString VideoSizeLabel = QStringLiteral("Video Size");
const QString CustomSizeValue = QStringLiteral("Custom Size");

constexpr int KeyWidth = 95;
constexpr int ValueWidth = 68;

} // namespace

TProfileDetail::TProfileDetail(const ProfileDetailControls& controls, const TDataPlaces& places,
                               Platform& platform)
    : TGridStack(controls.gpbProfile), FCmbProfile(controls.cmbProfile), FPlaces(places),
      FPlatform(platform)
{
    // The output grid's rows are never read-only: its values are always black.
    const TGroup output = AddGroup(QT_TRANSLATE_NOOP("TGridStack", "Output"), OutputRows, KeyWidth,
                                   ValueWidth, TFixedTextLook::Black);
    const auto [video, audio, advanced] = AddParameterGroups(*this, KeyWidth, ValueWidth);
    panOutput = output.Header;
    panVideo = video.Header;
    panAudio = audio.Header;
    panAdvanced = advanced.Header;
    btnOutput = panOutput->Button();
    btnVideo = panVideo->Button();
    btnAudio = panAudio->Button();
    btnAdvanced = panAdvanced->Button();
    vleOutput = output.Grid;
    vleVideo = video.Grid;
    vleAudio = audio.Grid;
    vleAdvanced = advanced.Grid;
    vleVideo->OtherValuesItem = CustomSizeValue;
    FChoiceGrids = new TChoiceGrids(ParameterGrids(), this);
    // Made once and shown again at every refused press.
    BalloonTip = new TBalloonTip(this);

    if (QLayout* layout = controls.gpbProfile->layout())
        layout->addWidget(this);
    // Only the user's choice loads; a selection made in code calls
    // cmbProfileChange itself.
    connect(FCmbProfile, &QComboBox::activated, this, &TProfileDetail::cmbProfileChange);
    connect(vleOutput, &ValueListEditor::MouseDown, this, &TProfileDetail::vleOutputMouseDown);
    vleOutput->OnEditRequest = [this](bool typed) {
        return vleOutputEditRequest(typed);
    };
    connect(vleVideo, &ValueListEditor::StringsChanged, this,
            &TProfileDetail::vleVideoStringsChange);
    // While "Copy (no re-encoding)" is picked, what a copy leaves out cannot
    // be edited, and the balloon says why.
    for (const int group : {pgVideo, pgAudio, pgAdvanced}) {
        ValueListEditor* grid = ParameterGrids().ForGroup(group);
        grid->OnEditRequest = [this, grid, group](bool typed) {
            return !CopyRefuses(grid, group, typed);
        };
        connect(grid, &ValueListEditor::MouseDown, this, [this, grid, group] {
            if (CopyRefuses(grid, group, true))
                grid->LeaveEditMode();
        });
    }
}

bool TProfileDetail::CopyRefuses(ValueListEditor* grid, int group, bool tell)
{
    TChoiceModel* model = FChoiceGrids->ModelOf(group);
    const int row = grid->Row();
    if (row < 0 || grid->model() != model || row >= model->rowCount())
        return false;
    const std::size_t parameter = model->ParameterOf(row);
    if (!Choice().DroppedByCopy(parameter))
        return false;
    if (tell)
        ShowBalloonTip(
            grid, TBalloonTip::tiInfo, tr("Tip:"),
            DroppedByCopy(Choice().Parameters[parameter].Cmd, true, false)
                ? tr("\"Copy (no re-encoding)\" keeps the picture as it is: its size, frame "
                     "rate, filters and bit rate cannot change.")
                : tr("\"Copy (no re-encoding)\" keeps the sound as it is: its bit rate, sample "
                     "rate, channels and filters cannot change."));
    return true;
}

TProfileDetail::~TProfileDetail() = default;

bool TProfileDetail::ShowsTask() const
{
    // An emptied "New Filename" is no rename, not a sign that no task is shown.
    return OutputShowsTask ? OutputShowsTask() : !vleOutput->Values(NewFilenameLabel).isEmpty();
}

void TProfileDetail::vleOutputMouseDown()
{
    if (ShowsTask())
        return; // the stack has repainted every grid
    //: The title of a balloon hint
    ShowBalloonTip(vleOutput, TBalloonTip::tiInfo, tr("Tip:"),
                   tr("Please select a file in Task List."));
    vleOutput->LeaveEditMode();
}

bool TProfileDetail::vleOutputEditRequest(bool typed)
{
    if (ShowsTask())
        return true;
    if (typed)
        ShowBalloonTip(vleOutput, TBalloonTip::tiInfo, tr("Tip:"),
                       tr("Please select a file in Task List."));
    return false;
}

void TProfileDetail::ShowBalloonTip(QWidget* target, int icon, const QString& title,
                                    const QString& text)
{
    const QRect area(target->mapToGlobal(QPoint(0, 0)), target->size());
    const QPoint pointer = QCursor::pos();
    BalloonTip->ShowTip(area.contains(pointer) ? pointer : area.center(), TBalloonTip::TIcon(icon),
                        title, text);
}

void TProfileDetail::vleVideoStringsChange()
{
    const int row = vleVideo->Row();
    if (row < 0 || vleVideo->Keys(row) != VideoSizeLabel)
        return;
    if (vleVideo->Values(VideoSizeLabel) == CustomSizeValue)
        emit CustomSizeRequested();
}

QString TProfileDetail::ProfilesDirectory() const
{
    return QString::fromStdString(OwnProfilesDirectory(FPlaces));
}

QString TProfileDetail::ProfilePath(const QString& name) const
{
    return QString::fromStdString(ProfileFilePath(FPlaces, name.toStdString()));
}

QString TProfileDetail::ProfileSavePath(const QString& name) const
{
    return QString::fromStdString(OwnProfilePath(FPlaces, name.toStdString()));
}

void TProfileDetail::BuildProfileCatalogue()
{
    for (const std::string& name : ProfileCatalogue(FPlaces))
        FCmbProfile->addItem(QString::fromStdString(name));
    FCmbProfile->setCurrentIndex(-1);
}

void TProfileDetail::cmbProfileChange()
{
    const QString path = ProfilePath(FCmbProfile->currentText());
    if (FileExists(path.toStdString()))
        LoadProfileIntoGrids(path);
}

void TProfileDetail::LoadProfileIntoGrids(const QString& path)
{
    FChoiceGrids->Load(path, FPlatform, &OutputExt);
    emit ChoiceLoaded();
}

ValueListEditor* TProfileDetail::GridOfGroup(int group) const
{
    return group == 0 ? vleOutput : ParameterGrids().ForGroup(group);
}

void TProfileDetail::SetDetailValue(int group, const QString& label, const QString& value)
{
    if (ValueListEditor* grid = GridOfGroup(group))
        grid->SetValue(label, value);
}

QString TProfileDetail::DetailValue(int group, const QString& label) const
{
    const ValueListEditor* grid = GridOfGroup(group);
    return grid ? grid->Values(label) : QString();
}

QStringList TProfileDetail::CatalogueNames() const
{
    QStringList names;
    for (int i = 0; i < FCmbProfile->count(); ++i)
        names << FCmbProfile->itemText(i);
    return names;
}

TProfileChoice TProfileDetail::ChoiceOf(const QString& name) const
{
    if (name == FCmbProfile->currentText())
        return Choice();
    return LoadProfileChoice(ProfilePath(name).toStdString());
}
