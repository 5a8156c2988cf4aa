#include "core/ChannelAddress.h"
#include "core/ChannelConversion.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PointAddressing.h"
#include "paneldata/PointIndividualAddress.h"
#include "pointmodels/model.h"

#include <QtTest>

using BytePair = QPair<quint8, quint8>;

class TestPointAddresses final : public QObject
{
    Q_OBJECT

private slots:
    void channelAddress_packsKindAndNumber_data();
    void channelAddress_packsKindAndNumber();
    void channelAddress_defaultAndKey();

    void numericalToChannelAddress_data();
    void numericalToChannelAddress();
    void channelAddressToNumerical_data();
    void channelAddressToNumerical();
    void numericalRoundTrip();
    void channelRoundTrip();

    void pointIndividualAddress_data();
    void pointIndividualAddress();
    void pointIndividualAddress_travelsInVariant();

    void packings();
    void bitStrings_data();
    void bitStrings();
};

void TestPointAddresses::channelAddress_packsKindAndNumber_data()
{
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("address");
    QTest::addColumn<quint8>("number");
    QTest::addColumn<quint8>("byte0");
    QTest::addColumn<quint8>("byte1");

    QTest::newRow("loop 3 number 1") << quint8(12) << quint8(3) << quint8(1) << quint8(0x1C) << quint8(3);
    QTest::newRow("kind above 15 keeps its nibble")
        << quint8(0x1E) << quint8(0) << quint8(0) << quint8(0x0E) << quint8(0);
    QTest::newRow("number bits above 3 lost") << quint8(2) << quint8(9) << quint8(0x13) << quint8(0x32) << quint8(9);
    QTest::newRow("all ones") << quint8(15) << quint8(255) << quint8(15) << quint8(0xFF) << quint8(255);
}

void TestPointAddresses::channelAddress_packsKindAndNumber()
{
    QFETCH(quint8, kind);
    QFETCH(quint8, address);
    QFETCH(quint8, number);
    QFETCH(quint8, byte0);
    QFETCH(quint8, byte1);

    const ChannelAddress channel(kind, address, number);
    QCOMPARE(channel.byte0(), byte0);
    QCOMPARE(channel.byte1(), byte1);
    QCOMPARE(channel.kind(), quint8(kind & 0x0F));
    QCOMPARE(channel.number(), quint8(number & 0x0F));
    QCOMPARE(channel, ChannelAddress(byte0, byte1));

    ChannelAddress set;
    set.set(kind, address, number);
    QCOMPARE(set, channel);
}

void TestPointAddresses::channelAddress_defaultAndKey()
{
    const ChannelAddress none;
    QCOMPARE(none.byte0(), quint8(255));
    QCOMPARE(none.byte1(), quint8(255));

    const ChannelAddress loop(12, 7, 0);
    QCOMPARE(loop.key(), quint16(0x070C));
    QCOMPARE(ChannelAddress::fromKey(loop.key()), loop);
    QVERIFY(loop != ChannelAddress(12, 7, 1));
    QVERIFY(loop != ChannelAddress(12, 8, 0));
}

void TestPointAddresses::numericalToChannelAddress_data()
{
    QTest::addColumn<quint8>("nibble");
    QTest::addColumn<quint8>("numerical");
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("address");

    QTest::newRow("0 0") << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    QTest::newRow("loop 1") << quint8(0) << quint8(1) << quint8(12) << quint8(1);
    QTest::newRow("loop 10") << quint8(0) << quint8(10) << quint8(12) << quint8(10);
    QTest::newRow("11 is 14,2") << quint8(0) << quint8(11) << quint8(14) << quint8(2);
    QTest::newRow("12") << quint8(0) << quint8(12) << quint8(14) << quint8(3);
    QTest::newRow("13") << quint8(0) << quint8(13) << quint8(14) << quint8(4);
    QTest::newRow("14 is 14,1") << quint8(0) << quint8(14) << quint8(14) << quint8(1);
    QTest::newRow("15") << quint8(0) << quint8(15) << quint8(14) << quint8(5);
    QTest::newRow("16") << quint8(0) << quint8(16) << quint8(15) << quint8(2);
    QTest::newRow("17") << quint8(0) << quint8(17) << quint8(15) << quint8(3);
    QTest::newRow("18") << quint8(0) << quint8(18) << quint8(15) << quint8(0);
    QTest::newRow("19") << quint8(0) << quint8(19) << quint8(15) << quint8(1);
    QTest::newRow("20") << quint8(0) << quint8(20) << quint8(15) << quint8(5);
    QTest::newRow("21") << quint8(0) << quint8(21) << quint8(13) << quint8(1);
    QTest::newRow("23") << quint8(0) << quint8(23) << quint8(13) << quint8(3);
    QTest::newRow("24") << quint8(0) << quint8(24) << quint8(128) << quint8(255);
    QTest::newRow("26") << quint8(0) << quint8(26) << quint8(128) << quint8(255);
    QTest::newRow("27") << quint8(0) << quint8(27) << quint8(14) << quint8(0);
    QTest::newRow("28") << quint8(0) << quint8(28) << quint8(0) << quint8(28);
    QTest::newRow("29") << quint8(0) << quint8(29) << quint8(128) << quint8(255);
    QTest::newRow("30") << quint8(0) << quint8(30) << quint8(12) << quint8(255);
    QTest::newRow("31") << quint8(0) << quint8(31) << quint8(0) << quint8(255);
    QTest::newRow("32") << quint8(0) << quint8(32) << quint8(128) << quint8(255);
    QTest::newRow("255") << quint8(0) << quint8(255) << quint8(128) << quint8(255);
    QTest::newRow("kind 3 as is") << quint8(3) << quint8(7) << quint8(3) << quint8(7);
    QTest::newRow("kind 3, 31 is 255") << quint8(3) << quint8(31) << quint8(3) << quint8(255);
}

void TestPointAddresses::numericalToChannelAddress()
{
    QFETCH(quint8, nibble);
    QFETCH(quint8, numerical);
    QFETCH(quint8, kind);
    QFETCH(quint8, address);
    QCOMPARE(::numericalToChannelAddress(nibble, numerical), BytePair(kind, address));
}

void TestPointAddresses::channelAddressToNumerical_data()
{
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("address");
    QTest::addColumn<quint8>("nibble");
    QTest::addColumn<quint8>("numerical");

    QTest::newRow("kind 0") << quint8(0) << quint8(5) << quint8(0) << quint8(5);
    QTest::newRow("kind 0, 255 is 31") << quint8(0) << quint8(255) << quint8(0) << quint8(31);
    QTest::newRow("kind 7") << quint8(7) << quint8(40) << quint8(7) << quint8(40);
    QTest::newRow("kind 6") << quint8(6) << quint8(3) << quint8(0) << quint8(0);
    QTest::newRow("kind 9") << quint8(9) << quint8(3) << quint8(0) << quint8(0);
    QTest::newRow("kind 128") << quint8(128) << quint8(255) << quint8(0) << quint8(0);
    QTest::newRow("loop 4") << quint8(12) << quint8(4) << quint8(0) << quint8(4);
    QTest::newRow("loop 255") << quint8(12) << quint8(255) << quint8(0) << quint8(30);
    QTest::newRow("loop 11") << quint8(12) << quint8(11) << quint8(0) << quint8(1);
    QTest::newRow("loop 0") << quint8(12) << quint8(0) << quint8(0) << quint8(1);
    QTest::newRow("13,0") << quint8(13) << quint8(0) << quint8(0) << quint8(0);
    QTest::newRow("13,2") << quint8(13) << quint8(2) << quint8(0) << quint8(22);
    QTest::newRow("13,4") << quint8(13) << quint8(4) << quint8(0) << quint8(29);
    QTest::newRow("13,255") << quint8(13) << quint8(255) << quint8(0) << quint8(29);
    QTest::newRow("14,0") << quint8(14) << quint8(0) << quint8(0) << quint8(27);
    QTest::newRow("14,1") << quint8(14) << quint8(1) << quint8(0) << quint8(14);
    QTest::newRow("14,2 is 11, not 14,1's number") << quint8(14) << quint8(2) << quint8(0) << quint8(11);
    QTest::newRow("14,3") << quint8(14) << quint8(3) << quint8(0) << quint8(12);
    QTest::newRow("14,4") << quint8(14) << quint8(4) << quint8(0) << quint8(13);
    QTest::newRow("14,5") << quint8(14) << quint8(5) << quint8(0) << quint8(15);
    QTest::newRow("14,6") << quint8(14) << quint8(6) << quint8(0) << quint8(6);
    QTest::newRow("14,255") << quint8(14) << quint8(255) << quint8(0) << quint8(31);
    QTest::newRow("15,0") << quint8(15) << quint8(0) << quint8(0) << quint8(18);
    QTest::newRow("15,4") << quint8(15) << quint8(4) << quint8(0) << quint8(18);
    QTest::newRow("15,12") << quint8(15) << quint8(12) << quint8(0) << quint8(0);
    QTest::newRow("15,13") << quint8(15) << quint8(13) << quint8(0) << quint8(0);
    QTest::newRow("15,7") << quint8(15) << quint8(7) << quint8(0) << quint8(7);
    QTest::newRow("15,255") << quint8(15) << quint8(255) << quint8(0) << quint8(31);
}

void TestPointAddresses::channelAddressToNumerical()
{
    QFETCH(quint8, kind);
    QFETCH(quint8, address);
    QFETCH(quint8, nibble);
    QFETCH(quint8, numerical);
    QCOMPARE(::channelAddressToNumerical(kind, address), BytePair(nibble, numerical));
}

// Every numerical channel that names a channel comes back as itself.
void TestPointAddresses::numericalRoundTrip()
{
    for (int n = 0; n <= 31; ++n) {
        const auto channel = ::numericalToChannelAddress(0, quint8(n));
        if (channel.first == 128)
            continue;
        QCOMPARE(::channelAddressToNumerical(channel.first, channel.second), BytePair(0, quint8(n)));
    }
    for (quint8 kind : {1, 2, 3, 4, 5, 7}) {
        for (int n = 0; n < 255; ++n) {
            const auto channel = ::numericalToChannelAddress(kind, quint8(n));
            QCOMPARE(::channelAddressToNumerical(channel.first, channel.second), BytePair(kind, quint8(n)));
        }
    }
}

// Every channel the numerical form can name decodes back to itself, so a
// command reaches the channel it was built for.
void TestPointAddresses::channelRoundTrip()
{
    QList<BytePair> channels;
    for (quint8 a = 1; a <= 10; ++a)
        channels << BytePair(12, a);
    channels << BytePair(12, 255) << BytePair(0, 0) << BytePair(0, 28) << BytePair(0, 255);
    for (quint8 a = 1; a <= 3; ++a)
        channels << BytePair(13, a);
    for (quint8 a = 0; a <= 5; ++a)
        channels << BytePair(14, a);
    for (quint8 a : {0, 1, 2, 3, 5})
        channels << BytePair(15, a);
    // Address 31 shares its numerical form with 255, which stands for all.
    for (quint8 kind : {1, 2, 3, 4, 5, 7}) {
        for (int a = 0; a < 256; ++a) {
            if (a != 31)
                channels << BytePair(kind, quint8(a));
        }
    }
    for (const BytePair &channel : channels) {
        const auto numerical = ::channelAddressToNumerical(channel.first, channel.second);
        QCOMPARE(::numericalToChannelAddress(numerical.first, numerical.second), channel);
    }
}

void TestPointAddresses::pointIndividualAddress_data()
{
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("address");
    QTest::addColumn<quint8>("number");
    QTest::addColumn<int>("layout");
    QTest::addColumn<quint8>("byte0");
    QTest::addColumn<quint8>("byte1");

    QTest::newRow("layout 1 as is") << quint8(12) << quint8(3) << quint8(1) << 1 << quint8(0x1C) << quint8(3);
    QTest::newRow("layout 0 loop") << quint8(12) << quint8(3) << quint8(1) << 0 << quint8(0x10) << quint8(3);
    QTest::newRow("layout 0 14,2") << quint8(14) << quint8(2) << quint8(0) << 0 << quint8(0x00) << quint8(11);
    QTest::newRow("layout 0 kind 2 keeps number")
        << quint8(2) << quint8(255) << quint8(3) << 0 << quint8(0x32) << quint8(31);
}

void TestPointAddresses::pointIndividualAddress()
{
    QFETCH(quint8, kind);
    QFETCH(quint8, address);
    QFETCH(quint8, number);
    QFETCH(int, layout);
    QFETCH(quint8, byte0);
    QFETCH(quint8, byte1);

    // The controller's engine configuration names the version that selects
    // the layout.
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 599);
    QCOMPARE(TeskGlobalConfig::instance()->packetHeaderLayout(), layout);
    const PointIndividualAddress point(kind, address, number, 42);
    QCOMPARE(point.channel().byte0(), byte0);
    QCOMPARE(point.channel().byte1(), byte1);
    QCOMPARE(point.point(), quint8(42));
}

void TestPointAddresses::pointIndividualAddress_travelsInVariant()
{
    PointIndividualAddress::registerMetaType();
    QVERIFY(QMetaType::type("PointIndividualAddress") != QMetaType::UnknownType);

    const PointIndividualAddress point(12, 4, 0, 17);
    const QVariant value = QVariant::fromValue(point);
    QCOMPARE(value.value<PointIndividualAddress>(), point);

    const PointIndividualAddress none;
    QCOMPARE(none.channel(), ChannelAddress(quint8(255), quint8(255)));
}

void TestPointAddresses::packings()
{
    QCOMPARE(packPointAddress(1, 0x0C, 3, 7), quint32(0x010C0307));
    QCOMPARE(packPointAddress(99, 0xFF, 255, 250), quint32(0x63FFFFFA));
    QCOMPARE(packChannelPointAddress(2, ChannelAddress(12, 5, 1), 9), quint32(0x021C0509));
    QCOMPARE(packSimplePointInfo(SimplePointInfo{1, 12, 0, 3, 7}), quint32(0x010C0307));
    QCOMPARE(packSimplePointInfo(SimplePointInfo{2, 0x1E, 3, 255, 9}), quint32(0x023EFF09));
    QCOMPARE(loopToChannel(7), quint8(7));
}

void TestPointAddresses::bitStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical");

    QTest::newRow("101") << QStringLiteral("101") << QStringLiteral("101");
    QTest::newRow("other characters clear") << QStringLiteral("1x1") << QStringLiteral("101");
    QTest::newRow("wide character clears") << QStringLiteral("1\u05D01") << QStringLiteral("101");
    QTest::newRow("empty") << QString() << QString();
}

void TestPointAddresses::bitStrings()
{
    QFETCH(QString, text);
    QFETCH(QString, canonical);

    const QBitArray bits = bitStringToBitArray(text);
    QCOMPARE(bits.size(), text.size());
    for (int i = 0; i < text.size(); ++i)
        QCOMPARE(bits.testBit(i), canonical.at(i) == QLatin1Char('1'));
    QCOMPARE(bitArrayToBitString(bits), canonical);
}

QTEST_GUILESS_MAIN(TestPointAddresses)
#include "tst_pointaddresses.moc"
