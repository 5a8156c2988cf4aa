#include "EndToEndRig.h"

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
    std::unique_ptr<EndToEndRig> m_rig;
};

void tst_EngineEventLogEndToEnd::init()
{
    EndToEndRig::Options options;
    options.controllerArguments = QStringList{QStringLiteral("--heartbeat=1000")};
    m_rig = std::make_unique<EndToEndRig>(options);
    QVERIFY2(m_rig->start(), qPrintable(m_rig->failure()));
}

void tst_EngineEventLogEndToEnd::cleanup()
{
    QVERIFY2(m_rig->stop(), qPrintable(m_rig->failure()));
    m_rig.reset();
}

void tst_EngineEventLogEndToEnd::liveEventsAcknowledged()
{
    PanelSimProcess &controller = m_rig->controller();
    controller.command(QStringLiteral("eventlog acks"));
    controller.command(QStringLiteral("eventlog raise fire 3"));
    controller.command(QStringLiteral("eventlog raise restoral 3"));
    QVERIFY(controller.waitForLine(QStringLiteral("eventlog live-acked 6 last=6")) >= 0);
    controller.command(QStringLiteral("eventlog status"));
    const int status = controller.waitForLine(QStringLiteral("eventlog-status"));
    QVERIFY(status >= 0);
    QCOMPARE(controller.lines().at(status),
             QStringLiteral("eventlog-status log=6 live-sent=6 live-acked=6 live-pending=0 historic-sent=0 "
                            "historic-acked=0 faults=0"));
}

QTEST_GUILESS_MAIN(tst_EngineEventLogEndToEnd)
#include "tst_engine_eventlog_e2e.moc"
