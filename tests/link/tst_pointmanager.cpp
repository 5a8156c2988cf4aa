#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "link/packets/SC_ManualAbortUpdatePkt.h"
#include "link/packets/SC_ManualCommitAndCompletePkt.h"
#include "link/packets/SC_ManualPointUpdateRecordPkt.h"
#include "link/sc_LkPointManagerServices.h"

#include <QtTest>

#include <functional>
#include <memory>

using namespace LkSpeak::PointManagerServices;

namespace {

sc_LkPointManagerServices *services()
{
    return SyncClient::instance()->getPointManagerServices();
}

void receive(const QByteArray &payload)
{
    SyncClient::instance()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, lkPacket(183, payload)});
}

QBitArray bits(int size, std::initializer_list<int> set)
{
    QBitArray array(size);
    for (int bit : set)
        array.setBit(bit);
    return array;
}

QList<int> setBits(const QBitArray &array)
{
    QList<int> set;
    for (int i = 0; i < array.size(); ++i) {
        if (array.testBit(i))
            set << i;
    }
    return set;
}

ModifiedPointSetting setting(quint8 flags, quint16 use, quint8 zone, quint8 logical, const QString &text)
{
    ModifiedPointSetting value;
    value.flags = flags;
    value.deviceUse = use;
    value.zone = zone;
    value.logicalPointNumber = logical;
    value.text = text;
    return value;
}

using Request = std::function<void()>;

class SignalCounter final : public QObject
{
    Q_OBJECT

public slots:
    void hit() { ++hits; }

public:
    int hits = 0;
};

} // namespace

Q_DECLARE_METATYPE(Request)

class tst_PointManager final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requests_data();
    void requests();
    void manualUpdateRequests_data();
    void manualUpdateRequests();
    void requestsFollowTheHeaderLayout();
    void unknownSinglePollCommandOnlyWarns();
    void pointLogNeedsTheConnectionNodes();

    void singlePollReply_data();
    void singlePollReply();
    void realDevicePresentReply_data();
    void realDevicePresentReply();
    void changeAddressReply();
    void pointLogReply();
    void undecodedRepliesPassedOn();
    void serialisationEnquiry();
    void serialisationInitiate_data();
    void serialisationInitiate();
    void serialisationStatus();
    void serialisationSummary_data();
    void serialisationSummary();
    void serialisationDetailed();
    void serialisationLoopSet();
    void serialisationUnknownTypes_data();
    void serialisationUnknownTypes();
    void shortRepliesDropped_data();
    void shortRepliesDropped();

private:
    std::unique_ptr<QSignalSpy> m_sent;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_PointManager::init()
{
    m_messages = std::make_unique<MessageCapture>();
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPacketHeaderLayout(0);
    config->setNetworkNodeNumber(1);
    config->setConnectionNodeNumber(4);
    m_sent = std::make_unique<QSignalSpy>(services(), &sc_LkPointManagerServices::SendPacket);
}

void tst_PointManager::cleanup()
{
    m_sent.reset();
    SyncClient::destroyInstance();
    m_messages.reset();
}

// Requests to panel 3, header layout 0; "32" asks for no acknowledgement,
// "b2" for one.
void tst_PointManager::requests_data()
{
    QTest::addColumn<Request>("send");
    QTest::addColumn<QByteArray>("expected");
    const auto mode = [](const char *name, void (sc_LkPointManagerServices::*send)(quint8, quint8), const char *sub) {
        QTest::newRow(name) << Request([send] { (services()->*send)(3, 1); })
                            << hex("00000010 03 00 b7 0000 01 0000 32 00") + hex(sub) + hex("01");
    };
    mode("rate of rise", &sc_LkPointManagerServices::sendRateOfRiseMode, "01");
    mode("fast logic", &sc_LkPointManagerServices::sendFastLogicMode, "02");
    mode("power-up warning", &sc_LkPointManagerServices::sendDevicePowerUpWarningMode, "0e");
    mode("noisy device", &sc_LkPointManagerServices::sendNoisyDeviceMode, "0f");
    mode("sounder test", &sc_LkPointManagerServices::sendSounderRSMTestMode, "12");
    mode("inhibit no responses", &sc_LkPointManagerServices::sendInhibitLoopNoResponsesMode, "13");
    mode("poll address 255", &sc_LkPointManagerServices::sendPollAddress255Mode, "14");
    mode("disable non-LED outputs", &sc_LkPointManagerServices::sendDisableNonLEDOutputsMode, "16");

    const QByteArray plain = hex("00000000 03 00 b7 0000 01 0000 32 00");
    const QByteArray asked = hex("00000000 03 00 b7 0000 01 0000 b2 00");
    QTest::newRow("IR set, every loop") << Request([] { services()->setIRLinkMode(3, 255); })
                                        << withLength(plain + hex("10 01 ff ff"));
    QTest::newRow("IR set, loop 3") << Request([] { services()->setIRLinkMode(3, 3); })
                                    << withLength(plain + hex("10 01 03 ff"));
    QTest::newRow("IR clear, loop 3") << Request([] { services()->clearIRLinkMode(3, 3); })
                                      << withLength(plain + hex("10 00 03 ff"));
    QTest::newRow("IR mode 2 is for every loop")
        << Request([] { services()->sendIRLinkMode(2, 3, 4, false); }) << withLength(plain + hex("10 02 ff ff"));
    QTest::newRow("IR unknown mode clears every loop")
        << Request([] { services()->sendIRLinkMode(7, 3, 4, false); }) << withLength(plain + hex("10 00 ff ff"));
    QTest::newRow("poll start") << Request([] { services()->sendSinglePollCommand(0, 3, 4, 9, true); })
                                << withLength(asked + hex("03 04 09"));
    QTest::newRow("poll stop: no point") << Request([] { services()->sendSinglePollCommand(1, 3, 4, 9, false); })
                                         << withLength(plain + hex("05 04"));
    QTest::newRow("real device present") << Request([] { services()->sendRealDevicePresentRequest(3, 4, 255); })
                                         << withLength(asked + hex("0a 04 ff"));
    QTest::newRow("change address") << Request([] { services()->sendChangeAddress(3, 4, 9, 12); })
                                    << withLength(asked + hex("0c 04 09 0c"));
    QTest::newRow("calibrate loops") << Request([] { services()->sendCalibrateLoops(3, 1, 10, hex("0302")); })
                                     << withLength(asked + hex("1f 01 0a 0302"));
    QTest::newRow("calibrate, count 0: no loop bytes")
        << Request([] { services()->sendCalibrateLoops(3, 1, 0, hex("0302")); }) << withLength(asked + hex("1f 01 00"));
    QTest::newRow("point log record") << Request([] { services()->sendPointLogRecordRequest(3, 5); })
                                      << withLength(asked + hex("1b 05"));
    QTest::newRow("serialisation initiate, not from a file: no name") << Request([] {
        services()->sendSerialisationInitiate(0, QStringLiteral("ab"), 3, bits(10, {0, 9}));
    }) << withLength(asked + hex("22 01 00 01 0a 0102"));
    QTest::newRow("serialisation initiate from a file") << Request([] {
        services()->sendSerialisationInitiate(1, QStringLiteral("ab"), 3, bits(10, {0, 9}));
    }) << withLength(asked + hex("22 21 00 01 0a 0102 02 6162"));
    QTest::newRow("serialisation initiate, 256 loops") << Request([] {
        services()->sendSerialisationInitiate(0, QString(), 3, bits(256, {0, 255}));
    }) << withLength(asked + hex("22 01 00 01 00 01") + QByteArray(30, '\0') + hex("80"));
    QTest::newRow("serialisation status")
        << Request([] { services()->sendSerialisationStatusRequest(0, 3, bits(3, {1})); })
        << withLength(asked + hex("22 02 01 03 02"));
    QTest::newRow("serialisation summary")
        << Request([] { services()->sendSerialisationSummaryRequest(0, 3, 2); }) << withLength(asked + hex("22 03 02"));
    QTest::newRow("serialisation loop set")
        << Request([] { services()->sendSerialisationLoopSet(1, 3, QStringLiteral("x")); })
        << withLength(asked + hex("22 25 01 78"));
}

void tst_PointManager::requests()
{
    QFETCH(Request, send);
    QFETCH(QByteArray, expected);
    send();
    QCOMPARE(lkSpeakSent(*m_sent), QByteArrayList{expected});
}

void tst_PointManager::manualUpdateRequests_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("request");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray settings = hex("02 f0 0190 05 28 02 6162 80 fffe");
    QTest::newRow("record, numerical loop")
        << 0 << 0 << withLength(hex("00000000 03 00 b7 0000 01 0000 b2 00 15 00 0002 00 04 09") + settings);
    QTest::newRow("record, layout 1")
        << 1 << 0 << withLength(hex("00000000 e4 03 00 b7 0000 01 0000 b2 00 00 15 00 0002 0c 04 09") + settings);
    QTest::newRow("record, text once for both text flags")
        << 0 << 1 << withLength(hex("00000000 03 00 b7 0000 01 0000 b2 00 15 00 0000 00 04 09 01 18 01 7a"));
    QTest::newRow("commit") << 0 << 2 << withLength(hex("00000000 03 00 b7 0000 01 0000 b2 00 15 03 0003 0007"));
    QTest::newRow("abort: no acknowledgement")
        << 0 << 3 << withLength(hex("00000000 03 00 b7 0000 01 0000 32 00 15 02 0007"));
}

void tst_PointManager::manualUpdateRequests()
{
    QFETCH(int, layout);
    QFETCH(int, request);
    std::unique_ptr<SC_LkSpeakBasePacket> packet;
    switch (request) {
    case 0:
        packet = std::make_unique<SC_ManualPointUpdateRecordPkt>(
            3, 2, 4, 9,
            QVector<ModifiedPointSetting>{setting(0xF0, 400, 5, 40, QStringLiteral("ab")),
                                          setting(0x80, 0xFFFE, 0xFE, 0xFB, QString())},
            layout);
        break;
    case 1:
        packet = std::make_unique<SC_ManualPointUpdateRecordPkt>(
            3, 0, 4, 9, QVector<ModifiedPointSetting>{setting(0x18, 400, 5, 40, QStringLiteral("z"))}, layout);
        break;
    case 2:
        packet = std::make_unique<SC_ManualCommitAndCompletePkt>(3, 7, 3, layout);
        break;
    default:
        packet = std::make_unique<SC_ManualAbortUpdatePkt>(3, 7, layout);
    }
    packet->serialise();
    QTEST(packet->buffer()->getByteArray(), "expected");
}

void tst_PointManager::requestsFollowTheHeaderLayout()
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    services()->sendRateOfRiseMode(3, 1);
    QCOMPARE(lkSpeakSent(*m_sent), QByteArrayList{hex("00000012 e4 03 00 b7 0000 01 0000 32 00 00 01 01")});
}

void tst_PointManager::unknownSinglePollCommandOnlyWarns()
{
    services()->sendSinglePollCommand(2, 3, 4, 9, true);
    QCOMPARE(m_sent->count(), 0);
    QVERIFY(m_messages->contains(QStringLiteral("sc_LkPointManagerServices Unknown SinglePollCommand: 2")));
}

void tst_PointManager::pointLogNeedsTheConnectionNodes()
{
    services()->sendPointLogRecordRequest(6, 1);
    QCOMPARE(services()->pointLogPanel(), quint8(6));
    TeskGlobalConfig::instance()->setConnectionNodeNumber(3);
    services()->sendPointLogRecordRequest(8, 1);
    TeskGlobalConfig::instance()->setConnectionNodeNumber(4);
    TeskGlobalConfig::instance()->setNetworkNodeNumber(0);
    services()->sendPointLogRecordRequest(9, 1);
    QCOMPARE(m_sent->count(), 1);
    QCOMPARE(services()->pointLogPanel(), quint8(6));
}

void tst_PointManager::singlePollReply_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("type");
    QTest::newRow("start") << hex("04 02 05") << 0;
    QTest::newRow("stop") << hex("06 02 05") << 1;
}

void tst_PointManager::singlePollReply()
{
    QFETCH(QByteArray, payload);
    QSignalSpy replies(services(), &sc_LkPointManagerServices::singlePollReplyReceived);
    receive(payload);
    QCOMPARE(replies.count(), 1);
    QTEST(int(replies.at(0).at(0).value<SC_PointManagerSinglePollReplyPkt::SinglePollReplyType>()), "type");
    QCOMPARE(replies.at(0).at(1).value<SinglePollReplyCommandStatus>(), eSinglePollBusy);
    QCOMPARE(replies.at(0).at(2).value<TC::panel_t>(), TC::panel_t(7));
    QCOMPARE(replies.at(0).at(3).value<TC::channelAddress_t>(), TC::channelAddress_t(5));
}

void tst_PointManager::realDevicePresentReply_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("present");
    QTest::newRow("present") << hex("0b 00 11 09 05") << true;
    QTest::newRow("result 3") << hex("0b 03 11 09 05") << false;
}

void tst_PointManager::realDevicePresentReply()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, present);
    QStringList order;
    connect(services(), &sc_LkPointManagerServices::realDevicePresentRequestComplete, this,
            [&order](bool ok) { order << QStringLiteral("complete %1").arg(ok); });
    connect(services(), &sc_LkPointManagerServices::realDevicePresentProcessDeviceId, this,
            [&order](bool ok, TC::device_t device, TC::point_t point) {
                order << QStringLiteral("device %1 %2 %3").arg(ok).arg(device).arg(point);
            });
    receive(payload);
    QCOMPARE(order,
             (QStringList{QStringLiteral("complete %1").arg(present), QStringLiteral("device %1 5 9").arg(present)}));
}

void tst_PointManager::changeAddressReply()
{
    QSignalSpy complete(services(), &sc_LkPointManagerServices::changeAddressRequestComplete);
    receive(hex("0d 00 01 02 03"));
    receive(hex("0d 04 01 02 03"));
    QCOMPARE(complete.count(), 2);
    QCOMPARE(complete.at(0).at(0).toBool(), true);
    QCOMPARE(complete.at(1).at(0).toBool(), false);
}

// Labelled with the panel of the latest request, whichever panel answered.
void tst_PointManager::pointLogReply()
{
    QStringList replies;
    QVector<TC::sPointLogRecordDetails_t> details;
    connect(services(), &sc_LkPointManagerServices::pointLogReplyReceived, this,
            [&](TC::panel_t node, quint8 record, quint8 total, quint8 flag, TC::sPointLogRecordDetails_t &record_) {
                replies << QStringLiteral("%1 %2 %3 %4").arg(node).arg(record).arg(total).arg(flag);
                details << record_;
            });
    services()->sendPointLogRecordRequest(4, 5);
    services()->sendPointLogRecordRequest(6, 5);

    receive(hex("1c 05 0a 00"));
    receive(hex("1c 05 0a 01 00000064 03 09 0102030405060708090a0b0c0d"));

    QCOMPARE(replies, (QStringList{"6 5 10 0", "6 5 10 1"}));
    QCOMPARE(details.at(0).time, 0u);
    QCOMPARE(details.at(1).panel, TC::panel_t(6));
    QCOMPARE(details.at(1).time, 100u);
    QCOMPARE(details.at(1).loop, 3);
    QCOMPARE(details.at(1).point, 9);
    QCOMPARE(details.at(1).details[0], quint8(1));
    QCOMPARE(details.at(1).details[12], quint8(13));
}

void tst_PointManager::undecodedRepliesPassedOn()
{
    QByteArrayList seen;
    connect(services(), &sc_LkPointManagerServices::autoconfigurationPacketReceived, this,
            [&seen](SyncPacket &packet) { seen << "auto " + packet.body.toHex(); });
    connect(services(), &sc_LkPointManagerServices::loopInterrogationResultsRecordPacketReceived, this,
            [&seen](SyncPacket &packet) { seen << "loop " + packet.body.toHex(); });
    receive(hex("07 aa"));
    receive(hex("09"));
    receive(hex("08 00"));
    QCOMPARE(seen, (QByteArrayList{"auto " + lkPacket(183, hex("07 aa")).toHex(),
                                   "loop " + lkPacket(183, hex("09")).toHex()}));
}

void tst_PointManager::serialisationEnquiry()
{
    QSignalSpy enquiry(services(), &sc_LkPointManagerServices::SerialisationEnquiryResponse);
    receive(hex("23 00 fe  00 03 05  00 00  00 01 01  00 00  00 00"));
    QCOMPARE(enquiry.count(), 1);
    const QList<QVariant> &arguments = enquiry.first();
    QCOMPARE(arguments.at(0).value<TC::panel_t>(), TC::panel_t(7));
    QCOMPARE(int(arguments.at(1).value<eSerialisationServiceStatus>()), 2);
    QCOMPARE(setBits(arguments.at(2).toBitArray()), (QList<int>{0, 2}));
    QCOMPARE(arguments.at(2).toBitArray().size(), 256);
    QCOMPARE(arguments.at(3).toBitArray().size(), 0);
    QCOMPARE(setBits(arguments.at(4).toBitArray()), QList<int>{0});
    QCOMPARE(arguments.at(5).toBitArray().size(), 0);
    QCOMPARE(arguments.at(6).toBitArray().size(), 0);
}

void tst_PointManager::serialisationInitiate_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QList<int>>("loops");
    QTest::addColumn<int>("size");
    QTest::newRow("two loops") << hex("23 01 32 00000064 00 02 03") << QList<int>{0, 1} << 256;
    QTest::newRow("no loops") << hex("23 01 32 00000064 00 00") << QList<int>{} << 0;
}

void tst_PointManager::serialisationInitiate()
{
    QFETCH(QByteArray, payload);
    QSignalSpy initiate(services(), &sc_LkPointManagerServices::SerialisationInitiateResponse);
    receive(payload);
    QCOMPARE(initiate.count(), 1);
    const QList<QVariant> &arguments = initiate.first();
    QCOMPARE(arguments.at(1).value<eSerialisationInitiateStatus>(), eInitiateBusy);
    QCOMPARE(arguments.at(2).value<eSerialisationFromFileErrorStatus>(), eIntegrityCheckError);
    QCOMPARE(arguments.at(3).value<quint32>(), 100u);
    QTEST(setBits(arguments.at(4).toBitArray()), "loops");
    QTEST(arguments.at(4).toBitArray().size(), "size");
}

void tst_PointManager::serialisationStatus()
{
    QSignalSpy status(services(), &sc_LkPointManagerServices::SerialisationStatusResponse);
    receive(hex("23 02 02 01 a2 02 05"));
    receive(hex("23 02 00"));
    QCOMPARE(status.count(), 2);
    const auto loops = status.at(0).at(1).value<QVector<SerialisationServiceStatus>>();
    QCOMPARE(loops.size(), 2);
    QCOMPARE(int(loops.at(0).loop), 1);
    QCOMPARE(loops.at(0).status, eCompletedAllMatch);
    QCOMPARE(int(loops.at(0).progress), 5);
    QCOMPARE(int(loops.at(1).loop), 2);
    QCOMPARE(loops.at(1).status, eLoopNotConfigured);
    QCOMPARE(int(loops.at(1).progress), 0);
    QVERIFY(status.at(1).at(1).value<QVector<SerialisationServiceStatus>>().isEmpty());
}

void tst_PointManager::serialisationSummary_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QList<int>>("counts");
    const QByteArray head = hex("23 03 00 00 02 43 00000064 01 02 03 04 05 06 07 08");
    QByteArray shortSummary = head;
    shortSummary[3] = 23;
    QTest::newRow("short: no file counts") << shortSummary << QList<int>{1, 2, 3, 7, 4, 5, 6, 8, 0, 0};
    QByteArray longSummary = head + hex("09 00000000 0a 00000000");
    longSummary[3] = 24;
    QTest::newRow("long") << longSummary << QList<int>{1, 2, 3, 7, 4, 5, 6, 8, 9, 10};
}

// The counts reach the signal as b0, b1, b2, b6, b3, b4, b5, b7, e1, e2.
void tst_PointManager::serialisationSummary()
{
    QFETCH(QByteArray, payload);
    QSignalSpy summary(services(), &sc_LkPointManagerServices::SerialisationSummaryResponse);
    receive(payload);
    QCOMPARE(summary.count(), 1);
    const QList<QVariant> &arguments = summary.first();
    QCOMPARE(arguments.at(1).value<TC::channelAddressNumerical_t>(), quint8(2));
    QCOMPARE(arguments.at(2).value<eSerialisationStatus>(), eCompletedWithMismatch);
    QCOMPARE(int(arguments.at(3).value<eSerialisationProgress>()), 2);
    QCOMPARE(arguments.at(4).value<quint32>(), 100u);
    QList<int> counts;
    for (int i = 5; i < 15; ++i)
        counts << arguments.at(i).value<quint8>();
    QTEST(counts, "counts");
}

void tst_PointManager::serialisationDetailed()
{
    QSignalSpy detailed(services(), &sc_LkPointManagerServices::SerialisationDetailedResponse);
    QByteArray points(32, '\0');
    points[0] = 0x01;
    points[31] = char(0xc0);
    // A count of 300 is read as 255 bits: 32 bytes, the last bit dropped.
    receive(hex("23 04 83 02 00000064 0005 0000 012c") + points);
    receive(hex("23 04 03 02 00000064 0005 0000 0000"));
    QCOMPARE(detailed.count(), 1);
    const QList<QVariant> &arguments = detailed.first();
    QCOMPARE(int(arguments.at(2).value<eSerialisationInformationType>()), 3);
    QCOMPARE(arguments.at(3).value<quint32>(), 100u);
    QCOMPARE(arguments.at(4).value<quint16>(), quint16(5));
    QCOMPARE(setBits(arguments.at(5).toBitArray()), (QList<int>{0, 254}));
}

void tst_PointManager::serialisationLoopSet()
{
    QSignalSpy loopSet(services(), &sc_LkPointManagerServices::digitalEnrolmentLoopSetReply);
    receive(hex("23 06 03 04 02 03"));
    receive(hex("23 06 00 00 00"));
    QCOMPARE(loopSet.count(), 2);
    QCOMPARE(loopSet.at(0).at(0).value<eSerialisationFromFileErrorStatus>(), eIntegrityCheckError);
    QCOMPARE(setBits(loopSet.at(0).at(1).toBitArray()), (QList<int>{4, 5}));
    QCOMPARE(loopSet.at(1).at(1).toBitArray().size(), 256);
    QVERIFY(setBits(loopSet.at(1).at(1).toBitArray()).isEmpty());
}

void tst_PointManager::serialisationUnknownTypes_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("type");
    QTest::newRow("5") << hex("23 05") << 5;
    QTest::newRow("5 with high bits") << hex("23 e5 01 02") << 5;
    QTest::newRow("31") << hex("23 1f") << 31;
}

void tst_PointManager::serialisationUnknownTypes()
{
    QFETCH(QByteArray, payload);
    QSignalSpy unknown(services(), &sc_LkPointManagerServices::digitalEnrolmentUnknownReplyTypeResponse);
    receive(payload);
    QCOMPARE(unknown.count(), 1);
    QTEST(int(unknown.first().at(0).value<eSerialisationReplyType>()), "type");
}

// Every reply cut short is dropped with a warning and reaches no listener.
void tst_PointManager::shortRepliesDropped_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("single poll") << hex("04 02");
    QTest::newRow("real device present") << hex("0b 00 11 09");
    QTest::newRow("change address") << hex("0d 00 01 02");
    QTest::newRow("point log details") << hex("1c 05 0a 01 00000064 03 09 01020304");
    QTest::newRow("enquiry") << hex("23 00 02 00 03");
    QTest::newRow("enquiry bits") << hex("23 00 02 00 09 ff");
    QTest::newRow("initiate") << hex("23 01 32 0000");
    QTest::newRow("status entries") << hex("23 02 03 01 a2");
    QTest::newRow("long summary") << hex("23 03 00 18 02 43 00000064 01 02 03 04 05 06 07 08 09");
    QTest::newRow("detailed bits") << hex("23 04 83 02 00000064 0005 0000 0010 01");
    QTest::newRow("loop set bits") << hex("23 06 03 04 09 03");
}

void tst_PointManager::shortRepliesDropped()
{
    QFETCH(QByteArray, payload);
    SignalCounter counter;
    const QMetaObject &meta = sc_LkPointManagerServices::staticMetaObject;
    const QMetaMethod hit = counter.metaObject()->method(counter.metaObject()->indexOfSlot("hit()"));
    for (int index = meta.methodOffset(); index < meta.methodCount(); ++index) {
        const QMetaMethod method = meta.method(index);
        if (method.methodType() == QMetaMethod::Signal)
            connect(services(), method, &counter, hit);
    }

    receive(payload);

    QCOMPARE(counter.hits, 0);
    QVERIFY2(m_messages->contains(QStringLiteral("dropped")), qPrintable(m_messages->warnings().join('\n')));
}

QTEST_GUILESS_MAIN(tst_PointManager)
#include "tst_pointmanager.moc"
