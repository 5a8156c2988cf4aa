#include "../eventlog/EventFixtures.h"
#include "../pointmodels/ScriptedSite.h"
#include "AnimationClock.h"
#include "BannerShown.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "MessageCapture.h"
#include "WidgetShot.h"
#include "ZoneMapSite.h"
#include "app/AUK_30001.h"
#include "app/ListScreenPagesWiring.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/rbusEventLog.h"
#include "paneldata/DateTime.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PrintableAddress.h"
#include "screens/status/AUK_30085.h"
#include "screens/status/AUK_30086.h"
#include "screens/status/ViewFiresModel.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90029.h"
#include "widgets/BasePopup.h"

#include <QAbstractItemModelTester>
#include <QListView>
#include <QSqlQuery>
#include <QtTest>

namespace {

constexpr int AnimationMs = 1000;
constexpr int DisablementMapPage = 14;
constexpr quint8 NoUser = 255;
constexpr quint8 SomeUser = 5;

struct Fire
{
    int seqNo;
    int zone;
    int node;
};
using Fires = QVector<Fire>;

// Fires 101 to 105 after the reset at 100, in zones 1, 2, 1, 3, 2 of panel
// 1: the zones by their newest first fire are 3, 2, 1.
Fires fiveFires()
{
    return {{101, 1, 1}, {102, 2, 1}, {103, 1, 1}, {104, 3, 1}, {105, 2, 1}};
}

// A fresh log: a fire reset, then live fires on loop 1, point = seqNo % 200.
void writeLog(int resetSeqNo, const Fires &fires)
{
    EL_EventLogDBbase::destroyInstance();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    const EventLog::EventData reset = EventFixtures::fireReset(EventLog::SeqNum_t(resetSeqNo));
    QVERIFY(log->insertData(&reset, true));
    for (const Fire &fire : fires) {
        EventLog::EventData event =
            EventFixtures::makeEvent(EventLog::SeqNum_t(fire.seqNo), EventLog::CategoryFire, quint8(fire.node),
                                     quint8(fire.zone), quint8(fire.seqNo % 200));
        event.channel = 12;
        QVERIFY(log->insertData(&event, true));
    }
}

void logOn(int userLevel)
{
    Security::instance()->permissionsUpdate(userLevel > 1 ? SomeUser : NoUser, quint8(userLevel));
}

AUK_90029 *cards(const AUK_30085 *screen)
{
    return screen->findChild<AUK_90029 *>(QStringLiteral("aUK_90029"));
}

QAbstractItemModel *shownModel(const AUK_30085 *screen)
{
    return cards(screen)->listView()->model();
}

AUK_90006 *keys(const AUK_30085 *screen)
{
    return screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
}

QString keyTexts(const AUK_30085 *screen)
{
    const AUK_90006 *bar = keys(screen);
    const auto key = [](bool visible, const QString &text) { return visible ? text : QStringLiteral("-"); };
    return key(bar->leftButtonVisible(), bar->leftButtonText()) + QLatin1Char('|')
           + key(bar->middleButtonVisible(), bar->middleButtonText()) + QLatin1Char('|')
           + key(bar->rightButtonVisible(), bar->rightButtonText());
}

bool isZonesView(const AUK_30085 *screen)
{
    return keys(screen)->middleButtonText() == QLatin1String("_FIRES_IN_ZONE_SK");
}

// "zone 3" for a zone card, "fire 104" for a fire card, by sequence number.
QString centre(const AUK_30085 *screen)
{
    const int row = cards(screen)->centreItemRow();
    if (row < 0)
        return QStringLiteral("none");
    const QModelIndex card = shownModel(screen)->index(row, 0);
    if (isZonesView(screen))
        return QStringLiteral("zone %1").arg(card.data(EventLogQueryModel::ZoneNumberRole).toInt());
    return QStringLiteral("fire %1").arg(card.data(EventLogQueryModel::SeqNoRole).toInt());
}

// An active or ended fire of zone 1 on panel 1, as the bus log holds it.
RbusEvent busFire(bool active, const char *place)
{
    RbusEvent fire;
    fire.kind = RbusEvent::Fire;
    fire.active = active ? 1 : 0;
    fire.firstNumber = QStringLiteral("1");
    fire.secondNumber = QStringLiteral("1");
    fire.texts[1] = QLatin1String(place);
    fire.texts[2] = QStringLiteral("Smoke detector");
    fire.texts[4] = QStringLiteral("001/0042");
    return fire;
}

QString lastQuery(const AUK_30085 *screen)
{
    return qobject_cast<QSqlQueryModel *>(shownModel(screen))->query().lastQuery();
}

} // namespace

Q_DECLARE_METATYPE(Fires)

// The fires screen over event logs written for each test: the two views,
// the keys that move between them, the soft keys and the zone maps.
class tst_FiresScreen : public QObject
{
    Q_OBJECT

private:
    AUK_30085 *open(int initialCard, quint8 zone, quint8 node = 1, bool ethernet = true);
    void settle() { m_animations.advance(AnimationMs); }

    FakeClock m_clock;
    FakeEthernetLink m_link;
    AnimationClock m_animations;
    std::unique_ptr<ZoneMapSite> m_site;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void openingView_data();
    void openingView();
    void middleKeyKeepsTheCard();
    void scandinavianStepsThroughTheZones();
    void scandinavianTurnsTheListIntoZones();
    void wrappedRangeJoinsTheBoundsWithOr();
    void softKeys_data();
    void softKeys();
    void disabledPointOffersEnable();
    void disableKeyOpensTheSelection_data();
    void disableKeyOpensTheSelection();
    void modelRoles();
    void modelPassesTheTester_data();
    void modelPassesTheTester();
    void help_data();
    void help();
    void frontPanelKeysWaitForTheCountdown();
    void fireAlarmButtonsOpenTheFires_data();
    void fireAlarmButtonsOpenTheFires();
    void repeaterListsTheBusFires();
    void screenshots();
};

void tst_FiresScreen::initTestCase()
{
    m_site = std::make_unique<ZoneMapSite>();
    QVERIFY(m_site->isValid());
    QVERIFY(LinkedScreens::bringLinkUp(m_link));
    PointDataMapsConfiguration::instance()->addMapPage(DisablementMapPage);
    // As the start-up does: the disable rule asks the log-on through it.
    installListScreenPages();
}

void tst_FiresScreen::init()
{
    ScriptedSite::reset();
    PointDataMapsConfiguration::instance()->addMapPage(DisablementMapPage);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setResetEventCode1(0x0301);
    config->setZoneFiltering(false);
    logOn(11);
    PageStack *stack = PageStack::instance();
    stack->resize(640, 480);
    stack->show();
    stack->push(new AUK_30001);
}

void tst_FiresScreen::cleanup()
{
    InputSignaller::setKeysEnabled(true);
    logOn(1);
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_FiresScreen::cleanupTestCase()
{
    PageHeaderSource::uninstall();
    EL_EventLogDBbase::destroyInstance();
    m_site.reset();
}

AUK_30085 *tst_FiresScreen::open(int initialCard, quint8 zone, quint8 node, bool ethernet)
{
    auto *screen = new AUK_30085(int(Security::instance()->accessLevel()), Security::instance()->userLevel(), ethernet,
                                 initialCard, zone, node, nullptr);
    PageStack::instance()->push(screen);
    settle();
    return screen;
}

void tst_FiresScreen::openingView_data()
{
    QTest::addColumn<bool>("zoneFiltering");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("initialCard");
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<QString>("centreCard");
    QTest::addColumn<QString>("middleKey");
    QTest::newRow("zones, newest first fire first") << true << 254 << 0 << 3 << "zone 3"
                                                    << "_FIRES_IN_ZONE_SK";
    QTest::newRow("all fires, the last card") << false << 255 << -1 << 5 << "fire 105"
                                              << "_ZONES_IN_FIRE_SK";
    QTest::newRow("all fires, the first card") << false << 255 << 1 << 5 << "fire 101"
                                               << "_ZONES_IN_FIRE_SK";
    QTest::newRow("the fires of zone 2") << true << 2 << 1 << 2 << "fire 102"
                                         << "_ZONES_IN_FIRE_SK";
}

void tst_FiresScreen::openingView()
{
    QFETCH(bool, zoneFiltering);
    QFETCH(int, zone);
    QFETCH(int, initialCard);
    QFETCH(int, cardCount);
    QFETCH(QString, centreCard);
    QFETCH(QString, middleKey);
    TeskGlobalConfig::instance()->setZoneFiltering(zoneFiltering);
    writeLog(100, fiveFires());
    const AUK_30085 *screen = open(initialCard, quint8(zone));
    QCOMPARE(screen->objectName(), QStringLiteral("AUK_30085"));
    QCOMPARE(cards(screen)->itemCount(), cardCount);
    QCOMPARE(centre(screen), centreCard);
    QCOMPARE(keys(screen)->middleButtonText(), middleKey);
}

// From the second zone card the list shows that zone's fires; back in the
// zones view the same zone card is in the middle again.
void tst_FiresScreen::middleKeyKeepsTheCard()
{
    TeskGlobalConfig::instance()->setZoneFiltering(true);
    writeLog(100, fiveFires());
    AUK_30085 *screen = open(0, AUK_30085::AllZones);
    cards(screen)->goToPosition(2);
    settle();
    QCOMPARE(centre(screen), QStringLiteral("zone 2"));
    emit keys(screen)->middleButtonClicked();
    settle();
    QCOMPARE(keys(screen)->middleButtonText(), QStringLiteral("_ZONES_IN_FIRE_SK"));
    QCOMPARE(cards(screen)->itemCount(), 2);
    QCOMPARE(centre(screen), QStringLiteral("fire 102"));
    cards(screen)->goToPosition(2);
    settle();
    emit keys(screen)->middleButtonClicked();
    settle();
    QCOMPARE(centre(screen), QStringLiteral("zone 2"));
    emit keys(screen)->middleButtonClicked();
    settle();
    QCOMPARE(centre(screen), QStringLiteral("fire 105"));
}

void tst_FiresScreen::scandinavianStepsThroughTheZones()
{
    TeskGlobalConfig::instance()->setZoneFiltering(true);
    writeLog(100, fiveFires());
    AUK_30085 *screen = open(0, AUK_30085::AllZones);
    QStringList seen;
    for (int press = 0; press < 3; ++press) {
        emit DB_TESK_FP_Interface::instance()->scandinavianPressed();
        settle();
        seen << centre(screen);
    }
    QCOMPARE(seen, QStringList({"zone 2", "zone 1", "zone 3"}));
}

void tst_FiresScreen::scandinavianTurnsTheListIntoZones()
{
    writeLog(100, fiveFires());
    AUK_30085 *screen = open(1, AUK_30085::AllFires);
    PageStack::instance()->push(new AUK_30001);
    emit DB_TESK_FP_Interface::instance()->scandinavianPressed();
    settle();
    QVERIFY(PageStack::instance()->isTop(screen));
    QVERIFY(isZonesView(screen));
    QCOMPARE(cards(screen)->itemCount(), 3);
}

void tst_FiresScreen::wrappedRangeJoinsTheBoundsWithOr()
{
    writeLog(65530, {{65533, 1, 1}, {65535, 2, 1}, {2, 3, 1}});
    AUK_30085 *screen = open(1, AUK_30085::AllFires);
    QCOMPARE(cards(screen)->itemCount(), 3);
    QVERIFY2(lastQuery(screen).contains(QLatin1String("seqNo > 65530  OR  seqNo <= 2")), qPrintable(lastQuery(screen)));
    emit keys(screen)->middleButtonClicked();
    settle();
    QCOMPARE(cards(screen)->itemCount(), 3);
    QVERIFY2(lastQuery(screen).contains(QLatin1String(" OR ")), qPrintable(lastQuery(screen)));
}

void tst_FiresScreen::softKeys_data()
{
    QTest::addColumn<Fires>("fires");
    QTest::addColumn<bool>("zoneFiltering");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<QString>("keys");
    QTest::newRow("zone card, disable right")
        << fiveFires() << true << 254 << 11 << "_DISABLE_ON_SK|_FIRES_IN_ZONE_SK|-";
    QTest::newRow("zone card, no right") << fiveFires() << true << 254 << 3 << "-|_FIRES_IN_ZONE_SK|_LOGIN_SK";
    QTest::newRow("zone 0 card") << Fires{{101, 0, 1}} << true << 254 << 11 << "-|_FIRES_IN_ZONE_SK|-";
    QTest::newRow("zone 241 card") << Fires{{101, 241, 1}} << true << 254 << 11 << "-|_FIRES_IN_ZONE_SK|-";
    QTest::newRow("no zones") << Fires{} << true << 254 << 11 << "-|_FIRES_IN_ZONE_SK|-";
    QTest::newRow("fire card, disable right")
        << fiveFires() << false << 255 << 11 << "_DISABLE_ON_SK|_ZONES_IN_FIRE_SK|-";
    QTest::newRow("fire card, no right") << fiveFires() << false << 255 << 6 << "-|_ZONES_IN_FIRE_SK|_LOGIN_SK";
    QTest::newRow("no fires") << Fires{} << false << 255 << 11 << "-|_ZONES_IN_FIRE_SK|-";
}

void tst_FiresScreen::softKeys()
{
    QFETCH(Fires, fires);
    QFETCH(bool, zoneFiltering);
    QFETCH(int, zone);
    QFETCH(int, userLevel);
    QFETCH(QString, keys);
    TeskGlobalConfig::instance()->setZoneFiltering(zoneFiltering);
    logOn(userLevel);
    writeLog(100, fires);
    const AUK_30085 *screen = open(1, quint8(zone));
    QCOMPARE(keyTexts(screen), keys);
    // Both keys work where they show.
    QVERIFY(::keys(screen)->leftButtonEnabled());
    QVERIFY(::keys(screen)->rightButtonEnabled());
    if (!keys.endsWith(QLatin1String("_LOGIN_SK")))
        return;
    emit ::keys(screen)->rightButtonClicked();
    QCOMPARE(PageStack::instance()->pageNames().constLast(), QStringLiteral("AUK_40001"));
}

void tst_FiresScreen::disabledPointOffersEnable()
{
    writeLog(100, fiveFires());
    QBitArray points(256);
    points.setBit(102);
    PointDataMapsConfiguration::instance()->setChannelPoints(DisablementMapPage, 1, ScriptedSite::loop(1), points);
    AUK_30085 *screen = open(1, AUK_30085::AllFires);
    QCOMPARE(keys(screen)->leftButtonText(), QStringLiteral("_DISABLE_ON_SK"));
    cards(screen)->goToPosition(2);
    settle();
    QCOMPARE(centre(screen), QStringLiteral("fire 102"));
    QCOMPARE(keys(screen)->leftButtonText(), QStringLiteral("_ENABLE_ON_SK"));
}

void tst_FiresScreen::disableKeyOpensTheSelection_data()
{
    QTest::addColumn<bool>("zonesView");
    QTest::addColumn<bool>("pointDisabled");
    QTest::addColumn<QString>("selectedText");
    QTest::addColumn<QString>("key");
    QTest::newRow("a fire") << false << false << "_SELECTED_POINT_303_32_BODYTEXTSTYLE"
                            << "_DISABLE_POPUPSK";
    QTest::newRow("a disabled fire") << false << true << "_SELECTED_POINT_303_32_BODYTEXTSTYLE"
                                     << "_ENABLE_POPUPSK";
    QTest::newRow("a zone") << true << false << "_SELECTED_ZONE_303_32_BODYTEXTSTYLE"
                            << "_DISABLE_POPUPSK";
    QTest::newRow("a zone of a disabled fire") << true << true << "_SELECTED_ZONE_303_32_BODYTEXTSTYLE"
                                               << "_ENABLE_POPUPSK";
}

// The disable key opens the selection popup for the centre card, which acts
// by itself over the cards shown.
void tst_FiresScreen::disableKeyOpensTheSelection()
{
    QFETCH(bool, zonesView);
    QFETCH(bool, pointDisabled);
    QFETCH(QString, selectedText);
    QFETCH(QString, key);
    TeskGlobalConfig::instance()->setZoneFiltering(zonesView);
    writeLog(100, {{101, 1, 1}});
    if (pointDisabled) {
        QBitArray points(256);
        points.setBit(101 % 200);
        PointDataMapsConfiguration::instance()->setChannelPoints(DisablementMapPage, 1, ScriptedSite::loop(1), points);
    }
    AUK_30085 *screen = open(1, zonesView ? AUK_30085::AllZones : AUK_30085::AllFires);
    QCOMPARE(isZonesView(screen), zonesView);
    emit keys(screen)->leftButtonClicked();
    auto *popup = PageStack::instance()->findChild<BasePopup *>(QStringLiteral("AUK_40009"));
    QVERIFY(popup);
    QVERIFY(PageStack::instance()->isTop(popup));
    QCOMPARE(popup->findChild<AUK_90003 *>(QStringLiteral("selectedItem"))->text(), selectedText);
    QCOMPARE(popup->findChild<AUK_90003 *>(QStringLiteral("allItem"))->text(),
             QStringLiteral("_ALL_303_32_BODYTEXTSTYLE (1)"));
    QCOMPARE(popup->leftButtonText(), key);
}

void tst_FiresScreen::modelRoles()
{
    writeLog(100, fiveFires());
    ViewFiresModel model;
    model.load(QStringLiteral("SELECT *, COUNT(*) AS firesInZone, MIN(timeAndDate) AS minTimeAndDate FROM EventLog "
                              "WHERE (eventCat & 15) = 8 GROUP BY zone, node ORDER BY minTimeAndDate DESC"));
    QCOMPARE(model.rowCount(), 3);
    const QModelIndex zone2 = model.index(1, 0);
    QCOMPARE(zone2.data(EventLogQueryModel::ZoneNumberRole).toInt(), 2);
    QCOMPARE(zone2.data(EventLogQueryModel::AddressRole).toString(), QStringLiteral("-"));
    QCOMPARE(zone2.data(EventLogQueryModel::DeviceRole).toString(), QStringLiteral("-"));
    QCOMPARE(zone2.data(ViewFiresModel::FiresInZoneRole).toInt(), 2);
    const QString format = QStringLiteral("ddd dd-MMM-yy hh:mm:ss");
    QCOMPARE(zone2.data(ViewFiresModel::FirstFireTimeRole).toString(),
             DateTime::formatDateTime(DateTime::fromPanelSeconds(900000102u), format));
    model.load(QStringLiteral("SELECT * FROM EventLog WHERE (eventCat & 15) = 8 ORDER BY seqNo"));
    QCOMPARE(model.rowCount(), 5);
    const QModelIndex fire = model.index(0, 0);
    QCOMPARE(fire.data(ViewFiresModel::FirstFireTimeRole).toString(),
             DateTime::formatDateTime(DateTime::fromPanelSeconds(0), format));
    QVERIFY(fire.data(EventLogQueryModel::AddressRole).toString() != QStringLiteral("-"));
}

void tst_FiresScreen::modelPassesTheTester_data()
{
    QTest::addColumn<bool>("zoneFiltering");
    QTest::addColumn<int>("zone");
    QTest::newRow("zones query") << true << 254;
    QTest::newRow("zone query") << true << 2;
    QTest::newRow("all-fires query") << false << 255;
}

void tst_FiresScreen::modelPassesTheTester()
{
    QFETCH(bool, zoneFiltering);
    QFETCH(int, zone);
    TeskGlobalConfig::instance()->setZoneFiltering(zoneFiltering);
    writeLog(100, fiveFires());
    const AUK_30085 *screen = open(1, quint8(zone));
    QAbstractItemModelTester tester(shownModel(screen), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(shownModel(screen)->rowCount() > 0);
}

void tst_FiresScreen::help_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("node");
    QTest::addColumn<bool>("opened");
    QTest::newRow("the panel's own folder") << "panel1/zone1" << 1 << true;
    QTest::newRow("this panel's shared folder") << "zone1" << 1 << true;
    QTest::newRow("another panel never uses the shared folder") << "zone1" << 3 << false;
}

void tst_FiresScreen::help()
{
    QFETCH(QString, folder);
    QFETCH(int, node);
    QFETCH(bool, opened);
    QVERIFY(!m_site->addImage(folder, QStringLiteral("map.png"), QSize(40, 30)).filePath().isEmpty());
    writeLog(100, {{101, 1, node}});
    open(1, AUK_30085::AllFires, 0);
    MessageCapture log;
    emit DB_TESK_FP_Interface::instance()->helpPressed();
    QCOMPARE(PageStack::instance()->isTopPage(QStringLiteral("AUK_30092")), opened);
    QCOMPARE(log.contains(QStringLiteral("AUK_40031")), !opened);
    QVERIFY(QDir(QStringLiteral("../resources/zonemaps/") + folder).removeRecursively());
}

// Under the standby countdown, or under another page, the keys the screen
// takes straight from the front panel do nothing.
void tst_FiresScreen::frontPanelKeysWaitForTheCountdown()
{
    QVERIFY(!m_site->addImage(QStringLiteral("panel1/zone1"), QStringLiteral("map.png"), QSize(40, 30))
                 .filePath()
                 .isEmpty());
    writeLog(100, fiveFires());
    AUK_30085 *screen = open(1, AUK_30085::AllFires);
    InputSignaller::setKeysEnabled(false);
    emit DB_TESK_FP_Interface::instance()->helpPressed();
    emit DB_TESK_FP_Interface::instance()->scandinavianPressed();
    settle();
    QVERIFY(PageStack::instance()->isTop(screen));
    QVERIFY(!isZonesView(screen));
    InputSignaller::setKeysEnabled(true);
    PageStack::instance()->push(new AUK_30001);
    emit DB_TESK_FP_Interface::instance()->helpPressed();
    QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_30092")));
    QVERIFY(QDir(QStringLiteral("../resources/zonemaps/panel1")).removeRecursively());
}

void tst_FiresScreen::fireAlarmButtonsOpenTheFires_data()
{
    QTest::addColumn<bool>("zoneFiltering");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");
    QTest::newRow("first fire, its zone's fires") << true << "first"
                                                  << "fire 101 of 2";
    // The last zone to go into fire, not the last fire.
    QTest::newRow("last fire, the last new zone") << true << "last"
                                                  << "fire 104 of 1";
    QTest::newRow("zones in fire") << true << "zones"
                                   << "zone 3 of 3";
    QTest::newRow("first fire of all") << false << "first"
                                       << "fire 101 of 5";
    QTest::newRow("last fire of all") << false << "last"
                                      << "fire 105 of 5";
    QTest::newRow("all fires") << false << "zones"
                               << "fire 101 of 5";
}

void tst_FiresScreen::fireAlarmButtonsOpenTheFires()
{
    QFETCH(bool, zoneFiltering);
    QFETCH(QString, button);
    QFETCH(QString, opened);
    TeskGlobalConfig::instance()->setZoneFiltering(zoneFiltering);
    writeLog(100, fiveFires());
    auto *alarm = new AUK_30086(TESKEnumHolder::EN54_NOT_LOGGED_IN, false);
    PageStack::instance()->push(alarm);
    if (button == QLatin1String("first"))
        alarm->firstFire();
    else if (button == QLatin1String("last"))
        alarm->lastFire();
    else
        alarm->zonesInFire();
    settle();
    QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_30085")));
    const auto screens = PageStack::instance()->findChildren<AUK_30085 *>();
    QCOMPARE(screens.size(), 1);
    QCOMPARE(QStringLiteral("%1 of %2").arg(centre(screens.first())).arg(cards(screens.first())->itemCount()), opened);
}

// On the front-panel bus the cards are the bus log's active fires; the log-on
// key is not offered.
void tst_FiresScreen::repeaterListsTheBusFires()
{
    rbusEventLog *bus = rbusEventLog::instance();
    bus->events = {busFire(true, "Kitchen"), busFire(false, "Hall"), busFire(true, "Stairs")};
    const AUK_30085 *screen = open(1, AUK_30085::AllFires, 0, false);
    QCOMPARE(cards(screen)->itemCount(), 2);
    QVERIFY(!keys(screen)->rightButtonVisible());
    QVERIFY(!keys(screen)->leftButtonVisible());
    bus->clear();
}

void tst_FiresScreen::screenshots()
{
    // Last: the addresses on the cards follow the engine's own language.
    QVERIFY(LinkedScreens::loadEnglish());
    TeskGlobalConfig::instance()->setCurrentLang(1);
    EnglishTexts english;
    QVERIFY(english.isLoaded());
    // Addresses made by the earlier tests were cached untranslated; the
    // engine empties the cache when its language changes.
    PrintableAddress::instance()->clearZoneTextCache();
    // The fires stand, so the engine shows the fire banner.
    const BannerShown banner(TC::BANNER_FIRE);
    TeskGlobalConfig::instance()->setZoneFiltering(true);
    writeLog(100, fiveFires());
    struct Shot
    {
        const char *name;
        bool zonesView;
        bool ethernet;
    };
    rbusEventLog::instance()->events = {busFire(true, "Kitchen")};
    for (const Shot &shot : {Shot{"AUK_30085_list", false, true}, Shot{"AUK_30085_zones", true, true},
                             Shot{"AUK_30085_repeater", false, false}}) {
        AUK_30085 *screen = open(1, shot.zonesView ? AUK_30085::AllZones : quint8(1), 1, shot.ethernet);
        QCOMPARE(WidgetShot::textProblems(screen), QString());
        WidgetShot::saveForReview(WidgetShot::grab(screen), QLatin1String(shot.name));
        PageStack::instance()->remove(screen);
    }
    rbusEventLog::instance()->clear();
}

QTEST_MAIN(tst_FiresScreen)
#include "tst_firesscreen.moc"
