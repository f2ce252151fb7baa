// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BottomStrip.h"

#include "app/LayoutRules.h"
#include "widgets/ControlNames.h"
#include "widgets/ElidedLabel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int StripHeight = 77;
constexpr int StripMinWidth = 440;
constexpr int CreatedPanelWidth = 607;

// Rows of the settings panel; the fields start where the rule expects them
// (83 pixels from the left, less a 5-pixel gap before the buttons).
constexpr int FieldLeft = 78;
constexpr int ProfileRow = 11;
constexpr int OutputRow = 43;
constexpr int FieldHeight = 26;
constexpr int ButtonWidth = 80;

// Rows of the progress panel.
constexpr int CaptionLeft = 4;
constexpr int ValueLeft = 118;
constexpr int RowHeight = 17;
constexpr int ConvertingRightGap = 10;

QString Translated(const char* text)
{
    return QCoreApplication::translate("BottomStrip", text);
}

// A value beside its caption: the value speaks itself, its caption is its
// "labelled by".
template <class Label>
Label* Value(Label* label, const char* name, const char* caption, const QRect& captionPlace,
             const QRect& place)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    CaptionFor(label, Translated(caption), label->parentWidget())->setGeometry(captionPlace);
    return label;
}

// A percent beside its bar, which the caption names.
QLabel* Percent(QWidget* parent, const char* name, const char* about, int top)
{
    auto* label = ValueLabel(new QLabel(QStringLiteral("0%"), parent), name, Translated(about));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(0, top, 27, RowHeight);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int top)
{
    const QString text = Translated(caption);
    auto* button = Named(new QPushButton(text, parent), name, Spoken(text));
    button->setGeometry(0, top, ButtonWidth, FieldHeight);
    return button;
}

QWidget* BuildSettingsPanel(BottomStripControls& strip, QWidget* parent)
{
    auto* panel = Named(new QWidget(parent), "panBottomCenter",
                        QCoreApplication::translate("BottomStrip", "Profile and Output"));
    panel->setGeometry(0, 0, CreatedPanelWidth, StripHeight);

    strip.cmbProfile = Named(new QComboBox(panel), "cmbProfile", QString());
    strip.cmbProfile->setEditable(false);
    strip.cmbProfile->setGeometry(FieldLeft, ProfileRow, 400, FieldHeight);
    CaptionFor(strip.cmbProfile, QCoreApplication::translate("BottomStrip", "&Profile:"), panel)
        ->setGeometry(CaptionLeft, ProfileRow, FieldLeft - CaptionLeft, FieldHeight);
    strip.bbtnSetting =
        //: A button: opens the settings of the profile picked beside it
        Button(panel, "bbtnSetting", QT_TRANSLATE_NOOP("BottomStrip", "&Setting"), ProfileRow);

    strip.edtOutputdir = Named(new QLineEdit(panel), "edtOutputdir", QString());
    strip.edtOutputdir->setGeometry(FieldLeft, OutputRow, 300, FieldHeight);
    CaptionFor(strip.edtOutputdir, QCoreApplication::translate("BottomStrip", "O&utput Path:"),
               panel)
        ->setGeometry(CaptionLeft, OutputRow, FieldLeft - CaptionLeft, FieldHeight);
    strip.bbtnBrowser =
        //: A button: chooses the output folder
        Button(panel, "bbtnBrowser", QT_TRANSLATE_NOOP("BottomStrip", "&Browse"), OutputRow);
    strip.bbtnOpen =
        //: A button: opens the output folder in the file manager
        Button(panel, "bbtnOpen", QT_TRANSLATE_NOOP("BottomStrip", "&Open"), OutputRow);
    return panel;
}

QProgressBar* Bar(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setGeometry(ValueLeft, top + 2, 300, RowHeight - 4);
    CaptionFor(bar, Translated(caption), parent)->setGeometry(CaptionLeft, top, 105, RowHeight);
    return bar;
}

QWidget* BuildProgressPanel(BottomStripControls& strip, QWidget* parent)
{
    auto* panel = Named(new QWidget(parent), "panBottomLeft",
                        //: The name of the strip that shows a running batch's progress
                        QCoreApplication::translate("BottomStrip", "Progress"));
    panel->setGeometry(0, 0, CreatedPanelWidth, StripHeight);

    const int widthLeft = CreatedPanelWidth - ValueLeft - ConvertingRightGap;
    strip.labConvertingFile =
        Value(new TElidedLabel(QCoreApplication::translate("BottomStrip", "No File"), panel),
              //: A caption before the names of the files being converted
              "labConvertingFile", QT_TRANSLATE_NOOP("BottomStrip", "Converting:"),
              QRect(CaptionLeft, 4, 105, RowHeight), QRect(ValueLeft, 4, widthLeft, RowHeight));
    strip.labElapsed =
        Value(new QLabel(QStringLiteral("00:00:00"), panel), "labElapsed",
              QT_TRANSLATE_NOOP("BottomStrip", "Time Elapsed:"),
              QRect(CaptionLeft, 22, 105, RowHeight), QRect(ValueLeft, 22, 90, RowHeight));
    strip.labRemaining = Value(new QLabel(QStringLiteral("00:00:00"), panel), "labRemaining",
                               QT_TRANSLATE_NOOP("BottomStrip", "Time Remaining:"),
                               QRect(230, 22, 110, RowHeight), QRect(345, 22, 90, RowHeight));

    strip.pgbCurrent =
        Bar(panel, "pgbCurrent", QT_TRANSLATE_NOOP("BottomStrip", "Current Progress:"), 40);
    strip.labCurProgress =
        Percent(panel, "labCurProgress", QT_TRANSLATE_NOOP("BottomStrip", "Current Progress"), 40);
    strip.pgbTotal =
        Bar(panel, "pgbTotal", QT_TRANSLATE_NOOP("BottomStrip", "Total Progress:"), 58);
    strip.labTotalProgress =
        Percent(panel, "labTotalProgress", QT_TRANSLATE_NOOP("BottomStrip", "Total Progress"), 58);

    // "100%" must fit the 27 pixels the rule leaves at the right edge.
    for (QLabel* percent : {strip.labCurProgress, strip.labTotalProgress}) {
        QFont small = percent->font();
        small.setFamilies({QStringLiteral("DejaVu Sans Condensed"), small.family()});
        small.setPixelSize(10);
        percent->setFont(small);
        percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return panel;
}

void SetWidth(QWidget* widget, int width)
{
    widget->resize(width, widget->height());
}

void SetLeft(QWidget* widget, int left)
{
    widget->move(left, widget->y());
}

} // namespace

BottomStripControls BuildBottomStrip(QWidget* panMain)
{
    BottomStripControls strip;
    strip.panBottom = Named(new QWidget(panMain), "panBottom", QString());
    strip.panBottom->setFixedHeight(StripHeight);
    // The narrowest strip whose fields keep a usable width and whose progress
    // captions do not overlap.
    strip.panBottom->setMinimumWidth(StripMinWidth);
    strip.panBottomRight = Named(new QWidget(strip.panBottom), "panBottomRight", QString());
    strip.panBottomRight->setGeometry(0, 0, CreatedPanelWidth, StripHeight);
    strip.panBottomCenter = BuildSettingsPanel(strip, strip.panBottomRight);
    strip.panBottomLeft = BuildProgressPanel(strip, strip.panBottomRight);
    ApplyBottomStripLayout(strip, CreatedPanelWidth);
    return strip;
}

void ApplyBottomStripLayout(const BottomStripControls& strip, int mainPanelWidth)
{
    const BottomStripLayout layout = LayOutBottomStrip(mainPanelWidth);
    strip.panBottomRight->resize(layout.PanelWidth, StripHeight);
    SetWidth(strip.panBottomCenter, layout.PanelWidth);
    SetWidth(strip.panBottomLeft, layout.PanelWidth);
    SetLeft(strip.bbtnSetting, layout.SettingLeft);
    SetWidth(strip.cmbProfile, layout.ProfileWidth);
    SetLeft(strip.bbtnOpen, layout.OpenLeft);
    SetLeft(strip.bbtnBrowser, layout.BrowserLeft);
    SetWidth(strip.edtOutputdir, layout.OutputDirWidth);
    SetLeft(strip.labCurProgress, layout.CurProgressLeft);
    SetWidth(strip.pgbCurrent, layout.CurrentBarWidth);
    SetLeft(strip.labTotalProgress, layout.TotalProgressLeft);
    SetWidth(strip.pgbTotal, layout.TotalBarWidth);
    SetWidth(strip.labConvertingFile, layout.PanelWidth - ValueLeft - ConvertingRightGap);
}
