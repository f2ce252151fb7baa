// SPDX-License-Identifier: GPL-3.0-or-later
// The facts of a probe report: any report, its first line the path. Each
// fact is one line of the text shown.
#include "encoder/MediaFacts.h"
#include "FuzzFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = input.find('\n');
    const std::string path = eol == std::string::npos ? std::string() : input.substr(0, eol);
    const TMediaFacts facts = ParseMediaFacts(input.substr(eol == input.npos ? 0 : eol + 1), path);
    FuzzCheck(ParseMediaFacts(input.substr(eol == input.npos ? 0 : eol + 1), path) == facts);
    (void)MediaFactsText(facts, int64_t(size));
    return 0;
}
