#include "../eventlog/EventFixtures.h"
#include "../pointmodels/ScriptedSite.h"
#include "ArtworkDir.h"
#include "BannerShown.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "app/AUK_30001.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/SimulatorOptions.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/rbusEventLog.h"
#include "frontpanel/simulator/MainWindow.h"
#include "link/InvestigateDelayTimer.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "screens/status/AUK_30086.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90025.h"
#include "widgets/AUK_90026.h"
#include "widgets/AUK_90050.h"
#include "widgets/BasePopup.h"

#include <QLabel>
#include <QtTest>

namespace {

constexpr int ZoneNamesBucket = 6;
constexpr int EngineBucket = 0;

QString value(const AUK_30086 &screen, const char *button)
{
    return screen.findChild<InfoPaneButton *>(QLatin1String(button))->buttonValue();
}

QString label(const AUK_30086 &screen, const char *button)
{
    return screen.findChild<InfoPaneButton *>(QLatin1String(button))->buttonLabel();
}

// The zone name line of a fire button.
QString zoneLine(const AUK_30086 &screen, const char *button)
{
    return value(screen, button).section(QLatin1Char('\n'), 1, 1);
}

// A fresh log: a fire reset, then live fires (seqNo, zone).
void writeLog(int resetSeqNo, const QVector<QPair<int, int>> &fires)
{
    EL_EventLogDBbase::destroyInstance();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    const EventLog::EventData reset = EventFixtures::fireReset(EventLog::SeqNum_t(resetSeqNo));
    QVERIFY(log->insertData(&reset, true));
    for (const auto &fire : fires) {
        EventLog::EventData event = EventFixtures::makeEvent(EventLog::SeqNum_t(fire.first), EventLog::CategoryFire, 1,
                                                             quint8(fire.second), quint8(fire.first % 200));
        QVERIFY(log->insertData(&event, true));
    }
}


// The zones and points of the two fires of the screenshots named as a site
// names them: fire 101 in zone 1, fire 102 in zone 2.
void nameTheFires()
{
    ScriptedSite::setValue(ZoneNamesBucket, QStringLiteral("1|1|1"), QStringLiteral("Ground floor east"));
    ScriptedSite::setValue(ZoneNamesBucket, QStringLiteral("1|2|1"), QStringLiteral("Loading bay"));
    PointTextCache *names = PointTextCache::instance();
    const ChannelAddress channel(0, 1, 0);
    names->updatePointText(1, channel, 101, QStringLiteral("Kitchen smoke"), 1);
    names->updatePointText(1, channel, 102, QStringLiteral("Bay door call point"), 1);
}

bool isFireRed(const QColor &colour)
{
    return colour.red() > 150 && colour.green() < 90 && colour.blue() < 90;
}

} // namespace

class tst_FireScreen : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    FakeEthernetLink m_link;
    std::unique_ptr<ArtworkDir> m_artwork;

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void fireButtons_data();
    void fireButtons();
    void delayTicks_data();
    void delayTicks();
    void keysOpenTheirPopups_data();
    void keysOpenTheirPopups();
    void soundersTexts_data();
    void soundersTexts();
    void e30FollowsTheBusLog();
    void firstLiveEventAfterStartIsShown_data();
    void firstLiveEventAfterStartIsShown();
    void firstFireIsLoggedOnceDrawn();
    void screenshot();
    void windowDuringFire();
};

void tst_FireScreen::initTestCase()
{
    m_artwork = std::make_unique<ArtworkDir>();
    QVERIFY(m_artwork->isValid());
    QVERIFY(LinkedScreens::loadEnglish());
    QVERIFY(LinkedScreens::bringLinkUp(m_link));
}

void tst_FireScreen::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setResetEventCode1(0x0301);
    config->setZoneFiltering(false);
    config->setFirstSecondFire(false);
    config->setCurrentLang(1);
    for (int zone = 1; zone <= 3; ++zone)
        ScriptedSite::setValue(ZoneNamesBucket, QStringLiteral("1|%1|1").arg(zone),
                               QStringLiteral("Zone %1").arg(zone));
    rbusEventLog::instance()->clear();
}

void tst_FireScreen::cleanupTestCase()
{
    PageHeaderSource::uninstall();
    EL_EventLogDBbase::destroyInstance();
    m_artwork.reset();
}

using Fires = QVector<QPair<int, int>>;

void tst_FireScreen::fireButtons_data()
{
    QTest::addColumn<int>("reset");
    QTest::addColumn<Fires>("fires");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("countLabel");
    QTest::newRow("plain range") << 100 << Fires{{101, 1}, {102, 2}, {103, 3}} << ""
                                 << "Zone 1"
                                 << "Zone 3"
                                 << "3 fires"
                                 << "Fires";
    QTest::newRow("wrapped range") << 65530 << Fires{{65533, 1}, {65535, 2}, {2, 3}} << ""
                                   << "Zone 1"
                                   << "Zone 3"
                                   << "3 fires"
                                   << "Fires";
    QTest::newRow("equal bounds") << 200 << Fires{} << ""
                                  << ""
                                  << ""
                                  << "0 fires"
                                  << "Fires";
    QTest::newRow("one fire") << 100 << Fires{{101, 2}} << ""
                              << "Zone 2"
                              << ""
                              << "1 fires"
                              << "Fires";
    QTest::newRow("three fires in two zones, filtered") << 100 << Fires{{101, 1}, {102, 2}, {103, 1}} << "zones"
                                                        << "Zone 1"
                                                        << "Zone 2"
                                                        << "2 fires"
                                                        << "Zones in fire";
    QTest::newRow("three fires in two zones, not filtered") << 100 << Fires{{101, 1}, {102, 2}, {103, 1}} << ""
                                                            << "Zone 1"
                                                            << "Zone 1"
                                                            << "3 fires"
                                                            << "Fires";
    QTest::newRow("first and second fire") << 100 << Fires{{101, 1}, {102, 2}, {103, 3}} << "second"
                                           << "Zone 1"
                                           << "Zone 2"
                                           << "3 fires"
                                           << "Fires";
    QTest::newRow("first and second fire, wrapped") << 65530 << Fires{{65533, 1}, {65535, 2}, {2, 3}} << "second"
                                                    << "Zone 1"
                                                    << "Zone 2"
                                                    << "3 fires"
                                                    << "Fires";
}

void tst_FireScreen::fireButtons()
{
    QFETCH(int, reset);
    QFETCH(Fires, fires);
    QFETCH(QString, options);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, count);
    QFETCH(QString, countLabel);
    TeskGlobalConfig::instance()->setZoneFiltering(options.contains(QLatin1String("zones")));
    TeskGlobalConfig::instance()->setFirstSecondFire(options.contains(QLatin1String("second")));
    writeLog(reset, fires);
    EnglishTexts english;
    AUK_30086 screen(1, false);
    QCOMPARE(screen.objectName(), QStringLiteral("AUK_30086"));
    QCOMPARE(zoneLine(screen, "firstFireFilterButton"), first);
    QCOMPARE(zoneLine(screen, "lastFireFilterButton"), last);
    QCOMPARE(value(screen, "zonesInFireFilterButton"), count);
    QCOMPARE(label(screen, "zonesInFireFilterButton"), countLabel);
    QCOMPARE(label(screen, "lastFireFilterButton"),
             options.contains(QLatin1String("second")) ? QStringLiteral("Second fire") : QStringLiteral("Last fire"));
    // The temporary table lives only during a refresh.
    QSqlQuery probe;
    QVERIFY(!probe.exec(QStringLiteral("SELECT COUNT(*) FROM tempFiresTable")));
    // A later fire reaches the buttons once the log has been quiet 3 s.
    if (!fires.isEmpty() && reset == 100) {
        EventLog::EventData event = EventFixtures::makeEvent(150, EventLog::CategoryFire, 1, 3, 50);
        QVERIFY(EL_EventLogDBbase::instance()->insertData(&event, true));
        m_clock.advance(2999);
        QCOMPARE(value(screen, "zonesInFireFilterButton"), count);
        m_clock.advance(1);
        QVERIFY(value(screen, "zonesInFireFilterButton") != count);
    }
}

void tst_FireScreen::delayTicks_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("buttonEnabled");
    QTest::newRow("context 0") << 0 << false;
    QTest::newRow("context 1") << 1 << true;
}

void tst_FireScreen::delayTicks()
{
    QFETCH(int, context);
    QFETCH(bool, buttonEnabled);
    writeLog(100, {{101, 1}});
    AUK_30086 screen(1, false);
    auto *panel = screen.findChild<AUK_90050 *>(QStringLiteral("aUK_90050"));
    QVERIFY(!panel->delayButtonEnabled());
    emit InvestigateDelayTimer::instance()->investigateDelayTimeTick(2, 5, eDlyContext(context));
    QCOMPARE(panel->timeLeft(), QStringLiteral("02:05"));
    QCOMPARE(panel->delayButtonEnabled(), buttonEnabled);
    emit InvestigateDelayTimer::instance()->investigateDelayTimeoutEvent();
    QVERIFY(!panel->delayButtonEnabled());
}

void tst_FireScreen::keysOpenTheirPopups_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("sent");
    // The evacuation popup sends for itself; the delay popup's keys are the
    // screen's: OK starts the delay at the controller, both close it.
    QTest::newRow("evacuate, confirmed") << "evacuate" << true << "AUK_40002"
                                         << "01 81 01 01";
    QTest::newRow("evacuate, cancelled") << "evacuate" << false << "AUK_40002"
                                         << "";
    QTest::newRow("delay, OK") << "delay" << true << "AUK_40013"
                               << "01 83 01 03";
    QTest::newRow("delay, cancelled") << "delay" << false << "AUK_40013"
                                      << "";
}

void tst_FireScreen::keysOpenTheirPopups()
{
    QFETCH(QString, key);
    QFETCH(bool, confirm);
    QFETCH(QString, opened);
    QFETCH(QString, sent);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setEvacuateEnabled(true);
    config->setInputPointChannel(5);
    config->setRbusAddress(15);
    const ChannelAddress inputs(5, 15, 1);
    PointCoreConfiguration::instance()->addChannel(1, inputs, 2);
    PointCoreConfiguration::instance()->addPoint(1, inputs, ScriptedSite::record(1));
    PointCoreConfiguration::instance()->addPoint(1, inputs, ScriptedSite::record(3));
    writeLog(100, {{101, 1}});
    PageStack *stack = PageStack::instance();
    stack->show();
    QVERIFY(stack->push(new AUK_90001A));
    auto *screen = new AUK_30086(1, false);
    QVERIFY(stack->push(screen));
    if (key == QLatin1String("evacuate")) {
        auto *bar = screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
        QVERIFY(bar->middleButtonVisible() && bar->middleButtonEnabled());
        emit bar->middleButtonClicked();
    } else {
        emit InvestigateDelayTimer::instance()->investigateDelayTimeTick(2, 5, eDlyContext(1));
        emit screen->findChild<AUK_90050 *>(QStringLiteral("aUK_90050"))->on_delayBtn_clicked();
    }
    QCOMPARE(stack->pageNames(), (QStringList{QStringLiteral("AUK_90001A"), QStringLiteral("AUK_30086"), opened}));
    auto *popup = stack->findChild<BasePopup *>(opened);
    QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
    if (confirm)
        emit popup->leftButtonClicked();
    else
        emit popup->rightButtonClicked();
    QCOMPARE(stack->pageNames().last(), QStringLiteral("AUK_30086"));
    const QByteArrayList lkSpeak = lkSpeakSent(packets);
    QCOMPARE(lkSpeak.size(), sent.isEmpty() ? 0 : 1);
    if (!sent.isEmpty())
        QVERIFY2(lkSpeak.first().endsWith(hex(sent.toLatin1().constData())), lkSpeak.first().toHex(' ').constData());
    PageStack::destroyInstance();
}

void tst_FireScreen::soundersTexts_data()
{
    QTest::addColumn<QString>("silenced");
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("text");
    QTest::newRow("silenced") << "1"
                              << "1"
                              << "Snd. silenced";
    QTest::newRow("off") << "0"
                         << "1"
                         << "Sounders off";
    QTest::newRow("neither") << "0"
                             << "0"
                             << "";
}

void tst_FireScreen::soundersTexts()
{
    QFETCH(QString, silenced);
    QFETCH(QString, off);
    QFETCH(QString, text);
    ScriptedSite::setValue(EngineBucket, QStringLiteral("sndrsslncd"), silenced);
    ScriptedSite::setValue(EngineBucket, QStringLiteral("sndrsoff"), off);
    writeLog(100, {{101, 1}});
    EnglishTexts english;
    AUK_30086 screen(1, false);
    screen.show();
    auto *label = screen.findChild<AUK_90050 *>()->findChild<QLabel *>(QStringLiteral("sounderInfoText"));
    QCOMPARE(label->isVisible(), !text.isEmpty());
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
}

void tst_FireScreen::e30FollowsTheBusLog()
{
    ScriptedSite::setValue(EngineBucket, QStringLiteral("sndrsslncd"), QStringLiteral("1"));
    rbusEventLog *bus = rbusEventLog::instance();
    RbusEvent fire;
    fire.kind = RbusEvent::Fire;
    fire.active = 1;
    fire.texts[4] = QStringLiteral("001/0042");
    fire.texts[1] = QStringLiteral("Kitchen");
    fire.texts[2] = QStringLiteral("Smoke detector");
    bus->events = {fire};
    bus->firstFire = fire;
    bus->latestFire = fire;
    bus->fireZones = {7};
    AUK_30086 screen(1, true);
    screen.show();
    QCOMPARE(value(screen, "firstFireFilterButton"), QStringLiteral("001/0042\nKitchen\nSmoke detector"));
    QCOMPARE(screen.fireCount(), quint16(1));
    QVERIFY(!screen.findChild<AUK_90050 *>()->findChild<QLabel *>(QStringLiteral("sounderInfoText"))->isVisible());
}

void tst_FireScreen::firstLiveEventAfterStartIsShown_data()
{
    QTest::addColumn<Fires>("fires");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");

    QTest::newRow("the fire opens the window") << Fires{{5001, 2}} << 1 << "Zone 2";
    QTest::newRow("a second fire") << Fires{{5001, 2}, {5002, 3}} << 2 << "Zone 2";
}

// A freshly started engine holds the controller's history, but no live event
// and no fire reset yet: the first live event opens the list window. When
// that event is the fire, the screen shows it.
void tst_FireScreen::firstLiveEventAfterStartIsShown()
{
    QFETCH(Fires, fires);
    QFETCH(int, count);
    QFETCH(QString, first);
    EL_EventLogDBbase::destroyInstance();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    for (int seqNo = 4990; seqNo < 5000; ++seqNo) {
        const EventLog::EventData old = EventFixtures::makeEvent(EventLog::SeqNum_t(seqNo));
        QVERIFY(log->insertData(&old, false));
    }
    for (const auto &fire : fires) {
        EventLog::EventData event = EventFixtures::makeEvent(EventLog::SeqNum_t(fire.first), EventLog::CategoryFire, 1,
                                                             quint8(fire.second), quint8(fire.first % 200));
        QVERIFY(log->insertData(&event, true));
    }
    AUK_30086 screen(1, false);
    QCOMPARE(int(screen.fireCount()), count);
    QCOMPARE(zoneLine(screen, "firstFireFilterButton"), first);
}

// The log says which fire the user sees first once it is drawn, not before,
// and only once however often the screen paints.
void tst_FireScreen::firstFireIsLoggedOnceDrawn()
{
    writeLog(100, {{101, 1}, {102, 2}});
    MessageCapture capture;
    AUK_30086 screen(1, false);
    const QString mark = QStringLiteral("AUK_30086: first fire shown at monotonic ");
    QVERIFY(capture.messages().filter(mark).isEmpty());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.repaint();
    screen.repaint();
    const QStringList lines = capture.messages().filter(mark);
    QCOMPARE(lines.size(), 1);
    QString shown = value(screen, "firstFireFilterButton");
    QCOMPARE(shown.count(QLatin1Char('\n')), 2);
    QCOMPARE(lines.first().section(QStringLiteral(" us: "), 1),
             shown.replace(QLatin1Char('\n'), QStringLiteral(" | ")));
}

void tst_FireScreen::screenshot()
{
    TeskGlobalConfig::instance()->setFirstSecondFire(true);
    ScriptedSite::setValue(EngineBucket, QStringLiteral("sndrsslncd"), QStringLiteral("1"));
    writeLog(100, {{101, 1}, {102, 2}});
    nameTheFires();
    EnglishTexts english;
    const BannerShown banner(TC::BANNER_FIRE);
    AUK_30086 screen(3, false);
    emit InvestigateDelayTimer::instance()->investigateDelayTimeTick(2, 5, eDlyContext(1));
    screen.show();
    settleQueuedEvents();
    const QImage shot = WidgetShot::grab(&screen);
    QVERIFY(isFireRed(WidgetShot::averageColour(shot, QRect(200, 5, 200, 25))));
    WidgetShot::saveForReview(shot, QStringLiteral("AUK_30086_two_fires"));
    // The width check measures a three-line fire text as one line; every key
    // must still be translated.
    QVERIFY2(!WidgetShot::textProblems(&screen).contains(QStringLiteral("shows the key")),
             qPrintable(WidgetShot::textProblems(&screen)));
}

// The whole simulator window during a fire: the fire-alarm screen in its
// corner under the red banner, the general fire LED and the zones' LEDs lit,
// the buzzer sounding.
void tst_FireScreen::windowDuringFire()
{
    // The sounders sound: nobody has silenced them yet.
    ScriptedSite::setValue(EngineBucket, QStringLiteral("sndrsslncd"), QStringLiteral("0"));
    writeLog(100, {{101, 1}, {102, 2}});
    nameTheFires();
    EnglishTexts english;
    const BannerShown banner(TC::BANNER_FIRE);
    MainWindow window;
    window.setMyStyleSheet(SimulatorOptions().backgroundStyleSheet());
    PageStack *stack = PageStack::instance();
    stack->setParent(window.centralWidget());
    stack->move(0, 0);
    stack->push(new AUK_30001);
    QVERIFY(stack->push(new AUK_30086(1, false)));
    stack->show();
    window.show();
    // The first entry of the LED table is the general fire LED.
    window.setLeds({true});
    QBitArray zones(16);
    zones.setBit(0);
    zones.setBit(1);
    window.setZonalLeds(zones);
    window.setBuzzer(true);
    settleQueuedEvents();

    const QImage shot = WidgetShot::grab(&window);
    const QPoint corner = window.centralWidget()->pos();
    QVERIFY(isFireRed(WidgetShot::averageColour(shot, QRect(corner + QPoint(200, 5), QSize(200, 25)))));
    const auto ledCentre = [&](const char *name) {
        return window.findChild<QLabel *>(QLatin1String(name))->geometry().center() + corner;
    };
    QVERIFY(WidgetShot::colourAt(shot, ledCentre("ledGeneralFire")).red() > 200);
    QVERIFY(WidgetShot::colourAt(shot, ledCentre("ledZonal_01")).red() > 200);
    QVERIFY2(!WidgetShot::textProblems(stack).contains(QStringLiteral("shows the key")),
             qPrintable(WidgetShot::textProblems(stack)));
    WidgetShot::saveForReview(shot, QStringLiteral("MainWindow_fire"));
    PageStack::destroyInstance();
}

QTEST_MAIN(tst_FireScreen)
#include "tst_firescreen.moc"
