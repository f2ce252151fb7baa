// SPDX-License-Identifier: GPL-3.0-or-later
// The argument-string split. Text without quotes and backslashes splits as
// plain blank-separated words; any text splits into arguments whose bytes
// all come from the text.

#include "encoder/EncoderArguments.h"
#include "FuzzFiles.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> arguments = SplitCommandLineArguments(text);
    std::size_t total = 0;
    for (const std::string& argument : arguments)
        total += argument.size();
    FuzzCheck(total <= text.size());
    if (text.find_first_of("\"\\") == std::string::npos)
        FuzzCheck(arguments == Words(text));
    const std::vector<std::string> vector = ConversionArguments("in", text, "out");
    // "-y -i in -loglevel level+info" before them, the output after.
    FuzzCheck(vector.size() == arguments.size() + 6 && vector.back() == "out");
    return 0;
}
