// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/MediaFacts.h"

#include <gtest/gtest.h>

namespace {

const std::string Mp4 = "/v/a, from 'b.mp4':\nDuration: 1.MP4";
const std::string Head = "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '" + Mp4 + "':\n";

} // namespace

TEST(MediaFacts, ReadsTheReportsOwnLines)
{
    const struct
    {
        std::string report, path;
        TMediaFacts facts;
    } cases[] = {
        {Head + "  Metadata:\n    title : Stream #0:0: Video: fake, x, 9x9, 99 fps\n"
                "  Duration: 00:00:03.04, start: 0.000000, bitrate: 509 kb/s\n"
                "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), "
                "yuv420p(tv, bt709, progressive), 1280x720 [SAR 1:1 DAR 16:9], 25 fps, 25 tbr\n"
                "  Stream #0:1(und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, 5.1(side), "
                "fltp, 69 kb/s (default)\n",
         Mp4,
         {"mp4", "00:00:03.04", "509 kb/s", "h264", "25 fps", "aac", "5.1(side)"}},
        {"Input #0, matroska,webm, from 'a.mkv':\n[info]   Duration: N/A, start: 0.0, bitrate: "
         "N/A\n  Stream #0:0: Video: mjpeg, yuvj420p, 64x64, 90k tbr (attached pic)\n"
         "  Stream #0:1: Video: vp9 (Profile 0), yuv420p(tv), 640x480, SAR 1:1 DAR 4:3, "
         "29.97 fps\n",
         "a.mkv",
         {"matroska", "", "", "vp9", "29.97 fps", "", ""}},
        {"a.avi: No such file or directory\n", "a.avi", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseMediaFacts(c.report, c.path), c.facts) << c.report;
}

TEST(MediaFacts, WritesOneFactALine)
{
    EXPECT_EQ(MediaFactsText({"avi", "00:00:01.00", "", "mpeg4", "25 fps", "mp3", "mono"}, 1536),
              "Container: avi\nDuration: 00:00:01.00\nVideo: mpeg4\nFrame rate: 25 fps\n"
              "Audio: mp3, mono\nFile size: 1.5 KiB");
    EXPECT_EQ(MediaFactsText({}, 999), "File size: 999 bytes");
}

TEST(MediaFacts, ShortensTheFrameSize)
{
    const struct
    {
        std::string text, size, aspect;
    } cases[] = {
        {" 1280x720 [SAR 1:1 DAR 16:9]", "1280\u00d7720", "16:9"},
        {" 720x576 [SAR 64:45 DAR 16:9]", "720\u00d7576", "16:9"},
        {" 640x480", "640\u00d7480", "4:3"},
        {" 1366x768", "1366\u00d7768", ""},
        {"", "", ""},
        {" yuv420p", "", ""},
    };
    for (const auto& c : cases) {
        const TFrameSize size = ReadFrameSize(c.text);
        EXPECT_EQ(size.Size, c.size) << c.text;
        EXPECT_EQ(size.Aspect, c.aspect) << c.text;
    }
}
