// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QTreeView;
class TPreferenceStore;
class TTaskList;
class TThumbnails;
class TVideoWindow;

// How the task list shows its files beyond their names: the thumbnails,
// which the "Show Thumbnails" preference turns on and off (the list's header
// menu switches it), the Size column's aspect where the column has room for
// it, and the selected task's picture in the preview pane while nothing
// plays.
class TTaskListLook : public QObject
{
    Q_OBJECT

public:
    TTaskListLook(TTaskList& list, QTreeView& view, TPreferenceStore& preferences,
                  TVideoWindow& video, const QString& encoderPath, const QString& cacheFolder,
                  QObject* parent = nullptr);

    TThumbnails* Thumbnails = nullptr;
    // The header's popup and its one item.
    QMenu* ppmHeader = nullptr;
    QAction* mniShowThumbnails = nullptr;

private:
    void ShowPreference();
    void ShowStill();

    TTaskList& FList;
    QTreeView& FView;
    TPreferenceStore& FPreferences;
    TVideoWindow& FVideo;
};
