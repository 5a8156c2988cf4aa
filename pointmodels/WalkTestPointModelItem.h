#pragma once

#include "link/SimplePointInfo.h"

#include <QStandardItem>

// A point of a walk-test result list.
class WalkTestPointModelItem final : public QStandardItem
{
public:
    WalkTestPointModelItem(quint8 panel, quint8 zone, quint8 channelAddress, quint8 point, quint8 channelNumber,
                           quint8 channelKind);

    QVariant data(int role) const override;

private:
    SimplePointInfo m_point;
    quint8 m_zone;
};
