// SPDX-License-Identifier: GPL-3.0-or-later
// A run of jobs through the real encoder, and the list's rows it fills.
#include "fixtures/Clips.h"
#include "fixtures/RunnerAlone.h"
#include "platform/Translators.h"

#include <QFile>

namespace {

class ConversionJobs : public RunnerAlone
{
protected:
    ConversionJobs() : RunnerAlone(TempAppDir::Encoder::Real) {}
};

// One task converts to its target in two passes, the other clip is checked
// too (or told why it was not), and a file that holds no video fails. When each job's report
// arrives, its row already shows what the report carries.
TEST_F(ConversionJobs, TwoPassesACheckAndAFailureReachTheRowsThroughTheReports)
{
    const QString clip = EightSecondClip();
    ASSERT_FALSE(clip.isEmpty());
    QFile broken(app.Path() + "c.avi");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("no video") > 0);
    std::vector<TTask> tasks(3);
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const QString input = i < 2 ? clip : broken.fileName();
        tasks[i].Data = NewTaskRecord(input.toStdString(), "00:00:08", "320x240", ".mp4");
        tasks[i].Data.NewName = std::string(1, static_cast<char>('a' + i));
    }
    tasks[0].Data.TargetText = "300 kB";
    model.Append(std::move(tasks));
    preferences.CheckQuality = true;
    MakeRunner("Any Device MP4 (H.264 + AAC)");
    choice.Pick(11, "Yes"); // "Disable Audio": the test tone takes less than its rate
    QStringList reports;
    QObject::connect(&runner->Engine(), &TBatchEngine::JobEnded, [&](const TConversionJob& job) {
        const TTask& row = model.At(job.Id);
        EXPECT_EQ(row.Data.Status, job.State);
        EXPECT_EQ(row.Log, QString::fromUtf8(job.Log.Shown(TranslatedText)));
        const std::string& lead = job.State == TaskState::Failed ? job.Reason : job.Output;
        EXPECT_TRUE(row.StatusTip.startsWith(QString::fromStdString(lead)) && !lead.empty());
        const bool twoPasses = job.Log.Text().find(" -pass 2 ") != std::string::npos;
        reports << QString::fromStdString(StateKey(job.State)) + (twoPasses ? " 2" : " 1") +
                       // Measured, or skipped as too dear for a short conversion: timing
                       // decides which, and both are the check's word on the row.
                       (job.QualityNote.empty() ? "" : " checked");
    });
    runner->tbtnStartClick();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(reports, QStringList({"complete 2 checked", "complete 1 checked", "failed 1"}));
    EXPECT_TRUE(model.At(0).StatusTip.contains("(planned 300 kB, reached "));
}

} // namespace
