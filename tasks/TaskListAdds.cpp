// SPDX-License-Identifier: GPL-3.0-or-later
// Adding files with their probes side by side, the rows still coming in the
// order, and under the duplicate rule, of adding the files one by one.
#include "tasks/TaskList.h"

#include "profiles/ProfileDetail.h"
#include "tasks/ProbeQueue.h"
#include "tasks/TaskSources.h"

#include <QSet>

#include <algorithm>
#include <utility>

void TTaskList::AddTaskPaths(const QStringList& paths, const std::vector<std::string>& unnamable,
                             std::function<void()> done)
{
    if (FClosed)
        return;
    const TTaskFiles files = ExpandTaskPaths(paths);
    for (const QString& path : files.Files)
        Enqueue(path);
    std::vector<std::string> notAdded = unnamable;
    notAdded.insert(notAdded.end(), files.Unnamable.begin(), files.Unnamable.end());
    TPendingAdd end;
    end.FState = TPendingAdd::RequestEnd;
    end.Done = std::move(done);
    FPending.push_back(std::move(end));
    ReportUnnamable(notAdded);
    PumpAdds();
}

void TTaskList::Enqueue(const QString& path)
{
    FControls.panbg->hide();
    TPendingAdd add;
    add.Path = path;
    add.NewExt = FDetail.OutputExt.toStdString();
    add.Id = ++FNextId;
    FPending.push_back(std::move(add));
}

// Lists what is ready at the head of the queue and starts the probes there
// is room for. A request's end runs its follow-up, which may ask for more.
void TTaskList::PumpAdds()
{
    if (FPumping)
        return;
    FPumping = true;
    bool progress = true;
    while (progress) {
        progress = ListPendingHead();
        StartProbes();
        progress =
            progress || (!FPending.empty() && FPending.front().FState == TPendingAdd::Probed);
    }
    FPumping = false;
    if (FPending.empty())
        emit AddsDone();
}

// True when something was taken off the head. Rows ready one after another
// go into the list in one insert.
bool TTaskList::ListPendingHead()
{
    bool taken = false;
    std::vector<TTask> ready;
    const auto list = [this, &ready] {
        FModel->Append(std::move(ready));
        ready.clear();
    };
    while (!FPending.empty()) {
        TPendingAdd& head = FPending.front();
        if (head.FState == TPendingAdd::RequestEnd) {
            list();
            std::function<void()> done = std::move(head.Done);
            FPending.pop_front();
            taken = true;
            ReportNoVideo(std::exchange(FNoVideo, {}));
            if (done)
                done();
            continue;
        }
        if (head.FState == TPendingAdd::Probing)
            break;
        // The one-by-one rule, against the list as it is now: a listed path
        // is skipped, unprobed if it was not probed yet.
        if (IsListed(head.Path, ready)) {
            FPending.pop_front();
            taken = true;
            continue;
        }
        if (head.FState != TPendingAdd::Probed)
            break; // to be probed now that it is no longer a duplicate
        if (head.Result.NoVideo) {
            FNoVideo.push_back(head.Path.toStdString());
            FPending.pop_front();
            taken = true;
            continue;
        }
        ready.push_back(NewTask(head.Path, head.Result, head.NewExt));
        FPending.pop_front();
        taken = true;
    }
    list();
    return taken;
}

void TTaskList::StartProbes()
{
    // A path met before in the queue is listed by then, unless the user
    // removes it meanwhile; its probe waits until its own turn shows which.
    QSet<QString> before;
    std::vector<TPendingAdd*> due;
    const std::size_t most = static_cast<std::size_t>(FProbes->Room()) * TProbeQueue::MostPerRun;
    for (std::size_t i = 0; i < FPending.size() && due.size() < most; ++i) {
        TPendingAdd& add = FPending[i];
        if (add.FState == TPendingAdd::RequestEnd)
            continue;
        const bool head = i == 0;
        const bool seen = before.contains(add.Path);
        before.insert(add.Path);
        if (add.FState == TPendingAdd::Waiting && !head && (seen || IsListed(add.Path)))
            add.FState = TPendingAdd::Deferred;
        if (add.FState == TPendingAdd::Waiting || (add.FState == TPendingAdd::Deferred && head))
            due.push_back(&add);
    }
    // Even shares over the free places, so that the last files of an add do
    // not wait for one long run while another place stands idle.
    std::size_t next = 0;
    while (next < due.size() && FProbes->HasRoom()) {
        const std::size_t room = static_cast<std::size_t>(FProbes->Room());
        const std::size_t share =
            std::min<std::size_t>(TProbeQueue::MostPerRun, (due.size() - next + room - 1) / room);
        const auto first = due.begin() + static_cast<std::ptrdiff_t>(next);
        const std::vector<TPendingAdd*> group(first, first + static_cast<std::ptrdiff_t>(share));
        next += share;
        std::vector<TProbeItem> items;
        for (const TPendingAdd* add : group)
            items.push_back({add->Id, add->Path});
        const TProbeQueue::Start start = FProbes->Probe(std::move(items));
        if (start == TProbeQueue::Start::Busy)
            return;
        for (TPendingAdd* add : group) {
            if (start == TProbeQueue::Start::Started) {
                add->FState = TPendingAdd::Probing;
            } else {
                add->Result = {};
                add->FState = TPendingAdd::Probed;
            }
        }
    }
}

void TTaskList::OnProbed(quint64 id, const TProbeResult& result)
{
    const auto it = std::find_if(FPending.begin(), FPending.end(),
                                 [id](const TPendingAdd& add) { return add.Id == id; });
    if (it == FPending.end())
        return;
    it->Result = result;
    it->FState = TPendingAdd::Probed;
    PumpAdds();
}

void TTaskList::CancelAdds()
{
    FProbes->StopAll();
    const bool adding = IsAdding();
    FPending.clear();
    FNoVideo.clear();
    if (adding)
        emit AddsDone();
}
