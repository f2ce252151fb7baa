// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/OutputEdit.h"

#include "base/TimeText.h"

#include <gtest/gtest.h>

namespace {

// A 60-second task as the list holds it after the add, each time read from its text.
ltvItemData Task(const std::string& start = "00:00:00.0", const std::string& end = "00:01:00",
                 const std::string& length = "00:01:00")
{
    ltvItemData task;
    task.Length = task.FullEnd = task.Span = TTimeValue::FromText(length);
    task.FullStart = TTimeValue::FromText("00:00:00.0");
    task.Start = TTimeValue::FromText(start);
    task.End = TTimeValue::FromText(end);
    return task;
}

struct TimeCase
{
    const char* what;
    ltvItemData task;
    const char* start;
    const char* end;
    const char* startText;
    const char* endText;
    const char* spanText;
};

TEST(OutputEdit, TimesWithinTheBoundsAreStoredOthersFallBack)
{
    const TimeCase cases[] = {
        {"start within bounds", Task(), "00:00:10", "00:01:00", "00:00:10", "00:01:00", "00:00:50"},
        {"start not a time", Task("00:00:05"), "abc", "00:01:00", "00:00:05", "00:01:00",
         "00:00:55"},
        {"end beyond the file", Task(), "00:00:00", "00:02:00", "00:00:00", "00:02:00", "00:02:00"},
        {"start equal to end", Task("00:00:05"), "00:01:00", "00:01:00", "00:00:05", "00:01:00",
         "00:00:55"},
        {"start after end", Task("00:00:05", "00:00:40"), "00:00:50", "00:00:40", "00:00:05",
         "00:00:40", "00:00:35"},
        {"start beyond the file", Task(), "00:01:30", "00:02:00", "00:00:00", "00:02:00",
         "00:02:00"},
        {"negative start", Task("00:00:03"), "-1:00:00", "00:01:00", "00:00:03", "00:01:00",
         "00:00:57"},
        {"end not a time", Task("00:00:00.0", "00:00:30"), "00:00:10", "x", "00:00:10", "00:00:30",
         "00:00:20"},
        {"end before the settled start", Task("00:00:00.0", "00:00:30"), "00:00:20", "00:00:10",
         "00:00:00", "00:00:10", "00:00:10"},
        {"tenths", Task(), "00:00:01.5", "00:00:02", "00:00:01.5", "00:00:02", "00:00:00.5"},
        // The probe could not tell the length: there is nothing to fall back on,
        // and the stored texts stay rather than turning into a negative time.
        {"unknown length", Task("00:00:00.0", "", ""), "00:00:00.0", "", "00:00:00.0", "", ""},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TOutputEdit edit = ValidateOutputEdit(c.task, "clip.mp4", c.start, c.end);
        EXPECT_EQ(edit.Start.Text(), c.startText);
        EXPECT_EQ(edit.End.Text(), c.endText);
        EXPECT_EQ(edit.Span.Text(), c.spanText);
    }
}

TEST(OutputEdit, NameIsSplitAtTheLastDotOfItsFileName)
{
    const struct
    {
        const char* typed;
        const char* name;
        const char* ext;
    } cases[] = {{"clip.avi", "clip", ".avi"},
                 {"cut part.mp4", "cut part", ".mp4"},
                 {"two.dots.mkv", "two.dots", ".mkv"},
                 {"plain", "plain", ""},
                 {"", "", ""}};
    for (const auto& c : cases) {
        const TOutputEdit edit = ValidateOutputEdit(Task(), c.typed, "00:00:00", "00:01:00");
        EXPECT_EQ(edit.NewName, c.name) << c.typed;
        EXPECT_EQ(edit.NewExt, c.ext) << c.typed;
    }
}

} // namespace
