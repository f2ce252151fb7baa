// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ShellText.h"

#include <gtest/gtest.h>

TEST(ShellText, QuotesWhatAShellWouldReadOtherwise)
{
    EXPECT_EQ(ShellCommandLine({"/app/tolvex.dll", "-vf", "scale=320:240", "", "it's mine.avi",
                                "~/a$b*.avi", "-b:v", "800k"}),
              "/app/tolvex.dll -vf 'scale=320:240' '' 'it'\\''s mine.avi' '~/a$b*.avi' -b:v 800k");
}
