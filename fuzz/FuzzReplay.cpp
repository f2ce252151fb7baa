// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target once over each file of the seed folders it is given,
// without libFuzzer, so that the normal build and its tests keep every
// target compiling and true to its seeds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes(std::istreambuf_iterator<char>(in), {});
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    // The empty input is the one libFuzzer always tries first.
    const uint8_t none = 0;
    LLVMFuzzerTestOneInput(&none, 0);
    std::printf("%d inputs and the empty one held\n", inputs);
    return inputs > 0 ? 0 : 1;
}
