// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/FilterGraph.h"

#include "platform/Platform.h"
#include "preview/MediaBackend.h"
#include "preview/PlaybackRules.h"

#include <QAudioOutput>
#include <QUrl>

#include <algorithm>

const char* const TFilterGraph::NoPlaybackText = QT_TRANSLATE_NOOP(
    "TFilterGraph", "Video preview is not available: this system has no media playback support.");

TFilterGraph::TFilterGraph(Platform& platform, QObject* parent)
    : QObject(parent), FPlatform(platform)
{
}

TFilterGraph::~TFilterGraph()
{
    SetActive(false);
}

void TFilterGraph::SetActive(bool active)
{
    if (active == Active())
        return;
    if (!active) {
        Notify(TGraphNotification::Deactivated);
        FPlayer->setVideoOutput(nullptr);
        for (TFilterSupplier* supplier : FSuppliers)
            supplier->VideoOutputRemoved();
        delete FPlayer;
        FPlayer = nullptr;
        FAudio = nullptr;
        return;
    }

    // Without a media backend the preview stays inert; the user is told once.
    if (!MediaBackendAvailable()) {
        if (!FNoPlaybackShown) {
            FNoPlaybackShown = true;
            FPlatform.ShowError(tr(NoPlaybackText));
        }
        return;
    }
    FPlayer = new QMediaPlayer(this);
    // Without a sound device the audio output stays silent and the video
    // plays all the same.
    FAudio = new QAudioOutput(FPlayer);
    FPlayer->setAudioOutput(FAudio);
    connect(FPlayer, &QMediaPlayer::mediaStatusChanged, this,
            &TFilterGraph::PlayerMediaStatusChanged);
    connect(FPlayer, &QMediaPlayer::errorOccurred, this, &TFilterGraph::PlayerErrorOccurred);
    connect(FPlayer, &QMediaPlayer::hasVideoChanged, this, [this](bool hasVideo) {
        if (hasVideo)
            SendEvent(TGraphEvent::VideoFound);
    });
    FState = StateStopped;
    FAtEnd = false;
    // One picture output: the video window's.
    for (TFilterSupplier* supplier : FSuppliers)
        FPlayer->setVideoOutput(supplier->SupplyVideoOutput());
    Notify(TGraphNotification::Activated);
}

void TFilterGraph::ClearFilters()
{
    if (!Active())
        return;
    StopPlayback();
    FPlayer->setSource(QUrl());
    FAtEnd = false;
}

bool TFilterGraph::RenderMediaFile(const QString& path)
{
    if (!Active())
        return false;
    Notify(TGraphNotification::BeforeRender);
    FAtEnd = false;
    FState = StateStopped;
    FPlayer->setSource(QUrl::fromLocalFile(path));
    ApplyAudioAndRate();
    Notify(TGraphNotification::AfterRender);
    return true;
}

bool TFilterGraph::StartPlayback()
{
    return ChangeState(TGraphNotification::Play, &QMediaPlayer::play, StateRunning);
}

bool TFilterGraph::PausePlayback()
{
    return ChangeState(TGraphNotification::Pause, &QMediaPlayer::pause, StatePaused);
}

bool TFilterGraph::StopPlayback()
{
    // The player's own stop rewinds and drops the picture; a stopped graph
    // keeps both, which a paused player does.
    return ChangeState(TGraphNotification::Stop, &QMediaPlayer::pause, StateStopped);
}

bool TFilterGraph::ChangeState(TGraphNotification notification, void (QMediaPlayer::*action)(),
                               int state)
{
    if (!Active())
        return false;
    Notify(notification);
    // At the end of the media the player has stopped by itself, and any step
    // would rewind it; the graph only records its new state there.
    if (!FAtEnd)
        (FPlayer->*action)();
    FState = state;
    return true;
}

int TFilterGraph::PlaybackState() const
{
    return Active() ? FState : StateNotActive;
}

QString TFilterGraph::RenderedFile() const
{
    return Active() ? FPlayer->source().toLocalFile() : QString();
}

bool TFilterGraph::HasVideo() const
{
    return Active() && FPlayer->hasVideo();
}

bool TFilterGraph::GetDuration(qint64& ms) const
{
    if (!Active() || FPlayer->source().isEmpty())
        return false;
    ms = FPlayer->duration();
    return true;
}

bool TFilterGraph::GetCurrentPosition(qint64& ms) const
{
    if (!Active() || FPlayer->source().isEmpty())
        return false;
    // Some MPEG streams report a last timestamp past their duration; the
    // position never lies beyond the end.
    ms = FPlayer->position();
    if (FPlayer->duration() > 0)
        ms = std::min(ms, FPlayer->duration());
    return true;
}

bool TFilterGraph::GetStopPosition(qint64& ms) const
{
    // The preview never sets a stop position: it is the end of the file.
    return GetDuration(ms);
}

bool TFilterGraph::SetCurrentPosition(qint64 ms)
{
    if (!Active() || FPlayer->source().isEmpty())
        return false;
    if (FAtEnd) {
        // The player has stopped at the end; it takes a seek only when
        // paused, and then follows the graph's state again.
        FAtEnd = false;
        FPlayer->pause();
        FPlayer->setPosition(ms);
        if (FState == StateRunning)
            FPlayer->play();
        return true;
    }
    FPlayer->setPosition(ms);
    return true;
}

void TFilterGraph::Attach(TGraphControl* control, TFilterSupplier* supplier)
{
    if (std::find(FNotified.begin(), FNotified.end(), control) == FNotified.end())
        FNotified.push_back(control);
    if (supplier && std::find(FSuppliers.begin(), FSuppliers.end(), supplier) == FSuppliers.end()) {
        FSuppliers.push_back(supplier);
        if (Active())
            FPlayer->setVideoOutput(supplier->SupplyVideoOutput());
    }
}

void TFilterGraph::Detach(TGraphControl* control, TFilterSupplier* supplier)
{
    FNotified.erase(std::remove(FNotified.begin(), FNotified.end(), control), FNotified.end());
    const auto found = std::find(FSuppliers.begin(), FSuppliers.end(), supplier);
    if (!supplier || found == FSuppliers.end())
        return;
    FSuppliers.erase(found);
    if (Active())
        FPlayer->setVideoOutput(nullptr);
    supplier->VideoOutputRemoved();
}

void TFilterGraph::Notify(TGraphNotification notification)
{
    // A copy: a control may detach while it is told.
    const std::vector<TGraphControl*> controls = FNotified;
    for (TGraphControl* control : controls)
        control->GraphNotify(notification);
}

void TFilterGraph::SendEvent(TGraphEvent event)
{
    const std::vector<TGraphControl*> controls = FNotified;
    for (TGraphControl* control : controls)
        control->GraphEvent(event);
}

void TFilterGraph::ApplyAudioAndRate()
{
    // The player has no balance; the preview's is centred, which is what it
    // plays anyway.
    FAudio->setVolume(float(AttenuationToAmplitude(LinearVolumeAttenuation(Volume))));
    FPlayer->setPlaybackRate(Rate);
}

void TFilterGraph::PlayerMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (status != QMediaPlayer::EndOfMedia)
        return;
    FAtEnd = true;
    SendEvent(TGraphEvent::Complete);
}

void TFilterGraph::PlayerErrorOccurred(QMediaPlayer::Error error, const QString& text)
{
    // The player reports one failure several times over; the first empties
    // the graph and is the one the user sees.
    if (error == QMediaPlayer::NoError || FPlayer->source().isEmpty())
        return;
    const QString message =
        QString::fromStdString(PlaybackErrorText(text.toStdString(), std::uint32_t(error)));
    ClearFilters();
    SendEvent(TGraphEvent::Failed);
    FPlatform.ShowError(message);
}
