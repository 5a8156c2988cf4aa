#pragma once

#include "link/SC_LinkFramer.h"
#include "link/SC_ReceiveBacklog.h"
#include "link/SyncPacket.h"

#include <QObject>
#include <QVector>

#include <memory>

class SC_Timer;
class SC_WarningSummary;
class sc_link;

// Sits between the transport and the protocol client on the link thread:
// frames what is received and sent, answers the controller's heartbeat on
// channel 0 and reports the link down when the heartbeat stops for 42 s or
// the transport fails. Every other channel goes on as a SyncPacket.
//
// Heartbeat body (channel 0): 1, then optionally the link status and a
// toggle byte. Answer: 0x81 and the reply byte.
//
// The packets framed from one read of the transport go on together, in one
// Packets signal, so the receiver can treat a read as a unit (the event log
// stores a read's events in one transaction). A heartbeat closes the read
// so far, so that packets and link statuses arrive in the order they came.
//
// At most SC_ReceiveBacklog::Limit packets wait for the screen thread; above
// that the link layer stops framing and the transport stops reading until
// the screen thread has caught up (ResumeReceiving). Channel-1 bodies too
// short for an LkSpeak header never leave the link thread.
class SC_LinkLayer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int HeartbeatTimeoutMs = 42000;
    static constexpr quint8 LinkStatusDown = 2;

    explicit SC_LinkLayer(sc_link *transport, QObject *parent = nullptr);

    // The receiver of Packet counts each packet it has handled here.
    std::shared_ptr<SC_ReceiveBacklog> receiveBacklog() const { return m_backlog; }

signals:
    // Never empty.
    void Packets(QVector<SyncPacket> packets);
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
    // The screen thread has taken the backlog below its limit.
    void ResumeReceiving();

private:
    void frameBufferedBytes();
    void deliver(const SyncPacket &frame, QVector<SyncPacket> &read);
    void handOver(QVector<SyncPacket> &read);
    void setReceiving(bool on);
    void restartHeartbeatSupervision();
    void handleLinkControl(const QByteArray &body);

    sc_link *m_transport;
    SC_LinkFramer m_framer;
    SC_Timer *m_heartbeatTimer;
    quint8 m_replyByte = 2;
    std::shared_ptr<SC_ReceiveBacklog> m_backlog = std::make_shared<SC_ReceiveBacklog>();
    bool m_receivingPaused = false;
    bool m_framing = false;
    bool m_heartbeatHeard = false;
    SC_WarningSummary *m_warnings;
};
