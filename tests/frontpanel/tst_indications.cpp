#include "SilentFlasherOutputs.h"
#include "frontpanel/IndicationEnvironment.h"
#include "frontpanel/IndicationState.h"
#include "frontpanel/flasher.h"
#include "frontpanel/rbusEventLog.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// The engine-wide state as the test sets and reads it.
class TestState final
    : public IndicationEnvironment
    , public flasherEnvironment
{
public:
    TestState()
        : leds(std::make_unique<SilentFlasherOutputs>(), *this)
    {
    }

    flasher &ledFlasher() override { return leds; }
    int guiMode() const override { return mode; }
    int zonalLedMode() const override { return zonalKind; }
    bool isE30Connected() const override { return e30; }
    bool isFireActive() const override { return fire; }
    void setFireActive(const bool &active) override { fire = active; }
    void setFaultActive(const bool &active) override { fault = active; }
    void setEvacuationActive(const bool &active) override { evacuation = active; }
    void setBannerStatus(const TC::BANNER_STATUS &status) override { banner = status; }

    bool isDisconnected() const override { return false; }
    bool isConnected() const override { return true; }
    bool isEthernetOrRbusConnected() const override { return true; }
    bool mayKeepBuzzerOverride() const override { return false; }

    flasher leds;
    int mode = 0;
    int zonalKind = 0;
    bool e30 = false;
    bool fire = false;
    bool fault = false;
    bool evacuation = false;
    TC::BANNER_STATUS banner = TC::BANNER_NORMAL;
};

RbusEvent busEvent(quint8 kind, bool active)
{
    RbusEvent e;
    e.kind = kind;
    e.active = active ? 1 : 0;
    return e;
}

} // namespace

// The front-panel bus's event log and the indications it sets, which in the
// repeater modes make the panel's fire, fault, evacuation and banner.
class TestIndications final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void findEvent_data();
    void findEvent();
    void fireCounts_data();
    void fireCounts();
    void clearKeepsSoundersOff_data();
    void clearKeepsSoundersOff();
    void banner_data();
    void banner();
    void setIndication();
    void zoneIndications_data();
    void zoneIndications();
    void clearAll();

private:
    std::unique_ptr<TestState> m_state;
};

void TestIndications::init()
{
    m_state = std::make_unique<TestState>();
    IndicationState::instance()->setEnvironment(m_state.get());
}

void TestIndications::cleanup()
{
    IndicationState::destroyInstance();
    rbusEventLog::destroyInstance();
    m_state.reset();
}

void TestIndications::findEvent_data()
{
    QTest::addColumn<QString>("events"); // oldest first: kind, a for active or i
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<int>("lowestKind");
    QTest::addColumn<int>("found"); // index, -1 for none

    QTest::newRow("inactive fire passed over") << "5a 8i 3a" << true << 1 << 0;
    QTest::newRow("highest kind first") << "3a 8a 4a" << true << 1 << 1;
    QTest::newRow("newest of the kind") << "4a 4a 4i" << true << 1 << 1;
    QTest::newRow("oldest of the kind") << "4i 4a 4a" << false << 1 << 1;
    QTest::newRow("below the lowest kind") << "3a 1a" << true << 4 << -1;
    QTest::newRow("empty") << "" << true << 1 << -1;
    QTest::newRow("lowest kind above 8") << "8a" << true << 9 << -1;
    QTest::newRow("a very low lowest kind") << "2a" << true << std::numeric_limits<int>::min() << 0;
}

void TestIndications::findEvent()
{
    QFETCH(QString, events);
    QFETCH(bool, newestFirst);
    QFETCH(int, lowestKind);
    QFETCH(int, found);

    rbusEventLog *log = rbusEventLog::instance();
    for (const QString &entry : events.split(' ', Qt::SkipEmptyParts))
        log->events << busEvent(quint8(entry.left(1).toInt()), entry.endsWith('a'));
    const RbusEvent *result = log->findEvent(newestFirst, lowestKind);
    QCOMPARE(result ? int(result - log->events.constData()) : -1, found);
}

void TestIndications::fireCounts_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("zones");
    QTest::addColumn<bool>("e30");
    QTest::addColumn<bool>("fireFlag");
    QTest::addColumn<int>("fires");
    QTest::addColumn<int>("fireZones");

    QTest::newRow("inactive fires count too") << "8a 8i 4a" << 3 << true << true << 2 << 3;
    QTest::newRow("no fire, E30 with the fire flag") << "4a" << 0 << true << true << 1 << 1;
    QTest::newRow("no fire, E30 without the flag") << "4a" << 0 << true << false << 0 << 0;
    QTest::newRow("no fire, bus with the fire flag") << "" << 0 << false << true << 0 << 0;
}

void TestIndications::fireCounts()
{
    QFETCH(QString, events);
    QFETCH(int, zones);
    QFETCH(bool, e30);
    QFETCH(bool, fireFlag);
    QFETCH(int, fires);
    QFETCH(int, fireZones);

    rbusEventLog *log = rbusEventLog::instance();
    for (const QString &entry : events.split(' ', Qt::SkipEmptyParts))
        log->events << busEvent(quint8(entry.left(1).toInt()), entry.endsWith('a'));
    for (int zone = 1; zone <= zones; ++zone)
        log->fireZones.insert(quint16(zone));
    m_state->e30 = e30;
    m_state->fire = fireFlag;
    QCOMPARE(int(log->getFireCount()), fires);
    QCOMPARE(int(log->getFireZoneCount()), fireZones);
}

void TestIndications::clearKeepsSoundersOff_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("silenced") << 2 << 1;
    QTest::newRow("off stays off") << 0 << 0;
    QTest::newRow("not shown") << 3 << 1;
}

void TestIndications::clearKeepsSoundersOff()
{
    QFETCH(int, before);
    QFETCH(int, after);

    rbusEventLog *log = rbusEventLog::instance();
    log->events << busEvent(8, true);
    log->firstFire = busEvent(8, true);
    log->latestFire = busEvent(8, true);
    log->fireZones.insert(3);
    log->devices.resize(2);
    log->sounderState = TC::SounderState(before);
    m_state->zonalKind = 1;
    m_state->leds.setOutputPointState(flasher::RealOutput, 21, 1);
    QSignalSpy sounders(log, &rbusEventLog::rbusSoundersEvent);
    log->clear();
    QVERIFY(log->events.isEmpty() && log->fireZones.isEmpty() && log->devices.isEmpty());
    QVERIFY(!log->firstFire.active && !log->latestFire.active);
    QCOMPARE(int(log->sounderState), after);
    QCOMPARE(sounders.count(), 1);
    QCOMPARE(sounders.at(0).at(0).value<TC::SounderState>(), TC::SounderState(after));
    // The legacy zone LEDs went dark.
    QCOMPARE(m_state->leds.outputPointState(flasher::RealOutput, 21), 0);
}

void TestIndications::banner_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<QString>("outputs"); // "output=state ..."
    QTest::addColumn<QString>("flags"); // fire, fault, evacuation
    QTest::addColumn<int>("banner");

    const QString everything = "1=1 2=1 3=1 4=1 6=1 8=1 9=1 11=1 12=1 14=1";
    QTest::newRow("mode 0: never") << 0 << everything << "000" << 0;
    QTest::newRow("mode 4: never") << 4 << everything << "000" << 0;
    QTest::newRow("mode 1 fire") << 1 << "1=1"
                                 << "100" << 2;
    QTest::newRow("mode 1 flashing fire is not fire") << 1 << "1=2"
                                                      << "000" << 0;
    QTest::newRow("mode 2 fault on 3") << 2 << "3=1"
                                       << "010" << 1;
    QTest::newRow("mode 2 fault on 4") << 2 << "4=1"
                                       << "010" << 1;
    QTest::newRow("mode 2 ignores 11 and 12") << 2 << "11=1 12=1"
                                              << "000" << 0;
    QTest::newRow("mode 3 fire on 11") << 3 << "11=1"
                                       << "100" << 2;
    QTest::newRow("mode 3 evacuation on 12=2") << 3 << "12=2"
                                               << "001" << 2;
    QTest::newRow("mode 3 12=1 is fault and evacuation") << 3 << "12=1"
                                                         << "011" << 2;
    QTest::newRow("mode 3 fault on 14=3") << 3 << "14=3"
                                          << "010" << 1;
    QTest::newRow("mode 3 fault on 6") << 3 << "6=1"
                                       << "010" << 1;
    QTest::newRow("mode 3 9 is fault and evacuation") << 3 << "9=1"
                                                      << "011" << 2;
    QTest::newRow("mode 3 2 is no fault") << 3 << "2=1"
                                          << "000" << 0;
    QTest::newRow("mode 3 14=4 is no fault") << 3 << "14=4"
                                             << "000" << 0;
}

void TestIndications::banner()
{
    QFETCH(int, guiMode);
    QFETCH(QString, outputs);
    QFETCH(QString, flags);
    QFETCH(int, banner);

    m_state->mode = guiMode;
    m_state->banner = TC::BANNER_FAULT;
    IndicationState *indications = IndicationState::instance();
    for (const QString &entry : outputs.split(' ', Qt::SkipEmptyParts))
        indications->setIndication(entry.section('=', 0, 0).toInt(), entry.section('=', 1).toInt());
    indications->updateBanner();
    QCOMPARE(QStringLiteral("%1%2%3").arg(int(m_state->fire)).arg(int(m_state->fault)).arg(int(m_state->evacuation)),
             flags);
    QCOMPARE(int(m_state->banner), banner);
}

void TestIndications::setIndication()
{
    IndicationState *indications = IndicationState::instance();
    indications->setIndication(20, 2);
    QCOMPARE(m_state->leds.outputPointState(flasher::RealOutput, 20), 2);
    QCOMPARE(indications->indication(20, 7), 2);
    for (int output : {0, 40, -1}) {
        indications->setIndication(output, 1);
        QCOMPARE(indications->indication(output, 7), 7);
    }
    QCOMPARE(indications->indication(5, 7), 7);
}

void TestIndications::zoneIndications_data()
{
    QTest::addColumn<QString>("zones"); // "number=state ..."
    QTest::addColumn<int>("zonalKind");
    QTest::addColumn<QString>("real"); // states of real outputs 21 to 36
    QTest::addColumn<QString>("xbus"); // states of xbus points 1 to 20

    const QString allOn(16, '1');
    // An external number sends every entry as a bus point and darkens the
    // zone LEDs; zone numbers alone go to the zone LEDs and darken the bus
    // points 1 to 80.
    QTest::newRow("an external number decides") << "5=3 20=2" << 0 << QString(16, '0') << "11113111111111111112";
    QTest::newRow("zone LEDs only") << "5=3 16=2" << 0 << "1111311111111112" << QString(20, '0');
    QTest::newRow("none, legacy LEDs reset") << "" << 1 << QString(16, '0') << QString(19, '1') + "1";
    QTest::newRow("none, XBUS LEDs untouched") << "" << 0 << allOn << QString(20, '1');
}

void TestIndications::zoneIndications()
{
    QFETCH(QString, zones);
    QFETCH(int, zonalKind);
    QFETCH(QString, real);
    QFETCH(QString, xbus);

    m_state->zonalKind = zonalKind;
    for (int n = 1; n <= 80; ++n) {
        m_state->leds.setOutputPointState(flasher::BusOutput, quint8(n), 1);
        if (n <= 16)
            m_state->leds.setOutputPointState(flasher::RealOutput, quint8(n + 20), 1);
    }
    IndicationState *indications = IndicationState::instance();
    for (const QString &entry : zones.split(' ', Qt::SkipEmptyParts))
        indications->setZoneIndication(quint8(entry.section('=', 0, 0).toInt()), entry.section('=', 1).toInt());
    indications->resetZoneStates();
    QString realSeen;
    for (int n = 21; n <= 36; ++n)
        realSeen += QString::number(m_state->leds.outputPointState(flasher::RealOutput, n));
    QString xbusSeen;
    for (int n = 1; n <= 20; ++n)
        xbusSeen += QString::number(m_state->leds.outputPointState(flasher::BusOutput, n));
    QCOMPARE(realSeen, real);
    QCOMPARE(xbusSeen, xbus);
}

void TestIndications::clearAll()
{
    m_state->mode = 1;
    IndicationState *indications = IndicationState::instance();
    indications->setIndication(1, 1);
    indications->updateBanner();
    QCOMPARE(int(m_state->banner), 2);
    m_state->leds.setOutputPointState(flasher::BusOutput, 200, 1);
    indications->clearAll();
    QCOMPARE(indications->indication(1, 7), 7);
    QCOMPARE(m_state->leds.outputPointState(flasher::RealOutput, 1), 0);
    QCOMPARE(m_state->leds.outputPointState(flasher::BusOutput, 200), 0);
    QVERIFY(!m_state->fire);
    QCOMPARE(int(m_state->banner), 0);

    // The end of the backup link: general fault lit, buzzer pulsing.
    indications->setIndication(1, 0);
    indications->setIndication(2, 1);
    indications->setIndication(20, 2);
    indications->updateBanner();
    QVERIFY(m_state->fault);
    QCOMPARE(int(m_state->banner), 1);
}

QTEST_GUILESS_MAIN(TestIndications)
#include "tst_indications.moc"
