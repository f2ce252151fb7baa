// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobRun.h"

#include "base/ShellText.h"
#include "base/TimeText.h"
#include "encoder/EncoderArguments.h"
#include "encoder/ProbeReport.h"
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// The end of what an encoder wrote, kept for the line that tells why its
// conversion failed.
constexpr std::size_t TailLimit = 8192;
// The description of the input comes first; past this much output without
// its length, the length is not looked for any more.
constexpr std::size_t HeadLimit = 65536;
// How far short of its stated length a whole input may still end: streams
// of slightly different lengths, a last frame's rounding.
constexpr double ShortInputShare = 0.05;
constexpr double ShortInputSeconds = 0.5;

// The engine's texts, translated where the engine's are.
QString Tr(const char* text)
{
    return QCoreApplication::translate("TBatchEngine", text);
}

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TJobRun::TJobRun(QObject* parent) : QObject(parent)
{
    FChannel.SetMaxChunk(EncoderChannel::ConversionChunk);
    connect(&FChannel, &EncoderChannel::ChunkRead, this, [this](const QByteArray& chunk) {
        if (FJob)
            Read(chunk);
    });
    connect(&FChannel, &EncoderChannel::Finished, this, [this](int exitCode, bool crashed) {
        if (!FJob)
            return;
        if (FCheck)
            OnCheckFinished(exitCode, crashed);
        else
            OnFinished(exitCode, crashed);
    });
}

TJobRun::~TJobRun() = default;

std::string TJobRun::PassLogBase()
{
    // x265 is told where its statistics go inside its own parameters, where
    // ":", quotes and backslashes mean something: they go to a private folder
    // of a plain name, never beside the output.
    if (!FPassDir || !FPassDir->isValid()) {
        QString base = QDir::tempPath();
        if (base.contains(QRegularExpression(QStringLiteral("[:'\\\\=,]"))))
            base = QStringLiteral("/tmp");
        FPassDir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quenby-passes-XXXXXX"));
    }
    return FPassDir->path().toStdString() + "/" + std::to_string(++FPassJobs);
}

bool TJobRun::Begin(TConversionJob& job, const TSetup& setup)
{
    FJob = &job;
    FSetup = setup;
    FCheck.reset();
    FStartMs = -1;
    FClock.start();
    FLengthPending = setup.LengthFromReport && job.Task.Length.Seconds < 0;
    FPictureUnknown = setup.NeedsPicture && !job.Plan.NoPicture;
    FPasses =
        TPassRun(job.Plan.Arguments, job.Working, job.Plan.TwoPass ? PassLogBase() : std::string());
    if (StartEncoder(FPasses.First(), false))
        return true;
    FJob = nullptr;
    return false;
}

void TJobRun::Abandon()
{
    FChannel.Terminate();
    Free();
}

// A run after the first of a job (its second pass, or the single pass that
// replaces it) goes on in the first one's log.
bool TJobRun::StartEncoder(const TPassRun::TStep& step, bool goesOn)
{
    std::vector<std::string> command =
        ConversionArguments(FJob->Task.InputFile, step.Arguments, step.Output);
    const QStringList argumentList = EncoderChannel::ArgumentList(command);
    command.insert(command.begin(), FSetup.EncoderPath.toStdString());
    if (goesOn)
        FJob->Log.Append("\n" + ShellCommandLine(command) + "\n");
    else
        FJob->Log.Start(ShellCommandLine(command),
                        QDateTime::currentDateTime()
                            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                            .toStdString());
    FProgress = TProgressReader();
    FChunkIndex = 0;
    return FChannel.Start(FSetup.EncoderPath, argumentList);
}

double TJobRun::Seconds() const
{
    if (!FJob || FCheck)
        return 0;
    return FPasses.Seconds(FProgress.Current(), SecondsInTotal(FJob->Task));
}

void TJobRun::Read(const QByteArray& chunk)
{
    const std::string_view read(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    if (FCheck) {
        FCheck->Read(read);
        return;
    }
    TConversionJob& job = *FJob;
    job.Log.Append(read);
    if (FLengthPending)
        LearnLength();
    if (FStartMs < 0 && FPasses.Pass() < 2 &&
        job.Log.Text().find("Stream mapping:") != std::string::npos)
        FStartMs = FClock.elapsed();
    else if (FStartMs < 0 && job.Log.Written() > HeadLimit)
        FStartMs = 0;
    if (FPictureUnknown && LacksPicture()) {
        FChannel.Terminate();
        emit NoPicture();
        return;
    }
    // The first two reads hold the encoder's banner and the input's
    // description, never progress worth showing.
    if (FChunkIndex++ < 2 || !FProgress.Read(chunk.toStdString()))
        return;
    // A job of unknown length has no share to show.
    const double span = SecondsInTotal(job.Task);
    if (span != 0)
        job.Percent = ProgressPercent(Seconds(), span);
    emit Progressed(span != 0);
}

void TJobRun::LearnLength()
{
    const std::string head = FJob->Log.Text();
    // Whole lines only: a length cut short by the end of a read would read
    // as a shorter one.
    const std::size_t lineEnd = head.find_last_of("\r\n");
    const std::string length =
        lineEnd == std::string::npos
            ? std::string()
            : ParseProbeReport(head.substr(0, lineEnd + 1), FJob->Task.InputFile).LengthText;
    if (ParseTimeText(length) >= 0) {
        SetTaskLength(FJob->Task, length);
        emit LengthLearnt(SecondsInTotal(FJob->Task));
    } else if (FJob->Log.Written() <= HeadLimit) {
        return;
    }
    FLengthPending = false;
}

// Whether the encoder's description of the input, once whole, shows no
// picture; it is looked at only until then.
bool TJobRun::LacksPicture()
{
    const std::string head = FJob->Log.Text();
    // The streams are all listed once the encoder maps them.
    const std::size_t mapping = head.find("Stream mapping:");
    if (mapping == std::string::npos) {
        FPictureUnknown = FJob->Log.Written() <= HeadLimit;
        return false;
    }
    FPictureUnknown = false;
    return ParseProbeReport(head.substr(0, mapping), FJob->Task.InputFile).NoVideo;
}

void TJobRun::OnFinished(int exitCode, bool crashed)
{
    const std::string tail = FJob->Log.End(TailLimit);
    const bool failed = exitCode != 0 || crashed || !OutputWriteError(tail, FJob->Working).empty();
    bool starts = true;
    if (const auto second = failed ? std::nullopt : FPasses.Second()) {
        if (StartEncoder(*second, true))
            return;
        starts = false;
    }
    if (FPictureUnknown && LacksPicture()) {
        emit NoPicture();
        return;
    }
    // Started as a second pass, so that its command goes on in the log; an
    // output over its target then fails its job as such, kept.
    if (const auto single = FPasses.Fallback(failed, tail)) {
        if (StartEncoder(*single, true))
            return;
        starts = false;
    }
    FConvertMs = FClock.elapsed();
    emit Converted(
        failed    ? Text(LastEncoderMessage(tail))
        : !starts ? Tr(QT_TRANSLATE_NOOP("TBatchEngine", "The encoder \"%1\" cannot be started."))
                        .arg(FSetup.EncoderPath)
                  : ShortInputReason(tail));
}

// A conversion that ends well short of the length its input states tells
// that the input is not whole; the time reached is the encoder's last
// report, as a run that ends in its first reads shows no progress on the way.
QString TJobRun::ShortInputReason(const std::string& tail) const
{
    TProgressReader last;
    last.Read(tail);
    const double span = SecondsInTotal(FJob->Task);
    const double reached = std::max(FProgress.Current(), last.Current());
    if (!FSetup.WholeInputs || span <= 0 ||
        reached >= span * (1 - ShortInputShare) - ShortInputSeconds)
        return {};
    //: %1 the seconds converted, %2 the seconds the input states
    return Tr(QT_TRANSLATE_NOOP("TBatchEngine",
                                "The input ends after %1 s of its %2 s: it is not whole."))
        .arg(reached, 0, 'f', 2)
        .arg(span, 0, 'f', 2);
}

void TJobRun::BeginCheck(TConversionJob& job)
{
    FJob = &job;
    FCheck = std::make_unique<TQualityCheck>(job.Task, job.Output, static_cast<double>(FConvertMs),
                                             static_cast<double>(FStartMs));
    FClock.start();
    StartCheckSample();
}

void TJobRun::StartCheckSample()
{
    if (!FChannel.Start(FSetup.EncoderPath,
                        EncoderChannel::ArgumentList(FCheck->SampleArguments())))
        OnCheckFinished(-1, true);
}

void TJobRun::OnCheckFinished(int exitCode, bool crashed)
{
    const qint64 spent = FClock.elapsed();
    if (FCheck->SampleEnded(exitCode, crashed, static_cast<double>(spent))) {
        StartCheckSample();
        return;
    }
    FJob->QualityNote = FCheck->Note(TranslatedText);
    //: %1 is the quality found, %n the samples compared, %2 and %3 milliseconds
    FJob->Log.Append(
        QCoreApplication::translate(
            "TBatchEngine", "Quality: %1 over %n sample(s) in %2 ms (the conversion took %3 ms).",
            nullptr, FCheck->SampleCount())
            .arg(Text(FJob->QualityNote), QString::number(spent), QString::number(FConvertMs))
            .toStdString() +
        "\n");
    emit Checked();
}

std::string
ChooseTracks(TConversionJob& job, const TTrackChoice& choice,
             const std::function<std::vector<TMediaTrack>(const std::string&)>& readTracks)
{
    const std::string& ext = job.Plan.OutputExt;
    const std::string container = ext.empty() ? std::string() : ext.substr(1);
    if (choice == TTrackChoice() && !PicksSubtitlesItself(container))
        return {};
    const std::string& input = job.Task.InputFile;
    const TTrackSwitches switches =
        TrackSwitches(readTracks ? readTracks(input) : std::vector<TMediaTrack>(), choice,
                      container, input, TranslatedText);
    if (switches.Refusal.empty())
        job.Plan.Arguments = WithTrackSwitches(std::move(job.Plan.Arguments), switches);
    return switches.Refusal;
}
