#pragma once

#include "core/SC_Singleton.h"
#include "paneldata/WalkTestSummary.h"

#include <QDateTime>
#include <QObject>

#include <array>

class SC_PointsWildCard;
class SC_Timer;

// The walk-test progress of every panel of the network, as the controller
// reports it, with when each panel's walk test began and last changed; the
// panel the user is looking at; and the guard that keeps a second stop from
// going out while the controller is still acting on the first.
class WalkTestHandler final
    : public QObject
    , public SC_Singleton<WalkTestHandler>
{
    Q_OBJECT

public:
    static constexpr int Nodes = 100;
    static constexpr quint8 NoNode = 254;
    static constexpr quint8 NoRequest = 253;
    static constexpr int StopGuardMs = 25000;

    ~WalkTestHandler() override;

    bool updateSummary(quint8 node, quint8 zoneSelector, int status, quint8 groupMask,
                       const WalkTestSummary::Counters &counters, const QBitArray &zones, int extraValue);
    void reset();
    // One node's summary back to none, as if it had never reported.
    void resetNode(quint8 node);

    // The walk-test command code of a request kind and scope.
    static quint8 commandCode(int kind, int scope);
    // Sends the walk-test command of a kind and scope for the points named,
    // then holds stops back for the panel of the list.
    void requestStopWalkTest(int kind, int scope, const SC_PointsWildCard &address);
    // After a walk-test command for a node: the node's next walk test
    // becomes the selection, and stops are held back for the guard time.
    void holdStop(quint8 requestedNode);
    bool isStopBlocked() const { return m_stopBlocked; }

    void setSelectedNode(quint8 node);
    quint8 getCurrentNode() const;
    quint8 selectedNode() const { return m_selectedNode; }
    quint8 requestedNode() const { return m_requestedNode; }

    quint8 getNodesInWalkTest() const { return m_nodesInWalkTest; }
    bool isWalkTestActive() const { return m_nodesInWalkTest != 0; }
    // A default summary for a node outside the network.
    const WalkTestSummary &summary(quint8 node) const;
    QDateTime startTime(quint8 node) const;
    QDateTime lastChangeTime(quint8 node) const;
    quint16 totalZoneCount() const;
    quint16 totalCounter6() const;

public slots:
    void clearBlockStopWalktest();

signals:
    void walkTestSummaryChanged();

private:
    friend class SC_Singleton<WalkTestHandler>;

    WalkTestHandler();

    std::array<WalkTestSummary, Nodes> m_summaries;
    std::array<QDateTime, Nodes> m_startTimes;
    std::array<QDateTime, Nodes> m_lastChangeTimes;
    quint8 m_nodesInWalkTest = 0;
    quint8 m_selectedNode = NoNode;
    quint8 m_requestedNode = NoRequest;
    bool m_stopBlocked = false;
    SC_Timer *m_stopGuard;
};
