#include "FreePort.h"
#include "MessageCapture.h"
#include "link/SC_Ethernet.h"
#include "link/SC_EthernetLinkLayerFactory.h"
#include "link/SC_LinkLayer.h"

#include <QNetworkInterface>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

constexpr int Timeout = 10000;

std::unique_ptr<QTcpSocket> connectedController(quint16 port)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    if (!socket->waitForConnected(Timeout))
        return nullptr;
    return socket;
}

} // namespace

class tst_Ethernet final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bytesFlowBothWays();
    void connectionReportsItsAddresses();
    void newestConnectionTakesOver();
    void sendWithoutControllerIsDropped();
    void peerCloseIsAnError();
    void closedThenReconnectedIsAnErrorFirst();
    void largeFrameLeavesWhole();
    void factoryStartsOnce();

private:
    quint16 m_port = 0;
    std::unique_ptr<SC_Ethernet> m_transport;
};

void tst_Ethernet::init()
{
    m_port = freePort();
    m_transport = std::make_unique<SC_Ethernet>(m_port);
    m_transport->start();
}

void tst_Ethernet::cleanup()
{
    m_transport.reset();
}

void tst_Ethernet::bytesFlowBothWays()
{
    QSignalSpy data(m_transport.get(), &sc_link::Data);
    QSignalSpy connected(m_transport.get(), &sc_link::Connected);
    const auto controller = connectedController(m_port);
    QVERIFY(controller);
    QVERIFY(connected.wait(Timeout));

    controller->write("\x01\x02\x03");
    QTRY_VERIFY_WITH_TIMEOUT(!data.isEmpty(), Timeout);
    QByteArray received;
    for (const QList<QVariant> &arguments : qAsConst(data))
        received += arguments.at(0).toByteArray();
    QCOMPARE(received, QByteArray("\x01\x02\x03"));

    m_transport->send("\xaa\x55");
    QTRY_COMPARE_WITH_TIMEOUT(controller->bytesAvailable(), qint64(2), Timeout);
    QCOMPARE(controller->readAll(), QByteArray("\xaa\x55"));
}

void tst_Ethernet::connectionReportsItsAddresses()
{
    QSignalSpy connected(m_transport.get(), &sc_link::Connected);
    const auto controller = connectedController(m_port);
    QVERIFY(controller);
    QVERIFY(connected.wait(Timeout));
    QCOMPARE(connected.at(0).at(0).toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(connected.at(0).at(1).toString(), QStringLiteral("127.0.0.1"));
    QString loopbackMac;
    for (const QNetworkInterface &networkInterface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry &entry : networkInterface.addressEntries()) {
            if (entry.ip() == QHostAddress(QHostAddress::LocalHost))
                loopbackMac = networkInterface.hardwareAddress().toUpper();
        }
    }
    QCOMPARE(connected.at(0).at(2).toString(), loopbackMac);
}

void tst_Ethernet::newestConnectionTakesOver()
{
    MessageCapture messages;
    QSignalSpy connected(m_transport.get(), &sc_link::Connected);
    QSignalSpy errors(m_transport.get(), &sc_link::Error);
    const auto first = connectedController(m_port);
    QVERIFY(first);
    const quint16 firstPort = first->localPort();
    QVERIFY(connected.wait(Timeout));
    const auto second = connectedController(m_port);
    QVERIFY(second);
    QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 2, Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(first->state(), QAbstractSocket::UnconnectedState, Timeout);
    // Taking over is not a link failure, but it is logged with both peers.
    QCOMPARE(errors.count(), 0);
    const QString takeover =
        QStringLiteral("SC_Ethernet::newConnection 127.0.0.1:%1 takes the link over from 127.0.0.1:%2")
            .arg(second->localPort())
            .arg(firstPort);
    QVERIFY2(messages.warnings().contains(takeover), qPrintable(messages.warnings().join(QLatin1Char('\n'))));

    m_transport->send("xyz");
    QTRY_COMPARE_WITH_TIMEOUT(second->bytesAvailable(), qint64(3), Timeout);
}

void tst_Ethernet::sendWithoutControllerIsDropped()
{
    QSignalSpy connected(m_transport.get(), &sc_link::Connected);
    QSignalSpy errors(m_transport.get(), &sc_link::Error);
    m_transport->send("lost");
    const auto controller = connectedController(m_port);
    QVERIFY(controller);
    QVERIFY(connected.wait(Timeout));
    m_transport->send("kept");
    QTRY_COMPARE_WITH_TIMEOUT(controller->bytesAvailable(), qint64(4), Timeout);
    QCOMPARE(controller->readAll(), QByteArray("kept"));
    QCOMPARE(errors.count(), 0);
}

void tst_Ethernet::peerCloseIsAnError()
{
    QSignalSpy connected(m_transport.get(), &sc_link::Connected);
    QSignalSpy errors(m_transport.get(), &sc_link::Error);
    auto controller = connectedController(m_port);
    QVERIFY(controller);
    QVERIFY(connected.wait(Timeout));
    controller->disconnectFromHost();
    QVERIFY(errors.wait(Timeout));
}

// A controller that closes and connects again before the engine has looked
// at either socket: the close still counts as a failure, and before the new
// connection, so the link goes down and up again.
void tst_Ethernet::closedThenReconnectedIsAnErrorFirst()
{
    QStringList events;
    connect(m_transport.get(), &sc_link::Connected, this, [&events] { events << QStringLiteral("connected"); });
    connect(m_transport.get(), &sc_link::Error, this, [&events] { events << QStringLiteral("error"); });
    auto first = connectedController(m_port);
    QVERIFY(first);
    QTRY_COMPARE_WITH_TIMEOUT(events, QStringList{QStringLiteral("connected")}, Timeout);

    first->abort();
    const auto second = connectedController(m_port);
    QVERIFY(second);
    QTRY_COMPARE_WITH_TIMEOUT(events.count(QStringLiteral("connected")), 2, Timeout);
    QCOMPARE(events, (QStringList{"connected", "error", "connected"}));
    m_transport->send("xyz");
    QTRY_COMPARE_WITH_TIMEOUT(second->bytesAvailable(), qint64(3), Timeout);
}

// Far more than a socket takes in one write: the whole frame arrives.
void tst_Ethernet::largeFrameLeavesWhole()
{
    QSignalSpy connected(m_transport.get(), &sc_link::Connected);
    const auto controller = connectedController(m_port);
    QVERIFY(controller);
    QVERIFY(connected.wait(Timeout));
    QByteArray frame(16 * 1024 * 1024, '\0');
    for (int i = 0; i < frame.size(); ++i)
        frame[i] = char(i * 7);
    m_transport->send(frame);
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT((received += controller->readAll()).size() >= frame.size(), 30000);
    QCOMPARE(received.size(), frame.size());
    QVERIFY(received == frame);
}

void tst_Ethernet::factoryStartsOnce()
{
    m_transport.reset();
    SC_EthernetLinkLayerFactory factory;
    QCOMPARE(factory.port(), quint16(56789));
    factory.setPort(m_port);
    factory.Stop();
    QSignalSpy started(&factory, &SC_EthernetLinkLayerFactory::Started);
    factory.Start();
    QCOMPARE(started.count(), 1);
    SC_LinkLayer *layer = factory.linkLayer();
    QVERIFY(layer);
    QVERIFY(factory.transport());
    factory.Start();
    QCOMPARE(started.count(), 1);
    QCOMPARE(factory.linkLayer(), layer);

    // Listening: a controller's heartbeat is answered.
    const auto controller = connectedController(m_port);
    QVERIFY(controller);
    controller->write(QByteArray::fromHex("aa55aa5500000000010102"));
    QTRY_COMPARE_WITH_TIMEOUT(controller->bytesAvailable(), qint64(11), Timeout);
    QCOMPARE(controller->readAll().toHex(), QByteArray("aa55aa55000000000281 01").replace(' ', ""));

    factory.Stop();
    QVERIFY(!factory.linkLayer());
    QVERIFY(!factory.transport());
    factory.Stop();
}

QTEST_GUILESS_MAIN(tst_Ethernet)
#include "tst_ethernet.moc"
