#pragma once

#include "paneldata/PointIndividualAddress.h"

#include <QList>

// The points of one panel that a command names one by one, in the order
// they were added.
class SC_PointsIndividual final
{
public:
    quint8 panel() const { return m_panel; }
    void setPanel(quint8 panel) { m_panel = panel; }

    // The channel is stored in the form of the header layout in force now.
    void addPoint(quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint8 point);
    int count() const { return m_points.size(); }
    const QList<PointIndividualAddress> &points() const { return m_points; }

private:
    quint8 m_panel = 0;
    QList<PointIndividualAddress> m_points;
};
