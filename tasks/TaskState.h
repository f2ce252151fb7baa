// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Where a task stands. The list shows each state as a word, and Tasks.ini
// keeps it as a key; both come from one table, so no word is compared or
// stored anywhere else.
enum class TaskState
{
    Waiting, // ready to convert
    Converting,
    Paused,
    Complete,
    Stopped,
    Failed
};

inline constexpr TaskState AllTaskStates[] = {TaskState::Waiting, TaskState::Converting,
                                              TaskState::Paused,  TaskState::Complete,
                                              TaskState::Stopped, TaskState::Failed};

// The English word of the Status column, translated in context "TaskState" where it is shown.
const std::string& StateText(TaskState state);
// The key Tasks.ini keeps from its version 2 on.
const std::string& StateKey(TaskState state);
// A key back, or nothing for a text that is none.
std::optional<TaskState> StateFromKey(const std::string& key);
// A shown word back: version 1 of Tasks.ini kept those.
std::optional<TaskState> StateFromText(const std::string& text);
