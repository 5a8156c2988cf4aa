#include "FakeClock.h"
#include "MessageCapture.h"
#include "SilentFlasherOutputs.h"
#include "frontpanel/IndicationEnvironment.h"
#include "frontpanel/IndicationState.h"
#include "frontpanel/Rbus.h"
#include "frontpanel/RbusEnvironment.h"
#include "frontpanel/RbusPacketBuffer.h"
#include "frontpanel/flasher.h"
#include "frontpanel/rbusEmergencyModeCommandPacket.h"
#include "frontpanel/rbusEventLog.h"
#include "frontpanel/rbusInputPointChangePacket.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A pseudo-terminal pair standing for the bus device: the driver writes to
// the terminal's path, the test reads what arrived at the other end. Raw,
// so every byte passes as it was written.
class PseudoTerminal final
{
public:
    PseudoTerminal()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        m_path = QString::fromLocal8Bit(::ptsname(m_master));
        // Held open so the terminal keeps its raw settings between writers.
        m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
        termios settings{};
        if (m_slave < 0 || ::tcgetattr(m_slave, &settings) != 0)
            return;
        ::cfmakeraw(&settings);
        ::tcsetattr(m_slave, TCSANOW, &settings);
    }
    ~PseudoTerminal()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return m_slave >= 0; }
    QString path() const { return m_path; }

    // Everything that has arrived; written bytes are there at once, the
    // short poll only covers the kernel's hand-over.
    QByteArray readAll()
    {
        QByteArray bytes;
        pollfd ready{m_master, POLLIN, 0};
        while (::poll(&ready, 1, 50) > 0 && (ready.revents & POLLIN)) {
            char chunk[256];
            const ssize_t got = ::read(m_master, chunk, sizeof chunk);
            if (got <= 0)
                break;
            bytes.append(chunk, int(got));
        }
        return bytes;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

// The engine above the driver as the test sets and reads it.
class TestEngine final
    : public RbusEnvironment
    , public IndicationEnvironment
    , public flasherEnvironment
{
public:
    TestEngine()
        : leds(std::make_unique<SilentFlasherOutputs>(), *this)
    {
    }

    int guiMode() const override { return gui; }
    int rbusMode() const override { return monitored ? 1 : 0; }
    bool isRbusConnected() const override { return rbusConnected; }
    bool isE30Connected() const override { return e30; }
    void disableBuzzer() override { buzzerDisabled = true; }

    flasher &ledFlasher() override { return leds; }
    int zonalLedMode() const override { return 0; }
    bool isFireActive() const override { return fire; }
    void setFireActive(const bool &active) override { fire = active; }
    void setFaultActive(const bool &active) override { fault = active; }
    void setEvacuationActive(const bool &) override { }
    void setBannerStatus(const TC::BANNER_STATUS &status) override { banner = status; }

    bool isDisconnected() const override { return false; }
    bool isConnected() const override { return true; }
    bool isEthernetOrRbusConnected() const override { return rbusConnected; }
    bool mayKeepBuzzerOverride() const override { return false; }

    flasher leds;
    int gui = 0;
    bool monitored = true;
    bool rbusConnected = false;
    bool e30 = false;
    bool buzzerDisabled = false;
    bool fire = false;
    bool fault = false;
    TC::BANNER_STATUS banner = TC::BANNER_NORMAL;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(char(value));
    return out;
}

QSharedPointer<RbusPacketBuffer> freshBuffer()
{
    return QSharedPointer<RbusPacketBuffer>::create();
}

} // namespace

// The front-panel bus driver and its frames, read back from a
// pseudo-terminal standing for the device.
class tst_Rbus final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void inputPointFrames_data();
    void inputPointFrames();
    void inputPointEntryLimit();
    void emergencyFrames_data();
    void emergencyFrames();
    void emptyFrameWarnsOnlyWhenMonitored();
    void oversizedBodyIsCut();

    void drivenFrames_data();
    void drivenFrames();
    void silenceKeyNeedsTheBusConnection();
    void inputsOutsideTheirGroupRecordNothing_data();
    void inputsOutsideTheirGroupRecordNothing();
    void failedWriteIsWarned();
    void startPulsesTheBuzzerEvenWithoutDevice();

    void supervision_data();
    void supervision();
    void supervisionStopsWhenTheLinkIsDown();

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<TestEngine> m_engine;
    std::unique_ptr<PseudoTerminal> m_device;
    std::unique_ptr<Rbus> m_bus;
};

void tst_Rbus::init()
{
    m_clock = std::make_unique<FakeClock>();
    m_engine = std::make_unique<TestEngine>();
    m_device = std::make_unique<PseudoTerminal>();
    QVERIFY(m_device->isOpen());
    m_bus = std::make_unique<Rbus>(m_device->path());
    m_bus->setEnvironment(m_engine.get());
    IndicationState::instance()->setEnvironment(m_engine.get());
    m_bus->start();
    QVERIFY(m_bus->isDeviceOpen());
}

void tst_Rbus::cleanup()
{
    IndicationState::instance()->setEnvironment(nullptr);
    IndicationState::instance()->clearAll();
    rbusEventLog::instance()->clear();
    m_bus.reset();
    m_device.reset();
    m_engine.reset();
    m_clock.reset();
}

void tst_Rbus::inputPointFrames_data()
{
    QTest::addColumn<QVector<int>>("entries"); // group, number, state, ...
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("silence key pressed") << QVector<int>{0, 19, 1} << bytes({5, 37, 8, 0, 147});
    QTest::newRow("silence key released") << QVector<int>{0, 19, 0} << bytes({5, 37, 8, 0, 19});
    QTest::newRow("input 6 pressed") << QVector<int>{0, 6, 1} << bytes({5, 37, 8, 0, 134});
    QTest::newRow("input 200 loses its high bit") << QVector<int>{2, 200, 0} << bytes({5, 37, 8, 2, 72});
    QTest::newRow("two entries in order") << QVector<int>{1, 3, 1, 2, 96, 0} << bytes({7, 37, 8, 1, 131, 2, 96});
    QTest::newRow("no entry is invalid and empty") << QVector<int>{} << QByteArray();
}

void tst_Rbus::inputPointFrames()
{
    QFETCH(QVector<int>, entries);
    QFETCH(QByteArray, frame);
    rbusInputPointChangePacket packet(freshBuffer());
    for (int i = 0; i + 2 < entries.size(); i += 3)
        QVERIFY(packet.addEntry(entries.at(i), entries.at(i + 1), entries.at(i + 2) != 0));
    packet.serialise();
    QCOMPARE(packet.buffer().out(), frame);
    QCOMPARE(packet.isValid(), !frame.isEmpty());
    QFile device(m_device->path());
    QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(packet.sendReply(device, true), !frame.isEmpty());
    QCOMPARE(m_device->readAll(), frame);
}

void tst_Rbus::inputPointEntryLimit()
{
    rbusInputPointChangePacket packet(freshBuffer());
    for (int i = 1; i <= rbusInputPointChangePacket::MaximumEntries; ++i)
        QVERIFY(packet.addEntry(0, i, true));
    QVERIFY(!packet.addEntry(0, 11, true));
    packet.serialise();
    QCOMPARE(packet.buffer().out().size(), 3 + 2 * rbusInputPointChangePacket::MaximumEntries);
    QCOMPARE(int(quint8(packet.buffer().out().at(0))), 23);
    QCOMPARE(int(quint8(packet.buffer().out().back())), 10 | 0x80);
}

void tst_Rbus::emergencyFrames_data()
{
    QTest::addColumn<bool>("longForm");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("valid");
    QTest::newRow("reset") << false << 1 << bytes({6, 47, 0, 0, 2, 1}) << true;
    QTest::newRow("silence sounders") << false << 2 << bytes({6, 47, 0, 0, 2, 2}) << true;
    QTest::newRow("disable") << true << 9 << bytes({10, 47, 0, 0, 3, 9, 0, 1, 255, 255}) << true;
    QTest::newRow("long form type 7") << true << 7 << bytes({10, 47, 0, 0, 3, 7, 0, 1, 255, 255}) << true;
    QTest::newRow("long form type 8") << true << 8 << bytes({6, 47, 0, 0, 3, 8}) << false;
    QTest::newRow("short form type 9") << false << 9 << bytes({6, 47, 0, 0, 2, 9}) << false;
}

void tst_Rbus::emergencyFrames()
{
    QFETCH(bool, longForm);
    QFETCH(int, type);
    QFETCH(QByteArray, frame);
    QFETCH(bool, valid);
    std::unique_ptr<rbusEmergencyModeCommandPacket> packet =
        longForm ? std::make_unique<rbusEmergencyModeCommandPacket>(freshBuffer(), type, 0, 255, 255)
                 : std::make_unique<rbusEmergencyModeCommandPacket>(freshBuffer(), type);
    packet->serialise();
    QCOMPARE(packet->buffer().out(), frame);
    QCOMPARE(packet->isValid(), valid);
    QFile device(m_device->path());
    QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(packet->sendReply(device, true), valid);
    // An invalid command is never written.
    QCOMPARE(m_device->readAll(), valid ? frame : QByteArray());
}

void tst_Rbus::emptyFrameWarnsOnlyWhenMonitored()
{
    // A valid packet that was never serialised has no frame.
    rbusEmergencyModeCommandPacket packet(freshBuffer(), rbusEmergencyModeCommandPacket::Reset);
    QBuffer device;
    QVERIFY(device.open(QIODevice::WriteOnly));
    MessageCapture log;
    QVERIFY(!packet.sendReply(device, false));
    QVERIFY(log.warnings().isEmpty());
    QVERIFY(!packet.sendReply(device, true));
    QCOMPARE(log.warnings(), QStringList{"rbusBasePacket::sendReply: Attempt to send an empty reply"});
    QVERIFY(device.data().isEmpty());
}

void tst_Rbus::oversizedBodyIsCut()
{
    RbusPacketBuffer buffer;
    for (int i = 0; i < 300; ++i)
        buffer.append(quint8(i));
    MessageCapture log;
    buffer.setPacketLength();
    QCOMPARE(buffer.out().size(), RbusPacketBuffer::MaximumFrame);
    QCOMPARE(int(quint8(buffer.out().at(0))), 255);
    QCOMPARE(int(quint8(buffer.out().at(254))), 253);
    QCOMPARE(log.warnings(), QStringList{"setPacketLength:300>254"});
}

void tst_Rbus::drivenFrames_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("gui");
    QTest::addColumn<QString>("connection");
    QTest::addColumn<bool>("monitored");
    QTest::addColumn<QByteArray>("frames");
    const QByteArray diruPress = bytes({5, 37, 8, 0, 134});
    const QByteArray pressed = bytes({5, 37, 8, 0, 147});
    QTest::newRow("silence key, DIRU repeater") << "silence" << 3 << "rbus" << true << diruPress;
    QTest::newRow("silence key, DIRU repeater, released")
        << "silence released" << 3 << "rbus" << true << diruPress + bytes({5, 37, 8, 0, 6});
    QTest::newRow("silence key, repeater") << "silence" << 2 << "rbus" << true << pressed;
    QTest::newRow("silence key, repeater, released")
        << "silence released" << 2 << "rbus" << true << pressed + bytes({5, 37, 8, 0, 19});
    QTest::newRow("silence key, unmonitored") << "silence released" << 2 << "rbus" << false << QByteArray();
    QTest::newRow("disable") << "disable" << 0 << "e30" << true << bytes({10, 47, 0, 0, 3, 9, 0, 1, 255, 255});
    QTest::newRow("reset") << "reset" << 1 << "e30" << true << bytes({6, 47, 0, 0, 2, 1});
    QTest::newRow("silence sounders") << "silence sounders" << 0 << "e30" << true << bytes({6, 47, 0, 0, 2, 2});
    QTest::newRow("reset needs E30") << "reset" << 0 << "rbus" << true << QByteArray();
    QTest::newRow("reset needs GUI mode below 2") << "reset" << 2 << "e30" << true << QByteArray();
    QTest::newRow("reset, unmonitored") << "reset" << 0 << "e30" << false << QByteArray();
}

void tst_Rbus::drivenFrames()
{
    QFETCH(QString, action);
    QFETCH(int, gui);
    QFETCH(QString, connection);
    QFETCH(bool, monitored);
    QFETCH(QByteArray, frames);
    m_engine->gui = gui;
    m_engine->rbusConnected = connection == QLatin1String("rbus");
    m_engine->e30 = connection == QLatin1String("e30");
    m_engine->monitored = monitored;
    if (action == QLatin1String("silence") || action == QLatin1String("silence released")) {
        m_bus->silenceBuzzerPress();
        QVERIFY(m_engine->buzzerDisabled);
        const int input = gui == 3 ? 6 : 19;
        QVERIFY(m_bus->inputState(0, input));
        if (action.endsWith(QLatin1String("released"))) {
            m_clock->advance(Rbus::SilenceReleaseMs - 1);
            QVERIFY(m_bus->inputState(0, input));
            m_clock->advance(1);
            QVERIFY(!m_bus->inputState(0, input));
        }
    } else if (action == QLatin1String("disable")) {
        m_bus->sendEmergencyDisable(255, 255);
    } else if (action == QLatin1String("reset")) {
        m_bus->sendEmergencyReset();
    } else {
        m_bus->sendEmergencySilence();
    }
    QCOMPARE(m_device->readAll(), frames);
}

void tst_Rbus::silenceKeyNeedsTheBusConnection()
{
    m_engine->gui = 2;
    m_bus->silenceBuzzerPress();
    QVERIFY(m_engine->buzzerDisabled);
    QVERIFY(!m_bus->inputState(0, 19));
    m_clock->advance(Rbus::SilenceReleaseMs);
    QCOMPARE(m_device->readAll(), QByteArray());
}

void tst_Rbus::inputsOutsideTheirGroupRecordNothing_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("number");
    QTest::newRow("input 0") << 0 << 0;
    QTest::newRow("group 0 past 24") << 0 << 25;
    QTest::newRow("group 1 past 8") << 1 << 9;
    QTest::newRow("group 2 past 96") << 2 << 97;
    QTest::newRow("group 3") << 3 << 1;
    QTest::newRow("group -1") << -1 << 1;
}

// Each still goes out on the bus; the masks stay as they were.
void tst_Rbus::inputsOutsideTheirGroupRecordNothing()
{
    QFETCH(int, group);
    QFETCH(int, number);
    m_engine->rbusConnected = true;
    m_bus->setInputPoint(group, quint8(number), true);
    QCOMPARE(m_device->readAll().size(), 5);
    for (int g = 0; g < 3; ++g) {
        for (int n = 0; n <= 97; ++n)
            QVERIFY(!m_bus->inputState(g, n));
    }
    // The last input of each group is still recorded.
    m_bus->setInputPoint(2, 96, true);
    QVERIFY(m_bus->inputState(2, 96));
}

void tst_Rbus::failedWriteIsWarned()
{
    Rbus missing(QStringLiteral("/nonexistent/rbus"));
    missing.setEnvironment(m_engine.get());
    missing.start();
    QVERIFY(!missing.isDeviceOpen());
    m_engine->e30 = true;
    MessageCapture log;
    missing.sendEmergencyReset();
    const QStringList warned = log.warnings().filter(QStringLiteral("rbusBasePacket::sendReply"));
    QCOMPARE(warned.size(), 1);
    QVERIFY2(warned.first().startsWith(QLatin1String("rbusBasePacket::sendReply: wrote -1 of 6 bytes")),
             qPrintable(warned.first()));
}

void tst_Rbus::startPulsesTheBuzzerEvenWithoutDevice()
{
    IndicationState::instance()->clearAll();
    QCOMPARE(m_engine->leds.outputPointState(flasher::RealOutput, 20), 0);
    Rbus missing(QStringLiteral("/nonexistent/rbus"));
    missing.start();
    QVERIFY(!missing.isDeviceOpen());
    QCOMPARE(IndicationState::instance()->indication(20, -1), 2);
    QCOMPARE(m_engine->leds.outputPointState(flasher::RealOutput, 20), 2);
}

void tst_Rbus::supervision_data()
{
    QTest::addColumn<int>("gui");
    QTest::newRow("Ethernet with backup") << 1;
    QTest::newRow("repeater") << 2;
}

void tst_Rbus::supervision()
{
    QFETCH(int, gui);
    m_engine->gui = gui;
    RbusEvent fire;
    fire.kind = RbusEvent::Fire;
    fire.active = 1;
    rbusEventLog::instance()->events.append(fire);
    IndicationState::instance()->setIndication(1, 1);
    QSignalSpy ended(m_bus.get(), &Rbus::disconnectedRbusOrE30);

    m_bus->backupTrafficReceived(1);
    m_clock->advance(Rbus::SupervisionMs);
    // Traffic on either link keeps it.
    m_bus->backupTrafficReceived(2);
    m_clock->advance(Rbus::SupervisionMs);
    // Six silent ticks keep the link.
    m_clock->advance(6 * Rbus::SupervisionMs);
    QVERIFY(m_bus->isBackupLinkUp());
    QCOMPARE(ended.size(), 0);
    QCOMPARE(rbusEventLog::instance()->events.size(), 1);

    // The seventh ends it, once.
    m_clock->advance(Rbus::SupervisionMs);
    QVERIFY(!m_bus->isBackupLinkUp());
    QCOMPARE(ended.size(), 1);
    QVERIFY(rbusEventLog::instance()->events.isEmpty());
    QCOMPARE(m_engine->leds.outputPointState(flasher::RealOutput, 1), 0);
    QCOMPARE(m_engine->leds.outputPointState(flasher::RealOutput, 2), 1);
    QCOMPARE(m_engine->leds.outputPointState(flasher::RealOutput, 20), 2);
    QVERIFY(!m_engine->fire);
    QVERIFY(m_engine->fault);
    QCOMPARE(m_engine->banner, TC::BANNER_FAULT);
    m_clock->advance(10 * Rbus::SupervisionMs);
    QCOMPARE(ended.size(), 1);
}

void tst_Rbus::supervisionStopsWhenTheLinkIsDown()
{
    QSignalSpy ended(m_bus.get(), &Rbus::disconnectedRbusOrE30);
    m_bus->backupTrafficReceived(1);
    m_clock->advance(8 * Rbus::SupervisionMs);
    QCOMPARE(ended.size(), 1);
    // Up again: the count of silent ticks starts afresh.
    m_bus->backupTrafficReceived(1);
    m_clock->advance(7 * Rbus::SupervisionMs);
    QCOMPARE(ended.size(), 1);
    m_clock->advance(Rbus::SupervisionMs);
    QCOMPARE(ended.size(), 2);
    // An unknown link is no traffic.
    m_bus->backupTrafficReceived(3);
    QVERIFY(!m_bus->isBackupLinkUp());
}

QTEST_GUILESS_MAIN(tst_Rbus)
#include "tst_rbus.moc"
