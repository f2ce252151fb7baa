// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressBoard.h"

#include "base/TimeText.h"

#include <algorithm>
#include <cstdio>

namespace {

// In a log, a running task gets a line at every this many percent.
constexpr int PlainStep = 10;

const char* const CursorUp = "\x1b[%dA";
const char* const ClearBelow = "\r\x1b[J";

std::string Percent(int percent)
{
    const std::string number = std::to_string(percent) + "%";
    return std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') + number;
}

// Cut to `columns` bytes at most, never inside a UTF-8 sequence.
std::string Fitted(const std::string& line, int columns)
{
    std::size_t size = static_cast<std::size_t>(std::max(columns, 1));
    if (line.size() <= size)
        return line;
    while (size > 0 && (static_cast<unsigned char>(line[size]) & 0xC0) == 0x80)
        --size;
    return line.substr(0, size);
}

} // namespace

TProgressBoard::TProgressBoard(int taskCount, bool terminal, int width)
    : FTaskCount(taskCount), FTerminal(terminal), FWidth(width)
{
}

std::string TProgressBoard::TaskLine(int task, const std::string& state,
                                     const std::string& name) const
{
    const std::string count = std::to_string(FTaskCount);
    std::string number = std::to_string(task + 1);
    number.insert(0, count.size() > number.size() ? count.size() - number.size() : 0, ' ');
    return "[" + number + "/" + count + "] " + state + " " + name;
}

std::string TProgressBoard::RunningLine(int task) const
{
    const TRunning& running = FRunning.at(task);
    return TaskLine(task, Percent(running.Percent), running.Name);
}

std::string TProgressBoard::Redraw(const std::string& above)
{
    if (!FTerminal)
        return above;
    std::string text;
    if (FDrawn > 0) {
        char up[16];
        std::snprintf(up, sizeof up, CursorUp, FDrawn);
        text += up;
    }
    text += ClearBelow + above;
    for (const auto& [task, running] : FRunning)
        text += Fitted(RunningLine(task), FWidth - 1) + "\n";
    FDrawn = static_cast<int>(FRunning.size());
    return text;
}

std::string TProgressBoard::Started(int task, const std::string& name)
{
    FRunning[task] = {name, 0};
    return Redraw(FTerminal ? std::string() : RunningLine(task) + "\n");
}

std::string TProgressBoard::Progress(int task, int percent)
{
    const auto it = FRunning.find(task);
    if (it == FRunning.end() || it->second.Percent == percent)
        return {};
    const int before = it->second.Percent;
    it->second.Percent = percent;
    if (FTerminal)
        return Redraw({});
    // The end has a line of its own.
    if (percent / PlainStep == before / PlainStep || percent >= 100)
        return {};
    return RunningLine(task) + "\n";
}

std::string TProgressBoard::Finished(int task, TaskState end, const std::string& detail)
{
    const auto it = FRunning.find(task);
    const std::string name = it == FRunning.end() ? std::string() : it->second.Name;
    const int percent = it == FRunning.end() ? 0 : it->second.Percent;
    if (it != FRunning.end())
        FRunning.erase(it);
    ++FEnded[end];
    std::string line;
    switch (end) {
    case TaskState::Complete:
        line = TaskLine(task, Percent(100), name) + (detail.empty() ? "" : " -> " + detail);
        break;
    case TaskState::Failed:
        line = TaskLine(task, "failed", name) + (detail.empty() ? "" : ": " + detail);
        break;
    default: // Stopped
        line = TaskLine(task, "stopped at " + std::to_string(percent) + "%", name);
        break;
    }
    return Redraw(line + "\n");
}

std::string TProgressBoard::Skipped(int task, const std::string& note)
{
    FRunning.erase(task);
    ++FSkipped;
    return Redraw(note + "\n");
}

int TProgressBoard::Count(TaskState end) const
{
    const auto it = FEnded.find(end);
    return it == FEnded.end() ? 0 : it->second;
}

std::string TProgressBoard::Summary(long long elapsedSeconds, bool stopped)
{
    const int complete = Count(TaskState::Complete);
    const int failed = Count(TaskState::Failed);
    const int halted = Count(TaskState::Stopped);
    const int files = FTaskCount - FSkipped;
    const int notStarted = files - complete - failed - halted;
    FRunning.clear();
    return Redraw((stopped ? "Stopped. " : "") + std::to_string(files) +
                  (files == 1 ? " file: " : " files: ") + std::to_string(complete) +
                  " converted, " + std::to_string(failed) + " failed, " + std::to_string(halted) +
                  " stopped, " + std::to_string(notStarted) + " not started; elapsed " +
                  FormatTimeText(static_cast<double>(elapsedSeconds)) + "\n");
}
