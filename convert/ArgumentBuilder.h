// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/TrackRules.h"
#include "profiles/ProfileChoice.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskTarget.h"

#include <string>
#include <vector>

// The encoder's arguments between the input and the output for `task`
// converted with `choice`. For each parameter that has a switch ("cmd") and
// a value, in parameter order: the switch, then the value, each split into
// words as SplitCommandLineArguments splits a command line (a quoted value
// with blanks stays one argument). A pick list gives the value of its picked
// item (nothing for an item without one) or, for a typed text such as a
// custom "640x480", that text; a read-only text gives its "Value"; any other
// text what was typed. A flag switch, whose value is "\", goes out alone.
// The task's trim switches (TrimSwitches) come last.
//
// A video or audio codec of "copy" passes the stream through as it is: the
// switches that would change it (size, rate, filters, bitrate) are left out,
// and so is a target size's bitrate.
//
// A task with a target size (TargetText) that PlanTaskTarget can meet
// gets the planned video bitrate in place of the profile's "-b:v" (or
// added), and loses a constant-quality "-crf", which would override it.
std::vector<std::string> BuildArguments(const TProfileChoice& choice, const ltvItemData& task);

// `arguments` with the tracks a choice keeps (TrackSwitches): the maps
// first; a subtitle to burn in ends the picture's filters ("-vf"), or for a
// picture subtitle, joins them in one graph with the subtitle as its second
// input. Unchanged when the switches map nothing.
std::vector<std::string> WithTrackSwitches(std::vector<std::string> arguments,
                                           const TTrackSwitches& switches);

// Whether the task is converted in two passes: it has a target that can be
// met and its video codec is x264, x265 or VP9.
bool HasTwoPasses(const TProfileChoice& choice, const ltvItemData& task);
