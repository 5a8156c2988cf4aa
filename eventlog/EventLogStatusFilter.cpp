#include "eventlog/EventLogStatusFilter.h"

#include "eventlog/EventLogTable.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Points on this channel number carry no events of their own.
constexpr int NoEventsChannelNumber = 5;

} // namespace

EventLogStatusFilter::EventLogStatusFilter(quint8 node, quint16 categoryMask)
    : m_node(node)
    , m_categoryMask(categoryMask)
{
    loadPointKeys();
}

quint32 EventLogStatusFilter::pointKey(quint8 channelKind, quint8 channelNumber, quint8 channelAddress, quint8 point)
{
    return quint32(channelKind) << 24 | quint32(channelNumber) << 16 | quint32(channelAddress) << 8 | point;
}

// Every matching row counts, whatever its zone: a point keeps its events
// when it moves zone, and a list of all zones must show all of them.
void EventLogStatusFilter::loadPointKeys()
{
    const QString statement = QStringLiteral("SELECT DISTINCT channel,channelAddr,pointCat,pointNum FROM %1 "
                                             "WHERE node = %2 AND ((1<<(eventCat & 15)) & %3) "
                                             "AND restoredEventStatus = 0")
                                  .arg(QLatin1String(EventLogTable::name))
                                  .arg(int(m_node))
                                  .arg(int(m_categoryMask));
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        qWarning() << "EventLogStatusFilter::loadPointKeys"
                   << "query failed; no point accepted:" << query.lastError().text();
        return;
    }
    const QSqlRecord columns = query.record();
    const int channel = columns.indexOf(QStringLiteral("channel"));
    const int pointCat = columns.indexOf(QStringLiteral("pointCat"));
    const int channelAddr = columns.indexOf(QStringLiteral("channelAddr"));
    const int pointNum = columns.indexOf(QStringLiteral("pointNum"));
    while (query.next()) {
        const int number = query.value(pointCat).toInt();
        if (number == NoEventsChannelNumber)
            continue;
        m_pointKeys.insert(pointKey(quint8(query.value(channel).toUInt()), quint8(number),
                                    quint8(query.value(channelAddr).toUInt()), quint8(query.value(pointNum).toUInt())));
    }
}

bool EventLogStatusFilter::accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
{
    if (panel != m_node || m_pointKeys.isEmpty())
        return false;
    return m_pointKeys.contains(pointKey(channel->kind(), channel->number(), channel->address(), record->pointNumber));
}
