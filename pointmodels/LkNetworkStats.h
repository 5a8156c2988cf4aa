#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"
#include "pointmodels/LkNodeStatistics.h"

#include <QHash>
#include <QObject>
#include <QSharedPointer>
#include <QVariant>

// The network status byte and communication statistics of each node of the
// panel network, as the controller last reported them.
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

private:
    friend class SC_Singleton<LkNetworkStats>;

    LkNetworkStats() = default;

    // The node the reply stands for, or false to ignore it.
    static bool storedNode(quint8 &node);

    QHash<TC::panel_t, QSharedPointer<const LkNodeStatistics>> m_statistics;
    QHash<TC::panel_t, quint8> m_statusBytes;
};
