// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewPane.h"

#include "preview/DSTrackBar.h"
#include "preview/VideoWindow.h"
#include "widgets/AppIcons.h"
#include "widgets/ControlNames.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int RightStripWidth = 10;
constexpr int ButtonStripHeight = 54;
constexpr int TrackBarHeight = 21;
constexpr int ButtonSize = 25;
constexpr int TimeLabelWidth = 57;
constexpr QPoint PicturePlace(25, 31);
constexpr QSize PictureSize(140, 62);
constexpr QSize ButtonPictureSize(16, 16);

const char* const InitialTime = "00:00:00";

// `spoken` names the button for a screen reader where the hint alone would
// not tell it from another control of the window.
QToolButton* SpeedButton(QWidget* parent, const char* name, const char* icon, const char* hint,
                         const char* spoken = nullptr)
{
    auto* button = Named(new QToolButton(parent), name,
                         QCoreApplication::translate("PreviewPane", spoken ? spoken : hint));
    button->setAutoRaise(true);
    button->setIcon(ProgramPicture(QString::fromLatin1(icon)));
    button->setIconSize(ButtonPictureSize);
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setToolTip(QCoreApplication::translate("PreviewPane", hint));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

PreviewControls BuildPreviewPane(QWidget* pane)
{
    PreviewControls controls;
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* videoRow = new QHBoxLayout;
    videoRow->setSpacing(0);
    controls.VideoWindow1 = Named(new TVideoWindow(pane), "VideoWindow1",
                                  QCoreApplication::translate("PreviewPane", "Preview Video"));
    const QPixmap picture = ProgramPicture(QStringLiteral("preview-picture")).pixmap(PictureSize);
    controls.VideoWindow1->Image1->setPixmap(picture);
    controls.VideoWindow1->Image1->setGeometry(QRect(PicturePlace, PictureSize));
    videoRow->addWidget(controls.VideoWindow1, 1);
    controls.panRight1 = Named(new QWidget(pane), "panRight1", QString());
    controls.panRight1->setFixedWidth(RightStripWidth);
    videoRow->addWidget(controls.panRight1);
    column->addLayout(videoRow, 1);

    auto* strip = Named(new QWidget(pane), "panPreviewButton", QString());
    controls.panPreviewButton = strip;
    strip->setFixedHeight(ButtonStripHeight);
    auto* stripColumn = new QVBoxLayout(strip);
    stripColumn->setContentsMargins(0, 0, 0, 0);
    stripColumn->setSpacing(2);
    controls.TrackBar = Named(new TDSTrackBar(strip), "TrackBar",
                              //: The name of the preview's slider: where in the video it plays
                              QCoreApplication::translate("PreviewPane", "Position"));
    controls.TrackBar->setFixedHeight(TrackBarHeight);
    stripColumn->addWidget(controls.TrackBar);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 0, 4, 0);
    buttons->setSpacing(2);
    controls.sbtnPlay =
        //: A button: plays the preview
        SpeedButton(strip, "sbtnPlay", "preview-play", QT_TRANSLATE_NOOP("PreviewPane", "Play"));
    controls.sbtnPause = SpeedButton(
        strip, "sbtnPause", "preview-pause", QT_TRANSLATE_NOOP("PreviewPane", "Pause / Resume"),
        QT_TRANSLATE_NOOP("PreviewPane", "Pause or resume the preview"));
    controls.sbtnStop =
        //: A button: stops the preview and goes back to its start
        SpeedButton(strip, "sbtnStop", "preview-stop", QT_TRANSLATE_NOOP("PreviewPane", "Stop"),
                    QT_TRANSLATE_NOOP("PreviewPane", "Stop the preview"));
    controls.labPreviewTime =
        ValueLabel(new QLabel(QString::fromLatin1(InitialTime), strip), "labPreviewTime",
                   QCoreApplication::translate("PreviewPane", "Preview time"));
    controls.labPreviewTime->setFixedWidth(TimeLabelWidth);
    controls.labPreviewTime->setAlignment(Qt::AlignCenter);
    for (QWidget* control :
         {static_cast<QWidget*>(controls.sbtnPlay), static_cast<QWidget*>(controls.sbtnPause),
          static_cast<QWidget*>(controls.sbtnStop), static_cast<QWidget*>(controls.labPreviewTime)})
        buttons->addWidget(control);
    buttons->addStretch(1);
    stripColumn->addLayout(buttons);
    stripColumn->addStretch(1);
    column->addWidget(strip);
    return controls;
}
