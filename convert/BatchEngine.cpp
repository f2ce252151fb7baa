// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchEngine.h"

#include "base/FileMoves.h"
#include "base/ShellText.h"
#include "base/TimeText.h"
#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"
#include "encoder/ProbeReport.h"
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

namespace {

// The end of what an encoder wrote, kept for the line that tells why its
// conversion failed.
constexpr std::size_t TailLimit = 8192;
// The description of the input comes first; past this much output without
// its length, the length is not looked for any more.
constexpr std::size_t HeadLimit = 65536;

// A quality check's samples, each this many seconds of the output, may
// take up to this share of the conversion's own time.
constexpr double MostSampleSeconds = 1.0;
constexpr double CheckShare = 0.2;
// How far short of its stated length a whole input may still end: streams
// of slightly different lengths, a last frame's rounding.
constexpr double ShortInputShare = 0.05;
constexpr double ShortInputSeconds = 0.5;

// An output this share under its target tells why it is so small.
constexpr double MissedTargetShare = 0.1;

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

int64_t FileBytes(const std::string& path)
{
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    return error ? -1 : static_cast<int64_t>(bytes);
}

// The statistics files of both passes start with the log's name: x264 and
// VP9 add "-0.log", x265 ".log", and each has files beside them.
void RemovePassLogs(const std::string& logBase)
{
    if (logBase.empty())
        return;
    const QFileInfo base(Text(logBase));
    QDir dir = base.absoluteDir();
    for (const QString& name : dir.entryList({base.fileName() + "*"}, QDir::Files | QDir::Hidden))
        dir.remove(name);
}

// "requested bitrate is too low", "bitrate too low for this video with
// these parameters"
bool RefusesTooLowABitrate(const std::string& tail)
{
    return tail.find("bitrate is too low") != std::string::npos ||
           tail.find("bitrate too low") != std::string::npos;
}

} // namespace

// One encoder place. Slots are kept for the engine's life and reused task
// after task, so that no channel is destroyed inside its own signal.
struct TBatchEngine::TSlot
{
    EncoderChannel Channel;
    int Task = -1; // -1 while free
    TProgressReader Progress;
    int ChunkIndex = 0;
    // The task's length is looked for in its encoder's output, and whether
    // its input holds a picture.
    bool LengthPending = false;
    bool PictureUnknown = false;
    // Where the output goes, and the hidden name the encoder writes to.
    std::string Output;
    std::string Work;
    // The rule that named the output, and which of its names it chose.
    OutputNameRequest Request;
    int Candidate = 0;
    // Two passes: which one runs (0 for a single one), the statistics' base
    // name, and the second pass's arguments.
    int Pass = 0;
    std::string PassLog;
    std::vector<std::string> SecondPass;
    // How long the conversion took, for the quality check's share.
    QElapsedTimer Clock;
    qint64 ConvertMs = 0;
    // The quality check after it: whether one runs, its sample, what its
    // run wrote, and what the samples measured.
    bool Checking = false;
    int Sample = 0;
    double SampleSeconds = MostSampleSeconds;
    // When the encoder had read its input's description, -1 before.
    qint64 StartMs = -1;
    std::string CheckOutput;
    std::vector<TQuality> Samples;
    std::string CheckError;
};

TBatchEngine::TBatchEngine(QObject* parent) : QObject(parent) {}

TBatchEngine::~TBatchEngine()
{
    for (const auto& slot : FSlots)
        if (slot->Task >= 0)
            Abandon(*slot);
}

TBatchEngine::TSlot& TBatchEngine::SlotAt(std::size_t index)
{
    while (FSlots.size() <= index) {
        FSlots.push_back(std::make_unique<TSlot>());
        TSlot* slot = FSlots.back().get();
        slot->Channel.SetMaxChunk(EncoderChannel::ConversionChunk);
        connect(&slot->Channel, &EncoderChannel::ChunkRead, this,
                [this, slot](const QByteArray& c) {
                    if (slot->Task >= 0)
                        OnChunk(slot->Task, c);
                });
        connect(&slot->Channel, &EncoderChannel::Finished, this,
                [this, slot](int exitCode, bool crashed) { OnFinished(*slot, exitCode, crashed); });
    }
    return *FSlots[index];
}

TBatchEngine::TSlot* TBatchEngine::SlotOf(int task) const
{
    for (const auto& slot : FSlots)
        if (slot->Task == task && task >= 0)
            return slot.get();
    return nullptr;
}

int TBatchEngine::RunningCount() const
{
    return static_cast<int>(
        std::count_if(FSlots.begin(), FSlots.end(), [](const auto& s) { return s->Task >= 0; }));
}

int TBatchEngine::EarliestRunningTask() const
{
    const std::vector<int> running = RunningTasks();
    return running.empty() ? -1 : running.front();
}

std::vector<int> TBatchEngine::RunningTasks() const
{
    std::vector<int> running;
    for (const auto& slot : FSlots)
        if (slot->Task >= 0)
            running.push_back(slot->Task);
    std::sort(running.begin(), running.end());
    return running;
}

int TBatchEngine::TaskPercent(int task) const
{
    if (task < 0 || task >= static_cast<int>(FPercents.size()))
        return 0;
    return FPercents[static_cast<std::size_t>(task)];
}

bool TBatchEngine::IsEncoderRunning(int task) const
{
    const TSlot* slot = SlotOf(task);
    return slot && slot->Channel.IsRunning();
}

qint64 TBatchEngine::EncoderProcessId(int task) const
{
    const TSlot* slot = SlotOf(task);
    return slot ? slot->Channel.ProcessId() : 0;
}

bool TBatchEngine::Start(std::vector<ltvItemData> tasks, const TBatchOptions& options,
                         std::vector<TTaskPlan> plans)
{
    if (FRunning)
        return false;
    ++FRun;
    FTasks = std::move(tasks);
    std::vector<std::string> inputs;
    inputs.reserve(FTasks.size());
    for (const ltvItemData& task : FTasks)
        inputs.push_back(task.InputFile);
    FNames = std::make_unique<TRunNames>(std::move(inputs));
    FOptions = options;
    FPlans = std::move(plans);
    FProfiles = std::make_unique<TPlanProfiles>(
        FOptions.Choice ? MakeProfilePlan(*FOptions.Choice)
                        : MakeProfilePlan(FOptions.Arguments, FOptions.OutputExt));
    // A task that brings no plan is planned here, once.
    for (std::size_t i = FPlans.size(); i < FTasks.size(); ++i)
        FPlans.push_back(MakeTaskPlan(*FProfiles, FTasks[i],
                                      {FOptions.CheckQuality, FOptions.Tracks}, TranslatedText));
    FPlans.resize(FTasks.size());
    FOutputs.assign(FTasks.size(), std::string());
    FHost = LocalHostTag();
    FLeftFilesRemoved = RemoveLeftWorkingFiles(FOptions.OutputDir, FHost);
    FOptions.SimultaneousTasks = std::max(1, FOptions.SimultaneousTasks);
    FPercents.assign(FTasks.size(), 0);
    FLogs.assign(FTasks.size(), TEncoderLog());
    FNotes.assign(FTasks.size(), TNotes());
    FNoPicture.clear();
    FRunning = true;
    FPaused = false;
    FStartFailed = false;
    FNext = 0;
    FFailed = 0;
    FDone = 0;
    FTotal = 0;
    for (const ltvItemData& task : FTasks)
        FTotal += SecondsInTotal(task);
    ScheduleFill();
    return true;
}

int TBatchEngine::Enqueue(ltvItemData task)
{
    if (!FRunning)
        return -1;
    FNames->AddInput(task.InputFile);
    FTotal += SecondsInTotal(task);
    FPlans.push_back(
        MakeTaskPlan(*FProfiles, task, {FOptions.CheckQuality, FOptions.Tracks}, TranslatedText));
    FTasks.push_back(std::move(task));
    FOutputs.emplace_back();
    FPercents.push_back(0);
    FLogs.emplace_back();
    FNotes.emplace_back();
    ScheduleFill();
    return TaskCount() - 1;
}

// Tasks start from the event loop, one turn after the request: a Stop given
// meanwhile is seen before another encoder starts.
void TBatchEngine::ScheduleFill()
{
    if (FFillPending)
        return;
    FFillPending = true;
    QTimer::singleShot(0, this, [this, run = FRun] {
        FFillPending = false;
        if (run == FRun)
            Fill();
    });
}

void TBatchEngine::Fill()
{
    if (!FRunning || FPaused)
        return;
    for (std::size_t index = 0;
         !FStartFailed && FNext < TaskCount() && RunningCount() < FOptions.SimultaneousTasks;
         ++index) {
        TSlot& slot = SlotAt(index);
        if (slot.Task < 0)
            StartTask(slot, FNext++);
    }
    EndRunIfIdle();
}

void TBatchEngine::StartTask(TSlot& slot, int task)
{
    // Copies: a listener of TaskStarted may enqueue, which moves the queue.
    const ltvItemData data = Task(task);
    TTaskPlan plan = Plan(task);
    // A target out of reach fails its task with the reason rather than
    // convert at the profile's own rate unseen.
    if (!plan.Refusal.empty()) {
        ++FFailed;
        FDone += SecondsInTotal(data);
        emit TaskFinished(task, TaskEnd::Failed, Text(plan.Refusal));
        return;
    }
    // Every task's tracks are chosen here, whichever way its switches came;
    // the plan keeps them, so that a pass run again maps the same tracks.
    const std::string container = plan.OutputExt.empty() ? std::string() : plan.OutputExt.substr(1);
    // A plan made from the task's probe has mapped them already.
    const TTrackChoice tracks = TaskTrackChoice(data, FOptions.Tracks);
    if (!plan.TracksMapped && (tracks != TTrackChoice() || PicksSubtitlesItself(container))) {
        const TTrackSwitches switches = TrackSwitches(
            FOptions.ReadTracks ? FOptions.ReadTracks(data.InputFile) : std::vector<TMediaTrack>(),
            tracks, container, data.InputFile, TranslatedText);
        if (!switches.Refusal.empty()) {
            ++FFailed;
            FDone += SecondsInTotal(data);
            emit TaskFinished(task, TaskEnd::Failed, Text(switches.Refusal));
            return;
        }
        plan.Arguments = WithTrackSwitches(std::move(plan.Arguments), switches);
        FPlans[static_cast<std::size_t>(task)].Arguments = plan.Arguments;
    }
    slot.Task = task;
    slot.Progress = TProgressReader();
    slot.ChunkIndex = 0;
    slot.Checking = false;
    slot.StartMs = -1;
    slot.Clock.start();
    slot.LengthPending = FOptions.LengthFromReport && data.Length.Seconds < 0;
    slot.PictureUnknown = FOptions.NeedsPicture && !plan.NoPicture;

    OutputNameRequest& request = slot.Request;
    request.OutputDir = FOptions.OutputDir;
    request.NewName = data.NewName;
    request.OutputExt = plan.OutputExt;
    request.Position = task + 1;
    request.Rename = FOptions.Rename;
    slot.Candidate =
        ChooseOutputCandidate(request, HasDirectoryEntry,
                              [this](const std::string& path) { return FNames->IsTaken(path); });
    slot.Output = OutputPathCandidate(request, slot.Candidate);
    FNames->Reserve(slot.Output);
    do
        slot.Work = WorkingOutputPath(FOptions.OutputDir, plan.OutputExt, FHost,
                                      QCoreApplication::applicationPid(), ++FSerial);
    while (HasDirectoryEntry(slot.Work));

    emit TaskStarted(task, Text(slot.Output));
    FLogs[static_cast<std::size_t>(task)] = TEncoderLog();
    slot.Pass = 0;
    slot.PassLog.clear();
    bool started = false;
    if (plan.TwoPass) {
        slot.PassLog = PassLogBase();
        slot.SecondPass = PassArguments(plan.Arguments, 2, slot.PassLog);
        slot.Pass = 1;
        started = StartEncoder(slot, task, PassArguments(plan.Arguments, 1, slot.PassLog), "-");
    } else {
        started = StartEncoder(slot, task, plan.Arguments, slot.Work);
    }
    if (started)
        return;
    Finish(slot, task, false);
    slot.Task = -1;
    FStartFailed = true;
    ++FFailed;
    emit TaskFinished(task, TaskEnd::Failed,
                      tr("The encoder \"%1\" cannot be started.").arg(FOptions.EncoderPath));
}

std::string TBatchEngine::PassLogBase()
{
    // x265 is told where its statistics go inside its own parameters, where
    // ":", quotes and backslashes mean something: they go to a private folder of a
    // plain name, never beside the output.
    if (!FPassDir || !FPassDir->isValid()) {
        QString base = QDir::tempPath();
        if (base.contains(QRegularExpression(QStringLiteral("[:'\\\\=,]"))))
            base = QStringLiteral("/tmp");
        FPassDir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quenby-passes-XXXXXX"));
    }
    return FPassDir->path().toStdString() + "/" + std::to_string(FSerial);
}

bool TBatchEngine::StartEncoder(TSlot& slot, int task, const std::vector<std::string>& arguments,
                                const std::string& output)
{
    std::vector<std::string> command = ConversionArguments(Task(task).InputFile, arguments, output);
    const QStringList argumentList = EncoderChannel::ArgumentList(command);
    command.insert(command.begin(), FOptions.EncoderPath.toStdString());
    const std::string when =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    TEncoderLog& log = FLogs[static_cast<std::size_t>(task)];
    // The second pass goes on in the first one's log.
    if (slot.Pass == 2)
        log.Append("\n" + ShellCommandLine(command) + "\n");
    else
        log.Start(ShellCommandLine(command), when);
    return slot.Channel.Start(FOptions.EncoderPath, argumentList);
}

// Moves a succeeded conversion to its name, or removes what a failed one
// wrote; returns why a succeeded one could not be moved. An encoder that
// ended well without writing anything leaves the output as it was.
QString TBatchEngine::Finish(TSlot& slot, int task, bool succeeded)
{
    RemovePassLogs(slot.PassLog);
    slot.PassLog.clear();
    int error = 0;
    if (succeeded) {
        if (!HasDirectoryEntry(slot.Work))
            return {};
        if (FOptions.Rename) {
            // Another run into this folder may have taken the name since the
            // task started; the output then takes the rule's next free one.
            FNames->Release(slot.Output);
            const TPlacement placement = PlaceOutput(
                slot.Work, slot.Request, slot.Candidate,
                [this](const std::string& path) { return FNames->IsTaken(path); },
                MoveWithoutReplacing);
            slot.Output = placement.Path;
            FNames->Reserve(slot.Output);
            error = placement.Error;
        } else {
            error = MoveReplacing(slot.Work, slot.Output);
        }
        if (error == 0) {
            FOutputs[static_cast<std::size_t>(task)] = slot.Output;
            FLogs[static_cast<std::size_t>(task)].Append(
                //: A line of the encoder log; %1 is the output file's path
                "\n" + tr("Saved as \"%1\".").arg(Text(slot.Output)).toStdString() + "\n");
            return {};
        }
    }
    std::remove(slot.Work.c_str());
    FNames->Release(slot.Output);
    if (error == 0)
        return {};
    return tr("The output cannot be written to \"%1\": %2")
        .arg(Text(slot.Output), Text(std::system_category().message(error)));
}

void TBatchEngine::Abandon(TSlot& slot)
{
    slot.Channel.Terminate();
    // A check reads an output that is already in place.
    if (!slot.Checking)
        Finish(slot, slot.Task, false);
    slot.Checking = false;
    slot.Task = -1;
}

void TBatchEngine::OnChunk(int task, const QByteArray& chunk)
{
    TSlot* slot = SlotOf(task);
    if (!FRunning || !slot)
        return;
    if (slot->Checking) {
        slot->CheckOutput.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        if (slot->CheckOutput.size() > 2 * TailLimit)
            slot->CheckOutput.erase(0, slot->CheckOutput.size() - TailLimit);
        return;
    }
    FLogs[static_cast<std::size_t>(task)].Append(
        std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
    if (slot->LengthPending)
        LearnLength(*slot);
    if (slot->StartMs < 0 && slot->Pass < 2 &&
        TaskLog(task).Text().find("Stream mapping:") != std::string::npos)
        slot->StartMs = slot->Clock.elapsed();
    else if (slot->StartMs < 0 && TaskLog(task).Written() > HeadLimit)
        slot->StartMs = 0;
    if (slot->PictureUnknown && LacksPicture(*slot)) {
        FailForNoPicture(*slot, task);
        return;
    }
    // The first two reads hold the encoder's banner and the input's
    // description, never progress worth showing.
    if (slot->ChunkIndex >= 2) {
        if (slot->Progress.Read(chunk.toStdString())) {
            // A task of unknown length has no share to show.
            const double span = SecondsInTotal(Task(task));
            if (span != 0) {
                FPercents[static_cast<std::size_t>(task)] =
                    ProgressPercent(SlotSeconds(*slot), span);
                emit TaskProgress(task, TaskPercent(task));
            }
            EmitTotal();
        }
    }
    ++slot->ChunkIndex;
}

void TBatchEngine::LearnLength(TSlot& slot)
{
    const TEncoderLog& log = TaskLog(slot.Task);
    const std::string head = log.Text();
    // Whole lines only: a length cut short by the end of a read would read
    // as a shorter one.
    const std::size_t lineEnd = head.find_last_of("\r\n");
    ltvItemData& task = FTasks[static_cast<std::size_t>(slot.Task)];
    const std::string length =
        lineEnd == std::string::npos
            ? std::string()
            : ParseProbeReport(head.substr(0, lineEnd + 1), task.InputFile).LengthText;
    if (ParseTimeText(length) >= 0) {
        SetTaskLength(task, length);
        FTotal += SecondsInTotal(task);
    } else if (log.Written() <= HeadLimit) {
        return;
    }
    slot.LengthPending = false;
}

bool TBatchEngine::LacksPicture(TSlot& slot)
{
    const TEncoderLog& log = TaskLog(slot.Task);
    const std::string head = log.Text();
    // The streams are all listed once the encoder maps them.
    const std::size_t mapping = head.find("Stream mapping:");
    if (mapping == std::string::npos) {
        slot.PictureUnknown = log.Written() <= HeadLimit;
        return false;
    }
    slot.PictureUnknown = false;
    return ParseProbeReport(head.substr(0, mapping), Task(slot.Task).InputFile).NoVideo;
}

void TBatchEngine::FailForNoPicture(TSlot& slot, int task)
{
    slot.Channel.Terminate();
    Finish(slot, task, false);
    slot.Task = -1;
    FDone += SecondsInTotal(Task(task));
    FNoPicture.insert(task);
    ++FFailed;
    emit TaskFinished(task, TaskEnd::Failed, tr("The input holds no video picture."));
    GoOn();
}

void TBatchEngine::EmitTotal()
{
    if (FTotal == 0)
        return;
    double running = 0;
    for (const auto& slot : FSlots)
        if (slot->Task >= 0)
            running += SlotSeconds(*slot);
    emit TotalProgress(ProgressPercent(FDone + running, FTotal));
}

double TBatchEngine::SlotSeconds(const TSlot& slot) const
{
    // A checked task counts among those done.
    if (slot.Checking)
        return 0;
    const double current = slot.Progress.Current();
    if (slot.Pass == 0)
        return current;
    const double span = SecondsInTotal(Task(slot.Task));
    return (slot.Pass == 2 ? span / 2 : 0) + current / 2;
}

// The time the encoder reached, from its last report: a run that ends in
// the reads it begins with shows no progress on the way.
double TBatchEngine::EndTime(const TSlot& slot, const std::string& tail) const
{
    TProgressReader last;
    last.Read(tail);
    return std::max(slot.Progress.Current(), last.Current());
}

void TBatchEngine::OnFinished(TSlot& slot, int exitCode, bool crashed)
{
    const int task = slot.Task;
    if (!FRunning || task < 0)
        return;
    if (slot.Checking) {
        OnCheckFinished(slot, exitCode, crashed);
        return;
    }
    const std::string tail = TaskLog(task).End(TailLimit);
    const bool failed = exitCode != 0 || crashed || !OutputWriteError(tail, slot.Work).empty();
    bool secondPassStarts = true;
    if (slot.Pass == 1 && !failed) {
        slot.Pass = 2;
        slot.Progress = TProgressReader();
        slot.ChunkIndex = 0;
        secondPassStarts = StartEncoder(slot, task, slot.SecondPass, slot.Work);
        if (secondPassStarts)
            return;
    }
    if (slot.PictureUnknown && LacksPicture(slot)) {
        FailForNoPicture(slot, task);
        return;
    }
    // The MPEG family's rate control refuses a second pass whose bitrate the
    // picture cannot be squeezed into (and this ffmpeg then aborts on its way
    // out). One pass then lands where it can, and
    // an output over its target fails its task as such, kept.
    if (slot.Pass == 2 && failed && RefusesTooLowABitrate(tail)) {
        slot.Progress = TProgressReader();
        slot.ChunkIndex = 0;
        RemovePassLogs(slot.PassLog);
        // Started as a second pass, so that its command goes on in the log.
        const bool started = StartEncoder(slot, task, Plan(task).Arguments, slot.Work);
        slot.Pass = 0;
        if (started)
            return;
        secondPassStarts = false;
    }
    slot.ConvertMs = slot.Clock.elapsed();
    slot.Task = -1;
    FDone += SecondsInTotal(Task(task));
    EmitTotal();
    QString reason;
    if (failed || !secondPassStarts) {
        reason = failed ? Text(LastEncoderMessage(tail))
                        : tr("The encoder \"%1\" cannot be started.").arg(FOptions.EncoderPath);
        Finish(slot, task, false);
        ++FFailed;
        emit TaskFinished(task, TaskEnd::Failed, reason);
    } else if (const double span = SecondsInTotal(Task(task)), reached = EndTime(slot, tail);
               FOptions.WholeInputs && span > 0 &&
               reached < span * (1 - ShortInputShare) - ShortInputSeconds) {
        //: %1 the seconds converted, %2 the seconds the input states
        reason = tr("The input ends after %1 s of its %2 s: it is not whole.")
                     .arg(reached, 0, 'f', 2)
                     .arg(span, 0, 'f', 2);
        Finish(slot, task, false);
        ++FFailed;
        emit TaskFinished(task, TaskEnd::Failed, reason);
    } else if (reason = Finish(slot, task, true); !reason.isEmpty()) {
        ++FFailed;
        emit TaskFinished(task, TaskEnd::Failed, reason);
    } else {
        CompleteTask(slot, task);
        if (slot.Checking)
            return;
    }
    GoOn();
}

void TBatchEngine::CompleteTask(TSlot& slot, int task)
{
    const std::string& output = TaskOutput(task);
    const TTaskPlan& plan = Plan(task);
    TNotes& notes = FNotes[static_cast<std::size_t>(task)];
    notes = TNotes();
    if (plan.TargetBytes > 0 && !output.empty()) {
        const int64_t reached = FileBytes(output);
        const double ratio = static_cast<double>(reached) / static_cast<double>(plan.TargetBytes);
        //: A target size's outcome: %1 the size planned, %2 the size reached
        QString size = tr("planned %1, reached %2")
                           .arg(Text(FormatSizeText(plan.TargetBytes, TranslatedText)),
                                Text(FormatSizeText(reached, TranslatedText)));
        // Far under its target, the encoder had nothing more worth spending
        // bits on.
        if (ratio < 1 - MissedTargetShare)
            //: Said after "planned 25.0 MB, reached 1.24 MB"
            size += tr(": the profile's quality was already reached");
        notes.Size = size.toStdString();
        TEncoderLog& log = FLogs[static_cast<std::size_t>(task)];
        //: A line of the encoder log; %1 is the output's size against its target
        log.Append(tr("Size: %1.").arg(size).toStdString() + "\n");
        if (ratio > 1 + TargetTolerance) {
            // The output stays: it may still serve, and the user decides.
            //: %1 is a whole percent, as in "over the target by 12%"
            const QString over = tr("over the target by %1%").arg(std::lround((ratio - 1) * 100));
            log.Append(over.toStdString() + "\n");
            ++FFailed;
            emit TaskFinished(task, TaskEnd::Failed, over);
            return;
        }
    }
    if (plan.CheckQuality && !output.empty()) {
        slot.Task = task;
        slot.Checking = true;
        slot.Sample = 0;
        slot.Samples.clear();
        slot.CheckError.clear();
        slot.Clock.start();
        StartCheckSample(slot, task);
        return;
    }
    emit TaskFinished(task, TaskEnd::Complete, QString());
}

void TBatchEngine::StartCheckSample(TSlot& slot, int task)
{
    const ltvItemData& data = Task(task);
    const double span = SecondsInTotal(data);
    // On a short clip the start of the check's encoder alone weighs a
    // share of the conversion: the samples get shorter to keep to it.
    if (slot.Sample == 0)
        slot.SampleSeconds =
            ::SampleSeconds(static_cast<double>(slot.ConvertMs), static_cast<double>(slot.StartMs),
                            span, CheckShare, MostSampleSeconds);
    const double window = slot.SampleSeconds;
    const double at = SampleStart(slot.Sample, span, window);
    const double from = data.Start.Seconds > 0 ? data.Start.Seconds : 0;
    slot.CheckOutput.clear();
    const std::vector<std::string> arguments =
        QualityCheckArguments(data.InputFile, from + at, TaskOutput(task), at, window);
    if (!slot.Channel.Start(FOptions.EncoderPath, EncoderChannel::ArgumentList(arguments)))
        OnCheckFinished(slot, -1, true);
}

// A check never fails its task: what it could not measure is told instead.
void TBatchEngine::OnCheckFinished(TSlot& slot, int exitCode, bool crashed)
{
    const int task = slot.Task;
    const std::optional<TQuality> quality = ParseQualityReport(slot.CheckOutput);
    if (exitCode == 0 && !crashed && quality)
        slot.Samples.push_back(*quality);
    else if (slot.CheckError.empty())
        slot.CheckError = exitCode == -1 ? tr("the encoder cannot be started").toStdString()
                                         : LastEncoderMessage(slot.CheckOutput);
    const double span = SecondsInTotal(Task(task));
    const qint64 spent = slot.Clock.elapsed();
    const double each = static_cast<double>(spent) / (slot.Sample + 1);
    const bool more =
        slot.CheckError.empty() &&
        static_cast<double>(spent) + each <= CheckShare * static_cast<double>(slot.ConvertMs) &&
        (slot.Sample + 2) * slot.SampleSeconds <= span;
    if (more) {
        ++slot.Sample;
        StartCheckSample(slot, task);
        return;
    }
    TNotes& notes = FNotes[static_cast<std::size_t>(task)];
    if (!slot.Samples.empty() && slot.CheckError.empty()) {
        TQuality mean;
        for (const TQuality& q : slot.Samples) {
            mean.Ssim += q.Ssim / static_cast<double>(slot.Samples.size());
            mean.Psnr += q.Psnr / static_cast<double>(slot.Samples.size());
        }
        notes.Quality = QualityText(mean, TranslatedText);
    } else {
        //: Why a quality check found nothing: %1 is the reason
        notes.Quality =
            tr("not checked: %1")
                .arg(slot.CheckError.empty() ? tr("no measure came back") : Text(slot.CheckError))
                .toStdString();
    }
    //: %1 is the quality found, %n the samples compared, %2 and %3 milliseconds
    FLogs[static_cast<std::size_t>(task)].Append(
        tr("Quality: %1 over %n sample(s) in %2 ms (the conversion took %3 ms).", nullptr,
           static_cast<int>(slot.Samples.size()))
            .arg(Text(notes.Quality), QString::number(spent), QString::number(slot.ConvertMs))
            .toStdString() +
        "\n");
    slot.Checking = false;
    slot.Task = -1;
    emit TaskFinished(task, TaskEnd::Complete, QString());
    GoOn();
}

// After a task has ended: the next one starts, or the run ends once idle.
void TBatchEngine::GoOn()
{
    if (!FRunning)
        return;
    if (FNext < TaskCount() && !FStartFailed)
        ScheduleFill();
    else
        EndRunIfIdle();
}

void TBatchEngine::EndRunIfIdle()
{
    if (!FRunning || RunningCount() > 0)
        return;
    if (!FStartFailed && FNext < TaskCount())
        return;
    FRunning = false;
    FPaused = false;
    emit BatchEnded(FStartFailed ? BatchEnd::StartFailed : BatchEnd::Completed);
}

void TBatchEngine::Pause()
{
    if (!FRunning || FPaused)
        return;
    FPaused = true;
    for (const auto& slot : FSlots)
        if (slot->Task >= 0)
            slot->Channel.Suspend();
}

void TBatchEngine::Resume()
{
    if (!FPaused)
        return;
    FPaused = false;
    for (const auto& slot : FSlots)
        slot->Channel.Resume();
    // A task that ended just as the run paused left its place empty.
    ScheduleFill();
}

void TBatchEngine::Stop()
{
    if (!FRunning)
        return;
    FRunning = false;
    FPaused = false;
    ++FRun;
    // Every encoder is down before the first report, so that whatever the
    // reports trigger finds nothing running.
    std::vector<std::pair<int, TaskEnd>> stopped;
    for (const auto& slot : FSlots) {
        if (slot->Task < 0)
            continue;
        // A task under its quality check has its output in place.
        if (slot->Checking)
            FNotes[static_cast<std::size_t>(slot->Task)].Quality =
                //: Why an output's quality was not checked: the user stopped the batch
                tr("not checked: %1").arg(tr("stopped")).toStdString();
        stopped.emplace_back(slot->Task, slot->Checking ? TaskEnd::Complete : TaskEnd::Stopped);
        Abandon(*slot);
    }
    std::sort(stopped.begin(), stopped.end());
    for (const auto& [task, end] : stopped)
        emit TaskFinished(task, end, QString());
    emit BatchEnded(BatchEnd::Stopped);
}
