// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TextConvert.h"

#include <gtest/gtest.h>

TEST(Utf8, OnlyWellFormedSequencesAreUtf8)
{
    const struct
    {
        std::string text;
        bool utf8;
    } cases[] = {
        {"", true},
        {"plain.avi", true},
        {"St\xC3\xA9r\xC3\xA9o.avi", true},
        {"\xF0\x9F\x8E\xAC clip.mp4", true}, // U+1F3AC
        {"St\xE9r\xE9o.avi", false},         // Latin-1
        {"a\xFF.avi", false},
        {"\xC0\xAF", false},         // overlong "/"
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xE2\x82", false},         // cut short
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUtf8(c.text), c.utf8) << c.text;
}
