#include "FreePort.h"
#include "PanelSimProcess.h"
#include "app/PanelModelWiring.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_Ethernet.h"
#include "link/SC_LinkLayer.h"
#include "link/SyncClient.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/SC_PageHandlerTable.h"
#include "pointmodels/model.h"

#include <QtTest>

#include <memory>

// A remote panel's names, asked for by the panel model as the engine wires
// it at start-up, with the controller emulator at the other end of a real
// link: the request reaches the controller and its answer is the name the
// model gives next time.

namespace {

constexpr int Timeout = 30000;
constexpr quint8 LocalPanel = 1;
// Panel 2 of the emulator's site, on the network in state 2: the controller
// does not replicate its texts but answers for each.
constexpr quint8 RemotePanel = 2;
constexpr int GlobalBucket = 41;

} // namespace

class tst_TextRequestsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void remotePointName();
    void remoteZoneName();

private:
    int waitForLine(const QString &start, int from);

    QTemporaryDir m_directory;
    std::unique_ptr<PanelSimProcess> m_controller;
    std::unique_ptr<SC_Ethernet> m_transport;
    std::unique_ptr<SC_LinkLayer> m_link;
};

void tst_TextRequestsEndToEnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    TeskGlobalConfig::instance()->setPanelNumber(LocalPanel);
    SyncClient *client = SyncClient::instance();
    SC_PageHandlerTable::registerWith(client);
    client->feedStateStore(BucketMaster::instance());
    PanelModelWiring::connectTextRequests(model::instance(), client);
    const quint16 port = freePort();
    m_transport = std::make_unique<SC_Ethernet>(port);
    m_link = std::make_unique<SC_LinkLayer>(m_transport.get());
    client->connectLinkLayer(m_link.get());
    m_link->Start();
    m_controller = std::make_unique<PanelSimProcess>();
    QVERIFY(m_controller->start(port));
    QVERIFY(waitForLine(QStringLiteral("connected"), 0) >= 0);
    int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("beat 2"));
    QVERIFY(waitForLine(QStringLiteral("heartbeat-answer 1"), from) >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), Timeout);

    // The controller offers texts on request (the global configuration
    // page would say so) and puts panel 2 on the network in state 2.
    BucketMaster::instance()->setValue(GlobalBucket, QStringLiteral("mnlTxtRtrlSpt"), QStringLiteral("1"));
    from = m_controller->lineCount();
    m_controller->command(QStringLiteral("netstate %1 2").arg(RemotePanel));
    QVERIFY(waitForLine(QStringLiteral("ack page=17 panel=254"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(PanelsFromLkNetConfiguration::instance()->panelState(RemotePanel), quint8(2), Timeout);
}

void tst_TextRequestsEndToEnd::cleanupTestCase()
{
    m_controller.reset();
    m_link.reset();
    m_transport.reset();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
}

int tst_TextRequestsEndToEnd::waitForLine(const QString &start, int from)
{
    const int found = m_controller->waitForLineWithEvents(start, from, Timeout);
    if (found < 0)
        qWarning().noquote() << m_controller->lines().join(QLatin1Char('\n'));
    return found;
}

void tst_TextRequestsEndToEnd::remotePointName()
{
    model *panelModel = model::instance();
    const int from = m_controller->lineCount();

    // Loop 1 of panel 2, point 5.
    QCOMPARE(panelModel->pointName(RemotePanel, 12, 0, 1, 5, 1), QStringLiteral("_EMPTY_POINT_NAME_REMOTE_INFOTEXT"));

    QVERIFY(
        waitForLine(QStringLiteral("text-answer point panel=2 channel=0/1 point=5 language=1 text=Point 2.1.5"), from)
        >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(panelModel->pointName(RemotePanel, 12, 0, 1, 5, 1), QStringLiteral("Point 2.1.5"),
                              Timeout);
    // Asked for once.
    QCOMPARE(m_controller->count(QStringLiteral("text-answer point panel=2 channel=0/1 point=5 language=1")), 1);
}

void tst_TextRequestsEndToEnd::remoteZoneName()
{
    model *panelModel = model::instance();
    const int from = m_controller->lineCount();

    QCOMPARE(panelModel->zoneName(RemotePanel, 7, 1), QStringLiteral("_EMPTY_ZONE_NAME_REMOTE_INFOTEXT"));

    QVERIFY(waitForLine(QStringLiteral("text-answer zone panel=2 zone=7 language=1 text=Zone 7"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(panelModel->zoneName(RemotePanel, 7, 1), QStringLiteral("Zone 7"), Timeout);
}

QTEST_MAIN(tst_TextRequestsEndToEnd)
#include "tst_textrequests_e2e.moc"
