#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "RecordingService.h"
#include "SentPackets.h"
#include "app/PanelModelWiring.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "pointmodels/LkNetworkStats.h"
#include "widgets/RolesDelegate.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Stands in for the front-panel bus driver.
class FakeBus final : public QObject
{
    Q_OBJECT
signals:
    void connectedInRbusMode();
    void connectedInE30Mode();
    void disconnectedRbusOrE30();
};

// A configuration record in the order of its EEPROM image.
SystemState::Configuration configuration(int guiMode, int rbusMode, int rbusAddress, int reserved, int zonalLedMode)
{
    SystemState::Configuration record;
    record.guiMode = guiMode;
    record.rbusMode = rbusMode;
    record.rbusAddress = rbusAddress;
    record.reserved = reserved;
    record.zonalLedMode = zonalLedMode;
    return record;
}

} // namespace

class TestSystemState final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void afterConstruction();
    void instanceWithoutCreate();
    void connectionMachine_data();
    void connectionMachine();
    void disconnectResetsSummaryButNotEvacuation();
    void summaryFlags_data();
    void summaryFlags();
    void fireResetSignal();
    void bannerStatus();
    void buzzerFlags();
    void brandAndReset();
    void locationTitlesFollowTheBrand();
    void eepromImage_data();
    void eepromImage();
    void eepromWrite_withoutFrontPanelFailsButKeepsRecord();
    void eepromWrite_toFrontPanel();
    void networkStatisticsFollowTheLink();

private:
    enum State { Disconnected, Ethernet, Rbus, E30 };
    State currentState() const;
    void report(const QString &event);

    SystemState *m_state = nullptr;
    FakeEthernetLink m_link;
    FakeBus m_bus;
};

void TestSystemState::init()
{
    m_state = SystemState::instance();
    m_state->watchEthernetLink(&m_link);
    m_state->watchFrontPanelBus(&m_bus);
    settleQueuedEvents();
}

void TestSystemState::cleanup()
{
    delete m_state;
    m_state = nullptr;
}

TestSystemState::State TestSystemState::currentState() const
{
    if (m_state->isEthernetConnected())
        return Ethernet;
    if (m_state->isRbusConnected())
        return Rbus;
    if (m_state->isE30Connected())
        return E30;
    return Disconnected;
}

void TestSystemState::report(const QString &event)
{
    if (event == QLatin1String("link up"))
        emit m_link.updateEnetConnectedToPanel(true);
    else if (event == QLatin1String("link down"))
        emit m_link.updateEnetConnectedToPanel(false);
    else if (event == QLatin1String("rbus"))
        emit m_bus.connectedInRbusMode();
    else if (event == QLatin1String("e30"))
        emit m_bus.connectedInE30Mode();
    else if (event == QLatin1String("bus down"))
        emit m_bus.disconnectedRbusOrE30();
    else
        QFAIL(qPrintable(event));
    settleQueuedEvents();
}

void TestSystemState::afterConstruction()
{
    const SystemState::Configuration &record = m_state->configuration();
    QCOMPARE(record.guiMode, 0);
    QCOMPARE(record.brand, 0);
    QCOMPARE(record.rbusAddress, 1);
    QCOMPARE(record.rbusMode, 0);
    QCOMPARE(record.zonalLedMode, 0);
    QCOMPARE(record.reserved, -1);
    QVERIFY(m_state->isDisconnected());
    QVERIFY(!m_state->isConnected());
    QVERIFY(!m_state->isEthernetOrRbusConnected());
    QCOMPARE(m_state->bannerStatus(), TC::BANNER_NORMAL);
    QVERIFY(!m_state->isFireActive() && !m_state->isFaultActive() && !m_state->isEvacuationActive());
    QVERIFY(!m_state->serviceMenuFlag());
    QVERIFY(!m_state->isBuzzerDisabled() && !m_state->isBuzzerOverride());
}

void TestSystemState::instanceWithoutCreate()
{
    QCOMPARE(SystemState::existingInstance(), m_state);
    delete m_state;
    m_state = nullptr;
    QCOMPARE(SystemState::existingInstance(), nullptr);
}

void TestSystemState::connectionMachine_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("finalState");
    QTest::addColumn<int>("stateChanges");
    // Whether the buzzer, disabled beforehand, was enabled again by entering
    // a connected state.
    QTest::addColumn<bool>("buzzerEnabled");

    QTest::newRow("link up") << QStringList{"link up"} << int(Ethernet) << 1 << true;
    QTest::newRow("link up, down") << QStringList{"link up", "link down"} << int(Disconnected) << 2 << true;
    QTest::newRow("second link up changes nothing") << QStringList{"link up", "link up"} << int(Ethernet) << 1 << true;
    QTest::newRow("link down while disconnected") << QStringList{"link down"} << int(Disconnected) << 0 << false;
    QTest::newRow("rbus") << QStringList{"rbus"} << int(Rbus) << 1 << true;
    QTest::newRow("e30 enables nothing") << QStringList{"e30"} << int(E30) << 1 << false;
    QTest::newRow("rbus then e30") << QStringList{"rbus", "e30"} << int(E30) << 2 << true;
    QTest::newRow("rbus down") << QStringList{"rbus", "bus down"} << int(Disconnected) << 2 << true;
    QTest::newRow("e30 down") << QStringList{"e30", "bus down"} << int(Disconnected) << 2 << false;
    QTest::newRow("link ignored while on the bus") << QStringList{"rbus", "link up"} << int(Rbus) << 1 << true;
    QTest::newRow("bus ignored while on the link")
        << QStringList{"link up", "rbus", "e30", "bus down"} << int(Ethernet) << 1 << true;
    QTest::newRow("rbus ignored in e30") << QStringList{"e30", "rbus"} << int(E30) << 1 << false;
    QTest::newRow("link down ignored in e30") << QStringList{"e30", "link down"} << int(E30) << 1 << false;
}

void TestSystemState::connectionMachine()
{
    QFETCH(QStringList, events);
    QFETCH(int, finalState);
    QFETCH(int, stateChanges);
    QFETCH(bool, buzzerEnabled);

    m_state->disableBuzzer();
    QSignalSpy changes(m_state, &SystemState::stateChanged);
    for (const QString &event : events)
        report(event);

    QCOMPARE(int(currentState()), finalState);
    QCOMPARE(changes.count(), stateChanges);
    QCOMPARE(m_state->isBuzzerDisabled(), !buzzerEnabled);
    QCOMPARE(m_state->isConnected(), finalState != Disconnected);
    QCOMPARE(m_state->isDisconnected(), finalState == Disconnected);
    QCOMPARE(m_state->isEthernetOrRbusConnected(), finalState == Ethernet || finalState == Rbus);
}

void TestSystemState::disconnectResetsSummaryButNotEvacuation()
{
    report(QStringLiteral("link up"));
    m_state->setFireActive(true);
    m_state->setFaultActive(true);
    m_state->setEvacuationActive(true);
    m_state->setBannerStatus(TC::BANNER_FIRE);

    QSignalSpy fireReset(m_state, &SystemState::fireReset);
    QSignalSpy faultReset(m_state, &SystemState::faultReset);
    QSignalSpy evacuationReset(m_state, &SystemState::evacuationReset);
    QSignalSpy banner(m_state, &SystemState::updateBannerStatus);
    report(QStringLiteral("link down"));

    QCOMPARE(fireReset.count(), 1);
    QCOMPARE(faultReset.count(), 1);
    QCOMPARE(evacuationReset.count(), 0);
    QCOMPARE(banner.count(), 1);
    QCOMPARE(banner.at(0).at(0).value<TC::BANNER_STATUS>(), TC::BANNER_NORMAL);
    QVERIFY(!m_state->isFireActive() && !m_state->isFaultActive());
    QVERIFY(m_state->isEvacuationActive());

    // Nothing left to reset: a second loss emits nothing.
    report(QStringLiteral("link up"));
    report(QStringLiteral("link down"));
    QCOMPARE(fireReset.count(), 1);
    QCOMPARE(faultReset.count(), 1);
    QCOMPARE(banner.count(), 1);
}

void TestSystemState::summaryFlags_data()
{
    QTest::addColumn<QString>("flag");
    QTest::newRow("fire") << QStringLiteral("fire");
    QTest::newRow("fault") << QStringLiteral("fault");
    QTest::newRow("evacuation") << QStringLiteral("evacuation");
}

void TestSystemState::summaryFlags()
{
    QFETCH(QString, flag);
    struct Flag
    {
        void (SystemState::*set)(const bool &);
        bool (SystemState::*get)() const;
        void (SystemState::*started)();
        void (SystemState::*reset)();
    };
    const QMap<QString, Flag> flags = {
        {"fire",
         {&SystemState::setFireActive, &SystemState::isFireActive, &SystemState::fireStarted, &SystemState::fireReset}},
        {"fault",
         {&SystemState::setFaultActive, &SystemState::isFaultActive, &SystemState::faultStarted,
          &SystemState::faultReset}},
        {"evacuation",
         {&SystemState::setEvacuationActive, &SystemState::isEvacuationActive, &SystemState::evacuationStarted,
          &SystemState::evacuationReset}},
    };
    const Flag chosen = flags.value(flag);
    QSignalSpy started(m_state, chosen.started);
    QSignalSpy reset(m_state, chosen.reset);

    (m_state->*chosen.set)(true);
    (m_state->*chosen.set)(true);
    QCOMPARE(started.count(), 1);
    QVERIFY((m_state->*chosen.get)());
    (m_state->*chosen.set)(false);
    (m_state->*chosen.set)(false);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(started.count(), 1);
    QVERIFY(!(m_state->*chosen.get)());
}

void TestSystemState::fireResetSignal()
{
    QSignalSpy reset(m_state, &SystemState::fireReset);
    m_state->sendFireResetSignal();
    QCOMPARE(reset.count(), 0);
    m_state->setFireActive(true);
    m_state->sendFireResetSignal();
    QCOMPARE(reset.count(), 1);
    QVERIFY(!m_state->isFireActive());
    m_state->sendFireResetSignal();
    QCOMPARE(reset.count(), 1);
}

void TestSystemState::bannerStatus()
{
    QSignalSpy banner(m_state, &SystemState::updateBannerStatus);
    m_state->setBannerStatus(TC::BANNER_FIRE);
    m_state->setBannerStatus(TC::BANNER_FIRE);
    m_state->setBannerStatus(TC::BANNER_FAULT);
    QCOMPARE(banner.count(), 2);
    QCOMPARE(banner.at(0).at(0).value<TC::BANNER_STATUS>(), TC::BANNER_FIRE);
    QCOMPARE(banner.at(1).at(0).value<TC::BANNER_STATUS>(), TC::BANNER_FAULT);
    QCOMPARE(m_state->bannerStatus(), TC::BANNER_FAULT);
}

void TestSystemState::buzzerFlags()
{
    m_state->disableBuzzer();
    QVERIFY(m_state->isBuzzerDisabled());
    m_state->enableBuzzer();
    QVERIFY(!m_state->isBuzzerDisabled());
    m_state->disableBuzzer();
    m_state->updateConnectedStatus();
    QVERIFY(!m_state->isBuzzerDisabled());
    m_state->setBuzzerOverride();
    QVERIFY(m_state->isBuzzerOverride());
}

void TestSystemState::brandAndReset()
{
    m_state->writeEepromConfiguration(configuration(1, 1, 7, 42, 1), false);
    m_state->setBrand(1);
    QCOMPARE(m_state->brand(), 1);

    m_state->resetConfiguration();
    QCOMPARE(m_state->brand(), 0);
    QCOMPARE(m_state->guiMode(), 0);
    QCOMPARE(m_state->rbusMode(), 0);
    QCOMPARE(m_state->rbusAddress(), 1);
    QCOMPARE(m_state->zonalLedMode(), 0);
    QCOMPARE(m_state->configuration().reserved, 42);
}

namespace {

// The name column's title, untranslated here, tells which words the delegates use.
bool namesTitledAsLocation()
{
    return RolesDelegate::roleTitle(59) == QLatin1String("_LOCATION_SYSSTATUSTITLE");
}

} // namespace

// The delegates title the name column "location" for brand 1 only, from the
// construction on, whenever the brand is set and when the state is reset.
void TestSystemState::locationTitlesFollowTheBrand()
{
    delete m_state;
    RolesDelegate::setLocationTitles(true);
    m_state = SystemState::instance();
    QVERIFY(!namesTitledAsLocation());
    m_state->setBrand(1);
    QVERIFY(namesTitledAsLocation());
    m_state->setBrand(2);
    QVERIFY(!namesTitledAsLocation());
    m_state->setBrand(1);
    m_state->resetConfiguration();
    QVERIFY(!namesTitledAsLocation());
}

void TestSystemState::eepromImage_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<int>("rbusMode");
    QTest::addColumn<int>("rbusAddress");
    QTest::addColumn<int>("reserved");
    QTest::addColumn<int>("zonalLedMode");
    QTest::addColumn<QByteArray>("image");

    QTest::newRow("repeater") << 2 << 1 << 5 << 0x01020304 << 1 << QByteArray::fromHex("0201050102030401");
    QTest::newRow("defaults") << 0 << 0 << 1 << -1 << 0 << QByteArray::fromHex("000001ffffffff00");
    QTest::newRow("low bytes only") << 0x103 << 0 << 0x20F << 0 << 0x100 << QByteArray::fromHex("03000f0000000000");
}

void TestSystemState::eepromImage()
{
    QFETCH(int, guiMode);
    QFETCH(int, rbusMode);
    QFETCH(int, rbusAddress);
    QFETCH(int, reserved);
    QFETCH(int, zonalLedMode);
    QFETCH(QByteArray, image);

    QCOMPARE(SystemState::eepromImage(configuration(guiMode, rbusMode, rbusAddress, reserved, zonalLedMode)).toHex(),
             image.toHex());
}

void TestSystemState::eepromWrite_withoutFrontPanelFailsButKeepsRecord()
{
    QVERIFY(!m_state->writeEepromConfiguration(configuration(2, 0, 5, -1, 0), true));
    QCOMPARE(m_state->guiMode(), 2);
    QCOMPARE(m_state->rbusAddress(), 5);
}

void TestSystemState::eepromWrite_toFrontPanel()
{
    // The LED flasher's ticks reach the front panel too, at their own time;
    // with time standing still only the configuration's calls arrive.
    FakeClock clock;
    delete m_state;
    m_state = SystemState::instance();

    RecordingService frontPanel(QStringLiteral("svc.frontpanel.p56789"));
    QVERIFY(frontPanel.isServing());
    frontPanel.setReply(QStringLiteral("eepromWrite"), true);

    const SystemState::Configuration repeater = configuration(2, 1, 5, 0x01020304, 1);
    QVERIFY(m_state->writeEepromConfiguration(repeater, true));
    QCOMPARE(frontPanel.calls(), QStringList{QStringLiteral("eepromWrite 4096 0201050102030401")});

    frontPanel.setReply(QStringLiteral("eepromWrite"), false);
    QVERIFY(!m_state->writeEepromConfiguration(repeater, false));
    frontPanel.clear();
    m_state->resetConfiguration();
    // Sent without waiting for the answer: it arrives a moment later.
    QTRY_COMPARE(frontPanel.calls(), QStringList{QStringLiteral("setGUIMode 0")});
}

// The hourly network statistics run while the link is up over Ethernet;
// the link's return asks at once.
void TestSystemState::networkStatisticsFollowTheLink()
{
    FakeClock clock;
    LkNetworkStats::destroyInstance();
    LkNetworkStats *stats = LkNetworkStats::instance();
    TeskGlobalConfig::instance()->setNetworkNodeNumber(3);
    PanelModelWiring::connectNetworkStats(stats, m_state);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    stats->toggleRefresh();
    QCOMPARE(lkSpeakSent(sent).size(), 0);

    report(QStringLiteral("link up"));
    QCOMPARE(lkSpeakSent(sent).size(), 2);
    clock.advance(LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(lkSpeakSent(sent).size(), 4);

    report(QStringLiteral("link down"));
    clock.advance(2 * LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(lkSpeakSent(sent).size(), 4);
    report(QStringLiteral("link up"));
    QCOMPARE(lkSpeakSent(sent).size(), 6);
    LkNetworkStats::destroyInstance();
    TeskGlobalConfig::instance()->setNetworkNodeNumber(0);
}

QTEST_GUILESS_MAIN(TestSystemState)
#include "tst_systemstate.moc"
