// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TaskListLook.h"

#include "preview/VideoWindow.h"
#include "settings/PreferenceStore.h"
#include "tasks/TaskList.h"
#include "tasks/TaskView.h"
#include "tasks/Thumbnails.h"
#include "widgets/CutTextTip.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTreeView>

namespace {

// The Size cell: "1280×720", followed by the aspect where the column is wide
// enough for both.
class TSizeCellDelegate : public TCutTextTipDelegate
{
public:
    using TCutTextTipDelegate::TCutTextTipDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        TCutTextTipDelegate::initStyleOption(option, index);
        const QString aspect = index.data(TTaskModel::AspectRole).toString();
        if (aspect.isEmpty())
            return;
        const QString both = option->text + QStringLiteral("  ") + aspect;
        if (!IsCutInCell(both, option->fontMetrics, option->rect.width(), option->widget))
            option->text = both;
    }
};

} // namespace

TTaskListLook::TTaskListLook(TTaskList& list, QTreeView& view, TPreferenceStore& preferences,
                             TVideoWindow& video, const QString& encoderPath,
                             const QString& cacheFolder, QObject* parent)
    : QObject(parent), FList(list), FView(view), FPreferences(preferences), FVideo(video)
{
    Thumbnails = new TThumbnails(list.Model(), encoderPath, cacheFolder, this);
    view.setIconSize(TTaskModel::ThumbnailSize);
    view.setItemDelegateForColumn(TTaskModel::SizeColumn, new TSizeCellDelegate(&view));

    ppmHeader = new QMenu(&view);
    mniShowThumbnails = ppmHeader->addAction(tr("Show Thumbnails"));
    mniShowThumbnails->setObjectName(QStringLiteral("mniShowThumbnails"));
    mniShowThumbnails->setCheckable(true);
    connect(mniShowThumbnails, &QAction::triggered, this, [this](bool checked) {
        TPreferences value = FPreferences.Value();
        value.ShowThumbnails = checked;
        FPreferences.Set(value);
    });
    view.header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view.header(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ppmHeader->popup(FView.header()->mapToGlobal(pos)); });
    connect(&preferences, &TPreferenceStore::Changed, this, &TTaskListLook::ShowPreference);
    ShowPreference();

    TTaskModel& model = list.Model();
    connect(view.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TTaskListLook::ShowStill);
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::DecorationRole))
                    ShowStill();
            });
    connect(&model, &QAbstractItemModel::modelReset, this, &TTaskListLook::ShowStill);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &TTaskListLook::ShowStill);
    connect(&model, &QAbstractItemModel::layoutChanged, this, &TTaskListLook::ShowStill);
}

void TTaskListLook::ShowPreference()
{
    const bool shown = FPreferences.Value().ShowThumbnails;
    mniShowThumbnails->setChecked(shown);
    const TTaskModel& model = FList.Model();
    if (shown != model.ThumbnailsShown() || FView.devicePixelRatioF() != model.ThumbnailRatio())
        Thumbnails->SetShown(shown, FView.devicePixelRatioF());
}

void TTaskListLook::ShowStill()
{
    const TTaskModel& model = FList.Model();
    const int row = FList.View().FirstSelectedRow();
    QPixmap still;
    if (row >= 0 && model.ThumbnailsShown() && !model.At(row).Thumbnail.isEmpty())
        still.load(model.At(row).Thumbnail);
    FVideo.ShowStill(still);
}
