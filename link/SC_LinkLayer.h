#pragma once

#include "link/SC_LinkFramer.h"
#include "link/SyncPacket.h"

#include <QObject>

class SC_Timer;
class sc_link;

// Sits between the transport and the protocol client on the link thread:
// frames what is received and sent, answers the controller's heartbeat on
// channel 0 and reports the link down when the heartbeat stops for 42 s or
// the transport fails. Every other channel goes on as a SyncPacket.
//
// Heartbeat body (channel 0): 1, then optionally the link status and a
// toggle byte. Answer: 0x81 and the reply byte.
class SC_LinkLayer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int HeartbeatTimeoutMs = 42000;
    static constexpr quint8 LinkStatusDown = 2;

    explicit SC_LinkLayer(sc_link *transport, QObject *parent = nullptr);

signals:
    void Packet(SyncPacket packet);
    void LinkStatus(bool up, quint8 status);

public slots:
    void ReceivedData(QByteArray bytes);
    void HeartbeatTimeout();
    void Start();
    void Stop();
    void Send(quint8 channel, QByteArray body);
    void SendACK(quint8 channel, QByteArray body);
    void SocketError();
    void NewConnection();

private:
    void handleLinkControl(const QByteArray &body);

    sc_link *m_transport;
    SC_LinkFramer m_framer;
    SC_Timer *m_heartbeatTimer;
    quint8 m_replyByte = 2;
};
