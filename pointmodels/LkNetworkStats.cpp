#include "pointmodels/LkNetworkStats.h"

#include "core/GlobalConstants.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/DateTime.h"
#include "pointmodels/model.h"

namespace {

const QVariant Unknown = QStringLiteral("-");

} // namespace

LkNetworkStats::LkNetworkStats()
    : m_requested(TC::cPanelCount)
    , m_refreshTimer(SC_Timer::create(this))
{
    m_refreshTimer->setInterval(RefreshIntervalMs);
    connect(m_refreshTimer, &SC_Timer::timeout, this, &LkNetworkStats::refreshAll);
}

void LkNetworkStats::setEthernetConnectedQuery(std::function<bool()> query)
{
    m_ethernetConnected = std::move(query);
    startStopRefreshTimer();
}

void LkNetworkStats::toggleRefresh()
{
    m_refreshEnabled = !m_refreshEnabled;
    startStopRefreshTimer();
}

void LkNetworkStats::startStopRefreshTimer()
{
    if (m_refreshEnabled && m_ethernetConnected && m_ethernetConnected()) {
        refreshAll();
        m_refreshTimer->start();
    } else {
        m_refreshTimer->stop();
    }
}

void LkNetworkStats::refreshAll()
{
    requestStats(AllNodes, FullRequest);
}

void LkNetworkStats::forgetStatus(quint8 node)
{
    if (m_requested.testBit(node) && m_statusBytes.remove(node) != 0)
        emit nodeUpdated(node);
}

void LkNetworkStats::requestStats(quint8 node, quint8 kind)
{
    if (TeskGlobalConfig::instance()->getNetworkNodeNumber() <= 0)
        return;
    SyncClient *client = SyncClient::instance();
    if (node < TC::cPanelCount) {
        forgetStatus(node);
        m_requested.setBit(node);
        client->sendNetworkFaultRequest(node, kind);
    } else if (node == AllNodes) {
        for (quint8 each = 0; each < TC::cPanelCount; ++each)
            forgetStatus(each);
        m_requested.fill(true);
        // The controller answers for the network's other nodes; node 0 is its own.
        client->sendNetworkFaultRequest(AllNodes, kind);
        client->sendNetworkFaultRequest(0, kind);
    }
}

void LkNetworkStats::store(quint8 node, quint8 status)
{
    m_requested.clearBit(node);
    m_statusBytes.insert(node, status);
}

bool LkNetworkStats::storedNode(quint8 &node)
{
    if (node >= TC::cPanelCount)
        return false;
    if (node == 0)
        node = model::instance()->localPanel();
    return true;
}

void LkNetworkStats::setNodeStatus(quint8 node, quint8 status)
{
    if (!storedNode(node))
        return;
    store(node, status);
    emit nodeUpdated(node);
}

void LkNetworkStats::setNodeStatistics(quint8 node, quint8 status, quint8 nextActiveNode, quint8 flowControl,
                                       quint64 leftGoodFrames, quint32 leftSerialErrors, quint32 leftFrameErrors,
                                       quint32 leftChecksumErrors, quint64 rightGoodFrames, quint32 rightSerialErrors,
                                       quint32 rightFrameErrors, quint32 rightChecksumErrors, quint64 messagesSent,
                                       quint64 messagesReceived, quint32 timeSinceZeroed, quint32 timeSinceStartup,
                                       quint16 leftAdcAverage, quint16 rightAdcAverage, quint16 groundAdcAverage,
                                       quint16 extendedFaultMap)
{
    if (!storedNode(node))
        return;
    const QSharedPointer<LkNodeStatistics> statistics(new LkNodeStatistics{nextActiveNode,
                                                                           flowControl,
                                                                           leftGoodFrames,
                                                                           leftSerialErrors,
                                                                           leftFrameErrors,
                                                                           leftChecksumErrors,
                                                                           rightGoodFrames,
                                                                           rightSerialErrors,
                                                                           rightFrameErrors,
                                                                           rightChecksumErrors,
                                                                           messagesSent,
                                                                           messagesReceived,
                                                                           timeSinceZeroed,
                                                                           timeSinceStartup,
                                                                           leftAdcAverage,
                                                                           rightAdcAverage,
                                                                           groundAdcAverage,
                                                                           true,
                                                                           extendedFaultMap != NoExtendedFaultMap,
                                                                           quint8(extendedFaultMap),
                                                                           DateTime::panelDateTime()});
    store(node, status);
    m_statistics.insert(node, statistics);
    emit nodeUpdated(node);
}

int LkNetworkStats::nodeFlag(TC::panel_t node, int mask) const
{
    const auto status = m_statusBytes.constFind(node);
    if (status == m_statusBytes.constEnd())
        return 2;
    return (*status & mask) ? 1 : 0;
}

QVariant LkNetworkStats::statValue(TC::panel_t node, int column) const
{
    const QSharedPointer<const LkNodeStatistics> record = m_statistics.value(node);
    if (!record)
        return Unknown;
    const LkNodeStatistics &s = *record;
    if (!s.hasCounters && column != ExtendedFaultMapColumn)
        return Unknown;
    switch (column) {
    case 0:
        return s.leftGoodFrames;
    case 1:
        return s.leftSerialErrors;
    case 2:
        return s.leftFrameErrors;
    case 3:
        return s.leftChecksumErrors;
    case 4:
        return s.rightGoodFrames;
    case 5:
        return s.rightSerialErrors;
    case 6:
        return s.rightFrameErrors;
    case 7:
        return s.rightChecksumErrors;
    case 8:
        return s.messagesSent;
    case 9:
        return s.messagesReceived;
    case 10:
        return s.timeSinceZeroed;
    case 11:
        return s.timeSinceStartup;
    case 12:
        return uint(s.leftAdcAverage);
    case 13:
        return uint(s.rightAdcAverage);
    case 14:
        return uint(s.groundAdcAverage);
    case 15:
        return uint(s.nextActiveNode);
    case 16:
        return uint(s.flowControl);
    case TimeStampColumn:
        return DateTime::formatDateTime(s.timeStamp, QLatin1String(GlobalConstants::dateTimeFormat));
    case ExtendedFaultMapColumn:
        return s.hasExtendedFaultMap ? QVariant(int(s.extendedFaultMap)) : Unknown;
    default:
        return Unknown;
    }
}
