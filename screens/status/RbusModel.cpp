#include "screens/status/RbusModel.h"

#include "frontpanel/rbusEventLog.h"
#include "pointmodels/EventLogQueryModel.h"
#include "screens/status/RbusModelItem.h"

#include <algorithm>

namespace {

bool isActiveFire(const RbusEvent &event)
{
    return event.active == 1 && event.kind == RbusEvent::Fire;
}

quint8 lowByte(const QString &number)
{
    return quint8(number.toULongLong() & 0xff);
}

} // namespace

RbusModel::RbusModel(QObject *parent)
    : CountModel(parent)
{
}

RbusModel *RbusModel::create(QObject *parent)
{
    return new RbusModel(parent);
}

// A report that takes its columns from here prints these seven.
QHash<int, QByteArray> RbusModel::roleNames() const
{
    using Role = EventLogQueryModel::Role;
    QHash<int, QByteArray> names;
    for (int role : {Role::DateTimeRole, Role::ZoneTextRole, Role::AddressRole, Role::LocationRole, Role::DeviceRole,
                     Role::EventTextRole, Role::AcceptStatusRole})
        names.insert(role, QByteArray());
    return names;
}

void RbusModel::insertEvent(const RbusEvent &event)
{
    insertRow(rowCount(), new RbusModelItem(event));
}

void RbusModel::insertDevice(const RbusDeviceEntry &entry)
{
    insertRow(rowCount(), new RbusModelItem(entry));
}

void RbusModel::fillByKind(int kind)
{
    clearModel();
    for (const RbusEvent &event : qAsConst(rbusEventLog::instance()->events)) {
        if (event.active == 1 && event.kind == kind)
            insertEvent(event);
    }
}

void RbusModel::fillAll()
{
    clearModel();
    for (const RbusEvent &event : qAsConst(rbusEventLog::instance()->events))
        insertEvent(event);
}

void RbusModel::fillFires()
{
    clearModel();
    const QVector<RbusEvent> &events = rbusEventLog::instance()->events;
    std::for_each(events.crbegin(), events.crend(), [this](const RbusEvent &event) {
        if (isActiveFire(event))
            insertEvent(event);
    });
}

void RbusModel::fillFiresInZone(quint8 zone, quint8 node)
{
    clearModel();
    const QVector<RbusEvent> &events = rbusEventLog::instance()->events;
    std::for_each(events.crbegin(), events.crend(), [this, zone, node](const RbusEvent &event) {
        if (isActiveFire(event) && lowByte(event.secondNumber) == zone && lowByte(event.firstNumber) == node)
            insertEvent(event);
    });
}

void RbusModel::fillDevices()
{
    clearModel();
    const QVector<RbusDeviceEntry> &devices = rbusEventLog::instance()->devices;
    std::for_each(devices.crbegin(), devices.crend(), [this](const RbusDeviceEntry &entry) { insertDevice(entry); });
}
