#pragma once

#include "link/DisablementFunctionID.h"
#include "link/SC_PointsIndividual.h"
#include "link/SC_PointsWildCard.h"
#include "widgets/AUK_20002.h"

#include <QMap>
#include <QPointer>
#include <QVector>

class QLabel;
class SC_Timer;

// Carries one disable or enable request to the panel and counts the
// controller's replies: points pending, done, deferred pending and done by
// the deferred request. OK offers the deferred points; Cancel turns into
// Close once nothing is pending. Below connection level 5 nothing is
// counted: every point counts as done at once.
//
// An owner that lists the disabled points (an enable request from its list)
// keeps the popup up after Close until it has shown the enabled points: the
// popup closes on the owner's signal disablementsRefreshed(), which it looks
// up by name, at once when the owner has refreshed since the request began
// or goes away, and anyway after a few seconds, so that a silent owner
// cannot hold the panel's screen.
class AUK_40062 final : public AUK_20002
{
    Q_OBJECT

public:
    // How long Close waits at most for the owner's refresh.
    static constexpr int OwnerWaitMilliseconds = 5000;

    AUK_40062(int function, bool popScreen, QObject *owner, QWidget *parent);

    void sendPoints(int direction, const SC_PointsIndividual &points);
    void sendPoints(int direction, const SC_PointsWildCard &points);

public slots:
    void Ok();
    void CloseClicked();
    void Cancel();
    void Close();
    void disableRequestSent(quint8 sequence, quint16 points, DisablementFunctionID function);
    void pointCommandReply(quint8 sequence, quint16 first, quint16 completed, quint16 deferred);

private slots:
    void ownerRefreshed();
    void endWait();

private:
    struct SentRequest
    {
        quint16 points;
        int function;
    };

    static bool countsReplies();
    void addPending(int points);
    void countAtOnce(int points);
    void showCounts();
    void switchToClose();

    QLabel *m_pendingCount;
    QLabel *m_completeText;
    QLabel *m_completeCount;
    QLabel *m_deferredPendingCount;
    QLabel *m_deferredCount;
    QLabel *m_deferredAdviceText;
    QLabel *m_waitingLabel;
    QPointer<QObject> m_owner;
    SC_Timer *m_ownerWait = nullptr;
    bool m_ownerHasRefreshed = false;
    bool m_waiting = false;
    int m_direction = 3;
    int m_function;
    QVector<SC_PointsIndividual> m_sentIndividualLists;
    QVector<SC_PointsWildCard> m_sentWildCardLists;
    QMap<quint8, SentRequest> m_sentRequests;
    int m_pendingTotal = 0;
    int m_deferredTotal = 0;
    int m_deferredPendingTotal = 0;
    int m_completeTotal = 0;
    quint8 m_sequence = 1;
    bool m_popScreen;
    bool m_closeSwitched = false;
};
