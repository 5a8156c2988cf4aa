#include "EngineProcess.h"
#include "FreePort.h"
#include "PanelSimProcess.h"

#include <QtTest>

#include <memory>

// The built engine's own start-up: its event-log client answers the
// controller emulator's live events as soon as the link is up.
class tst_EngineEventLogEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void liveEventsAcknowledged();

private:
    std::unique_ptr<EngineProcess> m_engine;
    std::unique_ptr<PanelSimProcess> m_controller;
};

void tst_EngineEventLogEndToEnd::init()
{
    const quint16 port = freePort();
    m_engine = std::make_unique<EngineProcess>();
    m_controller = std::make_unique<PanelSimProcess>();
    QVERIFY(m_engine->start({QStringLiteral("--port=%1").arg(port)}));
    QVERIFY(m_controller->start(port, {QStringLiteral("--heartbeat=1000")}));
    QVERIFY(m_controller->waitForLine(QStringLiteral("connected")) >= 0);
    QVERIFY(m_controller->waitForLine(QStringLiteral("heartbeat-answer")) >= 0);
}

void tst_EngineEventLogEndToEnd::cleanup()
{
    m_controller.reset();
    if (m_engine && m_engine->isRunning())
        QVERIFY2(m_engine->terminate(), qPrintable(m_engine->standardError()));
    m_engine.reset();
}

void tst_EngineEventLogEndToEnd::liveEventsAcknowledged()
{
    m_controller->command(QStringLiteral("eventlog acks"));
    m_controller->command(QStringLiteral("eventlog raise fire 3"));
    m_controller->command(QStringLiteral("eventlog raise restoral 3"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("eventlog live-acked 6 last=6")) >= 0);
    m_controller->command(QStringLiteral("eventlog status"));
    const int status = m_controller->waitForLine(QStringLiteral("eventlog-status"));
    QVERIFY(status >= 0);
    QCOMPARE(m_controller->lines().at(status),
             QStringLiteral("eventlog-status log=6 live-sent=6 live-acked=6 live-pending=0 historic-sent=0 "
                            "historic-acked=0 faults=0"));
}

QTEST_GUILESS_MAIN(tst_EngineEventLogEndToEnd)
#include "tst_engine_eventlog_e2e.moc"
