// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/EncoderArguments.h"

#include <cstdio>

namespace {

constexpr char Quote = '"';

// Each line the encoder writes starts with its level ("[error] "), so that
// the line that tells why a conversion failed can be told from statistics
// printed after it. A profile's own "-loglevel" comes later and wins.
const char* const LevelSwitch = "-loglevel";
const char* const LevelValue = "level+info";

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t';
}

std::string Quoted(const std::string& text)
{
    return std::string(1, Quote) + text + Quote;
}

} // namespace

std::vector<std::string> SplitCommandLineArguments(const std::string& text)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool inQuotes = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (!inQuotes && IsSeparator(c)) {
            if (inArgument)
                arguments.push_back(current);
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            std::size_t slashes = 0;
            while (i < text.size() && text[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < text.size() && text[i] == Quote) {
                current.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    current += Quote;
                    ++i;
                }
                // An even count leaves the quote to be read as a delimiter.
            } else {
                current.append(slashes, '\\');
            }
            continue;
        }
        if (c == Quote) {
            if (inQuotes && i + 1 < text.size() && text[i + 1] == Quote) {
                current += Quote;
                i += 2;
                continue;
            }
            inQuotes = !inQuotes;
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}

std::string ProbeCommandLine(const std::string& inputPath)
{
    return " -i " + Quoted(inputPath);
}

std::string ConversionCommandLine(const std::string& inputPath, const std::string& arguments,
                                  const std::string& outputPath)
{
    return " -y -i " + Quoted(inputPath) + " " + LevelSwitch + " " + LevelValue + arguments + " " +
           Quoted(outputPath);
}

std::vector<std::string> ProbeArguments(const std::string& inputPath)
{
    return ProbeArguments(std::vector<std::string>{inputPath});
}

std::vector<std::string> ProbeArguments(const std::vector<std::string>& inputPaths)
{
    std::vector<std::string> vector;
    vector.reserve(inputPaths.size() * 2);
    for (const std::string& path : inputPaths) {
        vector.push_back("-i");
        vector.push_back(path);
    }
    return vector;
}

std::vector<std::string> ThumbnailArguments(const std::vector<TThumbnailShot>& shots, int width,
                                            int height)
{
    std::vector<std::string> vector = {"-hide_banner", "-nostdin", "-loglevel", "error", "-y"};
    for (const TThumbnailShot& shot : shots) {
        // Seeking before the input jumps to the key frame before the time
        // and decodes from there only.
        if (shot.Seconds > 0) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.3f", shot.Seconds);
            vector.insert(vector.end(), {"-ss", seconds});
        }
        vector.insert(vector.end(), {"-i", shot.InputPath});
    }
    const std::string scale = "scale=iw*sar:ih,scale=" + std::to_string(width) + ":" +
                              std::to_string(height) + ":force_original_aspect_ratio=decrease";
    for (std::size_t i = 0; i < shots.size(); ++i)
        vector.insert(vector.end(),
                      {"-map", std::to_string(i) + ":v:0", "-frames:v", "1", "-vf", scale, "-f",
                       "image2", "-update", "1", "-c:v", "png", shots[i].OutputPath});
    return vector;
}

std::vector<std::string> ConversionArguments(const std::string& inputPath,
                                             const std::vector<std::string>& arguments,
                                             const std::string& outputPath)
{
    std::vector<std::string> vector = {"-y", "-i", inputPath, LevelSwitch, LevelValue};
    vector.insert(vector.end(), arguments.begin(), arguments.end());
    vector.push_back(outputPath);
    return vector;
}

std::vector<std::string> ConversionArguments(const std::string& inputPath,
                                             const std::string& arguments,
                                             const std::string& outputPath)
{
    return ConversionArguments(inputPath, SplitCommandLineArguments(arguments), outputPath);
}
