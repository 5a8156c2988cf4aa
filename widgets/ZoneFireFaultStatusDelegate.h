#pragma once

#include "widgets/StatusRowDelegate.h"

// A zone of the status summary: its number and name, its two counts and a check icon.
class ZoneFireFaultStatusDelegate final : public StatusRowDelegate
{
    Q_OBJECT

public:
    ZoneFireFaultStatusDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon, const QPixmap &uncheckedIcon,
                                QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
