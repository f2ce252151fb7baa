// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scratch file for the targets that read through a path. It lives in
// memory-backed storage when there is some, because the store syncs every
// file it writes and a disk would make each run cost milliseconds.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

inline std::string FuzzScratchPath(const std::string& name)
{
    static const std::string dir = [] {
        std::error_code error;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        const std::filesystem::path own = base / ("quenby-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(own, error);
        return own.string() + "/";
    }();
    return dir + name;
}

inline void WriteFuzzFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Stops the run, so that libFuzzer reports the input, when an invariant the
// target checks does not hold.
inline void FuzzCheck(bool holds)
{
    if (!holds)
        std::abort();
}
