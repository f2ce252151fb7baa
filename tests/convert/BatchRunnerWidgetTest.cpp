// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/PowerOffCountdown.h"
#include "convert/SizeEstimate.h"
#include "fixtures/BatchRun.h"
#include "preview/DSTrackBar.h"
#include "preview/FilterGraph.h"
#include "profiles/ProfileCatalogue.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ValueListEditor.h"

#include <QMenu>

namespace {

// Start while files are still being added: the batch is the rows listed at
// that moment; the rows the add lists afterwards wait.
TEST_F(BatchRun, AStartDuringAnAddConvertsTheRowsListedThen)
{
    script.Set("probe.delay_ms", 200).Set("convert.mode", "quick");
    Open({"a.avi"});
    const QString more = app.Path() + "in/more/";
    ASSERT_TRUE(QDir().mkpath(more));
    for (const char* name : {"1.avi", "2.avi", "3.avi", "4.avi"}) {
        QFile file(more + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    windows->TaskList->Adds().AddTaskDirectory(more);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return windows->TaskList->Model().TaskCount() >= 2; }, Wait));
    const int atStart = windows->TaskList->Model().TaskCount();
    ASSERT_LT(atStart, 5) << "the add is still under way";
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !runner->IsBatchActive() && !windows->TaskList->Adds().IsAdding(); },
        Wait));

    ASSERT_EQ(windows->TaskList->Model().TaskCount(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(Status(row), row < atStart ? Complete : Waiting) << row;
    qsizetype probed = 0, converted = 0;
    for (const FakeEncoderRun& run : app.RecordedRuns()) {
        if (run.Arguments.value(0) == "-y")
            ++converted;
        else
            probed += run.Arguments.size() / 2;
    }
    EXPECT_EQ(probed, 5) << "each file probed once";
    EXPECT_EQ(converted, atStart) << "the rows listed at the start converted";
}

// Converting with defaults made up for a file that is no profile would give
// a type the user never picked: picking it says why, and Start refuses.
TEST_F(BatchRun, AFileThatIsNoProfileIsRefusedWhenPickedAndAtStart)
{
    QFile broken(app.Path() + "Profiles/Broken.apf");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("\xEF\xBB\xBFgarbage") > 0);
    broken.close();
    Open({"a.avi"});
    QComboBox* profiles = form->BottomStrip.cmbProfile;
    profiles->setCurrentIndex(profiles->findText("Broken"));
    emit profiles->activated(profiles->currentIndex()); // as the user's pick does
    const QString refusal = "The profile Broken cannot be read: it has no [Main] section.";
    EXPECT_EQ(platform.errors, QStringList({refusal}));
    const TProfileDetail* detail = windows->ProfileDetail;
    EXPECT_EQ(detail->vleVideo->RowCount() + detail->vleAudio->RowCount() +
                  detail->vleAdvanced->RowCount(),
              0);
    runner->tbtnStartClick();
    EXPECT_EQ(platform.errors, QStringList({refusal, refusal}));
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(Statuses(), States({Waiting}));
}

TEST_F(BatchRun, TurnOffTogetherWithExitPowersOffAndClosesWithoutAMessageWhenTheCountRunsOut)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    Prefer([](TPreferences& p) { p.AutoTurnOff = p.AutoExit = true; });
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Countdown(); }, Wait));
    TPowerOffCountdown& countdown = *runner->Countdown();
    countdown.timerCountdown->stop(); // the test is the clock
    for (int second = 0; second < 59; ++second)
        countdown.timerCountdownTimer();
    EXPECT_EQ(platform.powerOffs, 0) << "one second is left";
    countdown.timerCountdownTimer();
    EXPECT_EQ(platform.powerOffs, 1);
    EXPECT_FALSE(countdown.isVisible());
    EXPECT_FALSE(runner->IsBatchActive());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.opened.isEmpty());
}

TEST_F(BatchRun, KeepConvertingSavesAtOnceAndEndsAfterTheBatch)
{
    script.Set("convert.steps", 3).Set("convert.interval_ms", 200);
    Open({"a.avi", "b.avi"});
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    platform.choices = {TBatchRunner::KeepConverting};
    form->close();
    ASSERT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(platform.questions[0].text, "A conversion is running. Stop it and quit?");
    EXPECT_EQ(platform.questions[0].answers,
              QStringList({"Stop and Quit", "Keep Converting", "Cancel"}));
    EXPECT_EQ(closed.count(), 1) << "the preferences are saved at once";
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ended.count(), 0);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), States({Complete, Complete}));
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(closed.count(), 1) << "saved once";
}

TEST_F(BatchRun, StopAndQuitStopsTheBatchAndClosesWithoutTheCancelMessage)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi", "b.avi"});
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);
    platform.choices = {TBatchRunner::StopAndQuit};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Statuses(), States({Stopped, Waiting}));
    EXPECT_TRUE(ProcessGone(pid));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(BatchRun, CancelOrAnEndingSessionLeavesTheBatchAsItIs)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi"});
    QSignalSpy closed(form, &TMainForm::FormClose);
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    EXPECT_FALSE(form->close()); // no script: the user cancels
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(runner->Engine().IsEncoderRunning(0));
    EXPECT_EQ(closed.count(), 0);

    // The session's end closes without a word, whatever a user would answer.
    windows->EndSession();
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(runner->IsBatchActive());
}

TEST_F(BatchRun, TheCompletionMessageIsStillPartOfTheBatch)
{
    script.Set("convert.mode", "quick");
    Open({"a.avi"});
    QSignalSpy ended(runner, &TBatchRunner::ProgramEndRequested);
    platform.onMessage = [this, &ended](const FakePlatform::Message&) {
        form->close();
        EXPECT_TRUE(runner->IsBatchActive());
        EXPECT_EQ(ended.count(), 0) << "the directory is still to be opened";
        runner->tbtnStartClick(); // refused: this batch has not ended
    };
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    QTest::qWait(200);
    EXPECT_EQ(MessageTexts(), QStringList({"The coversion is completed successfully."}));
    EXPECT_EQ(app.RecordedRuns().size(), 1 + 1) << "one probe, one conversion";
    EXPECT_EQ(platform.opened, QStringList({app.Path() + "out/"}));
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(BatchRun, DestroyingTheWindowsDuringARunLeavesNoEncoder)
{
    script.Set("convert.mode", "silence");
    Open({"a.avi"});
    runner->tbtnStartClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return runner->Engine().IsEncoderRunning(0); }, Wait));
    const qint64 pid = runner->Engine().EncoderProcessId(0);
    windows.reset();
    EXPECT_TRUE(ProcessGone(pid));
    EXPECT_TRUE(ChildProcesses().isEmpty());
}

} // namespace

// Open on a row previews it; a batch stops the preview where it is, and the
// preview's own controls go on working while the batch runs.
TEST_F(BatchRun, OpenPreviewsTheRowAndTheLockStopsThePreviewButLeavesItsControls)
{
    Open({"a.avi", "b.avi"});
    windows->TaskList->View().SelectRow(1, true);
    windows->TaskList->View().ltvTaskDblClick();
    TFilterGraph& graph = *windows->FilterGraph;
    EXPECT_EQ(graph.RenderedFile(), app.Path() + "in/b.avi");
    EXPECT_EQ(graph.PlaybackState(), TFilterGraph::StateRunning);

    runner->LockForConversion();
    EXPECT_EQ(graph.PlaybackState(), TFilterGraph::StateStopped);
    EXPECT_EQ(graph.RenderedFile(), app.Path() + "in/b.avi") << "stopped, not emptied";
    const PreviewControls& preview = form->Preview;
    for (QWidget* control : std::initializer_list<QWidget*>{preview.sbtnPlay, preview.sbtnPause,
                                                            preview.sbtnStop, preview.TrackBar})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    QTest::mouseClick(preview.sbtnPlay, Qt::LeftButton);
    EXPECT_EQ(graph.PlaybackState(), TFilterGraph::StateRunning);
    runner->UnlockAfterConversion();
}

namespace {

// What the window shows of each task of a mixed list (unpinned, pinned,
// pinned with a target, of unknown length) is its plan, the one the
// headless modes make from the same profile files; the footer is their sum,
// and a task is planned once for each change of what its plan reads.
TEST_F(BatchRun, TheWindowShowsEachTasksPlanAndTheFooterSumsThem)
{
    Open({"a.avi", "b.avi", "c.avi", "d.avi"});
    TTaskList& list = *windows->TaskList;
    TTaskModel& model = list.Model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.At(3).Data.Length.Seconds > 0; }, Wait));
    const char* pins[] = {"", "WebM (VP9 + Opus)", "Mobile Phone 3GP (MPEG-4 + AAC)", ""};
    for (int row = 1; row < 3; ++row) {
        list.View().SelectRow(row, true);
        list.View().PinSelectedTasks(pins[row]);
        list.View().SelectRow(row, false);
    }
    ltvItemData data = model.At(2).Data;
    data.TargetText = "2MB";
    model.Write(2, TaskField::TargetText, data);
    data = model.At(3).Data;
    data.Length = data.Span = data.End = TTimeValue();
    model.Write(3, TaskField::AllFields, data);
    QCoreApplication::processEvents();
    const long long made = list.Plans().PlansMade();

    TPlanProfiles headless(MakeProfilePlan(windows->ProfileDetail->Choice()),
                           [this](const std::string& name) {
                               return LoadProfileChoice(ProfileFilePath(form->Places, name));
                           });
    TPlanTotals sum;
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const TTaskPlan plan = MakeTaskPlan(headless, model.At(row).Data, {});
        EXPECT_TRUE(plan.Refusal.empty()) << plan.Refusal;
        EXPECT_EQ(list.Plans().At(row).Arguments, plan.Arguments);
        sum.Bytes += std::max<int64_t>(plan.EstimatedBytes, 0);
        sum.Counted += plan.EstimatedBytes > 0;
        sum.Depending += plan.EstimatedBytes < 0;
        sum.Unknown += plan.EstimatedBytes == 0;
        form->ltvTask->setCurrentIndex(Cell(row, 0));
        QCoreApplication::processEvents();
        EXPECT_EQ(windows->ProfileDetail->DetailValue(0, "New Filename").toStdString(),
                  plan.OutputName);
        EXPECT_TRUE(windows->SizeEstimate->FullText().startsWith(
            "Estimated size: this task " +
            QString::fromStdString(EstimateText(plan.EstimatedBytes)) + ";"));
        EXPECT_EQ(Cell(row, 0)
                      .data(Qt::ToolTipRole)
                      .toString()
                      .endsWith(QStringLiteral("Profile: ") + pins[row]),
                  *pins[row] != 0);
        list.View().ppmTaskPopup();
        QStringList marked;
        for (QAction* action : list.View().mniUseProfile->actions())
            if (action->isChecked())
                marked << action->text();
        EXPECT_EQ(marked, *pins[row] ? QStringList{pins[row]} : QStringList());
    }
    EXPECT_EQ(list.Plans().Totals(), sum);
    EXPECT_EQ(sum.Unknown, 1);
    QLabel* footer = form->labEstimate;
    EXPECT_TRUE(footer->text() == windows->SizeEstimate->FullText() ||
                (footer->text().endsWith(QChar(0x2026)) &&
                 footer->toolTip() == windows->SizeEstimate->FullText()));

    // A status plans nothing; a profile change plans every task once.
    model.Update(model.IdAt(0), {.State = TaskState::Failed});
    EXPECT_EQ(list.Plans().PlansMade(), made);
    form->BottomStrip.cmbProfile->setCurrentText("MKV (H.264 + AAC)");
    windows->ProfileDetail->cmbProfileChange();
    QTest::qWait(50);
    EXPECT_EQ(list.Plans().PlansMade(), made + 4);
}

// With a pinned task in the list, a target out of reach still fails its task
// with the reason, and an output over its target fails its task, kept.
TEST_F(BatchRun, AMissedTargetFailsItsTaskWithThePinnedOnesBeside)
{
    script.Set("convert.output_bytes", 5600000);
    Open({"a.avi", "b.avi", "c.avi"});
    TTaskModel& model = windows->TaskList->Model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.At(2).Data.Length.Seconds > 0; }, Wait));
    windows->TaskList->View().SelectRow(0, true);
    windows->TaskList->View().PinSelectedTasks("Mobile Phone 3GP (MPEG-4 + AAC)");
    for (const auto& [row, target] : {std::pair{1, "100kB"}, std::pair{2, "5MB"}}) {
        ltvItemData data = model.At(row).Data;
        data.TargetText = target;
        model.Write(row, TaskField::TargetText, data);
    }
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Statuses(), (States{TaskState::Complete, TaskState::Failed, TaskState::Failed}));
    EXPECT_TRUE(model.At(1).StatusTip.startsWith("The target is below what the audio alone"))
        << model.At(1).StatusTip.toStdString();
    EXPECT_TRUE(model.At(2).StatusTip.startsWith("over the target by 12%\n"));
    EXPECT_EQ(QDir(app.Path() + "out").entryList({"c.*"}).size(), 1);
}

} // namespace
