// SPDX-License-Identifier: GPL-3.0-or-later
// The size that samples give a constant-quality task against its output's
// real size: each clip given is converted whole with each profile that asks
// for a constant quality at its load-time picks (goal: within 25%).
//
// Usage: sample_estimate_bench clip...

#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"
#include "tasks/ProbeQueue.h"
#include "tasks/TaskPlan.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString encoder = QUENBY_FFMPEG_PATH;
    TSampleQueue queue(encoder);
    std::printf("%-12s %-30s %10s %10s %7s\n", "clip", "profile", "estimate", "real", "error");
    for (int i = 1; i < argc; ++i) {
        const TProbeResult probe = ProbeMedia(encoder, argv[i]);
        const ltvItemData task = NewTaskRecord(argv[i], probe.LengthText.toStdString(), "", "");
        for (const char* name : {"Any Device MP4 (H.264 + AAC)", "MKV (H.264 + AAC)",
                                 "MP4 HEVC (H.265 + AAC)", "WebM (VP9 + Opus)"}) {
            const TTaskPlan plan =
                MakeTaskPlan(MakeProfilePlan(LoadProfileChoice(
                                 std::string(QUENBY_SOURCE_DIR "/data/Profiles/") + name + ".apf")),
                             task, {});
            const std::vector<TEstimateSample> samples = EstimateSamples(plan, task);
            TSampleJob job{1, {}};
            for (std::size_t k = 0; k < samples.size(); ++k)
                job.Runs.push_back(SampleArguments(plan, task.InputFile, samples[k],
                                                   queue.Folder().toStdString() + "/s" +
                                                       std::to_string(k) + plan.OutputExt));
            std::vector<int64_t> bytes;
            QEventLoop loop;
            QObject::connect(
                &queue, &TSampleQueue::Encoded, &loop,
                [&](quint64, const std::vector<int64_t>& b) { bytes = b, loop.quit(); });
            queue.Encode(std::move(job));
            loop.exec();
            const int64_t estimate = SampledTaskBytes(samples, bytes, task.Span.Seconds);
            const std::string out = queue.Folder().toStdString() + "/whole" + plan.OutputExt;
            EncoderChannel().RunToEnd(encoder,
                                      EncoderChannel::ArgumentList(
                                          ConversionArguments(task.InputFile, plan.Arguments, out)),
                                      3600000, EncoderChannel::ConversionChunk);
            const double real = double(QFileInfo(QString::fromStdString(out)).size());
            std::printf("%-12s %-30s %10lld %10.0f %+6.1f%%\n",
                        QFileInfo(argv[i]).baseName().toUtf8().constData(), name,
                        static_cast<long long>(estimate), real, (estimate - real) * 100 / real);
            std::fflush(stdout);
        }
    }
}
