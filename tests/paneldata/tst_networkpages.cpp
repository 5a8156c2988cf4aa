#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "paneldata/DeviceTypeAttributeRecord.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PrintableAddress.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

enum Page { LogicalZones = 9, Network = 17, CommsNodes = 31, DeviceTypes = 36, NetworkNodes = 39 };
constexpr int Stored = 0;
constexpr int Refused = 1;

} // namespace

// The network, communication node, device type and logical zone pages.
class tst_NetworkPages final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void networkConfiguration();
    void isFlagCharSet_data();
    void isFlagCharSet();
    void commsNodes_data();
    void commsNodes();
    void networkNodes_data();
    void networkNodes();
    void deviceTypes();
    void deviceTypesRefused_data();
    void deviceTypesRefused();
    void logicalZones_data();
    void logicalZones();
    void logicalZonesLaterPartAdds();

private:
    int receive(int page, int panel, int part, const QByteArray &body, int layout = 0)
    {
        return m_bench->receivePart(page, panel, part, body, layout);
    }

    QTemporaryDir m_directory;
    std::unique_ptr<SyncPageBench> m_bench;
};

void tst_NetworkPages::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_NetworkPages::init()
{
    m_bench = std::make_unique<SyncPageBench>();
    deviceTypeAttributes().clear();
}

void tst_NetworkPages::cleanup()
{
    m_bench.reset();
}

void tst_NetworkPages::networkConfiguration()
{
    PanelsFromLkNetConfiguration *network = PanelsFromLkNetConfiguration::instance();
    QSignalSpy updated(network, &PanelsFromLkNetConfiguration::configuredPanelsUpdated);
    QCOMPARE(receive(Network, 1, 0, hex("06 00 01 03 02 07 06")), Stored);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(network->panelList(), (QList<quint8>{1, 3, 5}));
    QCOMPARE(network->panelState(4), quint8(7));
    QCOMPARE(network->panelState(6), quint8(0));
    QVERIFY(network->isPanelPresent(2));
    QVERIFY(!network->isPanelPresent(0));
    QVERIFY(!network->isPanelPresent(6));

    QCOMPARE(receive(Network, 1, 0, hex("00")), Stored);
    QVERIFY(network->panelList().isEmpty());
    QCOMPARE(receive(Network, 1, 0, hex("03 01")), Refused);
    QVERIFY(network->panelList().isEmpty());
}

void tst_NetworkPages::isFlagCharSet_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("set");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << false;
    QTest::newRow("3") << 3 << true;
    QTest::newRow("past the end") << 4 << false;
}

void tst_NetworkPages::isFlagCharSet()
{
    QFETCH(int, index);
    QFETCH(bool, set);
    QCOMPARE(BucketValues::isFlagCharSet(QStringLiteral("0101"), quint8(index)), set);
}

void tst_NetworkPages::commsNodes_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    const QStringList untouched{"4|2=old"};
    QTest::newRow("bits 0, 1 and 253") << 4 << 0 << 1 << hex("0002 02 00 02 03  0e fd 01 01") << Stored
                                       << QStringList{"4|14=" + flagText({253}, 254), "4|2=" + flagText({0, 1}, 254)};
    QTest::newRow("layout 0: numerical channel 27 is kind 14 address 0")
        << 4 << 0 << 0 << hex("0001 00 1b 01 01") << Stored << QStringList{"4|14=" + flagText({0}, 254), "4|2=old"};
    QTest::newRow("nodes up to 253 are written")
        << 4 << 0 << 1 << hex("0001 03 c8 36") + QByteArray(7, '\xff') << Stored
        << QStringList{"4|2=old", "4|3="
                                      + flagText({200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213,
                                                  214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227,
                                                  228, 229, 230, 231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241,
                                                  242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253},
                                                 254)};
    QTest::newRow("an entry past node 253 ends the page")
        << 4 << 0 << 1 << hex("0002 05 00 01 01  03 c8 37") + QByteArray(7, '\xff') << Stored
        << QStringList{"4|2=old", "4|5=" + flagText({0}, 254)};
    QTest::newRow("kind 255 ends the page")
        << 4 << 0 << 1 << hex("0002 ff 00 01 01  05 00 01 01") << Stored << untouched;
    // Not for this engine: acknowledged, nothing kept.
    QTest::newRow("panel 100") << 100 << 0 << 1 << hex("0001 05 00 01 01") << Stored << untouched;
    QTest::newRow("part 1") << 4 << 1 << 1 << hex("0001 05 00 01 01") << Stored << untouched;
    QTest::newRow("more than 4096 entries") << 4 << 0 << 1 << hex("1001 05 00 01 01") << Refused << untouched;
}

void tst_NetworkPages::commsNodes()
{
    QFETCH(int, panel);
    QFETCH(int, part);
    QFETCH(int, layout);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    BucketMaster::instance()->setValue(CommsNodes, QStringLiteral("4|2"), QStringLiteral("old"));
    QCOMPARE(receive(CommsNodes, panel, part, body, layout), answer);
    QCOMPARE(m_bench->bucket(CommsNodes), bucket);
}

// Only the nodes that the bit field carries are written.
void tst_NetworkPages::networkNodes_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    QTest::newRow("nodes 1 to 3") << hex("0000 01 03 05") << Stored << QStringList{"1=1", "2=0", "3=1", "9=old"};
    QTest::newRow("nodes 90 to 98") << hex("0000 5a 09 ff 01") << Stored
                                    << QStringList{"90=1", "91=1", "92=1", "93=1", "94=1",
                                                   "95=1", "96=1", "97=1", "98=1", "9=old"};
    QTest::newRow("node 8 alone, the node after it not named")
        << hex("0000 08 01 01") << Stored << QStringList{"8=1", "9=old"};
    QTest::newRow("first node 0") << hex("0000 00 01 01") << Stored << QStringList{"9=old"};
    QTest::newRow("up to node 99") << hex("0000 5a 0a ff 03") << Refused << QStringList{"9=old"};
}

void tst_NetworkPages::networkNodes()
{
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    BucketMaster::instance()->setValue(NetworkNodes, QStringLiteral("9"), QStringLiteral("old"));
    QCOMPARE(receive(NetworkNodes, 0, 0, body), answer);
    QCOMPARE(sortedEntries(m_bench->bucket(NetworkNodes)), sortedEntries(bucket));
}

void tst_NetworkPages::deviceTypes()
{
    // Types 127, 128 (no device: skipped) and 129.
    QCOMPARE(receive(DeviceTypes, 254, 0,
                     hex("0003 7f  01 00 02 012c 0005  09 09 00  03 04 08")
                         + hex("0001 0002 0003 0004 0005 0006 0007 0008")),
             Stored);
    QCOMPARE(m_bench->bucket(DeviceTypes),
             (QStringList{"127|1|0|2|300|5|0|0|0|0|0|0|=1", "129|3|4|8|1|2|3|4|5|6|7|8|=1"}));
    QCOMPARE(deviceTypeAttributes().size(), 2);
    QVERIFY(!deviceTypeAttributes().contains(128));
    QCOMPARE(deviceTypeAttributes().value(127).values, (QVector<quint16>{300, 5}));

    // Described again: a second key, the record replaced.
    QCOMPARE(receive(DeviceTypes, 254, 0, hex("0001 7f 01 01 00")), Stored);
    QCOMPARE(m_bench->bucket(DeviceTypes).size(), 3);
    QVERIFY(m_bench->bucket(DeviceTypes).contains("127|1|1|0|0|0|0|0|0|0|0|0|=1"));
    QCOMPARE(deviceTypeAttributes().value(127).secondAttribute, quint8(1));
    QVERIFY(deviceTypeAttributes().value(127).values.isEmpty());

    // Round through 255 to 0; an entry of nine values ends the page.
    MessageCapture messages;
    QCOMPARE(receive(DeviceTypes, 254, 0,
                     hex("0003 ff 05 06 00  07 08 09 0001 0002 0003 0004 0005 0006 0007 0008 0009"
                         "  0a 0b 00")),
             Stored);
    QCOMPARE(deviceTypeAttributes().value(255).firstAttribute, quint8(5));
    QVERIFY(!deviceTypeAttributes().contains(0));
    QVERIFY(!deviceTypeAttributes().contains(1));
    QVERIFY(messages.contains(QStringLiteral("SC_DeviceTypeAttributesPkt")));
}

void tst_NetworkPages::deviceTypesRefused_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("part");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    // Another panel's or a later part's types are acknowledged, not kept.
    QTest::newRow("panel 3") << 3 << 0 << hex("0001 05 01 02 00") << Stored;
    QTest::newRow("part 1") << 254 << 1 << hex("0001 05 01 02 00") << Stored;
    QTest::newRow("more than 256 entries") << 254 << 0 << hex("0101 05 01 02 00") << Refused;
    QTest::newRow("cut in a value") << 254 << 0 << hex("0001 05 01 02 02 0001 00") << Refused;
}

void tst_NetworkPages::deviceTypesRefused()
{
    QFETCH(int, panel);
    QFETCH(int, part);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QCOMPARE(receive(DeviceTypes, panel, part, body), answer);
    QVERIFY(m_bench->bucket(DeviceTypes).isEmpty());
    QVERIFY(deviceTypeAttributes().isEmpty());
}

void tst_NetworkPages::logicalZones_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    const QStringList untouched{"30|1|7=1", "3|1|7=1"};
    QTest::newRow("zone 5 of panel 3") << 3 << hex("05 02 03ed 03ee") << Stored
                                       << QStringList{"30|1|7=1", "3|5|1005=1", "3|6|1006=1"};
    QTest::newRow("zone 250 alone") << 3 << hex("fa 01 0001") << Stored << QStringList{"30|1|7=1", "3|250|1=1"};
    QTest::newRow("no zones: the panel's keys go") << 3 << hex("00 00") << Stored << QStringList{"30|1|7=1"};
    QTest::newRow("past zone 250") << 3 << hex("fa 02 0001 0002") << Refused << untouched;
    QTest::newRow("first zone 251") << 3 << hex("fb 00") << Refused << untouched;
    QTest::newRow("cut short") << 3 << hex("05 02 03ed") << Refused << untouched;
}

void tst_NetworkPages::logicalZones()
{
    QFETCH(int, panel);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    BucketMaster::instance()->setValue(LogicalZones, QStringLiteral("3|1|7"), QStringLiteral("1"));
    BucketMaster::instance()->setValue(LogicalZones, QStringLiteral("30|1|7"), QStringLiteral("1"));
    quint8 panel0 = 0, kind = 12, number = 0, address = 1, point = 1;
    PrintableAddress::instance()->addressText(panel0, kind, number, address, point, 7, false, 0, 0, false, 251, false,
                                              false, -1, false);
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), 1);

    QCOMPARE(receive(LogicalZones, panel, 0, body), answer);
    QCOMPARE(m_bench->bucket(LogicalZones), bucket);
    // The printed zones may have changed with a stored page.
    QCOMPARE(PrintableAddress::instance()->cachedPoints(), answer == Stored ? 0 : 1);
    PrintableAddress::instance()->clearZoneTextCache();
}

void tst_NetworkPages::logicalZonesLaterPartAdds()
{
    QCOMPARE(receive(LogicalZones, 3, 0, hex("01 01 000b")), Stored);
    QCOMPARE(receive(LogicalZones, 3, 1, hex("02 01 000c")), Stored);
    QCOMPARE(m_bench->bucket(LogicalZones), (QStringList{"3|1|11=1", "3|2|12=1"}));
}

QTEST_GUILESS_MAIN(tst_NetworkPages)
#include "tst_networkpages.moc"
