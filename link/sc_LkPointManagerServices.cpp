#include "link/sc_LkPointManagerServices.h"

#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "link/packets/SC_CalibrateLoopsReqPkt.h"
#include "link/packets/SC_ChangeAddrReqPkt.h"
#include "link/packets/SC_GenericPointManagerServicesPkt.h"
#include "link/packets/SC_ManualAbortUpdatePkt.h"
#include "link/packets/SC_ManualCommitAndCompletePkt.h"
#include "link/packets/SC_ManualPointUpdateRecordPkt.h"
#include "link/packets/SC_ManualStatusReplyPkt.h"
#include "link/packets/SC_PointLogRecordReqPkt.h"
#include "link/packets/SC_PointManagerIRLinkModePkt.h"
#include "link/packets/SC_PointManagerSinglePollPkt.h"
#include "link/packets/SC_RealDevPresentReqPkt.h"
#include "link/packets/SC_SerialisationServiceInitiateReqPkt.h"
#include "link/packets/SC_SerialisationServiceLoopSetReqPkt.h"
#include "link/packets/SC_SerialisationServiceStatusReqPkt.h"
#include "link/packets/SC_SerialisationServiceSummaryReqPkt.h"
#include "paneldata/CachedModifiedPoints.h"
#include "pointmodels/model.h"

#include <QDebug>

namespace {

constexpr quint8 AllLoops = 255;
constexpr int StartPolling = 0;
constexpr int StopPolling = 1;
// Point logs are kept by networks that number this engine's connection.
constexpr int MinimumNetworkNode = 1;
constexpr int MinimumConnectionNode = 4;

int headerLayout()
{
    return TeskGlobalConfig::instance()->packetHeaderLayout();
}

} // namespace

sc_LkPointManagerServices::sc_LkPointManagerServices(SyncClient *client, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_replyTimer(SC_Timer::create(this))
{
    using namespace LkSpeak::PointManagerServices;
    qRegisterMetaType<SC_PointManagerSinglePollReplyPkt::SinglePollReplyType>(
        "SC_PointManagerSinglePollReplyPkt::SinglePollReplyType");
    qRegisterMetaType<SinglePollReplyCommandStatus>("LkSpeak::PointManagerServices::SinglePollReplyCommandStatus");
    qRegisterMetaType<eSerialisationReplyType>("LkSpeak::PointManagerServices::eSerialisationReplyType");
    qRegisterMetaType<eSerialisationInitiateStatus>("LkSpeak::PointManagerServices::eSerialisationInitiateStatus");
    qRegisterMetaType<eSerialisationStatus>("LkSpeak::PointManagerServices::eSerialisationStatus");
    qRegisterMetaType<eSerialisationProgress>("LkSpeak::PointManagerServices::eSerialisationProgress");
    qRegisterMetaType<eSerialisationFromFileErrorStatus>(
        "LkSpeak::PointManagerServices::eSerialisationFromFileErrorStatus");
    qRegisterMetaType<eSerialisationServiceStatus>("LkSpeak::PointManagerServices::eSerialisationServiceStatus");
    qRegisterMetaType<eSerialisationInformationType>("LkSpeak::PointManagerServices::eSerialisationInformationType");
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
    qRegisterMetaType<TC::point_t>("TC::point_t");
    qRegisterMetaType<TC::device_t>("TC::device_t");
    qRegisterMetaType<TC::channelAddress_t>("TC::channelAddress_t");
    qRegisterMetaType<TC::channelAddressNumerical_t>("TC::channelAddressNumerical_t");
    qRegisterMetaType<TC::pointLogRequestedRecordId_t>("TC::pointLogRequestedRecordId_t");
    qRegisterMetaType<TC::pointLogTotalAvailableRecords_t>("TC::pointLogTotalAvailableRecords_t");
    qRegisterMetaType<TC::pointLogRecordFlag_t>("TC::pointLogRecordFlag_t");
    qRegisterMetaType<QVector<SerialisationServiceStatus>>(
        "QVector<LkSpeak::PointManagerServices::SerialisationServiceStatus>");
    m_replyTimer->setSingleShot(true);
    connect(m_replyTimer, &SC_Timer::timeout, this, &sc_LkPointManagerServices::uploadTimedOut);
}

void sc_LkPointManagerServices::emitRequest(SC_LkSpeakBasePacket &packet)
{
    packet.serialise();
    emit SendPacket(SyncClient::LkSpeakChannel, packet.buffer()->getByteArray());
}

void sc_LkPointManagerServices::sendMode(LkSpeak::ePointManagerServicesControlID controlId, quint8 panel, quint8 value)
{
    SC_GenericPointManagerServicesPkt request(controlId, panel, value, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendRateOfRiseMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eRateOfRiseMode, panel, value);
}

void sc_LkPointManagerServices::sendFastLogicMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eFastLogicMode, panel, value);
}

void sc_LkPointManagerServices::sendDevicePowerUpWarningMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eDevicePowerUpWarningMode, panel, value);
}

void sc_LkPointManagerServices::sendNoisyDeviceMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eNoisyDeviceMode, panel, value);
}

void sc_LkPointManagerServices::sendSounderRSMTestMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eSounderRSMTestMode, panel, value);
}

void sc_LkPointManagerServices::sendInhibitLoopNoResponsesMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eInhibitLoopNoResponsesMode, panel, value);
}

void sc_LkPointManagerServices::sendPollAddress255Mode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::ePollAddress255Mode, panel, value);
}

void sc_LkPointManagerServices::sendDisableNonLEDOutputsMode(quint8 panel, quint8 value)
{
    sendMode(LkSpeak::eDisableNonLEDOutputsMode, panel, value);
}

void sc_LkPointManagerServices::setIRLinkMode(quint8 panel, quint8 loop)
{
    sendIRLinkMode(1, panel, loop, loop == AllLoops);
}

void sc_LkPointManagerServices::clearIRLinkMode(quint8 panel, quint8 loop)
{
    sendIRLinkMode(0, panel, loop, loop == AllLoops);
}

void sc_LkPointManagerServices::sendIRLinkMode(int mode, quint8 panel, quint8 loop, bool allLoops)
{
    const quint8 modeByte = mode == 1 || mode == 2 ? quint8(mode) : 0;
    const bool oneLoop = (mode == 0 || mode == 1) && !allLoops;
    SC_PointManagerIRLinkModePkt request(panel, modeByte, oneLoop ? loop : AllLoops, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendSinglePollCommand(int command, quint8 panel, quint8 loop, quint8 point, bool ack)
{
    switch (command) {
    case StartPolling:
        sendSinglePollRequest(SC_PointManagerSinglePollPkt::StartSubCode, panel, loop, point, ack);
        return;
    case StopPolling:
        sendSinglePollRequest(SC_PointManagerSinglePollPkt::StopSubCode, panel, loop, point, ack);
        return;
    default:
        qWarning() << "sc_LkPointManagerServices"
                   << "Unknown SinglePollCommand:" << command;
    }
}

void sc_LkPointManagerServices::sendSinglePollRequest(int subCode, quint8 panel, quint8 loop, quint8 point, bool ack)
{
    SC_PointManagerSinglePollPkt request(subCode, panel, loop, point, ack, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendRealDevicePresentRequest(quint8 panel, quint8 loop, quint8 point)
{
    SC_RealDevPresentReqPkt request(panel, loop, point, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendChangeAddress(quint8 panel, quint8 loop, quint8 currentPoint, quint8 newPoint)
{
    SC_ChangeAddrReqPkt request(panel, loop, currentPoint, newPoint, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendCalibrateLoops(quint8 panel, quint8 mode, quint8 count, const QByteArray &loops)
{
    SC_CalibrateLoopsReqPkt request(panel, mode, count, loops, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendPointLogRecordRequest(quint8 panel, quint8 record)
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    if (config->getNetworkNodeNumber() < MinimumNetworkNode
        || config->getConnectionNodeNumber() < MinimumConnectionNode)
        return;
    m_pointLogPanel = panel;
    SC_PointLogRecordReqPkt request(panel, record, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendSerialisationInitiate(int fromFile, const QString &fileName, quint8 panel,
                                                          const QBitArray &loops)
{
    SC_SerialisationServiceInitiateReqPkt request(fromFile, fileName, panel, loops, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendSerialisationStatusRequest(int fromFile, quint8 panel, const QBitArray &loops)
{
    SC_SerialisationServiceStatusReqPkt request(fromFile, panel, loops, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendSerialisationSummaryRequest(int fromFile, quint8 panel, quint8 loop)
{
    SC_SerialisationServiceSummaryReqPkt request(fromFile, panel, loop, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendSerialisationLoopSet(int fromFile, quint8 panel, const QString &text)
{
    SC_SerialisationServiceLoopSetReqPkt request(fromFile, panel, text, headerLayout());
    emitRequest(request);
}

// The manual point update.

bool sc_LkPointManagerServices::startSendingModifiedPoints()
{
    m_uploadFailed = false;
    if (!CachedModifiedPoints::hasPoints())
        return false;
    m_pendingPanels = CachedModifiedPoints::modifiedPanels();
    CachedModifiedPoints::refreshUploadListSnapshot(m_snapshot);
    if (m_pendingPanels.isEmpty())
        return false;
    m_uploading = true;
    // The first panel goes whatever its number.
    m_currentPanel = m_pendingPanels.takeFirst();
    if (!beginPanel())
        finishPanel();
    return true;
}

// Sends the panel's first record; false when it has none with settings.
bool sc_LkPointManagerServices::beginPanel()
{
    m_recordNumber = 0;
    m_updateId = 0;
    m_uploadState = SendingRecords;
    bool sent = false;
    const bool more = sendNextModifiedPointsRecord(sent);
    if (!sent)
        return false;
    if (!more)
        m_uploadState = LastRecordSent;
    m_replyTimer->start(UploadReplyTimeoutMs);
    return true;
}

// A record without settings is passed over at once: nothing would answer
// it. Its number is used up all the same.
bool sc_LkPointManagerServices::sendNextModifiedPointsRecord(bool &sent)
{
    const quint8 wanted = m_currentPanel;
    bool more = std::any_of(m_snapshot.cbegin(), m_snapshot.cend(),
                            [wanted](const ModifiedPointEntry &entry) { return entry.panel == wanted; });
    sent = false;
    while (more && !sent) {
        quint8 panel = m_currentPanel;
        quint8 loop = 0;
        quint8 point = 0;
        QVector<ModifiedPointSetting> settings;
        more = CachedModifiedPoints::takeNextEntryForPanel(m_snapshot, panel, loop, point, settings);
        if (!settings.isEmpty()) {
            SC_ManualPointUpdateRecordPkt record(m_currentPanel, m_recordNumber, loop, point, settings, headerLayout());
            m_client->sendPacket(record);
            sent = true;
        }
        ++m_recordNumber;
    }
    return more;
}

void sc_LkPointManagerServices::sendManualCommitAndComplete(quint8 panel, quint16 updateId, quint16 recordNumber)
{
    SC_ManualCommitAndCompletePkt request(panel, updateId, recordNumber, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::sendManualAbortUpdate(quint8 panel, quint16 updateId)
{
    SC_ManualAbortUpdatePkt request(panel, updateId, headerLayout());
    emitRequest(request);
}

void sc_LkPointManagerServices::handleManualStatusReply(const SC_ManualStatusReplyPkt &reply)
{
    if (!m_uploading || m_uploadFailed) {
        qDebug() << "sc_LkPointManagerServices::handleManualStatusReply"
                 << "no upload running; reply ignored";
        return;
    }
    if (!reply.isAccepted()) {
        qWarning() << "sc_LkPointManagerServices::handleManualStatusReply"
                   << "panel" << m_currentPanel << "refused: status" << int(reply.status()) << "result"
                   << int(reply.result());
        m_uploadFailed = true;
        if (m_uploadState == LastRecordSent)
            sendManualAbortUpdate(m_currentPanel, m_updateId);
        endUpload(false);
        return;
    }
    if (reply.carriesUpdateId())
        m_updateId = reply.id();
    switch (m_uploadState) {
    case SendingRecords:
        recordSentOrCommit();
        return;
    case LastRecordSent:
        sendManualCommitAndComplete(m_currentPanel, m_updateId, m_recordNumber);
        m_uploadState = CommitSent;
        m_replyTimer->start(UploadReplyTimeoutMs);
        return;
    case CommitSent:
        if (reply.result() == SC_ManualStatusReplyPkt::CommitTaken)
            m_uploadState = CommitAccepted;
        m_replyTimer->start(UploadReplyTimeoutMs);
        return;
    case CommitAccepted:
        if (reply.result() == SC_ManualStatusReplyPkt::PanelRestartNeeded)
            m_client->sendRestartPanelRequest(m_currentPanel);
        finishPanel();
        return;
    default:
        endUpload(false);
    }
}

// The previous record was taken: the next one, or, when only records
// without settings were left, the commit at once.
void sc_LkPointManagerServices::recordSentOrCommit()
{
    bool sent = false;
    const bool more = sendNextModifiedPointsRecord(sent);
    if (!sent) {
        sendManualCommitAndComplete(m_currentPanel, m_updateId, m_recordNumber);
        m_uploadState = CommitSent;
    } else if (!more) {
        m_uploadState = LastRecordSent;
    }
    m_replyTimer->start(UploadReplyTimeoutMs);
}

// On to the next pending panel that is a panel and has something to send;
// with none left the upload is done and the cache emptied.
void sc_LkPointManagerServices::finishPanel()
{
    while (!m_pendingPanels.isEmpty()) {
        m_currentPanel = m_pendingPanels.takeFirst();
        if (m_currentPanel >= PanelLimit) {
            qWarning() << "sc_LkPointManagerServices::finishPanel"
                       << "panel" << m_currentPanel << "skipped";
            continue;
        }
        if (beginPanel())
            return;
    }
    CachedModifiedPoints::instance()->clearCachedList();
    endUpload(true);
}

void sc_LkPointManagerServices::endUpload(bool ok)
{
    m_uploading = false;
    m_replyTimer->stop();
    emit pointsSettingComplete(ok);
}

// No answer: the upload ends as if the step had been refused.
void sc_LkPointManagerServices::uploadTimedOut()
{
    if (!m_uploading)
        return;
    qWarning() << "sc_LkPointManagerServices::uploadTimedOut"
               << "panel" << m_currentPanel << "did not answer within" << UploadReplyTimeoutMs << "ms";
    m_uploadFailed = true;
    if (m_uploadState == LastRecordSent)
        sendManualAbortUpdate(m_currentPanel, m_updateId);
    endUpload(false);
}
