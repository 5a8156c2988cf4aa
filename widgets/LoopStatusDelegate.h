#pragma once

#include "widgets/StatusRowDelegate.h"

// A loop of the status summary with its status.
class LoopStatusDelegate final : public StatusRowDelegate
{
    Q_OBJECT

public:
    LoopStatusDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon, const QPixmap &uncheckedIcon,
                       QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
