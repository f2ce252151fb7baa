// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PlaybackRules.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t MaxErrorText = 255;
constexpr double VolumeScale = 1085.73;
constexpr int Silence = -10000;

int ClampToInt(std::uint64_t value)
{
    return int(std::min<std::uint64_t>(value, INT_MAX));
}

bool IsUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

TrackBarPlace TrackBarFromGraph(std::uint64_t currentMs, std::uint64_t durationMs, int intervalMs)
{
    if (intervalMs <= 0)
        return {};
    const auto interval = std::uint64_t(intervalMs);
    return {ClampToInt(durationMs / interval), ClampToInt(currentMs / interval)};
}

std::optional<std::int64_t> ThumbSeekTarget(std::int64_t stop, int position, int maximum)
{
    if (maximum == 0)
        return std::nullopt;
    return stop * std::int64_t(position) / std::int64_t(maximum);
}

int LinearVolumeAttenuation(int volume)
{
    volume = std::clamp(volume, 0, 10000);
    return int(std::lround(std::log(double(volume) + 1) * VolumeScale)) + Silence;
}

double AttenuationToAmplitude(int hundredthsOfDecibel)
{
    // A decibel is a twentieth of a power of ten in amplitude.
    return std::pow(10.0, double(hundredthsOfDecibel) / 2000.0);
}

std::string PlaybackErrorText(const std::string& platformText, std::uint32_t code)
{
    std::size_t length = std::min(platformText.size(), MaxErrorText);
    while (length > 0 && length < platformText.size() && IsUtf8Continuation(platformText[length]))
        --length;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, " ($%X).", unsigned(code));
    return platformText.substr(0, length) + suffix;
}
