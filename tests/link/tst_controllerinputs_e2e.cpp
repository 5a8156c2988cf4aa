#include "EndToEndRig.h"

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

    std::unique_ptr<EndToEndRig> m_rig;
};

void tst_ControllerInputsEndToEnd::init()
{
    EndToEndRig::Options options;
    options.hostServices = true;
    m_rig = std::make_unique<EndToEndRig>(options);
    QVERIFY2(m_rig->start(), qPrintable(m_rig->failure()));
}

void tst_ControllerInputsEndToEnd::cleanup()
{
    QVERIFY2(m_rig->stop(), qPrintable(m_rig->failure()));
    m_rig.reset();
}

QStringList tst_ControllerInputsEndToEnd::panelKeyChanges() const
{
    QStringList changes;
    const QRegularExpression change(QStringLiteral("^rx input-point-change .* group=0 (input=\\d+)$"));
    for (const QString &line : m_rig->controller().lines()) {
        const QRegularExpressionMatch match = change.match(line);
        if (match.hasMatch())
            changes << match.captured(1);
    }
    return changes;
}

void tst_ControllerInputsEndToEnd::regionalBoardSwitches()
{
    PanelSimProcess &controller = m_rig->controller();
    HostServicesProcess &hostServices = m_rig->hostServices();

    // Before the configuration asks for the board's inputs, none is sent.
    QCOMPARE(hostServices.command(QStringLiteral("emit svc.swiss silentStatus true")).left(7),
             QStringLiteral("emitted"));
    controller.command(QStringLiteral("engineflags 2"));
    controller.command(QStringLiteral("sync"));
    const int synchronised = controller.waitForLine(QStringLiteral("sync done"));
    QVERIFY2(synchronised >= 0, qPrintable(controller.lines().join('\n')));
    QCOMPARE(panelKeyChanges(), QStringList());

    // Silence on: input 47 active; reset off: input 48 inactive.
    QCOMPARE(hostServices.command(QStringLiteral("emit svc.swiss silentStatus true")).left(7),
             QStringLiteral("emitted"));
    QTRY_COMPARE_WITH_TIMEOUT(panelKeyChanges(), QStringList{QStringLiteral("input=175")}, 30000);
    QCOMPARE(hostServices.command(QStringLiteral("emit svc.swiss rstnStatus false")).left(7),
             QStringLiteral("emitted"));
    QTRY_COMPARE_WITH_TIMEOUT(panelKeyChanges(), (QStringList{QStringLiteral("input=175"), QStringLiteral("input=48")}),
                              30000);
}

QTEST_GUILESS_MAIN(tst_ControllerInputsEndToEnd)
#include "tst_controllerinputs_e2e.moc"
