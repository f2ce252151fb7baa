// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/CutTextTip.h"

// The default item painting with the cut-text tooltip, and in
// a cell that holds a percent in `percentRole` a thin bar of that percent
// beside its text.
class TCellBarDelegate : public TCutTextTipDelegate
{
    Q_OBJECT

public:
    TCellBarDelegate(int percentRole, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const int FPercentRole;
};
