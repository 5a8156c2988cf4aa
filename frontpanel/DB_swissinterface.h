#pragma once

#include "core/SC_Singleton.h"

#include <QDBusAbstractInterface>

// The regional indicator board "svc.swiss": its fire, fault and FSA LEDs.
// The calls are sent without waiting, so a slow or missing board never holds
// up the panel's screen; the flasher sends every state again every 10 s.
class DB_swissinterface final
    : public QDBusAbstractInterface
    , public SC_Singleton<DB_swissinterface>
{
    Q_OBJECT

public:
    void setFireLed(bool on);
    void setFaultLed(bool on);
    void setFSALed(bool on);

private:
    friend class SC_Singleton<DB_swissinterface>;

    DB_swissinterface();

    void send(const QString &method, bool on);
};
