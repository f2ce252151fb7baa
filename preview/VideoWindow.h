// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/GraphControl.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QVideoWidget;
class TFilterGraph;

// The area the preview's video plays in: black, with a picture of our own
// (Image1) that shows until a video covers it.
class TVideoWindow : public QWidget, public TGraphControl, public TFilterSupplier
{
    Q_OBJECT

public:
    explicit TVideoWindow(QWidget* parent = nullptr);
    ~TVideoWindow() override;

    // Joins `graph` (or leaves the current one, with null).
    void SetFilterGraph(TFilterGraph* graph);
    TFilterGraph* FilterGraph() const;

    // Shown while no video covers it; placed by the window's owner.
    QLabel* Image1 = nullptr;

    // A still of the selected file, shown over Image1 while no video plays;
    // a null picture brings Image1 back.
    void ShowStill(const QPixmap& picture);

    // Whether the video currently covers the window.
    bool IsVideoPlaced() const;

    void GraphNotify(TGraphNotification notification) override;
    void GraphEvent(TGraphEvent event) override;
    QObject* SupplyVideoOutput() override;
    void VideoOutputRemoved() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceVideo();
    void PlaceStill();

    QPointer<TFilterGraph> FFilterGraph;
    QVideoWidget* FVideo = nullptr;
    QLabel* FStill = nullptr;
    QPixmap FStillPicture;
    // Play was asked for the rendered file; its picture may be found later.
    bool FPlayAsked = false;
};
