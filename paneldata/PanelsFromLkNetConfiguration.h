#pragma once

#include "core/SC_Singleton.h"

#include <QList>
#include <QObject>
#include <QVector>

// The panels of the panel network, from the state byte the network
// configuration page gives for every node (node 0 first). States 1, 2, 4, 5
// and 6 make a node a configured panel; 2 also means the controller can be
// asked for the panel's texts.
class PanelsFromLkNetConfiguration final
    : public QObject
    , public SC_Singleton<PanelsFromLkNetConfiguration>
{
    Q_OBJECT

public:
    // Replaces the states and rebuilds the panel list; a node past 255
    // cannot name a panel and is left out of the list.
    void setNodeStates(const QVector<quint8> &states);

    const QList<quint8> &panelList() const { return m_panels; }
    // 0 for a panel beyond the states.
    quint8 panelState(quint8 panel) const;
    bool isPanelPresent(quint8 panel) const;

signals:
    void configuredPanelsUpdated();

private:
    friend class SC_Singleton<PanelsFromLkNetConfiguration>;

    PanelsFromLkNetConfiguration() = default;

    QList<quint8> m_panels;
    QVector<quint8> m_states;
};
