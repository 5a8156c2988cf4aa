#pragma once

#include "link/sc_link.h"

#include <QAbstractSocket>

class QTcpServer;
class QTcpSocket;

// The engine's side of the controller link: listens on the engine port on
// every IPv4 address and keeps the newest connection. A controller that
// reconnects takes the link over from its previous connection.
class SC_Ethernet final : public sc_link
{
    Q_OBJECT

public:
    explicit SC_Ethernet(quint16 port, QObject *parent = nullptr);

    void start() override;
    void stop() override;
    void send(const QByteArray &frame) override;
    void setReceiving(bool on) override;

private slots:
    void newConnection();
    void dataReady();
    void displayError(QAbstractSocket::SocketError error);

private:
    void dropClient();
    bool hasPeerClosed();
    void recordLinkAddresses();

    quint16 m_port;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_client = nullptr;
    bool m_receiving = true;
};
