// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewPlayer.h"

#include "base/TimeText.h"
#include "preview/DSTrackBar.h"
#include "preview/FilterGraph.h"
#include "preview/PreviewTasks.h"
#include "preview/VideoWindow.h"

#include <QLabel>
#include <QToolButton>

TPreviewPlayer::TPreviewPlayer(const PreviewControls& controls, TFilterGraph& graph,
                               TPreviewTasks& tasks, QObject* parent)
    : QObject(parent), FControls(controls), FGraph(graph), FTasks(tasks)
{
    FControls.VideoWindow1->SetFilterGraph(&FGraph);
    FControls.TrackBar->SetFilterGraph(&FGraph);
    connect(FControls.TrackBar, &TDSTrackBar::OnTimer, this, &TPreviewPlayer::TrackBarTimer);
    connect(FControls.sbtnPlay, &QToolButton::clicked, this, &TPreviewPlayer::sbtnPlayClick);
    connect(FControls.sbtnPause, &QToolButton::clicked, this, &TPreviewPlayer::sbtnPauseClick);
    connect(FControls.sbtnStop, &QToolButton::clicked, this, &TPreviewPlayer::sbtnStopClick);
}

void TPreviewPlayer::PreviewSelectedTask()
{
    const int row = FTasks.FirstSelectedTask();
    if (row < 0)
        return;
    if (!FGraph.Active())
        FGraph.SetActive(true);
    FGraph.ClearFilters();
    if (FGraph.RenderMediaFile(FTasks.TaskInputFile(row)))
        FGraph.StartPlayback();
}

void TPreviewPlayer::StopPlayback()
{
    FGraph.StopPlayback();
}

void TPreviewPlayer::sbtnPlayClick()
{
    if (FTasks.TaskCount() == 0)
        return;
    if (FTasks.FirstSelectedTask() < 0)
        FTasks.SelectTask(0);
    PreviewSelectedTask();
}

void TPreviewPlayer::sbtnPauseClick()
{
    switch (FGraph.PlaybackState()) {
    case TFilterGraph::StateRunning:
        FGraph.PausePlayback();
        break;
    case TFilterGraph::StatePaused:
        FGraph.StartPlayback();
        break;
    default:
        break;
    }
}

void TPreviewPlayer::sbtnStopClick()
{
    FGraph.StopPlayback();
}

void TPreviewPlayer::TrackBarTimer(TDSTrackBar* sender, quint32, quint32)
{
    // The bar counts whole seconds, so the text never carries tenths.
    FControls.labPreviewTime->setText(
        QString::fromStdString(FormatTimeText(double(sender->value()))));
}
