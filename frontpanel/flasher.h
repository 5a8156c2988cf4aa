#pragma once

#include "frontpanel/flashInterject.h"
#include "frontpanel/flashRate.h"
#include "frontpanel/flasherEnvironment.h"
#include "frontpanel/flasherOutputs.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class SC_Timer;

// Turns the output modes that the controller and the engine choose into the
// panel's lit and dark LEDs, zone LEDs, regional board LEDs and buzzer, eight
// times a second. A state goes out when it changes and every 10 s anyway, so
// a service that missed one is put right.
class flasher final : public QObject
{
    Q_OBJECT

public:
    // Output kinds: the real points 1 to 39 and the bus ('xbus') points 1 to
    // 250.
    enum OutputPointKind { RealOutput = 0, BusOutput = 2 };
    static constexpr int RealOutputPoints = 39;
    static constexpr int BusOutputPoints = 250;
    // Output modes: off, lit, the controller's two pulse patterns, the
    // interject, and slow flash. Any other value is off.
    enum Mode { Off = 0, Lit = 1, RateA = 2, RateB = 3, Interject = 4, SlowFlash = 5 };
    static constexpr int BuzzerOutput = 20;
    static constexpr int TickMilliseconds = 125;
    static constexpr int RefreshTicks = 80;
    static constexpr int LedCount = 17;
    static constexpr int ZoneLedCount = 16;
    static constexpr int ExternalZoneLedCount = 240;

    flasher(std::unique_ptr<flasherOutputs> outputs, const flasherEnvironment &environment);
    ~flasher() override;

    bool isBuzzerDisabled() const { return m_buzzerDisabled; }
    void setBuzzerDisabled(bool disabled) { m_buzzerDisabled = disabled; }

    bool isBuzzerOverride() const { return m_buzzerOverride; }
    void setBuzzerOverride(bool override) { m_buzzerOverride = override; }

    // A number out of range is refused with a warning; other kinds are
    // ignored.
    void setOutputPointState(quint8 kind, quint8 number, int mode);
    // 0 for a point that does not exist.
    int outputPointState(int kind, int number) const;
    void clearOutputStates();

    // The rhythms of modes 2 and 3, which the controller may set.
    flashRate &rateA() { return m_rateA; }
    flashRate &rateB() { return m_rateB; }

    void startFlashing();
    void stopFlashing();
    bool isFlashing() const;

public slots:
    void FlashRateTick();
    void testmodeLED(bool on);
    void testmodeBuzzer(bool on);
    void inject_buzzer_beep();
    void inject_buzzer_beep(uint pattern, uint period);

private:
    int &mode(quint8 kind, quint8 number);
    bool isLit(int mode, const flashRate &slowFlash) const;
    bool isRealLit(int number) const;

    void restartForTest();
    // Runs the five updates; everything goes out on the refresh tick.
    void updateOutputs();
    void updateLeds(bool refresh);
    void updateBuzzer(bool refresh);
    void updateZoneLeds(bool refresh);
    void updateRegionalBoard(bool refresh);
    void updateExternalZoneLeds(bool refresh);

    std::unique_ptr<flasherOutputs> m_outputs;
    const flasherEnvironment &m_environment;
    flashRate m_rateA;
    flashRate m_rateB;
    flashRate m_rateC;
    flashRate m_rateD;
    flashInterject m_interject;
    bool m_skipInterjectTick = false;
    std::array<int, RealOutputPoints + 1> m_realOutputs{};
    std::array<int, BusOutputPoints + 1> m_busOutputs{};
    SC_Timer *m_timer;
    bool m_ledTest = false;
    bool m_buzzerTest = false;
    QString m_lastLeds;
    QString m_lastZoneLeds;
    QString m_lastExternalZoneLeds;
    bool m_lastBuzzer = false;
    std::array<bool, 3> m_lastRegional{};
    bool m_buzzerDisabled = false;
    bool m_buzzerOverride = false;
    int m_refreshCounter = 0;
};
