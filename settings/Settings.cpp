// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include "base/PathText.h"
#include "platform/Platform.h"
#include "profiles/ProfileDetail.h"
#include "profiles/ProfileWalker.h"
#include "settings/PreferenceStore.h"
#include "settings/ProfileEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const Caption = QT_TRANSLATE_NOOP("TSettingForm", "Settings");
//: A page of the settings; the blanks keep its tab wide
const char* const GeneralCaption = QT_TRANSLATE_NOOP("TSettingForm", "     General     ");
const char* const PagesSpoken = QT_TRANSLATE_NOOP("TSettingForm", "Setting pages");
//: A page of the settings; the blanks keep its tab wide
const char* const ProfilesCaption = QT_TRANSLATE_NOOP("TSettingForm", "     Profiles     ");
const char* const OutputDirLabel = QT_TRANSLATE_NOOP("TSettingForm", "Default Output Path:");
const char* const SynLabel = QT_TRANSLATE_NOOP("TSettingForm", "Synchronization Mode:");
//: A synchronization mode: the program decides
const char* const SynModes[] = {QT_TRANSLATE_NOOP("TSettingForm", "Auto"),
                                QT_TRANSLATE_NOOP("TSettingForm", "Force Mode"),
                                QT_TRANSLATE_NOOP("TSettingForm", "Progressive Mode")};
const char* const SimultaneousLabel = QT_TRANSLATE_NOOP("TSettingForm", "Simultaneous tasks:");
// Each language under its own name, which no translation changes: a user
// lost in a foreign interface still finds theirs. The code is what
// "Language" stores; the empty one follows the system.
struct TLanguageChoice
{
    const char* Code;
    const char* Name;
};
const TLanguageChoice Languages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}};
const char* const OpenDirText =
    QT_TRANSLATE_NOOP("TSettingForm", "Open the output directory when the task is completed. ");
const char* const ExitText =
    QT_TRANSLATE_NOOP("TSettingForm", "Exit the program when the task is completed.");
const char* const TurnoffText =
    QT_TRANSLATE_NOOP("TSettingForm", "Turn off the computer when the task is completed.");
const char* const QualityText = QT_TRANSLATE_NOOP("TSettingForm", "Check quality after converting");
const char* const OverWriteGroupText = QT_TRANSLATE_NOOP("TSettingForm", "Output File Overwrite");
//: What happens to an existing output file of the same name: it is replaced
const char* const OverWriteText = QT_TRANSLATE_NOOP("TSettingForm", "Overwrite");
const char* const RenameText =
    QT_TRANSLATE_NOOP("TSettingForm", "Not overwrite (Rename to <Filename> + Index");
const char* const DefaultButtonText = QT_TRANSLATE_NOOP("TSettingForm", "&Load Default");
const char* const OKButtonText = QT_TRANSLATE_NOOP("TSettingForm", "&OK");
const char* const CancelButtonText = QT_TRANSLATE_NOOP("TSettingForm", "&Cancel");
const char* const SaveAsButtonText = QT_TRANSLATE_NOOP("TSettingForm", "&Save as...");
const char* const LoadDefaultQuestion =
    QT_TRANSLATE_NOOP("TSettingForm", "Are you sure to load the default preferences?");
const char* const LoadDefaultTitle = QT_TRANSLATE_NOOP("TSettingForm", "Load Default");
const char* const BrowseTitle = QT_TRANSLATE_NOOP("TSettingForm", "Select the output directory.");
const char* const SaveAsTitle = QT_TRANSLATE_NOOP("TSettingForm", "Save Profile As");
const char* const SaveAsFilter = QT_TRANSLATE_NOOP("TSettingForm", "Profiles (*.apf)");
const char* const ProfileExt = ".apf";
const QSize ClientSize(391, 498);

QString Tr(const char* text)
{
    return QCoreApplication::translate("TSettingForm", text);
}

// Accessible names follow the visible texts, without the mnemonic marks.
template <typename Widget> Widget* Named(Widget* widget, const char* name, const QString& text)
{
    widget->setObjectName(QString::fromLatin1(name));
    QString spoken = text;
    spoken = spoken.remove(QLatin1Char('&')).trimmed();
    if (spoken.endsWith(QLatin1Char(':'))) // a field is called what its caption says
        spoken.chop(1);
    widget->setAccessibleName(spoken);
    return widget;
}

// A caption speaks its own text; the control it labels is named after it.
QLabel* CaptionLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Neither OK nor Cancel may answer Enter: the options are only taken by a
// deliberate click.
QPushButton* Button(QWidget* parent, const char* name, const char* text)
{
    auto* button = Named(new QPushButton(Tr(text), parent), name, Tr(text));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TSettingForm::TSettingForm(const SettingControls& main, Platform& platform, TProfileDetail& detail,
                           TPreferenceStore& store, QWidget* parent)
    : TStandInDialog(main.Window, parent), FMain(main), FPlatform(platform), FDetail(detail),
      FStore(store), FStartLanguage(store.Value().Language)
{
    setObjectName(QStringLiteral("SettingForm"));
    setWindowTitle(Tr(Caption));
    setFixedSize(ClientSize);

    pgcSetting = new QTabWidget(this);
    pgcSetting->setObjectName(QStringLiteral("pgcSetting"));
    pgcSetting->setAccessibleName(Tr(PagesSpoken));
    TabSheet1 = new QWidget(pgcSetting);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget(pgcSetting);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    pgcSetting->addTab(TabSheet1, Tr(GeneralCaption));
    pgcSetting->addTab(TabSheet2, Tr(ProfilesCaption));
    CreateGeneralPage();
    CreateProfilesPage();
    // The captions are padded with blanks for their looks, not to be read out.
    for (int i = 0; i < pgcSetting->count(); ++i)
        pgcSetting->tabBar()->setAccessibleTabName(i, pgcSetting->tabText(i).trimmed());

    btnDefault = Button(this, "btnDefault", DefaultButtonText);
    btnOK = Button(this, "btnOK", OKButtonText);
    btnCancel = Button(this, "btnCancel", CancelButtonText);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDefault);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcSetting, 1);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TSettingForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSettingForm::btnCancelClick);
    connect(btnDefault, &QPushButton::clicked, this, &TSettingForm::btnDefaultClick);
    connect(sbtnBrowse, &QToolButton::clicked, this, &TSettingForm::sbtnBrowseClick);
    connect(cmbProfile, &QComboBox::activated, this, &TSettingForm::cmbProfileChange);
    connect(btnSaveAs, &QPushButton::clicked, this, &TSettingForm::btnSaveAsClick);

    FormCreate();
}

TSettingForm::~TSettingForm() = default;

void TSettingForm::LoadStartupPreferences()
{
    const TPreferences& value = FStore.Value();
    FMain.edtOutputdir->setText(QString::fromStdString(value.OutputPath));
    if (!FStore.ReadErrorText().empty())
        FPlatform.ShowError(QString::fromStdString(FStore.ReadErrorText()));
    if (FMain.cmbProfile->count() > 0) {
        // An index outside the catalogue leaves the combo without a
        // selection; the change handler then finds no profile to load.
        FMain.cmbProfile->setCurrentIndex(value.Profile);
        FDetail.cmbProfileChange();
    }
    // An empty catalogue, or an index outside it, is no selection.
    FStore.SetProfile(FMain.cmbProfile->currentIndex());
}

void TSettingForm::CreateGeneralPage()
{
    const QString outputDirLabel = Tr(OutputDirLabel);
    labOutputDir = CaptionLabel("labOutputDir", outputDirLabel, TabSheet1);
    edtOutputDir = Named(new QLineEdit(TabSheet1), "edtOutputDir", outputDirLabel);
    labOutputDir->setBuddy(edtOutputDir);
    //: A button: chooses the default output folder
    sbtnBrowse = Named(new QToolButton(TabSheet1), "sbtnBrowse", tr("Browse"));
    sbtnBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    sbtnBrowse->setToolTip(tr("Browse"));
    sbtnBrowse->setAutoRaise(true);

    const QString synLabel = Tr(SynLabel);
    Label1 = CaptionLabel("Label1", synLabel, TabSheet1);
    cmbSyn = Named(new QComboBox(TabSheet1), "cmbSyn", synLabel);
    for (const char* mode : SynModes)
        cmbSyn->addItem(Tr(mode));
    Label1->setBuddy(cmbSyn);

    const QString simultaneousLabel = Tr(SimultaneousLabel);
    labSimultaneous = CaptionLabel("labSimultaneous", simultaneousLabel, TabSheet1);
    sedSimultaneous = Named(new QSpinBox(TabSheet1), "sedSimultaneous", simultaneousLabel);
    sedSimultaneous->setRange(1, MostSimultaneousTasks());
    sedSimultaneous->setValue(1);
    labSimultaneous->setBuddy(sedSimultaneous);

    CreateLanguageChoice();
    CreateTrackChoices();

    const auto check = [this](const char* name, const char* text) {
        return Named(new QCheckBox(Tr(text), TabSheet1), name, Tr(text));
    };
    chkOpenDir = check("chkOpenDir", OpenDirText);
    chkExit = check("chkExit", ExitText);
    chkTurnoff = check("chkTurnoff", TurnoffText);
    chkQuality = check("chkQuality", QualityText);

    gpbOverWrite = Named(new QGroupBox(Tr(OverWriteGroupText), TabSheet1), "gpbOverWrite",
                         Tr(OverWriteGroupText));
    rdbOverWrite =
        Named(new QRadioButton(Tr(OverWriteText), gpbOverWrite), "rdbOverWrite", Tr(OverWriteText));
    rdbRename = Named(new QRadioButton(Tr(RenameText), gpbOverWrite), "rdbRename", Tr(RenameText));
    rdbOverWrite->setChecked(true);
    auto* group = new QVBoxLayout(gpbOverWrite);
    group->addWidget(rdbOverWrite);
    group->addWidget(rdbRename);

    LayOutGeneralPage();
}

void TSettingForm::CreateLanguageChoice()
{
    const QString languageLabel = tr("Language:");
    labLanguage = CaptionLabel("labLanguage", languageLabel, TabSheet1);
    cmbLanguage = Named(new QComboBox(TabSheet1), "cmbLanguage", languageLabel);
    //: The interface language that follows the system's
    cmbLanguage->addItem(tr("System"), QString());
    for (const TLanguageChoice& language : Languages)
        cmbLanguage->addItem(QString::fromUtf8(language.Name), QString::fromLatin1(language.Code));
    labLanguage->setBuddy(cmbLanguage);
    labLanguageNote = CaptionLabel("labLanguageNote",
                                   tr("The new language applies from the next start."), TabSheet1);
    labLanguageNote->setWordWrap(true);
    labLanguageNote->setForegroundRole(QPalette::PlaceholderText);
    // The page keeps its place for the note, so nothing jumps when it shows.
    QSizePolicy keepPlace = labLanguageNote->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    labLanguageNote->setSizePolicy(keepPlace);
    labLanguageNote->hide();
    connect(cmbLanguage, &QComboBox::currentIndexChanged, this, [this] {
        labLanguageNote->setVisible(cmbLanguage->currentData().toString().toStdString() !=
                                    FStartLanguage);
    });
}

void TSettingForm::CreateTrackChoices()
{
    const QString audioLabel = tr("Audio tracks:");
    labAudioTracks = CaptionLabel("labAudioTracks", audioLabel, TabSheet1);
    cmbAudioTracks = Named(new QComboBox(TabSheet1), "cmbAudioTracks", audioLabel);
    cmbAudioTracks->addItem(tr("First track"), QStringLiteral("first"));
    cmbAudioTracks->addItem(tr("All tracks"), QStringLiteral("all"));
    //: Followed by a box of three-letter language codes, such as "eng, fra"
    cmbAudioTracks->addItem(tr("Tracks in these languages:"), QString());
    labAudioTracks->setBuddy(cmbAudioTracks);
    // The codes are the user's own words: an example until the choice asks
    // for them, then a start to edit.
    const QString example = QStringLiteral("eng, fra");
    edtAudioLanguages = Named(new QLineEdit(TabSheet1), "edtAudioLanguages", tr("Languages"));
    edtAudioLanguages->setPlaceholderText(example);
    edtAudioLanguages->setToolTip(tr("Three-letter language codes, separated by commas"));
    edtAudioLanguages->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z]{0,3}( *, *[A-Za-z]{0,3})*")),
        edtAudioLanguages));
    edtAudioLanguages->setEnabled(false);
    connect(cmbAudioTracks, &QComboBox::currentIndexChanged, this, [this, example](int index) {
        edtAudioLanguages->setEnabled(index == 2);
        if (index == 2 && edtAudioLanguages->text().isEmpty())
            edtAudioLanguages->setText(example);
    });
    const QString subtitlesLabel = tr("Subtitles:");
    labSubtitles = CaptionLabel("labSubtitles", subtitlesLabel, TabSheet1);
    cmbSubtitles = Named(new QComboBox(TabSheet1), "cmbSubtitles", subtitlesLabel);
    //: No subtitles asked for
    cmbSubtitles->addItem(tr("None"), QStringLiteral("none"));
    cmbSubtitles->addItem(tr("Keep where the container can"), QStringLiteral("keep"));
    cmbSubtitles->addItem(tr("Burn in forced or first"), QStringLiteral("burn"));
    labSubtitles->setBuddy(cmbSubtitles);
}

void TSettingForm::LayOutGeneralPage()
{
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(labOutputDir);
    outputRow->addWidget(edtOutputDir, 1);
    outputRow->addWidget(sbtnBrowse);
    auto* synRow = new QHBoxLayout;
    synRow->addWidget(Label1);
    synRow->addWidget(cmbSyn, 1);
    auto* simultaneousRow = new QHBoxLayout;
    simultaneousRow->addWidget(labSimultaneous);
    simultaneousRow->addWidget(sedSimultaneous);
    simultaneousRow->addStretch();
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(labLanguage);
    languageRow->addWidget(cmbLanguage);
    languageRow->addStretch();
    auto* page = new QVBoxLayout(TabSheet1);
    page->addLayout(outputRow);
    page->addLayout(synRow);
    page->addLayout(simultaneousRow);
    page->addLayout(languageRow);
    page->addWidget(labLanguageNote);
    auto* audioRow = new QHBoxLayout;
    audioRow->addWidget(labAudioTracks);
    audioRow->addWidget(cmbAudioTracks);
    audioRow->addWidget(edtAudioLanguages, 1);
    auto* subtitlesRow = new QHBoxLayout;
    subtitlesRow->addWidget(labSubtitles);
    subtitlesRow->addWidget(cmbSubtitles);
    subtitlesRow->addStretch();
    page->addLayout(audioRow);
    page->addLayout(subtitlesRow);
    page->addSpacing(8);
    page->addWidget(chkOpenDir);
    page->addWidget(chkExit);
    page->addWidget(chkTurnoff);
    page->addWidget(chkQuality);
    page->addSpacing(8);
    page->addWidget(gpbOverWrite);
    page->addStretch();
}

void TSettingForm::CreateProfilesPage()
{
    cmbProfile = Named(new QComboBox(TabSheet2), "cmbProfile", tr("Profile"));
    btnSaveAs = Button(TabSheet2, "btnSaveAs", SaveAsButtonText);
    auto* top = new QHBoxLayout;
    top->addWidget(cmbProfile, 1);
    top->addWidget(btnSaveAs);
    ProfileEditor = new TProfileEditor(FPlatform, TabSheet2);
    auto* page = new QVBoxLayout(TabSheet2);
    page->addLayout(top);
    page->addWidget(ProfileEditor, 1);
}

// Runs once, after the main window has listed the profile catalogue. The
// copy is never refreshed: the catalogue is only read at start-up.
void TSettingForm::FormCreate()
{
    for (int i = 0; i < FMain.cmbProfile->count(); ++i)
        cmbProfile->addItem(FMain.cmbProfile->itemText(i));
    // Nothing is picked until the user or the "&Setting" button picks: a
    // combo that picked its first entry by itself would make OK from the
    // toolbar reload the main window's profile over the user's grid edits.
    cmbProfile->setCurrentIndex(-1);
    SetDialogValues(FStore.Value());
}

void TSettingForm::ShowGeneralPage()
{
    ShowCentred();
    pgcSetting->setCurrentIndex(0);
    edtOutputDir->setFocus(Qt::ActiveWindowFocusReason);
}

void TSettingForm::ShowProfilesPage()
{
    ShowCentred();
    pgcSetting->setCurrentIndex(1);
    cmbProfile->setFocus(Qt::ActiveWindowFocusReason);
    cmbProfile->setCurrentIndex(FMain.cmbProfile->currentIndex());
    cmbProfileChange();
}

void TSettingForm::keyPressEvent(QKeyEvent* event)
{
    // QDialog would close on Escape; only the buttons and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TStandInDialog::keyPressEvent(event);
}

// The main window is off while the dialog is up (TStandInDialog).
void TSettingForm::FormShow()
{
    TStandInDialog::FormShow();
    SetDialogValues(FStore.Value());
}

void TSettingForm::FormClose()
{
    TStandInDialog::FormClose();
    TPreferences left = DialogValues();
    left.OutputPath = FStore.Value().OutputPath;
    FStore.Set(left);
}

void TSettingForm::btnOKClick()
{
    FStore.Commit(DialogValues());
    const QString path = FDetail.ProfilePath(cmbProfile->currentText());
    // A shipped profile the user may not write is saved as the user's own copy.
    if (FileExists(path.toStdString()))
        ProfileEditor->SaveProfileAs(path, FDetail.ProfileSavePath(cmbProfile->currentText()));
    // The main window shows what was just saved, when it is the same profile.
    if (FMain.cmbProfile->currentText() == cmbProfile->currentText())
        MainProfileChange();
    accept();
}

// Nothing is written: the options as left are in force for the next batch
// (FormClose) and reach the file when the main window closes.
void TSettingForm::btnCancelClick()
{
    reject();
}

void TSettingForm::btnDefaultClick()
{
    const Platform::Answer answer =
        FPlatform.MessageBox(this, Tr(LoadDefaultQuestion), Tr(LoadDefaultTitle),
                             Platform::Icon::Question, Platform::Buttons::YesNo);
    if (answer != Platform::Answer::Yes)
        return;
    SetDialogValues(FStore.Defaults());
}

void TSettingForm::sbtnBrowseClick()
{
    // The browser starts where the output goes now, when that folder exists.
    QString dir = edtOutputDir->text();
    if (!FPlatform.BrowseForFolder(this, Tr(BrowseTitle), dir) || dir.isEmpty())
        return;
    edtOutputDir->setText(QString::fromStdString(WithTrailingBackslash(dir.toStdString())));
}

void TSettingForm::cmbProfileChange()
{
    const QString path = FDetail.ProfilePath(cmbProfile->currentText());
    if (FileExists(path.toStdString()))
        ProfileEditor->LoadProfileIntoGrids(path);
}

// The dialog opens where the profiles lie: left to itself it would open in
// the working directory, which is rarely where a user keeps them.
void TSettingForm::btnSaveAsClick()
{
    const QString target = FPlatform.SaveFile(this, Tr(SaveAsTitle), FDetail.ProfilesDirectory(),
                                              {Tr(SaveAsFilter)}, QString::fromUtf8(ProfileExt));
    if (target.isEmpty())
        return;
    ProfileEditor->SaveProfileAs(FDetail.ProfilePath(cmbProfile->currentText()), target);
}

void TSettingForm::MainProfileChange()
{
    FDetail.cmbProfileChange();
}

TPreferences TSettingForm::DialogValues() const
{
    TPreferences values = FStore.Value();
    values.OutputPath = edtOutputDir->text().toStdString();
    values.SynMode = cmbSyn->currentIndex();
    values.AutoOpenDir = chkOpenDir->isChecked();
    values.AutoExit = chkExit->isChecked();
    values.AutoTurnOff = chkTurnoff->isChecked();
    values.CheckQuality = chkQuality->isChecked();
    values.Overwrite = rdbOverWrite->isChecked();
    values.SimultaneousTasks = sedSimultaneous->value();
    values.Language = cmbLanguage->currentData().toString().toStdString();
    // Languages typed as "eng, fra" are kept as "eng,fra"; none typed is the
    // first track.
    QString audio = cmbAudioTracks->currentData().toString();
    if (audio.isEmpty())
        audio = edtAudioLanguages->text().remove(' ').split(',', Qt::SkipEmptyParts).join(',');
    values.AudioTracks = audio.isEmpty() ? TPreferences().AudioTracks : audio.toStdString();
    values.Subtitles = cmbSubtitles->currentData().toString().toStdString();
    return values;
}

void TSettingForm::SetDialogValues(const TPreferences& values)
{
    edtOutputDir->setText(QString::fromStdString(values.OutputPath));
    // A mode the combo does not offer would leave it blank; the first mode is
    // the default for any value that cannot be used.
    const bool known = values.SynMode >= 0 && values.SynMode < cmbSyn->count();
    cmbSyn->setCurrentIndex(known ? values.SynMode : 0);
    chkOpenDir->setChecked(values.AutoOpenDir);
    chkExit->setChecked(values.AutoExit);
    chkTurnoff->setChecked(values.AutoTurnOff);
    chkQuality->setChecked(values.CheckQuality);
    // The two buttons are exclusive: ticking one clears the other.
    (values.Overwrite ? rdbOverWrite : rdbRename)->setChecked(true);
    // The box keeps a count within its range.
    sedSimultaneous->setValue(values.SimultaneousTasks);
    // A code the list does not offer (written by hand) is kept as it is.
    const QString language = QString::fromStdString(values.Language);
    if (cmbLanguage->findData(language) < 0)
        cmbLanguage->addItem(language, language);
    cmbLanguage->setCurrentIndex(cmbLanguage->findData(language));
    const QString audio = QString::fromStdString(values.AudioTracks);
    const int audioItem = cmbAudioTracks->findData(audio);
    cmbAudioTracks->setCurrentIndex(audioItem < 0 ? 2 : audioItem);
    if (audioItem < 0)
        edtAudioLanguages->setText(audio.split(',').join(", "));
    const int subtitles = cmbSubtitles->findData(QString::fromStdString(values.Subtitles));
    cmbSubtitles->setCurrentIndex(std::max(subtitles, 0));
}
