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

// A time as a task keeps it. The seconds are what counts: whatever changes a
// time sets them, and its text is made from them. Only a time read from a
// text (the encoder's report, a kept list) shows that text as it was written,
// and only while the seconds are still what it says, so that a kept list is
// written back byte for byte.
struct TTimeValue
{
    double Seconds = NotATime;
    // The text the seconds were read from; ignored once they no longer match.
    std::string Spelling;

    static TTimeValue FromText(const std::string& text) { return {ParseTimeText(text), text}; }
    // Held to the tenths a time text holds, and read as a time text is read,
    // so that a time set to a read one's seconds compares equal to it.
    static TTimeValue FromSeconds(double seconds);
    // The spelling while it says the seconds; FormatTimeText of them
    // otherwise, and no text for no time.
    std::string Text() const;
};
