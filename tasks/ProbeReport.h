#pragma once

#include <string>

// The two values cut out of the encoder's reply to a probe. Both are kept
// verbatim: the size keeps its leading blank (" 640x480").
struct ProbeValues
{
    std::string LengthText;
    std::string SizeText;
};

// Cuts the length and the frame size out of a probe report. `inputPath` is
// the text that was passed to the encoder; the search starts after its echo.
// The length is the text between "Duration: " and the next comma on the
// first line that begins with "Duration: "; the size is the third
// comma-separated field after "Video:" on the first line that begins with
// "Stream #" and holds "Video:". Blanks before either word are allowed.
// Missing markers are not errors: the value is then empty.
ProbeValues ParseProbeReport(const std::string& report, const std::string& inputPath);
