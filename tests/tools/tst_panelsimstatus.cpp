#include "Controller.h"
#include "ControllerLink.h"
#include "PacketBytes.h"
#include "StatusPages.h"
#include "SyncPage.h"
#include "SyncSession.h"

#include <QtTest>

namespace {

// Panel 3: counts 1 to 18, status bits 3, battery 7, day flags 2, walk-test
// node 5.
SitePanelStatus panelThree()
{
    SitePanelStatus status;
    status.panel = 3;
    for (int i = 0; i < SitePanelStatus::Counts; ++i)
        status.counts[size_t(i)] = quint16(i + 1);
    status.statusBits = 3;
    status.batteryStatus = 7;
    status.dayFlags = 2;
    status.walkTestNode = 5;
    return status;
}

} // namespace

// The emulator's own writers and readers of the status pages and the
// signature transfer, checked against hand-made bytes.
class tst_PanelSimStatus final : public QObject
{
    Q_OBJECT

private slots:
    void statusCountsPage();
    void pageIdentity();
    void signatureGroups_data();
    void signatureGroups();
    void countsAndFiresChangeTheSite();
    void heldPagesFollowTheSite();
    void standbyTimeRidesWithTheStatuses_data();
    void standbyTimeRidesWithTheStatuses();
};

void tst_PanelSimStatus::statusCountsPage()
{
    const QByteArray payload = StatusPages::statusCounts(panelThree());
    const QByteArray body = hex("00 0001 0002 0003 0004 0005 0006 0007 0008 0009 000a 000b 000c 000d 000e 000f "
                                "0010 0011 0012 03 07 0002 05");
    QCOMPARE(payload.left(4), hex("0a 05 03 00"));
    QCOMPARE(payload.mid(8), body);
    QCOMPARE(payload, SyncPage::payload(5, 3, body));
}

void tst_PanelSimStatus::standbyTimeRidesWithTheStatuses_data()
{
    QTest::addColumn<int>("timer");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("fire reset") << int(StatusPages::FireResetTimer) << 30 << hex("05 8001 04 01 01 001e");
    QTest::newRow("initialisation") << int(StatusPages::InitialisationTimer) << 300 << hex("05 8001 04 01 05 012c");
    QTest::newRow("end") << int(StatusPages::FireResetTimer) << 0 << hex("05 8001 04 01 01 0000");
}

// Word, flags, one entry: the timer's index and its seconds.
void tst_PanelSimStatus::standbyTimeRidesWithTheStatuses()
{
    QFETCH(int, timer);
    QFETCH(int, seconds);
    QFETCH(QByteArray, payload);
    SiteStatus site;
    site.statusWord = 0x8001;
    site.statusFlags = 4;
    QCOMPARE(StatusPages::highPriority(site, StatusPages::StandbyTimer(timer), quint16(seconds)), payload);
    QCOMPARE(StatusPages::highPriority(site), hex("05 8001 04 00"));
}

void tst_PanelSimStatus::pageIdentity()
{
    const QByteArray payload = SyncPage::payload(42, 7, hex("00 000c"), 2);
    const std::optional<SyncPage::Identity> page = SyncPage::identify(payload);
    QVERIFY(page);
    QCOMPARE(page->page, quint8(42));
    QCOMPARE(page->panel, quint8(7));
    QCOMPARE(page->part, quint8(2));
    QCOMPARE(page->signature, quint32(qFromBigEndian<quint32>(payload.constData() + 4)));
    // The signature follows the body.
    QVERIFY(SyncPage::identify(SyncPage::payload(42, 7, hex("00 000d"), 2))->signature != page->signature);
    QVERIFY(!SyncPage::identify(hex("0a 2a 07")));
    QVERIFY(!SyncPage::identify(hex("07 2a 07 02 00000000")));
}

void tst_PanelSimStatus::signatureGroups_data()
{
    QTest::addColumn<int>("panels");
    QTest::addColumn<QByteArray>("groups");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<int>("parts");
    QTest::newRow("none") << 0 << QByteArray() << true << 0;
    QTest::newRow("two panels") << 2 << hex("03 02 01 01 00000031 2a 02 00000300 00000302 fe 01 05 01 000000fe") << true
                                << 4;
    QTest::newRow("signature cut short") << 1 << hex("03 01 2a 02 00000300 000003") << false << 0;
    QTest::newRow("fewer panels than counted") << 2 << hex("03 01 2a 01 00000300") << false << 0;
    QTest::newRow("bytes after the groups") << 1 << hex("03 01 2a 01 00000300 ff") << false << 0;
}

void tst_PanelSimStatus::signatureGroups()
{
    QFETCH(int, panels);
    QFETCH(QByteArray, groups);
    QFETCH(bool, parses);
    QFETCH(int, parts);
    const std::optional<SyncSession::SignatureList> held = SyncSession::parseSignatureGroups(panels, groups);
    QCOMPARE(bool(held), parses);
    if (!held)
        return;
    int count = 0;
    for (const QVector<quint32> &signatures : *held)
        count += signatures.size();
    QCOMPARE(count, parts);
    if (parts > 0)
        QCOMPARE(held->value(quint16(3 << 8 | 42)), (QVector<quint32>{0x300, 0x302}));
}

void tst_PanelSimStatus::countsAndFiresChangeTheSite()
{
    ControllerLink link(QStringLiteral("127.0.0.1"), 1);
    Site site;
    site.status = SiteStatus::demo({1, 2});
    Controller controller(link, site);
    const SiteStatus &status = controller.site().status;

    QVERIFY(controller.changeCount(2, QStringLiteral("faults"), 7));
    QCOMPARE(status.count(254, "faults"), quint16(8));
    QVERIFY(!controller.changeCount(9, QStringLiteral("faults"), 1));
    QVERIFY(!controller.changeCount(2, QStringLiteral("nonsense"), 1));
    QVERIFY(!controller.changeCount(254, QStringLiteral("faults"), 1));

    QVERIFY(controller.setFire(1, true));
    QVERIFY(controller.setFire(1, true));
    QCOMPARE(status.count(1, "fireAlrms"), quint16(2));
    QCOMPARE(status.count(254, "fireAlrms"), quint16(2));
    QCOMPARE(status.statusWord & SiteStatus::FireBit, SiteStatus::FireBit);
    QVERIFY(controller.setFire(1, false));
    QCOMPARE(status.count(254, "fireAlrms"), quint16(0));
    QCOMPARE(status.statusWord & SiteStatus::FireBit, 0);
}

// The site's pages are held between synchronisations: a change of the site
// is in the next ones, a change of its counts alone keeps them.
void tst_PanelSimStatus::heldPagesFollowTheSite()
{
    ControllerLink link(QStringLiteral("127.0.0.1"), 1);
    Controller controller(link, Site::demo());
    const QVector<QByteArray> layout0 = controller.sitePages();
    QVERIFY(!layout0.isEmpty());

    QVERIFY(controller.changeCount(1, QStringLiteral("faults"), 3));
    controller.status().silentPanels.insert(2);
    QVERIFY(controller.sitePages().constData() == layout0.constData());

    controller.editSite().headerLayout = 1;
    const QVector<QByteArray> layout1 = controller.sitePages();
    QCOMPARE(layout1.size(), layout0.size());
    QVERIFY(layout1 != layout0);

    controller.editSite().headerLayout = 0;
    QCOMPARE(controller.sitePages(), layout0);
}

QTEST_GUILESS_MAIN(tst_PanelSimStatus)
#include "tst_panelsimstatus.moc"
