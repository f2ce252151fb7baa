// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/GraphControl.h"

#include <QPointer>
#include <QSlider>
#include <QTimer>

#include <memory>

class QStyle;
class TFilterGraph;

// A position bar bound to a graph: while the graph plays it shows the
// position once per interval, and releasing the thumb seeks there.
class TDSTrackBar : public QSlider, public TGraphControl
{
    Q_OBJECT

public:
    explicit TDSTrackBar(QWidget* parent = nullptr);
    ~TDSTrackBar() override;

    void SetFilterGraph(TFilterGraph* graph);
    TFilterGraph* FilterGraph() const;

    // Milliseconds between updates, and the unit of the bar's positions.
    int TimerInterval() const { return FTimer.interval(); }
    void SetTimerInterval(int ms);
    bool IsTimerRunning() const { return FTimer.isActive(); }
    // Whether the left button is held on the bar, which suspends updates.
    bool IsHeld() const { return FHeld; }

    // One update from the graph's position; run by the timer.
    void RefreshFromGraph();
    // Seeks the graph to the thumb's place; run when the button is released.
    void SeekToThumb();

    void GraphNotify(TGraphNotification notification) override;
    void GraphEvent(TGraphEvent event) override;

signals:
    // After each update: the bar, the current and the stop position in ms;
    // also when a failed file puts the bar back to 0.
    void OnTimer(TDSTrackBar* sender, quint32 currentMs, quint32 durationMs);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointer<TFilterGraph> FFilterGraph;
    std::unique_ptr<QStyle> FStyle;
    QTimer FTimer;
    // The graph can be asked for positions (it is active).
    bool FSeeking = false;
    bool FHeld = false;
};
