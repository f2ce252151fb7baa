#pragma once

#include "base/PathText.h"
#include "tasks/TaskRecord.h"

#include <functional>
#include <optional>
#include <string>

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

// The switches that trim a task: " -ss <start>" when it does not begin at the
// input's start, " -t <span>" when its span is not the whole length.
std::string TrimSwitches(const ltvItemData& task);

// A span in seconds as "-t" takes it: whole seconds alone ("50"), otherwise
// with their tenth ("50.4", "0.4"), rounded half to even.
std::string SpanSwitchValue(double seconds);

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

// The output path of a task. The plain name is used unless it exists while
// "Not overwrite" is selected, or it is the input itself; then the indexed
// name is used, and with "Not overwrite" a further counter keeps it from
// replacing anything. The input file is never the result.
std::string ChooseOutputPath(const OutputNameRequest& request,
                             const std::function<bool(const std::string&)>& fileExists);

// The last line of encoder output that is neither a progress line nor the
// encoder's closing "Conversion failed!", for showing why a conversion
// failed. `tail` is the end of what the encoder wrote.
std::string LastEncoderMessage(const std::string& tail);
