#include "link/SC_Ethernet.h"

#include <QDebug>
#include <QNetworkInterface>
#include <QSignalBlocker>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr qint64 ReadBufferBytes = 64 * 1024;

QString peerText(const QTcpSocket &socket)
{
    return QStringLiteral("%1:%2").arg(socket.peerAddress().toString()).arg(socket.peerPort());
}

} // namespace

SC_Ethernet::SC_Ethernet(quint16 port, QObject *parent)
    : sc_link(parent)
    , m_port(port)
{
}

void SC_Ethernet::start()
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, &SC_Ethernet::newConnection);
    }
    if (m_server->isListening())
        return;
    if (!m_server->listen(QHostAddress::AnyIPv4, m_port)) {
        qWarning().nospace().noquote() << "SC_Ethernet::start"
                                       << " cannot listen on port " << m_port << ": " << m_server->errorString()
                                       << "; no controller can reach this engine";
        return;
    }
    qInfo().nospace() << "SC_Ethernet::start listening on port " << m_port;
}

void SC_Ethernet::stop()
{
    if (m_server)
        m_server->close();
    dropClient();
}

void SC_Ethernet::dropClient()
{
    if (!m_client)
        return;
    m_client->disconnect(this);
    m_client->close();
    m_client->deleteLater();
    m_client = nullptr;
}

// The socket keeps whatever the kernel does not take at once and writes it
// as the connection drains, so a frame always leaves whole.
void SC_Ethernet::send(const QByteArray &frame)
{
    if (!m_client)
        return;
    if (m_client->write(frame) != frame.size()) {
        qWarning().nospace().noquote() << "SC_Ethernet::send"
                                       << " frame of " << frame.size()
                                       << " bytes not queued: " << m_client->errorString();
    }
}

void SC_Ethernet::newConnection()
{
    const QString previousPeer = m_client ? peerText(*m_client) : QString();
    // A controller that closed and came straight back is seen here before
    // its old socket told of the close: the close still loses the link, and
    // before the new connection. A live connection taken over loses nothing.
    if (m_client && m_client->state() == QAbstractSocket::ConnectedState && hasPeerClosed()) {
        qWarning().nospace() << "SC_Ethernet::newConnection"
                             << " the previous connection had been closed";
        emit Error();
    }
    dropClient();
    m_client = m_server->nextPendingConnection();
    if (!m_client)
        return;
    // Whoever can reach the port replaces the controller: say so.
    if (!previousPeer.isEmpty()) {
        qWarning().nospace().noquote() << "SC_Ethernet::newConnection " << peerText(*m_client)
                                       << " takes the link over from " << previousPeer;
    }
    // Bounded, so that the socket stops taking bytes from the kernel while
    // the link does not read them and TCP holds the sender back.
    m_client->setReadBufferSize(ReadBufferBytes);
    m_client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_client, &QAbstractSocket::errorOccurred, this, &SC_Ethernet::displayError);
    connect(m_client, &QIODevice::readyRead, this, &SC_Ethernet::dataReady);
    recordLinkAddresses();
}

// Lets the socket read what is pending, quietly: the connection is about to
// be replaced, so neither its last bytes nor a time-out count.
bool SC_Ethernet::hasPeerClosed()
{
    const QSignalBlocker quiet(m_client);
    m_client->waitForReadyRead(0);
    return m_client->state() != QAbstractSocket::ConnectedState;
}

void SC_Ethernet::dataReady()
{
    if (m_client && m_receiving && m_client->bytesAvailable() > 0)
        emit Data(m_client->readAll());
}

// What arrived meanwhile is read from the event loop, not from inside the
// link layer that turned receiving back on.
void SC_Ethernet::setReceiving(bool on)
{
    m_receiving = on;
    if (on)
        QMetaObject::invokeMethod(this, &SC_Ethernet::dataReady, Qt::QueuedConnection);
}

void SC_Ethernet::displayError(QAbstractSocket::SocketError error)
{
    qWarning().nospace() << "SC_Ethernet::displayError " << error;
    emit Error();
}

void SC_Ethernet::recordLinkAddresses()
{
    const QHostAddress local = m_client->localAddress();
    QString mac;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &networkInterface : interfaces) {
        const QList<QNetworkAddressEntry> entries = networkInterface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip() == local)
                mac = networkInterface.hardwareAddress().toUpper();
        }
    }
    emit Connected(local.toString(), m_client->peerAddress().toString(), mac);
}
