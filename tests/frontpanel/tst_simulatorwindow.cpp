#include "ArtworkDir.h"
#include "WidgetShot.h"
#include "app/AUK_30001.h"
#include "app/PageStack.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/simulator/FrontPanelAdaptor.h"
#include "frontpanel/simulator/MainWindow.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDomDocument>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include <memory>

namespace {

// A bound, not a delay: each wait ends as soon as the bus signal is in.
constexpr int BusTimeout = 30000;

const QString serviceName = QStringLiteral("svc.frontpanel.p56789");

// "0110" as a list of booleans and back.
QList<bool> bools(const QString &text)
{
    QList<bool> list;
    for (QChar c : text)
        list << (c == QLatin1Char('1'));
    return list;
}

QString text(const QList<bool> &list)
{
    QString out;
    for (bool b : list)
        out += b ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

// Records a bus signal's boolean, as the engine's direct subscriptions do.
class BusSignalRecorder final : public QObject
{
    Q_OBJECT

public slots:
    void record(bool value) { values << value; }

public:
    QList<bool> values;
};

} // namespace

// The simulator window as the start-up builds it: the page stack in its
// corner, the background chosen on the command line, and the front-panel
// adaptor answering on the bus, as the engine's own front-panel proxy sees it.
class TestSimulatorWindow final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void window();
    void rectangles_data();
    void rectangles();
    void startState();
    void ledPositions_data();
    void ledPositions();
    void shortListsLeaveTheRest();
    void zoneLeds();
    void buzzer();
    void styleSheet();
    void pageStack();

    void adaptor_data();
    void adaptor();
    void setLedWritesItsLine();
    void introspection();
    void adaptorSetsPanelTitle_data();
    void adaptorSetsPanelTitle();
    void unansweredMethods_data();
    void unansweredMethods();

    void keysReachTheProxy_data();
    void keysReachTheProxy();
    void keySwitch();
    void usbSocket();
    void touches();

    void screenshot();

private:
    QLabel *label(const char *name) const { return m_window->findChild<QLabel *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(QLatin1String(name)); }
    QDBusMessage call(const QString &method, const QVariantList &arguments = {},
                      const QString &interface = QStringLiteral("vemo.frontpanel"));

    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QObject> m_exported;
    FrontPanelAdaptor *m_adaptor = nullptr;
};

void TestSimulatorWindow::initTestCase()
{
    qDBusRegisterMetaType<QList<bool>>();
    // As in the engine: the proxy exists before the window's service name.
    DB_TESK_FP_Interface::instance();
    QVERIFY(QDBusConnection::sessionBus().registerService(serviceName));
    // The bus holds back what it receives until the event loop first runs,
    // and the news of the name's new owner is among it. A key signal handled
    // as the backlog is released could overtake that news and be dropped as
    // coming from a stranger, so the tests start once the proxy knows its
    // service's owner.
    QTRY_VERIFY_WITH_TIMEOUT(DB_TESK_FP_Interface::instance()->isValid(), BusTimeout);
}

void TestSimulatorWindow::cleanupTestCase()
{
    QDBusConnection::sessionBus().unregisterService(serviceName);
}

void TestSimulatorWindow::init()
{
    m_window = std::make_unique<MainWindow>();
    m_exported = std::make_unique<QObject>();
    m_adaptor = new FrontPanelAdaptor(m_window.get(), m_exported.get());
    QVERIFY(QDBusConnection::sessionBus().registerObject(QStringLiteral("/"), m_exported.get(),
                                                         QDBusConnection::ExportAdaptors));
}

void TestSimulatorWindow::cleanup()
{
    QDBusConnection::sessionBus().unregisterObject(QStringLiteral("/"));
    m_exported.reset();
    m_window.reset();
}

QDBusMessage TestSimulatorWindow::call(const QString &method, const QVariantList &arguments, const QString &interface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(serviceName, QStringLiteral("/"), interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

void TestSimulatorWindow::window()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("GUI Simulator"));
    QCOMPARE(m_window->size(), QSize(1040, 672));
    QCOMPARE(m_window->minimumSize(), QSize(1040, 672));
    QCOMPARE(m_window->centralWidget()->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(m_window->centralWidget()->minimumSize(), m_window->centralWidget()->maximumSize());
    QVERIFY(!m_window->statusBar()->isSizeGripEnabled());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        QVERIFY(button->isFlat());
        QVERIFY(button->text().isEmpty());
    }
}

void TestSimulatorWindow::rectangles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("homeButton") << "homeButton" << QRect(30, 520, 101, 101);
    QTest::newRow("backButton") << "backButton" << QRect(130, 520, 101, 101);
    QTest::newRow("helpButton") << "helpButton" << QRect(240, 520, 101, 101);
    QTest::newRow("silencePanelButton") << "silencePanelButton" << QRect(420, 517, 111, 101);
    QTest::newRow("scandinavianButton") << "scandinavianButton" << QRect(690, 530, 131, 101);
    QTest::newRow("silencePanelSoundersButton") << "silencePanelSoundersButton" << QRect(830, 510, 61, 61);
    QTest::newRow("resetButton") << "resetButton" << QRect(830, 580, 61, 51);
    QTest::newRow("generalButton") << "generalButton" << QRect(690, 0, 201, 111);
    QTest::newRow("panelButton") << "panelButton" << QRect(690, 110, 201, 101);
    QTest::newRow("soundersButton") << "soundersButton" << QRect(690, 214, 201, 51);
    QTest::newRow("signallingButton") << "signallingButton" << QRect(690, 266, 201, 51);
    QTest::newRow("protectionButton") << "protectionButton" << QRect(690, 315, 201, 51);
    QTest::newRow("zonesButton") << "zonesButton" << QRect(690, 368, 201, 111);
    QTest::newRow("physicalKeyButton") << "physicalKeyButton" << QRect(920, 549, 101, 101);
    QTest::newRow("physicalUSBButton") << "physicalUSBButton" << QRect(920, 429, 101, 111);
    QTest::newRow("keyOut") << "keyOut" << QRect(946, 570, 64, 64);
    QTest::newRow("keyIn") << "keyIn" << QRect(946, 570, 64, 64);
    QTest::newRow("USBOut") << "USBOut" << QRect(935, 452, 81, 64);
    QTest::newRow("USBIn") << "USBIn" << QRect(935, 452, 81, 64);
    QTest::newRow("ledGeneralFire") << "ledGeneralFire" << QRect(863, 23, 17, 17);
    QTest::newRow("ledPanelPowerOn") << "ledPanelPowerOn" << QRect(863, 130, 17, 17);
    QTest::newRow("ledSignallingFault") << "ledSignallingFault" << QRect(812, 292, 17, 17);
    QTest::newRow("ledScandinavian2") << "ledScandinavian2" << QRect(762, 533, 17, 17);
    QTest::newRow("ledBuzzer") << "ledBuzzer" << QRect(501, 520, 17, 17);
    QTest::newRow("ledZonal_01") << "ledZonal_01" << QRect(717, 394, 17, 17);
    QTest::newRow("ledZonal_04") << "ledZonal_04" << QRect(717, 455, 17, 17);
    QTest::newRow("ledZonal_05") << "ledZonal_05" << QRect(765, 394, 17, 17);
    QTest::newRow("ledZonal_16") << "ledZonal_16" << QRect(863, 455, 17, 17);
}

void TestSimulatorWindow::rectangles()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestSimulatorWindow::startState()
{
    const QList<QLabel *> leds = m_window->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^led")));
    QCOMPARE(leds.size(), 20 + 16);
    for (QLabel *led : leds)
        QCOMPARE(led->isHidden(), led->objectName() != QLatin1String("ledPanelPowerOn"));
    QVERIFY(label("ledPanelPowerOn")->styleSheet().contains(QLatin1String("led_green.png")));
    QVERIFY(!label("keyOut")->isHidden());
    QVERIFY(label("keyIn")->isHidden());
    QVERIFY(!label("USBOut")->isHidden());
    QVERIFY(label("USBIn")->isHidden());
}

void TestSimulatorWindow::ledPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("lit");

    QTest::newRow("0 general fire") << 0 << QStringList{"ledGeneralFire"};
    QTest::newRow("4 mains fault, not power-on") << 4 << QStringList{"ledPanelMainsFault"};
    QTest::newRow("6 day mode") << 6 << QStringList{"ledPanelDayMode"};
    QTest::newRow("15 protection disabled") << 15 << QStringList{"ledProtectionDisabled"};
    QTest::newRow("16 both Scandinavian") << 16 << QStringList{"ledScandinavian1", "ledScandinavian2"};
}

void TestSimulatorWindow::ledPositions()
{
    QFETCH(int, position);
    QFETCH(QStringList, lit);
    QList<bool> leds = bools(QString(17, QLatin1Char('0')));
    leds[position] = true;
    m_window->setLeds(leds);
    for (QLabel *led : m_window->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^led")))) {
        const bool on = lit.contains(led->objectName()) || led->objectName() == QLatin1String("ledPanelPowerOn");
        QCOMPARE(led->isHidden(), !on);
    }
}

// A list from outside may be short; the window reads only what it is given.
void TestSimulatorWindow::shortListsLeaveTheRest()
{
    m_window->setLeds(bools(QString(17, QLatin1Char('1'))));
    m_window->setLeds(bools(QStringLiteral("00")));
    QVERIFY(label("ledGeneralFire")->isHidden());
    QVERIFY(label("ledGeneralFault")->isHidden());
    QVERIFY(!label("ledGeneralDisabled")->isHidden());
    QVERIFY(!label("ledScandinavian1")->isHidden());
    m_window->setLeds({});
    m_window->setZonalLeds(QBitArray(16, true));
    m_window->setZonalLeds(QBitArray(3));
    QVERIFY(label("ledZonal_03")->isHidden());
    QVERIFY(!label("ledZonal_04")->isHidden());
}

void TestSimulatorWindow::zoneLeds()
{
    QBitArray bits(16);
    bits.setBit(0);
    bits.setBit(15);
    m_window->setZonalLeds(bits);
    for (int i = 1; i <= 16; ++i) {
        const QByteArray name = QStringLiteral("ledZonal_%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        QCOMPARE(label(name.constData())->isHidden(), i != 1 && i != 16);
    }
}

void TestSimulatorWindow::buzzer()
{
    m_window->setBuzzer(true);
    QVERIFY(!label("ledBuzzer")->isHidden());
    m_window->setBuzzer(false);
    QVERIFY(label("ledBuzzer")->isHidden());
}

void TestSimulatorWindow::styleSheet()
{
    const QString protection =
        QStringLiteral("QMainWindow {border-image: url(:/new/prefix1/backgroundProtection.png)}");
    m_window->setMyStyleSheet(protection);
    QCOMPARE(m_window->styleSheet(), protection);
    m_window->setMyStyleSheet(QString());
    QCOMPARE(m_window->styleSheet(), protection);
    // The key buttons stay see-through over the panel front.
    QVERIFY(m_window->centralWidget()->styleSheet().contains(QLatin1String("rgba(255, 255, 255, 0)")));
}

void TestSimulatorWindow::pageStack()
{
    PageStack *stack = PageStack::instance();
    QCOMPARE(PageStack::instance(), stack);
    QCOMPARE(stack->geometry(), QRect(0, 0, 640, 480));
    QCOMPARE(stack->minimumSize(), QSize(640, 480));
    QCOMPARE(stack->maximumSize(), QSize(640, 480));

    // The window takes the stack along when it goes.
    {
        MainWindow window;
        stack->setParent(window.centralWidget());
    }
    // A fresh stack, not the one that went (which would be a use after free).
    QCOMPARE(PageStack::instance()->parentWidget(), nullptr);
    PageStack::destroyInstance();
}

void TestSimulatorWindow::adaptor_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("getter");
    QTest::addColumn<QString>("expected"); // the getter's answer as 0 and 1

    const QVariantList none;
    const QString zeros17(17, QLatin1Char('0'));
    QTest::newRow("engine string keeps entry 17")
        << "setLeds" << QVariantList{QStringLiteral("1") + QString(15, QLatin1Char('0')) + QStringLiteral("1")}
        << "getLeds"
        << "100000000000000010";
    QTest::newRow("empty string changes nothing")
        << "setLeds" << QVariantList{QString()} << "getLeds" << QString(18, QLatin1Char('0'));
    QTest::newRow("other characters are dark") << "setLeds" << QVariantList{QStringLiteral("1x2 1")} << "getLeds"
                                               << "100010000000000000";
    QTest::newRow("string longer than the states")
        << "setLeds" << QVariantList{QString(30, QLatin1Char('1'))} << "getLeds" << QString(18, QLatin1Char('1'));
    QTest::newRow("short list keeps 18") << "setLeds" << QVariantList{QVariant::fromValue(bools("11"))} << "getLeds"
                                         << "110000000000000000";
    QTest::newRow("long list keeps 18") << "setLeds" << QVariantList{QVariant::fromValue(bools(QString(30, '1')))}
                                        << "getLeds" << QString(18, QLatin1Char('1'));
    QTest::newRow("setLed 17") << "setLed" << QVariantList{17, true} << "getLeds" << zeros17 + "1";
    QTest::newRow("setLed 18 ignored") << "setLed" << QVariantList{18, true} << "getLeds"
                                       << QString(18, QLatin1Char('0'));
    QTest::newRow("setLed -1 ignored") << "setLed" << QVariantList{-1, true} << "getLeds"
                                       << QString(18, QLatin1Char('0'));
    QTest::newRow("buzzer untouched") << "getBuzzer" << none << "getBuzzer"
                                      << "0";
    QTest::newRow("buzzer text 1") << "setBuzzer" << QVariantList{QStringLiteral("1")} << "getBuzzer"
                                   << "1";
    QTest::newRow("buzzer text 0") << "setBuzzer" << QVariantList{QStringLiteral("0")} << "getBuzzer"
                                   << "0";
    QTest::newRow("buzzer text on") << "setBuzzer" << QVariantList{QStringLiteral("on")} << "getBuzzer"
                                    << "0";
    QTest::newRow("buzzer empty text") << "setBuzzer" << QVariantList{QString()} << "getBuzzer"
                                       << "0";
    QTest::newRow("buzzer true") << "setBuzzer" << QVariantList{true} << "getBuzzer"
                                 << "1";
    QTest::newRow("zones 20 characters use 16")
        << "setZonalLeds" << QVariantList{QStringLiteral("10000000000000011111")} << "getZonalLeds"
        << "1000000000000001";
    QTest::newRow("zones short list") << "setZonalLeds" << QVariantList{QVariant::fromValue(bools("011"))}
                                      << "getZonalLeds"
                                      << "0110000000000000";
    QTest::newRow("external string") << "setExternalZonalLeds"
                                     << QVariantList{QString(239, QLatin1Char('0')) + QStringLiteral("11")}
                                     << "getExternalZonalLeds" << QString(239, QLatin1Char('0')) + QLatin1Char('1');
    QTest::newRow("external long list") << "setExternalZonalLeds"
                                        << QVariantList{QVariant::fromValue(bools(QString(300, QLatin1Char('1'))))}
                                        << "getExternalZonalLeds" << QString(240, QLatin1Char('1'));
}

void TestSimulatorWindow::adaptor()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, getter);
    QFETCH(QString, expected);

    if (method == QLatin1String("setLed")) {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^SET LED")));
        const int index = arguments.at(0).toInt();
        if (index < 0 || index >= FrontPanelAdaptor::LedCount)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("setLed")));
    }
    const QDBusMessage reply = call(method, arguments);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    // The list setters answer true; the others answer nothing.
    const bool listSetter = !arguments.isEmpty() && arguments.at(0).userType() == qMetaTypeId<QList<bool>>();
    if (listSetter)
        QCOMPARE(reply.arguments(), QVariantList{true});
    else if (method.startsWith(QLatin1String("set")))
        QVERIFY(reply.arguments().isEmpty());

    const QDBusMessage answer = call(getter);
    QCOMPARE(answer.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(answer.arguments().size(), 1);
    const QVariant value = answer.arguments().at(0);
    if (getter == QLatin1String("getBuzzer"))
        QCOMPARE(QString::number(int(value.toBool())), expected);
    else
        QCOMPARE(text(qdbus_cast<QList<bool>>(value)), expected);
}

void TestSimulatorWindow::setLedWritesItsLine()
{
    QTest::ignoreMessage(QtDebugMsg, "SET LED 3: true");
    m_adaptor->setLed(3, true);
    QVERIFY(!label("ledGeneralTest")->isHidden());
}

void TestSimulatorWindow::introspection()
{
    const QDBusMessage reply =
        call(QStringLiteral("Introspect"), {}, QStringLiteral("org.freedesktop.DBus.Introspectable"));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QDomDocument document;
    QVERIFY(document.setContent(reply.arguments().at(0).toString()));
    QStringList methods;
    const QDomNodeList interfaces = document.elementsByTagName(QStringLiteral("interface"));
    for (int i = 0; i < interfaces.size(); ++i) {
        const QDomElement interface = interfaces.at(i).toElement();
        if (interface.attribute(QStringLiteral("name")) != QLatin1String("vemo.frontpanel"))
            continue;
        QVERIFY(interface.elementsByTagName(QStringLiteral("signal")).isEmpty());
        const QDomNodeList nodes = interface.elementsByTagName(QStringLiteral("method"));
        for (int m = 0; m < nodes.size(); ++m) {
            const QDomElement method = nodes.at(m).toElement();
            QString in;
            QString out;
            const QDomNodeList args = method.elementsByTagName(QStringLiteral("arg"));
            for (int a = 0; a < args.size(); ++a) {
                const QDomElement arg = args.at(a).toElement();
                if (arg.attribute(QStringLiteral("direction")) == QLatin1String("out"))
                    out += arg.attribute(QStringLiteral("type"));
                else
                    in += arg.attribute(QStringLiteral("name")) + QLatin1Char(':')
                          + arg.attribute(QStringLiteral("type")) + QLatin1Char(' ');
            }
            methods << QStringLiteral("%1(%2)%3").arg(method.attribute(QStringLiteral("name")), in.trimmed(), out);
        }
    }
    methods.sort();
    QStringList expected{
        "setLeds(ledString:s)",
        "setLed(index:i state:b)",
        "setLeds(status:ab)b",
        "getLeds()ab",
        "setBuzzer(buzz:s)",
        "setBuzzer(buzz:b)",
        "getBuzzer()b",
        "setPanel(panelStr:s)",
        "sendPhysicalKeyStatus()",
        "setZonalLeds(ledString:s)",
        "setZonalLeds(status:ab)b",
        "getZonalLeds()ab",
        "setExternalZonalLeds(ledString:s)",
        "setExternalZonalLeds(status:ab)b",
        "getExternalZonalLeds()ab",
    };
    expected.sort();
    QCOMPARE(methods, expected);
}

void TestSimulatorWindow::adaptorSetsPanelTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("panel title") << QStringLiteral("GUI Simulator - Panel 7")
                                 << QStringLiteral("GUI Simulator - Panel 7");
    const QString longest = QString(FrontPanelAdaptor::MaximumTitleLength, QLatin1Char('T'));
    QTest::newRow("longest title") << longest << longest;
    // Four megabytes from anyone on the bus: cut to the longest title.
    QTest::newRow("huge title") << longest + QString(4 * 1024 * 1024, QLatin1Char('x')) << longest;
}

void TestSimulatorWindow::adaptorSetsPanelTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QCOMPARE(call(QStringLiteral("setPanel"), {title}).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(m_window->windowTitle(), shown);
}

void TestSimulatorWindow::unansweredMethods_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::newRow("setGUIMode") << "setGUIMode" << QVariantList{0u};
    QTest::newRow("clearSystemFaultLED") << "clearSystemFaultLED" << QVariantList{};
    QTest::newRow("eepromWrite") << "eepromWrite" << QVariantList{4096u, QByteArray(8, '\0')};
}

// The simulator has no EEPROM and no GUI mode of its own: the engine's
// calls get an error, and a configuration write reports failure.
void TestSimulatorWindow::unansweredMethods()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QCOMPARE(call(method, arguments).type(), QDBusMessage::ErrorMessage);
    QVERIFY(!DB_TESK_FP_Interface::instance()->eepromWrite(2304, QByteArray(1, '\1')));
}

void TestSimulatorWindow::keysReachTheProxy_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("homeButton") << "homeButton" << QByteArray(SIGNAL(homePressed()));
    QTest::newRow("backButton") << "backButton" << QByteArray(SIGNAL(backPressed()));
    QTest::newRow("helpButton") << "helpButton" << QByteArray(SIGNAL(helpPressed()));
    QTest::newRow("silencePanelButton") << "silencePanelButton" << QByteArray(SIGNAL(silencePressed()));
    QTest::newRow("scandinavianButton") << "scandinavianButton" << QByteArray(SIGNAL(scandinavianPressed()));
    QTest::newRow("silencePanelSoundersButton")
        << "silencePanelSoundersButton" << QByteArray(SIGNAL(silencePanelPressed()));
    QTest::newRow("resetButton") << "resetButton" << QByteArray(SIGNAL(resetPressed()));
    QTest::newRow("generalButton") << "generalButton" << QByteArray(SIGNAL(generalPressed()));
    QTest::newRow("panelButton") << "panelButton" << QByteArray(SIGNAL(panelPressed()));
    QTest::newRow("soundersButton") << "soundersButton" << QByteArray(SIGNAL(soundersPressed()));
    QTest::newRow("signallingButton") << "signallingButton" << QByteArray(SIGNAL(signallingPressed()));
    QTest::newRow("protectionButton") << "protectionButton" << QByteArray(SIGNAL(protectionPressed()));
    QTest::newRow("zonesButton") << "zonesButton" << QByteArray(SIGNAL(zonesPressed()));
}

// The engine's proxy hears the window's keys over the bus, as it would a
// panel host's front-panel service.
void TestSimulatorWindow::keysReachTheProxy()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, signal);
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    QSignalSpy key(proxy, signal.constData());
    QSignalSpy any(proxy, &DB_TESK_FP_Interface::softKeyClicked);
    m_window->show();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(".")));
    QTest::mouseClick(m_window->findChild<QPushButton *>(button), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(key.count(), 1, BusTimeout);
    QCOMPARE(any.count(), 1);
}

void TestSimulatorWindow::keySwitch()
{
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    QSignalSpy keyswitch(proxy, &DB_TESK_FP_Interface::keyswitchUpdate);
    QTest::ignoreMessage(QtDebugMsg, "PhysicalKey");
    button("physicalKeyButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyswitch.count(), 1, BusTimeout);
    QCOMPARE(keyswitch.at(0).at(0).toBool(), true);
    QVERIFY(!label("keyIn")->isHidden());
    QVERIFY(label("keyOut")->isHidden());

    // Asked for the key's state, the service reports it as it is.
    QCOMPARE(call(QStringLiteral("sendPhysicalKeyStatus")).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(keyswitch.count(), 2, BusTimeout);
    QCOMPARE(keyswitch.at(1).at(0).toBool(), true);

    QTest::ignoreMessage(QtDebugMsg, "PhysicalKey");
    button("physicalKeyButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyswitch.count(), 3, BusTimeout);
    QCOMPARE(keyswitch.at(2).at(0).toBool(), false);
    QVERIFY(label("keyIn")->isHidden());
    QVERIFY(!label("keyOut")->isHidden());
}

void TestSimulatorWindow::usbSocket()
{
    // The engine subscribes to the stick's signal on the bus directly.
    BusSignalRecorder stick;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.connect(serviceName, QStringLiteral("/"), QStringLiteral("vemo.frontpanel"),
                        QStringLiteral("usbStickUpdate"), &stick, SLOT(record(bool))));
    QTest::ignoreMessage(QtDebugMsg, "USBButton");
    button("physicalUSBButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(stick.values, QList<bool>{true}, BusTimeout);
    QVERIFY(!label("USBIn")->isHidden());
    QVERIFY(label("USBOut")->isHidden());
    QTest::ignoreMessage(QtDebugMsg, "USBButton");
    button("physicalUSBButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(stick.values, (QList<bool>{true, false}), BusTimeout);
    QVERIFY(label("USBIn")->isHidden());
    QVERIFY(!label("USBOut")->isHidden());
    bus.disconnect(serviceName, QStringLiteral("/"), QStringLiteral("vemo.frontpanel"),
                   QStringLiteral("usbStickUpdate"), &stick, SLOT(record(bool)));
}

// A touch on the screen area reaches the proxy; a key press is a key, not a
// touch.
void TestSimulatorWindow::touches()
{
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    QSignalSpy pressed(proxy, &DB_TESK_FP_Interface::touchscreenPressed);
    QSignalSpy released(proxy, &DB_TESK_FP_Interface::touchscreenReleased);
    QSignalSpy home(proxy, &DB_TESK_FP_Interface::homePressed);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::ignoreMessage(QtDebugMsg, "\"HOME\"");
    QTest::mouseClick(button("homeButton"), Qt::LeftButton);
    QTest::mouseClick(m_window->centralWidget(), Qt::LeftButton, {}, QPoint(300, 200));
    QTRY_COMPARE_WITH_TIMEOUT(released.count(), 1, BusTimeout);
    QCOMPARE(pressed.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(home.count(), 1, BusTimeout);
}

// The window as a user meets it: the start screen in the corner, the panel
// front around it, and a fire with its zone and the buzzer sounding.
void TestSimulatorWindow::screenshot()
{
    ArtworkDir artwork;
    QVERIFY(artwork.isValid());
    m_window->setMyStyleSheet(
        QStringLiteral("QMainWindow {border-image: url(:/new/prefix1/backgroundProtection.png)}"));
    PageStack *stack = PageStack::instance();
    stack->setParent(m_window->centralWidget());
    stack->move(0, 0);
    stack->push(new AUK_30001);
    stack->show();
    m_window->show();

    m_adaptor->setLeds(QStringLiteral("10000010000000001"));
    m_adaptor->setZonalLeds(QStringLiteral("0010000000000000"));
    m_adaptor->setBuzzer(true);
    const QImage shot = WidgetShot::grab(m_window.get());

    const auto centre = [this](const char *name) { return label(name)->geometry().center(); };
    const QPoint offset = m_window->centralWidget()->pos();
    QVERIFY(WidgetShot::colourAt(shot, centre("ledGeneralFire") + offset).red() > 200);
    QVERIFY(WidgetShot::colourAt(shot, centre("ledPanelPowerOn") + offset).green() > 150);
    QVERIFY(WidgetShot::colourAt(shot, centre("ledZonal_03") + offset).red() > 200);
    QVERIFY(WidgetShot::colourAt(shot, centre("ledScandinavian2") + offset).red() > 200);
    // The start screen fills the corner.
    QVERIFY(!WidgetShot::isTransparent(shot, QRect(offset + QPoint(10, 10), QSize(10, 10))));
    WidgetShot::saveForReview(shot, QStringLiteral("MainWindow"));
    PageStack::destroyInstance();
}

QTEST_MAIN(TestSimulatorWindow)
#include "tst_simulatorwindow.moc"
