// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/BatchRules.h"
#include "convert/ConversionJob.h"
#include "convert/QualityCheck.h"
#include "convert/TwoPass.h"
#include "encoder/EncoderChannel.h"
#include "encoder/TrackRules.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

// One encoder place of a run. It converts one job at a time, in one or two
// passes, then checks its quality when asked, reading what the encoder
// writes for the job's progress, its input's length and whether the input
// holds a picture. Where the output goes and what becomes of it is the
// engine's: this only runs encoders. Places are kept for the engine's life
// and reused job after job, so that no channel is destroyed inside its own
// signal.
class QTemporaryDir;

class TJobRun : public QObject
{
    Q_OBJECT

public:
    // What every job of a run is converted with (TBatchOptions).
    struct TSetup
    {
        QString EncoderPath;
        bool LengthFromReport = false;
        bool NeedsPicture = false;
        bool WholeInputs = false;
    };

    explicit TJobRun(QObject* parent = nullptr);
    ~TJobRun() override;

    // The job in hand; null while the place is free.
    TConversionJob* Job() const { return FJob; }
    // Starts the job's first pass, to `job.Working`. False when the encoder
    // cannot be started; the place is then free again.
    bool Begin(TConversionJob& job, const TSetup& setup);
    // Checks the converted job's output (`job.Output`) against its source;
    // the place is the job's again until Checked.
    void BeginCheck(TConversionJob& job);
    bool IsChecking() const { return FCheck != nullptr; }
    // Frees the place without a report; Abandon kills its encoder first.
    // What the job's conversion wrote is the caller's to remove.
    void Free()
    {
        FJob = nullptr;
        FCheck.reset();
    }
    void Abandon();
    // The statistics of both passes, once the conversion has ended.
    void RemovePassLogs() { FPasses.RemoveLogs(); }

    // The encoded seconds of the job, both passes counted as one; 0 while
    // checking, as a checked job counts among those done.
    double Seconds() const;
    // How long the conversion took.
    qint64 ConvertMs() const { return FConvertMs; }

    void SetSuspended(bool suspended)
    {
        if (suspended)
            FChannel.Suspend();
        else
            FChannel.Resume();
    }
    bool IsEncoderRunning() const { return FChannel.IsRunning(); }
    qint64 ProcessId() const { return FChannel.ProcessId(); }

    // One read of the encoder's output.
    void Read(const QByteArray& chunk);

signals:
    // The job's percent moved, or the seconds the run counts.
    void Progressed(bool percentMoved);
    // The job's input was found `seconds` long.
    void LengthLearnt(double seconds);
    // The job's input holds no picture; its encoder is killed.
    void NoPicture();
    // The conversion is over; `reason` tells why it failed, empty when it
    // did not. The place stays the job's until the engine frees it.
    void Converted(const QString& reason);
    // The quality check is over: its note is in the job.
    void Checked();

private:
    std::string PassLogBase();
    bool StartEncoder(const TPassRun::TStep& step, bool goesOn);
    void OnFinished(int exitCode, bool crashed);
    void OnCheckFinished(int exitCode, bool crashed);
    void StartCheckSample();
    QString ShortInputReason(const std::string& tail) const;
    void LearnLength();
    bool LacksPicture();

    EncoderChannel FChannel;
    TSetup FSetup;
    TConversionJob* FJob = nullptr;
    TProgressReader FProgress;
    int FChunkIndex = 0;
    // The job's length is looked for in its encoder's output, and whether
    // its input holds a picture.
    bool FLengthPending = false;
    bool FPictureUnknown = false;
    TPassRun FPasses;
    // The private folder of the statistics of two passes, and how many
    // jobs of two passes this place has run.
    std::unique_ptr<QTemporaryDir> FPassDir;
    int FPassJobs = 0;
    // How long the conversion took, and when its encoder had read the
    // input's description (-1 before), for the quality check's share.
    QElapsedTimer FClock;
    qint64 FConvertMs = 0;
    qint64 FStartMs = -1;
    std::unique_ptr<TQualityCheck> FCheck;
};

// Chooses the sound and subtitle tracks the job keeps, whichever way its
// switches came; its plan keeps them, so that a pass run again maps the same
// tracks. `readTracks` reads a file's tracks when the choice needs them.
// Returns why the file cannot meet the choice.
std::string
ChooseTracks(TConversionJob& job, const TTrackChoice& choice,
             const std::function<std::vector<TMediaTrack>(const std::string&)>& readTracks);
