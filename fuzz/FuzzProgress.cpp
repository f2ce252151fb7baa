// SPDX-License-Identifier: GPL-3.0-or-later
// The progress reading: the encoder's output cut into chunks at every 0xFF
// byte, read as one task's chunks are, and the failure reason of the same
// output. The time read is never negative, never NaN and never moves back
// except when the time= field first appears.

#include "convert/BatchRules.h"
#include "FuzzFiles.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    TProgressReader reader;
    bool timeField = false;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\xff', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string chunk = input.substr(start, end - start);
        const double before = reader.Current();
        const bool firstField = !timeField && chunk.find("time=") != std::string::npos;
        timeField = timeField || firstField;
        const bool changed = reader.Read(chunk);
        const double now = reader.Current();
        FuzzCheck(!std::isnan(now) && now >= 0);
        FuzzCheck(changed == (now != before));
        FuzzCheck(firstField || now >= before);
        start = end + 1;
    }
    (void)ParseProgressTime(input);
    const std::string reason = LastEncoderMessage(input);
    FuzzCheck(reason.find_first_of("\r\n") == std::string::npos);
    FuzzCheck(reason != "Conversion failed!");
    return 0;
}
