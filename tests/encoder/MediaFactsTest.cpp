// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaFacts.h"

#include <gtest/gtest.h>

#include <array>

// Only the report's own lines count: the path and a title may hold anything.
TEST(MediaFacts, ReadsTheReportsOwnLines)
{
    const std::string mp4 = "/v/a, from 'b.mp4':\nDuration: 1.MP4";
    const struct
    {
        std::string report, path;
        TMediaFacts facts;
    } cases[] = {
        {"Input #0, mov,mp4,m4a, from '" + mp4 +
             "':\n    title : Stream #0:0: Video: fake, x, 9x9, 99 fps\n"
             "  Duration: 00:00:03.04, start: 0.000000, bitrate: 509 kb/s\n"
             "  Stream #0:0(und): Video: h264 (High), yuv420p(tv, bt709), 1280x720, 25 fps\n"
             "  Stream #0:1(und): Audio: aac (LC), 44100 Hz, 5.1(side), fltp, 69 kb/s\n",
         mp4,
         {"mp4", "00:00:03.04", "509 kb/s", "h264", "25 fps", "aac", "5.1(side)"}},
        {"Input #0, matroska,webm, from 'a.mkv':\n[info]   Duration: N/A, bitrate: N/A\n"
         "  Stream #0:0: Video: mjpeg, yuvj420p, 64x64, 90k tbr (attached pic)\n"
         "  Stream #0:1: Video: vp9 (Profile 0), yuv420p(tv), 640x480, 29.97 fps\n",
         "a.mkv",
         {"matroska", "", "", "vp9", "29.97 fps", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseMediaFacts(c.report, c.path), c.facts) << c.report;
    EXPECT_EQ(MediaFactsText({"avi", "", "", "mpeg4", "", "mp3", "mono"}, 1536),
              "Container: avi\nVideo: mpeg4\nAudio: mp3, mono\nFile size: 1.5 KiB");
}

TEST(MediaFacts, ShortensTheFrameSize)
{
    using Case = std::array<std::string, 3>; // the probe's text, the size, the aspect
    for (const auto& [text, size, aspect] :
         {Case{" 720x576 [SAR 64:45 DAR 16:9]", "720\u00d7576", "16:9"},
          Case{" 640x480", "640\u00d7480", "4:3"}, Case{" 1366x768", "1366\u00d7768", ""},
          Case{" yuv420p", "", ""}}) {
        EXPECT_EQ(ReadFrameSize(text).Size, size) << text;
        EXPECT_EQ(ReadFrameSize(text).Aspect, aspect) << text;
    }
}
