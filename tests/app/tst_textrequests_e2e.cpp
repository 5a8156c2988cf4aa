#include "SameThreadLink.h"
#include "app/PanelModelWiring.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
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
    QTemporaryDir m_directory;
    std::unique_ptr<SameThreadLink> m_link;
};

void tst_TextRequestsEndToEnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    TeskGlobalConfig::instance()->setPanelNumber(LocalPanel);
    m_link = std::make_unique<SameThreadLink>();
    SyncClient *client = SyncClient::instance();
    PanelModelWiring::connectTextRequests(model::instance(), client);
    QVERIFY(m_link->connect());
    QVERIFY(m_link->heartbeatAnswered());
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), Timeout);

    // The controller offers texts on request (the global configuration
    // page would say so) and puts panel 2 on the network in state 2.
    BucketMaster::instance()->setValue(GlobalBucket, QStringLiteral("mnlTxtRtrlSpt"), QStringLiteral("1"));
    const int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("netstate %1 2").arg(RemotePanel));
    QVERIFY(m_link->waitForLine(QStringLiteral("ack page=17 panel=254"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(PanelsFromLkNetConfiguration::instance()->panelState(RemotePanel), quint8(2), Timeout);
}

void tst_TextRequestsEndToEnd::cleanupTestCase()
{
    m_link.reset();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
}

void tst_TextRequestsEndToEnd::remotePointName()
{
    model *panelModel = model::instance();
    const int from = m_link->controller().lineCount();

    // Loop 1 of panel 2, point 5.
    QCOMPARE(panelModel->pointName(RemotePanel, 12, 0, 1, 5, 1), QStringLiteral("_EMPTY_POINT_NAME_REMOTE_INFOTEXT"));

    QVERIFY(m_link->waitForLine(
                QStringLiteral("text-answer point panel=2 channel=0/1 point=5 language=1 text=Point 2.1.5"), from)
            >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(panelModel->pointName(RemotePanel, 12, 0, 1, 5, 1), QStringLiteral("Point 2.1.5"),
                              Timeout);
    // Asked for once.
    QCOMPARE(m_link->controller().count(QStringLiteral("text-answer point panel=2 channel=0/1 point=5 language=1")), 1);
}

void tst_TextRequestsEndToEnd::remoteZoneName()
{
    model *panelModel = model::instance();
    const int from = m_link->controller().lineCount();

    QCOMPARE(panelModel->zoneName(RemotePanel, 7, 1), QStringLiteral("_EMPTY_ZONE_NAME_REMOTE_INFOTEXT"));

    QVERIFY(m_link->waitForLine(QStringLiteral("text-answer zone panel=2 zone=7 language=1 text=Zone 7"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(panelModel->zoneName(RemotePanel, 7, 1), QStringLiteral("Zone 7"), Timeout);
}

QTEST_MAIN(tst_TextRequestsEndToEnd)
#include "tst_textrequests_e2e.moc"
