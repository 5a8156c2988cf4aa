#pragma once

#include "core/SC_Singleton.h"
#include "core/SounderState.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QVector>

#include <array>

// One event as the front-panel bus reports it.
struct RbusEvent
{
    static constexpr int Texts = 8;
    // The kinds the screens ask for.
    enum Kind : quint8 { Warning = 1, Disablement = 3, Fault = 4, Fire = 8 };

    std::array<QString, Texts> texts;
    quint8 kind = 0;
    QString firstNumber; // decimal, signed
    QString secondNumber; // decimal, unsigned
    qint32 value = 0;
    quint8 flag = 0;
    quint8 active = 0;
};

// One device on the front-panel bus.
struct RbusDeviceEntry
{
    QString name;
    QString text;
    qint32 number = 0;
    quint8 first = 0;
    quint8 second = 0;
    qint32 value = 0;
};

// The front-panel bus's picture of the panel in the repeater modes: its
// events, first and latest fire, zones in fire, devices and sounders. The
// bus driver fills it; the screens read it. Empty on the panel link.
class rbusEventLog final
    : public QObject
    , public SC_Singleton<rbusEventLog>
{
    Q_OBJECT

public:
    // Fire events, active or not; without any on E30, the fire flag.
    quint16 getFireCount() const;
    // Zones in fire; without any on E30, the fire flag.
    quint16 getFireZoneCount() const;
    // The first active event of the highest kind from 8 down to lowestKind,
    // walking from the newest or the oldest; null when none.
    const RbusEvent *findEvent(bool newestFirst, int lowestKind) const;
    void clear();

    RbusEvent firstFire;
    RbusEvent latestFire;
    QSet<quint16> fireZones;
    QVector<RbusDeviceEntry> devices;
    QVector<RbusEvent> events; // oldest first
    TC::SounderState sounderState = TC::SOUNDERS_NORMAL;

signals:
    void rbusSoundersEvent(TC::SounderState state);
    void rbusLogUpdated();

private:
    friend class SC_Singleton<rbusEventLog>;

    rbusEventLog() = default;

    quint16 orFireFlag(int count) const;
};
