// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskList.h"

#include "profiles/ProfileDetail.h"
#include "tasks/OutputFolderButtons.h"
#include "tasks/TaskAdds.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskView.h"
#include "widgets/ValueListEditor.h"

TTaskList::TTaskList(const TaskListControls& controls, Platform& platform, TProfileDetail& detail,
                     const QString& encoderPath, QObject* parent)
    : QObject(parent), FModel(new TTaskModel(this))
{
    FPlans = new TTaskPlans(*FModel, detail, this);
    FOutput = new TOutputGrid(
        *detail.vleOutput, *FModel, *FPlans,
        [&detail](int icon, const QString& title, const QString& text) {
            detail.ShowBalloonTip(detail.vleOutput, icon, title, text);
        },
        this);
    detail.OutputShowsTask = [output = FOutput] {
        return output->ShowsTask();
    };
    FView = new TTaskView(controls.Window, controls.ltvTask, *FModel, *FPlans, platform, *FOutput,
                          this);
    FAdds = new TTaskAdds(controls.Window, controls.panbg, *FModel, platform, detail, encoderPath,
                          this);
    FCommands = new TTaskCommands(controls.Window, *FModel, *FView, *FAdds, platform, this);
    FOutputFolder =
        new TOutputFolderButtons(controls.Window, controls.edtOutputdir, controls.bbtnBrowser,
                                 controls.bbtnOpen, platform, this);
}
