// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskRecord.h"

#include "base/PathText.h"
#include "base/TimeText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Where the state stands among a task's texts: the row's fourth column.
constexpr std::size_t StatePosition = 3;

// Every field in the order of TaskField, a text or a time; the state, which
// is neither, is kept apart.
struct TFieldSlot
{
    TaskField Field;
    std::string ltvItemData::*Text;
    TTimeValue ltvItemData::*Time;
};
constexpr std::array<TFieldSlot, 10> FieldSlots{{
    {TaskField::InputFileOnly, &ltvItemData::InputFile, nullptr},
    {TaskField::LengthText, nullptr, &ltvItemData::Length},
    {TaskField::SizeText, &ltvItemData::SizeText, nullptr},
    {TaskField::NewName, &ltvItemData::NewName, nullptr},
    {TaskField::NewExt, &ltvItemData::NewExt, nullptr},
    {TaskField::FullStartText, nullptr, &ltvItemData::FullStart},
    {TaskField::FullEndText, nullptr, &ltvItemData::FullEnd},
    {TaskField::SpanText, nullptr, &ltvItemData::Span},
    {TaskField::StartText, nullptr, &ltvItemData::Start},
    {TaskField::EndText, nullptr, &ltvItemData::End},
}};

// Copies the field of `slot` from one record into another.
void CopySlot(const TFieldSlot& slot, const ltvItemData& from, ltvItemData& to)
{
    if (slot.Text)
        to.*slot.Text = from.*slot.Text;
    else
        to.*slot.Time = from.*slot.Time;
}

// Runs `copy` on each slot that `field` covers.
template <class Copy> void ForEachSlot(TaskField field, Copy copy)
{
    for (const TFieldSlot& slot : FieldSlots)
        if (field == TaskField::AllFields || field == slot.Field)
            copy(slot);
}

bool CoversState(TaskField field)
{
    return field == TaskField::AllFields || field == TaskField::Status;
}

bool CoversTarget(TaskField field)
{
    return field == TaskField::AllFields || field == TaskField::TargetText;
}

} // namespace

void ReadTaskField(const ltvItemData& stored, TaskField field, ltvItemData& data)
{
    if (field == TaskField::AllFields) {
        data.Profile = stored.Profile;
        data.Picks = stored.Picks;
    }
    if (CoversState(field))
        data.Status = stored.Status;
    if (CoversTarget(field))
        data.TargetText = stored.TargetText;
    if (field == TaskField::AllFields || field == TaskField::Tracks) {
        data.Tracks = stored.Tracks;
        data.TracksKnown = stored.TracksKnown;
    }
    if (field == TaskField::AllFields || field == TaskField::TrackChoice) {
        data.AudioChoice = stored.AudioChoice;
        data.SubtitleChoice = stored.SubtitleChoice;
    }
    ForEachSlot(field, [&stored, &data](const TFieldSlot& slot) { CopySlot(slot, stored, data); });
}

void WriteTaskField(const ltvItemData& data, TaskField field, ltvItemData& stored)
{
    if (field == TaskField::AllFields) {
        stored.Profile = data.Profile;
        stored.Picks = data.Picks;
    }
    if (CoversState(field))
        stored.Status = data.Status;
    if (CoversTarget(field))
        stored.TargetText = data.TargetText;
    if (field == TaskField::AllFields || field == TaskField::Tracks) {
        stored.Tracks = data.Tracks;
        stored.TracksKnown = data.TracksKnown;
    }
    if (field == TaskField::AllFields || field == TaskField::TrackChoice) {
        stored.AudioChoice = data.AudioChoice;
        stored.SubtitleChoice = data.SubtitleChoice;
    }
    ForEachSlot(field, [&data, &stored](const TFieldSlot& slot) { CopySlot(slot, data, stored); });
}

std::vector<std::string> TaskTexts(const ltvItemData& task)
{
    std::vector<std::string> texts;
    texts.reserve(FieldSlots.size() + 1);
    for (const TFieldSlot& slot : FieldSlots)
        texts.push_back(slot.Text ? task.*slot.Text : (task.*slot.Time).Text());
    texts.insert(texts.begin() + StatePosition, StateKey(task.Status));
    if (!task.Profile.empty()) {
        texts.push_back(task.Profile);
        texts.insert(texts.end(), task.Picks.begin(), task.Picks.end());
    }
    return texts;
}

bool TaskFromTexts(std::vector<std::string> texts, ltvItemData& task, bool stateWords)
{
    const std::size_t plain = FieldSlots.size() + 1;
    if (texts.size() < plain || (texts.size() > plain && texts[plain].empty()))
        return false;
    task.Profile = texts.size() > plain ? texts[plain] : std::string();
    task.Picks.assign(texts.begin() + std::min(texts.size(), plain + 1), texts.end());
    texts.resize(plain);
    const std::optional<TaskState> state =
        stateWords ? StateFromText(texts[StatePosition]) : StateFromKey(texts[StatePosition]);
    if (!state)
        return false;
    task.Status = *state;
    texts.erase(texts.begin() + StatePosition);
    for (std::size_t i = 0; i < FieldSlots.size(); ++i) {
        const TFieldSlot& slot = FieldSlots[i];
        if (slot.Text)
            task.*slot.Text = std::move(texts[i]);
        else
            task.*slot.Time = TTimeValue::FromText(texts[i]);
    }
    return true;
}

ltvItemData NewTaskRecord(const std::string& inputFile, const std::string& lengthText,
                          const std::string& sizeText, const std::string& newExt)
{
    ltvItemData task;
    task.InputFile = inputFile;
    task.SizeText = sizeText;
    task.Status = TaskState::Waiting;
    task.NewName = StripExtension(ExtractFileName(inputFile));
    task.NewExt = newExt;
    task.FullStart = TTimeValue::FromText(ZeroTimeText);
    task.Start = task.FullStart;
    SetTaskLength(task, lengthText);
    return task;
}

void SetTaskLength(ltvItemData& task, const std::string& lengthText)
{
    task.Length = TTimeValue::FromText(lengthText);
    task.FullEnd = task.Length;
    task.Span = task.Length;
    task.End = task.Length;
}

bool ClampTaskLength(ltvItemData& task, const std::string& lengthText)
{
    const TTimeValue length = TTimeValue::FromText(lengthText);
    // Within the tenth a time text shows, the file is the same length.
    if (length.Seconds <= 0 || task.Length.Seconds < 0 ||
        length.Seconds > task.Length.Seconds - 0.05)
        return false;
    double start = task.Start.Seconds;
    double end = task.End.Seconds < 0 ? length.Seconds : std::min(task.End.Seconds, length.Seconds);
    if (start < 0 || start >= end) {
        start = task.FullStart.Seconds < 0 ? 0 : task.FullStart.Seconds;
        end = length.Seconds;
    }
    task.Length = length;
    task.FullEnd = length;
    task.Start = TTimeValue::FromSeconds(start);
    task.End = TTimeValue::FromSeconds(end);
    task.Span = TTimeValue::FromSeconds(end - start);
    return true;
}
