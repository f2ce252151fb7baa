// SPDX-License-Identifier: GPL-3.0-or-later
// The probe report cut: any report and any path. The values come from single
// lines of the report, so neither may hold a line break, and each is a part
// of the report.

#include "encoder/ProbeReport.h"
#include "FuzzFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The first line is the path, the rest the report.
    const std::size_t eol = input.find('\n');
    const std::string path = eol == std::string::npos ? std::string() : input.substr(0, eol);
    const std::string report = eol == std::string::npos ? input : input.substr(eol + 1);
    const ProbeValues values = ParseProbeReport(report, path);
    for (const std::string* value : {&values.LengthText, &values.SizeText}) {
        FuzzCheck(value->find_first_of("\r\n") == std::string::npos);
        FuzzCheck(report.find(*value) != std::string::npos);
    }
    return 0;
}
