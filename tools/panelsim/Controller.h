#pragma once

#include "LkSpeakCodec.h"
#include "Site.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <optional>

class ControllerLink;
struct LinkFrame;

// The emulated panel controller: keeps the heartbeat, sends requests, and
// checks every answer of the engine against what it asked. Everything it
// sees is reported as one line of text.
class Controller final : public QObject
{
    Q_OBJECT

public:
    Controller(ControllerLink &link, const Site &site, QObject *parent = nullptr);

    const Site &site() const { return m_site; }
    // The site to change: its pages are built again at their next use.
    Site &editSite();
    // The counts and statuses to change; they are not part of the held pages.
    SiteStatus &status() { return m_site.status; }

    // Every heartbeat answer is reported, not only the answers to
    // sendHeartbeat and the ones that change.
    void setVerbose(bool verbose) { m_verbose = verbose; }
    void startHeartbeat(int intervalMs, quint8 status);
    void stopHeartbeat();
    // One heartbeat now, whose answer is reported.
    void sendHeartbeat(quint8 status);
    void sendConnectionRequest();
    void sendSupervisionRequest();
    void sendLkSpeak(int function, const QByteArray &payload);
    // A request to a node; returns its header, so an answer can be checked
    // against it.
    LkHeader sendTo(quint8 destination, int function, const QByteArray &payload, bool acknowledge = false);
    // An answer to one of the engine's requests, addressed back to it.
    void sendReply(const LkHeader &request, int function, const QByteArray &payload);
    bool isConnected() const;
    qint64 bytesSent() const;
    // What is wrong with the addressing of an answer to a request, if
    // anything.
    std::optional<QString> addressingFault(const LkHeader &request, const LkMessage &reply) const;
    // A request with its own sequence byte; with 'acknowledge' the engine's
    // acknowledgement is reported under the label. Returns the sequence.
    // Acknowledgements are matched by that byte, so fewer than 256 may be
    // awaited at once: a sequence still awaited is never handed out again.
    quint8 sendRequest(int function, const QByteArray &payload, bool acknowledge, const QString &label);
    // An answer to one of the engine's packets, addressed back to its
    // sender in the packet's header layout and with its sequence byte.
    void sendReply(const LkMessage &request, int function, const QByteArray &payload);
    // A sync page part, acknowledgement asked.
    void sendPage(const QByteArray &payload);
    // The panel's status counts and the system totals, as pages 5.
    void sendStatusCounts(quint8 panel);
    void sendHighPriorityStatuses();
    // The high-priority statuses with one standby time: the panel's
    // initialisation when 'initialisation', else the fire reset.
    void sendStandby(quint16 seconds, bool initialisation);
    // Changes one count of a panel and sends the page a controller would.
    bool changeCount(quint8 panel, const QString &name, quint16 value);
    // A fire on the panel (one more fire alarm, the fire bit of the status
    // word), or its reset.
    bool setFire(quint8 panel, bool on);
    // The site's configuration, name and text, network and service pages,
    // held ready as a real controller holds them: built once, and again only
    // after the site was changed.
    const QVector<QByteArray> &sitePages() const;
    // Those pages, then the panel clock.
    void sendSiteConfiguration();
    // The counters of one loop, as after a loop scan; false for a loop the
    // site does not have.
    bool sendLoopCounters(quint8 panel, quint8 loop);
    // A panel's state on the network changes; page 17 follows.
    void setNetworkState(quint8 panel, quint8 state);
    // How long a panel's non-LED outputs stay isolated; its page 27 follows.
    // False for a panel the site does not have.
    bool setOutputsReEnableTime(quint8 panel, quint16 seconds);

    // The LkSpeak function codes of the output points' LED modes.
    enum OutputMode { OutputsOn = 66, OutputsOff = 67, OutputsPulse1 = 68, OutputsPulse2 = 69 };
    enum OutputKind : quint8 { RealOutput = 0, BusOutput = 2 };
    // The real outputs a fire lights: the general fire LED and the buzzer.
    static constexpr quint8 GeneralFireLed = 1;
    static constexpr quint8 Buzzer = 20;
    // Output points first to first + count - 1 of a kind (0 to 7) in a mode.
    void setOutputs(OutputMode mode, quint8 kind, quint8 first, quint8 count);

signals:
    void reported(const QString &line);
    // Every LkSpeak packet the engine sends, decoded as far as its kind
    // is known.
    void received(const QString &kind, const QVariantMap &fields, const LkMessage &message);
    void acknowledged(const QString &label, int answer);

private:
    void sendHeartbeatFrame(quint8 status);
    void onHeartbeatAnswer(quint8 answer);
    LkHeader requestHeader(int function, bool acknowledge = false);
    void reportAcknowledgement(const LkMessage &reply, const QVariantMap &fields);
    void onFrame(const LinkFrame &frame);
    void onLkSpeak(const QByteArray &body);
    void checkConnectionResponse(const LkMessage &reply, const QVariantMap &fields);
    void checkSupervisionAnswer(const LkMessage &reply, const QVariantMap &fields);

    ControllerLink &m_link;
    Site m_site;
    mutable std::optional<QVector<QByteArray>> m_sitePages;
    QTimer m_heartbeat;
    quint8 m_heartbeatStatus = 2;
    quint8 m_lastReplyByte = 2;
    bool m_verbose = false;
    // Heartbeats sent by hand whose answers are still to be reported.
    int m_answersToReport = 0;
    quint8 m_sequence = 0;
    std::optional<LkHeader> m_pendingConnection;
    std::optional<LkHeader> m_pendingSupervision;
    QHash<quint8, QString> m_awaitingAcknowledgement;
};
