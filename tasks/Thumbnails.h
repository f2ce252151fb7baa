// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/TaskModel.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

class EncoderChannel;
class QTemporaryDir;

// Takes each listed task's thumbnail: one frame at a tenth of its length
// (its first for a clip under two seconds), kept as a small PNG file in a
// cache folder under a name made of the file's path, size and modification
// time, so a file added again is not read again. The encoder takes the
// pictures of several files in one run, one run at a time, after the probes
// that list them: the rows come as fast as without pictures and get theirs
// as they are taken. Every look-up is done from the event loop a few at a
// time, so a list of thousands never holds the window.
class TThumbnails : public QObject
{
    Q_OBJECT

public:
    // The cache keeps at most this many bytes; the pictures used least
    // recently go first.
    static constexpr qint64 CacheBytes = 50 * 1024 * 1024;
    static constexpr int MostPerRun = 8;
    // A run that takes longer is killed; its files show no picture.
    static constexpr int RunTimeLimitMs = 20000;

    TThumbnails(TTaskModel& model, const QString& encoderPath, const QString& cacheFolder,
                QObject* parent = nullptr);
    ~TThumbnails() override;

    // $XDG_CACHE_HOME/quenby/thumbnails, ~/.cache/quenby/thumbnails without it.
    static QString DefaultCacheFolder();

    // Turns the list's thumbnails on or off, for screens of `pixelRatio`
    // device pixels to one. While off, none is taken.
    void SetShown(bool shown, qreal pixelRatio);
    // The encoder runs started so far.
    int RunsStarted() const { return FRunsStarted; }
    // True while pictures wait to be looked up or taken.
    bool IsBusy() const;

signals:
    // Every picture asked for so far is there.
    void Idle();

private:
    struct TShot
    {
        TaskId Id = 0;
        QString Input;
        QString Cached;
        QString Part; // where the encoder writes it
        double Seconds = 0;
        bool Alone = false;
    };
    void Ask(int firstRow, int lastRow);
    void LookUp();
    void StartRun();
    void EndRun(bool timedOut);
    QString CacheFile(const QString& input, qint64 bytes, qint64 modified) const;
    void StartPrune();

    TTaskModel& FModel;
    const QString FEncoderPath;
    const QString FFolder;
    // The picture's box in pixels, as wide and high as the preview wants it
    // at least and the list's cell on the screen.
    int FWidth = 0;
    int FHeight = 0;
    bool FShown = false;
    std::deque<TaskId> FAsked;
    std::deque<TShot> FToTake;
    std::vector<TShot> FRun;
    std::unique_ptr<EncoderChannel> FChannel;
    std::unique_ptr<QTemporaryDir> FRunDir;
    QTimer FLookUp;
    QTimer FLimit;
    int FRunsStarted = 0;
    qint64 FWritten = 0;
    std::shared_ptr<std::atomic<bool>> FPruning = std::make_shared<std::atomic<bool>>(false);
    std::jthread FPrune;
};
