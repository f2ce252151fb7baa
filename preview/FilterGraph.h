// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/GraphControl.h"

#include <QMediaPlayer>
#include <QObject>
#include <QString>

#include <vector>

class Platform;
class QAudioOutput;

// The media graph of the preview: one player with its audio output, the
// controls that follow it, and the preview's play, pause and stop. Errors of
// the media reach the user through the platform's error box.
class TFilterGraph : public QObject
{
    Q_OBJECT

public:
    // What PlaybackState answers.
    static constexpr int StateNotActive = 0;
    static constexpr int StateStopped = 1;
    static constexpr int StatePaused = 2;
    static constexpr int StateRunning = 3;

    // Shown once when the system has no media playback at all.
    static const char* const NoPlaybackText;

    TFilterGraph(Platform& platform, QObject* parent = nullptr);
    ~TFilterGraph() override;

    // Creating the player; stays false when the system cannot play media.
    bool Active() const { return FPlayer != nullptr; }
    void SetActive(bool active);

    // Stops and forgets the rendered file; the video output stays attached.
    void ClearFilters();
    // Loads `path`; false when the graph is not active. The media reports a
    // file it cannot play later, as a playback error.
    bool RenderMediaFile(const QString& path);
    // Each tells the controls first, then acts; false when not active.
    bool StartPlayback();
    bool PausePlayback();
    // Keeps the position and the last picture.
    bool StopPlayback();
    // StateNotActive, StateStopped, StatePaused or StateRunning.
    int PlaybackState() const;

    // The file last rendered, empty after ClearFilters.
    QString RenderedFile() const;
    // Whether the rendered file has been found to carry a picture.
    bool HasVideo() const;

    // Seeking, in milliseconds; each fails (false) when the graph is not
    // active or holds no file.
    bool GetDuration(qint64& ms) const;
    bool GetCurrentPosition(qint64& ms) const;
    bool GetStopPosition(qint64& ms) const;
    bool SetCurrentPosition(qint64 ms);

    // Applied to every file rendered after they are set; the preview keeps
    // the defaults.
    int Volume = 10000; // 0..10000, on the logarithmic scale
    double Rate = 1.0;

    // A control is notified from attaching until detaching; a supplier also
    // puts its video output into the graph while the graph is active.
    void Attach(TGraphControl* control, TFilterSupplier* supplier = nullptr);
    void Detach(TGraphControl* control, TFilterSupplier* supplier = nullptr);

private:
    bool ChangeState(TGraphNotification notification, void (QMediaPlayer::*action)(), int state);
    void Notify(TGraphNotification notification);
    void SendEvent(TGraphEvent event);
    void ApplyAudioAndRate();
    void PlayerMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void PlayerErrorOccurred(QMediaPlayer::Error error, const QString& text);

    Platform& FPlatform;
    QMediaPlayer* FPlayer = nullptr;
    QAudioOutput* FAudio = nullptr;
    std::vector<TGraphControl*> FNotified;
    std::vector<TFilterSupplier*> FSuppliers;
    int FState = StateStopped;
    // The media has played to its end. The graph still counts as running
    // there; the player itself has stopped and would rewind on pause.
    bool FAtEnd = false;
    bool FNoPlaybackShown = false;
};
