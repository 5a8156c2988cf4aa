#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"
#include "pointmodels/LkNodeStatistics.h"

#include <QBitArray>
#include <QHash>
#include <QObject>
#include <QSharedPointer>
#include <QVariant>

#include <functional>

class SC_Timer;

// The network status byte and communication statistics of each node of the
// panel network, as the controller last reported them, and the requests that
// ask for fresh ones: on demand, and every hour while refresh is switched on
// and the link runs over Ethernet.
class LkNetworkStats final
    : public QObject
    , public SC_Singleton<LkNetworkStats>
{
    Q_OBJECT

public:
    // Columns of statValue: 0-16 the counters in the order of the reply,
    // 17 the time stamp, 18 the extended fault map.
    enum Column { TimeStampColumn = 17, ExtendedFaultMapColumn = 18 };
    // The reply carried no extended fault map.
    static constexpr quint16 NoExtendedFaultMap = 65535;
    static constexpr int RefreshIntervalMs = 3600000;
    // Every node at once; the request kind the hourly refresh asks with.
    static constexpr quint8 AllNodes = 255;
    static constexpr quint8 FullRequest = 5;

    // The full start tells the refresh rule how to learn whether the link
    // runs over Ethernet, and connects the engine state's changes to
    // startStopRefreshTimer(). Until then refresh never runs.
    void setEthernetConnectedQuery(std::function<bool()> query);

    void toggleRefresh();
    bool isRefreshEnabled() const { return m_refreshEnabled; }
    // A node below 100, or all nodes; a panel off the network asks nothing.
    void requestStats(quint8 node, quint8 kind);
    bool isRequested(quint8 node) const { return node < TC::cPanelCount && m_requested.testBit(node); }

    // Node 0 is this panel; nodes from 100 on are ignored.
    void setNodeStatus(quint8 node, quint8 status);
    void setNodeStatistics(quint8 node, quint8 status, quint8 nextActiveNode, quint8 flowControl,
                           quint64 leftGoodFrames, quint32 leftSerialErrors, quint32 leftFrameErrors,
                           quint32 leftChecksumErrors, quint64 rightGoodFrames, quint32 rightSerialErrors,
                           quint32 rightFrameErrors, quint32 rightChecksumErrors, quint64 messagesSent,
                           quint64 messagesReceived, quint32 timeSinceZeroed, quint32 timeSinceStartup,
                           quint16 leftAdcAverage, quint16 rightAdcAverage, quint16 groundAdcAverage,
                           quint16 extendedFaultMap);

    // 2 while no status byte is held, 1 when a bit of the mask is set, else
    // 0.
    int nodeFlag(TC::panel_t node, int mask) const;
    // "-" where nothing is known.
    QVariant statValue(TC::panel_t node, int column) const;

signals:
    void nodeUpdated(TC::panel_t node);

public slots:
    // Runs the timer, with a full request at once, while refresh is on and
    // the link runs over Ethernet; stops it otherwise.
    void startStopRefreshTimer();
    void refreshAll();

private:
    friend class SC_Singleton<LkNetworkStats>;

    LkNetworkStats();

    // A node asked again shows no status byte until it answers.
    void forgetStatus(quint8 node);
    void store(quint8 node, quint8 status);

    // The node the reply stands for, or false to ignore it.
    static bool storedNode(quint8 &node);

    QHash<TC::panel_t, QSharedPointer<const LkNodeStatistics>> m_statistics;
    QHash<TC::panel_t, quint8> m_statusBytes;
    QBitArray m_requested;
    SC_Timer *m_refreshTimer;
    bool m_refreshEnabled = false;
    std::function<bool()> m_ethernetConnected;
};
