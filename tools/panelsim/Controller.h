#pragma once

#include "LkSpeakCodec.h"
#include "Site.h"

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

    Site &site() { return m_site; }

    void startHeartbeat(int intervalMs, quint8 status);
    void stopHeartbeat();
    void sendHeartbeat(quint8 status);
    void sendConnectionRequest();
    void sendSupervisionRequest();
    void sendLkSpeak(int function, const QByteArray &payload);
    // The site's configuration pages, then the panel clock.
    void sendSiteConfiguration();

signals:
    void reported(const QString &line);

private:
    LkHeader requestHeader(int function);
    void onFrame(const LinkFrame &frame);
    void onLkSpeak(const QByteArray &body);
    std::optional<QString> addressingFault(const LkHeader &request, const LkMessage &reply) const;
    void checkConnectionResponse(const LkMessage &reply, const QVariantMap &fields);
    void checkSupervisionAnswer(const LkMessage &reply, const QVariantMap &fields);

    ControllerLink &m_link;
    Site m_site;
    QTimer m_heartbeat;
    quint8 m_heartbeatStatus = 2;
    quint8 m_lastReplyByte = 2;
    quint8 m_sequence = 0;
    std::optional<LkHeader> m_pendingConnection;
    std::optional<LkHeader> m_pendingSupervision;
};
