#pragma once

#include "LkSpeakCodec.h"
#include "SiteConfiguration.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QVector>

#include <optional>

class CommandInterpreter;
class Controller;

// The controller's event log and its event-log service. Raised events are
// logged and, while the engine is connected, sent to it live; once the
// controller has asked for acknowledgements (type 15) each live event must
// come back acknowledged, in order, before it counts as delivered. A
// historic client that registers gets the whole log, then the end of the
// transfer (type 12). The engine's acceptances are answered with the
// log-manager's accepted-events packet. Everything it sees is reported as
// "eventlog ..." lines; anything the engine gets wrong as "eventlog fault".
class EventLogService final : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 LiveClient = 1;
    static constexpr quint16 FirstHistoricClient = 0x100;

    enum class Kind { Fire, Fault, Disablement, Restoral };

    EventLogService(Controller &controller, QObject *parent = nullptr);

    void registerCommands(CommandInterpreter &interpreter);

    // Count events of a kind on a panel's points; a restoral restores the
    // latest event still active. False when the panel has no points.
    bool raise(Kind kind, int count, quint8 panel);
    // A fire, fault or disablement on one configured point, as a controller
    // shows it: the live event, the panel's counts and, for a fire, the
    // high-priority statuses and the fire outputs. False when the site has
    // no such point.
    bool raiseOnPoint(Kind kind, quint8 panel, quint8 loop, quint8 point);
    // The panel's fire reset: the reset event with the panel's reset code,
    // its fire statuses, counts and outputs cleared. False for a panel the
    // site does not have.
    bool resetPanel(quint8 panel);
    void enableAcknowledgements();
    // Sends again every live event the engine has not acknowledged.
    void resendUnacknowledged();
    // Another panel accepted the event: the log manager tells the engine.
    bool acceptRemotely(quint16 seqNo);
    QString status() const;

signals:
    void reported(const QString &line);

private:
    struct Event
    {
        quint8 node = 0;
        quint8 loop = 0;
        quint8 point = 0;
        quint8 logicalPoint = 0;
        quint8 zone = 0;
        quint8 deviceType = 0;
        quint16 eventCode = 0;
        quint16 seqNo = 0;
        quint32 time = 0;
        quint8 priority = 0;
        quint8 category = 0;
        quint8 status = 0;
        quint8 accept = 3;
    };
    struct Delivery
    {
        int index;
        quint16 seqNo;
        LkHeader request;
        qint64 sentNs = 0;
    };

    void command(const QStringList &arguments);
    void pointCommand(const QStringList &arguments);
    // Logs the event with the next sequence number and sends it live.
    void record(Event event);
    QVector<QPair<quint8, SitePoint>> panelPoints(quint8 panel) const;
    void setPoint(quint8 panel, const QPair<quint8, SitePoint> &point, Event &event) const;
    void onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message);
    void onAck(const QVariantMap &fields, const LkMessage &message);
    void onDataAck(const QVariantMap &fields, const LkMessage &message);
    void onRegistration(const QVariantMap &fields, const LkMessage &message);
    void onDeRegistration(const QVariantMap &fields, const LkMessage &message);
    void onAccept(const QVariantMap &fields, const LkMessage &message);
    void sendHistoricLog();
    void endTransferWhenAcknowledged();
    LkHeader sendEvent(int index, quint16 client);
    void sendAck(quint16 client, quint16 sequence, quint8 status, quint8 type);
    void replyAck(const LkMessage &request, quint16 client, quint8 status, quint8 type);
    void sendAccepted(const Event &event);
    void fault(const QString &what);

    Controller &m_controller;
    QVector<Event> m_log;
    QList<int> m_active;
    quint16 m_nextSeqNo = 1;
    int m_nextPoint = 0;
    bool m_acknowledging = false;
    QList<Delivery> m_liveUnacknowledged;
    int m_liveSent = 0;
    int m_liveAcknowledged = 0;
    // Each live event's time from its sending to its acknowledgement is
    // reported ("eventlog latency"), and a batch's from the first event sent
    // while none was awaited to the acknowledgement that leaves none
    // awaited ("eventlog timing live").
    QElapsedTimer m_clock;
    qint64 m_liveBatchStartNs = 0;
    int m_liveBatch = 0;
    quint16 m_nextHistoricClient = FirstHistoricClient;
    std::optional<quint16> m_historicClient;
    bool m_transferring = false;
    QList<Delivery> m_historicUnacknowledged;
    int m_historicSent = 0;
    int m_historicAcknowledged = 0;
    quint16 m_nextReference = 1;
    QList<quint16> m_referencesAwaited;
    int m_faults = 0;
};
