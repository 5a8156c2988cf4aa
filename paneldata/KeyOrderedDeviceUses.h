#pragma once

#include "core/SC_Singleton.h"

#include <QMap>
#include <QObject>
#include <QString>

// The controller's device uses by numeric use id, in id order, rebuilt from
// the state store after every part of the device-uses page. A use's value
// is "kind|device type|text".
class KeyOrderedDeviceUses final
    : public QObject
    , public SC_Singleton<KeyOrderedDeviceUses>
{
    Q_OBJECT

public:
    const QMap<quint16, QString> &uses() const { return m_uses; }
    // How many uses belong together from this one: 1 for a use of kind 1
    // or 3, a use of kind 2 with the uses of kind 3 that follow it, 0 for
    // another kind or an id not held.
    int useGroupSize(quint16 id) const;

public slots:
    void updateOrderedDeviceUses();

private:
    friend class SC_Singleton<KeyOrderedDeviceUses>;

    KeyOrderedDeviceUses() = default;

    QMap<quint16, QString> m_uses;
};
