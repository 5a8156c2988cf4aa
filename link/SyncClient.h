#pragma once

#include "app/BucketCmd.h"
#include "eventlog/HighPriorityStatus.h"
#include "link/AckResponse.h"
#include "link/SyncPacket.h"
#include "paneldata/SC_SyncPageIDS.h"
#include "paneldata/sc_syncPages.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

class SC_LkSpeakBasePacket;
class SC_LinkLayer;
class SC_PacketBuffer;
class SC_PacketHandler;
class SC_SupervisionPacket;
class SC_TESKSupportPacket;
class sc_LkEventLog;
class sc_LkLogManagerServices;

// The engine's client of the controller's protocol, on the GUI thread:
// receives the link layer's packets and dispatches them by function code
// through SC_DispatchTable, follows the link state, and is the one object
// through which the rest of the engine talks to the controller.
class SyncClient final : public QObject, public EventLog::HighPriorityStatus
{
    Q_OBJECT

public:
    static constexpr quint8 LkSpeakChannel = 1;
    static constexpr int PersistenceIntervalMs = 14400000;

    static SyncClient *instance();
    static void destroyInstance();
    ~SyncClient() override;

    void emitBucketCommand(const BucketCmd &command);

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
    // Whether the controller wants its events acknowledged (it says so with
    // an event-log acknowledgement of type 15).
    bool isEventAckEnabled() const { return m_eventAckEnabled; }
    void setEventAckEnabled(bool enabled) { m_eventAckEnabled = enabled; }

    void initPersistence();
    void stopPersistenceTimer();

    // Packets and link state from the link layer, packets to send to it;
    // queued when the link layer lives on the link thread.
    void connectLinkLayer(SC_LinkLayer *link);

    void RxLkSpeak(const SyncPacket &packet);
    void sendRawPacket(quint8 channel, const QByteArray &bytes);
    // Answers a received support packet on its sender's addressing.
    void sendAcknowledgement(const SC_LkSpeakBasePacket &request, quint8 answer);
    // A pulse of one of this panel's virtual inputs: active, then inactive,
    // acknowledgement asked. Nothing is sent for an input the configuration
    // does not have.
    void sendInputPointChange(quint8 group, quint8 input);
    void sendSupervisionReply(SC_SupervisionPacket *answer);

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

public slots:
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

private:
    SyncClient();

    void linkStateChanged(bool up, quint8 status);
    void writeLinkStatusKey();
    void replaceHistoricSynchronizer();

    sc_LkEventLog *m_eventLog;
    sc_LkLogManagerServices *m_logManagerServices;
    bool m_eventAckEnabled = false;

    QMap<int, SC_PacketHandler *> m_packetHandlers;
    bool m_linkUp = false;
    quint8 m_linkStatus = 0;
    QTimer m_persistenceTimer;
    sc_syncPages m_syncPages;
    bool m_faultActive = false;
    bool m_walkTestActive = false;
    bool m_compatible = false;
    bool m_configurationPending = true;
    QByteArray m_connectionKey;

    // Set through a queued call when a controller connects on the link thread.
    QString m_localAddress = QStringLiteral("-");
    QString m_peerAddress = QStringLiteral("-");
    QString m_localMac;
    QString m_peerMac;

    static SyncClient *s_instance;
};
