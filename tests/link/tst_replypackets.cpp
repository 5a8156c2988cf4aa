#include "EngineEffectsInstalled.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "link/PanelTextDecoder.h"
#include "link/SyncClient.h"
#include "link/packets/SC_GUISoftwareVersionReplyPacket.h"
#include "paneldata/DateTime.h"
#include "paneldata/PointTextCache.h"
#include "pointmodels/LkNetworkStats.h"
#include "screens/popups/AUK_40056.h"
#include "widgets/Page.h"

#include <QtTest>

// Received answers, each from its bytes to what the engine makes of it.
// Every fixture comes from node 7 with sequence byte 9 (PacketBytes.h).

namespace {

constexpr quint8 SourceNode = 7;
constexpr quint8 SequenceByte = 9;
constexpr qint64 FixedNow = 1700000000;

qint64 fixedClock()
{
    return FixedNow;
}

void receive(int functionCode, const QByteArray &payload, int layout = 0)
{
    SyncClient::instance()->RxLkSpeak(SyncPacket{SyncClient::LkSpeakChannel, lkPacket(functionCode, payload, layout)});
}

QStringList dispatchWarnings(const MessageCapture &messages)
{
    return messages.warnings().filter(QRegularExpression(QStringLiteral("^SyncClient::RxLkSpeak")));
}

// 67 bytes of a point information reply: every field its own value.
QByteArray pointInformationPayload(const char *channel)
{
    return hex("00 8d 02") + hex(channel)
           + hex("00 05 11 12 2e 03 0102 04 05 06 07 08 7e"
                 "01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16"
                 "abcd 0009 000a 0b 0c 0000000d 0000000e 17 18 19 1a 1b 1c 01020304");
}

const QByteArray Extension = hex("01 00000064 02 000000c8 00 0000012c");
const QByteArray TestDatePair = hex("03 05060708");
const QByteArray SerialNumbers = hex("11223344 55667788");

} // namespace

class tst_ReplyPackets final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void acknowledgement();
    void pointCommandReply();
    void standardReply_data();
    void standardReply();
    void loopShutdownRestartReply();

    void pointInformation_data();
    void pointInformation();
    void pointInformationFieldsInOrder();
    void pointInformationPromisingMoreThanItHoldsIsDropped();

    void dateAndTime();
    void diagnostics_data();
    void diagnostics();
    void connectedServices();
    void outputPoints_data();
    void outputPoints();
    void pulsePatterns_data();
    void pulsePatterns();

    void networkFault_data();
    void networkFault();

    void softwareVersionIsAnsweredInTheRequestsLayout_data();
    void softwareVersionIsAnsweredInTheRequestsLayout();
    void versionRecord_data();
    void versionRecord();

    void printReportReply_data();
    void printReportReply();

    void textReply_data();
    void textReply();
    void textReplyDecodesByItsLanguage_data();
    void textReplyDecodesByItsLanguage();

    void shortRepliesAreDroppedWithAWarning_data();
    void shortRepliesAreDroppedWithAWarning();

private:
    EngineEffectsInstalled m_engineEffects;
    std::unique_ptr<MessageCapture> m_messages;
    QTemporaryDir m_directory;
};

void tst_ReplyPackets::initTestCase()
{
    // Point texts are kept in files below the working directory.
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_ReplyPackets::init()
{
    m_messages = std::make_unique<MessageCapture>();
    DateTime::setClock(fixedClock);
}

void tst_ReplyPackets::cleanup()
{
    DateTime::setClock(nullptr);
    SyncClient::destroyInstance();
    QCOMPARE(dispatchWarnings(*m_messages), QStringList());
    m_messages.reset();
}

void tst_ReplyPackets::acknowledgement()
{
    QSignalSpy status(SyncClient::instance(), &SyncClient::acknowledgementStatus);
    receive(245, hex("01 03"));
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).value<eAckResponse>(), eAckResponse(3));
}

void tst_ReplyPackets::pointCommandReply()
{
    QSignalSpy reply(SyncClient::instance(), &SyncClient::PointCommandReply);
    receive(156, hex("0001 00fe 0102"));
    QCOMPARE(reply.count(), 1);
    QCOMPARE(reply.at(0), (QVariantList{QVariant::fromValue<quint8>(SequenceByte), QVariant::fromValue<quint16>(1),
                                        QVariant::fromValue<quint16>(254), QVariant::fromValue<quint16>(0x102)}));
}

void tst_ReplyPackets::standardReply_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("value");
    QTest::newRow("negative") << hex("05 aa fffe") << 5 << -2;
    QTest::newRow("positive") << hex("00 00 7fff") << 0 << 32767;
}

void tst_ReplyPackets::standardReply()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, status);
    QFETCH(int, value);
    QSignalSpy reply(SyncClient::instance(), &SyncClient::lkSpeakStandardPktReply);
    receive(184, payload);
    QCOMPARE(reply.count(), 1);
    QCOMPARE(int(reply.at(0).at(0).value<eStandardReplyStatus>()), status);
    QCOMPARE(reply.at(0).at(1).toInt(), value);
}

void tst_ReplyPackets::loopShutdownRestartReply()
{
    QVector<quint32> seen;
    connect(SyncClient::instance(), &SyncClient::loopShutdownRestartPktReply, this,
            [&seen](LoopShutdownRestartReply &reply) {
                seen << reply.first << reply.second << reply.third << reply.fourth;
            });
    receive(180, hex("01 02 03 fe"));
    QCOMPARE(seen, (QVector<quint32>{1, 2, 3, 254}));
}

void tst_ReplyPackets::pointInformation_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("extensionPresent");
    QTest::addColumn<quint32>("firstReading");
    QTest::addColumn<quint32>("testDate");
    QTest::addColumn<quint32>("secondSerial");

    // Loop 2 is numerical channel 2 in layout 0.
    QTest::newRow("fixed part only") << 0 << pointInformationPayload("00 02") << 0 << 0u << 0u << 0u;
    QTest::newRow("with extension") << 0 << pointInformationPayload("00 02") + Extension << 1 << 100u << 0u << 0u;
    QTest::newRow("with test date") << 0 << pointInformationPayload("00 02") + Extension + TestDatePair << 1 << 100u
                                    << 0x05060708u << 0u;
    QTest::newRow("everything") << 0 << pointInformationPayload("00 02") + Extension + TestDatePair + SerialNumbers << 1
                                << 100u << 0x05060708u << 0x55667788u;
    QTest::newRow("layout 1") << 1 << pointInformationPayload("0c 02") + Extension + TestDatePair + SerialNumbers << 1
                              << 100u << 0x05060708u << 0x55667788u;
}

void tst_ReplyPackets::pointInformation()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, payload);
    QFETCH(int, extensionPresent);
    QFETCH(quint32, firstReading);
    QFETCH(quint32, testDate);
    QFETCH(quint32, secondSerial);
    QSignalSpy values(SyncClient::instance(), &SyncClient::PointInformationValues);
    receive(149, payload, layout);
    QCOMPARE(values.count(), 1);
    const auto point = values.at(0).at(0).value<SimplePointInfo>();
    QCOMPARE(point, (SimplePointInfo{2, 12, 0, 2, 5}));
    const auto details = values.at(0).at(1).value<PointValueDetails>();
    QCOMPARE(values.at(0).at(2).value<quint8>(), quint8(0));
    QCOMPARE(int(details.extensionPresent), extensionPresent);
    QCOMPARE(details.extension[0].reading, firstReading);
    QCOMPARE(details.testDate, testDate);
    QCOMPARE(details.serialNumbers[1], secondSerial);
    QCOMPARE(details.deviceDate, 0x01020304u);
}

void tst_ReplyPackets::pointInformationFieldsInOrder()
{
    QSignalSpy values(SyncClient::instance(), &SyncClient::PointInformationValues);
    receive(149, pointInformationPayload("0c 02") + Extension + TestDatePair + SerialNumbers, 1);
    QCOMPARE(values.count(), 1);
    const auto v = values.at(0).at(1).value<PointValueDetails>();
    QCOMPARE(v.statusBits, quint8(0x8d));
    QCOMPARE(v.value1, quint8(0x11));
    QCOMPARE(v.value2, quint16(0x12));
    QCOMPARE(v.configuredDeviceType, 46u);
    QCOMPARE(v.capabilityBits, quint8(3));
    QCOMPARE(v.value3, quint16(0x0102));
    QCOMPARE(v.values4to8, (std::array<quint8, 5>{{4, 5, 6, 7, 8}}));
    QCOMPARE(v.detectedDeviceType, PointValueDetails::DeviceFault);
    for (int number = 1; number <= 22; ++number)
        QCOMPARE(v.byte(number), quint8(number));
    QCOMPARE(v.nextPointCursor, quint16(0xabcd));
    QCOMPARE(v.value9, quint16(9));
    QCOMPARE(v.value10, quint16(10));
    QCOMPARE(v.value11, quint8(11));
    QCOMPARE(v.value12, quint8(12));
    QCOMPARE(v.value13, 13u);
    QCOMPARE(v.value14, 14u);
    for (int number = 23; number <= 28; ++number)
        QCOMPARE(v.byte(number), quint8(number));
    QCOMPARE(v.extension[1].decimals, quint8(2));
    QCOMPARE(v.extension[2].reading, 300u);
    QCOMPARE(v.testDateFlags, quint8(3));
    QCOMPARE(v.serialNumbers[0], 0x11223344u);
}

// The length field promises the extension; the frame ends before it.
void tst_ReplyPackets::pointInformationPromisingMoreThanItHoldsIsDropped()
{
    QSignalSpy values(SyncClient::instance(), &SyncClient::PointInformationValues);
    const QByteArray whole = lkPacket(149, pointInformationPayload("00 02") + Extension);
    SyncClient::instance()->RxLkSpeak(SyncPacket{SyncClient::LkSpeakChannel, whole.chopped(3)});
    QCOMPARE(values.count(), 0);
    QCOMPARE(dispatchWarnings(*m_messages),
             QStringList{QStringLiteral("SyncClient::RxLkSpeak Truncated point information reply packet dropped")});
    m_messages->clear();
}

void tst_ReplyPackets::dateAndTime()
{
    const quint32 panelNow = quint32(FixedNow - DateTime::PanelEpoch);
    const QByteArray time = QByteArray::number(panelNow + 3600, 16).rightJustified(8, '0');
    receive(147, hex("ff") + QByteArray::fromHex(time));
    QCOMPARE(DateTime::panelDateTime(), QDateTime::fromSecsSinceEpoch(FixedNow + 3600, Qt::UTC));
    DateTime::resetOffset();
}

void tst_ReplyPackets::diagnostics_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("rbusReplies");
    QTest::addColumn<int>("flashReplies");
    QByteArray counters;
    for (int i = 1; i <= 12; ++i)
        counters += QByteArray::fromHex(QByteArray::number(i, 16).rightJustified(8, '0'));
    QTest::newRow("bus statistics") << hex("1b 01 05") + counters << 1 << 0;
    QTest::newRow("flash") << hex("1b 03 00000010 00000020") << 0 << 1;
    QTest::newRow("other kind") << hex("1b 02 00000010 00000020") << 0 << 0;
}

void tst_ReplyPackets::diagnostics()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, rbusReplies);
    QFETCH(int, flashReplies);
    QSignalSpy rbus(SyncClient::instance(), &SyncClient::AdvancedStatsRbusCommsReply);
    QSignalSpy flash(SyncClient::instance(), &SyncClient::AdvancedStatsFlashInfoReply);
    receive(233, payload);
    QCOMPARE(rbus.count(), rbusReplies);
    QCOMPARE(flash.count(), flashReplies);
    if (rbusReplies) {
        const QList<QVariant> &arguments = rbus.at(0);
        QCOMPARE(arguments.at(0).value<TC::panel_t>(), SourceNode);
        QCOMPARE(arguments.at(1).value<TC::channelAddressNumerical_t>(), quint8(5));
        for (int i = 1; i <= 12; ++i)
            QCOMPARE(arguments.at(1 + i).value<quint32>(), quint32(i));
    }
    if (flashReplies) {
        QCOMPARE(flash.at(0), (QVariantList{QVariant::fromValue<TC::panel_t>(SourceNode),
                                            QVariant::fromValue<quint32>(16), QVariant::fromValue<quint32>(32)}));
    }
}

void tst_ReplyPackets::connectedServices()
{
    QSignalSpy reply(SyncClient::instance(), &SyncClient::ConnectedServicesReply);
    receive(233, hex("1d 02 01 0005 ffff 03 0100 0200"));
    QCOMPARE(reply.count(), 1);
    QCOMPARE(reply.at(0),
             (QVariantList{QVariant::fromValue<TC::panel_t>(SourceNode), QVariant::fromValue<TC::cs_configuration>(2),
                           QVariant::fromValue<TC::cs_state>(1), QVariant::fromValue<quint16>(5),
                           QVariant::fromValue<quint16>(0xffff), QVariant::fromValue<TC::cs_state>(3),
                           QVariant::fromValue<quint16>(0x100), QVariant::fromValue<quint16>(0x200)}));
}

void tst_ReplyPackets::outputPoints_data()
{
    QTest::addColumn<int>("functionCode");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVector<int>>("points");
    QTest::addColumn<int>("state");

    QTest::newRow("on") << 66 << hex("80 01 0a c0 40") << 0 << QVector<int>{1, 2, 10} << 1;
    QTest::newRow("bus outputs") << 68 << hex("82 f0 10 80 01") << 2 << QVector<int>{240, 255} << 2;
    QTest::newRow("second pattern") << 69 << hex("80 05 03 e0") << 0 << QVector<int>{5, 6, 7} << 3;
    QTest::newRow("no list") << 66 << hex("00 01 0a ff ff") << 0 << QVector<int>{} << 1;
    QTest::newRow("empty list") << 66 << hex("80 01 00") << 0 << QVector<int>{} << 1;
}

void tst_ReplyPackets::outputPoints()
{
    QFETCH(int, functionCode);
    QFETCH(QByteArray, payload);
    QFETCH(int, kind);
    QFETCH(QVector<int>, points);
    QFETCH(int, state);
    flasher &leds = SystemState::instance()->ledFlasher();
    leds.clearOutputStates();
    receive(functionCode, payload);
    const int last = kind == 0 ? flasher::RealOutputPoints : flasher::BusOutputPoints;
    QVector<int> lit;
    for (int point = 1; point <= last; ++point) {
        if (leds.outputPointState(kind, point) != 0)
            lit << point;
    }
    // 255 lies beyond the bus outputs and is refused.
    points.removeAll(255);
    QCOMPARE(lit, points);
    for (const int point : points)
        QCOMPARE(leds.outputPointState(kind, point), state);

    // The off state clears what the packet selects.
    receive(67, payload);
    for (const int point : points)
        QCOMPARE(leds.outputPointState(kind, point), 0);
}

void tst_ReplyPackets::pulsePatterns_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("second");
    QTest::newRow("defaults") << hex("55 aa") << 0x0F0F0F0Fu << 0xF0F0F0F0u;
    QTest::newRow("long") << hex("0f f0") << 0x0000FFFFu << 0xFFFF0000u;
    QTest::newRow("steady") << hex("ff 00") << 0xFFFFFFFFu << 0u;
}

void tst_ReplyPackets::pulsePatterns()
{
    QFETCH(QByteArray, payload);
    QFETCH(quint32, first);
    QFETCH(quint32, second);
    receive(70, payload);
    flasher &leds = SystemState::instance()->ledFlasher();
    QCOMPARE(leds.rateA().pattern(), first);
    QCOMPARE(leds.rateB().pattern(), second);
}

void tst_ReplyPackets::networkFault_data()
{
    QTest::addColumn<int>("functionCode");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("statusFlag");
    QTest::addColumn<QString>("leftGoodFrames");
    QTest::addColumn<QString>("extendedFaultMap");

    // c1, c2, c3 = 0x102 * 256 + 3, c4 to c17 each its own number: four
    // 40-bit counters make the block 60 bytes.
    const QByteArray counters = hex("01 02 00000102 03 00000004 00000005 00000006 00000007 08 00000009 0000000a"
                                    "0000000b 0000000c 0d 0000000e 0f 00000010 00000011 0012 0013 0014");
    QCOMPARE(counters.size(), 60);
    QTest::newRow("status alone") << 10 << hex("04") << 1 << "-"
                                  << "-";
    QTest::newRow("counters and fault map") << 10 << hex("04 00 05") + counters + hex("2a") << 1 << "66051"
                                            << "42";
    QTest::newRow("counters only") << 10 << hex("00 00 01") + counters << 0 << "66051"
                                   << "-";
    QTest::newRow("fault map without counters") << 10 << hex("04 00 04 2a") << 1 << "-"
                                                << "-";
    QTest::newRow("legacy") << 6 << hex("04 00") + counters << 1 << "66051"
                            << "-";
}

void tst_ReplyPackets::networkFault()
{
    QFETCH(int, functionCode);
    QFETCH(QByteArray, payload);
    QFETCH(int, statusFlag);
    QFETCH(QString, leftGoodFrames);
    QFETCH(QString, extendedFaultMap);
    // Each row reports another node, so none sees an earlier row's record.
    static quint8 node = 20;
    ++node;
    QByteArray packet = lkPacket(functionCode, payload);
    packet[5] = char(node);
    QSignalSpy updated(LkNetworkStats::instance(), &LkNetworkStats::nodeUpdated);
    SyncClient::instance()->RxLkSpeak(SyncPacket{SyncClient::LkSpeakChannel, packet});
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<TC::panel_t>(), node);
    LkNetworkStats *stats = LkNetworkStats::instance();
    QCOMPARE(stats->nodeFlag(node, 0x04), statusFlag);
    QCOMPARE(stats->statValue(node, 0).toString(), leftGoodFrames);
    QCOMPARE(stats->statValue(node, LkNetworkStats::ExtendedFaultMapColumn).toString(), extendedFaultMap);
    if (leftGoodFrames != QLatin1String("-")) {
        QCOMPARE(stats->statValue(node, 16).toUInt(), 2u);
        QCOMPARE(stats->statValue(node, 8).toULongLong(), 0x0c0dull);
        QCOMPARE(stats->statValue(node, 14).toUInt(), 0x14u);
        QCOMPARE(stats->statValue(node, LkNetworkStats::TimeStampColumn).toString(),
                 QStringLiteral("Tue 14-Nov-23 22:13:20"));
    }
}

void tst_ReplyPackets::softwareVersionIsAnsweredInTheRequestsLayout_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("layout 0") << 0;
    QTest::newRow("layout 1") << 1;
}

void tst_ReplyPackets::softwareVersionIsAnsweredInTheRequestsLayout()
{
    QFETCH(int, layout);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    receive(233, hex("13 00"), layout);
    const QByteArrayList replies = lkSpeakSent(sent);
    QCOMPARE(replies.size(), 1);
    const QByteArray &reply = replies.first();
    // Back to node 7, with the addresses and services swapped.
    const QByteArray header =
        layout == 1 ? hex("00000000 e4 07 03 e9 0304 32 0102 32 09 00") : hex("00000000 07 03 e9 0304 32 0102 32 09");
    QCOMPARE(reply.mid(4, header.size() - 4).toHex(' '), header.mid(4).toHex(' '));
    QCOMPARE(quint32(qFromBigEndian<quint32>(reply.constData())), quint32(reply.size()));
    const QByteArray payload = reply.mid(header.size());
    QCOMPARE(payload.left(14).toHex(' '), hex("14 06 01 00000000 01 00 03 06 00 00 00").toHex(' '));
    QCOMPARE(int(quint8(payload.at(14))), payload.size() - 15);
    QVERIFY(payload.endsWith('Z'));
}

void tst_ReplyPackets::versionRecord_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QByteArray>("numbers");
    QTest::addColumn<bool>("development");
    QTest::addColumn<QString>("buildTime");

    QTest::newRow("3.6") << "3.6"
                         << "Aug  7 2024" << hex("03 06 00") << false << "2024-08-07T13:46:51Z";
    QTest::newRow("development") << "3.6d"
                                 << "Aug 17 2024" << hex("03 06 00") << true << "2024-08-17T13:46:51Z";
    QTest::newRow("three numbers") << "v10.2.7"
                                   << "Dec  1 2025" << hex("0a 02 07") << false << "2025-12-01T13:46:51Z";
    QTest::newRow("no numbers") << "beta"
                                << "Jan  2 2020" << hex("00 00 00") << false << "2020-01-02T13:46:51Z";
    QTest::newRow("bad date") << "3.6"
                              << "Foo 99 20x4" << hex("03 06 00") << false << "Z";
}

void tst_ReplyPackets::versionRecord()
{
    QFETCH(QString, version);
    QFETCH(QString, date);
    QFETCH(QByteArray, numbers);
    QFETCH(bool, development);
    QFETCH(QString, buildTime);
    const auto record = SC_GUISoftwareVersionReplyPacket::versionRecord(version, date, QStringLiteral("13:46:51"));
    const char bytes[] = {char(record.major), char(record.minor), char(record.third)};
    QCOMPARE(QByteArray(bytes, 3).toHex(' '), numbers.toHex(' '));
    QCOMPARE(record.development, development);
    QCOMPARE(record.buildTime, buildTime);
}

void tst_ReplyPackets::printReportReply_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("kind");
    QTest::newRow("result 0") << hex("00 05") << 2;
    QTest::newRow("result without detail") << hex("03 00") << 1;
    QTest::newRow("result with detail") << hex("03 01") << 0;
}

void tst_ReplyPackets::printReportReply()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, kind);
    PageStack *stack = PageStack::instance();
    if (stack->count() == 0)
        stack->push(new Page);
    const int before = stack->count();
    receive(157, payload);
    QCOMPARE(stack->count(), before + 1);
    QVERIFY(stack->isTopPage(QStringLiteral("AUK_40056")));
    const QList<AUK_40056 *> popups = stack->findChildren<AUK_40056 *>();
    QCOMPARE(popups.size(), 1);
    QCOMPARE(popups.first()->result(), kind);
    QVERIFY(stack->remove(popups.first()));
}

void tst_ReplyPackets::textReply_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("pointText");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("zoneKeys");

    // Loop 2 is numerical channel 2 in layout 0; the point is 5, the zone 17.
    const QByteArray point0 = hex("00 02 00 05 0000 05") + "Lobby";
    const QByteArray zone = hex("11 04") + "Hall";
    QTest::newRow("both, second language, panel byte")
        << 0 << hex("c3") + point0 + zone + hex("03") << 3 << "Lobby" << 2 << QStringList{"3|17|2=Hall"};
    QTest::newRow("point, layout 1, panel byte")
        << 1 << hex("41 0c 02 00 05 0000 05") + "Lobby" + hex("04") << 4 << "Lobby" << 1 << QStringList();
    // Without the panel byte the texts are the sending panel's.
    QTest::newRow("zone without panel") << 0 << hex("02") + zone << int(SourceNode) << QString() << 1
                                        << QStringList{"7|17|1=Hall"};
    QTest::newRow("point without panel") << 0 << hex("81") + point0 << int(SourceNode) << "Lobby" << 2 << QStringList();
    QTest::newRow("no text") << 0 << hex("00") << int(SourceNode) << QString() << 1 << QStringList();
}

void tst_ReplyPackets::textReply()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, payload);
    QFETCH(int, panel);
    QFETCH(QString, pointText);
    QFETCH(int, language);
    QFETCH(QStringList, zoneKeys);
    QStringList zones;
    connect(SyncClient::instance(), &SyncClient::BucketCommand, this, [&zones](const BucketCmd &command) {
        if (command.pageId == 6)
            zones << command.key + '=' + command.value;
    });
    QSignalSpy updated(SyncClient::instance(), &SyncClient::pointStringUpdated);
    PointTextCache::instance()->clearPanel(TC::cAllPanels);
    receive(152, payload, layout);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(int(updated.at(0).at(0).value<TC::panel_t>()), panel);
    QCOMPARE(zones, zoneKeys);
    QCOMPARE(PointTextCache::instance()->pointText(quint8(panel), ChannelAddress(12, 2, 0), 5, language), pointText);
}

void tst_ReplyPackets::textReplyDecodesByItsLanguage_data()
{
    QTest::addColumn<int>("currentLanguage");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("text");

    // C1 is Cyrillic Be in code page 1251 and Greek Alpha in 1253.
    const QString cyrillic(QChar(0x0411));
    const QString greek(QChar(0x0391));
    QTest::newRow("language 1 text, language 1 shown") << 1 << 0x41 << cyrillic;
    QTest::newRow("language 2 text, language 1 shown") << 1 << 0xc1 << greek;
    QTest::newRow("language 1 text, language 2 shown") << 2 << 0x41 << cyrillic;
    QTest::newRow("language 2 text, language 2 shown") << 2 << 0xc1 << greek;
}

// A text reply names its language, so it is decoded by that language's code
// page whichever language the panel shows.
void tst_ReplyPackets::textReplyDecodesByItsLanguage()
{
    QFETCH(int, currentLanguage);
    QFETCH(int, flags);
    QFETCH(QString, text);
    QVERIFY(textDecoders().setupTextDecoder(1, 1251));
    QVERIFY(textDecoders().setupTextDecoder(2, 1253));
    TeskGlobalConfig::instance()->setCurrentLang(currentLanguage);
    PointTextCache::instance()->clearPanel(TC::cAllPanels);

    receive(152, QByteArray(1, char(flags)) + hex("00 02 00 05 0000 01 c1 03"));
    const int language = (flags & 0x80) ? 2 : 1;
    const QString filed = PointTextCache::instance()->pointText(3, ChannelAddress(12, 2, 0), 5, language);
    TeskGlobalConfig::instance()->setCurrentLang(1);
    textDecoders().setupTextDecoder(1, PanelTextDecoder::DefaultCodePage);
    textDecoders().setupTextDecoder(2, PanelTextDecoder::DefaultCodePage);
    QCOMPARE(filed, text);
}

void tst_ReplyPackets::shortRepliesAreDroppedWithAWarning_data()
{
    QTest::addColumn<int>("functionCode");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("warning");

    const QString shortPacket = QStringLiteral("SyncClient::RxLkSpeak Short %1 packet (%2 payload bytes); dropped");
    const QString truncated = QStringLiteral("SyncClient::RxLkSpeak Truncated %1 packet dropped");
    QTest::newRow("point command reply") << 156 << hex("0001 0002 00") << shortPacket.arg("point command reply").arg(5);
    QTest::newRow("point information") << 149 << pointInformationPayload("00 02").chopped(1)
                                       << shortPacket.arg("point information reply").arg(66);
    QTest::newRow("standard reply") << 184 << hex("05 00 ff") << shortPacket.arg("standard reply").arg(3);
    QTest::newRow("acknowledgement") << 245 << hex("01") << shortPacket.arg("acknowledgement").arg(1);
    QTest::newRow("bus statistics") << 233 << hex("1b 01 05 00000001") << truncated.arg("diagnostics response");
    QTest::newRow("output point list") << 66 << hex("80 01 11 ff ff") << truncated.arg("output points on");
    QTest::newRow("network counters") << 10 << hex("04 00 01 01 02") << truncated.arg("network fault response");
    QTest::newRow("text shorter than its length")
        << 152 << hex("c2 11 09") + "Hal" << truncated.arg("text string reply");
    QTest::newRow("connected services") << 233 << hex("1d 02 01 0005 ffff 03 0100 02")
                                        << shortPacket.arg("connected services response").arg(11);
}

void tst_ReplyPackets::shortRepliesAreDroppedWithAWarning()
{
    QFETCH(int, functionCode);
    QFETCH(QByteArray, payload);
    QFETCH(QString, warning);
    SyncClient *client = SyncClient::instance();
    QSignalSpy commandReplies(client, &SyncClient::PointCommandReply);
    QSignalSpy values(client, &SyncClient::PointInformationValues);
    QSignalSpy standard(client, &SyncClient::lkSpeakStandardPktReply);
    QSignalSpy acknowledged(client, &SyncClient::acknowledgementStatus);
    QSignalSpy rbus(client, &SyncClient::AdvancedStatsRbusCommsReply);
    QSignalSpy services(client, &SyncClient::ConnectedServicesReply);
    QSignalSpy nodes(LkNetworkStats::instance(), &LkNetworkStats::nodeUpdated);
    flasher &leds = SystemState::instance()->ledFlasher();
    leds.clearOutputStates();
    receive(functionCode, payload);
    QCOMPARE(commandReplies.count() + values.count() + standard.count() + acknowledged.count() + rbus.count()
                 + services.count() + nodes.count(),
             0);
    QCOMPARE(leds.outputPointState(flasher::RealOutput, 1), 0);
    QCOMPARE(dispatchWarnings(*m_messages), QStringList{warning});
    m_messages->clear();
}

QTEST_MAIN(tst_ReplyPackets)
#include "tst_replypackets.moc"
