#include "paneldata/WalkTestHandler.h"

#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsWildCard.h"
#include "link/SyncClient.h"

#include <QDebug>

namespace {

// Walk-test command codes the controller knows.
constexpr quint8 StartCode = 1;
constexpr quint8 NoCommand = 6;

} // namespace

WalkTestHandler::WalkTestHandler()
    : m_stopGuard(SC_Timer::create(this))
{
    m_stopGuard->setSingleShot(true);
    m_stopGuard->setInterval(StopGuardMs);
    connect(m_stopGuard, &SC_Timer::timeout, this, &WalkTestHandler::clearBlockStopWalktest);
}

WalkTestHandler::~WalkTestHandler() = default;

bool WalkTestHandler::updateSummary(quint8 node, quint8 zoneSelector, int status, quint8 groupMask,
                                    const WalkTestSummary::Counters &counters, const QBitArray &zones, int extraValue)
{
    if (node >= Nodes || status >= WalkTestSummary::NoWalkTest) {
        emit walkTestSummaryChanged();
        return false;
    }

    const WalkTestSummary &stored = m_summaries[node];
    WalkTestSummary updated(zoneSelector, status, groupMask, counters, zones, extraValue);
    const QDateTime now = QDateTime::currentDateTime();
    const bool wasActive = stored.isActive();
    if (status == stored.getStatus()) {
        m_lastChangeTimes[node] = now;
        updated.keepPrevious(stored, false);
    } else if (status >= 1) {
        m_startTimes[node] = now;
        m_lastChangeTimes[node] = now;
        if (stored.getStatus() == WalkTestSummary::StoppedStatus || stored.getStatus() == WalkTestSummary::NoWalkTest)
            ++m_nodesInWalkTest;
        if (node == m_requestedNode)
            m_selectedNode = node;
        updated.keepPrevious(stored, false);
    } else if (wasActive) {
        updated.keepPrevious(stored, true);
        m_lastChangeTimes[node] = now;
        --m_nodesInWalkTest;
        if (node == m_requestedNode) {
            m_selectedNode = NoNode;
            m_requestedNode = NoRequest;
        }
    } else {
        updated.keepPrevious(stored, false);
        if (node == m_requestedNode) {
            m_selectedNode = NoNode;
            m_requestedNode = NoRequest;
        }
    }
    m_summaries[node] = updated;
    emit walkTestSummaryChanged();
    return true;
}

// A panel whose pages the controller drops loses its walk test; the other
// panels keep theirs.
void WalkTestHandler::resetNode(quint8 node)
{
    if (node >= Nodes)
        return;
    if (m_summaries[node].isActive())
        --m_nodesInWalkTest;
    m_summaries[node] = WalkTestSummary();
    m_startTimes[node] = QDateTime();
    m_lastChangeTimes[node] = QDateTime();
    if (m_selectedNode == node)
        m_selectedNode = NoNode;
    emit walkTestSummaryChanged();
}

void WalkTestHandler::reset()
{
    m_summaries.fill(WalkTestSummary());
    m_startTimes.fill(QDateTime());
    m_lastChangeTimes.fill(QDateTime());
    m_nodesInWalkTest = 0;
    m_selectedNode = NoNode;
    m_requestedNode = NoRequest;
}

quint8 WalkTestHandler::commandCode(int kind, int scope)
{
    switch (kind) {
    case 1:
    case 4:
        switch (scope) {
        case 0:
            return 2;
        case 1:
            return 4;
        case 2:
            return 5;
        default:
            return NoCommand;
        }
    case 2:
        return StartCode;
    case 3:
        return 4;
    default:
        return NoCommand;
    }
}

void WalkTestHandler::requestStopWalkTest(int kind, int scope, const SC_PointsWildCard &address)
{
    SyncClient::instance()->sendStartWalktest(commandCode(kind, scope), address);
    holdStop(address.panel());
}

void WalkTestHandler::holdStop(quint8 requestedNode)
{
    m_requestedNode = requestedNode;
    m_stopBlocked = true;
    m_stopGuard->start();
}

void WalkTestHandler::clearBlockStopWalktest()
{
    m_stopBlocked = false;
    emit walkTestSummaryChanged();
}

void WalkTestHandler::setSelectedNode(quint8 node)
{
    if (node == 0)
        m_selectedNode = TeskGlobalConfig::instance()->getPanelNumber();
    else if (node == NoNode || node < Nodes)
        m_selectedNode = node;
}

quint8 WalkTestHandler::getCurrentNode() const
{
    if (m_selectedNode < Nodes && !m_summaries[m_selectedNode].isActive())
        return NoNode;
    return m_selectedNode;
}

const WalkTestSummary &WalkTestHandler::summary(quint8 node) const
{
    static const WalkTestSummary none;
    if (node >= Nodes) {
        qWarning() << "WalkTestHandler::summary"
                   << " Bad node " << node;
        return none;
    }
    return m_summaries[node];
}

QDateTime WalkTestHandler::startTime(quint8 node) const
{
    return node < Nodes ? m_startTimes[node] : QDateTime();
}

QDateTime WalkTestHandler::lastChangeTime(quint8 node) const
{
    return node < Nodes ? m_lastChangeTimes[node] : QDateTime();
}

quint16 WalkTestHandler::totalZoneCount() const
{
    quint16 total = 0;
    for (const WalkTestSummary &summary : m_summaries) {
        if (summary.isActive())
            total += summary.zoneCount();
    }
    return total;
}

quint16 WalkTestHandler::totalCounter6() const
{
    quint16 total = 0;
    for (const WalkTestSummary &summary : m_summaries) {
        if (summary.isActive())
            total += summary.counter6();
    }
    return total;
}
