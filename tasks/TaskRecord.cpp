// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskRecord.h"

#include "base/PathText.h"
#include "tasks/TimeText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Where the state stands among a task's texts: the row's fourth column.
constexpr std::size_t StatePosition = 3;

// Every text field in the order of TaskField, with the number read from it
// where it is a time; the state, which is no text, is kept apart.
struct TFieldSlot
{
    TaskField Field;
    std::string ltvItemData::*Text;
    double ltvItemData::*Number;
};
constexpr std::array<TFieldSlot, 10> FieldSlots{{
    {TaskField::InputFileOnly, &ltvItemData::InputFile, nullptr},
    {TaskField::LengthText, &ltvItemData::LengthText, &ltvItemData::LengthSec},
    {TaskField::SizeText, &ltvItemData::SizeText, nullptr},
    {TaskField::NewName, &ltvItemData::NewName, nullptr},
    {TaskField::NewExt, &ltvItemData::NewExt, nullptr},
    {TaskField::FullStartText, &ltvItemData::FullStartText, &ltvItemData::FullStartSec},
    {TaskField::FullEndText, &ltvItemData::FullEndText, &ltvItemData::FullEndSec},
    {TaskField::SpanText, &ltvItemData::SpanText, &ltvItemData::SpanSec},
    {TaskField::StartText, &ltvItemData::StartText, &ltvItemData::StartSec},
    {TaskField::EndText, &ltvItemData::EndText, &ltvItemData::EndSec},
}};

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
    if (CoversState(field))
        data.Status = stored.Status;
    if (CoversTarget(field))
        data.TargetText = stored.TargetText;
    ForEachSlot(field, [&stored, &data](const TFieldSlot& slot) {
        data.*slot.Text = stored.*slot.Text;
        if (slot.Number)
            data.*slot.Number = stored.*slot.Number;
    });
}

void WriteTaskField(const ltvItemData& data, TaskField field, ltvItemData& stored)
{
    if (CoversState(field))
        stored.Status = data.Status;
    if (CoversTarget(field))
        stored.TargetText = data.TargetText;
    ForEachSlot(field, [&data, &stored](const TFieldSlot& slot) {
        stored.*slot.Text = data.*slot.Text;
        if (slot.Number)
            stored.*slot.Number = ParseTimeText(stored.*slot.Text);
    });
}

std::vector<std::string> TaskTexts(const ltvItemData& task)
{
    std::vector<std::string> texts;
    texts.reserve(FieldSlots.size() + 1);
    for (const TFieldSlot& slot : FieldSlots)
        texts.push_back(task.*slot.Text);
    texts.insert(texts.begin() + StatePosition, StateKey(task.Status));
    return texts;
}

bool TaskFromTexts(std::vector<std::string> texts, ltvItemData& task, bool stateWords)
{
    if (texts.size() != FieldSlots.size() + 1)
        return false;
    const std::optional<TaskState> state =
        stateWords ? StateFromText(texts[StatePosition]) : StateFromKey(texts[StatePosition]);
    if (!state)
        return false;
    task.Status = *state;
    texts.erase(texts.begin() + StatePosition);
    for (std::size_t i = 0; i < FieldSlots.size(); ++i) {
        const TFieldSlot& slot = FieldSlots[i];
        task.*slot.Text = std::move(texts[i]);
        if (slot.Number)
            task.*slot.Number = ParseTimeText(task.*slot.Text);
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
    task.FullStartText = ZeroTimeText;
    task.StartText = ZeroTimeText;
    task.FullStartSec = ParseTimeText(ZeroTimeText);
    task.StartSec = task.FullStartSec;
    SetTaskLength(task, lengthText);
    return task;
}

void SetTaskLength(ltvItemData& task, const std::string& lengthText)
{
    task.LengthText = lengthText;
    task.FullEndText = lengthText;
    task.SpanText = lengthText;
    task.EndText = lengthText;
    task.LengthSec = ParseTimeText(lengthText);
    task.FullEndSec = task.LengthSec;
    task.SpanSec = task.LengthSec;
    task.EndSec = task.LengthSec;
}

bool ClampTaskLength(ltvItemData& task, const std::string& lengthText)
{
    const double length = ParseTimeText(lengthText);
    // Within the tenth a time text shows, the file is the same length.
    if (length <= 0 || task.LengthSec < 0 || length > task.LengthSec - 0.05)
        return false;
    double start = task.StartSec;
    double end = task.EndSec < 0 ? length : std::min(task.EndSec, length);
    if (start < 0 || start >= end) {
        start = task.FullStartSec < 0 ? 0 : task.FullStartSec;
        end = length;
    }
    task.LengthText = lengthText;
    task.FullEndText = lengthText;
    task.StartText = FormatTimeText(start);
    task.EndText = FormatTimeText(end);
    task.SpanText = FormatTimeText(end - start);
    WriteTaskField(task, TaskField::AllFields, task);
    return true;
}
