#include "link/SC_LinkLayer.h"

#include "core/SC_Timer.h"
#include "core/SC_WarningSummary.h"
#include "link/SC_PacketBuffer.h"
#include "link/SyncClient.h"
#include "link/sc_link.h"

namespace {

constexpr quint8 LinkControlChannel = 0;
constexpr quint8 HeartbeatRequest = 1;
constexpr quint8 HeartbeatAnswer = 0x81;

} // namespace

SC_LinkLayer::SC_LinkLayer(sc_link *transport, QObject *parent)
    : QObject(parent)
    , m_transport(transport)
    , m_heartbeatTimer(SC_Timer::create(this))
    , m_warnings(new SC_WarningSummary(QStringLiteral("SC_LinkLayer::ReceivedData"), this))
{
}

void SC_LinkLayer::Start()
{
    connect(m_transport, &sc_link::Data, this, &SC_LinkLayer::ReceivedData);
    connect(m_transport, &sc_link::Error, this, &SC_LinkLayer::SocketError);
    connect(m_transport, &sc_link::Connected, this, &SC_LinkLayer::NewConnection);
    connect(m_heartbeatTimer, &SC_Timer::timeout, this, &SC_LinkLayer::HeartbeatTimeout);
    qRegisterMetaType<SyncPacket>("SyncPacket");
    qRegisterMetaType<QVector<SyncPacket>>("QVector<SyncPacket>");
    m_transport->start();
    m_heartbeatTimer->start(HeartbeatTimeoutMs);
}

void SC_LinkLayer::Stop()
{
    m_transport->stop();
    m_heartbeatTimer->stop();
}

void SC_LinkLayer::ReceivedData(QByteArray bytes)
{
    m_framer.append(bytes);
    frameBufferedBytes();
}

// Frames until the buffer holds no whole frame or the screen thread's
// backlog is full; in the latter case the transport stops reading, and the
// bytes already read wait here. A receiver on this thread (a benchmark, a
// test) has handled a hand-over when emit returns, and asks for more from
// inside it: the loop is at it already, and goes on in order.
void SC_LinkLayer::frameBufferedBytes()
{
    if (m_framing)
        return;
    m_framing = true;
    QVector<SyncPacket> read;
    SyncPacket frame;
    bool needMore = false;
    while (!needMore) {
        if (m_backlog->isFull()) {
            handOver(read);
            if (m_backlog->isFull())
                break;
            continue;
        }
        switch (m_framer.next(frame)) {
        case SC_LinkFramer::Result::NeedMore:
            needMore = true;
            break;
        case SC_LinkFramer::Result::Garbage:
            break;
        case SC_LinkFramer::Result::Oversized:
            m_warnings->warn([this] {
                return QStringLiteral("SC_LinkFramer::next body length %1 above the limit: frame marker dropped")
                    .arg(m_framer.oversizedLength());
            });
            break;
        case SC_LinkFramer::Result::Frame:
            deliver(frame, read);
            break;
        }
    }
    handOver(read);
    setReceiving(needMore);
    restartHeartbeatSupervision();
    m_framing = false;
}

// Once per framing pass, not per heartbeat: no time passes for the timer
// within a pass, and restarting it costs more than framing a heartbeat.
void SC_LinkLayer::restartHeartbeatSupervision()
{
    if (!m_heartbeatHeard)
        return;
    m_heartbeatHeard = false;
    m_heartbeatTimer->start(HeartbeatTimeoutMs);
}

void SC_LinkLayer::deliver(const SyncPacket &frame, QVector<SyncPacket> &read)
{
    if (frame.channel == LinkControlChannel) {
        handOver(read);
        handleLinkControl(frame.body);
        return;
    }
    if (frame.channel == SyncClient::LkSpeakChannel && !SC_PacketBuffer::holdsWholeHeader(frame.body)) {
        m_warnings->warn([&frame] {
            return QStringLiteral("SC_LinkLayer::ReceivedData Packet of %1 bytes is shorter than its header; dropped")
                .arg(frame.body.size());
        });
        return;
    }
    m_backlog->added();
    read.append(frame);
}

void SC_LinkLayer::handOver(QVector<SyncPacket> &read)
{
    if (read.isEmpty())
        return;
    emit Packets(read);
    read.clear();
}

void SC_LinkLayer::setReceiving(bool on)
{
    if (m_receivingPaused == !on)
        return;
    m_receivingPaused = !on;
    m_transport->setReceiving(on);
}

void SC_LinkLayer::ResumeReceiving()
{
    frameBufferedBytes();
}

void SC_LinkLayer::handleLinkControl(const QByteArray &body)
{
    if (body.isEmpty() || quint8(body.at(0)) != HeartbeatRequest)
        return;
    const quint8 status = body.size() >= 2 ? quint8(body.at(1)) : LinkStatusDown;
    m_heartbeatHeard = true;
    emit LinkStatus(true, status);
    if (body.size() >= 3)
        m_replyByte = quint8(body.at(2)) == m_replyByte ? 1 : 2;
    else
        m_replyByte = 1;
    QByteArray answer;
    answer.append(char(HeartbeatAnswer));
    answer.append(char(m_replyByte));
    Send(LinkControlChannel, answer);
}

// A frame still incomplete after a whole heartbeat period never will be:
// keeping it would take every later byte, heartbeats too, as its body.
void SC_LinkLayer::HeartbeatTimeout()
{
    m_framer.reset();
    emit LinkStatus(false, LinkStatusDown);
}

void SC_LinkLayer::SocketError()
{
    m_framer.reset();
    emit LinkStatus(false, LinkStatusDown);
}

// A new connection starts a new byte stream: what the previous one left
// half-framed must not swallow its first frames. Its controller gets the
// whole heartbeat time for its first heartbeat: supervision that began
// before it came would drop a link that has only just come up.
void SC_LinkLayer::NewConnection()
{
    m_framer.reset();
    m_heartbeatTimer->start(HeartbeatTimeoutMs);
}

void SC_LinkLayer::Send(quint8 channel, QByteArray body)
{
    m_transport->send(SC_LinkFramer::frame(channel, body));
}

void SC_LinkLayer::SendACK(quint8 channel, QByteArray body)
{
    Send(channel, body);
}
