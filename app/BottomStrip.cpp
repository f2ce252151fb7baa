#include "app/BottomStrip.h"

#include "app/LayoutRules.h"
#include "app/Main.h"
#include "widgets/ControlNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int StripHeight = 77;
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

QLabel* Caption(QWidget* parent, const char* text, int left, int top, int width, int height)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(left, top, width, height);
    return label;
}

QLabel* Value(QWidget* parent, const char* name, const char* caption, const char* text,
              const QRect& place)
{
    auto* label =
        Named(new QLabel(QString::fromUtf8(text), parent), name, QString::fromUtf8(caption));
    label->setGeometry(place);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int top)
{
    const QString text = QString::fromUtf8(caption);
    auto* button = Named(new QPushButton(text, parent), name, Spoken(text));
    button->setGeometry(0, top, ButtonWidth, FieldHeight);
    return button;
}

QWidget* BuildSettingsPanel(TMainForm& form, QWidget* parent)
{
    auto* panel =
        Named(new QWidget(parent), "panBottomCenter", QStringLiteral("Profile and Output"));
    panel->setGeometry(0, 0, CreatedPanelWidth, StripHeight);

    form.cmbProfile = Named(new QComboBox(panel), "cmbProfile", QString());
    form.cmbProfile->setEditable(false);
    form.cmbProfile->setGeometry(FieldLeft, ProfileRow, 400, FieldHeight);
    CaptionFor(form.cmbProfile, QStringLiteral("Profile:"), panel)
        ->setGeometry(CaptionLeft, ProfileRow, FieldLeft - CaptionLeft, FieldHeight);
    form.bbtnSetting = Button(panel, "bbtnSetting", "&Setting", ProfileRow);

    form.edtOutputdir = Named(new QLineEdit(panel), "edtOutputdir", QString());
    form.edtOutputdir->setGeometry(FieldLeft, OutputRow, 300, FieldHeight);
    CaptionFor(form.edtOutputdir, QStringLiteral("Output Path:"), panel)
        ->setGeometry(CaptionLeft, OutputRow, FieldLeft - CaptionLeft, FieldHeight);
    form.bbtnBrowser = Button(panel, "bbtnBrowser", "&Browse", OutputRow);
    form.bbtnOpen = Button(panel, "bbtnOpen", "&Open", OutputRow);
    return panel;
}

QProgressBar* Bar(QWidget* parent, const char* name, const char* caption, int top)
{
    auto* bar = Named(new QProgressBar(parent), name, QString::fromUtf8(caption));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setGeometry(ValueLeft, top + 2, 300, RowHeight - 4);
    return bar;
}

QWidget* BuildProgressPanel(TMainForm& form, QWidget* parent)
{
    auto* panel = Named(new QWidget(parent), "panBottomLeft", QStringLiteral("Progress"));
    panel->setGeometry(0, 0, CreatedPanelWidth, StripHeight);

    const int widthLeft = CreatedPanelWidth - ValueLeft - 10;
    Caption(panel, "Converting:", CaptionLeft, 4, 105, RowHeight);
    form.labConvertingFile = Value(panel, "labConvertingFile", "Converting", "No File",
                                   QRect(ValueLeft, 4, widthLeft, RowHeight));
    Caption(panel, "Time Elapsed:", CaptionLeft, 22, 105, RowHeight);
    form.labElapsed =
        Value(panel, "labElapsed", "Time Elapsed", "00:00:00", QRect(ValueLeft, 22, 90, RowHeight));
    Caption(panel, "Time Remaining:", 230, 22, 110, RowHeight);
    form.labRemaining =
        Value(panel, "labRemaining", "Time Remaining", "00:00:00", QRect(345, 22, 90, RowHeight));

    Caption(panel, "Current Progress:", CaptionLeft, 40, 105, RowHeight);
    form.pgbCurrent = Bar(panel, "pgbCurrent", "Current Progress", 40);
    form.labCurProgress =
        Value(panel, "labCurProgress", "Current Progress", "0%", QRect(0, 40, 27, RowHeight));
    Caption(panel, "Total Progress:", CaptionLeft, 58, 105, RowHeight);
    form.pgbTotal = Bar(panel, "pgbTotal", "Total Progress", 58);
    form.labTotalProgress =
        Value(panel, "labTotalProgress", "Total Progress", "0%", QRect(0, 58, 27, RowHeight));

    // "100%" must fit the 27 pixels the rule leaves at the right edge.
    for (QLabel* percent : {form.labCurProgress, form.labTotalProgress}) {
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

QWidget* BuildBottomStrip(TMainForm& form, QWidget* panMain)
{
    auto* strip = Named(new QWidget(panMain), "panBottom", QString());
    strip->setFixedHeight(StripHeight);
    form.panBottom = strip;
    form.panBottomRight = Named(new QWidget(strip), "panBottomRight", QString());
    form.panBottomRight->setGeometry(0, 0, CreatedPanelWidth, StripHeight);
    form.panBottomCenter = BuildSettingsPanel(form, form.panBottomRight);
    form.panBottomLeft = BuildProgressPanel(form, form.panBottomRight);
    ApplyBottomStripLayout(form, CreatedPanelWidth);
    return strip;
}

void ApplyBottomStripLayout(TMainForm& form, int mainPanelWidth)
{
    const BottomStripLayout layout = LayOutBottomStrip(mainPanelWidth);
    form.panBottomRight->resize(layout.PanelWidth, StripHeight);
    SetWidth(form.panBottomCenter, layout.PanelWidth);
    SetWidth(form.panBottomLeft, layout.PanelWidth);
    SetLeft(form.bbtnSetting, layout.SettingLeft);
    SetWidth(form.cmbProfile, layout.ProfileWidth);
    SetLeft(form.bbtnOpen, layout.OpenLeft);
    SetLeft(form.bbtnBrowser, layout.BrowserLeft);
    SetWidth(form.edtOutputdir, layout.OutputDirWidth);
    SetLeft(form.labCurProgress, layout.CurProgressLeft);
    SetWidth(form.pgbCurrent, layout.CurrentBarWidth);
    SetLeft(form.labTotalProgress, layout.TotalProgressLeft);
    SetWidth(form.pgbTotal, layout.TotalBarWidth);
}
