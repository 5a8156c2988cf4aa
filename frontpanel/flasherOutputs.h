#pragma once

#include <QString>

// Where the LED flasher's states go: the front-panel service and the
// regional indicator board, or a test's recorder.
class flasherOutputs
{
public:
    virtual ~flasherOutputs() = default;

    virtual void setLeds(const QString &leds) = 0;
    virtual void setBuzzer(bool on) = 0;
    virtual void setZonalLeds(const QString &leds) = 0;
    // The regional board's fire, fault and FSA LEDs, sent in that order.
    virtual void setRegionalLeds(bool fire, bool fault, bool fsa) = 0;
    virtual void setExternalZonalLeds(const QString &leds) = 0;
};

// The panel host's services: the front panel and the regional board.
class FrontPanelOutputs final : public flasherOutputs
{
public:
    void setLeds(const QString &leds) override;
    void setBuzzer(bool on) override;
    void setZonalLeds(const QString &leds) override;
    void setRegionalLeds(bool fire, bool fault, bool fsa) override;
    void setExternalZonalLeds(const QString &leds) override;
};
