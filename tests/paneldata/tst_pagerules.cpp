#include "ConfigurationPageBench.h"
#include "MessageCapture.h"
#include "link/PanelTextDecoder.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SWVersions.h"
#include "paneldata/WalkTestHandler.h"

#include <QtTest>

#include <memory>

// What the engine answers to a page part it does not keep. A part that a
// page's routing rule sends elsewhere (another panel, another part, a
// setting this panel does not use) is acknowledged and its signature kept,
// or the controller would send it again forever; only a part that is cut
// short or does not make sense is refused, without a signature.

namespace {

constexpr quint32 Signature = 0x11223344;
enum Answer { Ignored = 0, Refused = 1 };

// Page 3 up to its last mandatory field, with the zone limit given.
QByteArray panelPage(quint8 zoneLimit)
{
    return hex("02 05 00 09 09 09  0007  00000064 000000c8  00000000 00 0000  0042") + char(zoneLimit) + hex("0003")
           + pageText("Harbour") + pageText("") + pageText("Tmpl") + pageText("Hall") + pageText("Halle")
           + hex("00b4 00 00 0000 01") + pageText("x");
}

// Page 5's counts 1 to 18, then status and battery status.
QByteArray statusCounts()
{
    return hex("00 0001 0002 0003 0004 0005 0006 0007 0008 0009 000a 000b 000c 000d 000e 000f 0010 0011 0012 03 07");
}

} // namespace

class tst_PageRules final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void partsNotKept_data();
    void partsNotKept();

private:
    QTemporaryDir m_directory;
    std::unique_ptr<ConfigurationPageBench> m_pages;
};

void tst_PageRules::initTestCase()
{
    // The decoders start from the engine's configuration, read from and
    // written to the working directory: made here, before any part counts
    // its messages.
    QVERIFY(QDir::setCurrent(m_directory.path()));
    textDecoders();
}

void tst_PageRules::init()
{
    m_pages = std::make_unique<ConfigurationPageBench>();
    PanelConfiguration::instance()->clearAll();
    PointCoreConfiguration::instance()->clearPanel(255);
    PointDataMapsConfiguration::instance()->clearPanel(0, 255);
    SWVersions::instance()->clearAll();
    WalkTestHandler::instance()->reset();
}

void tst_PageRules::cleanup()
{
    m_pages.reset();
}

void tst_PageRules::partsNotKept_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("part");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("answer");

    // Routing rules: acknowledged, signature kept, nothing written.
    QTest::newRow("loop status of panel 100") << 148 << 100 << 0 << hex("07 01  01 02 03 00000010") << 0 << 0;
    QTest::newRow("device types of panel 3") << 36 << 3 << 0 << hex("0001 05 01 02 00") << 0 << 0;
    QTest::newRow("device types, part 1") << 36 << 254 << 1 << hex("0001 05 01 02 00") << 0 << 0;
    QTest::newRow("walk test of panel 120")
        << 22 << 120 << 0 << hex("02 01 0001 0002 0003 0004 0005 0006 ff") << 0 << 0;
    QTest::newRow("panel page with zone limit 242") << 3 << 7 << 0 << panelPage(242) << 0 << 0;
    QTest::newRow("status counts of panel 150") << 5 << 150 << 0 << statusCounts() << 0 << 0;
    QTest::newRow("device tags of panel 3") << 11 << 3 << 0 << hex("00 0001") + pageText("T") << 0 << 0;
    QTest::newRow("descriptions of panel 3") << 12 << 3 << 0 << hex("01 00 0001") + pageText("D") << 0 << 0;
    QTest::newRow("commissioning of panel 100") << 27 << 100 << 0 << hex("0005 0021 0000 00") << 0 << 0;
    QTest::newRow("communication nodes, part 1") << 31 << 4 << 1 << hex("0001 05 00 01 01") << 0 << 0;
    QTest::newRow("communication nodes of panel 100") << 31 << 100 << 0 << hex("0001 05 00 01 01") << 0 << 0;
    QTest::newRow("network nodes from node 0") << 39 << 0 << 0 << hex("0000 00 01 01") << 0 << 0;
    QTest::newRow("software versions of panel 100") << 4 << 100 << 0 << hex("01  00 0b 06 01 00") << 0 << 0;
    QTest::newRow("point core of panel 100")
        << 8 << 100 << 0 << hex("01 0001  0c 01 01 01  05 00 00 02 01 05 01") << 0 << 0;
    QTest::newRow("point map of panel 100") << 140 << 100 << 0 << hex("0001 0c 01 00 08 01") << 0 << 0;
    QTest::newRow("region names of panel 100") << 28 << 100 << 0 << hex("01 0001 0c 03") + pageText("x") << 1 << 0;
    QTest::newRow("point names of every panel")
        << 7 << 255 << 0 << hex("01 0001 00 01 01 01") + pageText("x") << 0 << 0;

    // Cut short or not making sense: refused, no signature.
    QTest::newRow("status counts cut short") << 5 << 3 << 0 << hex("00 0001") << 0 << 1;
    QTest::newRow("walk test cut short") << 22 << 4 << 0 << hex("02 01 0001") << 0 << 1;
    QTest::newRow("zone names in three languages")
        << 6 << 7 << 0 << hex("03 01 01") + pageText("a") + pageText("b") + pageText("c") << 0 << 1;
    QTest::newRow("more than 256 device types") << 36 << 254 << 0 << hex("0101 05 01 02 00") << 0 << 1;
    QTest::newRow("network nodes past node 99") << 39 << 0 << 0 << hex("0000 5a 0a ff 03") << 0 << 1;
    QTest::newRow("more than 256 device tags") << 11 << 254 << 0 << hex("00 0101") << 0 << 1;
    QTest::newRow("no event names") << 19 << 254 << 0 << hex("01 0010 0000") << 0 << 1;
}

void tst_PageRules::partsNotKept()
{
    QFETCH(int, page);
    QFETCH(int, panel);
    QFETCH(int, part);
    QFETCH(QByteArray, body);
    QFETCH(int, layout);
    QFETCH(int, answer);

    MessageCapture messages;
    QStringList written;
    QObject receiver;
    connect(SyncClient::instance(), &SyncClient::BucketCommand, &receiver, [&written](const BucketCmd &command) {
        if (command.command != BucketCmd::PageUpdated)
            written << QStringLiteral("%1 %2=%3").arg(command.pageId).arg(command.key, command.value);
    });
    QSignalSpy walkTest(WalkTestHandler::instance(), &WalkTestHandler::walkTestSummaryChanged);
    QSignalSpy pointCore(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated);

    QCOMPARE(m_pages->receive(page, panel, part, body, layout, Signature), answer);

    sc_syncPages::SignatureEntry entry;
    const bool kept = SyncClient::instance()->syncPages().signature(page, uint(panel), uint(part), entry);
    QCOMPARE(kept, answer == Ignored);
    if (kept)
        QCOMPARE(entry.signature, Signature);
    QCOMPARE(written, QStringList());
    QVERIFY(PanelConfiguration::instance()->panels().isEmpty());
    QCOMPARE(walkTest.count(), 0);
    QCOMPARE(pointCore.count(), 0);
    QCOMPARE(PointDataMapsConfiguration::instance()->pointCount(140), 0);
    QVERIFY(SWVersions::instance()->recordsOfKind(quint8(panel), 6).isEmpty());
    QCOMPARE(messages.warnings().size(), answer == Refused ? 1 : 0);
}

QTEST_GUILESS_MAIN(tst_PageRules)
#include "tst_pagerules.moc"
