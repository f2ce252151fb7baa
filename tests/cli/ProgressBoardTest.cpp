// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressBoard.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressBoard, ALogGetsEachTaskAtItsStartEveryTenthAndItsEnd)
{
    TProgressBoard board(12, false);
    EXPECT_EQ(board.Started(2, "clip.avi"), "[ 3/12]   0% clip.avi\n");
    EXPECT_EQ(board.Progress(2, 9), "");
    EXPECT_EQ(board.Progress(2, 23), "[ 3/12]  23% clip.avi\n");
    EXPECT_EQ(board.Progress(2, 23), "");
    EXPECT_EQ(board.Progress(2, 29), "");
    EXPECT_EQ(board.Progress(2, 100), "") << "the end has a line of its own";
    EXPECT_EQ(board.Finished(2, TaskState::Complete, "/out/clip.mp4"),
              "[ 3/12] 100% clip.avi -> /out/clip.mp4\n");
    board.Started(9, "bad.avi");
    EXPECT_EQ(board.Finished(9, TaskState::Failed, "bad.avi: Invalid data found"),
              "[10/12] failed bad.avi: bad.avi: Invalid data found\n");
    board.Started(10, "long.avi");
    board.Progress(10, 41);
    EXPECT_EQ(board.Finished(10, TaskState::Stopped, ""), "[11/12] stopped at 41% long.avi\n");
    EXPECT_EQ(board.Summary(65, true), "Stopped. 12 files: 1 converted, 1 failed, 1 stopped, "
                                       "9 not started; elapsed 00:01:05\n");
}

TEST(ProgressBoard, ATerminalRedrawsTheRunningTasksBelowTheEndedOnes)
{
    TProgressBoard board(3, true, 18);
    EXPECT_EQ(board.Started(0, "a.avi"), "\r\x1b[J[1/3]   0% a.avi\n");
    EXPECT_EQ(board.Started(1, "b.avi"), "\x1b[1A\r\x1b[J[1/3]   0% a.avi\n[2/3]   0% b.avi\n");
    EXPECT_EQ(board.Progress(1, 7), "\x1b[2A\r\x1b[J[1/3]   0% a.avi\n[2/3]   7% b.avi\n");
    EXPECT_EQ(board.Progress(1, 7), "") << "nothing changed";
    EXPECT_EQ(board.Finished(0, TaskState::Complete, "/o/a.mp4"),
              "\x1b[2A\r\x1b[J[1/3] 100% a.avi -> /o/a.mp4\n[2/3]   7% b.avi\n");
    // A running line is cut to the width, never inside a character.
    EXPECT_EQ(board.Started(2, "abcde\xc3\xa9.avi"),
              "\x1b[1A\r\x1b[J[2/3]   7% b.avi\n[3/3]   0% abcde\n");
    board.Finished(1, TaskState::Complete, "/o/b.mp4");
    board.Finished(2, TaskState::Complete, "/o/c.mp4");
    EXPECT_EQ(board.Summary(3, false),
              "\r\x1b[J3 files: 3 converted, 0 failed, 0 stopped, 0 not started; elapsed "
              "00:00:03\n");
}

} // namespace
