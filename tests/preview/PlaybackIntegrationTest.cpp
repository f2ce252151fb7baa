// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/Clips.h"
#include "preview/PreviewFixture.h"
#include "preview/VideoWindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// Runs the event loop until `done` or `ms` have passed; true when done.
bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(20);
    }
    return true;
}

qint64 Position(const TFilterGraph& graph)
{
    qint64 ms = -1;
    graph.GetCurrentPosition(ms);
    return ms;
}

} // namespace

class PlaybackIntegration : public PreviewTest
{
protected:
    // Plays `clip` as the only task and waits until it is past `ms`.
    bool PlayPast(const QString& clip, qint64 ms)
    {
        Tasks.files = {clip};
        Tasks.selected.clear();
        Player->sbtnPlayClick();
        return WaitFor([&] { return Position(*Graph) > ms; }, 3000);
    }
};

// Machines that build and test have no sound device: video plays regardless.
TEST_F(PlaybackIntegration, EveryContainerPlaysPastOneSecondWithinThreeSeconds)
{
    for (const QString& clip : AllTestClips()) {
        SCOPED_TRACE(clip.toStdString());
        ASSERT_FALSE(clip.isEmpty());
        EXPECT_TRUE(PlayPast(clip, 1000)) << "position " << Position(*Graph);
        EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateRunning);
        EXPECT_TRUE(Controls.VideoWindow1->IsVideoPlaced());
    }
    EXPECT_TRUE(Platform.errors.isEmpty()) << Platform.errors.join('\n').toStdString();
}

TEST_F(PlaybackIntegration, AFileThatCannotPlayIsReportedAndEmptiesTheGraph)
{
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.avi"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4096; ++i)
        broken.write("not a video at all ");
    broken.close();

    Tasks.files = {broken.fileName()};
    Player->sbtnPlayClick();
    ASSERT_TRUE(WaitFor([&] { return !Platform.errors.isEmpty(); }, 5000));
    QTest::qWait(300); // the player repeats its complaint; one box is shown
    ASSERT_EQ(Platform.errors.size(), 1);
    EXPECT_TRUE(
        QRegularExpression(R"(^\S.* \(\$[0-9A-F]+\)\.$)").match(Platform.errors[0]).hasMatch())
        << Platform.errors[0].toStdString();
    EXPECT_TRUE(Graph->RenderedFile().isEmpty());
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateStopped);
    EXPECT_FALSE(Controls.TrackBar->IsTimerRunning());
}

// Holding the thumb freezes the bar; letting go seeks to its place, and a
// stop keeps that place.
TEST_F(PlaybackIntegration, ReleasingTheHeldThumbSeeksAndStopKeepsThePosition)
{
    TDSTrackBar& bar = *Controls.TrackBar;
    ASSERT_TRUE(PlayPast(TestClip(".mp4"), 1200));
    Player->sbtnPauseClick();
    bar.RefreshFromGraph();
    ASSERT_EQ(bar.maximum(), 3);
    ASSERT_EQ(bar.value(), 1);

    QSignalSpy ticks(&bar, &TDSTrackBar::OnTimer);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(2, bar.height() / 2));
    bar.setValue(2); // dragged there
    bar.RefreshFromGraph();
    EXPECT_EQ(bar.value(), 2);
    EXPECT_EQ(ticks.count(), 0);

    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(2, bar.height() / 2));
    EXPECT_FALSE(bar.IsHeld());
    EXPECT_TRUE(WaitFor([&] { return Position(*Graph) == 2000; }, 2000)) << Position(*Graph);

    Player->sbtnStopClick();
    QTest::qWait(200);
    EXPECT_EQ(Position(*Graph), 2000);
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateStopped);
}

// At the end the graph runs on: ticks go on with the last second, and Pause
// pauses there rather than rewinding.
TEST_F(PlaybackIntegration, AtTheEndThePositionStandsAndPausePausesThere)
{
    ASSERT_TRUE(PlayPast(TestClip(".mpg"), 1000));
    QSignalSpy ticks(Controls.TrackBar, &TDSTrackBar::OnTimer);
    ASSERT_TRUE(WaitFor([&] { return ticks.count() >= 4; }, 5000));
    const qint64 end = Position(*Graph);
    EXPECT_GT(end, 2500);
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateRunning);
    EXPECT_EQ(Controls.labPreviewTime->text(), "00:00:02");
    EXPECT_TRUE(Controls.TrackBar->IsTimerRunning());

    Player->sbtnPauseClick();
    QTest::qWait(200);
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StatePaused);
    EXPECT_EQ(Position(*Graph), end);
}
