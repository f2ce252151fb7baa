// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/VideoWindow.h"

#include "preview/FilterGraph.h"

#include <QLabel>
#include <QPalette>
#include <QResizeEvent>
#include <QVideoWidget>

#include <algorithm>

TVideoWindow::TVideoWindow(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    FStill = new QLabel(this);
    FStill->setObjectName(QStringLiteral("Still"));
    FStill->setAlignment(Qt::AlignCenter);
    FStill->hide();
}

void TVideoWindow::ShowStill(const QPixmap& picture)
{
    FStillPicture = picture;
    Image1->setVisible(picture.isNull());
    FStill->setVisible(!picture.isNull());
    PlaceStill();
}

void TVideoWindow::PlaceStill()
{
    if (FStillPicture.isNull())
        return;
    FStill->setGeometry(rect());
    // Fills the area, but grows at most twice: a small still blown up
    // further only shows its blur.
    const QSizeF natural = FStillPicture.deviceIndependentSize();
    const qreal scale = std::min({2.0, width() / natural.width(), height() / natural.height()});
    const qreal ratio = devicePixelRatioF();
    QPixmap shown = FStillPicture.scaled((natural * scale * ratio).toSize(), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    FStill->setPixmap(shown);
    // A video placed later covers the still as it covers Image1.
    if (IsVideoPlaced())
        FVideo->raise();
}

TVideoWindow::~TVideoWindow()
{
    SetFilterGraph(nullptr);
}

TFilterGraph* TVideoWindow::FilterGraph() const
{
    return FFilterGraph;
}

void TVideoWindow::SetFilterGraph(TFilterGraph* graph)
{
    if (graph == FFilterGraph)
        return;
    if (FFilterGraph)
        FFilterGraph->Detach(this, this);
    FFilterGraph = graph;
    if (FFilterGraph)
        FFilterGraph->Attach(this, this);
}

bool TVideoWindow::IsVideoPlaced() const
{
    return FVideo && !FVideo->isHidden();
}

void TVideoWindow::GraphNotify(TGraphNotification notification)
{
    switch (notification) {
    case TGraphNotification::BeforeRender:
        FPlayAsked = false;
        break;
    case TGraphNotification::Play:
        FPlayAsked = true;
        // A file without a picture leaves the area as it is.
        if (FFilterGraph && FFilterGraph->HasVideo())
            PlaceVideo();
        break;
    default:
        break;
    }
}

void TVideoWindow::GraphEvent(TGraphEvent event)
{
    // The media finds its picture only after loading; until then the play
    // step could not place it.
    if (event == TGraphEvent::VideoFound && FPlayAsked)
        PlaceVideo();
}

QObject* TVideoWindow::SupplyVideoOutput()
{
    // Made only now: a video widget cannot even be created on a system
    // without media playback, and the graph asks only when it has some.
    if (!FVideo) {
        FVideo = new QVideoWidget(this);
        FVideo->setObjectName(QStringLiteral("VideoOutput"));
        FVideo->setAutoFillBackground(true);
        FVideo->setPalette(palette());
        FVideo->hide();
    }
    return FVideo;
}

void TVideoWindow::VideoOutputRemoved()
{
    FPlayAsked = false;
    if (FVideo)
        FVideo->hide();
}

void TVideoWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (FVideo)
        FVideo->setGeometry(rect());
    PlaceStill();
}

void TVideoWindow::PlaceVideo()
{
    if (!FVideo)
        return;
    FVideo->setGeometry(rect());
    FVideo->show();
    FVideo->raise();
}
