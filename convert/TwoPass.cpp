// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/TwoPass.h"

#include "encoder/OutputSize.h"

#include <filesystem>
#include <system_error>

TPassRun::TPassRun(std::vector<std::string> arguments, std::string work, std::string logBase)
    : FArguments(std::move(arguments)), FWork(std::move(work)), FLogBase(std::move(logBase))
{
}

TPassRun::TStep TPassRun::First()
{
    if (FLogBase.empty()) {
        FPass = 0;
        return {FArguments, FWork};
    }
    FPass = 1;
    return {PassArguments(FArguments, 1, FLogBase), "-"};
}

std::optional<TPassRun::TStep> TPassRun::Second()
{
    if (FPass != 1)
        return std::nullopt;
    FPass = 2;
    return TStep{PassArguments(FArguments, 2, FLogBase), FWork};
}

std::optional<TPassRun::TStep> TPassRun::Fallback(bool failed, const std::string& tail)
{
    if (FPass != 2 || !failed || !RefusesTooLowABitrate(tail))
        return std::nullopt;
    RemoveLogs();
    FPass = 0;
    return TStep{FArguments, FWork};
}

double TPassRun::Seconds(double current, double span) const
{
    if (FPass == 0)
        return current;
    return (FPass == 2 ? span / 2 : 0) + current / 2;
}

// The statistics files of both passes start with the log's name: x264 and
// VP9 add "-0.log", x265 ".log", and each has files beside them.
void TPassRun::RemoveLogs()
{
    if (FLogBase.empty())
        return;
    const std::filesystem::path base(FLogBase);
    const std::string prefix = base.filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(base.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && entry.is_regular_file(error))
            std::filesystem::remove(entry.path(), error);
    }
    FLogBase.clear();
}

bool RefusesTooLowABitrate(const std::string& tail)
{
    return tail.find("bitrate is too low") != std::string::npos ||
           tail.find("bitrate too low") != std::string::npos;
}
