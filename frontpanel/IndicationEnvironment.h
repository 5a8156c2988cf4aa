#pragma once

#include "core/BannerStatus.h"

class flasher;

// The engine-wide state that the front-panel bus indications drive and read:
// the LED flasher, the GUI configuration and the fire, fault, evacuation and
// banner summary.
class IndicationEnvironment
{
public:
    virtual ~IndicationEnvironment() = default;

    virtual flasher &ledFlasher() = 0;
    virtual int guiMode() const = 0;
    virtual int zonalLedMode() const = 0;
    virtual bool isE30Connected() const = 0;
    virtual bool isFireActive() const = 0;

    virtual void setFireActive(const bool &active) = 0;
    virtual void setFaultActive(const bool &active) = 0;
    virtual void setEvacuationActive(const bool &active) = 0;
    virtual void setBannerStatus(const TC::BANNER_STATUS &status) = 0;
};
