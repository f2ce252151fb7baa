#pragma once

#include "tasks/TaskRecord.h"

#include <QObject>
#include <QString>

class TMainForm;

// The task list's behaviour: adding files and directories, the editing
// commands, what selecting a row shows, and the output directory buttons.
// It works on the controls the main window created.
class TTaskList : public QObject
{
    Q_OBJECT

public:
    explicit TTaskList(TMainForm& form);

    void AddTaskFile(const QString& path);
    void AddTaskDirectory(const QString& directory);
    void EnableTaskButtons(bool enabled);

    // Slot semantics of the row: selector AllFields, InputFileOnly or 0 to 9.
    void ReadTask(int row, int field, ltvItemData& data) const;
    void WriteTask(int row, int field, const ltvItemData& data);
    int TaskCount() const;

private:
    TMainForm& FForm;
};
