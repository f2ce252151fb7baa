#include "tasks/ProbeReport.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(ProbeReport, CutsLengthAndSize)
{
    const std::vector<Case> cases = {
        {"the documented example",
         "Input #0, from 'x.avi':\nDuration: 00:01:23.4, start: 0.000000\n"
         "Stream: Video: mpeg4, yuv420p, 640x480, 25 fps",
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
         "x.avi Duration: 00:00:01.00, start: 0\nVideo: mpeg4, yuv420p", "x.avi", "00:00:01.00",
         ""},
        {"no comma after the duration", "x.avi Duration: 00:00:01.00\nno more", "x.avi", "", ""},
        {"an empty report", "", "x.avi", "", ""},
        {"no Duration at all: the first colon after the path counts",
         "/a/x.avi: No such file or directory\n", "/a/x.avi", "", ""},
        // The cut starts at position length(path) of the report, so a short
        // path that is not echoed still finds the markers after it.
        {"a path the report does not echo",
         "Input #0: Duration: 00:00:02.50, start: 0\nVideo: a, b, 64x48, 25 fps", "zz",
         "00:00:02.50", " 64x48"},
        {"the duration before the echoed path is not used",
         "Duration: 09:09:09.9, x\nInput 'p.avi':\n  Duration: 00:00:01.5, y\n  Video: a, b, 8x8, "
         "c",
         "p.avi", "00:00:01.5", " 8x8"},
        {"case matters: duration is not Duration",
         "p.avi duration: 1, Duration: 00:00:04.00, start\nVideo: a, b, 8x8, c", "p.avi",
         "00:00:04.00", " 8x8"},
        {"an unclosed bracket hides the remaining commas",
         "p Duration: 00:00:01.00, s\nVideo: a (b, c, 8x8, d", "p", "00:00:01.00", ""},
        {"a stray closing bracket is ignored", "p Duration: 00:00:01.00, s\nVideo: a), b, 8x8, d",
         "p", "00:00:01.00", " 8x8"},
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
