// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The arithmetic of the playback layer, kept free of any media framework.

// What the position bar shows for a graph position: its maximum and its
// position in units of `intervalMs`, both truncated, so a 3.7 s file gives a
// bar of 0..3 at a one-second interval.
struct TrackBarPlace
{
    int Maximum = 0;
    int Position = 0;
};
TrackBarPlace TrackBarFromGraph(std::uint64_t currentMs, std::uint64_t durationMs, int intervalMs);

// Where releasing the thumb at `position` of a bar with `maximum` seeks: the
// stop position scaled by position / maximum, truncated, computed in 64 bits
// so that long files do not overflow. Nothing when the maximum is 0 (a file
// shorter than one bar unit).
std::optional<std::int64_t> ThumbSeekTarget(std::int64_t stop, int position, int maximum);

// The graph's volume 0..10000 on the logarithmic scale: the attenuation in
// hundredths of a decibel, round(ln(volume + 1) * 1085.73) - 10000, so full
// volume is 0 and silence is -10000.
int LinearVolumeAttenuation(int volume);

// Hundredths of a decibel as a linear amplitude factor (0 gives 1.0).
double AttenuationToAmplitude(int hundredthsOfDecibel);

// The message of a playback error: the platform's text for the failure (at
// most 255 bytes, never cutting a UTF-8 character) followed by " ($", the
// code in upper-case hexadecimal and ").".
std::string PlaybackErrorText(const std::string& platformText, std::uint32_t code);
