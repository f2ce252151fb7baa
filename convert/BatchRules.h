// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/PathText.h"
#include "tasks/TaskPlan.h"
#include "tasks/TaskRecord.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The arithmetic and naming rules of a batch run, kept apart from the window
// so they can be checked one by one.

// Rounds to the nearest whole number, halves to the even neighbour.
long long RoundHalfEven(double value);

// The encoded time after the first "time" of a chunk and one more
// character, up to the next blank. Both the plain seconds form (12.34) and
// the clock form (00:00:12.34) are read, always with "." as the separator.
// Nothing when the chunk holds no usable time.
std::optional<double> ParseProgressTime(const std::string& chunk);

// Reads the encoded time out of one task's encoder output, chunk by chunk.
// The encoder reports it in its "time=" field; a chunk holding that field is
// read there, its largest complete value counting. Output that has shown no
// "time=" yet is read by ParseProgressTime. Such readings are withdrawn when
// "time=" first appears: they came from text that was not progress, such as
// a title "time 30 x" in the input's description. Apart from that, the time
// never moves back.
class TProgressReader
{
public:
    // Reads one chunk; true when the current time changed.
    bool Read(const std::string& chunk);
    // The encoded time read so far, 0 before any.
    double Current() const { return FCurrent; }

private:
    bool FHasTimeField = false;
    double FCurrent = 0;
};

// The seconds a task adds to the batch total: its span, or 0 when its length
// is not known (a span that is not a time counts nothing, not -1).
double SecondsInTotal(const ltvItemData& task);

// A bar position: part / whole × 100, rounded, kept within 0 to 100.
int ProgressPercent(double part, double whole);

// Seconds left when `elapsed` seconds gave `percent` of the total.
long long EstimateRemainingSeconds(long long elapsed, int percent);

struct OutputNameRequest
{
    std::string OutputDir; // with its trailing separator
    std::string NewName;
    std::string OutputExt; // the loaded profile's extension
    int Position = 1;      // the row's position counted from 1
    bool Rename = false;   // "Not overwrite" is selected
};

// The paths a run must not write to: every input of the batch, and the
// outputs of the run's tasks, running or finished. A running task's output
// is given back when the task fails or is stopped, as it then writes nothing.
class TRunNames
{
public:
    explicit TRunNames(std::vector<std::string> inputs);

    // A task that joined the run after it started brings its input along.
    void AddInput(const std::string& input);
    void Reserve(const std::string& output);
    void Release(const std::string& output);
    // The path names an input or a reserved output: the same text, or, for a
    // path that exists, the same file under another spelling.
    bool IsTaken(const std::string& path) const;

private:
    std::vector<std::string> FInputs;
    std::set<std::string> FInputTexts;
    std::multiset<std::string> FOutputs;
};

// The names the rule gives a task's output, in the order they are tried:
// 0 is the plain name, 1 the indexed name (NewName + "_" + the position),
// and from 2 on the indexed name with a further counter ("_2", "_3", ...).
// All end in the profile's extension.
std::string OutputPathCandidate(const OutputNameRequest& request, int candidate);

// The first candidate a task's output can take: the plain name unless it
// exists while "Not overwrite" is selected, or it is taken; then the first
// indexed one that is neither. `entryExists` must not follow links: a name
// is in use when any directory entry has it, a dangling link included.
int ChooseOutputCandidate(const OutputNameRequest& request,
                          const std::function<bool(const std::string&)>& entryExists,
                          const std::function<bool(const std::string&)>& isTaken);

// The path of the candidate that ChooseOutputCandidate picks.
std::string ChooseOutputPath(const OutputNameRequest& request,
                             const std::function<bool(const std::string&)>& entryExists,
                             const std::function<bool(const std::string&)>& isTaken);

struct TPlacement
{
    // The name the output got, or the last one tried when it got none.
    std::string Path;
    // 0 when placed; otherwise the errno of the failed move.
    int Error = 0;
};

// Gives the finished working file `work` the first name from candidate
// `first` on that the run does not hold and that `move` can take without
// replacing anything: `move` returns 0, or EEXIST when the name is in use
// (then the next candidate is tried), or another errno that ends the try.
// Another run writing into the same folder may take a name between the
// choice at a task's start and this moment.
TPlacement PlaceOutput(const std::string& work, const OutputNameRequest& request, int first,
                       const std::function<bool(const std::string&)>& isTaken,
                       const std::function<int(const std::string&, const std::string&)>& move);

// This machine's name as working names carry it: its letters, digits and
// "-" only, so that the name reads back unambiguously; "host" when nothing
// is left.
std::string HostTag(const std::string& hostName);

// This machine's name as working names carry it (HostTag).
std::string LocalHostTag();

// Removes from `dir` the working files that runs of this program on this
// machine (`host`) left behind: files of exactly the working names' shape
// and host whose process no longer runs, as after a SIGKILL or a power
// cut. Files of other machines, of running processes, and anything else
// stay. Returns how many were removed.
int RemoveLeftWorkingFiles(const std::string& dir, const std::string& host);

// The hidden name beside the output that the encoder writes to until its
// conversion has succeeded: ".quenby-HOST-PID-N" and the output's extension
// (the encoder picks the format by it), in the output's directory. HOST and
// PID say which process on which machine owns it, so that a later run can
// tell a file left by a killed one from one still being written; N tells
// apart the files of one process.
std::string WorkingOutputPath(const std::string& outputDir, const std::string& outputExt,
                              const std::string& host, long long owner, int serial);

struct TWorkingName
{
    std::string Host;
    long long Owner = 0;
    int Serial = 0;

    bool operator==(const TWorkingName&) const = default;
};

// The parts of a file name of exactly the working names' shape; nothing
// for any other name.
std::optional<TWorkingName> ParseWorkingName(const std::string& fileName);

// Why a conversion failed, from `tail`, the end of what the encoder wrote:
// the last line it marked as an error (see SplitEncoderLevel), without its
// mark, that does not end where its reason would stand ("... -- "); in
// output without marks, the last line that is neither a progress
// line nor the encoder's closing "Conversion failed!".
std::string LastEncoderMessage(const std::string& tail);

// The last line of `tail` marked as an error that names `outputPath`, or
// nothing. The encoder ends some failed writes of its output ("Error closing
// file ...: No space left on device") with a status of 0; such a run failed
// all the same.
std::string OutputWriteError(const std::string& tail, const std::string& outputPath);
