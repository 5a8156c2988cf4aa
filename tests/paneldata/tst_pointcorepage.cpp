#include "ConfigurationPageBench.h"
#include "MessageCapture.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PrintableAddress.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QString describe(quint8 panel)
{
    QStringList points;
    PointCoreIterator *iterator = PointCoreConfiguration::instance()->pointIterator(panel);
    while (iterator->next()) {
        const ChannelAddress &channel = iterator->currentChannelKey();
        points << QStringLiteral("%1/%2:%3")
                      .arg(channel.byte0(), 2, 16, QLatin1Char('0'))
                      .arg(channel.byte1())
                      .arg(iterator->currentRecord()->pointNumber);
    }
    return points.join(QLatin1Char(' '));
}

QList<PointAddressKey> records(quint8 panel)
{
    QList<PointAddressKey> list;
    PointCoreIterator *iterator = PointCoreConfiguration::instance()->pointIterator(panel);
    while (iterator->next())
        list << *iterator->currentRecord();
    return list;
}

// A format-1 page of one loop-1 channel: point 1 (device 5, zone 5,
// logical 1), point 2 empty, point 3 (device 7, zone 6, logical 3).
const QByteArray LoopOnePage = hex("01 0001  0c 01 01 03"
                                   "  05 00 01 02 03 05 01"
                                   "  80 00 00 00 00 00 00"
                                   "  07 00 00 04 09 06 03");
// One record: device 5, zone 5, logical point number 1.
#define ONE_POINT " 05 00 00 02 01 05 01"

} // namespace

class TestPointCorePage final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void storesRecords();
    void format0_givesLogical254();
    void entries_data();
    void entries();
    void headerLayouts_data();
    void headerLayouts();
    void parts();
    void sameRecordTwice_countedOnce();
    void panelsWithoutTable();
    void truncated_changesNothing();
    void signatureRecordedWithThePoints();
    void movedPointPrintsItsNewZone();

private:
    std::unique_ptr<ConfigurationPageBench> m_pages;
};

namespace {

// Loop 1 point 1 of panel 0 as lists print it, its zone looked up.
QString printPointOne()
{
    quint8 panel = 0, kind = 12, number = 0, address = 1, point = 1;
    return PrintableAddress::instance()->addressText(panel, kind, number, address, point, PrintableAddress::LookUpZone,
                                                     false, 0, 0, false, 251, false, false, -1, false);
}

} // namespace

// The printed zone of a point comes from its record: a page moving the point
// to another zone leaves no stale text behind, not even for the readers the
// page's notice wakes.
void TestPointCorePage::movedPointPrintsItsNewZone()
{
    QCOMPARE(m_pages->receive(8, 0, 0, hex("01 0001  0c 01 01 01" ONE_POINT)), 0);
    QVERIFY2(printPointOne().contains(QLatin1String("005")), qPrintable(printPointOne()));
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 1);

    int cachedWhenNotified = -1;
    QObject receiver;
    connect(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated, &receiver,
            [&cachedWhenNotified] { cachedWhenNotified = PrintableAddress::instance()->cachedPoints(); });
    QCOMPARE(m_pages->receive(8, 0, 0, hex("01 0001  0c 01 01 01  05 00 00 02 01 09 01"), 0, 0x55667788), 0);
    QCOMPARE(cachedWhenNotified, 0);
    QVERIFY2(printPointOne().contains(QLatin1String("009")), qPrintable(printPointOne()));
}

void TestPointCorePage::init()
{
    m_pages = std::make_unique<ConfigurationPageBench>();
    PointCoreConfiguration::instance()->clearPanel(255);
}

void TestPointCorePage::cleanup()
{
    m_pages.reset();
}

void TestPointCorePage::storesRecords()
{
    QSignalSpy updated(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated);
    QCOMPARE(m_pages->receive(8, 3, 0, LoopOnePage), 0);

    QCOMPARE(records(3), (QList<PointAddressKey>{PointAddressKey(1, 5, 5, 0x02, 0x0103, 1),
                                                 PointAddressKey(3, 6, 7, 0x04, 0x0009, 3)}));
    QCOMPARE(describe(3), QStringLiteral("0c/1:1 0c/1:3"));
    QCOMPARE(PointCoreConfiguration::instance()->channelValue(3, 5), quint16(1));
    QCOMPARE(PointCoreConfiguration::instance()->channelValue(3, 6), quint16(1));
    QCOMPARE(updated.size(), 1);
    QCOMPARE(updated.at(0).at(0).value<TC::panel_t>(), TC::panel_t(3));
}

void TestPointCorePage::format0_givesLogical254()
{
    QCOMPARE(m_pages->receive(8, 1, 0, hex("00 0001  0c 02 07 01  05 00 00 02 01 09")), 0);
    QCOMPARE(records(1), QList<PointAddressKey>{PointAddressKey(7, 9, 5, 0x02, 0x0001, 254)});
}

void TestPointCorePage::entries_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("updated");

    const QByteArray point = ONE_POINT;
    QTest::newRow("first point 250, one record")
        << hex("01 0001 0c 01 fa 01" + point) << QStringLiteral("0c/1:250") << true;
    QTest::newRow("first point 250, two records end the part")
        << hex("01 0002 0c 01 01 01" + point + " 0c 02 fa 02" + point + point) << QStringLiteral("0c/1:1") << false;
    QTest::newRow("no records end the part") << hex("01 0002 0c 01 00 00  0c 02 01 01" + point) << QString() << false;
    QTest::newRow("zone 241 is skipped and ends the part")
        << hex("01 0002 0c 01 01 02" + point + " 05 00 00 02 01 f1 02  0c 02 01 01" + point) << QStringLiteral("0c/1:1")
        << false;
    QTest::newRow("a later empty record settles the entry")
        << hex("01 0002 0c 01 01 02 05 00 00 02 01 f1 02  80 00 00 00 00 00 00  0c 02 01 01" + point)
        << QStringLiteral("0c/2:1") << true;
    QTest::newRow("logical 251 is stored but ends the part")
        << hex("01 0002 0c 01 04 01 05 00 00 02 01 05 fb  0c 02 01 01" + point) << QStringLiteral("0c/1:4") << false;
    QTest::newRow("all records empty: a channel walked over")
        << hex("01 0002 0c 09 01 01 80 00 00 00 00 00 00  0c 02 01 01" + point) << QStringLiteral("0c/2:1") << true;
}

void TestPointCorePage::entries()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, stored);
    QFETCH(bool, updated);

    QSignalSpy spy(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated);
    QCOMPARE(m_pages->receive(8, 2, 0, body), 0);
    QCOMPARE(describe(2), stored);
    QCOMPARE(spy.size(), updated ? 1 : 0);
}

void TestPointCorePage::headerLayouts_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("channel");
    QTest::addColumn<QString>("stored");

    QTest::newRow("layout 0, loop 3") << 0 << hex("00 03") << QStringLiteral("0c/3:1");
    QTest::newRow("layout 0, 11 is kind 14 address 2") << 0 << hex("00 0b") << QStringLiteral("0e/2:1");
    QTest::newRow("layout 0, number kept") << 0 << hex("10 0e") << QStringLiteral("1e/1:1");
    QTest::newRow("layout 0, kind 2, 31 is 255") << 0 << hex("02 1f") << QStringLiteral("02/255:1");
    QTest::newRow("layout 1, as it stands") << 1 << hex("00 0b") << QStringLiteral("00/11:1");
    QTest::newRow("layout 1, loop 3") << 1 << hex("1c 03") << QStringLiteral("1c/3:1");
}

void TestPointCorePage::headerLayouts()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, channel);
    QFETCH(QString, stored);

    QCOMPARE(m_pages->receive(8, 4, 0, hex("01 0001") + channel + hex("01 01" ONE_POINT), layout), 0);
    QCOMPARE(describe(4), stored);
}

void TestPointCorePage::parts()
{
    const QByteArray loopTwo = hex("01 0001 0c 02 01 01" ONE_POINT);
    m_pages->receive(8, 5, 0, LoopOnePage);
    m_pages->receive(8, 5, 1, loopTwo);
    QCOMPARE(describe(5), QStringLiteral("0c/1:1 0c/1:3 0c/2:1"));
    QCOMPARE(PointCoreConfiguration::instance()->channelValue(5, 5), quint16(2));

    m_pages->receive(8, 5, 0, loopTwo);
    QCOMPARE(describe(5), QStringLiteral("0c/2:1"));
    QCOMPARE(PointCoreConfiguration::instance()->channelValue(5, 5), quint16(1));
}

void TestPointCorePage::sameRecordTwice_countedOnce()
{
    const QByteArray entry = " 0c 01 01 01" ONE_POINT;
    m_pages->receive(8, 6, 0, hex("01 0002" + entry + entry));
    QCOMPARE(describe(6), QStringLiteral("0c/1:1"));
    QCOMPARE(PointCoreConfiguration::instance()->channelValue(6, 5), quint16(1));
    m_pages->receive(8, 6, 1, hex("01 0001" + entry));
    QCOMPARE(PointCoreConfiguration::instance()->channelValue(6, 5), quint16(1));
}

void TestPointCorePage::panelsWithoutTable()
{
    m_pages->receive(8, 99, 0, LoopOnePage);
    QSignalSpy spy(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated);
    MessageCapture capture;
    for (int panel : {100, 199, 254, 255})
        QCOMPARE(m_pages->receive(8, panel, 0, LoopOnePage), 0);
    QVERIFY(capture.contains(QStringLiteral("is not for this engine; acknowledged, nothing stored")));
    QVERIFY(capture.warnings().isEmpty());
    QCOMPARE(spy.size(), 0);
    QCOMPARE(describe(99), QStringLiteral("0c/1:1 0c/1:3"));
    QVERIFY(describe(100).isEmpty());
}

void TestPointCorePage::truncated_changesNothing()
{
    m_pages->receive(8, 7, 0, hex("01 0001 0c 05 01 01" ONE_POINT));
    QSignalSpy spy(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated);
    m_pages->receiveCuts(8, 7, 0, LoopOnePage);
    QCOMPARE(describe(7), QStringLiteral("0c/5:1"));
    QCOMPARE(spy.size(), 0);
    // More than 4096 entries refuse the page whole.
    QCOMPARE(m_pages->receive(8, 7, 0, hex("01 1001 0c 01 01 01" ONE_POINT)), 1);
    QCOMPARE(describe(7), QStringLiteral("0c/5:1"));
}

void TestPointCorePage::signatureRecordedWithThePoints()
{
    QSignalSpy changed(&SyncClient::instance()->syncPages(), &sc_syncPages::signatureChanged);
    m_pages->receive(8, 2, 0, LoopOnePage, 0, 0xA1);
    QCOMPARE(changed.size(), 0);
    m_pages->receive(8, 2, 0, LoopOnePage, 0, 0xA1);
    QCOMPARE(changed.size(), 0);
    m_pages->receive(8, 2, 0, LoopOnePage, 0, 0xA2);
    QCOMPARE(changed.size(), 1);
    sc_syncPages::SignatureEntry entry;
    QVERIFY(SyncClient::instance()->syncPages().signature(8, 2, 0, entry));
    QCOMPARE(entry.signature, quint32(0xA2));
    QVERIFY(entry.kept && entry.current);
}

QTEST_GUILESS_MAIN(TestPointCorePage)
#include "tst_pointcorepage.moc"
