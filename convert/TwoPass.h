// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The encoder runs of one conversion: a single pass, or a first pass that
// only gathers statistics and a second that writes the output from them.
// The MPEG family's rate control refuses a second pass whose bitrate the
// picture cannot be squeezed into (and ffmpeg then aborts on its way out);
// the conversion then runs once more as a single pass, which lands where it
// can.
class TPassRun
{
public:
    // What one encoder run is given: its switches and where it writes.
    struct TStep
    {
        std::vector<std::string> Arguments;
        std::string Output;
    };

    TPassRun() = default;
    // `logBase` names the statistics files of both passes; empty for a
    // conversion of one pass. `work` is where the output is written.
    TPassRun(std::vector<std::string> arguments, std::string work, std::string logBase);

    // The first run: the first pass writes no output.
    TStep First();
    // After a first pass that succeeded, the second.
    std::optional<TStep> Second();
    // After a second pass that failed, with the end of what its encoder
    // wrote: the single pass to run instead, if the rate control refused it.
    std::optional<TStep> Fallback(bool failed, const std::string& tail);

    // 0 for a single pass, else the pass that runs.
    int Pass() const { return FPass; }
    // A run's progress in seconds of the task's `span`, both passes counted
    // as one conversion.
    double Seconds(double current, double span) const;
    // Removes the statistics files, which both passes share.
    void RemoveLogs();

private:
    std::vector<std::string> FArguments;
    std::string FWork;
    std::string FLogBase;
    int FPass = 0;
};

// "requested bitrate is too low", "bitrate too low for this video with
// these parameters"
bool RefusesTooLowABitrate(const std::string& tail);
