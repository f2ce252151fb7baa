// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TextConvert.h"
#include "base/TranslationMarks.h"

#include <gtest/gtest.h>

TEST(TextConvert, ByteTextIsUtf8AsItIsOrLatin1ByteForByte)
{
    struct Case
    {
        const char* name;
        std::string text;
        std::string utf8;
    };
    const Case cases[] = {
        {"ascii", "Stereo 44100", "Stereo 44100"},
        {"utf8", "St\xC3\xA9r\xC3\xA9o \xE6\x97\xA5 \xF0\x9F\x8E\xAC",
         "St\xC3\xA9r\xC3\xA9o \xE6\x97\xA5 \xF0\x9F\x8E\xAC"},
        {"latin1", "St\xE9r\xE9o", "St\xC3\xA9r\xC3\xA9o"},
        {"overlong", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"cut short", "a\xE2\x82", "a\xC3\xA2\xC2\x82"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ByteTextToUtf8(c.text), c.utf8) << c.name;
}

// A translation may put the arguments in another order; an argument's own
// "%2" and a lone "%" stay as they are.
TEST(TextConvert, FillsASentenceInItsArgumentsOrder)
{
    EXPECT_EQ(FillText("%2 vor %1, 100%", {"a%2", "b"}), "b vor a%2, 100%");
}
