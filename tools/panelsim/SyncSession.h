#pragma once

#include "LkSpeakCodec.h"

#include <QElapsedTimer>
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
// for the engine's answers; progress is reported as "sync ..." lines, and
// each step's duration as "sync timing phase=<step> pages=<n> bytes=<n>
// seconds=<s>" (bytes: everything written meanwhile), then the whole as
// phase=total.
class SyncSession final : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepTimeoutMs = 15000;
    // Pages sent and not yet acknowledged at most; acknowledgements are
    // matched by a one-byte sequence, so this stays well below 256.
    static constexpr int PagesInFlight = 32;

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
    void sendNextPages();
    void complete();
    void reportTiming(const char *phase, int pages, qint64 bytesFrom, const QElapsedTimer &clock);

    Controller &m_controller;
    Step m_step = Idle;
    QTimer m_timeout;
    std::optional<int> m_configurationAnswer;
    bool m_reSyncRequested = false;
    QVector<QByteArray> m_pagesToSend;
    int m_pagesSent = 0;
    int m_pagesAwaited = 0;
    QElapsedTimer m_stepClock;
    qint64 m_stepBytesFrom = 0;
    QElapsedTimer m_totalClock;
    qint64 m_totalBytesFrom = 0;
    QHash<int, int> m_answers;
};
