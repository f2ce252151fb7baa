#pragma once

#include "tasks/TaskRecord.h"

#include <functional>
#include <optional>
#include <string>

// The arithmetic and naming rules of a batch run, kept apart from the window
// so they can be checked one by one.

// Rounds to the nearest whole number, halves to the even neighbour.
long long RoundHalfEven(double value);

// The encoded time a chunk of encoder output reports: the token after the
// first "time" and one more character, up to the next blank. Both the plain
// seconds form (time=12.34) and the clock form (time=00:00:12.34) are read,
// always with "." as the separator. Nothing when the chunk holds no usable
// time.
std::optional<double> ParseProgressTime(const std::string& chunk);

// A bar position: part / whole × 100, rounded, kept within 0 to 100.
int ProgressPercent(double part, double whole);

// Seconds left when `elapsed` seconds gave `percent` of the total.
long long EstimateRemainingSeconds(long long elapsed, int percent);

// The switches that trim a task: " -ss <start>" when it does not begin at the
// input's start, " -t <whole seconds>" when its span is not the whole length.
std::string TrimSwitches(const ltvItemData& task);

struct OutputNameRequest
{
    std::string OutputDir; // with its trailing separator
    std::string NewName;
    std::string NewExt;    // the task's own extension, may be empty
    std::string OutputExt; // the loaded profile's extension
    std::string InputFile;
    int Position = 1;    // the row's position counted from 1
    bool Rename = false; // "Not overwrite" is selected
};

// Whether two paths name one file: the same text, or the same file reached
// through links, "..", "./" or a relative form.
bool IsSameFile(const std::string& a, const std::string& b);

// The output path of a task. The plain name is used unless it exists while
// "Not overwrite" is selected, or it is the input itself; then the indexed
// name is used, and with "Not overwrite" a further counter keeps it from
// replacing anything. The input file is never the result.
std::string ChooseOutputPath(const OutputNameRequest& request,
                             const std::function<bool(const std::string&)>& fileExists);

// The last line of encoder output that is not a progress line, for showing
// why a conversion failed. `tail` is the end of what the encoder wrote.
std::string LastEncoderMessage(const std::string& tail);
