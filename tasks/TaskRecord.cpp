#include "tasks/TaskRecord.h"

#include "base/PathText.h"
#include "tasks/TimeText.h"

namespace {

const char* const StatusOK = "OK";

} // namespace

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
