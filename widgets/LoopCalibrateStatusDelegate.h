#pragma once

#include "widgets/StatusRowDelegate.h"

// The calibration result of one loop, or of a pair of loops on a taller
// row, with a status icon per loop.
class LoopCalibrateStatusDelegate final : public StatusRowDelegate
{
    Q_OBJECT

public:
    LoopCalibrateStatusDelegate(int rowWidth, int rowHeight, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The icon of a calibration status.
    const QPixmap &statusIcon(int status) const;

private:
    int m_doubleRowHeight;
    QPixmap m_tickIcon;
    QPixmap m_crossIcon;
    QPixmap m_resyncIcon;
    QPixmap m_unknownIcon;
    QPixmap m_calibrationFaultIcon;
    QPixmap m_notPart13Icon;
};
