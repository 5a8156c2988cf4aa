#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The byte transport under the link layer: one connection to the
// controller at a time.
class sc_link : public QObject
{
    Q_OBJECT

public:
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void send(const QByteArray &frame) = 0;
    // While off, nothing is read from the connection, so the sender is held
    // back; turned on again, what waits is read.
    virtual void setReceiving(bool on) = 0;

signals:
    void Data(QByteArray bytes);
    void Error();
    // A controller connected; a connection that replaces an earlier one
    // reports again. The texts are the link addresses the network status
    // screens show.
    void Connected(QString localAddress, QString peerAddress, QString localMac);

protected:
    explicit sc_link(QObject *parent)
        : QObject(parent)
    {
    }
};
