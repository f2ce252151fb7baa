// SPDX-License-Identifier: GPL-3.0-or-later
// A target size's text, planned over a length the input's first bytes give:
// a plan leaves a bitrate an encoder takes, or says why it cannot.
#include "encoder/OutputSize.h"
#include "FuzzFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto bytes = ParseSizeText(input);
    if (!bytes)
        return 0;
    FuzzCheck(*bytes > 0 && !FormatSizeText(*bytes).empty());
    const double seconds = size > 0 ? data[0] / 7.0 : 0;
    const TSizePlan plan = PlanTargetSize(*bytes, seconds, size > 1 ? data[1] * 3000 : 0);
    FuzzCheck(!plan.Refusal.empty() ||
              (plan.VideoBitrate >= LeastVideoBitrate && plan.VideoBitrate <= MostVideoBitrate));
    return 0;
}
