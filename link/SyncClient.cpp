#include "link/SyncClient.h"

#include "app/BucketMaster.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "app/TeskGlobalConfig.h"
#include "app/WalkTestHandler.h"
#include "app/statusIconsController.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogTable.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/SC_DispatchTable.h"
#include "link/SC_LinkLayer.h"
#include "link/SC_PacketBuffer.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "link/packets/SC_InputPointChangeStatusPkt.h"
#include "link/packets/SC_LogOffCurrUserPkt.h"
#include "link/packets/SC_SupervisionPacket.h"
#include "link/packets/SC_ValidateLogOnPkt.h"
#include "link/sc_LkEventLog.h"
#include "link/sc_LkLogManagerServices.h"
#include "paneldata/PointAddressKey.h"
#include "paneldata/SC_PacketHandler.h"
#include "pointmodels/model.h"

#include <QDebug>

SyncClient *SyncClient::s_instance = nullptr;

namespace {

constexpr quint8 ControllerStarting = 1;
constexpr int UserTextLength = 2;
constexpr int MaximumPasscodeLength = 19;
constexpr quint8 PanelInputs = 1;
constexpr quint8 SyncCompleteInput = 16;
// The LED of output point 20 pulses while the link is down.
constexpr int LinkDownLed = 20;
constexpr int LedPulse = 2;

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

SyncClient *SyncClient::instance()
{
    if (!s_instance)
        s_instance = new SyncClient;
    return s_instance;
}

void SyncClient::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

SyncClient::SyncClient()
    : m_eventLog(new sc_LkEventLog(this, this))
    , m_logManagerServices(new sc_LkLogManagerServices(this))
{
    qRegisterMetaType<SyncPacket>("SyncPacket");
    qRegisterMetaType<BucketCmd>("BucketCmd");
    qRegisterMetaType<eAckResponse>("eAckResponse");
    EventLog::HighPriorityStatus::install(this);
}

SyncClient::~SyncClient()
{
    if (EventLog::HighPriorityStatus::installed() == this)
        EventLog::HighPriorityStatus::install(nullptr);
    // A synchroniser talks to this client's event log; it cannot outlive it.
    EventLog::HistoricEventsSynchronizer::destroyInstance();
    m_packetHandlers.clear();
    m_persistenceTimer.stop();
    if (s_instance == this)
        s_instance = nullptr;
}

void SyncClient::emitBucketCommand(const BucketCmd &command)
{
    emit BucketCommand(command);
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
    connect(&m_persistenceTimer, &QTimer::timeout, this, &SyncClient::PersistenceTimeout,
            Qt::UniqueConnection);
    m_persistenceTimer.setInterval(PersistenceIntervalMs);
}

void SyncClient::stopPersistenceTimer()
{
    m_persistenceTimer.stop();
}

void SyncClient::PersistenceTimeout()
{
    BucketMaster::instance()->save();
    if (!m_syncPages.save())
        qWarning() << "SyncClient::PersistenceTimeout" << " Cannot write" << sc_syncPages::FileName;
    EL_EventLogDBbase::instance()->kickOffPersist();
}

void SyncClient::connectLinkLayer(SC_LinkLayer *link)
{
    connect(link, &SC_LinkLayer::Packet, this, &SyncClient::ReceivedPacket);
    connect(link, &SC_LinkLayer::LinkStatus, this, &SyncClient::LinkStatus);
    connect(this, &SyncClient::SendPacket, link, &SC_LinkLayer::Send);
    connect(this, &SyncClient::SendACKPacket, link, &SC_LinkLayer::SendACK);
}

void SyncClient::ReceivedPacket(SyncPacket packet)
{
    if (packet.channel == LkSpeakChannel)
        RxLkSpeak(packet);
}

void SyncClient::RxLkSpeak(const SyncPacket &packet)
{
    const auto buffer = QSharedPointer<SC_PacketBuffer>::create(packet.body);
    if (!buffer->hasWholeHeader()) {
        qWarning().nospace() << "SyncClient::RxLkSpeak" << " Packet of " << packet.body.size()
                   << " bytes is shorter than its header; dropped";
        return;
    }
    const int functionCode = buffer->header().functionCode;
    int subCode = SC_DispatchEntry::WholeFunctionCode;
    if (SC_DispatchTable::hasSubCodes(functionCode)) {
        subCode = buffer->readUInt8();
        buffer->rewind();
        if (buffer->isBad()) {
            qWarning().nospace() << "SyncClient::RxLkSpeak" << " Function code " << functionCode
                       << " without its sub-code; dropped";
            return;
        }
    }
    const SC_DispatchEntry *entry = SC_DispatchTable::find(functionCode, subCode);
    if (!entry) {
        qWarning().nospace() << "SyncClient::RxLkSpeak" << " Unhandled function code " << functionCode
                   << " sub-code " << subCode << "; dropped";
        return;
    }
    if (buffer->payloadLength() < entry->minimumPayload) {
        qWarning().nospace() << "SyncClient::RxLkSpeak" << " Short " << entry->name << " packet ("
                   << buffer->payloadLength() << " payload bytes); dropped";
        return;
    }
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

void SyncClient::sendInputPointChange(quint8 group, quint8 input)
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const quint8 panel = config->getPanelNumber();
    if (model::instance()->pointDeviceType(panel, quint8(config->getInputPointChannel()), group,
                                           quint8(config->getRbusAddress()), input)
        == PointAddressKey::NoDevice)
        return;
    SC_RequestAddress address;
    address.layoutKind = model::instance()->packetHeaderLayout();
    address.destinationNode = panel;
    address.acknowledgeRequest = true;
    SC_InputPointChangeStatusPkt pulse(
        {{group, quint8(input | SC_InputPointChangeStatusPkt::Active)}, {group, input}}, address);
    pulse.serialise();
    sendRawPacket(LkSpeakChannel, pulse.buffer()->getByteArray());
}

void SyncClient::sendSyncCompletePulse()
{
    sendInputPointChange(PanelInputs, SyncCompleteInput);
}

void SyncClient::setCompatibilityFlag(bool compatible)
{
    m_compatible = compatible;
    statusIconsController *icons = statusIconsController::instance();
    if (compatible)
        icons->setStatusIcon(statusIconsController::BusyIcon, false);
    icons->setStatusIconSlowFlash(statusIconsController::IncompatibleIcon, compatible);
    emit compatibilityUpdated(compatible);
}

void SyncClient::applyHighPriorityStatus(quint32 statusFlags, quint32 footerFlags)
{
    statusIconsController *icons = statusIconsController::instance();
    SystemState *state = SystemState::instance(true);
    icons->setFooterIcon(statusIconsController::ExtinguishReleaseIcon, isSet(footerFlags, 0x01));
    icons->setFooterIcon(statusIconsController::ExtinguishFaultIcon, isSet(footerFlags, 0x02));
    icons->setStatusIcon(statusIconsController::CommissioningIcon,
                         isSet(statusFlags, Commissioning) || state->isBuzzerDisabled());
    icons->setStatusIcon(statusIconsController::ServiceIcon, isSet(statusFlags, Service));
    state->setFireActive(isSet(statusFlags, Fire));
    if (isSet(statusFlags, Fault) != m_faultActive) {
        m_faultActive = isSet(statusFlags, Fault);
        state->setFaultActive(m_faultActive);
    }
    if (isSet(statusFlags, WalkTest) != m_walkTestActive) {
        m_walkTestActive = isSet(statusFlags, WalkTest);
        emit walkTestUpdatedReceived();
    }
    TC::BANNER_STATUS banner = TC::BANNER_NORMAL;
    if (isSet(statusFlags, Fire))
        banner = TC::BANNER_FIRE;
    else if (isSet(statusFlags, FaultBanner) || m_linkStatus == ControllerStarting
             || WalkTestHandler::instance()->isWalkTestActive())
        banner = TC::BANNER_FAULT;
    state->setBannerStatus(banner);
    emit icons->UI_Update();
}

void SyncClient::notifyWalkTestUpdated()
{
    SystemState *state = SystemState::instance(true);
    if (state->bannerStatus() == TC::BANNER_NORMAL && WalkTestHandler::instance()->isWalkTestActive())
        state->setBannerStatus(TC::BANNER_FAULT);
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
        SystemState::instance(true)->ledFlasher().setOutputPointState(flasher::RealOutput, LinkDownLed, LedPulse);
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
    qDebug().nospace() << "SyncClient::linkStateChanged" << " link " << (up ? "up" : "down") << " status "
             << status;
    writeLinkStatusKey();
    if (!up || status == ControllerStarting) {
        BucketMaster::instance()->clear(SC_SyncPageIDS::ePanelStatusCounts);
        m_syncPages.clearPage(SC_SyncPageIDS::ePanelStatusCounts);
        SystemState::instance(true)->setFireActive(false);
        emit disconnected();
        if (up)
            emit reconnectedInStartup();
        emit updateEnetConnectedToPanel(up);
        return;
    }
    emit reconnected();
    emit updateEnetConnectedToPanel(true);
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
    emitBucketCommand({BucketCmd::SetValue, 0, QStringLiteral("mstrstat"),
                       QString::number(m_linkStatus)});
}

void SyncClient::login(QString user, QString passcode)
{
    const bool digits = user.size() == UserTextLength && user.at(0).isDigit() && user.at(1).isDigit();
    const int number = digits ? user.toInt() : 0;
    if (number < Security::FirstUser || number > Security::LastUser
        || passcode.size() > MaximumPasscodeLength) {
        qWarning() << "SyncClient::login" << " Log-on not sent: user or passcode not valid";
        return;
    }
    SC_ValidateLogOnPkt request(quint8(number), passcode, model::instance()->packetHeaderLayout());
    request.serialise();
    sendRawPacket(LkSpeakChannel, request.buffer()->getByteArray());
    emit loginRequestSent();
}

void SyncClient::logout()
{
    SC_LogOffCurrUserPkt request(model::instance()->packetHeaderLayout());
    request.serialise();
    sendRawPacket(LkSpeakChannel, request.buffer()->getByteArray());
    SystemState::instance(true)->enableBuzzer();
}
