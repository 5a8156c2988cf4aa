#include "EndToEndRig.h"
#include "FrontPanelProbe.h"
#include "WaitUntil.h"

#include <QtTest>

#include <memory>

// The built engine's front panel, as the simulator window serves it, with
// the host's services and, later, the controller emulator.
class tst_FrontPanelEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void ledsBuzzerBacklightAndRegionalBoard();

private:
    // The engine's LED states as 0 and 1, or empty while it does not answer.
    QString leds() const;
    bool buzzer() const;
    // The regional-board calls the host services recorded, in order.
    QStringList regionalCalls() const;

    std::unique_ptr<EndToEndRig> m_rig;
};

void tst_FrontPanelEndToEnd::cleanup()
{
    if (m_rig)
        QVERIFY2(m_rig->stop(), qPrintable(m_rig->failure()));
    m_rig.reset();
}

QString tst_FrontPanelEndToEnd::leds() const
{
    return FrontPanelProbe::leds(m_rig->port());
}

bool tst_FrontPanelEndToEnd::buzzer() const
{
    return FrontPanelProbe::buzzer(m_rig->port());
}

QStringList tst_FrontPanelEndToEnd::regionalCalls() const
{
    QStringList calls;
    for (const QString &line : m_rig->hostServices().lines()) {
        if (line.startsWith(QLatin1String("call svc.swiss ")))
            calls << line.mid(15);
    }
    return calls;
}

void tst_FrontPanelEndToEnd::ledsBuzzerBacklightAndRegionalBoard()
{
    EndToEndRig::Options options;
    options.hostServices = true;
    options.controller = false;
    m_rig = std::make_unique<EndToEndRig>(options);
    QVERIFY2(m_rig->start(), qPrintable(m_rig->failure()));

    // Without a controller only the general fault LED is lit, and the
    // buzzer is quiet.
    const QString faultOnly = QStringLiteral("010000000000000000");
    QVERIFY2(waitUntil([this, &faultOnly] { return leds() == faultOnly; }), qPrintable(leds()));
    QVERIFY(!buzzer());
    QVERIFY2(m_rig->hostServices().waitForLine(QStringLiteral("call svc.backlight setBrightness 99")) >= 0,
             qPrintable(m_rig->hostServices().lines().join('\n')));

    // The regional board hears its three LEDs, dark, in order, every 10 s.
    const QStringList dark{"setFireLed false", "setFaultLed false", "setFSALed false"};
    QVERIFY2(waitUntil([this] { return regionalCalls().size() >= 6; }, 40000),
             qPrintable(m_rig->hostServices().lines().join('\n')));
    QCOMPARE(regionalCalls().mid(0, 6), dark + dark);

    // Once the controller connects, the fault LED goes dark.
    PanelSimProcess &controller = m_rig->controller();
    QVERIFY(controller.start(m_rig->port()));
    QVERIFY2(m_rig->waitForLink(0), qPrintable(m_rig->failure()));
    const QString allDark(18, QLatin1Char('0'));
    QVERIFY2(waitUntil([this, &allDark] { return leds() == allDark; }), qPrintable(leds()));

    // The controller makes real output 1 flash: the general fire LED goes on
    // and off again and again. How fast it blinks is the flasher's own test,
    // on the fake clock; here it is enough that the output reaches the LED.
    controller.command(QStringLiteral("outputs pulse1 0 1"));
    const auto fireLed = [this] { return leds().left(1); };
    for (const char *state : {"1", "0", "1", "0"})
        QVERIFY2(waitUntil([&fireLed, state] { return fireLed() == QLatin1String(state); }), qPrintable(leds()));
}

QTEST_GUILESS_MAIN(tst_FrontPanelEndToEnd)
#include "tst_frontpanel_e2e.moc"
