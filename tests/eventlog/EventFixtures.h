#pragma once

#include "eventlog/EventData.h"
#include "link/HighPriorityStatus.h"

#include <QList>
#include <QPair>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>

// Events and table reads shared by the event-log tests.
namespace EventFixtures {

inline EventLog::EventData makeEvent(EventLog::SeqNum_t seqNo, quint8 eventCat = EventLog::CategoryFault,
                                     quint8 node = 1, quint8 zone = 1, quint8 pointNum = 1)
{
    EventLog::EventData data;
    data.seqNo = seqNo;
    data.eventCat = eventCat;
    data.node = node;
    data.zone = zone;
    data.pointNum = pointNum;
    data.channelAddr = 1;
    data.eventCode = 100;
    data.timeAndDate = 900000000u + seqNo;
    data.acceptStatus = 3;
    return data;
}

inline EventLog::EventData restoral(EventLog::SeqNum_t seqNo, quint8 restoredCategory, quint8 ownCategory,
                                    quint8 pointNum = 1)
{
    EventLog::EventData data = makeEvent(seqNo, quint8(restoredCategory << 4 | ownCategory), 1, 1, pointNum);
    data.statusBits = 0x01;
    return data;
}

// A fire reset; this panel is 1 and its reset codes 0x0301 and 0x0302 in
// the tests that use it.
inline EventLog::EventData fireReset(EventLog::SeqNum_t seqNo, quint8 node = 1, quint16 code = 0x0301)
{
    EventLog::EventData data = makeEvent(seqNo, EventLog::CategoryNone, node);
    data.eventCode = code;
    return data;
}

// The link's status indications; records each call.
class StatusRecorder final : public EventLog::HighPriorityStatus
{
public:
    void applyHighPriorityStatus(quint32 flags, quint32 value) override { calls << qMakePair(flags, value); }

    QList<QPair<quint32, quint32>> calls;
};

// One column of every row, in the order of the statement.
inline QVector<qint64> column(const QString &statement)
{
    QVector<qint64> values;
    QSqlQuery query;
    if (!query.exec(statement))
        return {-1};
    while (query.next())
        values << query.value(0).toLongLong();
    return values;
}

inline qint64 rowCount()
{
    return column(QStringLiteral("SELECT COUNT(*) FROM EventLog")).value(0, -1);
}

inline QVector<qint64> storedSeqNos()
{
    return column(QStringLiteral("SELECT seqNo FROM EventLog ORDER BY seqNo"));
}

inline QVector<qint64> range(qint64 first, qint64 last)
{
    QVector<qint64> values;
    for (qint64 value = first; value <= last; ++value)
        values << value;
    return values;
}

} // namespace EventFixtures
