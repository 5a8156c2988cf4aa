#pragma once

#include <QObject>

class SyncClient;

// The engine's client of the controller's log-manager service, which
// reports the events accepted anywhere on the network. The packets are
// handled by SC_EventAcceptedPacket; this object is where the event screens
// hear of them.
class sc_LkLogManagerServices final : public QObject
{
    Q_OBJECT

public:
    explicit sc_LkLogManagerServices(QObject *parent);

signals:
    // Once per packet, after the log is updated and the packet acknowledged.
    void logEventAccepted();
};
