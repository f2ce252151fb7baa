// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HandOver.h"

#include <gtest/gtest.h>

// A message is taken whole, waited for while it comes, and refused when it
// is another version's or counts more than any command line holds.
TEST(HandOver, ReadsWaitsOrRefuses)
{
    const std::string message = HandOverMessage({"/home/u", {"quenby", "c.avi"}});
    const std::pair<std::string, THandOverStatus> cases[] = {
        {message, THandOverStatus::Whole},
        {message.substr(0, message.size() - 1), THandOverStatus::Incomplete},
        {std::string("\0\0\0\2", 4) + message.substr(4), THandOverStatus::Unknown},
        {message.substr(0, 15) + "\xff\xff\xff\xf0", THandOverStatus::Damaged}};
    for (const auto& [bytes, status] : cases)
        EXPECT_EQ(ReadHandOver(bytes).Status, status) << bytes.size();
}
