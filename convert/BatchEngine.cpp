// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchEngine.h"

#include "base/FileMoves.h"
#include "base/ShellText.h"
#include "base/TimeText.h"
#include "convert/ArgumentBuilder.h"
#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"
#include "encoder/ProbeReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <system_error>

namespace {

// The end of what an encoder wrote, kept for the line that tells why its
// conversion failed.
constexpr std::size_t TailLimit = 8192;
// The description of the input comes first; past this much output without
// its length, the length is not looked for any more.
constexpr std::size_t HeadLimit = 65536;

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
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
    // The task's length is looked for in its encoder's output.
    bool LengthPending = false;
    // Where the output goes, and the hidden name the encoder writes to.
    std::string Output;
    std::string Work;
    // The rule that named the output, and which of its names it chose.
    OutputNameRequest Request;
    int Candidate = 0;
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
                         std::vector<TTaskConversion> conversions)
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
    FConversions = std::move(conversions);
    FOutputs.assign(FTasks.size(), std::string());
    FHost = LocalHostTag();
    FLeftFilesRemoved = RemoveLeftWorkingFiles(FOptions.OutputDir, FHost);
    FOptions.SimultaneousTasks = std::max(1, FOptions.SimultaneousTasks);
    FPercents.assign(FTasks.size(), 0);
    FLogs.assign(FTasks.size(), TEncoderLog());
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
    FTasks.push_back(std::move(task));
    FOutputs.emplace_back();
    FPercents.push_back(0);
    FLogs.emplace_back();
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

TTaskConversion TBatchEngine::ConversionOf(int task) const
{
    if (std::size_t(task) < FConversions.size())
        return FConversions[std::size_t(task)];
    TTaskConversion conversion{FOptions.Arguments, FOptions.OutputExt};
    for (std::string& word : TrimSwitches(Task(task)))
        conversion.Arguments.push_back(std::move(word));
    return conversion;
}

void TBatchEngine::StartTask(TSlot& slot, int task)
{
    // A copy: a listener of TaskStarted may enqueue, which moves the queue.
    const ltvItemData data = Task(task);
    const TTaskConversion conversion = ConversionOf(task);
    slot.Task = task;
    slot.Progress = TProgressReader();
    slot.ChunkIndex = 0;
    slot.LengthPending = FOptions.LengthFromReport && data.Length.Seconds < 0;

    OutputNameRequest& request = slot.Request;
    request.OutputDir = FOptions.OutputDir;
    request.NewName = data.NewName;
    request.OutputExt = conversion.OutputExt;
    request.Position = task + 1;
    request.Rename = FOptions.Rename;
    slot.Candidate =
        ChooseOutputCandidate(request, HasDirectoryEntry,
                              [this](const std::string& path) { return FNames->IsTaken(path); });
    slot.Output = OutputPathCandidate(request, slot.Candidate);
    FNames->Reserve(slot.Output);
    do
        slot.Work = WorkingOutputPath(FOptions.OutputDir, conversion.OutputExt, FHost,
                                      QCoreApplication::applicationPid(), ++FSerial);
    while (HasDirectoryEntry(slot.Work));

    emit TaskStarted(task, Text(slot.Output));
    std::vector<std::string> command =
        ConversionArguments(data.InputFile, conversion.Arguments, slot.Work);
    const QStringList argumentList = EncoderChannel::ArgumentList(command);
    command.insert(command.begin(), FOptions.EncoderPath.toStdString());
    FLogs[static_cast<std::size_t>(task)].Start(
        ShellCommandLine(command),
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString());
    if (slot.Channel.Start(FOptions.EncoderPath, argumentList))
        return;
    Finish(slot, task, false);
    slot.Task = -1;
    FStartFailed = true;
    ++FFailed;
    emit TaskFinished(
        task, TaskEnd::Failed,
        QStringLiteral("The encoder \"%1\" cannot be started.").arg(FOptions.EncoderPath));
}

// Moves a succeeded conversion to its name, or removes what a failed one
// wrote; returns why a succeeded one could not be moved. An encoder that
// ended well without writing anything leaves the output as it was.
QString TBatchEngine::Finish(TSlot& slot, int task, bool succeeded)
{
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
            FLogs[static_cast<std::size_t>(task)].Append("\nSaved as \"" + slot.Output + "\".\n");
            return {};
        }
    }
    std::remove(slot.Work.c_str());
    FNames->Release(slot.Output);
    if (error == 0)
        return {};
    return QStringLiteral("The output cannot be written to \"%1\": %2")
        .arg(Text(slot.Output), Text(std::system_category().message(error)));
}

void TBatchEngine::Abandon(TSlot& slot)
{
    slot.Channel.Terminate();
    Finish(slot, slot.Task, false);
    slot.Task = -1;
}

void TBatchEngine::OnChunk(int task, const QByteArray& chunk)
{
    TSlot* slot = SlotOf(task);
    if (!FRunning || !slot)
        return;
    FLogs[static_cast<std::size_t>(task)].Append(
        std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
    if (slot->LengthPending)
        LearnLength(*slot);
    // The first two reads hold the encoder's banner and the input's
    // description, never progress worth showing.
    if (slot->ChunkIndex >= 2) {
        if (slot->Progress.Read(chunk.toStdString())) {
            // A task of unknown length has no share to show.
            const double span = SecondsInTotal(Task(task));
            if (span != 0) {
                FPercents[static_cast<std::size_t>(task)] =
                    ProgressPercent(slot->Progress.Current(), span);
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

void TBatchEngine::EmitTotal()
{
    if (FTotal == 0)
        return;
    double running = 0;
    for (const auto& slot : FSlots)
        if (slot->Task >= 0)
            running += slot->Progress.Current();
    emit TotalProgress(ProgressPercent(FDone + running, FTotal));
}

void TBatchEngine::OnFinished(TSlot& slot, int exitCode, bool crashed)
{
    const int task = slot.Task;
    if (!FRunning || task < 0)
        return;
    slot.Task = -1;
    FDone += SecondsInTotal(Task(task));
    EmitTotal();
    QString reason;
    const std::string tail = TaskLog(task).End(TailLimit);
    if (exitCode != 0 || crashed || !OutputWriteError(tail, slot.Work).empty()) {
        reason = Text(LastEncoderMessage(tail));
        Finish(slot, task, false);
        ++FFailed;
        emit TaskFinished(task, TaskEnd::Failed, reason);
    } else if (reason = Finish(slot, task, true); !reason.isEmpty()) {
        ++FFailed;
        emit TaskFinished(task, TaskEnd::Failed, reason);
    } else {
        emit TaskFinished(task, TaskEnd::Complete, QString());
    }
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
    std::vector<int> stopped;
    for (const auto& slot : FSlots) {
        if (slot->Task < 0)
            continue;
        stopped.push_back(slot->Task);
        Abandon(*slot);
    }
    std::sort(stopped.begin(), stopped.end());
    for (const int task : stopped)
        emit TaskFinished(task, TaskEnd::Stopped, QString());
    emit BatchEnded(BatchEnd::Stopped);
}

std::vector<TTaskConversion>
PinnedConversions(const std::vector<ltvItemData>& tasks, const TBatchOptions& options,
                  const std::function<std::string(const std::string&)>& profilePath)
{
    if (std::none_of(tasks.begin(), tasks.end(),
                     [](const ltvItemData& task) { return !task.Profile.empty(); }))
        return {};
    std::map<std::string, TProfileChoice> loaded;
    std::vector<TTaskConversion> conversions;
    for (const ltvItemData& task : tasks) {
        TTaskConversion conversion{options.Arguments, options.OutputExt};
        if (!task.Profile.empty()) {
            const auto [at, fresh] = loaded.try_emplace(task.Profile);
            if (fresh)
                at->second = LoadProfileChoice(profilePath(task.Profile));
            TProfileChoice choice = at->second;
            ApplyPickTexts(choice, task.Picks);
            conversion = {BuildArguments(choice, ltvItemData()), choice.OutputExt()};
        }
        for (std::string& word : TrimSwitches(task))
            conversion.Arguments.push_back(std::move(word));
        conversions.push_back(std::move(conversion));
    }
    return conversions;
}
