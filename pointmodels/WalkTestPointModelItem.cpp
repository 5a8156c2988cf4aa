#include "pointmodels/WalkTestPointModelItem.h"

#include "pointmodels/PointRowTexts.h"

WalkTestPointModelItem::WalkTestPointModelItem(quint8 panel, quint8 zone, quint8 channelAddress, quint8 point,
                                               quint8 channelNumber, quint8 channelKind)
    : m_point{panel, channelKind, channelNumber, channelAddress, point}
    , m_zone(zone)
{
}

QVariant WalkTestPointModelItem::data(int role) const
{
    switch (role) {
    case 33:
        return m_point.panel;
    case 34:
        return m_zone;
    case 35:
        return m_point.point;
    case 38:
        return m_point.channelAddress;
    case 58:
        return PointRowTexts::zoneLabel(m_point.panel, m_zone);
    case 59:
        return PointRowTexts::pointName(m_point);
    case 60:
        return PointRowTexts::deviceText(m_point);
    case 62:
        return PointRowTexts::addressText(m_point, m_zone);
    default:
        return QVariant();
    }
}
