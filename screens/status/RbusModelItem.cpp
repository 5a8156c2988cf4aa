#include "screens/status/RbusModelItem.h"

#include "frontpanel/rbusEventLog.h"
#include "pointmodels/EventLogQueryModel.h"

namespace {

using Role = EventLogQueryModel::Role;
constexpr int LogicalZoneRole = 42;
constexpr int DateTimeAltRole = 57;
// Zones above this are none.
constexpr quint8 LastZone = 240;

// The low byte of a decimal number text; 0 for a text that is not one.
quint8 lowByteOfSigned(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok ? quint8(value & 0xff) : 0;
}

quint8 lowByteOfUnsigned(const QString &text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    return ok ? quint8(value & 0xff) : 0;
}

} // namespace

RbusModelItem::RbusModelItem(const RbusEvent &event)
    : m_kind(event.kind)
    , m_zone(lowByteOfUnsigned(event.secondNumber))
    , m_node(lowByteOfSigned(event.firstNumber))
    , m_value(event.value)
{
    for (size_t i = 0; i < m_texts.size(); ++i)
        m_texts[i] = event.texts[i];
}

RbusModelItem::RbusModelItem(const RbusDeviceEntry &entry)
    : m_texts{entry.name,          entry.text,          QString::number(entry.number),
              QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")}
    , m_zone(entry.first)
    , m_node(entry.second)
    , m_value(entry.value)
{
}

// A negative value stands for a zone: the zone's number then shows.
QString RbusModelItem::zoneText() const
{
    if (m_zone > LastZone)
        return QStringLiteral("-");
    const QString number = m_value < 0 ? QStringLiteral("%1").arg(m_zone, 3, 10, QLatin1Char('0'))
                                       : QStringLiteral("%1").arg(m_value, 5, 10, QLatin1Char('0'));
    return QStringLiteral("%1 %2").arg(number, m_texts[1]);
}

QVariant RbusModelItem::data(int role) const
{
    switch (role) {
    case Role::PanelNumberRole:
        return int(m_node);
    case Role::ZoneNumberRole:
        return int(m_zone);
    case LogicalZoneRole:
        return qint64(m_value);
    case Role::DateTimeRole:
    case DateTimeAltRole:
        return m_texts[0];
    case Role::ZoneTextRole:
        return zoneText();
    case Role::LocationRole:
        return m_texts[2];
    case Role::DeviceRole:
        return m_texts[3];
    case Role::AddressRole:
        return m_texts[4];
    case Role::EventTextRole:
        return m_texts[5];
    case Role::InformationRole:
    case Role::AcceptStatusRole:
        return QString();
    case Role::PanelTextRole:
        return QStringLiteral("%1").arg(m_node, 2, 10, QLatin1Char('0'));
    default:
        return QStandardItem::data(role);
    }
}
