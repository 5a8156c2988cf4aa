#pragma once

#include "eventlog/EventData.h"
#include "pointmodels/EventLogCommonQueryModel.h"

#include <QVector>

// Every outstanding event (any category), and a short list of the most
// important ones kept up to date from the event log's signals. The home
// screen shows the first of them. The list is shared by every instance.
class OutstandingEventsModel final : public EventLogCommonQueryModel
{
    Q_OBJECT

public:
    // The list never holds more; the least important record goes first.
    static constexpr int MaxRecords = 30;

    OutstandingEventsModel(quint8 node, QObject *parent);

    // Offers the newest rowCount outstanding events of the table to the list.
    void loadFromLog(int rowCount);
    // Address, zone, location and event of the first listed event, one a
    // line; empty when nothing is outstanding.
    QString topEventText();

    static const QVector<EventLog::EventData> &outstandingList() { return s_list; }

public slots:
    void clearOutstandingEvents();
    void newEventLogRegistered(const EventLog::EventData *event);
    void outstandingEventSettled(quint16 seqNo);
    void outstandingEventSettled(const EventLog::EventData *event);

private:
    static int effectivePriority(const EventLog::EventData &event);
    // A listed event of priority 13 or more holds the list as it is.
    static bool headHoldsList();

    static QVector<EventLog::EventData> s_list;
};
