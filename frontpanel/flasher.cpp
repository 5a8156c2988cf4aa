#include "frontpanel/flasher.h"

#include "core/SC_Timer.h"

#include <QDebug>

namespace {

constexpr quint32 defaultRateA = 0x0F0F0F0F; // 500 ms on, 500 ms off
constexpr quint32 defaultRateB = 0xF0F0F0F0; // the same, in opposite phase
constexpr quint32 slowLedRate = 0x0000FFFF; // 2 s on, 2 s off
constexpr quint32 slowBuzzerRate = 0x00FF00FF; // 1 s on, 1 s off

// The LED string's characters follow real outputs 1 to 4 and 6 to 18; real
// output 5 is not shown.
constexpr int realOutputOfLed(int position)
{
    return position < 4 ? position + 1 : position + 2;
}

// The general-fault LED, the only one lit while the link is down, and the
// day-mode LED, which a DIRU repeater shows inverted.
constexpr int generalFaultLed = 1;
constexpr int diruInvertedLed = 6;
constexpr int diruRepeaterMode = 3;

constexpr int firstZoneOutput = 21;
constexpr int firstRegionalOutput = 37;

QChar ledCharacter(bool lit)
{
    return lit ? QLatin1Char('1') : QLatin1Char('0');
}

} // namespace

flasher::flasher(std::unique_ptr<flasherOutputs> outputs, const flasherEnvironment &environment)
    : m_outputs(std::move(outputs))
    , m_environment(environment)
    , m_interject(*this)
    , m_timer(SC_Timer::create(this))
    , m_lastLeds(LedCount, QLatin1Char('0'))
{
    m_outputs->setLeds(m_lastLeds);
}

flasher::~flasher()
{
    m_timer->stop();
}

void flasher::startFlashing()
{
    m_rateA.setPattern(defaultRateA);
    m_rateB.setPattern(defaultRateB);
    m_rateC.setPattern(slowLedRate);
    m_rateD.setPattern(slowBuzzerRate);
    m_interject.setPattern(flashInterject::BeepPattern);
    connect(m_timer, &SC_Timer::timeout, this, &flasher::FlashRateTick, Qt::UniqueConnection);
    m_timer->start(TickMilliseconds);
}

void flasher::stopFlashing()
{
    m_timer->stop();
}

bool flasher::isFlashing() const
{
    return m_timer->isActive();
}

int &flasher::mode(quint8 kind, quint8 number)
{
    return kind == RealOutput ? m_realOutputs[number] : m_busOutputs[number];
}

void flasher::setOutputPointState(quint8 kind, quint8 number, int newMode)
{
    if (kind == RealOutput && (number < 1 || number > RealOutputPoints)) {
        qWarning() << "flasher::setOutputPointState"
                   << "Setting bad 'real' output point number" << int(number);
        return;
    }
    if (kind == BusOutput && (number < 1 || number > BusOutputPoints)) {
        qWarning() << "flasher::setOutputPointState"
                   << "Setting bad 'xbus' output point number" << int(number);
        return;
    }
    if (kind != RealOutput && kind != BusOutput)
        return;
    // A mode written while a beep plays (the link-loss buzzer, say) must not
    // be lost when the beep puts the output back.
    if (m_interject.isPlayingOn(kind, number) && newMode != Interject) {
        m_interject.setRestoreMode(newMode);
        return;
    }
    mode(kind, number) = newMode;
}

int flasher::outputPointState(int kind, int number) const
{
    if (kind == RealOutput && number >= 1 && number <= RealOutputPoints)
        return m_realOutputs[size_t(number)];
    if (kind == BusOutput && number >= 1 && number <= BusOutputPoints)
        return m_busOutputs[size_t(number)];
    return 0;
}

void flasher::clearOutputStates()
{
    // A beep still playing would otherwise bring back the mode it found.
    m_interject.cancel();
    m_realOutputs.fill(Off);
    m_busOutputs.fill(Off);
}

bool flasher::isLit(int outputMode, const flashRate &slowFlash) const
{
    switch (outputMode) {
    case Lit:
        return true;
    case RateA:
        return m_rateA.isOn();
    case RateB:
        return m_rateB.isOn();
    case Interject:
        return m_interject.isOn();
    case SlowFlash:
        return slowFlash.isOn();
    default:
        return false;
    }
}

bool flasher::isRealLit(int number) const
{
    return isLit(m_ledTest ? SlowFlash : m_realOutputs[size_t(number)], m_rateC);
}

void flasher::FlashRateTick()
{
    for (flashRate *rate : {&m_rateA, &m_rateB, &m_rateC, &m_rateD})
        rate->tick();
    if (m_skipInterjectTick)
        m_skipInterjectTick = false;
    else
        m_interject.tick();
    updateOutputs();
}

void flasher::updateOutputs()
{
    ++m_refreshCounter;
    const bool refresh = m_refreshCounter == RefreshTicks;
    updateLeds(refresh);
    updateBuzzer(refresh);
    updateZoneLeds(refresh);
    updateRegionalBoard(refresh);
    updateExternalZoneLeds(refresh);
    m_refreshCounter %= RefreshTicks;
}

void flasher::updateLeds(bool refresh)
{
    QString leds(LedCount, QLatin1Char('0'));
    if (m_environment.isDisconnected() && !m_ledTest) {
        leds[generalFaultLed] = QLatin1Char('1');
    } else {
        for (int position = 0; position < LedCount; ++position)
            leds[position] = ledCharacter(isRealLit(realOutputOfLed(position)));
    }
    if (m_environment.guiMode() == diruRepeaterMode)
        leds[diruInvertedLed] = ledCharacter(leds.at(diruInvertedLed) != QLatin1Char('1'));
    if (refresh || leds != m_lastLeds) {
        m_outputs->setLeds(leds);
        m_lastLeds = leds;
    }
}

void flasher::updateBuzzer(bool refresh)
{
    if (m_buzzerOverride && !m_environment.mayKeepBuzzerOverride())
        m_buzzerOverride = false;
    bool on = false;
    if (m_buzzerTest)
        on = isLit(SlowFlash, m_rateD);
    else if (!m_buzzerDisabled && !m_buzzerOverride)
        on = isLit(m_realOutputs[BuzzerOutput], m_rateD);
    if (refresh || on != m_lastBuzzer) {
        m_outputs->setBuzzer(on);
        m_lastBuzzer = on;
    }
}

void flasher::updateZoneLeds(bool refresh)
{
    QString leds(ZoneLedCount, QLatin1Char('0'));
    if (m_environment.isConnected() || m_ledTest) {
        for (int i = 0; i < ZoneLedCount; ++i)
            leds[i] = ledCharacter(isRealLit(firstZoneOutput + i));
    }
    if (refresh || leds != m_lastZoneLeds) {
        m_outputs->setZonalLeds(leds);
        m_lastZoneLeds = leds;
    }
}

void flasher::updateRegionalBoard(bool refresh)
{
    std::array<bool, 3> bits{};
    if (m_environment.isEthernetOrRbusConnected() || m_ledTest) {
        for (size_t i = 0; i < bits.size(); ++i)
            bits[i] = isRealLit(firstRegionalOutput + int(i));
    }
    if (refresh || bits != m_lastRegional) {
        m_outputs->setRegionalLeds(bits[0], bits[1], bits[2]);
        m_lastRegional = bits;
    }
}

void flasher::updateExternalZoneLeds(bool refresh)
{
    QString leds(ExternalZoneLedCount, QLatin1Char('0'));
    if (m_environment.isConnected() || m_ledTest) {
        for (int i = 0; i < ExternalZoneLedCount; ++i)
            leds[i] = ledCharacter(isLit(m_ledTest ? SlowFlash : m_busOutputs[size_t(i + 1)], m_rateC));
    }
    if (refresh || leds != m_lastExternalZoneLeds) {
        m_outputs->setExternalZonalLeds(leds);
        m_lastExternalZoneLeds = leds;
    }
}

void flasher::testmodeLED(bool on)
{
    m_ledTest = on;
    restartForTest();
}

void flasher::testmodeBuzzer(bool on)
{
    m_buzzerTest = on;
    restartForTest();
}

void flasher::restartForTest()
{
    // A test starts its rhythm afresh and shows at once; the next tick comes
    // a full tick later.
    m_timer->stop();
    m_timer->start(TickMilliseconds);
    for (flashRate *rate : {&m_rateA, &m_rateB, &m_rateC, &m_rateD})
        rate->reset();
    updateOutputs();
}

void flasher::inject_buzzer_beep()
{
    inject_buzzer_beep(flashInterject::BeepPattern, flashInterject::DefaultPeriod);
}

void flasher::inject_buzzer_beep(uint pattern, uint period)
{
    if (m_realOutputs[BuzzerOutput] == Interject)
        return;
    m_interject.play(RealOutput, BuzzerOutput, pattern, period > 32 ? 0 : int(period), m_realOutputs[BuzzerOutput]);
    m_skipInterjectTick = true;
    m_realOutputs[BuzzerOutput] = Interject;
}
