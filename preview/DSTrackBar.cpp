// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/DSTrackBar.h"

#include "preview/FilterGraph.h"
#include "preview/PlaybackRules.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

constexpr int ThumbLength = 10;
// A click beside the thumb moves it by this many positions, a key by one.
constexpr int PageSize = 2;

// The application's style with a narrow thumb.
class ThumbStyle : public QProxyStyle
{
public:
    ThumbStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_SliderLength)
            return ThumbLength;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TDSTrackBar::TDSTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    FStyle = std::make_unique<ThumbStyle>();
    setStyle(FStyle.get());
    setTickPosition(QSlider::TicksAbove);
    setTickInterval(1);
    setPageStep(PageSize);
    setRange(0, 0);
    FTimer.setInterval(1000);
    connect(&FTimer, &QTimer::timeout, this, &TDSTrackBar::RefreshFromGraph);
}

TDSTrackBar::~TDSTrackBar()
{
    SetFilterGraph(nullptr);
    // The style must outlive its use by the widget's own destruction.
    setStyle(nullptr);
}

TFilterGraph* TDSTrackBar::FilterGraph() const
{
    return FFilterGraph;
}

void TDSTrackBar::SetFilterGraph(TFilterGraph* graph)
{
    if (graph == FFilterGraph)
        return;
    if (FFilterGraph)
        FFilterGraph->Detach(this);
    FFilterGraph = graph;
    FSeeking = graph && graph->Active();
    if (FFilterGraph)
        FFilterGraph->Attach(this);
}

void TDSTrackBar::SetTimerInterval(int ms)
{
    FTimer.setInterval(ms);
}

void TDSTrackBar::RefreshFromGraph()
{
    if (!FSeeking || FHeld || !FFilterGraph)
        return;
    qint64 duration = 0;
    qint64 current = 0;
    if (!FFilterGraph->GetDuration(duration) || !FFilterGraph->GetCurrentPosition(current))
        return;
    const auto durationMs = quint64(std::max<qint64>(duration, 0));
    const auto currentMs = quint64(std::max<qint64>(current, 0));
    const TrackBarPlace place = TrackBarFromGraph(currentMs, durationMs, TimerInterval());
    setRange(0, place.Maximum);
    setValue(place.Position);
    emit OnTimer(this, quint32(currentMs), quint32(durationMs));
}

void TDSTrackBar::SeekToThumb()
{
    qint64 stop = 0;
    if (FSeeking && FFilterGraph && FFilterGraph->GetStopPosition(stop)) {
        if (const std::optional<qint64> target = ThumbSeekTarget(stop, value(), maximum()))
            FFilterGraph->SetCurrentPosition(*target);
    }
    FHeld = false;
}

void TDSTrackBar::GraphNotify(TGraphNotification notification)
{
    switch (notification) {
    case TGraphNotification::Activated:
        FSeeking = true;
        break;
    case TGraphNotification::Deactivated:
        FSeeking = false;
        break;
    case TGraphNotification::Play:
        if (isEnabled())
            FTimer.start();
        break;
    case TGraphNotification::Pause:
    case TGraphNotification::Stop:
        FTimer.stop();
        break;
    case TGraphNotification::BeforeRender:
    case TGraphNotification::AfterRender:
        break;
    }
}

void TDSTrackBar::GraphEvent(TGraphEvent event)
{
    // The end of the stream changes nothing: the graph runs on, and so do
    // the ticks, with the position standing still. A file that cannot be
    // played has no place to show: the bar and its watchers go back to 0.
    if (event != TGraphEvent::Failed)
        return;
    FTimer.stop();
    setRange(0, 0);
    setValue(0);
    emit OnTimer(this, 0, 0);
}

void TDSTrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FHeld = true;
    QSlider::mousePressEvent(event);
}

void TDSTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        SeekToThumb();
}
