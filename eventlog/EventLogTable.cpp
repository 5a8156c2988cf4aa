#include "eventlog/EventLogTable.h"

#include "eventlog/SqliteStatement.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <array>

namespace EventLogTable {

namespace {

using EventLog::EventData;

struct Column
{
    const char *name;
    quint32 (*value)(const EventData &event);
};

// Column order is the order of the table and of the insert's placeholders.
const std::array<Column, 29> columns{{
    {"seqNo", [](const EventData &e) -> quint32 { return e.seqNo; }},
    {"packedKey", [](const EventData &e) -> quint32 { return e.packedKey(); }},
    {"node", [](const EventData &e) -> quint32 { return e.node; }},
    {"channel", [](const EventData &e) -> quint32 { return e.channel; }},
    {"channelAddr", [](const EventData &e) -> quint32 { return e.channelAddr; }},
    {"pointCat", [](const EventData &e) -> quint32 { return e.pointCat; }},
    {"pointNum", [](const EventData &e) -> quint32 { return e.pointNum; }},
    {"logicalPointNum", [](const EventData &e) -> quint32 { return e.logicalPointNum; }},
    {"logicalPointZone", [](const EventData &e) -> quint32 { return e.logicalPointZone; }},
    {"deviceType", [](const EventData &e) -> quint32 { return e.deviceType; }},
    {"eventCode", [](const EventData &e) -> quint32 { return e.eventCode; }},
    {"zone", [](const EventData &e) -> quint32 { return e.zone; }},
    {"sector", [](const EventData &e) -> quint32 { return e.sector; }},
    {"timeAndDate", [](const EventData &e) -> quint32 { return e.timeAndDate; }},
    {"priority", [](const EventData &e) -> quint32 { return e.priority; }},
    {"stdPriority", [](const EventData &e) -> quint32 { return e.stdPriority; }},
    {"eventCat", [](const EventData &e) -> quint32 { return e.eventCat; }},
    {"restoredEventStatus", [](const EventData &e) -> quint32 { return e.statusBits & 0x01; }},
    {"activeEventStatus", [](const EventData &e) -> quint32 { return (e.statusBits >> 1) & 0x03; }},
    {"acceptStatus", [](const EventData &e) -> quint32 { return e.acceptStatus; }},
    {"pointInput",
     [](const EventData &e) -> quint32 { return ((e.pointBits >> 3) & 0x07) + ((e.pointBits & 0x80) ? 8 : 0); }},
    {"pointOutput", [](const EventData &e) -> quint32 { return e.pointBits & 0x01; }},
    {"eventChannel", [](const EventData &e) -> quint32 { return (e.pointBits >> 1) & 0x01; }},
    {"clientID", [](const EventData &e) -> quint32 { return e.clientID; }},
    {"totalNoEvents", [](const EventData &e) -> quint32 { return e.totalNoEvents; }},
    {"eventPosTotal", [](const EventData &e) -> quint32 { return e.eventPosTotal; }},
    {"extDataProvided", [](const EventData &e) -> quint32 { return e.extDataProvided; }},
    {"infoTextID", [](const EventData &e) -> quint32 { return e.extDataProvided == 4 ? e.infoTextID : 255; }},
    {"soloDetector", [](const EventData &e) -> quint32 { return (e.pointBits >> 2) & 0x01; }},
}};

QString insertInto(const char *conflict)
{
    QStringList names;
    QStringList placeholders;
    for (const Column &column : columns) {
        names << QLatin1String(column.name);
        placeholders << QStringLiteral("?");
    }
    return QStringLiteral("INSERT OR %1 INTO %2 (%3) VALUES (%4);")
        .arg(QLatin1String(conflict), QLatin1String(name), names.join(','), placeholders.join(','));
}

template <typename Bind> void bindColumns(const EventData &event, Bind bind)
{
    for (int i = 0; i < int(columns.size()); ++i)
        bind(i, columns[size_t(i)].value(event));
}

} // namespace

QString createStatement()
{
    QStringList definitions;
    for (const Column &column : columns) {
        const char *type = definitions.isEmpty() ? "INTEGER PRIMARY KEY" : "INTEGER";
        definitions << QStringLiteral("%1 %2").arg(QLatin1String(column.name), QLatin1String(type));
    }
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2").arg(QLatin1String(name), definitions.join(','))
           + QLatin1Char(')');
}

QString indexStatement()
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS packedKeyIndex ON %1 (%2)")
        .arg(QLatin1String(name), QStringLiteral("packedKey,restoredEventStatus"));
}

QString timeIndexStatement()
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS timeIndex ON %1 (timeAndDate,seqNo)").arg(QLatin1String(name));
}

QString insertStatement()
{
    return insertInto("REPLACE");
}

QString insertNewStatement()
{
    return insertInto("IGNORE");
}

void bindEvent(QSqlQuery &query, const EventData &event)
{
    bindColumns(event, [&](int index, quint32 value) { query.bindValue(index, value); });
}

void bindEvent(SqliteStatement &statement, const EventData &event)
{
    bindColumns(event, [&](int index, quint32 value) { statement.bind(index, value); });
}

} // namespace EventLogTable
