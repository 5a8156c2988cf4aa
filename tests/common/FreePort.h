#pragma once

#include <QHostAddress>
#include <QTcpServer>

// A loopback port nobody listens on at the moment of asking.
inline quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
