// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskState.h"

#include <algorithm>
#include <array>

namespace {

struct TStateNames
{
    TaskState State;
    std::string Text;
    std::string Key;
};

// The one table of the states' words, in the order of TaskState.
const std::array<TStateNames, 6> StateNames{{
    {TaskState::Waiting, "OK", "waiting"},
    {TaskState::Converting, "Converting", "converting"},
    {TaskState::Paused, "Paused", "paused"},
    {TaskState::Complete, "Complete", "complete"},
    {TaskState::Stopped, "Stop", "stopped"},
    {TaskState::Failed, "Failed", "failed"},
}};

const TStateNames& NamesOf(TaskState state)
{
    return StateNames[static_cast<std::size_t>(state)];
}

template <class Member> std::optional<TaskState> Find(Member member, const std::string& text)
{
    const auto found =
        std::find_if(StateNames.begin(), StateNames.end(),
                     [&](const TStateNames& names) { return names.*member == text; });
    if (found == StateNames.end())
        return std::nullopt;
    return found->State;
}

} // namespace

const std::string& StateText(TaskState state)
{
    return NamesOf(state).Text;
}

const std::string& StateKey(TaskState state)
{
    return NamesOf(state).Key;
}

std::optional<TaskState> StateFromKey(const std::string& key)
{
    return Find(&TStateNames::Key, key);
}

std::optional<TaskState> StateFromText(const std::string& text)
{
    return Find(&TStateNames::Text, text);
}
