#include "FakeClock.h"
#include "frontpanel/flasher.h"

#include <QtTest>

namespace {

// What the flasher sent, one line a call: "leds 0100...", "buzzer 1",
// "zones ...", "regional 100", "external ...".
class RecordedOutputs final : public flasherOutputs
{
public:
    explicit RecordedOutputs(QStringList &sent)
        : m_sent(sent)
    {
    }

    void setLeds(const QString &leds) override { m_sent << QStringLiteral("leds ") + leds; }
    void setBuzzer(bool on) override { m_sent << QStringLiteral("buzzer %1").arg(int(on)); }
    void setZonalLeds(const QString &leds) override { m_sent << QStringLiteral("zones ") + leds; }
    void setRegionalLeds(bool fire, bool fault, bool fsa) override
    {
        m_sent << QStringLiteral("regional %1%2%3").arg(int(fire)).arg(int(fault)).arg(int(fsa));
    }
    void setExternalZonalLeds(const QString &leds) override { m_sent << QStringLiteral("external ") + leds; }

private:
    QStringList &m_sent;
};

// The link as the test sets it: 0 down, 1 E30, 2 Ethernet.
class TestEnvironment final : public flasherEnvironment
{
public:
    bool isDisconnected() const override { return link == 0; }
    bool isConnected() const override { return link != 0; }
    bool isEthernetOrRbusConnected() const override { return link == 2; }
    int guiMode() const override { return mode; }
    bool mayKeepBuzzerOverride() const override { return permitted; }

    int link = 2;
    int mode = 0;
    bool permitted = false;
};

} // namespace

class TestFlasher final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsDark();
    void pulsePattern_data();
    void pulsePattern();
    void rhythms_data();
    void rhythms();
    void badOutputNumbers_data();
    void badOutputNumbers();
    void withoutLink_data();
    void withoutLink();
    void outputsFollowModes();
    void beepIsTwoShortPulses();
    void secondBeepIgnored();
    void beepKeepsModeWrittenMeanwhile();
    void clearEndsBeep();
    void buzzerMutes_data();
    void buzzerMutes();
    void ledTestFlashesEverything();
    void refreshEvery80Ticks();
    void stopFlashing();

private:
    // The last string or state of one kind that the flasher sent.
    QString last(const QString &kind) const;
    // The character of one output over the given number of ticks.
    QString watch(const QString &kind, int position, int ticks);
    void tick(int ticks = 1) { m_clock->advance(qint64(ticks) * flasher::TickMilliseconds); }

    std::unique_ptr<FakeClock> m_clock;
    TestEnvironment m_environment;
    QStringList m_sent;
    std::unique_ptr<flasher> m_flasher;
};

void TestFlasher::init()
{
    m_clock = std::make_unique<FakeClock>();
    m_environment = TestEnvironment();
    m_sent.clear();
    m_flasher = std::make_unique<flasher>(std::make_unique<RecordedOutputs>(m_sent), m_environment);
    m_flasher->startFlashing();
}

void TestFlasher::cleanup()
{
    m_flasher.reset();
    m_clock.reset();
}

QString TestFlasher::last(const QString &kind) const
{
    for (int i = m_sent.size() - 1; i >= 0; --i) {
        if (m_sent.at(i).startsWith(kind + QLatin1Char(' ')))
            return m_sent.at(i).mid(kind.size() + 1);
    }
    return QString();
}

QString TestFlasher::watch(const QString &kind, int position, int ticks)
{
    QString seen;
    for (int i = 0; i < ticks; ++i) {
        tick();
        // Everything starts dark, so nothing sent yet is dark.
        const QString state = last(kind).mid(position, 1);
        seen += state.isEmpty() ? QStringLiteral("0") : state;
    }
    return seen;
}

void TestFlasher::startsDark()
{
    QCOMPARE(m_sent, QStringList{QStringLiteral("leds 00000000000000000")});
    QVERIFY(m_flasher->isFlashing());
    tick();
    // Only what changed goes out: the LEDs were sent dark already, and the
    // buzzer and the regional board start dark.
    QCOMPARE(m_sent.mid(1), (QStringList{QStringLiteral("zones ") + QString(16, QLatin1Char('0')),
                                         QStringLiteral("external ") + QString(240, QLatin1Char('0'))}));
}

void TestFlasher::pulsePattern_data()
{
    QTest::addColumn<quint8>("bits");
    QTest::addColumn<quint32>("pattern");
    QTest::newRow("0x0F") << quint8(0x0F) << quint32(0x0000FFFF);
    QTest::newRow("0x55") << quint8(0x55) << quint32(0x0F0F0F0F);
    QTest::newRow("0x80") << quint8(0x80) << quint32(0xF0000000);
    QTest::newRow("0x00") << quint8(0x00) << quint32(0);
}

void TestFlasher::pulsePattern()
{
    QFETCH(quint8, bits);
    QFETCH(quint32, pattern);
    QCOMPARE(m_flasher->rateA().setPulsePattern(bits), pattern);
    QCOMPARE(m_flasher->rateA().pattern(), pattern);
}

void TestFlasher::rhythms_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("seen"); // LED 0 over 16 ticks from the start

    QTest::newRow("off") << 0 << "0000000000000000";
    QTest::newRow("lit") << 1 << "1111111111111111";
    QTest::newRow("rate A, four on, four off") << 2 << "1110000111100001";
    QTest::newRow("rate B, the other phase") << 3 << "0001111000011110";
    QTest::newRow("slow flash, 2 s on") << 5 << "1111111111111110";
    QTest::newRow("unknown mode is off") << 9 << "0000000000000000";
}

void TestFlasher::rhythms()
{
    QFETCH(int, mode);
    QFETCH(QString, seen);
    m_flasher->setOutputPointState(flasher::RealOutput, 1, mode);
    QCOMPARE(watch(QStringLiteral("leds"), 0, 16), seen);
}

void TestFlasher::badOutputNumbers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("warning");
    QTest::newRow("real 0") << 0 << 0 << "Setting bad 'real' output point number 0";
    QTest::newRow("real 40") << 0 << 40 << "Setting bad 'real' output point number 40";
    QTest::newRow("xbus 0") << 2 << 0 << "Setting bad 'xbus' output point number 0";
    QTest::newRow("xbus 251") << 2 << 251 << "Setting bad 'xbus' output point number 251";
    QTest::newRow("other kind") << 1 << 1 << "";
}

void TestFlasher::badOutputNumbers()
{
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(QString, warning);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning) + "$"));
    m_flasher->setOutputPointState(quint8(kind), quint8(number), 1);
    for (int k : {0, 1, 2}) {
        for (int n = 0; n <= 255; ++n)
            QCOMPARE(m_flasher->outputPointState(k, n), 0);
    }
}

void TestFlasher::withoutLink_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<QString>("leds");
    QTest::newRow("Ethernet") << 0 << "01000000000000000";
    QTest::newRow("DIRU repeater inverts day mode") << 3 << "01000010000000000";
}

void TestFlasher::withoutLink()
{
    QFETCH(int, guiMode);
    QFETCH(QString, leds);
    for (int n = 1; n <= flasher::RealOutputPoints; ++n)
        m_flasher->setOutputPointState(flasher::RealOutput, quint8(n), 1);
    for (int n = 1; n <= flasher::BusOutputPoints; ++n)
        m_flasher->setOutputPointState(flasher::BusOutput, quint8(n), 1);
    m_environment.link = 0;
    m_environment.mode = guiMode;
    tick();
    QCOMPARE(last(QStringLiteral("leds")), leds);
    QCOMPARE(last(QStringLiteral("zones")), QString(16, QLatin1Char('0')));
    QCOMPARE(last(QStringLiteral("external")), QString(240, QLatin1Char('0')));
    // The buzzer still follows its mode: it tells of the lost link.
    QCOMPARE(last(QStringLiteral("buzzer")), QStringLiteral("1"));
    QCOMPARE(last(QStringLiteral("regional")), QString());

    // E30 shows zones but not the regional board.
    m_environment.link = 1;
    tick();
    QCOMPARE(last(QStringLiteral("zones")), QString(16, QLatin1Char('1')));
    QCOMPARE(last(QStringLiteral("external")), QString(240, QLatin1Char('1')));
    QCOMPARE(last(QStringLiteral("regional")), QString());
    m_environment.link = 2;
    tick();
    QCOMPARE(last(QStringLiteral("regional")), QStringLiteral("111"));
}

void TestFlasher::outputsFollowModes()
{
    m_flasher->setOutputPointState(flasher::RealOutput, 5, 1); // not shown
    m_flasher->setOutputPointState(flasher::RealOutput, 6, 1); // character 4
    m_flasher->setOutputPointState(flasher::RealOutput, 18, 1); // character 16
    m_flasher->setOutputPointState(flasher::RealOutput, 22, 1); // zone 2
    m_flasher->setOutputPointState(flasher::RealOutput, 38, 1); // regional fault
    m_flasher->setOutputPointState(flasher::BusOutput, 240, 1);
    m_flasher->setOutputPointState(flasher::BusOutput, 241, 1); // stored, not shown
    tick();
    QCOMPARE(last(QStringLiteral("leds")), QStringLiteral("00001000000000001"));
    QCOMPARE(last(QStringLiteral("zones")), QStringLiteral("0100000000000000"));
    QCOMPARE(last(QStringLiteral("regional")), QStringLiteral("010"));
    QCOMPARE(last(QStringLiteral("external")), QString(239, QLatin1Char('0')) + QLatin1Char('1'));
    QCOMPARE(m_flasher->outputPointState(flasher::BusOutput, 241), 1);
}

void TestFlasher::beepIsTwoShortPulses()
{
    m_flasher->inject_buzzer_beep();
    QCOMPARE(m_flasher->outputPointState(flasher::RealOutput, flasher::BuzzerOutput), 4);
    QCOMPARE(watch(QStringLiteral("buzzer"), 0, 20), QStringLiteral("01010000000000000000"));
    QCOMPARE(m_flasher->outputPointState(flasher::RealOutput, flasher::BuzzerOutput), 0);
}

void TestFlasher::secondBeepIgnored()
{
    m_flasher->inject_buzzer_beep();
    tick(8);
    m_flasher->inject_buzzer_beep(); // within the 2 s
    QCOMPARE(watch(QStringLiteral("buzzer"), 0, 12), QStringLiteral("000000000000"));
    QCOMPARE(m_flasher->outputPointState(flasher::RealOutput, flasher::BuzzerOutput), 0);
    // Once the beep is over, a new one plays.
    m_flasher->inject_buzzer_beep();
    QCOMPARE(watch(QStringLiteral("buzzer"), 0, 4), QStringLiteral("0101"));
}

void TestFlasher::beepKeepsModeWrittenMeanwhile()
{
    m_flasher->inject_buzzer_beep();
    tick(3);
    // The link drops during the beep: its buzzer must sound after it.
    m_flasher->setOutputPointState(flasher::RealOutput, flasher::BuzzerOutput, 1);
    QCOMPARE(m_flasher->outputPointState(flasher::RealOutput, flasher::BuzzerOutput), 4);
    tick(14);
    QCOMPARE(m_flasher->outputPointState(flasher::RealOutput, flasher::BuzzerOutput), 1);
    QCOMPARE(last(QStringLiteral("buzzer")), QStringLiteral("1"));
}

void TestFlasher::clearEndsBeep()
{
    m_flasher->setOutputPointState(flasher::RealOutput, flasher::BuzzerOutput, 1);
    m_flasher->inject_buzzer_beep();
    tick(3);
    m_flasher->clearOutputStates();
    tick(20);
    QCOMPARE(m_flasher->outputPointState(flasher::RealOutput, flasher::BuzzerOutput), 0);
    QCOMPARE(last(QStringLiteral("buzzer")), QStringLiteral("0"));
}

void TestFlasher::buzzerMutes_data()
{
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<bool>("override");
    QTest::addColumn<bool>("permitted");
    QTest::addColumn<bool>("test");
    QTest::addColumn<QString>("seen"); // the buzzer over 16 ticks, mode 1
    QTest::addColumn<bool>("overrideAfter");

    QTest::newRow("sounds") << false << false << false << false << "1111111111111111" << false;
    QTest::newRow("disabled") << true << false << false << false << "0000000000000000" << false;
    QTest::newRow("override with permission 2") << false << true << true << false << "0000000000000000" << true;
    QTest::newRow("override dropped without permission 2")
        << false << true << false << false << "1111111111111111" << false;
    QTest::newRow("test while disabled: 1 s on, 1 s off")
        << true << false << false << true << "1111111000000001" << false;
}

void TestFlasher::buzzerMutes()
{
    QFETCH(bool, disabled);
    QFETCH(bool, override);
    QFETCH(bool, permitted);
    QFETCH(bool, test);
    QFETCH(QString, seen);
    QFETCH(bool, overrideAfter);

    m_flasher->setOutputPointState(flasher::RealOutput, flasher::BuzzerOutput, 1);
    m_flasher->setBuzzerDisabled(disabled);
    m_flasher->setBuzzerOverride(override);
    m_environment.permitted = permitted;
    if (test)
        m_flasher->testmodeBuzzer(true);
    QCOMPARE(watch(QStringLiteral("buzzer"), 0, 16), seen);
    QCOMPARE(m_flasher->isBuzzerOverride(), overrideAfter);
}

void TestFlasher::ledTestFlashesEverything()
{
    m_environment.link = 0;
    tick();
    m_sent.clear();
    m_flasher->testmodeLED(true);
    // Shown at once, without a link, and then 2 s on, 2 s off.
    QCOMPARE(last(QStringLiteral("leds")), QString(17, QLatin1Char('1')));
    QCOMPARE(watch(QStringLiteral("leds"), 3, 32),
             QString(15, QLatin1Char('1')) + QString(16, QLatin1Char('0')) + QLatin1Char('1'));
    QCOMPARE(last(QStringLiteral("zones")), QString(16, QLatin1Char('1')));
    QCOMPARE(last(QStringLiteral("regional")), QStringLiteral("111"));
    QCOMPARE(last(QStringLiteral("external")), QString(240, QLatin1Char('1')));
    m_flasher->testmodeLED(false);
    QCOMPARE(last(QStringLiteral("leds")), QStringLiteral("01000000000000000"));
}

void TestFlasher::refreshEvery80Ticks()
{
    tick();
    m_sent.clear();
    tick(78);
    QCOMPARE(m_sent, QStringList());
    tick();
    QCOMPARE(m_sent,
             (QStringList{QStringLiteral("leds ") + QString(17, QLatin1Char('0')), QStringLiteral("buzzer 0"),
                          QStringLiteral("zones ") + QString(16, QLatin1Char('0')), QStringLiteral("regional 000"),
                          QStringLiteral("external ") + QString(240, QLatin1Char('0'))}));
    m_sent.clear();
    tick(79);
    QCOMPARE(m_sent, QStringList());
    tick();
    QCOMPARE(m_sent.size(), 5);
}

void TestFlasher::stopFlashing()
{
    m_flasher->setOutputPointState(flasher::RealOutput, 1, 1);
    m_flasher->stopFlashing();
    QVERIFY(!m_flasher->isFlashing());
    tick(10);
    QCOMPARE(m_sent, QStringList{QStringLiteral("leds 00000000000000000")});
}

QTEST_GUILESS_MAIN(TestFlasher)
#include "tst_flasher.moc"
