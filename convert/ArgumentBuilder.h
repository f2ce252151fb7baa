// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/ProfileChoice.h"
#include "tasks/TaskRecord.h"

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
std::vector<std::string> BuildArguments(const TProfileChoice& choice, const ltvItemData& task);
