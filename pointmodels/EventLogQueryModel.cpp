#include "pointmodels/EventLogQueryModel.h"

#include "app/Security.h"
#include "core/GlobalConstants.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EventLogQueries.h"
#include "paneldata/DateTime.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointIndividualAddress.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/model.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

constexpr quint8 HighestZone = 240;
constexpr quint8 NoDevice = 128;
constexpr quint8 InformationTextBit = 4;

quint8 byteOf(const QSqlRecord &record, const char *column)
{
    return quint8(record.value(QLatin1String(column)).toUInt());
}

int language()
{
    return TeskGlobalConfig::instance()->getCurrentLang();
}

} // namespace

EventLogQueryModel::EventLogQueryModel(QObject *parent, QList<int> roles)
    : QSqlQueryModel(parent)
{
    for (int role : roles)
        m_roleNames.insert(role, QByteArray());
}

QVariant EventLogQueryModel::data(const QModelIndex &index, int role) const
{
    // Every role reads the row's named columns, whatever the column asked.
    QSqlQuery rowQuery = query();
    QSqlRecord row = rowQuery.record();
    if (index.isValid() && rowQuery.seek(index.row()))
        row = rowQuery.record();
    else
        row.clearValues();
    const QVariant value = roleValue(row, role);
    return value.isValid() ? value : QSqlQueryModel::data(index, role);
}

QVariant EventLogQueryModel::roleValue(const QSqlRecord &record, int role) const
{
    const quint8 node = byteOf(record, "node");
    const quint8 zone = byteOf(record, "zone");
    const quint8 channel = byteOf(record, "channel");
    const quint8 pointCat = byteOf(record, "pointCat");
    const quint8 channelAddr = byteOf(record, "channelAddr");
    const quint8 pointNum = byteOf(record, "pointNum");
    bool nodeIsNumber = false;
    record.value(QStringLiteral("node")).toUInt(&nodeIsNumber);
    switch (role) {
    case Qt::DisplayRole:
        return model::instance()->zoneName(node, zone, language());
    case PanelNumberRole:
        return record.value(QStringLiteral("node"));
    case ZoneNumberRole:
        return record.value(QStringLiteral("zone"));
    case PointNumberRole:
        return uint(pointNum);
    case ChannelAddrRole:
        return record.value(QStringLiteral("channelAddr"));
    case PointCatRole:
        return uint(pointCat);
    case DateTimeRole:
        return dateTimeText(record.value(QStringLiteral("timeAndDate")).toUInt());
    case ZoneTextRole:
        return nodeIsNumber ? zoneText(node, zone) : QStringLiteral("-");
    case LocationRole:
        return model::instance()->pointName(node, channel, pointCat, channelAddr, pointNum, language());
    case DeviceRole: {
        const quint8 deviceType = byteOf(record, "deviceType");
        return deviceType == NoDevice ? QStringLiteral("-")
                                      : model::instance()->deviceDescription(deviceType, language());
    }
    case AddressRole:
        return addressText(record);
    case EventTextRole:
        return model::instance()->eventName(int(record.value(QStringLiteral("eventCode")).toUInt()), language());
    case InformationRole:
        return informationText(byteOf(record, "extDataProvided") & InformationTextBit, node,
                               byteOf(record, "infoTextID"));
    case IndividualAddressRole:
        return QVariant::fromValue(PointIndividualAddress(channel, channelAddr, pointCat, pointNum));
    case ChannelRole:
        return record.value(QStringLiteral("channel"));
    case SeqNoRole:
        return record.value(QStringLiteral("seqNo"));
    case EventCodeRole:
        return record.value(QStringLiteral("eventCode"));
    case AcceptStatusRole:
        return acceptStatusText(record.value(QStringLiteral("acceptStatus")).toInt());
    case ClientIdRole:
        return record.value(QStringLiteral("clientID"));
    case TotalPointsRole:
        return int(PointCoreConfiguration::instance()->channelValue(node, zone));
    case TotalEventsRole:
        return record.value(QStringLiteral("totalNoEvents"));
    case PanelTextRole:
        return nodeIsNumber ? PrintableAddress::instance()->panelNumberAndName(node) : QStringLiteral("-");
    case LinkRole:
        return QString();
    default:
        return QVariant();
    }
}

QString EventLogQueryModel::addressText(const QSqlRecord &record) const
{
    quint8 node = byteOf(record, "node");
    quint8 channel = byteOf(record, "channel");
    quint8 pointCat = byteOf(record, "pointCat");
    quint8 channelAddr = byteOf(record, "channelAddr");
    quint8 pointNum = byteOf(record, "pointNum");
    const quint8 zone = byteOf(record, "zone");
    const quint8 logicalPointNum = byteOf(record, "logicalPointNum");
    PrintableAddress *printer = PrintableAddress::instance();
    const QString logical = printer->addressText(node, channel, pointCat, channelAddr, pointNum, zone, false,
                                                 PrintableAddress::FollowSetting, PrintableAddress::FollowSetting,
                                                 false, logicalPointNum, false, false, -1, false);
    if (!m_showPhysicalAddress)
        return logical;
    const QString physical = printer->addressText(node, channel, pointCat, channelAddr, pointNum, zone, false,
                                                  PrintableAddress::FollowSetting, PrintableAddress::FollowSetting,
                                                  true, logicalPointNum, false, false, -1, true);
    return physical.isEmpty() ? logical : logical + QStringLiteral(" (") + physical + QLatin1Char(')');
}

QString EventLogQueryModel::dateTimeText(quint32 panelSeconds)
{
    return DateTime::formatDateTime(DateTime::fromPanelSeconds(panelSeconds),
                                    QString::fromLatin1(GlobalConstants::dateTimeFormat));
}

QString EventLogQueryModel::zoneText(quint8 node, quint8 zone)
{
    return zone <= HighestZone ? PrintableAddress::instance()->zoneNumberAndName(node, zone) : QStringLiteral("-");
}

QString EventLogQueryModel::acceptStatusText(int acceptStatus)
{
    static const char *const keys[] = {QT_TRANSLATE_NOOP("QObject", "_LOCALLY_ACCEPTED_INFOTEXT"),
                                       QT_TRANSLATE_NOOP("QObject", "_REMOTELY_ACCEPTED_INFOTEXT"),
                                       QT_TRANSLATE_NOOP("QObject", "_UNACCEPTED_INFOTEXT")};
    if (acceptStatus < 1 || acceptStatus > 3)
        return QString();
    return QCoreApplication::translate("QObject", keys[acceptStatus - 1]);
}

QString EventLogQueryModel::informationText(bool provided, quint8 node, quint8 infoTextId)
{
    return provided ? model::instance()->informationText(node, infoTextId, language()) : QString();
}

void EventLogQueryModel::updateAddressMode()
{
    m_showPhysicalAddress = TeskGlobalConfig::instance()->getLogicalAddr()
                            && Security::instance()->accessLevel() == TESKEnumHolder::EN54_ENGINEER;
}

void EventLogQueryModel::setQueryFetchingAll(const QSqlQuery &query)
{
    setQuery(query);
    while (canFetchMore())
        fetchMore();
}

void EventLogQueryModel::loadEventsByDate(const QDateTime &from, const QDateTime &to, int offset)
{
    clear();
    QSqlQuery query;
    if (EventLogQueries::countEvents(query, from, to, offset, false))
        setQueryFetchingAll(query);
}

void EventLogQueryModel::loadEventsByCategory(quint16 categoryMask, int offset, bool unrestoredOnly, quint8 node)
{
    clear();
    QSqlQuery query;
    if (EventLogQueries::categoryEvents(query, categoryMask, offset, unrestoredOnly, false, node))
        setQueryFetchingAll(query);
}

namespace {

unsigned firstValue(QSqlQuery &query, bool ran)
{
    return ran && query.next() ? query.value(0).toUInt() : 0u;
}

} // namespace

unsigned EventLogQueryModel::countEventsByDate(const QDateTime &from, const QDateTime &to) const
{
    QSqlQuery query;
    return firstValue(query, EventLogQueries::countEvents(query, from, to, -1, true));
}

unsigned EventLogQueryModel::countEventsByCategory(quint16 categoryMask, bool unrestoredOnly, quint8 node) const
{
    QSqlQuery query;
    return firstValue(query, EventLogQueries::categoryEvents(query, categoryMask, -1, unrestoredOnly, true, node));
}
