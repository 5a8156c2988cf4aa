#include "ArtworkDir.h"
#include "FakeClock.h"
#include "FrontPanelProbe.h"
#include "NamedChild.h"
#include "SameThreadLink.h"
#include "WaitUntil.h"
#include "app/EngineLinkEffects.h"
#include "app/FireTimer.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/QVemoApplication.h"
#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/simulator/FrontPanelAdaptor.h"
#include "frontpanel/simulator/MainWindow.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30086.h"
#include "widgets/AUK_90002.h"

#include <QDBusConnection>
#include <QtTest>

#include <memory>

// The panel test and the evacuation as a user meets them, with the
// controller emulator at the other end of a real link: the home screen's
// panel-test button runs the test, whose LED step the front panel shows,
// and the controller hears of the self-test when it closes; during a fire,
// the fire screen's evacuate key and its confirmation make the controller
// hear the evacuation. The engine's link, page stack, screens, LED flasher
// and simulated front panel run in this process, wired as the engine wires
// them, so that the test can press the screen's buttons. The link and the
// front panel's flasher keep real time; the timers made once the site is in
// (the self-test's steps among them) run on the fake clock.

namespace {

constexpr int Timeout = 30000;
// The front panel's LEDs as the engine drives them: all 17 lit in the LED test.
const QString AllLit(17, QLatin1Char('1'));
// The first flag byte of the engine configuration: evacuation offered.
constexpr int EvacuateEnabledFlag = 0x04;

QString topPage()
{
    const QStringList names = PageStack::instance()->pageNames();
    return names.isEmpty() ? QString() : names.last();
}

} // namespace

class tst_PanelPopupsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void panelTestFromTheHomeScreen();
    void evacuationDuringAFire();

private:
    // Where the engine runs: its keys take their size from the artwork.
    ArtworkDir m_directory;
    EngineLinkEffects m_effects;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QObject> m_frontPanel;
    std::unique_ptr<SameThreadLink> m_link;
    std::unique_ptr<FakeClock> m_clock;
};

void tst_PanelPopupsEndToEnd::initTestCase()
{
    QVERIFY(m_directory.isValid());
    // The simulated front panel serves the engine's LED and buzzer calls.
    m_window = std::make_unique<MainWindow>();
    m_frontPanel = std::make_unique<QObject>();
    new FrontPanelAdaptor(m_window.get(), m_frontPanel.get());
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.registerService(DB_TESK_FP_Interface::instance()->getServiceName()));
    QVERIFY(bus.registerObject(QStringLiteral("/"), m_frontPanel.get(), QDBusConnection::ExportAdaptors));

    SC_LinkEffects::install(&m_effects);
    m_link = std::make_unique<SameThreadLink>();
    SyncClient *client = SyncClient::instance();
    SystemState::instance()->watchEthernetLink(client);
    PageHeaderSource::install(nullptr);
    PageStack *stack = PageStack::instance();
    stack->setHomeScreenFactory(
        [](int accessLevel, int userLevel) -> Page * { return new AUK_30002(accessLevel, userLevel); });
    stack->setFireScreenFactory(
        [](int accessLevel, bool e30Connected) -> Page * { return new AUK_30086(accessLevel, e30Connected); });
    stack->push(new AUK_90001A);
    stack->show();

    QVERIFY(m_link->connect({QStringLiteral("--heartbeat=1000")}));
    QVERIFY(m_link->heartbeatAnswered());
    QVERIFY(waitUntil([] { return SystemState::instance()->isEthernetConnected(); }, Timeout));

    const int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("engineflags %1").arg(EvacuateEnabledFlag));
    m_link->controller().command(QStringLiteral("sync"));
    const int done = m_link->waitForLine(QStringLiteral("sync done"), from);
    QVERIFY(done >= 0);
    QCOMPARE(m_link->controller().lines().at(done), QStringLiteral("sync done status=0"));
    stack->showMainScreen(false);
    QCOMPARE(topPage(), QStringLiteral("AUK_30002"));
    m_clock = std::make_unique<FakeClock>();
    // A fire brings the fire screen over home; its reshow waits on the fake clock.
    FireTimer::instance();
}

void tst_PanelPopupsEndToEnd::cleanupTestCase()
{
    PageStack::destroyInstance();
    m_clock.reset();
    m_link.reset();
    SC_LinkEffects::install(nullptr);
    QDBusConnection::sessionBus().unregisterObject(QStringLiteral("/"));
    m_frontPanel.reset();
    m_window.reset();
}

void tst_PanelPopupsEndToEnd::panelTestFromTheHomeScreen()
{
    const quint16 port = QVemoApplication::port();
    QVERIFY(waitUntil([port] { return !FrontPanelProbe::leds(port).isEmpty(); }, Timeout));
    QVERIFY(!FrontPanelProbe::leds(port).startsWith(AllLit));
    QTest::mouseClick(namedChild(PageStack::instance(), "panelTest_TasksButton"), Qt::LeftButton);
    QCOMPARE(topPage(), QStringLiteral("AUK_40003"));

    // The LED step, after the display's three seconds: every LED of the
    // front panel lit.
    m_clock->advance(3000);
    QVERIFY2(waitUntil([port] { return FrontPanelProbe::leds(port).startsWith(AllLit); }, Timeout),
             qPrintable(FrontPanelProbe::leds(port)));
    const int from = m_link->controller().lineCount();
    QCOMPARE(m_link->controller().count(QStringLiteral("input self-test-start")), 0);
    QWidget *popup = PageStack::instance()->findChild<QWidget *>(QStringLiteral("AUK_40003"));
    QTest::mouseClick(namedChild(popup, "rightButton"), Qt::LeftButton);
    QVERIFY(m_link->waitForLine(QStringLiteral("input self-test-start active group=1 input=6"), from) >= 0);
    QVERIFY(m_link->waitForLine(QStringLiteral("input self-test-start inactive group=1 input=6"), from) >= 0);
    QCOMPARE(topPage(), QStringLiteral("AUK_30002"));
    // The LEDs show the panel's state again.
    QVERIFY2(waitUntil([port] { return !FrontPanelProbe::leds(port).startsWith(AllLit); }, Timeout),
             qPrintable(FrontPanelProbe::leds(port)));
}

void tst_PanelPopupsEndToEnd::evacuationDuringAFire()
{
    int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("pointevent fire 1 1 1"));
    QVERIFY(m_link->waitForLine(QStringLiteral("eventlog raised 1"), from) >= 0);
    QVERIFY2(waitUntil([] { return topPage() == QLatin1String("AUK_30086"); }, Timeout),
             qPrintable(PageStack::instance()->pageNames().join(QLatin1Char(','))));

    Page *fireScreen = PageStack::instance()->findChild<Page *>(QStringLiteral("AUK_30086"));
    QTest::mouseClick(namedChild(fireScreen, "middleButton"), Qt::LeftButton);
    QCOMPARE(topPage(), QStringLiteral("AUK_40002"));
    from = m_link->controller().lineCount();
    QWidget *popup = PageStack::instance()->findChild<QWidget *>(QStringLiteral("AUK_40002"));
    QTest::mouseClick(namedChild(popup, "leftButton"), Qt::LeftButton);
    QVERIFY(m_link->waitForLine(QStringLiteral("input evacuate active group=1 input=1"), from) >= 0);
    QCOMPARE(topPage(), QStringLiteral("AUK_30086"));
    // Sent once.
    QVERIFY(m_link->waitForLine(QStringLiteral("input evacuate inactive group=1 input=1"), from) >= 0);
    QCOMPARE(m_link->controller().count(QStringLiteral("input evacuate active")), 1);
}

QTEST_MAIN(tst_PanelPopupsEndToEnd)
#include "tst_panelpopups_e2e.moc"
