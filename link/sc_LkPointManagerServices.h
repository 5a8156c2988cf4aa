#pragma once

#include "core/TCTypes.h"
#include "link/PointManagerServices.h"
#include "link/SyncPacket.h"
#include "link/packets/SC_PointManagerSinglePollReplyPkt.h"
#include "paneldata/ModifiedPointEntry.h"

#include <QBitArray>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QVector>

class SC_LkSpeakBasePacket;
class SC_ManualStatusReplyPkt;
class SC_Timer;
class SyncClient;

// The engine's client of the controller's point-manager service (function
// code 183): per-panel test and service modes, infrared link mode, single
// device polling, address change, real-device check, loop calibration,
// point log records, serialisation and digital enrolment, and the upload of
// the point settings changed on the engine. Requests leave through
// SendPacket (the manual update's records through the protocol client);
// the replies, dispatched by sub-code, come back as this object's signals.
//
// The manual point update goes panel by panel: each record waits for an
// accepted status reply before the next; after the last one a commit; the
// controller then reports the commit taken (result 3) and the panel done
// (result 4 also asks for the panel's restart). A rejected step, or no
// reply within UploadReplyTimeoutMs, ends the upload with
// pointsSettingComplete(false).
class sc_LkPointManagerServices final : public QObject
{
    Q_OBJECT

public:
    static constexpr int UploadReplyTimeoutMs = 30000;
    // Panels 0 to 99; a later pending panel outside is skipped.
    static constexpr quint8 PanelLimit = 100;

    enum UploadState : int { SendingRecords = 0, LastRecordSent = 1, CommitSent = 2, CommitAccepted = 3 };

    sc_LkPointManagerServices(SyncClient *client, QObject *parent);

    void sendRateOfRiseMode(quint8 panel, quint8 value);
    void sendFastLogicMode(quint8 panel, quint8 value);
    void sendDevicePowerUpWarningMode(quint8 panel, quint8 value);
    void sendNoisyDeviceMode(quint8 panel, quint8 value);
    void sendSounderRSMTestMode(quint8 panel, quint8 value);
    void sendInhibitLoopNoResponsesMode(quint8 panel, quint8 value);
    void sendPollAddress255Mode(quint8 panel, quint8 value);
    void sendDisableNonLEDOutputsMode(quint8 panel, quint8 value);

    // Loop 255 is every loop.
    void setIRLinkMode(quint8 panel, quint8 loop);
    void clearIRLinkMode(quint8 panel, quint8 loop);
    void sendIRLinkMode(int mode, quint8 panel, quint8 loop, bool allLoops);

    // Command 0 starts polling the device, 1 stops it.
    void sendSinglePollCommand(int command, quint8 panel, quint8 loop, quint8 point, bool ack);
    void sendSinglePollRequest(int subCode, quint8 panel, quint8 loop, quint8 point, bool ack);
    void sendRealDevicePresentRequest(quint8 panel, quint8 loop, quint8 point);
    void sendChangeAddress(quint8 panel, quint8 loop, quint8 currentPoint, quint8 newPoint);
    void sendCalibrateLoops(quint8 panel, quint8 mode, quint8 count, const QByteArray &loops);
    // Only to a network of this engine's connection (node numbers from the
    // controller); the reply is labelled with the panel of the latest
    // request.
    void sendPointLogRecordRequest(quint8 panel, quint8 record);
    quint8 pointLogPanel() const { return m_pointLogPanel; }

    void sendSerialisationInitiate(int fromFile, const QString &fileName, quint8 panel, const QBitArray &loops);
    void sendSerialisationStatusRequest(int fromFile, quint8 panel, const QBitArray &loops);
    void sendSerialisationSummaryRequest(int fromFile, quint8 panel, quint8 loop);
    void sendSerialisationLoopSet(int fromFile, quint8 panel, const QString &text);

    // Uploads the modified-points cache; false when it holds nothing.
    bool startSendingModifiedPoints();
    void handleManualStatusReply(const SC_ManualStatusReplyPkt &reply);
    bool isUploading() const { return m_uploading; }
    int uploadState() const { return m_uploadState; }
    quint8 currentPanel() const { return m_currentPanel; }
    quint16 updateId() const { return m_updateId; }
    quint16 recordNumber() const { return m_recordNumber; }

signals:
    void autoconfigurationPacketReceived(SyncPacket &packet);
    void loopInterrogationResultsRecordPacketReceived(SyncPacket &packet);
    void singlePollReplyReceived(SC_PointManagerSinglePollReplyPkt::SinglePollReplyType type,
                                 LkSpeak::PointManagerServices::SinglePollReplyCommandStatus cmdStatus,
                                 TC::panel_t panel, TC::channelAddress_t loop);
    void SerialisationEnquiryResponse(TC::panel_t panel,
                                      LkSpeak::PointManagerServices::eSerialisationServiceStatus serviceStatus,
                                      QBitArray configuredLoops, QBitArray loopsSupportingSerialisation,
                                      QBitArray loopsWithPoints, QBitArray loopsWithSN, QBitArray incompleteLoops);
    void SerialisationInitiateResponse(TC::panel_t panel,
                                       LkSpeak::PointManagerServices::eSerialisationInitiateStatus initiateStatus,
                                       LkSpeak::PointManagerServices::eSerialisationFromFileErrorStatus fromFileStatus,
                                       quint32 initiatedDateTime, QBitArray initiatedLoops);
    void
    SerialisationStatusResponse(TC::panel_t panel,
                                QVector<LkSpeak::PointManagerServices::SerialisationServiceStatus> serialisationStatus);
    void SerialisationSummaryResponse(TC::panel_t panel, TC::channelAddressNumerical_t loop,
                                      LkSpeak::PointManagerServices::eSerialisationStatus summaryStatus,
                                      LkSpeak::PointManagerServices::eSerialisationProgress summaryProgress,
                                      quint32 initiatedDateTime, quint8 basePointcount, quint8 requestedCount,
                                      quint8 successCount, quint8 snUnavailableCount, quint8 alreadyCorrectCount,
                                      quint8 alreadyIncorrectCount, quint8 noResponseCount, quint8 initialisingCount,
                                      quint8 fileSchemaErrorCount, quint8 fileDBErrorCount);
    void SerialisationDetailedResponse(TC::panel_t panel, TC::channelAddressNumerical_t loop,
                                       LkSpeak::PointManagerServices::eSerialisationInformationType detailedInfoID,
                                       quint32 initiatedDateTime, quint16 nbrBitsTrue, QBitArray points);
    void digitalEnrolmentLoopSetReply(LkSpeak::PointManagerServices::eSerialisationFromFileErrorStatus m_loopSetStatus,
                                      QBitArray m_availableLoopBitmap);
    void digitalEnrolmentUnknownReplyTypeResponse(LkSpeak::PointManagerServices::eSerialisationReplyType type);
    void pointsSettingComplete(bool ifOk);
    void realDevicePresentRequestComplete(bool ok);
    void realDevicePresentProcessDeviceId(bool result, TC::device_t deviceId, TC::point_t point);
    void changeAddressRequestComplete(bool ok);
    void pointLogReplyReceived(TC::panel_t node, TC::pointLogRequestedRecordId_t requestedRecordId,
                               TC::pointLogTotalAvailableRecords_t totalAvailable, TC::pointLogRecordFlag_t recordFlag,
                               TC::sPointLogRecordDetails_t &pointDetails);
    void SendPacket(quint8 protocol, QByteArray pkt);

private:
    void sendMode(LkSpeak::ePointManagerServicesControlID controlId, quint8 panel, quint8 value);
    void emitRequest(SC_LkSpeakBasePacket &packet);

    // The upload, panel by panel.
    bool beginPanel();
    bool sendNextModifiedPointsRecord(bool &sent);
    void sendManualCommitAndComplete(quint8 panel, quint16 updateId, quint16 recordNumber);
    void sendManualAbortUpdate(quint8 panel, quint16 updateId);
    void recordSentOrCommit();
    void finishPanel();
    void endUpload(bool ok);
    void uploadTimedOut();

    SyncClient *m_client;
    quint16 m_recordNumber = 0;
    quint16 m_updateId = 0;
    quint8 m_currentPanel = 255;
    bool m_uploadFailed = false;
    bool m_uploading = false;
    QList<quint8> m_pendingPanels;
    quint8 m_pointLogPanel = 0;
    int m_uploadState = SendingRecords;
    QList<ModifiedPointEntry> m_snapshot;
    SC_Timer *m_replyTimer;
};
