#include "pointmodels/OutstandingEventsModel.h"

#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/model.h"

#include <QSqlRecord>

#include <algorithm>

namespace {

constexpr quint8 Unaccepted = 3;
constexpr quint8 HoldingPriority = 13;
constexpr quint8 Template1FireCategory = 9;
constexpr int TopPriority = 255;
constexpr quint8 HighestZone = 240;

bool samePoint(const EventLog::EventData &a, const EventLog::EventData &b)
{
    return a.node == b.node && a.channel == b.channel && a.channelAddr == b.channelAddr && a.pointCat == b.pointCat
           && a.pointNum == b.pointNum && a.zone == b.zone;
}

EventLog::EventData recordOf(const QSqlRecord &row)
{
    const auto byte = [&row](const char *column) { return quint8(row.value(QLatin1String(column)).toUInt()); };
    EventLog::EventData event;
    event.seqNo = EventLog::SeqNum_t(row.value(QStringLiteral("seqNo")).toUInt());
    event.node = byte("node");
    event.channel = byte("channel");
    event.pointCat = byte("pointCat");
    event.channelAddr = byte("channelAddr");
    event.pointNum = byte("pointNum");
    event.zone = byte("zone");
    event.eventCode = quint16(row.value(QStringLiteral("eventCode")).toUInt());
    event.eventCat = byte("eventCat");
    event.acceptStatus = byte("acceptStatus");
    event.priority = byte("priority");
    event.logicalPointNum = byte("logicalPointNum");
    event.logicalPointZone = byte("logicalPointZone");
    return event;
}

} // namespace

QVector<EventLog::EventData> OutstandingEventsModel::s_list;

OutstandingEventsModel::OutstandingEventsModel(quint8 node, QObject *parent)
    : EventLogCommonQueryModel(0, 0, node, parent)
{
    s_list.reserve(MaxRecords + 1);
    prepareQueries();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    connect(log, &EL_EventLogDBbase::newEventLogRegistered, this, &OutstandingEventsModel::newEventLogRegistered);
    connect(log, &EL_EventLogDBbase::clearOutstandingEventsOnReset, this,
            &OutstandingEventsModel::clearOutstandingEvents);
    connect(log, qOverload<quint16>(&EL_EventLogDBbase::outstandingEventSettled), this,
            qOverload<quint16>(&OutstandingEventsModel::outstandingEventSettled));
    connect(log, qOverload<const EventLog::EventData *>(&EL_EventLogDBbase::outstandingEventSettled), this,
            qOverload<const EventLog::EventData *>(&OutstandingEventsModel::outstandingEventSettled));
    SystemState *state = SystemState::instance();
    connect(state, &SystemState::fireReset, this, &OutstandingEventsModel::clearOutstandingEvents);
    connect(state, &SystemState::stateChanged, this, &OutstandingEventsModel::clearOutstandingEvents);
}

int OutstandingEventsModel::effectivePriority(const EventLog::EventData &event)
{
    if (model::instance()->isTemplate1() && event.eventCat == Template1FireCategory)
        return TopPriority;
    return event.priority;
}

bool OutstandingEventsModel::headHoldsList()
{
    return !s_list.isEmpty() && s_list.first().priority >= HoldingPriority;
}

void OutstandingEventsModel::newEventLogRegistered(const EventLog::EventData *event)
{
    if (!event || event->acceptStatus != Unaccepted)
        return;
    const int priority = effectivePriority(*event);
    auto position = s_list.begin();
    for (; position != s_list.end(); ++position) {
        if (position->seqNo == event->seqNo)
            return;
        const int listed = effectivePriority(*position);
        if (priority > listed || (priority == listed && event->seqNo < position->seqNo))
            break;
    }
    s_list.insert(position, *event);
    // The list is ordered by effective priority, so the tail is the least
    // important record whatever its own priority byte says.
    while (s_list.size() > MaxRecords)
        s_list.removeLast();
}

void OutstandingEventsModel::outstandingEventSettled(quint16 seqNo)
{
    if (seqNo == 0 || headHoldsList())
        return;
    const auto found = std::find_if(s_list.begin(), s_list.end(),
                                    [seqNo](const EventLog::EventData &listed) { return listed.seqNo == seqNo; });
    if (found != s_list.end())
        s_list.erase(found);
}

void OutstandingEventsModel::outstandingEventSettled(const EventLog::EventData *event)
{
    if (!event || headHoldsList())
        return;
    s_list.erase(std::remove_if(s_list.begin(), s_list.end(),
                                [event](const EventLog::EventData &listed) { return samePoint(listed, *event); }),
                 s_list.end());
}

void OutstandingEventsModel::clearOutstandingEvents()
{
    if (SystemState::instance()->isFireActive())
        return;
    s_list.clear();
}

void OutstandingEventsModel::loadFromLog(int rowCount)
{
    runQuery();
    const int rows = std::min(rowCount, this->rowCount());
    for (int row = rows - 1; row >= 0 && s_list.size() < MaxRecords; --row) {
        const EventLog::EventData event = recordOf(record(row));
        newEventLogRegistered(&event);
    }
}

QString OutstandingEventsModel::topEventText()
{
    const unsigned outstanding = queryCount();
    if (s_list.isEmpty()) {
        if (outstanding == 0)
            return QString();
        loadFromLog(int(std::min<unsigned>(outstanding, unsigned(INT_MAX))));
        if (s_list.isEmpty())
            return QString();
    }
    EventLog::EventData top = s_list.first();
    const int language = TeskGlobalConfig::instance()->getCurrentLang();
    model *panels = model::instance();
    const QString address = PrintableAddress::instance()->addressText(
        top.node, top.channel, top.pointCat, top.channelAddr, top.pointNum, top.zone, false,
        PrintableAddress::FollowSetting, PrintableAddress::FollowSetting, false, top.logicalPointNum, false, false, -1,
        false);
    const QString zone = top.zone <= HighestZone ? panels->zoneName(top.node, top.zone, language) : QStringLiteral("-");
    const QString location =
        panels->pointName(top.node, top.channel, top.pointCat, top.channelAddr, top.pointNum, language);
    return address + QLatin1Char('\n') + zone + QLatin1Char('\n') + location + QLatin1Char('\n')
           + panels->eventName(top.eventCode, language);
}
