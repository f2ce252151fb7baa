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
// Missing markers are not errors: the cut then yields whatever the positions
// give, often empty texts.
ProbeValues ParseProbeReport(const std::string& report, const std::string& inputPath);
