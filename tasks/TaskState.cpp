// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskState.h"

#include "base/TranslationMarks.h"

#include <algorithm>
#include <array>

namespace {

struct TStateNames
{
    TaskState State;
    std::string Text;
    std::string Key;
};

// The one table of the states' words, in the order of TaskState. The words are English and marked
// for translation where they are shown; the keys are never translated.
const std::array<TStateNames, 6> StateNames{{
    //: A task's status: added and ready to convert
    {TaskState::Waiting, QT_TRANSLATE_NOOP("TaskState", "OK"), "waiting"},
    //: A task's status
    {TaskState::Converting, QT_TRANSLATE_NOOP("TaskState", "Converting"), "converting"},
    //: A task's status: its encoder is suspended
    {TaskState::Paused, QT_TRANSLATE_NOOP("TaskState", "Paused"), "paused"},
    //: A task's status: converted (an adjective, not the verb)
    {TaskState::Complete, QT_TRANSLATE_NOOP("TaskState", "Complete"), "complete"},
    //: A task's status: the user stopped its conversion
    {TaskState::Stopped, QT_TRANSLATE_NOOP("TaskState", "Stop"), "stopped"},
    //: A task's status: its conversion failed
    {TaskState::Failed, QT_TRANSLATE_NOOP("TaskState", "Failed"), "failed"},
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
