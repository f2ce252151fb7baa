// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/PreviewPane.h"

#include <QObject>

class TDSTrackBar;
class TFilterGraph;
class TPreviewTasks;

// The preview pane's behaviour: playing the selected task, pause and
// resume, stop, and the elapsed time beside the buttons.
class TPreviewPlayer : public QObject
{
    Q_OBJECT

public:
    TPreviewPlayer(const PreviewControls& controls, TFilterGraph& graph, TPreviewTasks& tasks,
                   QObject* parent = nullptr);

    // Plays the first selected task from its start.
    void PreviewSelectedTask();
    // Stops the preview, keeping its place and picture (before a batch).
    void StopPlayback();

    void sbtnPlayClick();
    void sbtnPauseClick();
    void sbtnStopClick();
    void TrackBarTimer(TDSTrackBar* sender, quint32 currentMs, quint32 durationMs);

private:
    PreviewControls FControls;
    TFilterGraph& FGraph;
    TPreviewTasks& FTasks;
};
