// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <optional>
#include <string>
#include <vector>

// The first argument that makes the command line a batch without a window.
inline constexpr char ConvertSwitch[] = "--convert";
// The first argument that makes the command line a watch of a folder
// without a window; the folder follows it.
inline constexpr char WatchSwitch[] = "--watch";

// Exit statuses of a batch without a window.
enum THeadlessExit
{
    ExitCompleted = 0, // every task was converted
    ExitFailed = 1,    // a task failed, or a named input could not be taken
    ExitUsage = 2,     // the command line cannot be carried out
    // Stopped by a signal that asks the program to end (SIGINT, SIGTERM and
    // the others TTerminationSignals catches): one status for all of them,
    // so that a script tells "interrupted" from "failed" by one number.
    ExitInterrupted = 130
};

enum class THeadlessAction
{
    Convert,
    ListProfiles,
    ListFormats,
    Help,
    Version
};

struct THeadlessOptions
{
    THeadlessAction Action = THeadlessAction::Convert;
    std::optional<std::string> Profile;
    std::optional<std::string> OutputDir;
    // --overwrite (true) or --rename (false); the saved choice when neither.
    std::optional<bool> Overwrite;
    int Jobs = 1;
    // Where a watch moves each input it has converted; a watch leaves them
    // in place without it.
    std::optional<std::string> DoneFolder;
    // --target-size: the size text every output should land under.
    std::optional<std::string> TargetSize;
    bool CheckQuality = false;
    // --audio first|all|LANGS and --subtitles none|keep|burn, as given.
    std::optional<std::string> Audio;
    std::optional<std::string> Subtitles;
    std::vector<std::string> Inputs;

    bool operator==(const THeadlessOptions&) const = default;
};

struct THeadlessParse
{
    THeadlessOptions Options;
    // Why the arguments cannot be used; empty when they can.
    std::string Error;
};

// Whether `arguments` (without the program's name) ask for a batch without
// a window: the first of them is "--convert" or "--watch".
bool IsHeadlessCommandLine(const std::vector<std::string>& arguments);

// Reads the arguments that follow "--convert". Options may stand before,
// between and after the files; "--" ends them. A value is given as the next
// argument or after "=". When one option is given twice, the last counts.
// --help, then --version, then --list-profiles, then --list-formats take
// precedence over
// converting, which needs at least one file or directory.
// Its error is in the language of `translate`.
THeadlessParse ParseHeadlessOptions(const std::vector<std::string>& arguments,
                                    TTranslator translate = Untranslated);

// Checks what the arguments that follow "--watch" give: one folder, an
// output folder, no --overwrite (a watch never replaces an output) and no
// list file. Returns why they cannot be used; empty when they can.
std::string CheckWatchOptions(const THeadlessOptions& options,
                              TTranslator translate = Untranslated);

// What --help prints.
std::string HeadlessUsage(TTranslator translate = Untranslated);
