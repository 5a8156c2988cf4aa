#include "HostServicesProcess.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr quint16 FrontPanelPort = 56123;
const QString FrontPanel = QStringLiteral("svc.frontpanel.p56123");

} // namespace

// The host-services stand-in's contract: every method the engine calls is
// served and printed, every signal can be sent on request.
class TestHostServices final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void methodsAreServedAndPrinted_data();
    void methodsAreServedAndPrinted();
    void wrongCallsAreRefused_data();
    void wrongCallsAreRefused();
    void eepromWriteAnswersTrue();
    void signalsOnRequest_data();
    void signalsOnRequest();
    void badCommands_data();
    void badCommands();
    void helpListsEveryCommandAndSignal();

private:
    HostServicesProcess m_hostServices;
};

// It also plays the panel front of an engine on a port nobody uses.
void TestHostServices::initTestCase()
{
    QVERIFY(m_hostServices.start(FrontPanelPort));
}

void TestHostServices::init()
{
    m_hostServices.clear();
}

void TestHostServices::methodsAreServedAndPrinted_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("printed");

    QTest::newRow("backlight") << "svc.backlight"
                               << "setBrightness" << QVariantList{75u} << "call svc.backlight setBrightness 75";
    QTest::newRow("rfid write") << "svc.rfid"
                                << "sendCredentialsToWrite"
                                << QVariantList{QStringLiteral("071234"), QStringLiteral("3")}
                                << "call svc.rfid sendCredentialsToWrite 071234 3";
    QTest::newRow("rfid cancel") << "svc.rfid"
                                 << "cancelWrite" << QVariantList() << "call svc.rfid cancelWrite";
    QTest::newRow("fire LED") << "svc.swiss"
                              << "setFireLed" << QVariantList{true} << "call svc.swiss setFireLed true";
    QTest::newRow("fault LED") << "svc.swiss"
                               << "setFaultLed" << QVariantList{false} << "call svc.swiss setFaultLed false";
    QTest::newRow("FSA LED") << "svc.swiss"
                             << "setFSALed" << QVariantList{true} << "call svc.swiss setFSALed true";
    QTest::newRow("register") << "svc.watchdog"
                              << "registerTimer" << QVariantList{QStringLiteral("tesk"), 600000, 10000}
                              << "call svc.watchdog registerTimer tesk 600000 10000";
    QTest::newRow("keep alive") << "svc.watchdog"
                                << "keepAlive" << QVariantList{QStringLiteral("tesk"), 600000, 10000}
                                << "call svc.watchdog keepAlive tesk 600000 10000";
    QTest::newRow("LEDs") << FrontPanel << "setLeds" << QVariantList{QStringLiteral("0100")}
                          << "call svc.frontpanel setLeds 0100";
    QTest::newRow("buzzer") << FrontPanel << "setBuzzer" << QVariantList{true} << "call svc.frontpanel setBuzzer true";
    QTest::newRow("fault LED cleared") << FrontPanel << "clearSystemFaultLED" << QVariantList()
                                       << "call svc.frontpanel clearSystemFaultLED";
    QTest::newRow("GUI mode") << FrontPanel << "setGUIMode" << QVariantList{2u} << "call svc.frontpanel setGUIMode 2";
}

void TestHostServices::methodsAreServedAndPrinted()
{
    QFETCH(QString, service);
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, printed);

    const QString interface = QStringLiteral("vemo.") + service.section(QLatin1Char('.'), 1, 1);
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/"), interface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QVERIFY(m_hostServices.waitForLine(printed) >= 0);
}

void TestHostServices::wrongCallsAreRefused_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("printed");

    QTest::newRow("unknown method") << "setColour" << QVariantList{1u} << "unknown vemo.backlight setColour";
    QTest::newRow("wrong argument type") << "setBrightness" << QVariantList{QStringLiteral("bright")}
                                         << "badargs svc.backlight setBrightness s";
    QTest::newRow("missing argument") << "setBrightness" << QVariantList() << "badargs svc.backlight setBrightness";
}

void TestHostServices::wrongCallsAreRefused()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, printed);

    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("svc.backlight"), QStringLiteral("/"),
                                                       QStringLiteral("vemo.backlight"), method);
    call.setArguments(arguments);
    QCOMPARE(QDBusConnection::sessionBus().call(call).type(), QDBusMessage::ErrorMessage);
    QVERIFY(m_hostServices.waitForLine(printed) >= 0);
}

// The engine reads this reply: a written configuration record.
void TestHostServices::eepromWriteAnswersTrue()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        FrontPanel, QStringLiteral("/"), QStringLiteral("vemo.frontpanel"), QStringLiteral("eepromWrite"));
    call.setArguments({4096u, QByteArray::fromHex("0201")});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(reply.arguments(), QVariantList{true});
    QVERIFY(m_hostServices.waitForLine(QStringLiteral("call svc.frontpanel eepromWrite 4096 0201")) >= 0);
}

void TestHostServices::signalsOnRequest_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("power") << "emit svc.power powerStatusUpdate 2"
                           << "svc.power"
                           << "powerStatusUpdate" << QVariant(2u);
    QTest::newRow("card read") << "emit svc.rfid RFIDSendBlockData 071234"
                               << "svc.rfid"
                               << "RFIDSendBlockData" << QVariant(QStringLiteral("071234"));
    QTest::newRow("card written") << "emit svc.rfid writeCredentialsResult -1"
                                  << "svc.rfid"
                                  << "writeCredentialsResult" << QVariant(-1);
    QTest::newRow("silence") << "emit svc.swiss silentStatus true"
                             << "svc.swiss"
                             << "silentStatus" << QVariant(true);
    QTest::newRow("reset") << "emit svc.swiss rstnStatus 0"
                           << "svc.swiss"
                           << "rstnStatus" << QVariant(false);
    QTest::newRow("key switch") << "emit svc.swiss keyswStatus 1"
                                << "svc.swiss"
                                << "keyswStatus" << QVariant(true);
    QTest::newRow("front-panel key") << "emit svc.frontpanel softKeyClicked RESET" << FrontPanel << "softKeyClicked"
                                     << QVariant(QStringLiteral("RESET"));
    QTest::newRow("panel key switch") << "emit svc.frontpanel keyswitchUpdate true" << FrontPanel << "keyswitchUpdate"
                                      << QVariant(true);
}

void TestHostServices::signalsOnRequest()
{
    QFETCH(QString, command);
    QFETCH(QString, service);
    QFETCH(QString, signal);
    QFETCH(QVariant, value);

    const QString interface = QStringLiteral("vemo.") + service.section(QLatin1Char('.'), 1, 1);
    QDBusInterface proxy(service, QStringLiteral("/"), interface);
    QVERIFY(proxy.isValid());
    const QMetaMethod method =
        proxy.metaObject()->method(proxy.metaObject()->indexOfSignal(QMetaObject::normalizedSignature(
            qPrintable(signal + QLatin1Char('(') + QLatin1String(value.typeName()) + QLatin1Char(')')))));
    QVERIFY2(method.isValid(), qPrintable(signal));
    QSignalSpy received(&proxy, method);
    QCOMPARE(m_hostServices.command(command), QStringLiteral("emitted ") + command.section(QLatin1Char(' '), 1));
    QVERIFY(received.wait(10000));
    QCOMPARE(received.at(0).at(0), value);
}

void TestHostServices::badCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("not a command") << "hello";
    QTest::newRow("unknown service") << "emit svc.coffee ready true";
    QTest::newRow("method, not signal") << "emit svc.backlight setBrightness 5";
    QTest::newRow("missing argument") << "emit svc.swiss silentStatus";
    QTest::newRow("extra argument") << "emit svc.swiss silentStatus true false";
    QTest::newRow("bad boolean") << "emit svc.swiss silentStatus maybe";
    QTest::newRow("bad number") << "emit svc.power powerStatusUpdate -4";
}

void TestHostServices::badCommands()
{
    QFETCH(QString, command);
    QVERIFY(m_hostServices.command(command).startsWith(QStringLiteral("error")));
}

void TestHostServices::helpListsEveryCommandAndSignal()
{
    m_hostServices.clear();
    m_hostServices.command(QStringLiteral("help"));
    // Help ends before the answer to the next command.
    QVERIFY(m_hostServices.command(QStringLiteral("hello")).startsWith(QStringLiteral("error")));
    QStringList help = m_hostServices.lines();
    help.removeLast();

    const QStringList usages{"emit <service> <signal> [arguments]",
                             "help",
                             "quit",
                             "emit svc.power powerStatusUpdate <unsigned>",
                             "emit svc.rfid RFIDSendBlockData <text>",
                             "emit svc.rfid writeCredentialsResult <integer>",
                             "emit svc.swiss silentStatus true|false",
                             "emit svc.swiss rstnStatus true|false",
                             "emit svc.swiss keyswStatus true|false",
                             "emit svc.frontpanel softKeyClicked <text>",
                             "emit svc.frontpanel touchscreenPressed",
                             "emit svc.frontpanel touchscreenReleased",
                             "emit svc.frontpanel keyswitchUpdate true|false",
                             "emit svc.frontpanel usbStickUpdate true|false"};
    QStringList listed;
    for (int i = 0; i < help.size(); ++i) {
        // The description follows the usage, or is indented on the next line.
        const bool ownLine = i + 1 < help.size() && help.at(i + 1).startsWith(QLatin1Char(' '));
        const QString usage = ownLine ? help.at(i) : help.at(i).section(QLatin1String("  "), 0, 0);
        const QString description = ownLine ? help.at(++i).trimmed() : help.at(i).mid(usage.size()).trimmed();
        QVERIFY2(!description.isEmpty(), qPrintable(usage));
        listed << usage;
    }
    QCOMPARE(listed, usages);
}

QTEST_GUILESS_MAIN(TestHostServices)
#include "tst_hostservices.moc"
