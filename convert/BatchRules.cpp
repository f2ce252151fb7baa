// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchRules.h"

#include "base/TextConvert.h"
#include "base/TimeText.h"
#include "encoder/ProbeReport.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

long long RoundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));
}

namespace {

// The time in `token`: seconds or a clock text, "." as the separator.
std::optional<double> ReadTimeToken(const std::string& token)
{
    double seconds = 0;
    if (!token.empty() && TryStrToFloat(token, seconds))
        return seconds;
    seconds = ParseTimeText(token);
    if (seconds == -1)
        return std::nullopt;
    return seconds;
}

const std::string TimeField = "time=";

// The largest value among the chunk's complete "time=" fields: those whose
// value ends in a blank before the chunk does.
std::optional<double> ReadTimeFields(const std::string& chunk)
{
    std::optional<double> largest;
    for (std::size_t at = chunk.find(TimeField); at != std::string::npos;
         at = chunk.find(TimeField, at + 1)) {
        const std::size_t start = at + TimeField.size();
        const std::size_t blank = chunk.find(' ', start);
        if (blank == std::string::npos)
            break;
        const auto seconds = ReadTimeToken(chunk.substr(start, blank - start));
        if (seconds && (!largest || *seconds > *largest))
            largest = seconds;
    }
    return largest;
}

} // namespace

std::optional<double> ParseProgressTime(const std::string& chunk)
{
    const std::size_t at = chunk.find("time");
    if (at == std::string::npos)
        return std::nullopt;
    const std::size_t start = at + 5;
    if (start > chunk.size())
        return std::nullopt;
    const std::size_t blank = chunk.find(' ', start);
    if (blank == std::string::npos)
        return std::nullopt;
    return ReadTimeToken(chunk.substr(start, blank - start));
}

bool TProgressReader::Read(const std::string& chunk)
{
    const double before = FCurrent;
    std::optional<double> seconds;
    if (chunk.find(TimeField) != std::string::npos) {
        if (!FHasTimeField) {
            FHasTimeField = true;
            FCurrent = 0;
        }
        seconds = ReadTimeFields(chunk);
    } else if (!FHasTimeField) {
        seconds = ParseProgressTime(chunk);
    }
    if (seconds && *seconds > FCurrent)
        FCurrent = *seconds;
    return FCurrent != before;
}

double SecondsInTotal(const ltvItemData& task)
{
    return task.Span.Seconds > 0 ? task.Span.Seconds : 0;
}

int ProgressPercent(double part, double whole)
{
    if (whole == 0)
        return 0;
    const double percent = part / whole * 100;
    if (!(percent > 0))
        return 0;
    if (percent >= 100)
        return 100;
    return static_cast<int>(RoundHalfEven(percent));
}

long long EstimateRemainingSeconds(long long elapsed, int percent)
{
    return RoundHalfEven(static_cast<double>(elapsed) / (percent / 100.0) -
                         static_cast<double>(elapsed));
}

TRunNames::TRunNames(std::vector<std::string> inputs)
    : FInputs(std::move(inputs)), FInputTexts(FInputs.begin(), FInputs.end())
{
}

void TRunNames::AddInput(const std::string& input)
{
    FInputs.push_back(input);
    FInputTexts.insert(input);
}

void TRunNames::Reserve(const std::string& output)
{
    FOutputs.insert(output);
}

void TRunNames::Release(const std::string& output)
{
    if (const auto it = FOutputs.find(output); it != FOutputs.end())
        FOutputs.erase(it);
}

bool TRunNames::IsTaken(const std::string& path) const
{
    if (FInputTexts.count(path) != 0 || FOutputs.count(path) != 0)
        return true;
    // Another spelling can only name an existing file; the comparison with
    // every input is paid only for names that exist.
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return false;
    const auto same = [&path](const std::string& other) {
        return IsSameFile(path, other);
    };
    return std::any_of(FInputs.begin(), FInputs.end(), same) ||
           std::any_of(FOutputs.begin(), FOutputs.end(), same);
}

std::string OutputPathCandidate(const OutputNameRequest& request, int candidate)
{
    std::string path = request.OutputDir + request.NewName;
    if (candidate >= 1)
        path += "_" + std::to_string(request.Position);
    if (candidate >= 2)
        path += "_" + std::to_string(candidate);
    return path + request.OutputExt;
}

int ChooseOutputCandidate(const OutputNameRequest& request,
                          const std::function<bool(const std::string&)>& entryExists,
                          const std::function<bool(const std::string&)>& isTaken)
{
    const auto unusable = [&](const std::string& path) {
        return isTaken(path) || (request.Rename && entryExists(path));
    };
    int candidate = 0;
    while (unusable(OutputPathCandidate(request, candidate)))
        ++candidate;
    return candidate;
}

std::string ChooseOutputPath(const OutputNameRequest& request,
                             const std::function<bool(const std::string&)>& entryExists,
                             const std::function<bool(const std::string&)>& isTaken)
{
    return OutputPathCandidate(request, ChooseOutputCandidate(request, entryExists, isTaken));
}

TPlacement PlaceOutput(const std::string& work, const OutputNameRequest& request, int first,
                       const std::function<bool(const std::string&)>& isTaken,
                       const std::function<int(const std::string&, const std::string&)>& move)
{
    // Enough for any folder people keep; a file system that answers EEXIST
    // for every name must not hold the run for ever.
    constexpr int Tries = 100000;
    TPlacement placement;
    for (int candidate = first; candidate < first + Tries; ++candidate) {
        placement.Path = OutputPathCandidate(request, candidate);
        if (isTaken(placement.Path))
            continue;
        placement.Error = move(work, placement.Path);
        if (placement.Error != EEXIST)
            return placement;
    }
    return placement;
}

namespace {

const std::string WorkingPrefix = ".quenby-";

bool IsHostCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

bool IsDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string HostTag(const std::string& hostName)
{
    std::string tag;
    std::copy_if(hostName.begin(), hostName.end(), std::back_inserter(tag), IsHostCharacter);
    return tag.empty() ? "host" : tag;
}

std::string WorkingOutputPath(const std::string& outputDir, const std::string& outputExt,
                              const std::string& host, long long owner, int serial)
{
    return outputDir + WorkingPrefix + host + "-" + std::to_string(owner) + "-" +
           std::to_string(serial) + outputExt;
}

std::optional<TWorkingName> ParseWorkingName(const std::string& fileName)
{
    if (fileName.rfind(WorkingPrefix, 0) != 0)
        return std::nullopt;
    // The host holds no ".", so the first one after the prefix starts the
    // extension; the process and the serial follow the host's last "-"s.
    const std::size_t dot = fileName.find('.', WorkingPrefix.size());
    if (dot == std::string::npos)
        return std::nullopt;
    const std::string body = fileName.substr(WorkingPrefix.size(), dot - WorkingPrefix.size());
    const std::size_t serialDash = body.rfind('-');
    if (serialDash == std::string::npos || serialDash == 0)
        return std::nullopt;
    const std::size_t ownerDash = body.rfind('-', serialDash - 1);
    if (ownerDash == std::string::npos || ownerDash == 0)
        return std::nullopt;
    TWorkingName name;
    name.Host = body.substr(0, ownerDash);
    const std::string owner = body.substr(ownerDash + 1, serialDash - ownerDash - 1);
    const std::string serial = body.substr(serialDash + 1);
    if (!std::all_of(name.Host.begin(), name.Host.end(), IsHostCharacter) || !IsDigits(owner) ||
        !IsDigits(serial) || serial.size() > 9)
        return std::nullopt;
    name.Owner = std::stoll(owner);
    name.Serial = std::stoi(serial);
    if (name.Owner <= 0)
        return std::nullopt;
    return name;
}

namespace {

bool IsProgressLine(const std::string& line)
{
    return line.find("time=") != std::string::npos &&
           (line.find("frame=") != std::string::npos || line.find("size=") != std::string::npos);
}

bool IsBlankLine(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

// The encoder ends every failure with this line, whatever the cause.
bool IsClosingLine(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const std::size_t last = line.find_last_not_of(" \t");
    return line.compare(first, last - first + 1, "Conversion failed!") == 0;
}

bool IsErrorLevel(const std::string& level)
{
    return level == "error" || level == "fatal" || level == "panic";
}

// "Error initializing output stream 0:0 -- " ends where its reason would
// stand; the reason is on a line before it.
bool LacksItsReason(const std::string& line)
{
    const std::size_t last = line.find_last_not_of(" \t");
    return last != std::string::npos && last >= 1 && line.compare(last - 1, 2, "--") == 0;
}

std::vector<TEncoderLine> MarkedLines(const std::string& tail)
{
    std::vector<TEncoderLine> lines;
    for (const std::string& line : SplitLines(tail))
        lines.push_back(SplitEncoderLevel(line));
    return lines;
}

} // namespace

std::string LastEncoderMessage(const std::string& tail)
{
    const std::vector<TEncoderLine> lines = MarkedLines(tail);
    // Some encoders print statistics after the error ("Qavg: 3155.190"): a
    // line marked as an error is the reason, when the output is marked.
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (IsErrorLevel(it->Level) && !IsBlankLine(it->Text) && !IsClosingLine(it->Text) &&
            !LacksItsReason(it->Text))
            return it->Text;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (!IsBlankLine(it->Text) && !IsProgressLine(it->Text) && !IsClosingLine(it->Text))
            return it->Text;
    return {};
}

std::string OutputWriteError(const std::string& tail, const std::string& outputPath)
{
    const std::vector<TEncoderLine> lines = MarkedLines(tail);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (IsErrorLevel(it->Level) && it->Text.find(outputPath) != std::string::npos)
            return it->Text;
    return {};
}

namespace {

// A process that no longer exists. One that exists under another user, or
// a new process that has taken the id since, counts as running: its files
// stay until a later run finds the id free, rather than risk removing what
// a live run is writing.
bool ProcessIsGone(long long pid)
{
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

std::string LocalHostTag()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        name[0] = '\0';
    return HostTag(name);
}

int RemoveLeftWorkingFiles(const std::string& dir, const std::string& host)
{
    DIR* listing = ::opendir(dir.c_str());
    if (!listing)
        return 0;
    const int dirFd = ::dirfd(listing);
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const auto name = ParseWorkingName(entry->d_name);
        if (!name || name->Host != host || !ProcessIsGone(name->Owner))
            continue;
        struct stat status;
        if (::fstatat(dirFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        if (::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(listing);
    return removed;
}
