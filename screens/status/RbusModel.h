#pragma once

#include "pointmodels/CountModel.h"

struct RbusDeviceEntry;
struct RbusEvent;

// The front-panel bus log as a status list: events, fires and bus devices
// as rows that read like event-log rows. It is filled only by its fill
// operations; its users refill it when the bus log changes.
class RbusModel : public CountModel
{
    Q_OBJECT

public:
    explicit RbusModel(QObject *parent = nullptr);
    static RbusModel *create(QObject *parent);

    QHash<int, QByteArray> roleNames() const override;

    virtual void insertEvent(const RbusEvent &event);
    virtual void insertDevice(const RbusDeviceEntry &entry);

    // Active events of the kind, oldest first.
    void fillByKind(int kind);
    // Every event, active or not, oldest first.
    void fillAll();
    // Active fires, newest first.
    void fillFires();
    // Active fires of the zone on the node, newest first.
    void fillFiresInZone(quint8 zone, quint8 node);
    // Every bus device, the last first.
    void fillDevices();
};
