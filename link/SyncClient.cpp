#include "link/SyncClient.h"

#include "app/Security.h"
#include "core/BucketMaster.h"
#include "core/PointAddressKey.h"
#include "core/SC_Timer.h"
#include "core/SC_WarningSummary.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogTable.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/InvestigateDelayTimer.h"
#include "link/LkFunctionCode.h"
#include "link/SC_DispatchTable.h"
#include "link/SC_LinkEffects.h"
#include "link/SC_LinkLayer.h"
#include "link/SC_PacketBuffer.h"
#include "link/SC_PacketHandler.h"
#include "link/SC_PointsIndividual.h"
#include "link/SC_PointsWildCard.h"
#include "link/SC_ReceiveBacklog.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "link/packets/SC_BasicPointCmdPkt.h"
#include "link/packets/SC_DigitalEnrolmentFileReqPacket.h"
#include "link/packets/SC_DisablePointPkt.h"
#include "link/packets/SC_FastFaultModeRequestPkt.h"
#include "link/packets/SC_ForcePointPkt.h"
#include "link/packets/SC_InputPointChangeStatusPkt.h"
#include "link/packets/SC_LegacyNetworkFaultRequestPkt.h"
#include "link/packets/SC_LogOffCurrUserPkt.h"
#include "link/packets/SC_LoopPointCountersSnapshotPkt.h"
#include "link/packets/SC_LoopShutdownRestartRequestPkt.h"
#include "link/packets/SC_ManualTextRequest.h"
#include "link/packets/SC_NetworkFaultRequestPkt.h"
#include "link/packets/SC_NextPointInformationPacket.h"
#include "link/packets/SC_PanelUpdateRequestPkt.h"
#include "link/packets/SC_PointInformationPacket.h"
#include "link/packets/SC_PointStatusUpdateRequestPkt.h"
#include "link/packets/SC_PrintReportActiveFaultsPkt.h"
#include "link/packets/SC_PrintReportActivePointsPkt.h"
#include "link/packets/SC_PrintReportAnalogValuesPkt.h"
#include "link/packets/SC_PrintReportCommsStats.h"
#include "link/packets/SC_PrintReportDeviceDatesPkt.h"
#include "link/packets/SC_PrintReportForcedPointsPkt.h"
#include "link/packets/SC_PrintReportLoopPointCountersPkt.h"
#include "link/packets/SC_PrintReportNetworkDetailsPkt.h"
#include "link/packets/SC_PrintReportPointDisabledPkt.h"
#include "link/packets/SC_PrintReportPointsUntestedFailedPkt.h"
#include "link/packets/SC_PrintReportSerialNumbers.h"
#include "link/packets/SC_PrintReportSoundersRSMPkt.h"
#include "link/packets/SC_ProjectDetailsRequestPkt.h"
#include "link/packets/SC_RequestConnectedServicesPkt.h"
#include "link/packets/SC_RequestDiagnosticsPkt.h"
#include "link/packets/SC_RestartPanelRequestPkt.h"
#include "link/packets/SC_ServiceToolCommandPkt.h"
#include "link/packets/SC_SetTimeDatePacket.h"
#include "link/packets/SC_SiteListReqPacket.h"
#include "link/packets/SC_StartWalktestPkt.h"
#include "link/packets/SC_StopWalktestPkt.h"
#include "link/packets/SC_SupervisionPacket.h"
#include "link/packets/SC_UpdateProcessControlPkt.h"
#include "link/packets/SC_UpdateRequestPkt.h"
#include "link/packets/SC_ValidateLogOnPkt.h"
#include "link/sc_LkEventLog.h"
#include "link/sc_LkLogManagerServices.h"
#include "link/sc_LkPointManagerServices.h"
#include "pointmodels/LoopCfgFilter.h"
#include "pointmodels/LoopPointsFacade.h"
#include "pointmodels/model.h"

#include <QDebug>

namespace {

constexpr quint8 ControllerStarting = 1;

// This panel's virtual inputs: group 1 for operator actions, group 0 for the
// panel's own keys, switches and sockets.
enum VirtualInput : quint8 {
    Evacuate = 1,
    SoundersOnOff = 2,
    InvestigateDelay = 3,
    DayMode = 4,
    NightMode = 5,
    SelfTestStart = 6,
    SelfTestStop = 7,
    LogSyncFault = 8,
    KeyDepotTest = 9,
    KeyDepotReset = 10,
    SwissAlarmAcknowledge = 11,
    FireTestMode = 12,
    User2Button = 13,
    SyncComplete = 16,
    UsbStick = 40,
    Keyswitch = 41,
    SilenceBuzzer = 43,
    SilenceResoundSounders = 45,
    FireReset = 46,
    SwissSilence = 47,
    SwissReset = 48,
    SwissKeyswitch = 49,
};
constexpr quint8 PanelKeys = 0;
constexpr quint8 OperatorActions = 1;

constexpr quint8 SingleLanguageOnly = 0x80;
constexpr quint8 LoopDisablementKind = 3;
constexpr int LoopShutdown = 0;
constexpr int LoopRestart = 1;
// The disablement option of the global configuration marks disable requests.
constexpr quint8 DisablementOptionMark = 0x40;

int headerLayout()
{
    return TeskGlobalConfig::instance()->packetHeaderLayout();
}

SC_PrintReportBasePkt::Target printerTarget(quint8 parameter)
{
    SC_PrintReportBasePkt::Target target;
    target.layoutKind = headerLayout();
    target.parameter = parameter;
    model::instance()->printerSelection(target.node, target.printer);
    return target;
}

constexpr int UserTextLength = 2;
// Counted in the bytes that go out, which is what the controller has room for.
constexpr int MaximumPasscodeBytes = 19;
// The LED of output point 20 pulses while the link is down.

// Status word bits.
constexpr quint32 Fire = 0x0001;
constexpr quint32 Fault = 0x0004;
constexpr quint32 WalkTest = 0x0010;
constexpr quint32 Commissioning = 0x0100;
constexpr quint32 Service = 0x0200;
constexpr quint32 FaultBanner = 0xC09C;

bool isSet(quint32 bits, quint32 mask)
{
    return (bits & mask) != 0;
}

} // namespace

SyncClient::SyncClient()
    : m_eventLog(new sc_LkEventLog(this, this))
    , m_pointManagerServices(new sc_LkPointManagerServices(this, this))
    , m_logManagerServices(new sc_LkLogManagerServices(this))
    , m_persistenceTimer(SC_Timer::create(this))
    , m_receiveWarnings(new SC_WarningSummary(QStringLiteral("SyncClient::RxLkSpeak"), this))
{
    qRegisterMetaType<SyncPacket>("SyncPacket");
    qRegisterMetaType<BucketCmd>("BucketCmd");
    qRegisterMetaType<eAckResponse>("eAckResponse");
    qRegisterMetaType<TESK_CONTEXT::ePanelUpdateErrorCodes>("TESK_CONTEXT::ePanelUpdateErrorCodes");
    qRegisterMetaType<QVector<LkSpeak::SiteListData>>("QVector<LkSpeak::SiteListData>");
    qRegisterMetaType<LkSpeak::panelDataMap_t>("LkSpeak::panelDataMap_t");
    qRegisterMetaType<LkSpeak::PanelUpdateOverview>("LkSpeak::PanelUpdateOverview");
    qRegisterMetaType<DisablementFunctionID>("DisablementFunctionID");
    qRegisterMetaType<SimplePointInfo>("SimplePointInfo");
    qRegisterMetaType<PointValueDetails>("PointValueDetails");
    qRegisterMetaType<eStandardReplyStatus>("eStandardReplyStatus");
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
    qRegisterMetaType<TC::channelAddressNumerical_t>("TC::channelAddressNumerical_t");
    qRegisterMetaType<TC::cs_configuration>("TC::cs_configuration");
    qRegisterMetaType<TC::cs_state>("TC::cs_state");
    EventLog::HighPriorityStatus::install(this);
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
    qRegisterMetaType<TC::channelAddressNumerical_t>("TC::channelAddressNumerical_t");
}

SyncClient::~SyncClient()
{
    if (EventLog::HighPriorityStatus::installed() == this)
        EventLog::HighPriorityStatus::install(nullptr);
    // A synchroniser talks to this client's event log; it cannot outlive it.
    EventLog::HistoricEventsSynchronizer::destroyInstance();
    m_packetHandlers.clear();
    m_persistenceTimer->stop();
}

void SyncClient::emitBucketCommand(const BucketCmd &command)
{
    emit BucketCommand(command);
}

void SyncClient::feedStateStore(BucketMaster *store)
{
    connect(this, &SyncClient::BucketCommand, store, &BucketMaster::receiveSyncCommand);
}

void SyncClient::registerPacketHandler(SC_PacketHandler *handler)
{
    registerPacketHandlerAs(handler->pageId(), handler);
}

void SyncClient::registerPacketHandlerAs(int pageId, SC_PacketHandler *handler)
{
    m_packetHandlers.insert(pageId, handler);
}

SC_PacketHandler *SyncClient::packetHandler(int pageId) const
{
    return m_packetHandlers.value(pageId, nullptr);
}

void SyncClient::clearSyncPageSignature(SC_SyncPageIDS::eSyncPageInformationIDs pageId)
{
    m_syncPages.clearPage(pageId);
}

QString SyncClient::localAddress() const
{
    return m_localAddress;
}

QString SyncClient::peerAddress() const
{
    return m_peerAddress;
}

QString SyncClient::localMac() const
{
    return m_localMac;
}

QString SyncClient::peerMac() const
{
    return m_peerMac;
}

void SyncClient::setLinkAddresses(QString localAddress, QString peerAddress, QString localMac)
{
    m_localAddress = localAddress;
    m_peerAddress = peerAddress;
    m_localMac = localMac;
}

void SyncClient::setConnectionKey(quint8 count, const QByteArray &bytes)
{
    m_connectionKey = bytes.left(count);
}

void SyncClient::initPersistence()
{
    m_syncPages.load();
    writeLinkStatusKey();
    connect(m_persistenceTimer, &SC_Timer::timeout, this, &SyncClient::PersistenceTimeout, Qt::UniqueConnection);
    m_persistenceTimer->setInterval(PersistenceIntervalMs);
}

void SyncClient::stopPersistenceTimer()
{
    m_persistenceTimer->stop();
}

void SyncClient::PersistenceTimeout()
{
    BucketMaster::instance()->save();
    if (!m_syncPages.save())
        qWarning() << "SyncClient::PersistenceTimeout"
                   << " Cannot write" << sc_syncPages::FileName;
    EL_EventLogDBbase::instance()->kickOffPersist();
}

void SyncClient::connectLinkLayer(SC_LinkLayer *link)
{
    m_receiveBacklog = link->receiveBacklog();
    m_receiveBacklog->attachReceiver();
    connect(link, &SC_LinkLayer::Packets, this, &SyncClient::ReceivedPackets);
    connect(link, &SC_LinkLayer::LinkStatus, this, &SyncClient::LinkStatus);
    connect(this, &SyncClient::SendPacket, link, &SC_LinkLayer::Send);
    connect(this, &SyncClient::SendACKPacket, link, &SC_LinkLayer::SendACK);
    connect(m_pointManagerServices, &sc_LkPointManagerServices::SendPacket, link, &SC_LinkLayer::Send);
    connect(this, &SyncClient::receiveBacklogDrained, link, &SC_LinkLayer::ResumeReceiving);
}

void SyncClient::ReceivedPackets(QVector<SyncPacket> packets)
{
    m_eventLog->beginRead();
    for (const SyncPacket &packet : qAsConst(packets)) {
        if (packet.channel == LkSpeakChannel)
            RxLkSpeak(packet);
        if (m_receiveBacklog && m_receiveBacklog->handled())
            emit receiveBacklogDrained();
    }
    m_eventLog->endRead();
}

void SyncClient::ReceivedPacket(SyncPacket packet)
{
    ReceivedPackets({packet});
}

void SyncClient::RxLkSpeak(const SyncPacket &packet)
{
    const auto buffer = QSharedPointer<SC_PacketBuffer>::create(packet.body);
    if (!buffer->hasWholeHeader()) {
        m_receiveWarnings->warn([&] {
            return QStringLiteral("SyncClient::RxLkSpeak Packet of %1 bytes is shorter than its header; dropped")
                .arg(packet.body.size());
        });
        return;
    }
    const int functionCode = buffer->header().functionCode;
    int subCode = SC_DispatchEntry::WholeFunctionCode;
    if (SC_DispatchTable::hasSubCodes(functionCode)) {
        subCode = buffer->readUInt8();
        buffer->rewind();
        if (buffer->isBad()) {
            m_receiveWarnings->warn([&] {
                return QStringLiteral("SyncClient::RxLkSpeak Function code %1 without its sub-code; dropped")
                    .arg(functionCode);
            });
            return;
        }
    }
    const SC_DispatchEntry *entry = SC_DispatchTable::find(functionCode, subCode);
    if (!entry) {
        m_receiveWarnings->warn([&] {
            return QStringLiteral("SyncClient::RxLkSpeak Unhandled function code %1 sub-code %2; dropped")
                .arg(functionCode)
                .arg(subCode);
        });
        return;
    }
    if (buffer->payloadLength() < entry->minimumPayload) {
        m_receiveWarnings->warn([&] {
            return QStringLiteral("SyncClient::RxLkSpeak Short %1 packet (%2 payload bytes); dropped")
                .arg(QLatin1String(entry->name))
                .arg(buffer->payloadLength());
        });
        return;
    }
    if (entry->functionCode != LkFunctionCode::EventLogData)
        m_eventLog->commitHeldEvents();
    entry->handler(*this, packet, buffer, *entry);
}

void SyncClient::sendRawPacket(quint8 channel, const QByteArray &bytes)
{
    emit SendPacket(channel, bytes);
}

void SyncClient::sendAcknowledgement(const SC_LkSpeakBasePacket &request, quint8 answer)
{
    SC_AcknowledgementPkt acknowledgement(request, answer);
    acknowledgement.serialise();
    sendRawPacket(LkSpeakChannel, acknowledgement.buffer()->getByteArray());
}

void SyncClient::setCompatibilityFlag(bool compatible)
{
    m_compatible = compatible;
    SC_LinkEffects::installed()->setCompatible(compatible);
    emit compatibilityUpdated(compatible);
}

void SyncClient::applyHighPriorityStatus(quint32 statusFlags, quint32 footerFlags)
{
    SC_LinkEffects *effects = SC_LinkEffects::installed();
    SC_LinkEffects::PanelStatus status;
    status.fire = isSet(statusFlags, Fire);
    status.commissioning = isSet(statusFlags, Commissioning);
    status.service = isSet(statusFlags, Service);
    status.extinguishRelease = isSet(footerFlags, 0x01);
    status.extinguishFault = isSet(footerFlags, 0x02);
    effects->showPanelStatus(status);
    if (isSet(statusFlags, Fault) != m_faultActive) {
        m_faultActive = isSet(statusFlags, Fault);
        effects->setFaultActive(m_faultActive);
    }
    if (isSet(statusFlags, WalkTest) != m_walkTestActive) {
        m_walkTestActive = isSet(statusFlags, WalkTest);
        emit walkTestUpdatedReceived();
    }
    effects->showBanner(status.fire, isSet(statusFlags, FaultBanner) || m_linkStatus == ControllerStarting);
}

void SyncClient::notifyWalkTestUpdated()
{
    SC_LinkEffects::installed()->walkTestUpdated();
    emit walkTestUpdatedReceived();
}

void SyncClient::sendSupervisionReply(SC_SupervisionPacket *answer)
{
    answer->serialise();
    sendRawPacket(LkSpeakChannel, answer->buffer()->getByteArray());
}

void SyncClient::LinkStatus(bool up, quint8 status)
{
    if (!up) {
        SC_LinkEffects::installed()->linkLost();
        m_configurationPending = true;
    }
    linkStateChanged(up, status);
}

void SyncClient::linkStateChanged(bool up, quint8 status)
{
    if (up == m_linkUp && status == m_linkStatus)
        return;
    m_linkUp = up;
    m_linkStatus = status;
    qDebug().nospace() << "SyncClient::linkStateChanged"
                       << " link " << (up ? "up" : "down") << " status " << status;
    writeLinkStatusKey();
    if (!up || status == ControllerStarting) {
        BucketMaster::instance()->clear(SC_SyncPageIDS::ePanelStatusCounts);
        m_syncPages.clearPage(SC_SyncPageIDS::ePanelStatusCounts);
        SC_LinkEffects::installed()->controllerLost();
        emit disconnected();
        if (up)
            emit reconnectedInStartup();
        emit updateEnetConnectedToPanel(up);
        return;
    }
    emit reconnected();
    emit updateEnetConnectedToPanel(true);
}

void SyncClient::sendSiteListRequest()
{
    LkSpeak::PanelUpdate::SC_SiteListReqPacket request(headerLayout());
    sendPacket(request);
}

void SyncClient::sendProjectDetailsRequest(const QString &site)
{
    LkSpeak::PanelUpdate::SC_ProjectDetailsRequestPkt request(site, headerLayout());
    sendPacket(request);
}

void SyncClient::sendUpdateRequest(quint8 panel, const QString &site, quint16 operations)
{
    LkSpeak::PanelUpdate::SC_UpdateRequestPkt request(panel, site, operations, headerLayout());
    sendPacket(request);
}

void SyncClient::sendPanelUpdateRequest()
{
    LkSpeak::PanelUpdate::SC_PanelUpdateRequestPkt request(headerLayout());
    sendPacket(request);
}

void SyncClient::sendUpdateProcessControl(quint8 control)
{
    LkSpeak::PanelUpdate::SC_UpdateProcessControlPkt request(control, headerLayout());
    sendPacket(request);
}

void SyncClient::sendDigitalEnrolmentFileRequest(const QString &file, quint8 value)
{
    LkSpeak::PanelUpdate::SC_DigitalEnrolmentFileReqPacket request(file, value, headerLayout());
    sendPacket(request);
}

void SyncClient::clearEventLogAndRequestReSync()
{
    replaceHistoricSynchronizer();
    EL_EventLogDBbase::instance()->clearTable(QLatin1String(EventLogTable::name));
    m_eventLog->requestReSync();
}

void SyncClient::restartHistoricLog()
{
    replaceHistoricSynchronizer();
}

// A running synchronisation is stopped and its client de-registered before
// the synchroniser goes; the new one starts after its usual delay.
void SyncClient::replaceHistoricSynchronizer()
{
    EventLog::HistoricEventsSynchronizer *synchronizer = EventLog::HistoricEventsSynchronizer::instance();
    if (synchronizer->isRunning()) {
        synchronizer->stop();
        m_eventLog->deRegisterHistoricClient();
    }
    EventLog::HistoricEventsSynchronizer::destroyInstance();
    EventLog::HistoricEventsSynchronizer::instance()->launch();
}

void SyncClient::writeLinkStatusKey()
{
    emitBucketCommand({BucketCmd::SetValue, 0, QStringLiteral("mstrstat"), QString::number(m_linkStatus)});
}

void SyncClient::login(QString user, QString passcode)
{
    const bool digits = user.size() == UserTextLength && user.at(0).isDigit() && user.at(1).isDigit();
    const int number = digits ? user.toInt() : 0;
    if (number < Security::FirstUser || number > Security::LastUser
        || passcode.toUtf8().size() > MaximumPasscodeBytes) {
        qWarning() << "SyncClient::login"
                   << " Log-on not sent: user or passcode not valid";
        return;
    }
    SC_ValidateLogOnPkt request(quint8(number), passcode, TeskGlobalConfig::instance()->packetHeaderLayout());
    request.serialise();
    sendRawPacket(LkSpeakChannel, request.buffer()->getByteArray());
    emit loginRequestSent();
}

void SyncClient::logout()
{
    SC_LogOffCurrUserPkt request(TeskGlobalConfig::instance()->packetHeaderLayout());
    request.serialise();
    sendRawPacket(LkSpeakChannel, request.buffer()->getByteArray());
    SC_LinkEffects::installed()->loggedOff();
}

// Commands to the controller.

void SyncClient::sendPacket(SC_LkSpeakBasePacket &packet)
{
    packet.serialise();
    sendRawPacket(LkSpeakChannel, packet.buffer()->getByteArray());
}

template <typename MakePacket> void SyncClient::sendPointList(MakePacket makePacket)
{
    int start = 0;
    do {
        auto packet = makePacket(start);
        sendPacket(packet);
        start = packet.nextStart();
    } while (start != 0);
}

void SyncClient::sendInputPointChange(quint8 group, quint8 input)
{
    sendInputChange(group, input, true, true);
}

void SyncClient::sendInputPointChangeValue(quint8 group, quint8 input, bool on)
{
    sendInputChange(group, input, false, on);
}

// A pulse goes active, then inactive, and asks for an acknowledgement.
void SyncClient::sendInputChange(quint8 group, quint8 input, bool pulse, bool on)
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const quint8 panel = config->getPanelNumber();
    if (model::instance()->pointDeviceType(panel, quint8(config->getInputPointChannel()), group,
                                           quint8(config->getRbusAddress()), input)
        == PointAddressKey::NoDevice)
        return;
    using Packet = SC_InputPointChangeStatusPkt;
    QVector<Packet::Change> changes{{group, quint8(on ? input | Packet::Active : input)}};
    if (pulse)
        changes.append({group, input});
    Packet packet(changes, SC_RequestAddress{headerLayout(), panel, pulse});
    sendPacket(packet);
}

void SyncClient::selfTest(bool start)
{
    sendInputPointChange(OperatorActions, start ? SelfTestStart : SelfTestStop);
}

void SyncClient::evacuate()
{
    InvestigateDelayTimer::instance()->stopCountdown();
    sendInputPointChange(OperatorActions, Evacuate);
}

void SyncClient::soundersOnOff()
{
    sendInputPointChange(OperatorActions, SoundersOnOff);
}

void SyncClient::swissAlarmAcknowledge()
{
    sendInputPointChange(OperatorActions, SwissAlarmAcknowledge);
}

void SyncClient::setInvestigateDelay()
{
    sendInputPointChange(OperatorActions, InvestigateDelay);
}

void SyncClient::sendDayNightMode(bool day)
{
    sendInputPointChange(OperatorActions, day ? DayMode : NightMode);
}

void SyncClient::setLogSyncFault()
{
    sendInputPointChange(OperatorActions, LogSyncFault);
}

void SyncClient::sendKeyDepotTest()
{
    sendInputPointChange(OperatorActions, KeyDepotTest);
}

void SyncClient::sendKeyDepotReset()
{
    sendInputPointChange(OperatorActions, KeyDepotReset);
}

void SyncClient::setFireTestMode()
{
    sendInputPointChange(OperatorActions, FireTestMode);
}

void SyncClient::sendUser2ButtonPressed()
{
    sendInputPointChange(OperatorActions, User2Button);
}

void SyncClient::sendSyncCompletePulse()
{
    sendInputPointChange(OperatorActions, SyncComplete);
}

void SyncClient::setSilenceResoundSounders()
{
    sendInputPointChange(PanelKeys, SilenceResoundSounders);
}

void SyncClient::setSilenceBuzzer()
{
    if (m_linkUp)
        sendInputPointChange(PanelKeys, SilenceBuzzer);
}

void SyncClient::fireResetSlot()
{
    sendInputPointChange(PanelKeys, FireReset);
}

void SyncClient::keyswitchUpdateSlot(bool on)
{
    if (model::instance()->isKeyswitchAccessEnabled())
        sendInputPointChangeValue(PanelKeys, Keyswitch, on);
}

void SyncClient::usbStickUpdateSlot(bool inserted)
{
    sendInputPointChangeValue(PanelKeys, UsbStick, inserted);
}

void SyncClient::sendSwissInput(quint8 input, bool on)
{
    if (TeskGlobalConfig::instance()->isSwissModeEnabled())
        sendInputPointChangeValue(PanelKeys, input, on);
}

void SyncClient::swissSilenceUpdateSlot(bool on)
{
    sendSwissInput(SwissSilence, on);
}

void SyncClient::swissResetUpdateSlot(bool on)
{
    sendSwissInput(SwissReset, on);
}

void SyncClient::swissKeyswitchUpdateSlot(bool on)
{
    sendSwissInput(SwissKeyswitch, on);
}

void SyncClient::powerStatusUpdateSlot(uint)
{
}

void SyncClient::sendForcePoints(quint8 action, const SC_PointsIndividual &points)
{
    sendPointList([&](int start) {
        return SC_ForcePointPkt(SC_GUICommandPacket::ForcePoints, action, points, start, headerLayout());
    });
}

void SyncClient::sendForcePointsAction(quint8 action, const SC_PointsIndividual &points)
{
    sendPointList([&](int start) {
        return SC_ForcePointPkt(SC_GUICommandPacket::ForcePointsAction, action, points, start, headerLayout());
    });
}

void SyncClient::sendBasicPointCommand(const SC_PointsIndividual &points, quint8 command, bool acknowledgeRequest)
{
    sendPointList(
        [&](int start) { return SC_BasicPointCmdPkt(points, command, start, headerLayout(), acknowledgeRequest); });
}

template <class List>
quint8 SyncClient::sendDisablement(quint8 kind, DisablementFunctionID function, const List &points,
                                   quint8 firstSequence)
{
    if (function == DISABLEMENT_DISABLE && TeskGlobalConfig::instance()->getDisablementFlag())
        kind |= DisablementOptionMark;
    const int layout = headerLayout();
    const int entries = points.count();
    quint8 sequence = firstSequence;
    int start = 0;
    do {
        const quint8 packetSequence = sequence == 0 ? 1 : sequence;
        SC_DisablePointPkt<List> packet(quint8(function), kind, points, start, layout, packetSequence);
        packet.serialise();
        const int next = packet.nextStart();
        emit disablementSent(packetSequence, quint16((next != 0 ? next : entries) - start), function);
        sendRawPacket(LkSpeakChannel, packet.buffer()->getByteArray());
        sequence = quint8(packetSequence + 1);
        start = next;
    } while (start != 0);
    return sequence;
}

quint8 SyncClient::sendDisablePoints(quint8 kind, DisablementFunctionID function, const SC_PointsIndividual &points,
                                     quint8 firstSequence)
{
    if (points.count() == 0)
        return firstSequence;
    return sendDisablement(kind, function, points, firstSequence);
}

// A wildcard names its points by pattern and is never empty, whatever
// number of mapping offsets it carries.
quint8 SyncClient::sendDisableWildCard(quint8 kind, DisablementFunctionID function, const SC_PointsWildCard &points,
                                       quint8 firstSequence)
{
    return sendDisablement(kind, function, points, firstSequence);
}

void SyncClient::sendLoopDisablement(quint8 loop, quint8 panel, bool disable)
{
    SC_PointsIndividual points;
    points.setPanel(panel);
    LoopPointsFacade facade(panel, &points);
    facade.setFilter(QSharedPointer<SimplePointFilter>(new LoopCfgFilter(loop, false)));
    facade.run();
    sendDisablePoints(LoopDisablementKind, disable ? DISABLEMENT_DISABLE : DISABLEMENT_ENABLE, points, 1);
}

void SyncClient::sendStartWalktest(quint8 mode, const SC_PointsWildCard &scope)
{
    SC_StartWalktestPkt request(mode, scope, headerLayout());
    sendPacket(request);
}

void SyncClient::sendStopWalktest(quint8 first, quint8 second)
{
    SC_StopWalktestPkt request(first, second, headerLayout());
    sendPacket(request);
}

void SyncClient::sendLoopPointCountersSnapshotRequest(quint8 first, quint8 second)
{
    SC_LoopPointCountersSnapshotPkt request(first, second, headerLayout());
    sendPacket(request);
}

void SyncClient::sendServiceToolCommand(quint8 command, quint8 argument, bool acknowledgeRequest)
{
    SC_ServiceToolCommandPkt request(command, argument, quint8(TeskGlobalConfig::instance()->getCurrentLang()),
                                     headerLayout(), acknowledgeRequest);
    sendPacket(request);
}

void SyncClient::sendSetTimeDate(quint32 panelTime)
{
    SC_SetTimeDatePacket request(panelTime, headerLayout());
    sendPacket(request);
}

void SyncClient::sendRestartPanelRequest(quint8 panel)
{
    SC_RestartPanelRequestPkt request(panel, headerLayout());
    sendPacket(request);
}

void SyncClient::sendLoopShutdownRestartRequest(quint8 panel, quint8 loop, quint8 restart)
{
    SC_LoopShutdownRestartRequestPkt request(panel, loop, restart, headerLayout());
    sendPacket(request);
}

void SyncClient::requestLoopShutdown(quint8 panel, quint8 loop)
{
    recordLoopState(panel, loop, LoopShutdown);
    sendLoopShutdownRestartRequest(panel, loop, LoopShutdown);
}

void SyncClient::requestLoopRestart(quint8 panel, quint8 loop)
{
    recordLoopState(panel, loop, LoopRestart);
    sendLoopShutdownRestartRequest(panel, loop, LoopRestart);
}

void SyncClient::sendFastFaultModeRequest(quint8 panel, quint8 mode)
{
    SC_FastFaultModeRequestPkt request(panel, mode, headerLayout());
    sendPacket(request);
}

void SyncClient::sendPointStatusUpdateRequest(quint8 first, quint8 panel, quint8 second)
{
    SC_PointStatusUpdateRequestPkt request(first, panel, second, headerLayout());
    sendPacket(request);
}

void SyncClient::sendPointInformationRequest(quint8 panel, quint8 channelKind, quint8 channelAddress,
                                             quint8 channelNumber)
{
    SC_PointInformationPacket request(panel, channelKind, channelAddress, channelNumber, headerLayout());
    sendPacket(request);
}

void SyncClient::sendPointInformationRequestExt(quint8 panel, quint8 channelKind, quint8 channelAddress,
                                                quint8 channelNumber, quint8 point)
{
    SC_PointInformationPacket request(panel, channelKind, channelAddress, channelNumber, point, headerLayout());
    sendPacket(request);
}

void SyncClient::sendPointInformationRequestFor(const SimplePointInfo &point)
{
    sendPointInformationRequestExt(point.panel, point.channelKind, point.channelAddress, point.channelNumber,
                                   point.point);
}

void SyncClient::sendNextPointInformationRequest(quint8 panel, quint16 cursor)
{
    SC_NextPointInformationPacket request(panel, cursor, headerLayout());
    sendPacket(request);
}

void SyncClient::sendPointTextRequest(quint32 pointAddress, int language)
{
    const quint8 panel = quint8(pointAddress >> 24);
    const quint8 channelByte = quint8(pointAddress >> 16);
    const quint8 channelAddress = quint8(pointAddress >> 8);
    const quint8 point = quint8(pointAddress);
    const ChannelAddress channel(channelByte, channelAddress);
    SC_ManualTextRequest first(panel, channel.kind(), channel.address(), channel.number(), point, language,
                               headerLayout());
    sendPacket(first);
    if (TeskGlobalConfig::instance()->getLangUsage() & SingleLanguageOnly)
        return;
    SC_ManualTextRequest other(panel, channel.kind(), channel.address(), channel.number(), point, language == 1 ? 2 : 1,
                               headerLayout());
    sendPacket(other);
}

void SyncClient::sendZoneTextRequest(quint8 panel, quint8 zone, int language)
{
    SC_ManualTextRequest first(panel, zone, language, headerLayout());
    sendPacket(first);
    if (TeskGlobalConfig::instance()->getLangUsage() & SingleLanguageOnly)
        return;
    SC_ManualTextRequest other(panel, zone, language == 1 ? 2 : 1, headerLayout());
    sendPacket(other);
}

void SyncClient::sendRbusCommsStatsRequest(quint8 panel, quint8 node, bool reset)
{
    SC_RequestDiagnosticsPkt request(SC_RequestDiagnosticsPkt::RbusCommsStats, panel, node, reset, headerLayout());
    sendPacket(request);
}

void SyncClient::sendFlashInfoRequest(quint8 panel)
{
    SC_RequestDiagnosticsPkt request(SC_RequestDiagnosticsPkt::FlashInfo, panel, 0, false, headerLayout());
    sendPacket(request);
}

void SyncClient::sendConnectedServicesRequest(quint8 panel, quint8 request)
{
    SC_RequestConnectedServicesPkt packet(panel, request, headerLayout());
    sendPacket(packet);
}

void SyncClient::sendNetworkFaultRequest(quint8 node, quint8 kind)
{
    const int layout = headerLayout();
    if (layout == 1) {
        SC_NetworkFaultRequestPkt request(layout, node, kind);
        sendPacket(request);
    } else {
        SC_LegacyNetworkFaultRequestPkt request(layout, node);
        sendPacket(request);
    }
}

void SyncClient::sendPrintReportPointDisabled(quint8 parameter, quint8 selection)
{
    SC_PrintReportPointDisabledPkt request(selection, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportPointsUntestedFailed(quint8 parameter)
{
    SC_PrintReportPointsUntestedFailedPkt request(printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportForcedPoints(quint8 parameter, quint8 kind)
{
    SC_PrintReportForcedPointsPkt request(kind, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportAnalogValues(quint8 parameter, quint8 channelKind, quint8 channelAddress, quint8 first,
                                             quint8 second)
{
    SC_PrintReportAnalogValuesPkt request(channelKind, channelAddress, first, second, 0, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportActiveFaults(quint8 parameter, quint8 filter)
{
    SC_PrintReportActiveFaultsPkt request(filter, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportLoopPointCounters(quint8 parameter, quint8 loop, quint8 option)
{
    SC_PrintReportLoopPointCountersPkt request(loop, option, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportActivePoints(quint8 parameter, quint8 reportCode, quint8 selection, quint8 listKind,
                                             quint8 state, quint8 forced)
{
    SC_PrintReportActivePointsPkt request(reportCode, selection, listKind, state, forced, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportDeviceDates(quint8 parameter, quint8 selection, quint8 dateFilter)
{
    SC_PrintReportDeviceDatesPkt request(selection, dateFilter, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportNetworkDetails(quint8 parameter)
{
    SC_PrintReportNetworkDetailsPkt request(printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportSoundersRSM(quint8 parameter, quint8 channelKind, quint8 channelAddress,
                                            quint8 listKind)
{
    SC_PrintReportSoundersRSMPkt request(channelKind, channelAddress, {{0, 255, 0, 255, listKind}},
                                         printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportSerialNumbers(quint8 parameter, quint8 channelKind, quint8 channelAddress,
                                              quint8 mismatchedOnly)
{
    SC_PrintReportSerialNumbers request(channelKind, channelAddress, {{0, 255, 0, 255, mismatchedOnly}},
                                        printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::sendPrintReportCommsStats(quint8 parameter, quint8 kind, quint8 node)
{
    SC_PrintReportCommsStats request(kind, node, printerTarget(parameter));
    sendPacket(request);
}

void SyncClient::recordLoopState(quint8 panel, quint8 loop, int state)
{
    m_loopStates[panel][loop] = state;
}

void SyncClient::clearLoopStates(quint8 panel)
{
    m_loopStates.remove(panel);
}

int SyncClient::loopState(quint8 panel, quint8 loop) const
{
    return m_loopStates.value(panel).value(loop, -1);
}

void SyncClient::applyLoopDisableFlags(quint8 panel, const QString &flags)
{
    const QHash<quint8, int> loops = m_loopStates.take(panel);
    for (auto loop = loops.cbegin(); loop != loops.cend(); ++loop) {
        if (loop.key() >= flags.size()) {
            qWarning() << "SyncClient::applyLoopDisableFlags"
                       << " No state for loop" << loop.key() << "of panel" << panel;
            continue;
        }
        const QChar state = flags.at(loop.key());
        if (loop.value() == LoopShutdown && state == QLatin1Char('1'))
            sendLoopDisablement(loop.key(), panel, true);
        else if (loop.value() == LoopRestart && state == QLatin1Char('0'))
            sendLoopDisablement(loop.key(), panel, false);
    }
}

void SyncClient::emitAcknowledgementStatus(eAckResponse status)
{
    emit acknowledgementStatus(status);
}

void SyncClient::emitLoopScanCompleted(TC::channelAddressNumerical_t loop, bool completed)
{
    emit loopScanCompleted(loop, completed);
}

void SyncClient::emitServiceToolStatusUpdateReceived()
{
    emit serviceToolStatusUpdateReceived();
}
