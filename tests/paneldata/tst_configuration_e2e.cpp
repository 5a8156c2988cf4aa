#include "FreePort.h"
#include "HeldPoints.h"
#include "PanelSimProcess.h"
#include "PortArguments.h"
#include "Site.h"
#include "app/QVemoApplication.h"
#include "app/SC_App.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/SWVersions.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

quint16 s_port = 0;

int siteChannelPoints(const SitePanel &panel)
{
    int points = 0;
    for (const SiteChannel &channel : panel.channels)
        points += channel.points.size();
    return points;
}

void clearConfiguration()
{
    PointCoreConfiguration::instance()->clearPanel(255);
    PanelConfiguration::instance()->clearAll();
    LoopDriverConfiguration::instance()->clearAll();
    LoopDriverConfiguration::instance()->clearAllLoopBits();
    SWVersions::instance()->clearAll();
}

} // namespace

// The engine's link in this process, the controller emulator at the other
// end sending its demo site: the configuration singletons end up holding
// that site.
class TestConfigurationEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void engineHoldsTheSite_data();
    void engineHoldsTheSite();

private:
    void comparePanel(const SitePanel &panel);

    QTemporaryDir m_dataDirectory;
    std::unique_ptr<SC_App> m_app;
    PanelSimProcess m_controller;
    const SiteConfiguration m_site = Site::demo().configuration;
};

void TestConfigurationEndToEnd::initTestCase()
{
    QVERIFY(m_dataDirectory.isValid());
    const QString build = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
    m_app = std::make_unique<SC_App>();
    m_app->Start();
    QVERIFY(QDir::setCurrent(build));
    QVERIFY(m_controller.start(s_port));
    QVERIFY(m_controller.waitForLine(QStringLiteral("connected")) >= 0);
}

void TestConfigurationEndToEnd::cleanupTestCase()
{
    m_app.reset();
}

void TestConfigurationEndToEnd::engineHoldsTheSite_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("layout 0") << 0;
    QTest::newRow("layout 1") << 1;
}

void TestConfigurationEndToEnd::engineHoldsTheSite()
{
    QFETCH(int, layout);
    clearConfiguration();
    const int from = m_controller.lineCount();
    m_controller.command(QStringLiteral("layout %1").arg(layout));
    m_controller.command(QStringLiteral("site"));
    QVERIFY(m_controller.waitForLine(QStringLiteral("site-sent"), from) >= 0);

    const SitePanel &last = m_site.panels.last();
    QTRY_COMPARE_WITH_TIMEOUT(heldPoints(last.number), siteChannelPoints(last), 30000);

    QList<quint8> panels;
    for (const SitePanel &panel : m_site.panels)
        panels << panel.number;
    QCOMPARE(PanelConfiguration::instance()->panels(), panels);
    for (const SitePanel &panel : m_site.panels)
        comparePanel(panel);
}

void TestConfigurationEndToEnd::comparePanel(const SitePanel &panel)
{
    const quint8 p = panel.number;
    QCOMPARE(PanelConfiguration::instance()->panelName(p, 1), panel.name1);
    QCOMPARE(PanelConfiguration::instance()->panelName(p, 2), panel.name2);
    QCOMPARE(PanelConfiguration::instance()->projectName(p), panel.projectName);
    QCOMPARE(PanelConfiguration::instance()->projectIssue(p), panel.projectIssue);
    QCOMPARE(PanelConfiguration::instance()->investigateDelay(p), panel.investigateDelay);
    QCOMPARE(PanelConfiguration::instance()->zoneLimit(p), panel.zoneLimit);

    const QBitArray loopBits = LoopDriverConfiguration::instance()->panelLoopBits(p);
    QList<int> loops;
    for (quint8 loop : panel.loops()) {
        loops << loop;
        QVERIFY(loopBits.testBit(loop));
    }
    QCOMPARE(loopBits.count(true), loops.size());
    QCOMPARE(LoopDriverConfiguration::instance()->loopNumbers(p), loops);
    for (const SiteLoopDriver &driver : panel.loopDrivers) {
        QCOMPARE(LoopDriverConfiguration::instance()->loopPairing(p, driver.loop), driver.pairing);
        QCOMPARE(LoopDriverConfiguration::instance()->loopDriverType(p, driver.loop), driver.driverType);
    }

    for (const SiteEquipment &equipment : panel.equipment) {
        const QVector<EquipmentRecord> held =
            SWVersions::instance()->recordsOfKindAndSubKind(p, equipment.kind, equipment.subKind);
        QVERIFY(std::any_of(held.cbegin(), held.cend(), [&equipment](const EquipmentRecord &record) {
            return record.firstAddressByte == equipment.firstAddressByte
                   && record.secondAddressByte == equipment.secondAddressByte
                   && record.versions.size() == equipment.versions.size()
                   && record.versions.first().major == equipment.versions.first().major;
        }));
    }

    // Every point of the site, channel by channel, in the site's order, and
    // the zones counting them.
    QMap<quint8, int> zoneCounts;
    PointCoreIterator *iterator = PointCoreConfiguration::instance()->pointIterator(p);
    for (const SiteChannel &channel : panel.channels) {
        for (const SitePoint &point : channel.points) {
            QVERIFY(iterator->next());
            QCOMPARE(iterator->currentChannelKey(), ChannelAddress(channel.kind, channel.address, channel.number));
            QCOMPARE(*iterator->currentRecord(),
                     PointAddressKey(point.point, point.zone, point.deviceType, point.attributes, point.functionFlags,
                                     point.logicalNumber));
            if (point.zone != 0 || channel.kind <= 7)
                ++zoneCounts[point.zone];
        }
    }
    QVERIFY(!iterator->next());
    for (auto it = zoneCounts.cbegin(); it != zoneCounts.cend(); ++it)
        QCOMPARE(int(PointCoreConfiguration::instance()->channelValue(p, it.key())), it.value());
}

int main(int argc, char **argv)
{
    s_port = freePort();
    PortArguments arguments(argc, argv, s_port);
    QVemoApplication application(arguments.count(), arguments.values());
    TestConfigurationEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configuration_e2e.moc"
