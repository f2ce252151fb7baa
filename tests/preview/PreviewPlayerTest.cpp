// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewFixture.h"
#include "preview/VideoWindow.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QVideoWidget>

namespace {

// Paths that need not exist: loading is asynchronous, and these tests do not
// run the event loop that would report them.
const QStringList ThreeRows = {"/preview/one.avi", "/preview/two.mpg", "/preview/three.mp4"};

void Click(QToolButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

TEST_F(PreviewTest, PlayPicksTheFirstRowWhenNoneIsSelectedAndTheLowestSelectedOtherwise)
{
    Tasks.files = ThreeRows;
    Click(Controls.sbtnPlay);
    EXPECT_EQ(Tasks.selected, std::set<int>{0});
    EXPECT_EQ(Graph->RenderedFile(), ThreeRows[0]);
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateRunning);

    Tasks.selected = {2, 1};
    Click(Controls.sbtnPlay);
    EXPECT_EQ(Graph->RenderedFile(), ThreeRows[1]);
    EXPECT_EQ(Tasks.selected, (std::set<int>{1, 2}));
}

TEST_F(PreviewTest, NothingHappensBeforeTheFirstPreviewOrWithAnEmptyList)
{
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateNotActive);
    Click(Controls.sbtnPause);
    Click(Controls.sbtnStop);
    Click(Controls.sbtnPlay); // the list is empty
    EXPECT_FALSE(Graph->Active());
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateNotActive);
    EXPECT_FALSE(Controls.TrackBar->IsTimerRunning());
    EXPECT_TRUE(Platform.errors.isEmpty());
}

// Pause toggles between playing and paused; after Stop only Play plays.
TEST_F(PreviewTest, PauseResumesAndStopsOnlyAsTheStateTableSays)
{
    Tasks.files = ThreeRows;
    Tasks.selected = {2};
    struct Step
    {
        QToolButton* button;
        int state;
        bool timer;
    };
    const Step steps[] = {
        {Controls.sbtnPlay, TFilterGraph::StateRunning, true},
        {Controls.sbtnPause, TFilterGraph::StatePaused, false},
        {Controls.sbtnPause, TFilterGraph::StateRunning, true},
        {Controls.sbtnStop, TFilterGraph::StateStopped, false},
        {Controls.sbtnPause, TFilterGraph::StateStopped, false},
        {Controls.sbtnStop, TFilterGraph::StateStopped, false},
        {Controls.sbtnPlay, TFilterGraph::StateRunning, true},
        {Controls.sbtnStop, TFilterGraph::StateStopped, false},
    };
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(index++);
        Click(step.button);
        EXPECT_EQ(Graph->PlaybackState(), step.state);
        EXPECT_EQ(Controls.TrackBar->IsTimerRunning(), step.timer);
    }
    EXPECT_EQ(Graph->RenderedFile(), ThreeRows[2]);
}

// Creating any media object without a backend would end the program.
TEST_F(PreviewTest, WithoutAMediaBackendThePreviewStaysInertAndSaysSoOnce)
{
    const QByteArray chosen = qgetenv("QT_MEDIA_BACKEND");
    qputenv("QT_MEDIA_BACKEND", "not-installed");
    Tasks.files = ThreeRows;
    Click(Controls.sbtnPlay);
    Click(Controls.sbtnPlay);
    Click(Controls.sbtnPause);
    qputenv("QT_MEDIA_BACKEND", chosen);

    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateNotActive);
    EXPECT_EQ(Platform.errors, QStringList{TFilterGraph::NoPlaybackText});
    EXPECT_FALSE(Controls.VideoWindow1->IsVideoPlaced());
    EXPECT_TRUE(Controls.VideoWindow1->findChildren<QVideoWidget*>().isEmpty());
}

TEST_F(PreviewTest, ADisabledBarDoesNotTick)
{
    Tasks.files = ThreeRows;
    Controls.TrackBar->setEnabled(false);
    Click(Controls.sbtnPlay);
    EXPECT_EQ(Graph->PlaybackState(), TFilterGraph::StateRunning);
    EXPECT_FALSE(Controls.TrackBar->IsTimerRunning());
}

TEST_F(PreviewTest, TimeLabelShowsTheBarPositionAsWholeSeconds)
{
    EXPECT_EQ(Controls.labPreviewTime->text(), "00:00:00");
    struct Case
    {
        int position;
        const char* text;
    };
    const Case cases[] = {{3725, "01:02:05"}, {360000, "100:00:00"}, {59, "00:00:59"}};
    Controls.TrackBar->setRange(0, 400000);
    for (const Case& c : cases) {
        Controls.TrackBar->setValue(c.position);
        // The milliseconds the event carries play no part.
        Player->TrackBarTimer(Controls.TrackBar, 999999, 1);
        EXPECT_EQ(Controls.labPreviewTime->text(), c.text);
    }
}
