#include "RecordingService.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/DB_swissinterface.h"

#include <QSignalSpy>
#include <QtTest>

// The front-panel proxy against a front-panel service of the test's own,
// on the default port.
class TestDBTeskFPInterface final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void serviceName();
    void keyDispatch_data();
    void keyDispatch();
    void keysArriveFromTheBus();
    void touchesArriveFromTheBus();
    void calls();
    void flasherCalls_data();
    void flasherCalls();
    void regionalBoard();
    void eepromWrite_data();
    void eepromWrite();

private:
    RecordingService *m_service = nullptr;
};

void TestDBTeskFPInterface::initTestCase()
{
    m_service = new RecordingService(QStringLiteral("svc.frontpanel.p56789"));
    QVERIFY(m_service->isServing());
    DB_TESK_FP_Interface::instance();
    // The proxy asks a running service for the key switch at once.
    QCOMPARE(m_service->calls(), QStringList{QStringLiteral("sendPhysicalKeyStatus")});
}

void TestDBTeskFPInterface::cleanupTestCase()
{
    delete m_service;
}

void TestDBTeskFPInterface::serviceName()
{
    QCOMPARE(DB_TESK_FP_Interface::instance()->getServiceName(), QStringLiteral("svc.frontpanel.p56789"));
    QCOMPARE(DB_TESK_FP_Interface::instance()->service(), QStringLiteral("svc.frontpanel.p56789"));
    QCOMPARE(DB_TESK_FP_Interface::instance()->interface(), QStringLiteral("vemo.frontpanel"));
    QCOMPARE(DB_TESK_FP_Interface::instance()->path(), QStringLiteral("/"));
}

void TestDBTeskFPInterface::keyDispatch_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("signal"); // empty: none

    QTest::newRow("HOME") << "HOME" << QByteArray(SIGNAL(homePressed()));
    QTest::newRow("BACK") << "BACK" << QByteArray(SIGNAL(backPressed()));
    QTest::newRow("HELP") << "HELP" << QByteArray(SIGNAL(helpPressed()));
    QTest::newRow("SILENCE_PANEL") << "SILENCE_PANEL" << QByteArray(SIGNAL(silencePressed()));
    QTest::newRow("SILENCE_PANEL_SOUNDERS") << "SILENCE_PANEL_SOUNDERS" << QByteArray(SIGNAL(silencePanelPressed()));
    QTest::newRow("RESET") << "RESET" << QByteArray(SIGNAL(resetPressed()));
    QTest::newRow("SCANDINAVIAN") << "SCANDINAVIAN" << QByteArray(SIGNAL(scandinavianPressed()));
    QTest::newRow("GENERAL") << "GENERAL" << QByteArray(SIGNAL(generalPressed()));
    QTest::newRow("PANEL") << "PANEL" << QByteArray(SIGNAL(panelPressed()));
    QTest::newRow("SOUNDERS") << "SOUNDERS" << QByteArray(SIGNAL(soundersPressed()));
    QTest::newRow("SIGNALLING") << "SIGNALLING" << QByteArray(SIGNAL(signallingPressed()));
    QTest::newRow("PROTECTION") << "PROTECTION" << QByteArray(SIGNAL(protectionPressed()));
    QTest::newRow("ZONES") << "ZONES" << QByteArray(SIGNAL(zonesPressed()));
    QTest::newRow("SCREENSHOT") << "SCREENSHOT" << QByteArray(SIGNAL(screenshotPressed()));
    QTest::newRow("lower case") << "home" << QByteArray();
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("unknown") << "FIRE" << QByteArray();
}

void TestDBTeskFPInterface::keyDispatch()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, signal);

    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    const QList<QByteArray> keySignals = {
        SIGNAL(homePressed()),         SIGNAL(backPressed()),         SIGNAL(helpPressed()),
        SIGNAL(silencePressed()),      SIGNAL(silencePanelPressed()), SIGNAL(resetPressed()),
        SIGNAL(scandinavianPressed()), SIGNAL(generalPressed()),      SIGNAL(panelPressed()),
        SIGNAL(soundersPressed()),     SIGNAL(signallingPressed()),   SIGNAL(protectionPressed()),
        SIGNAL(zonesPressed()),        SIGNAL(screenshotPressed()),
    };
    QList<QSignalSpy *> spies;
    for (const QByteArray &keySignal : keySignals)
        spies << new QSignalSpy(proxy, keySignal.constData());

    proxy->softKeyClickedSlot(key);
    for (int i = 0; i < keySignals.size(); ++i)
        QCOMPARE(spies.at(i)->count(), keySignals.at(i) == signal ? 1 : 0);
    qDeleteAll(spies);
}

void TestDBTeskFPInterface::keysArriveFromTheBus()
{
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    QSignalSpy home(proxy, &DB_TESK_FP_Interface::homePressed);
    QSignalSpy reset(proxy, &DB_TESK_FP_Interface::resetPressed);
    QVERIFY(m_service->sendSignal(QStringLiteral("vemo.frontpanel"), QStringLiteral("softKeyClicked"),
                                  {QStringLiteral("RESET")}));
    QVERIFY(m_service->sendSignal(QStringLiteral("vemo.frontpanel"), QStringLiteral("softKeyClicked"),
                                  {QStringLiteral("HOME")}));
    QTRY_COMPARE(home.count(), 1);
    QCOMPARE(reset.count(), 1);
}

void TestDBTeskFPInterface::touchesArriveFromTheBus()
{
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    QSignalSpy pressed(proxy, &DB_TESK_FP_Interface::touchscreenPressed);
    QSignalSpy released(proxy, &DB_TESK_FP_Interface::touchscreenReleased);
    QSignalSpy keyswitch(proxy, &DB_TESK_FP_Interface::keyswitchUpdate);
    QVERIFY(m_service->sendSignal(QStringLiteral("vemo.frontpanel"), QStringLiteral("touchscreenPressed"), {}));
    QVERIFY(m_service->sendSignal(QStringLiteral("vemo.frontpanel"), QStringLiteral("touchscreenReleased"), {}));
    QVERIFY(m_service->sendSignal(QStringLiteral("vemo.frontpanel"), QStringLiteral("keyswitchUpdate"), {true}));
    QTRY_COMPARE(keyswitch.count(), 1);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(released.count(), 1);
    QCOMPARE(keyswitch.at(0).at(0).toBool(), true);
}

void TestDBTeskFPInterface::calls()
{
    m_service->clear();
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    proxy->setGUIMode(0);
    proxy->setGUIMode(3);
    proxy->sendPhysicalKeyStatus();
    QCOMPARE(m_service->calls(), (QStringList{QStringLiteral("setGUIMode 0"), QStringLiteral("setGUIMode 3"),
                                              QStringLiteral("sendPhysicalKeyStatus")}));
}

void TestDBTeskFPInterface::flasherCalls_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<QString>("recorded");

    const QString leds = QStringLiteral("10000000000000001");
    QTest::newRow("setLeds") << "setLeds" << QVariant(leds) << "setLeds " + leds;
    QTest::newRow("setZonalLeds") << "setZonalLeds" << QVariant(QString(16, '1')) << "setZonalLeds " + QString(16, '1');
    QTest::newRow("setExternalZonalLeds")
        << "setExternalZonalLeds" << QVariant(QString(240, '0')) << "setExternalZonalLeds " + QString(240, '0');
    QTest::newRow("setBuzzer on") << "setBuzzer" << QVariant(true) << "setBuzzer true";
    QTest::newRow("setBuzzer off") << "setBuzzer" << QVariant(false) << "setBuzzer false";
}

// The LED flasher's calls carry the service's method names and arguments.
void TestDBTeskFPInterface::flasherCalls()
{
    QFETCH(QString, method);
    QFETCH(QVariant, argument);
    QFETCH(QString, recorded);

    m_service->clear();
    DB_TESK_FP_Interface *proxy = DB_TESK_FP_Interface::instance();
    if (method == QLatin1String("setLeds"))
        proxy->setLeds(argument.toString());
    else if (method == QLatin1String("setZonalLeds"))
        proxy->setZonalLeds(argument.toString());
    else if (method == QLatin1String("setExternalZonalLeds"))
        proxy->setExternalZonalLeds(argument.toString());
    else
        proxy->setBuzzer(argument.toBool());
    QTRY_COMPARE(m_service->calls(), QStringList{recorded});
}

// The regional board's three LEDs, in the order the flasher sends them; the
// calls do not wait for the board.
void TestDBTeskFPInterface::regionalBoard()
{
    RecordingService board(QStringLiteral("svc.swiss"));
    QVERIFY(board.isServing());
    DB_swissinterface *proxy = DB_swissinterface::instance();
    QCOMPARE(proxy->service(), QStringLiteral("svc.swiss"));
    QCOMPARE(proxy->interface(), QStringLiteral("vemo.swiss"));
    proxy->setFireLed(true);
    proxy->setFaultLed(false);
    proxy->setFSALed(true);
    QTRY_COMPARE(board.calls(), (QStringList{QStringLiteral("setFireLed true"), QStringLiteral("setFaultLed false"),
                                             QStringLiteral("setFSALed true")}));
}

void TestDBTeskFPInterface::eepromWrite_data()
{
    QTest::addColumn<QString>("reply"); // "true", "false", "error", "none"
    QTest::addColumn<bool>("written");

    QTest::newRow("written") << "true" << true;
    QTest::newRow("refused") << "false" << false;
    QTest::newRow("error reply") << "error" << false;
    QTest::newRow("reply without a value") << "none" << false;
}

void TestDBTeskFPInterface::eepromWrite()
{
    QFETCH(QString, reply);
    QFETCH(bool, written);

    if (reply == QLatin1String("error"))
        m_service->setError(QStringLiteral("eepromWrite"));
    else
        m_service->setReply(QStringLiteral("eepromWrite"),
                            reply == QLatin1String("none") ? QVariant() : QVariant(reply == QLatin1String("true")));
    m_service->clear();
    QCOMPARE(DB_TESK_FP_Interface::instance()->eepromWrite(2304, QByteArray("\x01", 1)), written);
    QCOMPARE(m_service->calls(), QStringList{QStringLiteral("eepromWrite 2304 01")});
}

QTEST_GUILESS_MAIN(TestDBTeskFPInterface)
#include "tst_db_tesk_fp_interface.moc"
