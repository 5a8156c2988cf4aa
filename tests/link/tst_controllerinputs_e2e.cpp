#include "EngineProcess.h"
#include "FreePort.h"
#include "HostServicesProcess.h"
#include "PanelSimProcess.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

// The built engine with the host's services and the controller emulator:
// the regional board's switches, which the engine hears on the session bus,
// reach the controller as changes of the panel's virtual inputs once the
// controller's configuration asks for them.
class tst_ControllerInputsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void regionalBoardSwitches();

private:
    // The panel's own inputs (group 0) the controller received, as
    // "input=<byte>" texts; the sync-complete pulses of group 1 are left out.
    QStringList panelKeyChanges() const;

    std::unique_ptr<HostServicesProcess> m_hostServices;
    std::unique_ptr<EngineProcess> m_engine;
    std::unique_ptr<PanelSimProcess> m_controller;
};

void tst_ControllerInputsEndToEnd::init()
{
    m_hostServices = std::make_unique<HostServicesProcess>();
    QVERIFY(m_hostServices->start());
    m_engine = std::make_unique<EngineProcess>();
    m_controller = std::make_unique<PanelSimProcess>();
}

void tst_ControllerInputsEndToEnd::cleanup()
{
    m_controller.reset();
    if (m_engine && m_engine->isRunning())
        QVERIFY2(m_engine->terminate(), qPrintable(m_engine->standardError()));
    m_engine.reset();
    m_hostServices.reset();
}

QStringList tst_ControllerInputsEndToEnd::panelKeyChanges() const
{
    QStringList changes;
    const QRegularExpression change(QStringLiteral("^rx input-point-change .* group=0 (input=\\d+)$"));
    for (const QString &line : m_controller->lines()) {
        const QRegularExpressionMatch match = change.match(line);
        if (match.hasMatch())
            changes << match.captured(1);
    }
    return changes;
}

void tst_ControllerInputsEndToEnd::regionalBoardSwitches()
{
    const quint16 port = freePort();
    QVERIFY(m_engine->start({QStringLiteral("--port=%1").arg(port)}));
    QVERIFY(m_controller->start(port));
    QVERIFY(m_controller->waitForLine(QStringLiteral("connected")) >= 0);
    m_controller->command(QStringLiteral("beat 2"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("heartbeat-answer 1")) >= 0);

    // Before the configuration asks for the board's inputs, none is sent.
    QCOMPARE(m_hostServices->command(QStringLiteral("emit svc.swiss silentStatus true")).left(7),
             QStringLiteral("emitted"));
    m_controller->command(QStringLiteral("engineflags 2"));
    m_controller->command(QStringLiteral("sync"));
    const int synchronised = m_controller->waitForLine(QStringLiteral("sync done"));
    QVERIFY2(synchronised >= 0, qPrintable(m_controller->lines().join('\n')));
    QCOMPARE(panelKeyChanges(), QStringList());

    // Silence on: input 47 active; reset off: input 48 inactive.
    QCOMPARE(m_hostServices->command(QStringLiteral("emit svc.swiss silentStatus true")).left(7),
             QStringLiteral("emitted"));
    QTRY_COMPARE_WITH_TIMEOUT(panelKeyChanges(), QStringList{QStringLiteral("input=175")}, 30000);
    QCOMPARE(m_hostServices->command(QStringLiteral("emit svc.swiss rstnStatus false")).left(7),
             QStringLiteral("emitted"));
    QTRY_COMPARE_WITH_TIMEOUT(panelKeyChanges(),
                              (QStringList{QStringLiteral("input=175"), QStringLiteral("input=48")}), 30000);
}

QTEST_GUILESS_MAIN(tst_ControllerInputsEndToEnd)
#include "tst_controllerinputs_e2e.moc"
