#pragma once

#include "widgets/StatusRowDelegate.h"

// A point of a loop with its address and two tick-or-cross results.
class LoopStatusPointsDelegate final : public StatusRowDelegate
{
    Q_OBJECT

public:
    LoopStatusPointsDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon, const QPixmap &uncheckedIcon,
                             QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The address as the row shows it: panel, address text, device number.
    static QString pointAddress(const QModelIndex &index);

private:
    QPixmap m_tickIcon;
    QPixmap m_crossIcon;
};
