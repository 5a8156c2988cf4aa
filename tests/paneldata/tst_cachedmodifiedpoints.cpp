#include "../pointmodels/ScriptedSite.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/CachedModifiedPoints.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint8 Panel = 2;
constexpr quint8 Loop = 3;

using Cache = CachedModifiedPoints;

PointSettingsRecord change(quint8 point, quint16 use, int addresses, quint8 zone = 5,
                           const QString &text = QStringLiteral("Hall"))
{
    PointSettingsRecord record;
    record.panel = Panel;
    record.loop = Loop;
    record.point = point;
    record.zone = zone;
    record.deviceUse = use;
    record.numberOfAddresses = addresses;
    record.logicalPointNumber = 40;
    record.text = text;
    return record;
}

ModifiedPointRecord recordAt(quint8 point, quint8 panel = Panel)
{
    ModifiedPointRecord record;
    const bool found = Cache::findPoint(quint32(panel) | quint32(Loop) << 8 | quint32(point) << 16, record);
    return found ? record : ModifiedPointRecord();
}

QList<int> entryPoints()
{
    QList<int> points;
    for (const ModifiedPointEntry &entry : Cache::uploadListSnapshot())
        points << entry.point;
    return points;
}

QList<int> entrySizes()
{
    QList<int> sizes;
    for (const ModifiedPointEntry &entry : Cache::uploadListSnapshot())
        sizes << entry.settings.size();
    return sizes;
}

} // namespace

class tst_CachedModifiedPoints final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void multiAddressChange();
    void multiAddressChangeOfOneAddress();
    void missingLogicalNumberIsNone();
    void sameSinglePointTwice();
    void unknownKindIgnored();
    void settingFlags_data();
    void settingFlags();
    void deletingAnUncachedSingleAddress();
    void deletingCachedDevice_data();
    void deletingCachedDevice();
    void deletingFromTheConfiguration();
    void deletingADeviceWithoutAddressCount();
    void pointSetsOfALoop();
    void takeNextEntryForPanel();
    void snapshotIsIndependent();
    void clearingEmitsNothing();
    void clearedByTheSystem_data();
    void clearedByTheSystem();

private:
    QTemporaryDir m_directory;
};

// The settings changed here are saved in the working directory: a directory
// of this test's own, not the build tree other tests start in.
void tst_CachedModifiedPoints::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_CachedModifiedPoints::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setLogicalAddr(false);
    TeskGlobalConfig::instance()->setCurrentLang(1);
}

void tst_CachedModifiedPoints::cleanup()
{
    Cache::destroyInstance();
}

void tst_CachedModifiedPoints::multiAddressChange()
{
    QSignalSpy updated(Cache::instance(), &Cache::PointsUpdated);
    PointSettingsRecord settings = change(10, 400, 6);
    settings.logicalPointMap = {{10, 70}, {11, 71}};

    Cache::cacheModification(Cache::MultiAddressChange, settings);

    QList<int> roles, remaining, uses, heads;
    for (quint8 point = 10; point <= 15; ++point) {
        const ModifiedPointRecord record = recordAt(point);
        QCOMPARE(record.kind, int(ModifiedPointRecord::Changed));
        roles << record.role;
        remaining << record.remainingAddresses;
        uses << record.deviceUse;
        heads << record.headPoint;
    }
    QCOMPARE(roles, (QList<int>{2, 3, 3, 3, 3, 3}));
    QCOMPARE(remaining, (QList<int>{5, 4, 3, 2, 1, 0}));
    QCOMPARE(uses, (QList<int>{400, 401, 402, 403, 404, 405}));
    QCOMPARE(heads, (QList<int>{10, 10, 10, 10, 10, 10}));
    QCOMPARE(recordAt(11).logicalPointNumber, quint8(71));
    QCOMPARE(entryPoints(), (QList<int>{10, 14}));
    QCOMPARE(entrySizes(), (QList<int>{4, 2}));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).toInt(), 6);
    QCOMPARE(Cache::modifiedPanels(), QList<quint8>{Panel});
    QCOMPARE(Cache::uploadListSnapshot().at(1).settings.at(1).deviceUse, quint16(405));
}

void tst_CachedModifiedPoints::multiAddressChangeOfOneAddress()
{
    Cache::cacheModification(Cache::MultiAddressChange, change(10, 400, 1));
    QCOMPARE(recordAt(10).role, int(ModifiedPointRecord::SingleAddress));
    QCOMPARE(entrySizes(), QList<int>{1});
}

void tst_CachedModifiedPoints::missingLogicalNumberIsNone()
{
    PointSettingsRecord settings = change(10, 400, 2);
    settings.logicalPointMap = {{10, 70}};
    Cache::cacheModification(Cache::MultiAddressChange, settings);
    QCOMPARE(recordAt(10).logicalPointNumber, quint8(70));
    QCOMPARE(recordAt(11).logicalPointNumber, quint8(251));
}

void tst_CachedModifiedPoints::sameSinglePointTwice()
{
    Cache::cacheModification(Cache::SingleChange, change(20, 300, 1, 5, QStringLiteral("First")));
    Cache::cacheModification(Cache::SingleChange, change(20, 301, 1, 6, QStringLiteral("Second")));

    QCOMPARE(recordAt(20).text, QStringLiteral("Second"));
    QCOMPARE(recordAt(20).deviceUse, quint16(301));
    QCOMPARE(recordAt(20).headPoint, quint8(0));
    QCOMPARE(entryPoints(), (QList<int>{20, 20}));
    QCOMPARE(Cache::uploadListSnapshot().first().settings.first().text, QStringLiteral("First"));
}

void tst_CachedModifiedPoints::unknownKindIgnored()
{
    QSignalSpy updated(Cache::instance(), &Cache::PointsUpdated);
    Cache::cacheModification(3, change(20, 300, 1));
    QVERIFY(!Cache::hasPoints());
    QCOMPARE(updated.count(), 0);
}

void tst_CachedModifiedPoints::settingFlags_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("use");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("logicalAddressing");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("sentUse");
    QTest::addColumn<int>("sentZone");
    QTest::addColumn<int>("sentLogical");
    QTest::addColumn<QString>("sentText");

    QTest::newRow("change, first language")
        << 2 << 400 << 5 << "Hall" << false << 1 << 0xD0 << 400 << 5 << 0xFB << "Hall";
    QTest::newRow("change, second language, logical")
        << 2 << 400 << 5 << "Hall" << true << 2 << 0xE8 << 400 << 5 << 40 << "Hall";
    QTest::newRow("no zone, no text") << 2 << 400 << 254 << "" << false << 1 << 0x80 << 400 << 0xFE << 0xFB << "";
    QTest::newRow("use 2048 not sent") << 2 << 2048 << 5 << "" << false << 1 << 0x40 << 0x0800 << 5 << 0xFB << "";
    QTest::newRow("use 2049 not sent") << 2 << 2049 << 254 << "" << false << 1 << 0x00 << 0x0800 << 0xFE << 0xFB << "";
    QTest::newRow("deletion: the use alone")
        << 1 << 400 << 5 << "Hall" << true << 1 << 0x80 << 0xFFFE << 0xFE << 0xFB << "";
}

void tst_CachedModifiedPoints::settingFlags()
{
    QFETCH(int, kind);
    QFETCH(int, use);
    QFETCH(int, zone);
    QFETCH(QString, text);
    QFETCH(bool, logicalAddressing);
    QFETCH(int, language);
    TeskGlobalConfig::instance()->setLogicalAddr(logicalAddressing);
    TeskGlobalConfig::instance()->setCurrentLang(language);
    ModifiedPointRecord record;
    record.kind = kind;
    record.deviceUse = quint16(use);
    record.zone = quint8(zone);
    record.text = text;
    record.logicalPointNumber = 40;
    if (record.isDeleted())
        record = record.deleted();

    const ModifiedPointSetting setting = ModifiedPointSetting::fromRecord(record);

    QTEST(int(setting.flags), "flags");
    QTEST(int(setting.deviceUse), "sentUse");
    QTEST(int(setting.zone), "sentZone");
    QTEST(int(setting.logicalPointNumber), "sentLogical");
    QTEST(setting.text, "sentText");
}

void tst_CachedModifiedPoints::deletingAnUncachedSingleAddress()
{
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(30, 9, 5, 0x02));
    QSignalSpy updated(Cache::instance(), &Cache::PointsUpdated);

    Cache::cacheModification(Cache::Deletion, change(30, 0, 1));

    QVERIFY(Cache::isPointDeleted(Panel, Loop, 30));
    QCOMPARE(recordAt(30).zone, quint8(9));
    QCOMPARE(recordAt(30).role, 0);
    const QList<ModifiedPointEntry> list = Cache::uploadListSnapshot();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().settings.size(), 1);
    QCOMPARE(list.first().settings.first().flags, quint8(0x80));
    QCOMPARE(list.first().settings.first().deviceUse, quint16(0xFFFE));
    QCOMPARE(updated.count(), 1);
}

void tst_CachedModifiedPoints::deletingCachedDevice_data()
{
    QTest::addColumn<int>("deleted");
    QTest::newRow("its head") << 10;
    QTest::newRow("its last address") << 12;
    QTest::newRow("an address in the middle") << 11;
}

// A cached device goes as a whole, in one entry, whichever address is
// deleted.
void tst_CachedModifiedPoints::deletingCachedDevice()
{
    QFETCH(int, deleted);
    Cache::cacheModification(Cache::MultiAddressChange, change(10, 400, 3));

    Cache::cacheDeletion(Panel, Loop, quint8(deleted));

    for (quint8 point = 10; point <= 12; ++point) {
        QVERIFY(Cache::isPointDeleted(Panel, Loop, point));
        QVERIFY(recordAt(point).text.isEmpty());
        QCOMPARE(recordAt(point).deviceUse, ModifiedPointRecord::DeletedUse);
    }
    QVERIFY(!Cache::isPointDeleted(Panel, Loop, 13));
    QCOMPARE(entryPoints(), (QList<int>{10, 10}));
    QCOMPARE(entrySizes(), (QList<int>{3, 3}));
}

// The device's first address is found below the point over unconfigured
// points; its type's attributes give the number of addresses.
void tst_CachedModifiedPoints::deletingFromTheConfiguration()
{
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(40, 6, 77, 0x12));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(42, 7, 77, 0x0A));
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(43, 8, 77, 0x0A));
    ScriptedSite::setValue(SC_SyncPageIDS::eDeviceTypeAttributes, QStringLiteral("77|1|2|4"), QStringLiteral("x"));
    ScriptedSite::setValue(SC_SyncPageIDS::eDeviceTypeAttributes, QStringLiteral("7|1|2|9"), QStringLiteral("x"));

    Cache::cacheDeletion(Panel, Loop, 43);

    for (quint8 point = 40; point <= 43; ++point)
        QVERIFY2(Cache::isPointDeleted(Panel, Loop, point), qPrintable(QString::number(point)));
    QVERIFY(!Cache::isPointDeleted(Panel, Loop, 44));
    QCOMPARE(recordAt(42).zone, quint8(7));
    QCOMPARE(entryPoints(), QList<int>{40});
    QCOMPARE(entrySizes(), QList<int>{4});
}

void tst_CachedModifiedPoints::deletingADeviceWithoutAddressCount()
{
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(40, 6, 78, 0x12));
    ScriptedSite::setValue(SC_SyncPageIDS::eDeviceTypeAttributes, QStringLiteral("78|1|2|many"), QStringLiteral("x"));

    Cache::cacheDeletion(Panel, Loop, 40);

    QCOMPARE(entryPoints(), QList<int>{40});
    QCOMPARE(entrySizes(), QList<int>{0});
}

void tst_CachedModifiedPoints::pointSetsOfALoop()
{
    PointSettingsRecord settings = change(10, 400, 2);
    settings.logicalPointMap = {{10, 7}, {11, 7}};
    Cache::cacheModification(Cache::MultiAddressChange, settings);
    ScriptedSite::addPoint(Panel, ScriptedSite::loop(Loop), ScriptedSite::record(30, 9, 5, 0x02));
    Cache::cacheDeletion(Panel, Loop, 30);
    Cache::cacheModification(Cache::SingleChange, change(50, 300, 1));
    // Another loop, another panel.
    PointSettingsRecord elsewhere = change(60, 300, 1);
    elsewhere.loop = 4;
    Cache::cacheModification(Cache::SingleChange, elsewhere);

    QSet<quint8> points{99};
    QCOMPARE(Cache::presentPoints(Panel, Loop, points, true), 3);
    QCOMPARE(points, (QSet<quint8>{7, 40}));
    QCOMPARE(Cache::presentPoints(Panel, Loop, points, false), 3);
    QCOMPARE(points, (QSet<quint8>{10, 11, 50}));
    QCOMPARE(Cache::deletedPoints(Panel, Loop, points, false), 1);
    QCOMPARE(points, QSet<quint8>{30});
    QCOMPARE(Cache::modifiedPoints(Panel, Loop, points, false), 3);

    quint8 logical = 0;
    QVERIFY(Cache::pendingLogicalPoint(Panel, Loop, 11, logical));
    QCOMPARE(logical, quint8(7));
    QVERIFY(!Cache::pendingLogicalPoint(Panel, Loop, 30, logical));
    QVERIFY(!Cache::pendingLogicalPoint(Panel, Loop, 31, logical));
}

void tst_CachedModifiedPoints::takeNextEntryForPanel()
{
    Cache::cacheModification(Cache::SingleChange, change(10, 300, 1));
    PointSettingsRecord other = change(20, 300, 1);
    other.panel = 5;
    Cache::cacheModification(Cache::SingleChange, other);
    Cache::cacheModification(Cache::SingleChange, change(11, 300, 1));
    QList<ModifiedPointEntry> snapshot = Cache::uploadListSnapshot();

    quint8 panel = Panel;
    quint8 loop = 0;
    quint8 point = 0;
    QVector<ModifiedPointSetting> settings;
    QVERIFY(Cache::takeNextEntryForPanel(snapshot, panel, loop, point, settings));
    QCOMPARE(point, quint8(10));
    QVERIFY(!Cache::takeNextEntryForPanel(snapshot, panel, loop, point, settings));
    QCOMPARE(point, quint8(11));
    QCOMPARE(loop, Loop);
    QCOMPARE(settings.size(), 1);

    // Nothing left of the panel: nothing is written.
    point = 99;
    settings.clear();
    QVERIFY(!Cache::takeNextEntryForPanel(snapshot, panel, loop, point, settings));
    QCOMPARE(point, quint8(99));
    QVERIFY(settings.isEmpty());
    QCOMPARE(snapshot.size(), 1);
}

void tst_CachedModifiedPoints::snapshotIsIndependent()
{
    Cache::cacheModification(Cache::SingleChange, change(10, 300, 1));
    QList<ModifiedPointEntry> snapshot = Cache::uploadListSnapshot();
    Cache::cacheModification(Cache::SingleChange, change(11, 300, 1));
    QCOMPARE(snapshot.size(), 1);
    Cache::refreshUploadListSnapshot(snapshot);
    QCOMPARE(snapshot.size(), 2);
}

void tst_CachedModifiedPoints::clearingEmitsNothing()
{
    Cache::cacheModification(Cache::MultiAddressChange, change(10, 400, 2));
    QSignalSpy updated(Cache::instance(), &Cache::PointsUpdated);

    Cache::instance()->clearCachedList();

    QCOMPARE(updated.count(), 0);
    QVERIFY(Cache::modifiedPanels().isEmpty());
    QVERIFY(Cache::uploadListSnapshot().isEmpty());
    QVERIFY(!Cache::hasPoints());
}

void tst_CachedModifiedPoints::clearedByTheSystem_data()
{
    QTest::addColumn<int>("event");
    QTest::newRow("link lost") << 0;
    QTest::newRow("fire") << 1;
    QTest::newRow("key switch off") << 2;
    QTest::newRow("logged out") << 3;
}

void tst_CachedModifiedPoints::clearedByTheSystem()
{
    QFETCH(int, event);
    Cache::cacheModification(Cache::SingleChange, change(10, 300, 1));
    switch (event) {
    case 0:
        emit SyncClient::instance()->disconnected();
        break;
    case 1:
        emit SystemState::instance()->fireStarted();
        break;
    case 2:
        emit Security::instance()->keyOut();
        break;
    default:
        emit Security::instance()->logoutNotify();
    }
    QVERIFY(!Cache::hasPoints());
    QVERIFY(Cache::uploadListSnapshot().isEmpty());
}

QTEST_MAIN(tst_CachedModifiedPoints)
#include "tst_cachedmodifiedpoints.moc"
