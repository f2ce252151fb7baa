// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/ProbeReport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string Path = "/home/u/My Videos/clip.avi";

std::string Report(const std::string& videoLine)
{
    return "ffmpeg version 5.1.6-0+deb12u1 Copyright (c) 2000-2024 the FFmpeg developers\n"
           "  configuration: --prefix=/usr --enable-gpl\n"
           "Input #0, avi, from '" +
           Path +
           "':\n"
           "  Metadata:\n"
           "    software        : Lavf59.27.100\n"
           "  Duration: 00:00:03.04, start: 0.000000, bitrate: 509 kb/s\n" +
           videoLine +
           "\n  Stream #0:1: Audio: mp2, 44100 Hz, mono, s16p, 384 kb/s\n"
           "At least one output file must be specified\n";
}

struct Case
{
    const char* name;
    std::string report;
    std::string path;
    std::string length;
    std::string size;
};

} // namespace

TEST(ProbeReport, TellsAFileWithoutAPicture)
{
    const std::pair<std::string, bool> cases[] = {
        {"p\n Duration: 00:00:01.00, s\n Stream #0:0: Audio: aac, 48000 Hz", true},
        {"p\n Stream #0:0: Video: mjpeg, yuvj420p, 60x60 (attached pic)\n Stream #0:1: Audio: a",
         true},
        {"p\n Stream #0:0: Audio: aac\n Stream #0:1: Video: h264, yuv420p, 8x8, 25 fps", false},
        {"p: Invalid data found when processing input", false},
    };
    for (const auto& [report, noVideo] : cases)
        EXPECT_EQ(ParseProbeReport(report, "p").NoVideo, noVideo) << report;
}

TEST(ProbeReport, CutsLengthAndSize)
{
    const std::vector<Case> cases = {
        {"the documented example",
         "Input #0, from 'x.avi':\n  Duration: 00:01:23.4, start: 0.000000\n"
         "  Stream #0:0: Video: mpeg4, yuv420p, 640x480, 25 fps",
         "x.avi", "00:01:23.4", " 640x480"},
        {"mpeg4 with bracketed aspect",
         Report("  Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, "
                "320x240 [SAR 1:1 DAR 4:3], 412 kb/s, 25 fps, 25 tbr, 25 tbn"),
         Path, "00:00:03.04", " 320x240 [SAR 1:1 DAR 4:3]"},
        {"mpeg2 with a comma inside the pixel format",
         Report("  Stream #0:0[0x1e0]: Video: mpeg2video (Main), yuv420p(tv, progressive), "
                "320x240 [SAR 1:1 DAR 4:3], 25 fps, 25 tbr, 90k tbn"),
         Path, "00:00:03.04", " 320x240 [SAR 1:1 DAR 4:3]"},
        {"wmv2 with the aspect as a field of its own",
         Report("  Stream #0:0: Video: wmv2 (WMV2 / 0x32564D57), yuv420p, 320x240, SAR 1:1 DAR "
                "4:3, 25 fps, 25 tbr, 1k tbn"),
         Path, "00:00:03.04", " 320x240"},
        {"a comma inside square brackets",
         Report("  Stream #0:0: Video: h264 [a, b], yuv420p, 1920x1080, 25 fps"), Path,
         "00:00:03.04", " 1920x1080"},
        {"only two fields after Video",
         "x.avi\n  Duration: 00:00:01.00, start: 0\n  Stream #0:0: Video: mpeg4, yuv420p\n"
         "  Stream #0:1: Audio: mp2, 44100 Hz, mono",
         "x.avi", "00:00:01.00", ""},
        {"no comma after the duration on its line",
         "x.avi\n  Duration: 00:00:01.00\n  Stream #0:0: Audio: mp2, 44100 Hz, mono", "x.avi", "",
         ""},
        {"an empty report", "", "x.avi", "", ""},
        {"no Duration at all", "/a/x.avi: No such file or directory\n", "/a/x.avi", "", ""},
        // The cut starts at position length(path) of the report, so a short
        // path that is not echoed still finds the lines after it.
        {"a path the report does not echo",
         "Input #0:\n Duration: 00:00:02.50, start: 0\n Stream #0:0: Video: a, b, 64x48, 25 fps",
         "zz", "00:00:02.50", " 64x48"},
        {"the duration before the echoed path is not used",
         "Duration: 09:09:09.9, x\nInput 'p.avi':\n  Duration: 00:00:01.5, y\n"
         "  Stream #0:0: Video: a, b, 8x8, c",
         "p.avi", "00:00:01.5", " 8x8"},
        {"case matters: duration is not Duration",
         "p.avi\n  duration: 1, x\n  Duration: 00:00:04.00, start\n  Stream #0:0: Video: a, b, "
         "8x8, c",
         "p.avi", "00:00:04.00", " 8x8"},
        {"an audio stream listed before the video stream",
         "p.avi\n Duration: 00:00:04.00, s\n Stream #0:0: Audio: aac, 48000 Hz, stereo\n"
         " Stream #0:1: Video: h264, yuv420p, 1280x720, 30 fps",
         "p.avi", "00:00:04.00", " 1280x720"},
        {"an unclosed bracket hides the remaining commas",
         "p\n Duration: 00:00:01.00, s\n Stream #0:0: Video: a (b, c, 8x8, d", "p", "00:00:01.00",
         ""},
        {"a stray closing bracket is ignored",
         "p\n Duration: 00:00:01.00, s\n Stream #0:0: Video: a), b, 8x8, d", "p", "00:00:01.00",
         " 8x8"},
    };
    for (const Case& c : cases) {
        const ProbeValues values = ParseProbeReport(c.report, c.path);
        EXPECT_EQ(values.LengthText, c.length) << c.name;
        EXPECT_EQ(values.SizeText, c.size) << c.name;
    }
}

TEST(ProbeReport, PathWithReportMarkersInItIsSkippedWhole)
{
    // The path itself holds "Duration", "Video" and commas: the cut must start
    // after the echo, not inside it.
    const std::string path = "/v/Duration: 1, Video: a, b, c, d.avi";
    const std::string report = "Input #0, avi, from '" + path +
                               "':\n  Duration: 00:00:03.00, start: 0\n"
                               "  Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\n";
    const ProbeValues values = ParseProbeReport(report, path);
    EXPECT_EQ(values.LengthText, "00:00:03.00");
    EXPECT_EQ(values.SizeText, " 320x240");
}

TEST(ProbeReport, FreeTextInTitlesAndChaptersIsNotRead)
{
    // Titles, comments and chapter names hold the markers and commas, and
    // each comes before the line the value belongs to.
    const std::string path = "/v/clip.mp4";
    const std::string report =
        "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '" + path +
        "':\n"
        "  Metadata:\n"
        "    title           : Duration: about 3s, HD\n"
        "    comment         : Stream #1: Video: x, y, 9x9, z\n"
        "  Duration: 00:00:03.00, start: 0.000000, bitrate: 355 kb/s\n"
        "  Chapters:\n"
        "    Chapter #0:0: start 0.000000, end 1.000000\n"
        "      Metadata:\n"
        "        title           : Video intro, part 1, take 2\n"
        "  Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(progressive), "
        "320x240 [SAR 1:1 DAR 4:3], 272 kb/s, 25 fps, 25 tbr, 12800 tbn (default)\n"
        "    Metadata:\n"
        "      vendor_id       : [0][0][0][0]\n";
    const ProbeValues values = ParseProbeReport(report, path);
    EXPECT_EQ(values.LengthText, "00:00:03.00");
    EXPECT_EQ(values.SizeText, " 320x240 [SAR 1:1 DAR 4:3]");
}

// Each input's header in the reply to a probe of several inputs: matched by
// its number and its whole path, searched for after the header before it,
// so that a path holding a header's text is not taken for the next input's
// header, and found again when it arrives in pieces.
TEST(ProbeReport, FindsEachInputsHeaderByNumberAndWholePath)
{
    const std::string tricky = "/v/a':\nInput #1, avi, from '/v/b.avi";
    const std::string report = "banner\n"
                               "Input #0, avi, from '" +
                               tricky +
                               "':\n"
                               "  Duration: 00:00:01.00, start: 0.000000\n"
                               "Input #1, mov,mp4,m4a,3gp,3g2,mj2, from '/v/b.avi':\n"
                               "  Duration: 00:00:02.00, start: 0.000000\n";
    const std::size_t first = report.find("Input #0");
    const std::size_t second = report.rfind("Input #1");
    const std::size_t afterFirst = report.find("':\n  Duration") + 2;
    struct Row
    {
        const char* name;
        std::size_t from;
        int index;
        std::string path;
        std::size_t line;
    } const rows[] = {
        {"first input", 0, 0, tricky, first},
        {"second input, not the one inside the first path", afterFirst, 1, "/v/b.avi", second},
        {"a number that is not the header's", 0, 0, "/v/b.avi", std::string::npos},
        {"a path that is only a part of the header's", afterFirst, 1, "b.avi", std::string::npos},
    };
    for (const Row& row : rows) {
        const InputHeader header = FindInputHeader(report, row.from, row.index, row.path);
        EXPECT_EQ(header.Line, row.line) << row.name;
        if (header.Line != std::string::npos) {
            EXPECT_EQ(report.compare(header.Next - 2, 2, "':"), 0) << row.name;
        }
    }
    EXPECT_EQ(FindInputHeader(report, 0, 0, tricky).Next, afterFirst);

    // Searched piece by piece, from where each search left off.
    std::size_t from = afterFirst;
    InputHeader found;
    for (std::size_t end = from; end <= report.size() && found.Line == std::string::npos; ++end) {
        found = FindInputHeader(report.substr(0, end), from, 1, "/v/b.avi");
        from = found.Next;
    }
    EXPECT_EQ(found.Line, second);
}
