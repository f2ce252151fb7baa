// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TimeText.h"

#include "base/TextConvert.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

std::string TwoDigits(int64_t value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld", static_cast<long long>(value));
    return buffer;
}

} // namespace

std::string FormatTimeText(double seconds)
{
    if (std::isnan(seconds))
        return FormatTimeText(0);
    if (seconds < 0)
        return "-" + FormatTimeText(-seconds);
    // Beyond this the whole seconds no longer fit the 64-bit count; such a
    // time is meaningless anyway, so it is held at the largest one we can write.
    constexpr double Largest = 9.0e18;
    if (seconds > Largest)
        seconds = Largest;

    int64_t n = static_cast<int64_t>(seconds);
    int64_t h = n / 3600;
    int64_t m = (n - 3600 * h) / 60;
    int64_t s = n - 3600 * h - 60 * m;
    const double fraction = seconds - 3600.0 * static_cast<double>(h) -
                            60.0 * static_cast<double>(m) - static_cast<double>(s);
    // nearbyint rounds in the default mode, which is to nearest with halves
    // to even: 0.25 s shows as .2, not .3.
    int64_t tenths = static_cast<int64_t>(std::nearbyint(fraction * 10));
    if (tenths >= 10) {
        // "00:00:59.10" would be no time text at all: carry instead.
        ++n;
        h = n / 3600;
        m = (n - 3600 * h) / 60;
        s = n - 3600 * h - 60 * m;
        tenths = 0;
    }
    std::string text = TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(s);
    if (tenths != 0)
        text += "." + std::to_string(tenths);
    return text;
}

TTimeValue TTimeValue::FromSeconds(double seconds)
{
    return {ParseTimeText(FormatTimeText(seconds)), {}};
}

std::string TTimeValue::Text() const
{
    const double spelt = ParseTimeText(Spelling);
    if (spelt == Seconds || (std::isnan(spelt) && std::isnan(Seconds)))
        return Spelling;
    return Seconds == NotATime ? std::string() : FormatTimeText(Seconds);
}

double ParseTimeText(const std::string& text)
{
    const std::size_t firstColon = text.find(':');
    if (firstColon == std::string::npos)
        return NotATime;
    const std::string hoursText = text.substr(0, firstColon);
    const std::string rest = text.substr(firstColon + 1);
    const std::size_t secondColon = rest.find(':');
    if (secondColon == std::string::npos)
        return NotATime;
    const std::string minutesText = rest.substr(0, secondColon);
    const std::string secondsText = rest.substr(secondColon + 1);

    int32_t hours = 0;
    int32_t minutes = 0;
    double secondsValue = 0;
    if (!TryStrToInt(hoursText, hours) || !TryStrToInt(minutesText, minutes))
        return NotATime;
    if (secondsText.empty() || secondsText.front() == '.' ||
        !TryStrToFloat(secondsText, secondsValue))
        return NotATime;
    // The whole part is 32-bit arithmetic that wraps rather than traps, as the
    // stored texts have always been read; unsigned arithmetic keeps it defined.
    const uint32_t whole =
        static_cast<uint32_t>(hours) * 3600u + static_cast<uint32_t>(minutes) * 60u;
    return static_cast<double>(static_cast<int32_t>(whole)) + secondsValue;
}
