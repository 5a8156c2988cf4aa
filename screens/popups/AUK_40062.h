#pragma once

#include "link/DisablementFunctionID.h"
#include "link/SC_PointsIndividual.h"
#include "link/SC_PointsWildCard.h"
#include "widgets/AUK_20002.h"

#include <QMap>
#include <QVector>

class QLabel;

// Carries one disable or enable request to the panel and counts the
// controller's replies: points pending, done, deferred pending and done by
// the deferred request. OK offers the deferred points; Cancel turns into
// Close once nothing is pending. Below connection level 5 nothing is
// counted: every point counts as done at once.
class AUK_40062 final : public AUK_20002
{
    Q_OBJECT

public:
    AUK_40062(int function, bool popScreen, QWidget *parent);

    void sendPoints(int direction, const SC_PointsIndividual &points);
    void sendPoints(int direction, const SC_PointsWildCard &points);

public slots:
    void Ok();
    void Cancel();
    void Close();
    void disableRequestSent(quint8 sequence, quint16 points, DisablementFunctionID function);
    void pointCommandReply(quint8 sequence, quint16 first, quint16 completed, quint16 deferred);

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
