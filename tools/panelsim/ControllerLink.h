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
    // Closes the connection and connects again at once, as a controller
    // that restarts its link does.
    void reconnect();
    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    // "127.0.0.1:56789".
    QString address() const;
    // Bytes sent while not connected are dropped; this counts them, so a
    // command can say that it reached nobody.
    int droppedSends() const { return m_droppedSends; }
    void send(quint8 channel, const QByteArray &body);
    void sendRaw(const QByteArray &bytes);
    // Every byte written since the program started, for timing lines.
    qint64 bytesSent() const { return m_bytesSent; }

signals:
    // Once when it starts trying, and once when a try fails (it then goes
    // on trying quietly until it connects).
    void connecting();
    void retrying(const QString &reason, int intervalMs);
    void connected();
    void disconnected();
    void frameReceived(const LinkFrame &frame);

private:
    void readFrames();

    QString m_host;
    quint16 m_port;
    QTcpSocket m_socket;
    QTimer m_retry;
    LinkFrameStream m_stream;
    bool m_wanted = false;
    bool m_retryReported = false;
    int m_droppedSends = 0;
    qint64 m_bytesSent = 0;
};
