#pragma once

#include "core/BucketCmd.h"
#include "core/SC_Singleton.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TCTypes.h"
#include "link/AckResponse.h"
#include "link/DisablementFunctionID.h"
#include "link/HighPriorityStatus.h"
#include "link/LoopShutdownRestartReply.h"
#include "link/PanelUpdateTypes.h"
#include "link/PointValueDetails.h"
#include "link/SimplePointInfo.h"
#include "link/StandardReplyStatus.h"
#include "link/SyncPacket.h"
#include "link/sc_syncPages.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

class BucketMaster;
class SC_LkSpeakBasePacket;
class SC_LinkLayer;
class SC_PacketBuffer;
class SC_PacketHandler;
class SC_ReceiveBacklog;
class SC_WarningSummary;
class SC_PointsIndividual;
class SC_PointsWildCard;
class SC_Timer;
class SC_SupervisionPacket;
class SC_TESKSupportPacket;
class sc_LkEventLog;
class sc_LkLogManagerServices;
class sc_LkPointManagerServices;

// The engine's client of the controller's protocol, on the GUI thread:
// receives the link layer's packets and dispatches them by function code
// through SC_DispatchTable, follows the link state, and is the one object
// through which the rest of the engine talks to the controller.
class SyncClient final
    : public QObject
    , public EventLog::HighPriorityStatus
    , public SC_Singleton<SyncClient>
{
    Q_OBJECT

public:
    static constexpr quint8 LkSpeakChannel = 1;
    static constexpr int PersistenceIntervalMs = 14400000;

    ~SyncClient() override;

    void emitBucketCommand(const BucketCmd &command);
    // The store lies below the link and knows nothing of it: whoever starts
    // the link hands it the store that the pages fill.
    void feedStateStore(BucketMaster *store);

    // The handlers are not owned; a later registration under an id replaces
    // the earlier one.
    void registerPacketHandler(SC_PacketHandler *handler);
    void registerPacketHandlerAs(int pageId, SC_PacketHandler *handler);
    SC_PacketHandler *packetHandler(int pageId) const;
    sc_syncPages &syncPages() { return m_syncPages; }

    QString localAddress() const;
    QString peerAddress() const;
    QString localMac() const;
    QString peerMac() const;

    bool isConfigurationPending() const { return m_configurationPending; }
    void setConfigurationPending(bool pending) { m_configurationPending = pending; }
    QByteArray connectionKey() const { return m_connectionKey; }
    void setConnectionKey(quint8 count, const QByteArray &bytes);

    // Synchronising status icon off when compatible; the incompatibility
    // icon flashes while it is set.
    void setCompatibilityFlag(bool compatible);
    bool compatibilityFlag() const { return m_compatible; }

    // The status icons, banner, fire, fault and walk-test state from the
    // panel's status word and footer flags.
    void applyHighPriorityStatus(quint32 statusFlags, quint32 footerFlags) override;
    void notifyWalkTestUpdated();

    bool isLinkUp() const { return m_linkUp; }
    quint8 linkStatus() const { return m_linkStatus; }

    // The service clients, owned here.
    sc_LkEventLog *getEventLog() const { return m_eventLog; }
    sc_LkLogManagerServices *getLogManagerServices() const { return m_logManagerServices; }
    sc_LkPointManagerServices *getPointManagerServices() const { return m_pointManagerServices; }
    // Whether the controller wants its events acknowledged (it says so with
    // an event-log acknowledgement of type 15).
    bool isEventAckEnabled() const { return m_eventAckEnabled; }
    void setEventAckEnabled(bool enabled) { m_eventAckEnabled = enabled; }

    void initPersistence();
    void stopPersistenceTimer();

    // Packets and link state from the link layer, packets to send to it;
    // queued when the link layer lives on the link thread.
    void connectLinkLayer(SC_LinkLayer *link);

    // One LkSpeak packet. A live event in it waits for the end of the read
    // when it comes in one (ReceivedPackets); alone, it is stored and
    // acknowledged before this returns.
    void RxLkSpeak(const SyncPacket &packet);
    void sendRawPacket(quint8 channel, const QByteArray &bytes);
    // Serialises a request and sends its bytes on the LkSpeak channel.
    void sendPacket(SC_LkSpeakBasePacket &packet);

    // The panel update dialogue: the sites, a site's panels, an update of
    // one panel, its progress, its confirmation or abandonment, and the
    // path of a digital enrolment file.
    void sendSiteListRequest();
    void sendProjectDetailsRequest(const QString &site);
    void sendUpdateRequest(quint8 panel, const QString &site, quint16 operations);
    void sendPanelUpdateRequest();
    void sendUpdateProcessControl(quint8 control);
    void sendDigitalEnrolmentFileRequest(const QString &file, quint8 value);
    // Answers a received support packet on its sender's addressing.
    void sendAcknowledgement(const SC_LkSpeakBasePacket &request, quint8 answer);
    void sendSupervisionReply(SC_SupervisionPacket *answer);

    // Commands to the controller. Each builds its request in the header
    // layout in force at the call, sends it and returns; an answer, where
    // one comes, arrives later as a signal. Destination 0 is the local
    // controller.

    // A pulse of one of this panel's virtual inputs (active, then inactive,
    // acknowledged), or one change to a value. Nothing is sent for an input
    // the configuration does not have.
    void sendInputPointChange(quint8 group, quint8 input);
    void sendInputPointChangeValue(quint8 group, quint8 input, bool on);
    void sendDayNightMode(bool day);
    void sendKeyDepotTest();
    void sendKeyDepotReset();

    // Point lists go in as many packets as they need, in order.
    void sendForcePoints(quint8 action, const SC_PointsIndividual &points);
    void sendForcePointsAction(quint8 action, const SC_PointsIndividual &points);
    void sendBasicPointCommand(const SC_PointsIndividual &points, quint8 command, bool acknowledgeRequest);
    // Each packet is numbered from the first sequence byte on (0 is never
    // used) and announced by disablementSent before it leaves; returns the
    // sequence byte for the caller's next disablement. An empty individual
    // list sends nothing.
    quint8 sendDisablePoints(quint8 kind, DisablementFunctionID function, const SC_PointsIndividual &points,
                             quint8 firstSequence);
    quint8 sendDisableWildCard(quint8 kind, DisablementFunctionID function, const SC_PointsWildCard &points,
                               quint8 firstSequence);
    // Every configured point of the loop, disabled or enabled.
    void sendLoopDisablement(quint8 loop, quint8 panel, bool disable);
    void sendStartWalktest(quint8 mode, const SC_PointsWildCard &scope);
    void sendStopWalktest(quint8 first, quint8 second);
    void sendLoopPointCountersSnapshotRequest(quint8 first, quint8 second);
    void sendServiceToolCommand(quint8 command, quint8 argument, bool acknowledgeRequest);
    void sendSetTimeDate(quint32 panelTime);

    void sendRestartPanelRequest(quint8 panel);
    void sendLoopShutdownRestartRequest(quint8 panel, quint8 loop, quint8 restart);
    // Remember the request, so the loop's points follow once the
    // commissioning page reports the loop's new state.
    void requestLoopShutdown(quint8 panel, quint8 loop);
    void requestLoopRestart(quint8 panel, quint8 loop);
    void sendFastFaultModeRequest(quint8 panel, quint8 mode);
    void sendPointStatusUpdateRequest(quint8 first, quint8 panel, quint8 second);

    // The first point of a channel, or one point; answered by
    // PointInformationValues.
    void sendPointInformationRequest(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber);
    void sendPointInformationRequestExt(quint8 panel, quint8 channelKind, quint8 channelAddress, quint8 channelNumber,
                                        quint8 point);
    void sendPointInformationRequestFor(const SimplePointInfo &point);
    void sendNextPointInformationRequest(quint8 panel, quint16 cursor);
    // The point address is panel, channel byte, channel address and point
    // from the high byte down. Asks for the other language too unless the
    // panel uses one language only.
    void sendPointTextRequest(quint32 pointAddress, int language);
    void sendZoneTextRequest(quint8 panel, quint8 zone, int language);

    void sendRbusCommsStatsRequest(quint8 panel, quint8 node, bool reset);
    void sendFlashInfoRequest(quint8 panel);
    void sendConnectedServicesRequest(quint8 panel, quint8 request);
    void sendNetworkFaultRequest(quint8 node, quint8 kind);

    // Reports printed by the controller on the printer the user chose. The
    // first argument of each is the report's parameter (the panel, as a
    // rule).
    void sendPrintReportPointDisabled(quint8 parameter, quint8 selection);
    void sendPrintReportPointsUntestedFailed(quint8 parameter);
    void sendPrintReportForcedPoints(quint8 parameter, quint8 kind);
    void sendPrintReportAnalogValues(quint8 parameter, quint8 channelKind, quint8 channelAddress, quint8 first,
                                     quint8 second);
    void sendPrintReportActiveFaults(quint8 parameter, quint8 filter);
    void sendPrintReportLoopPointCounters(quint8 parameter, quint8 loop, quint8 option);
    void sendPrintReportActivePoints(quint8 parameter, quint8 reportCode, quint8 selection, quint8 listKind,
                                     quint8 state, quint8 forced);
    void sendPrintReportDeviceDates(quint8 parameter, quint8 selection, quint8 dateFilter);
    void sendPrintReportNetworkDetails(quint8 parameter);
    void sendPrintReportSoundersRSM(quint8 parameter, quint8 channelKind, quint8 channelAddress, quint8 listKind);
    void sendPrintReportSerialNumbers(quint8 parameter, quint8 channelKind, quint8 channelAddress,
                                      quint8 mismatchedOnly);
    void sendPrintReportCommsStats(quint8 parameter, quint8 kind, quint8 node);

    // Loops whose shutdown (0) or restart (1) was asked for and not settled.
    void recordLoopState(quint8 panel, quint8 loop, int state);
    void clearLoopStates(quint8 panel);
    int loopState(quint8 panel, quint8 loop) const;
    // The loops' states as the commissioning page reports them, '1' for
    // shut down, loop 1 at position 1: a loop that reached the state asked
    // for has its points disabled or enabled to match.
    void applyLoopDisableFlags(quint8 panel, const QString &flags);

    void emitAcknowledgementStatus(eAckResponse status);
    void emitLoopScanCompleted(TC::channelAddressNumerical_t loop, bool completed);
    void emitServiceToolStatusUpdateReceived();

signals:
    void BucketCommand(BucketCmd command);
    void SendPacket(quint8 channel, QByteArray bytes);
    void SendACKPacket(quint8 channel, QByteArray bytes);
    void disconnected();
    void reconnected();
    void updateEnetConnectedToPanel(bool connected);
    void reconnectedInStartup();
    void panelReadyForAuthentication();
    void SupervisionRequest(SC_TESKSupportPacket *request);
    // The controller's answer to a log-on or log-off: the user now logged
    // on (255 for nobody) and the user's level.
    void permissionsUpdate(quint8 userId, quint8 userLevel);
    void acknowledgementStatus(eAckResponse status);
    void loginRequestSent();
    void walkTestUpdatedReceived();
    void compatibilityUpdated(bool compatible);

    // Answers to commands.
    void disablementSent(quint8 sequence, quint16 points, DisablementFunctionID function);
    void PointCommandReply(quint8 sequence, quint16 first, quint16 completed, quint16 deferred);
    void PointInformationValues(SimplePointInfo point, PointValueDetails values, quint8 replyStatus);
    void lkSpeakStandardPktReply(eStandardReplyStatus status, int value);
    // The reply is valid while the signal is being emitted only.
    void loopShutdownRestartPktReply(LoopShutdownRestartReply &reply);
    void pointStringUpdated(TC::panel_t panel);
    void AdvancedStatsRbusCommsReply(TC::panel_t panel, TC::channelAddressNumerical_t node, quint32 c1, quint32 c2,
                                     quint32 c3, quint32 c4, quint32 c5, quint32 c6, quint32 c7, quint32 c8, quint32 c9,
                                     quint32 c10, quint32 c11, quint32 c12);
    void AdvancedStatsFlashInfoReply(TC::panel_t panel, quint32 first, quint32 second);
    void ConnectedServicesReply(TC::panel_t panel, TC::cs_configuration configuration, TC::cs_state firstState,
                                quint16 firstValue1, quint16 firstValue2, TC::cs_state secondState,
                                quint16 secondValue1, quint16 secondValue2);
    void loopScanCompleted(TC::channelAddressNumerical_t loop, bool completed);
    void serviceToolStatusUpdateReceived();

    // The panel update dialogue's answers.
    void siteListReply(TESK_CONTEXT::ePanelUpdateErrorCodes error, QVector<LkSpeak::SiteListData> sites);
    void projectDetailsReply(TESK_CONTEXT::ePanelUpdateErrorCodes error, LkSpeak::panelDataMap_t panels);
    void panelUpdateReply(TESK_CONTEXT::ePanelUpdateErrorCodes status);
    void panelUpdateOverviewReply(LkSpeak::PanelUpdateOverview overview);
    void digitalEnrolmentFilePathReply(TESK_CONTEXT::ePanelUpdateErrorCodes error, QString path);

    // The connected link layer's receive backlog is below its limit again.
    void receiveBacklogDrained();

public slots:
    // The packets of one read of the link, in order; the live events among
    // them are stored in one transaction and acknowledged after it.
    void ReceivedPackets(QVector<SyncPacket> packets);
    // A read of one packet.
    void ReceivedPacket(SyncPacket packet);
    void PersistenceTimeout();
    void LinkStatus(bool up, quint8 status);
    void setLinkAddresses(QString localAddress, QString peerAddress, QString localMac);
    void clearSyncPageSignature(SC_SyncPageIDS::eSyncPageInformationIDs pageId);
    // The user text must be a number from 01 to 99 (two characters) and the
    // passcode at most 19 characters; otherwise nothing is sent.
    void login(QString user, QString passcode);
    void logout();
    void sendSyncCompletePulse();
    // Starts the historic synchronisation anew over an empty log and asks
    // the controller for its events again.
    void clearEventLogAndRequestReSync();
    // Starts the historic synchronisation anew, keeping the log.
    void restartHistoricLog();

    // Operator actions sent as virtual input changes.
    void selfTest(bool start);
    void evacuate();
    void soundersOnOff();
    void swissAlarmAcknowledge();
    void setInvestigateDelay();
    void setLogSyncFault();
    void setFireTestMode();
    void sendUser2ButtonPressed();
    void setSilenceResoundSounders();
    void setSilenceBuzzer();
    void fireResetSlot();
    void keyswitchUpdateSlot(bool on);
    void usbStickUpdateSlot(bool inserted);
    void swissSilenceUpdateSlot(bool on);
    void swissResetUpdateSlot(bool on);
    void swissKeyswitchUpdateSlot(bool on);
    void powerStatusUpdateSlot(uint status);

private:
    friend class SC_Singleton<SyncClient>;

    SyncClient();

    void linkStateChanged(bool up, quint8 status);
    void writeLinkStatusKey();
    void replaceHistoricSynchronizer();

    // Sends the packets that makePacket(start) builds until a packet's list
    // is done.
    template <typename MakePacket> void sendPointList(MakePacket makePacket);
    template <class List>
    quint8 sendDisablement(quint8 kind, DisablementFunctionID function, const List &points, quint8 firstSequence);
    void sendSwissInput(quint8 input, bool on);
    void sendInputChange(quint8 group, quint8 input, bool pulse, bool on);

    sc_LkEventLog *m_eventLog;
    sc_LkPointManagerServices *m_pointManagerServices;
    sc_LkLogManagerServices *m_logManagerServices;
    bool m_eventAckEnabled = false;

    QMap<int, SC_PacketHandler *> m_packetHandlers;
    bool m_linkUp = false;
    quint8 m_linkStatus = 0;
    SC_Timer *m_persistenceTimer;
    sc_syncPages m_syncPages;
    bool m_faultActive = false;
    bool m_walkTestActive = false;
    bool m_compatible = false;
    bool m_configurationPending = true;
    QByteArray m_connectionKey;
    // Panel -> loop -> requested state.
    QHash<quint8, QHash<quint8, int>> m_loopStates;
    std::shared_ptr<SC_ReceiveBacklog> m_receiveBacklog;
    SC_WarningSummary *m_receiveWarnings;

    // Set through a queued call when a controller connects on the link thread.
    QString m_localAddress = QStringLiteral("-");
    QString m_peerAddress = QStringLiteral("-");
    QString m_localMac;
    QString m_peerMac;
};
