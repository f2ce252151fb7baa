// SPDX-License-Identifier: GPL-3.0-or-later
// The facts of any probe report (its first line the path) and their text,
// under the sanitizers.
#include "encoder/MediaFacts.h"
#include "FuzzFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = std::min(input.find('\n'), input.size());
    const TMediaFacts facts = ParseMediaFacts(input.substr(eol), input.substr(0, eol));
    (void)MediaFactsText(facts, int64_t(size));
    return 0;
}
