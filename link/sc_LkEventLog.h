#pragma once

#include <QObject>

class SyncClient;

// The engine's client of the controller's event-log service. So far it
// asks the service to send its events again.
class sc_LkEventLog final : public QObject
{
    Q_OBJECT

public:
    sc_LkEventLog(SyncClient *client, QObject *parent);

    // An acknowledgement of type 14: client 65535, sequence 0, status 2.
    void requestReSync();

private:
    SyncClient *m_client;
};
