// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QToolButton;
class QWidget;
class TDSTrackBar;
class TVideoWindow;

// The controls of the preview pane that the player drives.
struct PreviewControls
{
    TVideoWindow* VideoWindow1 = nullptr;
    QWidget* panRight1 = nullptr;
    QWidget* panPreviewButton = nullptr;
    TDSTrackBar* TrackBar = nullptr;
    QToolButton* sbtnPlay = nullptr;
    QToolButton* sbtnPause = nullptr;
    QToolButton* sbtnStop = nullptr;
    QLabel* labPreviewTime = nullptr;
};

// Fills `pane` (which has no layout yet) with the video area, the strip on
// its right and the button strip at the bottom.
PreviewControls BuildPreviewPane(QWidget* pane);
