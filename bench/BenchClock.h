// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmarks' clock and arithmetic.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double Milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}
