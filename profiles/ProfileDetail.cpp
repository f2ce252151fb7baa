#include "profiles/ProfileDetail.h"

#include "base/PathText.h"
#include "profiles/ProfileWalker.h"
#include "widgets/ValueListEditor.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

namespace {

const char* const ProfilesDir = "Profiles/";
const char* const ProfileExt = ".apf";

const QStringList OutputRows = {"New Filename", "Start Time", "End Time"};
const QStringList VideoRows = {"Video Codec", "Video Size", "Bit Rate",
                               "Frame Rate",  "Aspect",     "Disable Video"};
const QStringList AudioRows = {"Audio Codec", "Audio Bitrate", "Sample Rate",
                               "Channels",    "Volumn",        "Disable Audio"};
const QStringList AdvancedRows = {"Bit Exact Algorithms", "Deinterlace"};

constexpr int HeaderHeight = 18;
constexpr int KeyWidth = 95;
constexpr int ValueWidth = 68;

} // namespace

TProfileDetail::TProfileDetail(const ProfileDetailControls& controls, const QString& appDir,
                               Platform& platform)
    : QScrollArea(controls.gpbProfile), FCmbProfile(controls.cmbProfile),
      FAppDir(QString::fromStdString(WithTrailingBackslash(appDir.toStdString()))),
      FPlatform(platform)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundRole(QPalette::Base);

    auto* box = new QWidget;
    box->setBackgroundRole(QPalette::Base);
    box->setAutoFillBackground(true);
    auto* stack = new QVBoxLayout(box);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    panOutput = AddHeader(box, QStringLiteral("      Output"));
    vleOutput = AddGrid(box, OutputRows);
    panVideo = AddHeader(box, QStringLiteral("      Video"));
    vleVideo = AddGrid(box, VideoRows);
    panAudio = AddHeader(box, QStringLiteral("      Audio"));
    vleAudio = AddGrid(box, AudioRows);
    panAdvanced = AddHeader(box, QStringLiteral("      Advanced"));
    vleAdvanced = AddGrid(box, AdvancedRows);
    stack->addStretch(1); // the stack is top-aligned: collapsing moves the rest up

    setWidget(box);
    if (QLayout* layout = controls.gpbProfile->layout())
        layout->addWidget(this);
    // Only the user's choice loads; a selection made in code calls
    // cmbProfileChange itself.
    connect(FCmbProfile, &QComboBox::activated, this, &TProfileDetail::cmbProfileChange);
}

TProfileDetail::~TProfileDetail() = default;

QFrame* TProfileDetail::AddHeader(QWidget* box, const QString& caption)
{
    auto* bar = new QFrame(box);
    bar->setFixedHeight(HeaderHeight);
    bar->setAutoFillBackground(true);
    // Explicitly: a child would otherwise take the box's white background role.
    bar->setBackgroundRole(QPalette::Dark); // the button-shadow colour
    auto* label = new QLabel(caption, bar);
    label->setForegroundRole(QPalette::WindowText); // black, not the contrast of the shadow
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    box->layout()->addWidget(bar);
    return bar;
}

ValueListEditor* TProfileDetail::AddGrid(QWidget* box, const QStringList& rows)
{
    auto* grid = new ValueListEditor(box);
    grid->SetColumnWidths(KeyWidth, ValueWidth);
    for (const QString& row : rows)
        grid->InsertRow(row, QString());
    FitGridHeight(grid);
    box->layout()->addWidget(grid);
    return grid;
}

QString TProfileDetail::ProfilePath(const QString& name) const
{
    const QString dir = FAppDir + ProfilesDir;
    const QString path = dir + name + ProfileExt;
    if (FileExists(path.toStdString()))
        return path;
    // The catalogue lists "x.APF" as "x", as a file system that ignores case
    // would open it; here the listed file has to be named as it is.
    for (const std::string& file : ListFilesWithExt(dir.toStdString(), ProfileExt))
        if (QString::fromStdString(StripExtension(file)) == name)
            return dir + QString::fromStdString(file);
    return path;
}

void TProfileDetail::BuildProfileCatalogue()
{
    const std::string dir = (FAppDir + ProfilesDir).toStdString();
    for (const std::string& file : ListFilesWithExt(dir, ProfileExt))
        FCmbProfile->addItem(QString::fromStdString(StripExtension(file)));
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
    ::LoadProfileIntoGrids(path, ParameterGrids(), FPlatform, &OutputExt);
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
