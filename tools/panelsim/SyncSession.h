#pragma once

#include "LkSpeakCodec.h"

#include <QHash>
#include <QObject>
#include <QTimer>
#include <QVector>

#include <optional>

class Controller;

// The controller's side of a synchronisation: connection request, engine
// configuration (answered, and followed by the engine's event-log
// resynchronisation request), the engine's signatures, the pages whose
// signature differs (each acknowledged), then sync complete. Each step waits
// for the engine's answers; progress is reported as "sync ..." lines.
class SyncSession final : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepTimeoutMs = 15000;

    SyncSession(Controller &controller, QObject *parent = nullptr);

    void start();
    bool isRunning() const { return m_step != Idle; }

    // The engine's signature-transfer reply: the stored signatures of each
    // panel's page, in part order; empty when the groups do not parse.
    using SignatureList = QHash<quint16, QVector<quint32>>;
    static std::optional<SignatureList> parseSignatureGroups(int panels, const QByteArray &groups);

signals:
    void reported(const QString &line);
    void finished(bool ok);

private:
    enum Step { Idle, Connecting, Configuring, ComparingSignatures, Updating, Completing };

    void enter(Step step);
    void fail(const QString &reason);
    void onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message);
    void onAcknowledged(const QString &label, int answer);
    void configured();
    void sendDifferingPages(const SignatureList &held);
    void complete();

    Controller &m_controller;
    Step m_step = Idle;
    QTimer m_timeout;
    std::optional<int> m_configurationAnswer;
    bool m_reSyncRequested = false;
    int m_pagesAwaited = 0;
    QHash<int, int> m_answers;
};
