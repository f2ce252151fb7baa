#pragma once

#include "profiles/ProfileGrids.h"

#include <QScrollArea>
#include <QString>

class Platform;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
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
class TProfileDetail : public QScrollArea
{
    Q_OBJECT

public:
    // Puts itself into `gpbProfile`'s layout and loads what the user picks in
    // `cmbProfile`. Profiles are looked for in `appDir` + "Profiles/".
    TProfileDetail(const ProfileDetailControls& controls, const QString& appDir,
                   Platform& platform);
    ~TProfileDetail() override;

    // "." + the loaded profile's "Type"; empty until a profile loads.
    QString OutputExt;

    // AppDir + "Profiles/" + name + ".apf"; when that file is missing, the
    // listed file of that name whose extension differs only in case.
    QString ProfilePath(const QString& name) const;
    // Fills `cmbProfile` with the profile names in catalogue order, selecting none.
    void BuildProfileCatalogue();
    // Loads the profile named by `cmbProfile`, when its file exists.
    void cmbProfileChange();
    // Loads a profile file into the Video, Audio and Advanced grids and sets OutputExt.
    void LoadProfileIntoGrids(const QString& path);
    // Sets a row's value: group 0 Output, 1 Video, 2 Audio, 3 Advanced; the
    // label is matched ignoring case and a missing one is appended.
    void SetDetailValue(int group, const QString& label, const QString& value);
    // The value shown in a row of group 1..3, "" when there is none; what
    // the argument builder reads.
    QString DetailValue(int group, const QString& label) const;

    TProfileGrids ParameterGrids() const { return {vleVideo, vleAudio, vleAdvanced}; }

    QFrame* panOutput = nullptr;
    QFrame* panVideo = nullptr;
    QFrame* panAudio = nullptr;
    QFrame* panAdvanced = nullptr;
    ValueListEditor* vleOutput = nullptr;
    ValueListEditor* vleVideo = nullptr;
    ValueListEditor* vleAudio = nullptr;
    ValueListEditor* vleAdvanced = nullptr;

private:
    QFrame* AddHeader(QWidget* box, const QString& caption);
    ValueListEditor* AddGrid(QWidget* box, const QStringList& rows);
    ValueListEditor* GridOfGroup(int group) const;

    QComboBox* FCmbProfile;
    QString FAppDir;
    Platform& FPlatform;
};
