#include "ControllerLink.h"

namespace {

constexpr int RetryMs = 200;

} // namespace

ControllerLink::ControllerLink(const QString &host, quint16 port, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_port(port)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_wanted && m_socket.state() == QAbstractSocket::UnconnectedState)
            m_socket.connectToHost(m_host, m_port);
    });
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_stream.clear();
        m_retryReported = false;
        emit connected();
    });
    connect(&m_socket, &QTcpSocket::disconnected, this, &ControllerLink::disconnected);
    connect(&m_socket, &QAbstractSocket::errorOccurred, this, [this] {
        if (!m_wanted || m_socket.state() == QAbstractSocket::ConnectedState)
            return;
        if (!m_retryReported) {
            m_retryReported = true;
            emit retrying(m_socket.errorString(), RetryMs);
        }
        m_retry.start();
    });
    connect(&m_socket, &QIODevice::readyRead, this, &ControllerLink::readFrames);
}

void ControllerLink::open()
{
    m_wanted = true;
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        return;
    m_retryReported = false;
    emit connecting();
    m_socket.connectToHost(m_host, m_port);
}

QString ControllerLink::address() const
{
    return QStringLiteral("%1:%2").arg(m_host).arg(m_port);
}

void ControllerLink::close()
{
    m_wanted = false;
    m_retry.stop();
    m_socket.disconnectFromHost();
}

void ControllerLink::reconnect()
{
    m_retry.stop();
    m_socket.abort();
    m_wanted = true;
    m_socket.connectToHost(m_host, m_port);
}

void ControllerLink::send(quint8 channel, const QByteArray &body)
{
    sendRaw(LinkFrameStream::encode(channel, body));
}

void ControllerLink::sendRaw(const QByteArray &bytes)
{
    if (!isConnected()) {
        ++m_droppedSends;
        return;
    }
    m_socket.write(bytes);
    m_bytesSent += bytes.size();
}

void ControllerLink::readFrames()
{
    m_stream.append(m_socket.readAll());
    while (const std::optional<LinkFrame> frame = m_stream.takeFrame())
        emit frameReceived(*frame);
}
