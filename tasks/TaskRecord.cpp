// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskRecord.h"

#include "base/PathText.h"
#include "tasks/TimeText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

const char* const StatusOK = "OK";

// Every text field in the order of TaskField, with the number read from it
// where it is a time.
struct TFieldSlot
{
    TaskField Field;
    std::string ltvItemData::*Text;
    double ltvItemData::*Number;
};
constexpr std::array<TFieldSlot, 11> FieldSlots{{
    {TaskField::InputFileOnly, &ltvItemData::InputFile, nullptr},
    {TaskField::LengthText, &ltvItemData::LengthText, &ltvItemData::LengthSec},
    {TaskField::SizeText, &ltvItemData::SizeText, nullptr},
    {TaskField::StatusText, &ltvItemData::StatusText, nullptr},
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

} // namespace

void ReadTaskField(const ltvItemData& stored, TaskField field, ltvItemData& data)
{
    ForEachSlot(field, [&stored, &data](const TFieldSlot& slot) {
        data.*slot.Text = stored.*slot.Text;
        if (slot.Number)
            data.*slot.Number = stored.*slot.Number;
    });
}

void WriteTaskField(const ltvItemData& data, TaskField field, ltvItemData& stored)
{
    ForEachSlot(field, [&data, &stored](const TFieldSlot& slot) {
        stored.*slot.Text = data.*slot.Text;
        if (slot.Number)
            stored.*slot.Number = ParseTimeText(stored.*slot.Text);
    });
}

std::vector<std::string> TaskTexts(const ltvItemData& task)
{
    std::vector<std::string> texts;
    texts.reserve(FieldSlots.size());
    for (const TFieldSlot& slot : FieldSlots)
        texts.push_back(task.*slot.Text);
    return texts;
}

bool TaskFromTexts(std::vector<std::string> texts, ltvItemData& task)
{
    if (texts.size() != FieldSlots.size())
        return false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
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
    task.StatusText = StatusOK;
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
