#include "ConfigurationPages.h"
#include "SiteConfiguration.h"

#include <QSet>
#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// One panel, one loop of two points, one loop card.
SiteConfiguration tinySite()
{
    SitePanel panel;
    panel.number = 2;
    SiteChannel loop;
    loop.kind = 12;
    loop.address = 3;
    loop.points = {SitePoint{1, 5, 7, 0x0102, 0x03, 1}, SitePoint{2, 10, 8, 0x0008, 0x05, 2}};
    panel.channels = {loop};
    panel.loopDrivers = {SiteLoopDriver{3, 2, 0, 3}};
    panel.equipment = {SiteEquipment{12, 2, 4, 0, {SiteVersion{0, 2, 1, 0, 0x10}}}};
    SiteConfiguration site;
    site.panels = {panel};
    return site;
}

QByteArray pageOf(const QVector<QByteArray> &payloads, int page)
{
    for (const QByteArray &payload : payloads) {
        if (payload.at(1) == char(page))
            return payload;
    }
    return {};
}

} // namespace

class TestPanelSimSite final : public QObject
{
    Q_OBJECT

private slots:
    void demoSite_isARealisticNetwork();
    void demoSite_hasTheVirtualInputsOfTheLocalPanel();
    void pages_data();
    void pages();
    void loopBitsOfPanelPage();
    void clock();
};

void TestPanelSimSite::demoSite_isARealisticNetwork()
{
    const SiteConfiguration site = SiteConfiguration::demo(1);
    QCOMPARE(site.panels.size(), 3);
    QSet<int> zones;
    for (const SitePanel &panel : site.panels) {
        QVERIFY(panel.loops().size() >= 2 && panel.loops().size() <= 4);
        QCOMPARE(panel.loopDrivers.size(), panel.loops().size());
        for (const SiteChannel &channel : panel.channels) {
            if (channel.kind != 12)
                continue;
            QVERIFY(channel.points.size() >= 30 && channel.points.size() <= 120);
            for (const SitePoint &point : channel.points) {
                zones.insert(point.zone);
                QVERIFY(point.deviceType != 128);
            }
        }
    }
    QCOMPARE(zones.size(), 20);
    QVERIFY(!zones.contains(0));
}

void TestPanelSimSite::demoSite_hasTheVirtualInputsOfTheLocalPanel()
{
    for (quint8 local : {1, 3}) {
        const SiteConfiguration site = SiteConfiguration::demo(local);
        for (const SitePanel &panel : site.panels) {
            int virtualInputs = 0;
            for (const SiteChannel &channel : panel.channels) {
                if (channel.kind == 5 && channel.number == 1 && channel.address == 15)
                    virtualInputs = channel.points.size();
            }
            QCOMPARE(virtualInputs, panel.number == local ? 16 : 0);
        }
    }
}

void TestPanelSimSite::pages_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("body");

    // After sub-code 10, page, panel 2, part 0 and the four signature bytes.
    QTest::newRow("point core, layout 1")
        << 1 << 8 << hex("01 0001  0c 03 01 02  05 00 01 03 02 07 01  0a 00 00 05 08 08 02");
    QTest::newRow("point core, layout 0")
        << 0 << 8 << hex("01 0001  00 03 01 02  05 00 01 03 02 07 01  0a 00 00 05 08 08 02");
    QTest::newRow("loop drivers") << 1 << 40 << hex("01  00 02 00 00 03 03  00");
    QTest::newRow("versions, layout 1") << 1 << 4 << hex("01  0c 02 04 00 01  00 02 01 00 00000010");
    QTest::newRow("versions, layout 0") << 0 << 4 << hex("01  00 02 04 00 01  00 02 01 00 00000010");
}

void TestPanelSimSite::pages()
{
    QFETCH(int, layout);
    QFETCH(int, page);
    QFETCH(QByteArray, body);

    const QByteArray payload = pageOf(ConfigurationPages::payloads(tinySite(), layout), page);
    QCOMPARE(payload.left(4), QByteArray::fromHex("0a") + char(page) + hex("02 00"));
    QCOMPARE(payload.mid(8).toHex(' '), body.toHex(' '));
}

void TestPanelSimSite::loopBitsOfPanelPage()
{
    const QVector<QByteArray> payloads = ConfigurationPages::payloads(SiteConfiguration::demo(1), 1);
    // Four configuration pages per panel, and the local panel's task map.
    QCOMPARE(payloads.size(), 13);
    QCOMPARE(pageOf(payloads, 13).mid(2, 1), QByteArray(1, char(1)));
    const QByteArray panelPage = pageOf(payloads, 3);
    QCOMPARE(panelPage.at(2), char(1));
    // The loop word follows the page header and 26 bytes: loops 1 to 4.
    QCOMPARE(panelPage.mid(8 + 26, 2), hex("000f"));
}

void TestPanelSimSite::clock()
{
    QCOMPARE(ConfigurationPages::clockPayload(0x01020304), hex("00 01020304"));
}

QTEST_GUILESS_MAIN(TestPanelSimSite)
#include "tst_panelsimsite.moc"
