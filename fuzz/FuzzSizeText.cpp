// SPDX-License-Identifier: GPL-3.0-or-later
// A size text planned over a length and an audio rate from its first bytes:
// the plan leaves a rate an encoder takes, or says why not.
#include "encoder/OutputSize.h"
#include "FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = ParseSizeText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!bytes)
        return 0;
    FuzzCheck(*bytes > 0 && !FormatSizeText(*bytes).empty());
    const TSizePlan plan = PlanTargetSize(*bytes, data[0] / 7.0, size > 1 ? data[1] * 3000 : 0);
    FuzzCheck(!plan.Refusal.empty() ||
              (plan.VideoBitrate >= LeastVideoBitrate && plan.VideoBitrate <= MostVideoBitrate));
    return 0;
}
