// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What a later start hands to the window: its working folder and its
// arguments, as bytes.
struct THandOver
{
    std::string WorkingDir;
    std::vector<std::string> Arguments;
    bool operator==(const THandOver&) const = default;
};

// The message a later start sends: a version, then the folder and the
// arguments, each counted in big-endian 32-bit numbers (the layout Qt's
// QDataStream gives, which earlier starts wrote).
std::string HandOverMessage(const THandOver& handOver);

enum class THandOverStatus
{
    Incomplete, // the rest is still on its way
    Whole,      // the message is there
    Unknown,    // a version this window does not speak: refused
    Damaged     // counts that no message holds: refused
};

// The window's reading of what has arrived so far.
struct THandOverRead
{
    THandOverStatus Status = THandOverStatus::Incomplete;
    THandOver Line;
    std::size_t Length = 0; // the bytes the message took
};
THandOverRead ReadHandOver(std::string_view bytes);
