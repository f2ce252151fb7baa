// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The time text: hours, minutes and whole seconds, each with at least two
// digits and separated by ":", optionally followed by "." and tenths.

// The zero time that new tasks receive as their start. The format never
// produces it (it writes "00:00:00"), so it is only ever set directly.
inline constexpr const char* ZeroTimeText = "00:00:00.0";

// The value that stands for "not a time text".
inline constexpr double NotATime = -1;

// Seconds to a time text. Tenths are rounded half to even; a fraction that
// rounds to ten tenths carries into the next whole second (59.96 gives
// "00:01:00"). A negative value is "-" and the text of its absolute value.
std::string FormatTimeText(double seconds);

// A time text to seconds, or -1 when the text is not a time text. Hours and
// minutes are signed whole numbers; the seconds text is a decimal number that
// must not begin with ".", and may hold further colons only to be rejected.
double ParseTimeText(const std::string& text);
