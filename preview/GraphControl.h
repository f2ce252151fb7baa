// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;

// What the graph tells the controls attached to it, before or after each of
// its own steps, so that the video window and the position bar follow it.
enum class TGraphNotification
{
    Activated,
    Deactivated,
    BeforeRender,
    AfterRender,
    Play,
    Pause,
    Stop
};

// What the media itself reports while it plays.
enum class TGraphEvent
{
    VideoFound, // the rendered file turned out to carry a picture
    Complete,   // the stream reached its end; the graph stays running
    Failed      // the file cannot be played; the graph holds nothing again
};

// A control that follows a graph. It is told of every step and given every
// event; the graph holds it from attaching until it detaches.
class TGraphControl
{
public:
    virtual void GraphNotify(TGraphNotification notification) = 0;
    virtual void GraphEvent(TGraphEvent event) = 0;

protected:
    ~TGraphControl() = default;
};

// A control that puts a video output of its own into the graph.
class TFilterSupplier
{
public:
    // Called on activation: the output the graph renders the picture to.
    virtual QObject* SupplyVideoOutput() = 0;
    // Called on deactivation, after the graph has let go of the output.
    virtual void VideoOutputRemoved() = 0;

protected:
    ~TFilterSupplier() = default;
};
