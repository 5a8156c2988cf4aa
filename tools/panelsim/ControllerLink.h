#pragma once

#include "LinkFrameStream.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// The controller's TCP connection to the engine. It keeps trying until the
// engine listens, and frames what goes both ways.
class ControllerLink final : public QObject
{
    Q_OBJECT

public:
    ControllerLink(const QString &host, quint16 port, QObject *parent = nullptr);

    void open();
    void close();
    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    void send(quint8 channel, const QByteArray &body);
    void sendRaw(const QByteArray &bytes);
    // Written to the socket and not yet taken by the connection.
    qint64 queuedBytes() const { return m_socket.bytesToWrite(); }

signals:
    void connected();
    void disconnected();
    void frameReceived(const LinkFrame &frame);
    void bytesWritten();

private:
    void readFrames();

    QString m_host;
    quint16 m_port;
    QTcpSocket m_socket;
    QTimer m_retry;
    LinkFrameStream m_stream;
    bool m_wanted = false;
};
