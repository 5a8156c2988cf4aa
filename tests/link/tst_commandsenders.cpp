#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "core/PointAddressKey.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "link/SC_PointsWildCard.h"
#include "link/SyncClient.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointCoreConfiguration.h"

#include <QtTest>

#include <functional>

// Every command the engine sends, as the bytes that leave for the link, in
// both header layouts. Headers are written here from their fields, apart
// from the engine's header writer: source node 0, first service 1, second
// address 0, second service 50 with bit 7 for an acknowledgement.

namespace {

using Operation = std::function<void(SyncClient &)>;

struct Expected
{
    int functionCode;
    quint8 destination;
    bool acknowledge;
    quint8 sequence;
    const char *payload0;
    // Null: as in layout 0.
    const char *payload1 = nullptr;
    quint16 firstAddress = 0;
};

enum Layouts { Layout0 = 1, Layout1 = 2, BothLayouts = 3 };

struct Case
{
    const char *name;
    Operation operation;
    QVector<Expected> packets;
    int layouts = BothLayouts;
};

constexpr quint8 OwnPanel = 7;
constexpr quint8 ListPanel = 3;

QByteArray requestBytes(int layout, const Expected &expected)
{
    QByteArray header =
        layout == 1 ? hex("00000000 e4 00 00 00 0000 01 0000 00 00 00") : hex("00000000 00 00 00 0000 01 0000 00 00");
    const int shift = layout;
    header[4 + shift] = char(expected.destination);
    header[6 + shift] = char(expected.functionCode);
    header[7 + shift] = char(expected.firstAddress >> 8);
    header[8 + shift] = char(expected.firstAddress);
    header[12 + shift] = char(50 | (expected.acknowledge ? 0x80 : 0));
    header[13 + shift] = char(expected.sequence);
    const char *payload = layout == 1 && expected.payload1 ? expected.payload1 : expected.payload0;
    return withLength(header + hex(payload));
}

// Points 5, 6 and 7 of loop 2, added in that order.
SC_PointsIndividual threePoints()
{
    SC_PointsIndividual points;
    points.setPanel(ListPanel);
    for (quint8 point = 5; point <= 7; ++point)
        points.addPoint(12, 2, 0, point);
    return points;
}

// Their block: the last added first. Loop 2 is numerical channel 2 in
// layout 0.
constexpr char threePoints0[] = "00 03 03 00 02 07 00 02 06 00 02 05";
constexpr char threePoints1[] = "00 03 03 0c 02 07 0c 02 06 0c 02 05";

SC_PointsWildCard zoneScope()
{
    SC_PointsWildCard scope(ListPanel, 12, 255, 15, 255, 127, 0, 0, 252, 4, 0);
    scope.addMappingOffset(0x01);
    scope.addMappingOffset(0x00);
    return scope;
}

const QVector<Case> &cases()
{
    static const QByteArray ff30 = QByteArray("ff ").repeated(30);
    static const QByteArray info0 = "01 00 02 00 ff fd fe 00 0001 03 00 00 03 " + ff30 + "01 7f c1 1c";
    static const QByteArray info1 = "01 0c 02 00 ff fd fe 00 0001 03 00 00 03 " + ff30 + "01 7f c1 1c";
    static const QByteArray point0 = "01 00 02 00 05 fd fe 00 0001 03 00 00 03 " + ff30 + "01 7f c0 0a";
    static const QByteArray point1 = "01 0c 02 00 05 fd fe 00 0001 03 00 00 03 " + ff30 + "01 7f c0 0a";
    static const QByteArray force0 = QByteArray("64 02 01 01 ") + threePoints0;
    static const QByteArray force1 = QByteArray("64 02 01 01 ") + threePoints1;
    static const QByteArray action0 = QByteArray("64 03 00 01 ") + threePoints0;
    static const QByteArray action1 = QByteArray("64 03 00 01 ") + threePoints1;
    static const QByteArray basic0 = QByteArray("64 08 09 01 ") + threePoints0;
    static const QByteArray basic1 = QByteArray("64 08 09 01 ") + threePoints1;
    static const QByteArray disable0 = QByteArray("64 04 01 02 01 ") + threePoints0;
    static const QByteArray disable1 = QByteArray("64 04 01 02 01 ") + threePoints1;
    static const QVector<Case> table = {
        // Operator actions: pulses of group 1 (and 0) inputs on this panel.
        {"evacuate", [](SyncClient &c) { c.evacuate(); }, {{37, OwnPanel, true, 0, "01 81 01 01"}}},
        {"soundersOnOff", [](SyncClient &c) { c.soundersOnOff(); }, {{37, OwnPanel, true, 0, "01 82 01 02"}}},
        {"setInvestigateDelay",
         [](SyncClient &c) { c.setInvestigateDelay(); },
         {{37, OwnPanel, true, 0, "01 83 01 03"}}},
        {"sendDayNightMode day",
         [](SyncClient &c) { c.sendDayNightMode(true); },
         {{37, OwnPanel, true, 0, "01 84 01 04"}}},
        {"sendDayNightMode night",
         [](SyncClient &c) { c.sendDayNightMode(false); },
         {{37, OwnPanel, true, 0, "01 85 01 05"}}},
        {"selfTest start", [](SyncClient &c) { c.selfTest(true); }, {{37, OwnPanel, true, 0, "01 86 01 06"}}},
        {"selfTest stop", [](SyncClient &c) { c.selfTest(false); }, {{37, OwnPanel, true, 0, "01 87 01 07"}}},
        {"setLogSyncFault", [](SyncClient &c) { c.setLogSyncFault(); }, {{37, OwnPanel, true, 0, "01 88 01 08"}}},
        {"sendKeyDepotTest", [](SyncClient &c) { c.sendKeyDepotTest(); }, {{37, OwnPanel, true, 0, "01 89 01 09"}}},
        {"sendKeyDepotReset", [](SyncClient &c) { c.sendKeyDepotReset(); }, {{37, OwnPanel, true, 0, "01 8a 01 0a"}}},
        {"swissAlarmAcknowledge",
         [](SyncClient &c) { c.swissAlarmAcknowledge(); },
         {{37, OwnPanel, true, 0, "01 8b 01 0b"}}},
        {"setFireTestMode", [](SyncClient &c) { c.setFireTestMode(); }, {{37, OwnPanel, true, 0, "01 8c 01 0c"}}},
        {"sendUser2ButtonPressed",
         [](SyncClient &c) { c.sendUser2ButtonPressed(); },
         {{37, OwnPanel, true, 0, "01 8d 01 0d"}}},
        {"sendSyncCompletePulse",
         [](SyncClient &c) { c.sendSyncCompletePulse(); },
         {{37, OwnPanel, true, 0, "01 90 01 10"}}},
        {"setSilenceBuzzer link up",
         [](SyncClient &c) {
             c.LinkStatus(true, 2);
             c.setSilenceBuzzer();
         },
         {{37, OwnPanel, true, 0, "00 ab 00 2b"}}},
        {"setSilenceResoundSounders",
         [](SyncClient &c) { c.setSilenceResoundSounders(); },
         {{37, OwnPanel, true, 0, "00 ad 00 2d"}}},
        {"fireResetSlot", [](SyncClient &c) { c.fireResetSlot(); }, {{37, OwnPanel, true, 0, "00 ae 00 2e"}}},
        {"sendInputPointChange",
         [](SyncClient &c) { c.sendInputPointChange(1, 16); },
         {{37, OwnPanel, true, 0, "01 90 01 10"}}},
        // Switch and socket states: one change, no acknowledgement.
        {"usbStickUpdateSlot in",
         [](SyncClient &c) { c.usbStickUpdateSlot(true); },
         {{37, OwnPanel, false, 0, "00 a8"}}},
        {"usbStickUpdateSlot out",
         [](SyncClient &c) { c.usbStickUpdateSlot(false); },
         {{37, OwnPanel, false, 0, "00 28"}}},
        {"keyswitchUpdateSlot",
         [](SyncClient &c) { c.keyswitchUpdateSlot(true); },
         {{37, OwnPanel, false, 0, "00 a9"}}},
        {"swissSilenceUpdateSlot",
         [](SyncClient &c) { c.swissSilenceUpdateSlot(true); },
         {{37, OwnPanel, false, 0, "00 af"}}},
        {"swissResetUpdateSlot",
         [](SyncClient &c) { c.swissResetUpdateSlot(false); },
         {{37, OwnPanel, false, 0, "00 30"}}},
        {"swissKeyswitchUpdateSlot",
         [](SyncClient &c) { c.swissKeyswitchUpdateSlot(true); },
         {{37, OwnPanel, false, 0, "00 b1"}}},
        {"sendInputPointChangeValue",
         [](SyncClient &c) { c.sendInputPointChangeValue(1, 4, true); },
         {{37, OwnPanel, false, 0, "01 84"}}},
        // Users.
        {"login",
         [](SyncClient &c) { c.login(QStringLiteral("07"), QStringLiteral("1234")); },
         {{245, 0, false, 0, "02 07 00 04 31 32 33 34"}}},
        {"login passcode of 19 bytes",
         [](SyncClient &c) { c.login(QStringLiteral("07"), QString(9, QChar(0xE9)) + QLatin1Char('1')); },
         {{245, 0, false, 0, "02 07 00 13 c3a9 c3a9 c3a9 c3a9 c3a9 c3a9 c3a9 c3a9 c3a9 31"}}},
        {"login empty passcode",
         [](SyncClient &c) { c.login(QStringLiteral("07"), QString()); },
         {{245, 0, false, 0, "02 07 00 00"}}},
        {"logout", [](SyncClient &c) { c.logout(); }, {{245, 0, false, 0, "03"}}},
        // Point commands.
        {"sendForcePoints",
         [](SyncClient &c) { c.sendForcePoints(1, threePoints()); },
         {{245, 0, false, 0, force0, force1}}},
        {"sendForcePointsAction",
         [](SyncClient &c) { c.sendForcePointsAction(0, threePoints()); },
         {{245, 0, false, 0, action0, action1}}},
        {"sendBasicPointCommand",
         [](SyncClient &c) { c.sendBasicPointCommand(threePoints(), 9, true); },
         {{245, 0, true, 0, basic0, basic1}}},
        {"sendDisablePoints",
         [](SyncClient &c) { c.sendDisablePoints(2, DISABLEMENT_DISABLE, threePoints(), 5); },
         {{245, 0, true, 5, disable0, disable1}}},
        {"sendDisablePoints with the disablement option",
         [](SyncClient &c) {
             TeskGlobalConfig::instance()->setDisablementFlag(true);
             c.sendDisablePoints(2, DISABLEMENT_DISABLE, threePoints(), 5);
         },
         {{245, 0, true, 5, "64 04 01 42 01 00 03 03 00 02 07 00 02 06 00 02 05",
           "64 04 01 42 01 00 03 03 0c 02 07 0c 02 06 0c 02 05"}}},
        {"enable ignores the disablement option",
         [](SyncClient &c) {
             TeskGlobalConfig::instance()->setDisablementFlag(true);
             c.sendDisablePoints(2, DISABLEMENT_ENABLE, threePoints(), 5);
         },
         {{245, 0, true, 5, "64 04 00 02 01 00 03 03 00 02 07 00 02 06 00 02 05",
           "64 04 00 02 01 00 03 03 0c 02 07 0c 02 06 0c 02 05"}}},
        {"sendDisableWildCard",
         [](SyncClient &c) { c.sendDisableWildCard(3, DISABLEMENT_ENABLE, zoneScope(), 0); },
         {{245, 0, true, 1, "64 04 00 03 01 03 03 f0 1e ff 7f 00 00 fc 04 f1 01 00",
           "64 04 00 03 01 03 03 fc ff ff 7f 00 00 fc 04 f1 01 00"}}},
        {"sendLoopDisablement",
         [](SyncClient &c) { c.sendLoopDisablement(2, ListPanel, true); },
         {{245, 0, true, 1, "64 04 01 03 01 00 03 02 00 02 02 00 02 01", "64 04 01 03 01 00 03 02 0c 02 02 0c 02 01"}}},
        {"sendStartWalktest",
         [](SyncClient &c) { c.sendStartWalktest(4, SC_PointsWildCard(ListPanel, 12, 2, 0, 5, 127, 0, 0, 255)); },
         {{245, 0, false, 0, "64 05 04 00 01 03 03 00 02 05 7f 00 00 ff",
           "64 05 04 00 01 03 03 0c 02 05 7f 00 00 ff"}}},
        {"sendStopWalktest", [](SyncClient &c) { c.sendStopWalktest(0, 255); }, {{245, 0, false, 0, "64 05 00 ff"}}},
        {"sendLoopPointCountersSnapshotRequest",
         [](SyncClient &c) { c.sendLoopPointCountersSnapshotRequest(1, 2); },
         {{245, 0, false, 0, "64 06 01 02"}}},
        {"sendServiceToolCommand 1",
         [](SyncClient &c) { c.sendServiceToolCommand(1, 9, false); },
         {{245, 0, false, 0, "64 07 01"}}},
        {"sendServiceToolCommand 2",
         [](SyncClient &c) { c.sendServiceToolCommand(2, 9, true); },
         {{245, 0, true, 0, "64 07 02 09 01"}}},
        {"sendSetTimeDate",
         [](SyncClient &c) { c.sendSetTimeDate(0x01020304); },
         {{245, 0, false, 0, "64 01 01020304"}}},
        // Panel requests.
        {"sendRestartPanelRequest",
         [](SyncClient &c) { c.sendRestartPanelRequest(255); },
         {{182, 255, false, 0, "00"}}},
        {"requestLoopShutdown", [](SyncClient &c) { c.requestLoopShutdown(3, 2); }, {{179, 3, true, 0, "00 02"}}},
        {"requestLoopRestart", [](SyncClient &c) { c.requestLoopRestart(3, 2); }, {{179, 3, true, 0, "01 02"}}},
        {"sendLoopShutdownRestartRequest",
         [](SyncClient &c) { c.sendLoopShutdownRestartRequest(4, 1, 1); },
         {{179, 4, true, 0, "01 01"}}},
        {"sendFastFaultModeRequest",
         [](SyncClient &c) { c.sendFastFaultModeRequest(2, 5); },
         {{191, 2, false, 0, "05"}}},
        {"sendPointStatusUpdateRequest",
         [](SyncClient &c) { c.sendPointStatusUpdateRequest(6, 2, 9); },
         {{135, 2, false, 0, "06 09 01 ff"}}},
        // Point information.
        {"sendPointInformationRequest",
         [](SyncClient &c) { c.sendPointInformationRequest(1, 12, 2, 0); },
         {{148, 1, false, 0, info0, info1}}},
        {"sendPointInformationRequestExt",
         [](SyncClient &c) { c.sendPointInformationRequestExt(1, 12, 2, 0, 5); },
         {{148, 1, false, 0, point0, point1}}},
        {"sendPointInformationRequestFor",
         [](SyncClient &c) {
             c.sendPointInformationRequestFor(SimplePointInfo{1, 12, 0, 2, 5});
         },
         {{148, 1, false, 0, point0, point1}}},
        {"sendNextPointInformationRequest",
         [](SyncClient &c) { c.sendNextPointInformationRequest(4, 0x1234); },
         {{150, 4, false, 0, "1234"}}},
        // Texts: the language asked for, then the other one.
        {"sendPointTextRequest",
         [](SyncClient &c) { c.sendPointTextRequest(0x030c0205, 2); },
         {{116, 0, true, 0, "03 01 00 02 00 05 00 00 01", "03 01 0c 02 00 05 00 00 01"},
          {116, 0, true, 0, "03 01 00 02 00 05 00 00 00", "03 01 0c 02 00 05 00 00 00"}}},
        {"sendZoneTextRequest",
         [](SyncClient &c) { c.sendZoneTextRequest(3, 17, 1); },
         {{116, 0, true, 0, "03 00 00 00 00 00 01 11 00"}, {116, 0, true, 0, "03 00 00 00 00 00 01 11 01"}}},
        // Diagnostics and services.
        {"sendRbusCommsStatsRequest",
         [](SyncClient &c) { c.sendRbusCommsStatsRequest(2, 6, true); },
         {{233, 2, true, 0, "1a 01 01 06 01"}}},
        {"sendFlashInfoRequest", [](SyncClient &c) { c.sendFlashInfoRequest(4); }, {{233, 4, true, 0, "1a 02"}}},
        {"sendConnectedServicesRequest",
         [](SyncClient &c) { c.sendConnectedServicesRequest(5, 1); },
         {{233, 5, true, 0, "1c 01"}}},
        {"sendNetworkFaultRequest legacy",
         [](SyncClient &c) { c.sendNetworkFaultRequest(6, 2); },
         {{5, 6, true, 0, ""}},
         Layout0},
        {"sendNetworkFaultRequest",
         [](SyncClient &c) { c.sendNetworkFaultRequest(6, 2); },
         {{9, 6, true, 0, "02", nullptr, 28}},
         Layout1},
        // Reports, to node 253 and printer 255 while reports go to a file.
        {"sendPrintReportPointDisabled",
         [](SyncClient &c) { c.sendPrintReportPointDisabled(255, 3); },
         {{158, 253, true, 0, "01 ff ff 000000 03"}}},
        {"sendPrintReportPointsUntestedFailed",
         [](SyncClient &c) { c.sendPrintReportPointsUntestedFailed(2); },
         {{158, 253, true, 0, "03 ff 02 000000 ff"}}},
        {"sendPrintReportForcedPoints",
         [](SyncClient &c) { c.sendPrintReportForcedPoints(1, 4); },
         {{158, 253, true, 0, "04 ff 01 000000 04"}}},
        {"sendPrintReportAnalogValues",
         [](SyncClient &c) { c.sendPrintReportAnalogValues(1, 12, 2, 5, 255); },
         {{158, 253, true, 0, "06 ff 01 000000 01 00 02 05 ff 00 00", "06 ff 01 000000 01 0c 02 05 ff 00 00"}}},
        {"sendPrintReportActiveFaults",
         [](SyncClient &c) { c.sendPrintReportActiveFaults(1, 2); },
         {{158, 253, true, 0, "07 ff 01 000000 02"}}},
        {"sendPrintReportLoopPointCounters",
         [](SyncClient &c) { c.sendPrintReportLoopPointCounters(1, 3, 0); },
         {{158, 253, true, 0, "09 ff 01 000000 03 00"}}},
        {"sendPrintReportActivePoints",
         [](SyncClient &c) { c.sendPrintReportActivePoints(1, 33, 1, 2, 2, 1); },
         {{158, 253, true, 0, "0b ff 01 000000 21 01 00 02 02 01"}}},
        {"sendPrintReportDeviceDates",
         [](SyncClient &c) { c.sendPrintReportDeviceDates(1, 8, 3); },
         {{158, 253, true, 0, "0c ff 01 000000 08 03"}}},
        {"sendPrintReportNetworkDetails",
         [](SyncClient &c) { c.sendPrintReportNetworkDetails(255); },
         {{158, 253, true, 0, "10 ff ff 000000"}}},
        {"sendPrintReportSoundersRSM",
         [](SyncClient &c) { c.sendPrintReportSoundersRSM(1, 12, 2, 3); },
         {{158, 253, true, 0, "13 ff 01 000000 fd 00 02 00 ff 00 ff 03", "13 ff 01 000000 fd 0c 02 00 ff 00 ff 03"}}},
        {"sendPrintReportSerialNumbers",
         [](SyncClient &c) { c.sendPrintReportSerialNumbers(1, 12, 2, 1); },
         {{158, 253, true, 0, "18 ff 01 000000 fd 00 02 00 ff 00 ff 01", "18 ff 01 000000 fd 0c 02 00 ff 00 ff 01"}}},
        {"sendPrintReportCommsStats",
         [](SyncClient &c) { c.sendPrintReportCommsStats(2, 1, 6); },
         {{158, 253, true, 0, "19 ff 02 000000 01 06"}}},
        {"print report to a panel printer",
         [](SyncClient &c) {
             PanelConfiguration::instance()->setPrinterSelection(4, 2);
             c.sendPrintReportSerialNumbers(1, 12, 2, 0);
         },
         {{158, 4, true, 0, "18 02 01 000000 04 00 02 00 ff 00 ff 00", "18 02 01 000000 04 0c 02 00 ff 00 ff 00"}}},
    };
    return table;
}

QStringList hexList(const QByteArrayList &packets)
{
    QStringList texts;
    for (const QByteArray &packet : packets)
        texts << QString::fromLatin1(packet.toHex(' '));
    return texts;
}

void addInputs(quint8 group, std::initializer_list<int> inputs)
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    const ChannelAddress channel(5, 15, group);
    core->addChannel(OwnPanel, channel, int(inputs.size()));
    for (const int input : inputs)
        core->addPoint(OwnPanel, channel, PointAddressKey(quint8(input), 1, 200, 0x02, 0, quint8(input)));
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class tst_CommandSenders final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everySendOperation_data();
    void everySendOperation();

    void forceOf600PointsGoesInThreePackets();
    void emptyForceListStillSendsOnePacket();
    void disablementSequence_data();
    void disablementSequence();
    void emptyDisablementSendsNothing();
    void wildCardWithoutOffsetsIsStillSent();

    void nothingSent_data();
    void nothingSent();
    void textsInOneLanguageOnly();

    void loopShutdownIsRemembered();
    void loopFlagsDisableOrEnableTheirLoops();
    void loopFlagsTooShortAreRefused();

private:
    QTemporaryDir m_directory;
};

void tst_CommandSenders::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(OwnPanel);
    config->setInputPointChannel(5);
    config->setRbusAddress(15);
    config->setKeyswitchEnabled(true);
    config->setSwissModeEnabled(true);
    config->setNetworkNodeNumber(1);
    // Both languages in use, so texts are asked for in each.
    config->setLanguages(0x01, 1, 850, 2, 850);
    addInputs(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16});
    addInputs(0, {40, 41, 43, 45, 46, 47, 48, 49});
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    const ChannelAddress loop2(12, 2, 0);
    core->addChannel(ListPanel, loop2, 2);
    core->addPoint(ListPanel, loop2, PointAddressKey(1, 3, 1, 0x03, 1, 1));
    core->addPoint(ListPanel, loop2, PointAddressKey(2, 3, 1, 0x03, 1, 2));
}

void tst_CommandSenders::init()
{
    TeskGlobalConfig::instance()->setDisablementFlag(false);
    PanelConfiguration::instance()->setReportFormat(0);
}

void tst_CommandSenders::cleanup()
{
    SyncClient::destroyInstance();
}

void tst_CommandSenders::everySendOperation_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QStringList>("expected");
    for (const Case &each : cases()) {
        for (const int layout : {0, 1}) {
            if (!(each.layouts & (1 << layout)))
                continue;
            QByteArrayList packets;
            for (const Expected &packet : each.packets)
                packets << requestBytes(layout, packet);
            QTest::addRow("%s, layout %d", each.name, layout) << layout << each.operation << hexList(packets);
        }
    }
}

void tst_CommandSenders::everySendOperation()
{
    QFETCH(int, layout);
    QFETCH(Operation, operation);
    QFETCH(QStringList, expected);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 599);
    SyncClient *client = SyncClient::instance();
    QSignalSpy sent(client, &SyncClient::SendPacket);
    operation(*client);
    QCOMPARE(hexList(lkSpeakSent(sent)), expected);
}

void tst_CommandSenders::forceOf600PointsGoesInThreePackets()
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    SC_PointsIndividual points;
    points.setPanel(ListPanel);
    for (int i = 0; i < 600; ++i)
        points.addPoint(12, 1, 0, quint8(i % 250 + 1));
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->sendForcePoints(2, points);

    const QByteArrayList packets = lkSpeakSent(sent);
    QCOMPARE(packets.size(), 3);
    const int header = 16;
    int pointIndex = 0;
    for (int i = 0; i < packets.size(); ++i) {
        const QByteArray &packet = packets.at(i);
        const int entries = i < 2 ? 255 : 90;
        QCOMPARE(packet.size(), header + 4 + 3 + 3 * entries);
        QCOMPARE(packet.mid(header, 7).toHex(' '),
                 hex("64 02 02 01 00 03").toHex(' ') + ' ' + QByteArray::number(entries, 16).rightJustified(2, '0'));
        // The chunk's last entry comes first.
        const int firstOnWire = pointIndex + entries - 1;
        QCOMPARE(quint8(packet.at(header + 7 + 2)), quint8(firstOnWire % 250 + 1));
        QCOMPARE(quint8(packet.at(packet.size() - 1)), quint8(pointIndex % 250 + 1));
        pointIndex += entries;
    }
}

void tst_CommandSenders::emptyForceListStillSendsOnePacket()
{
    MessageCapture messages;
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->sendForcePoints(1, SC_PointsIndividual());
    QCOMPARE(hexList(lkSpeakSent(sent)), hexList({requestBytes(0, {245, 0, false, 0, "64 02 01 01"})}));
    QVERIFY(messages.contains(QStringLiteral("attempt to load past end of list")));
}

void tst_CommandSenders::disablementSequence_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("firstSequence");
    QTest::addColumn<QVector<int>>("sequences");
    QTest::addColumn<QVector<int>>("counts");
    QTest::addColumn<int>("returned");

    QTest::newRow("0 is never sent") << 3 << 0 << QVector<int>{1} << QVector<int>{3} << 2;
    QTest::newRow("numbered on") << 3 << 41 << QVector<int>{41} << QVector<int>{3} << 42;
    QTest::newRow("300 points") << 300 << 7 << QVector<int>{7, 8} << QVector<int>{255, 45} << 9;
    QTest::newRow("past 255") << 300 << 255 << QVector<int>{255, 1} << QVector<int>{255, 45} << 2;
    QTest::newRow("255 alone returns 0") << 3 << 255 << QVector<int>{255} << QVector<int>{3} << 0;
}

void tst_CommandSenders::disablementSequence()
{
    QFETCH(int, points);
    QFETCH(int, firstSequence);
    QFETCH(QVector<int>, sequences);
    QFETCH(QVector<int>, counts);
    QFETCH(int, returned);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    SC_PointsIndividual list;
    for (int i = 0; i < points; ++i)
        list.addPoint(12, 1, 0, quint8(i % 250 + 1));

    SyncClient *client = SyncClient::instance();
    // What leaves and what is announced, in the order they happen.
    QStringList order;
    connect(client, &SyncClient::disablementSent, this,
            [&order](quint8 sequence, quint16 count, DisablementFunctionID function) {
                order << QStringLiteral("announced %1 %2 %3").arg(sequence).arg(count).arg(function);
            });
    connect(client, &SyncClient::SendPacket, this, [&order](quint8, const QByteArray &bytes) {
        order << QStringLiteral("sent %1").arg(quint8(bytes.at(14)));
    });
    QCOMPARE(int(client->sendDisablePoints(1, DISABLEMENT_ENABLE, list, quint8(firstSequence))), returned);

    QStringList expected;
    for (int i = 0; i < sequences.size(); ++i)
        expected << QStringLiteral("announced %1 %2 0").arg(sequences.at(i)).arg(counts.at(i))
                 << QStringLiteral("sent %1").arg(sequences.at(i));
    QCOMPARE(order, expected);
}

void tst_CommandSenders::emptyDisablementSendsNothing()
{
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    QSignalSpy announced(SyncClient::instance(), &SyncClient::disablementSent);
    QCOMPARE(SyncClient::instance()->sendDisablePoints(1, DISABLEMENT_DISABLE, SC_PointsIndividual(), 17), quint8(17));
    QCOMPARE(sent.count(), 0);
    QCOMPARE(announced.count(), 0);
}

// A wildcard names its points by pattern; one without mapping offsets is a
// whole scope, not an empty list, and an enable of it must reach the
// controller.
void tst_CommandSenders::wildCardWithoutOffsetsIsStillSent()
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    QSignalSpy announced(SyncClient::instance(), &SyncClient::disablementSent);
    const SC_PointsWildCard point(ListPanel, 12, 2, 0, 5, 127, 0, 0, 255);
    QCOMPARE(SyncClient::instance()->sendDisableWildCard(3, DISABLEMENT_ENABLE, point, 4), quint8(5));
    QCOMPARE(hexList(lkSpeakSent(sent)),
             hexList({requestBytes(1, {245, 0, true, 4, "64 04 00 03 01 03 03 0c 02 05 7f 00 00 ff"})}));
    QCOMPARE(announced.count(), 1);
}

void tst_CommandSenders::nothingSent_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("warning");

    const auto login = [](const char *user, const char *passcode) {
        return Operation(
            [user, passcode](SyncClient &c) { c.login(QString::fromLatin1(user), QString::fromLatin1(passcode)); });
    };
    const QString refused = QStringLiteral("SyncClient::login  Log-on not sent: user or passcode not valid");
    QTest::newRow("user 7") << login("7", "1") << refused;
    QTest::newRow("user 00") << login("00", "1") << refused;
    QTest::newRow("user 100") << login("100", "1") << refused;
    QTest::newRow("user ab") << login("ab", "1") << refused;
    QTest::newRow("user +7") << login("+7", "1") << refused;
    QTest::newRow("passcode of 20") << login("07", "12345678901234567890") << refused;
    // Ten characters, but twenty bytes on the wire.
    QTest::newRow("passcode of 20 bytes")
        << Operation([](SyncClient &c) { c.login(QStringLiteral("07"), QString(10, QChar(0xE9))); }) << refused;
    QTest::newRow("unknown input") << Operation([](SyncClient &c) { c.sendInputPointChange(1, 14); }) << QString();
    QTest::newRow("unknown input value") << Operation([](SyncClient &c) { c.sendInputPointChangeValue(0, 42, true); })
                                         << QString();
    QTest::newRow("silence buzzer, link down") << Operation([](SyncClient &c) { c.setSilenceBuzzer(); }) << QString();
    QTest::newRow("key switch access off") << Operation([](SyncClient &c) {
        TeskGlobalConfig::instance()->setKeyswitchEnabled(false);
        c.keyswitchUpdateSlot(true);
    }) << QString();
    QTest::newRow("regional board off") << Operation([](SyncClient &c) {
        TeskGlobalConfig::instance()->setSwissModeEnabled(false);
        c.swissSilenceUpdateSlot(true);
        c.swissResetUpdateSlot(true);
        c.swissKeyswitchUpdateSlot(true);
    }) << QString();
    QTest::newRow("power status") << Operation([](SyncClient &c) { c.powerStatusUpdateSlot(3); }) << QString();
}

void tst_CommandSenders::nothingSent()
{
    QFETCH(Operation, operation);
    QFETCH(QString, warning);
    MessageCapture messages;
    SyncClient *client = SyncClient::instance();
    QSignalSpy sent(client, &SyncClient::SendPacket);
    QSignalSpy loginSent(client, &SyncClient::loginRequestSent);
    operation(*client);
    TeskGlobalConfig::instance()->setKeyswitchEnabled(true);
    TeskGlobalConfig::instance()->setSwissModeEnabled(true);
    QCOMPARE(sent.count(), 0);
    QCOMPARE(loginSent.count(), 0);
    QCOMPARE(messages.warnings(), warning.isEmpty() ? QStringList() : QStringList{warning});
}

void tst_CommandSenders::textsInOneLanguageOnly()
{
    TeskGlobalConfig::instance()->setLanguages(0x81, 1, 850, 2, 850);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->sendPointTextRequest(0x030c0205, 2);
    SyncClient::instance()->sendZoneTextRequest(3, 17, 1);
    TeskGlobalConfig::instance()->setLanguages(0x01, 1, 850, 2, 850);
    QCOMPARE(hexList(lkSpeakSent(sent)), hexList({requestBytes(1, {116, 0, true, 0, "03 01 0c 02 00 05 00 00 01"}),
                                                  requestBytes(1, {116, 0, true, 0, "03 00 00 00 00 00 01 11 00"})}));
}

void tst_CommandSenders::loopShutdownIsRemembered()
{
    SyncClient *client = SyncClient::instance();
    QCOMPARE(client->loopState(3, 2), -1);
    client->requestLoopShutdown(3, 2);
    QCOMPARE(client->loopState(3, 2), 0);
    client->requestLoopRestart(3, 2);
    QCOMPARE(client->loopState(3, 2), 1);
    client->clearLoopStates(3);
    QCOMPARE(client->loopState(3, 2), -1);
}

void tst_CommandSenders::loopFlagsDisableOrEnableTheirLoops()
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    SyncClient *client = SyncClient::instance();
    client->recordLoopState(ListPanel, 2, 0);
    client->recordLoopState(ListPanel, 3, 1);
    // Loop 2 is now shut down and loop 3 not yet back.
    QSignalSpy sent(client, &SyncClient::SendPacket);
    client->applyLoopDisableFlags(ListPanel, QStringLiteral("0011"));
    QCOMPARE(hexList(lkSpeakSent(sent)),
             hexList({requestBytes(1, {245, 0, true, 1, "64 04 01 03 01 00 03 02 0c 02 02 0c 02 01"})}));
    QCOMPARE(client->loopState(ListPanel, 3), -1);

    // A restart that the page confirms enables the loop's points.
    client->recordLoopState(ListPanel, 2, 1);
    sent.clear();
    client->applyLoopDisableFlags(ListPanel, QStringLiteral("0000"));
    QCOMPARE(hexList(lkSpeakSent(sent)),
             hexList({requestBytes(1, {245, 0, true, 1, "64 04 00 03 01 00 03 02 0c 02 02 0c 02 01"})}));
}

void tst_CommandSenders::loopFlagsTooShortAreRefused()
{
    MessageCapture messages;
    SyncClient *client = SyncClient::instance();
    client->recordLoopState(ListPanel, 2, 0);
    client->recordLoopState(ListPanel, 9, 0);
    QSignalSpy sent(client, &SyncClient::SendPacket);
    client->applyLoopDisableFlags(ListPanel, QStringLiteral("001"));
    QCOMPARE(lkSpeakSent(sent).size(), 1);
    QVERIFY(messages.contains(QStringLiteral("No state for loop 9 of panel 3")));
    QCOMPARE(client->loopState(ListPanel, 9), -1);
}

QTEST_MAIN(tst_CommandSenders)
#include "tst_commandsenders.moc"
