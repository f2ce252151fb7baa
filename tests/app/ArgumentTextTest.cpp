// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ArgumentText.h"
#include "fixtures/PrintQt.h"

#include <gtest/gtest.h>

TEST(ArgumentText, EveryByteSequenceSurvivesTheTripThroughAText)
{
    const std::string cases[] = {"",
                                 "/videos/plain.avi",
                                 "/videos/St\xC3\xA9r\xC3\xA9o \xF0\x9F\x8E\xAC.avi",
                                 "/videos/St\xE9r\xE9o.avi",
                                 "\xFF\xFE\x80",
                                 "\xE2\x82 cut short",
                                 "\xED\xB3\xBF"}; // the escape's own code point, encoded
    for (const std::string& bytes : cases)
        EXPECT_EQ(ArgumentToBytes(ArgumentFromBytes(bytes)), bytes) << bytes;
    // Valid UTF-8 reads as itself.
    EXPECT_EQ(ArgumentFromBytes("/videos/St\xC3\xA9r\xC3\xA9o.avi"),
              QString::fromUtf8("/videos/St\xC3\xA9r\xC3\xA9o.avi"));
}
