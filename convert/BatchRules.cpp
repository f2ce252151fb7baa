#include "convert/BatchRules.h"

#include "profiles/NewInifiles.h"
#include "tasks/TimeText.h"

#include <cmath>
#include <filesystem>
#include <system_error>

long long RoundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));
}

std::optional<double> ParseProgressTime(const std::string& chunk)
{
    const std::size_t at = chunk.find("time");
    if (at == std::string::npos)
        return std::nullopt;
    const std::size_t start = at + 5;
    if (start > chunk.size())
        return std::nullopt;
    const std::string rest = chunk.substr(start);
    const std::size_t blank = rest.find(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    const std::string token = rest.substr(0, blank);
    double seconds = 0;
    if (!token.empty() && TryStrToFloat(token, seconds))
        return seconds;
    seconds = ParseTimeText(token);
    if (seconds == -1)
        return std::nullopt;
    return seconds;
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

std::string TrimSwitches(const ltvItemData& task)
{
    std::string switches;
    if (task.StartSec != task.FullStartSec)
        switches += " -ss " + task.StartText;
    if (task.SpanSec != task.LengthSec)
        switches += " -t " + std::to_string(RoundHalfEven(task.SpanSec));
    return switches;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

std::string ChooseOutputPath(const OutputNameRequest& request,
                             const std::function<bool(const std::string&)>& fileExists)
{
    const std::string plain = request.OutputDir + request.NewName + request.OutputExt;
    const bool clash = request.Rename && fileExists(plain);
    if (!clash && !IsSameFile(plain, request.InputFile))
        return plain;

    // A task added before any profile was loaded has no extension of its own;
    // without one the encoder cannot tell what to write.
    const std::string ext = request.NewExt.empty() ? request.OutputExt : request.NewExt;
    const std::string stem =
        request.OutputDir + request.NewName + "_" + std::to_string(request.Position);
    std::string indexed = stem + ext;
    for (int counter = 2;
         IsSameFile(indexed, request.InputFile) || (request.Rename && fileExists(indexed));
         ++counter)
        indexed = stem + "_" + std::to_string(counter) + ext;
    return indexed;
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

} // namespace

std::string LastEncoderMessage(const std::string& tail)
{
    const std::vector<std::string> lines = SplitLines(tail);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (!IsBlankLine(*it) && !IsProgressLine(*it))
            return *it;
    return {};
}
