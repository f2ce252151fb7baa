// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What the encoder is given. The program never hands the encoder a command
// string: it passes an argument vector, in which the input and the output
// path are each exactly one argument whatever characters they hold. The
// command-line text is still rendered, for display and for tests, and for
// ordinary paths splitting the text gives the vector.

// Splits a command-line text the way the Windows C runtime builds argv, so
// that profile values quoted for that runtime keep their meaning: blanks and
// tabs separate arguments; a double-quoted run is part of one argument;
// 2n backslashes before a quote give n backslashes and the quote toggles the
// quoted run, 2n+1 give n backslashes and a literal quote; other backslashes
// are literal; inside a quoted run, "" gives one literal quote and the run
// goes on. "" on its own is an empty argument.
std::vector<std::string> SplitCommandLineArguments(const std::string& text);

// " -i " + Q + path + Q
std::string ProbeCommandLine(const std::string& inputPath);

// " -y -i " + Q + input + Q + " -loglevel level+info" + arguments + " " + Q +
// output + Q, where `arguments` is the profile's argument string with any
// trim switches. The level makes the encoder mark each line it writes with
// its level ("[error] ...").
std::string ConversionCommandLine(const std::string& inputPath, const std::string& arguments,
                                  const std::string& outputPath);

// {"-i", path}
std::vector<std::string> ProbeArguments(const std::string& inputPath);
// {"-i", path1, "-i", path2, ...}: one probe of several inputs.
std::vector<std::string> ProbeArguments(const std::vector<std::string>& inputPaths);

// One picture to take: the frame at `Seconds` into `InputPath` (at 0, its
// first), written as a PNG file to `OutputPath`.
struct TThumbnailShot
{
    std::string InputPath;
    double Seconds = 0;
    std::string OutputPath;
};
// One encoder run that takes every shot, each scaled with its pixel aspect
// to fit `width` x `height`. The run starts once for all of them, as a probe
// of several files does.
std::vector<std::string> ThumbnailArguments(const std::vector<TThumbnailShot>& shots, int width,
                                            int height);

// {"-y", "-i", input, "-loglevel", "level+info"} + arguments + {output}
std::vector<std::string> ConversionArguments(const std::string& inputPath,
                                             const std::vector<std::string>& arguments,
                                             const std::string& outputPath);
// The same with the arguments of a command-line text, split.
std::vector<std::string> ConversionArguments(const std::string& inputPath,
                                             const std::string& arguments,
                                             const std::string& outputPath);
